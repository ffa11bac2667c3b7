#pragma once

#include "core/Progress.h"

#include <functional>

class QWidget;

namespace rollscan {

class Services;

// The progress callback of long core work, shown in the shared wait window: the percentage always,
// the count in the number panel when `showNumber`. Pending paint events run at each progress point
// so the wait window stays current; user input waits, so that the window that started the work
// cannot be used again before it ends.
ProgressCallback WaitProgress(Services &services, bool showNumber);

// Runs core work and reports what it throws: a file error with its fixed sentence and path, a data
// error with its message. With `hideWaitOnError` the wait window is hidden before the report, so the
// message is not covered. False when an error was reported (the work then stopped where it threw).
bool RunReportingErrors(Services &services, QWidget *parent, const std::function<void()> &work,
                        bool hideWaitOnError = false);

} // namespace rollscan
