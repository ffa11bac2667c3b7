#pragma once

#include <QFont>
#include <QList>
#include <QString>

#include <functional>

class QPainter;
class QPaintDevice;
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

    // A piece of a report line and the 0-based column it starts at. The report lines line their
    // values up with blanks, which only works in a fixed-pitch face; a run of two or more blanks is
    // taken as such padding, so that each piece can be put at its column in any face.
    struct Piece {
        int column = 0;
        QString text;
        bool operator==(const Piece &) const = default;
    };
    static QList<Piece> Pieces(const QString &line);

    // The fonts the reports ask for by name, with a fallback of the same kind where the named face is
    // not installed.
    static QFont courier(int points);
    static QFont arial(int points, bool bold = false);

    // Prints `lines` on `printer` as one job. False when the printer could not start the job; then
    // nothing was printed.
    static bool print(QPrinter &printer, const QList<Line> &lines);

    // Paints `lines` with `painter` on pages `pageHeight` device pixels high, measuring the text on
    // `device`; `newPage` is called before each page after the first. Returns the number of pages.
    static int paint(QPainter &painter, const QPaintDevice &device, qreal pageHeight, const QList<Line> &lines,
                     const std::function<void()> &newPage);
};

} // namespace rollscan
