#include "gui/ideology/IdeologicalCanvas.h"

#include "core/ideology/MapLookup.h"
#include "gui/app/PaletteColour.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace rollscan {

IdeologicalCanvas::IdeologicalCanvas(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void IdeologicalCanvas::setPass(const DrawingPass *pass)
{
    m_pass = pass;
    update();
}

void IdeologicalCanvas::setFilter(const DisplayFilter &filter)
{
    m_filter = filter;
    update();
}

void IdeologicalCanvas::addCircle(const MapPoint &centre)
{
    m_circles.append(centre);
    m_lastCircleVisible = true;
    update();
}

void IdeologicalCanvas::clearCircles()
{
    m_circles.clear();
    m_lastCircleVisible = true;
    update();
}

void IdeologicalCanvas::setLastCircleVisible(bool visible)
{
    m_lastCircleVisible = visible;
    update();
}

QPointF IdeologicalCanvas::ToPixel(const MapPoint &p, double side)
{
    return {(p.x + 1.0) * side / 2.0, (1.0 - p.y) * side / 2.0};
}

MapPoint IdeologicalCanvas::ToMap(const QPointF &pixel, double side)
{
    if (side <= 0)
        return {};
    return {pixel.x() * 2.0 / side - 1.0, 1.0 - pixel.y() * 2.0 / side};
}

QFont IdeologicalCanvas::TokenFont(const QFont &base, double side)
{
    // Tokens grow with the picture so that a large map stays readable, within bounds that keep a
    // crowded centre legible on a small one.
    QFont font = base;
    font.setPixelSize(std::clamp(int(std::lround(side / 48.0)), 9, 24));
    font.setBold(true);
    return font;
}

void IdeologicalCanvas::PaintMap(QPainter &painter, double side, const DrawingPass &pass, const DisplayFilter &filter,
                                 const Preferences &prefs, const QFont &font, const QList<MapPoint> &circles)
{
    painter.save();
    painter.fillRect(QRectF(0, 0, side, side), Qt::white);
    painter.setClipRect(QRectF(0, 0, side, side));

    // Lines are drawn crisp; a one-pixel line on a large picture is hard to see, so it thickens with it.
    const double lineWidth = std::max(1.0, std::floor(side / 400.0));
    painter.setRenderHint(QPainter::Antialiasing, false);
    auto drawLine = [&](const CuttingLine &line, const QColor &colour) {
        if (line.noLine)
            return;
        painter.setPen(QPen(colour, lineWidth));
        painter.drawLine(ToPixel(line.end1, side), ToPixel(line.end2, side));
    };
    drawLine(pass.line, PaletteColour(0));
    if (pass.partnerLine)
        drawLine(*pass.partnerLine, PaletteColour(prefs.noMatchColour()));

    painter.setFont(font);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QFontMetricsF metrics(font);
    const double height = metrics.height();
    const double ascent = metrics.ascent();
    for (const int i : DrawnEntries(pass, filter)) {
        const PlottedEntry &entry = pass.PlottedList.at(i);
        const QPointF at = ToPixel(entry.point, side);
        const double width = metrics.horizontalAdvance(entry.token);
        painter.setPen(PaletteColour(entry.colour));
        painter.drawText(QPointF(at.x() - width / 2.0, at.y() - height / 2.0 + ascent), entry.token);
    }

    if (!circles.isEmpty()) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(PaletteColour(0), std::max(1.0, lineWidth)));
        painter.setBrush(Qt::NoBrush);
        const double radius = kFindCircleRadius * side / 2.0;
        for (const MapPoint &c : circles)
            painter.drawEllipse(ToPixel(c, side), radius, radius);
    }
    painter.restore();
}

void IdeologicalCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const double side = std::min(width(), height());
    if (!m_pass) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    QList<MapPoint> circles = m_circles;
    if (!m_lastCircleVisible && !circles.isEmpty())
        circles.removeLast();
    PaintMap(painter, side, *m_pass, m_filter, m_prefs, TokenFont(font(), side), circles);
}

void IdeologicalCanvas::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const MapPoint p = ToMap(event->position(), std::min(width(), height()));
    emit pressedAt(p.x, p.y);
}

} // namespace rollscan
