#pragma once

#include "core/Progress.h"

#include <QString>

#include <exception>
#include <functional>

class QWidget;

namespace rollscan {

class FileError;
class Services;

// The progress callback of long core work, shown in the shared wait window: the percentage always,
// the count in the number panel when `showNumber`. Pending paint events run at each progress point
// so the wait window stays current; user input waits, so that the window that started the work
// cannot be used again before it ends.
ProgressCallback WaitProgress(Services &services, bool showNumber);

// How RunReportingErrors words a report and what follows it, for windows that say what they were
// doing when a file failed them.
struct ErrorReporting {
    // The text of a file error's report; unset: the fixed sentence with the file's path.
    std::function<QString(const FileError &)> fileErrorText;
    // Runs once the user has read the report, with the error reported.
    std::function<void(const std::exception &)> afterReport;
};

// The one way window work meets errors: runs `work` and reports what it throws, a file error with
// its fixed sentence and path (or `how.fileErrorText`), a data error with its message, anything
// else core did not foresee with its text. Work that shows the wait window does so with a WaitGuard
// inside `work`, so the window is hidden before the report. False when an error was reported (the
// work then stopped where it threw).
bool RunReportingErrors(Services &services, QWidget *parent, const std::function<void()> &work,
                        const ErrorReporting &how = {});

} // namespace rollscan
