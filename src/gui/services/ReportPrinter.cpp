#include "gui/services/ReportPrinter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace rollscan {

QList<ReportPrinter::Piece> ReportPrinter::Pieces(const QString &line)
{
    QList<Piece> out;
    qsizetype at = 0;
    while (at < line.size()) {
        while (at < line.size() && line.at(at) == QLatin1Char(' '))
            ++at;
        const qsizetype start = at;
        while (at < line.size() &&
               !(line.at(at) == QLatin1Char(' ') && at + 1 < line.size() && line.at(at + 1) == QLatin1Char(' ')))
            ++at;
        // A single blank at the end of a line is padding too.
        const qsizetype end = at == line.size() && at > start && line.at(at - 1) == QLatin1Char(' ') ? at - 1 : at;
        if (end > start)
            out.append({int(start), line.mid(start, end - start)});
    }
    return out;
}

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
    paint(painter, printer, printer.height(), lines, [&printer] { printer.newPage(); });
    return painter.end();
}

int ReportPrinter::paint(QPainter &painter, const QPaintDevice &device, qreal pageHeight, const QList<Line> &lines,
                         const std::function<void()> &newPage)
{
    int pages = 1;
    qreal y = 0;
    for (const Line &line : lines) {
        // Metrics of the device, not of the screen: the two resolutions differ.
        const QFontMetricsF metrics(line.font, &device);
        const qreal height = metrics.lineSpacing();
        if (y > 0 && y + height > pageHeight) {
            newPage();
            ++pages;
            y = 0;
        }
        painter.setFont(line.font);
        const qreal column = metrics.averageCharWidth();
        for (const Piece &piece : Pieces(line.text))
            painter.drawText(QPointF(piece.column * column, y + metrics.ascent()), piece.text);
        y += height;
    }
    return pages;
}

} // namespace rollscan
