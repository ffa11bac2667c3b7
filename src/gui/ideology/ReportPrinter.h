#pragma once

#include <QFont>
#include <QList>
#include <QString>

class QPrinter;

namespace rollscan {

// Prints a text report line by line, each line in its own font, down the page and on to the next
// page when the current one is full. The side windows of the map print their reports through it.
class ReportPrinter {
public:
    // The error number reported when the printer cannot start a job.
    static constexpr int kErrorNumber = 482;

    struct Line {
        QString text;
        QFont font;
    };

    // The fonts the reports ask for by name, with a fallback of the same kind where the named face is
    // not installed.
    static QFont courier(int points);
    static QFont arial(int points, bool bold = false);

    // Prints `lines` on `printer` as one job. False when the printer could not start the job; then
    // nothing was printed.
    static bool print(QPrinter &printer, const QList<Line> &lines);
};

} // namespace rollscan
