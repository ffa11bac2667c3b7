#include "ReportPrinter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace rollscan {

namespace {
// The pieces of a report line and the 0-based columns they start at. The report lines line their
// values up with blanks, which only works in a fixed-pitch face; a run of two or more blanks is
// taken as such padding, so that each piece can be put at its column in any face.
QList<QPair<int, QString>> pieces(const QString &line)
{
    QList<QPair<int, QString>> out;
    qsizetype at = 0;
    while (at < line.size()) {
        while (at < line.size() && line.at(at) == QLatin1Char(' '))
            ++at;
        const qsizetype start = at;
        while (at < line.size() &&
               !(line.at(at) == QLatin1Char(' ') && at + 1 < line.size() && line.at(at + 1) == QLatin1Char(' ')))
            ++at;
        if (at > start)
            out.append({int(start), line.mid(start, at - start)});
    }
    return out;
}
} // namespace

QFont ReportPrinter::courier(int points)
{
    QFont font(QStringLiteral("Courier New"), points);
    // The report's columns only line up in a fixed-pitch face.
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QFont ReportPrinter::arial(int points, bool bold)
{
    QFont font(QStringLiteral("Arial"), points);
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    return font;
}

bool ReportPrinter::print(QPrinter &printer, const QList<Line> &lines)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter's origin is the top-left corner of the printable area.
    const qreal pageHeight = printer.height();
    qreal y = 0;
    for (const Line &line : lines) {
        // Font metrics of the printer, not of the screen: the two resolutions differ.
        const QFontMetricsF metrics(line.font, &printer);
        const qreal height = metrics.lineSpacing();
        if (y > 0 && y + height > pageHeight) {
            printer.newPage();
            y = 0;
        }
        painter.setFont(line.font);
        const qreal column = metrics.averageCharWidth();
        for (const auto &[start, text] : pieces(line.text))
            painter.drawText(QPointF(start * column, y + metrics.ascent()), text);
        y += height;
    }
    return painter.end();
}

} // namespace rollscan
