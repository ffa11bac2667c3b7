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

void IdeologicalCanvas::PaintAxes(QPainter &painter, double side, bool isHouse, const QFont &font)
{
    painter.save();
    // Grey and thin, so that the axes read as a scale and never as a cutting line or a vote colour.
    const QColor axisColour(0x90, 0x90, 0x90);
    const QColor textColour(0x60, 0x60, 0x60);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(axisColour, 1));
    const QPointF origin = ToPixel({0, 0}, side);
    painter.drawLine(QPointF(0, origin.y()), QPointF(side, origin.y()));
    painter.drawLine(QPointF(origin.x(), 0), QPointF(origin.x(), side));

    QFont small = font;
    small.setBold(false);
    small.setPixelSize(std::clamp(int(std::lround(side / 60.0)), 8, 16));
    painter.setFont(small);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QFontMetricsF metrics(small);
    const double tick = std::max(3.0, side / 150.0);
    const double k = DimTwoFactor(isHouse);
    for (const double value : {-1.0, -0.5, 0.0, 0.5, 1.0}) {
        const QString label = FormatTick(value);
        const double w = metrics.horizontalAdvance(label);
        // First dimension: ticks below the horizontal axis, labels kept inside the picture.
        const QPointF x = ToPixel({value, 0}, side);
        painter.setPen(QPen(axisColour, 1));
        painter.drawLine(QPointF(x.x(), x.y() - tick), QPointF(x.x(), x.y() + tick));
        painter.setPen(textColour);
        const double left = std::clamp(x.x() - w / 2.0, 2.0, side - w - 2.0);
        if (value != 0.0)
            painter.drawText(QPointF(left, x.y() + tick + metrics.ascent()), label);
        // Second dimension: a legislator's second coordinate c stands at 2k·c on the map.
        const QPointF y = ToPixel({0, 2.0 * k * value}, side);
        painter.setPen(QPen(axisColour, 1));
        painter.drawLine(QPointF(y.x() - tick, y.y()), QPointF(y.x() + tick, y.y()));
        painter.setPen(textColour);
        if (value != 0.0)
            painter.drawText(QPointF(y.x() + tick + 2.0, y.y() + metrics.ascent() / 2.0 - 1.0), label);
    }
    painter.drawText(QPointF(origin.x() + tick + 2.0, origin.y() + tick + metrics.ascent()), FormatTick(0.0));

    // The dimension names along the bottom and the left edge, on white so that the axis does not
    // strike through them; the second stands in the upper half, clear of the first axis's labels.
    const QString first = FirstDimensionName();
    const QRectF firstBox((side - metrics.horizontalAdvance(first)) / 2.0 - 2.0, side - metrics.height() - 2.0,
                          metrics.horizontalAdvance(first) + 4.0, metrics.height());
    painter.fillRect(firstBox, Qt::white);
    painter.drawText(firstBox, Qt::AlignCenter, first);
    const QString second = SecondDimensionName();
    painter.translate(2.0, side / 4.0 + metrics.horizontalAdvance(second) / 2.0);
    painter.rotate(-90);
    const QRectF secondBox(-2.0, 0, metrics.horizontalAdvance(second) + 4.0, metrics.height());
    painter.fillRect(secondBox, Qt::white);
    painter.drawText(secondBox, Qt::AlignCenter, second);
    painter.restore();
}

QString IdeologicalCanvas::FormatTick(double value)
{
    return value == 0.0 ? QStringLiteral("0") : QString::number(value, 'g', 2).replace(QLatin1Char('-'), QChar(0x2212));
}

QString IdeologicalCanvas::FirstDimensionName()
{
    return QStringLiteral("First dimension (economic: liberal \u2190 \u2192 conservative)");
}

QString IdeologicalCanvas::SecondDimensionName()
{
    return QStringLiteral("Second dimension");
}

void IdeologicalCanvas::PaintMap(QPainter &painter, double side, const DrawingPass &pass, const DisplayFilter &filter,
                                 const Preferences &prefs, const QFont &font, const QList<MapPoint> &circles)
{
    painter.save();
    painter.fillRect(QRectF(0, 0, side, side), Qt::white);
    painter.setClipRect(QRectF(0, 0, side, side));
    PaintAxes(painter, side, pass.isHouse, font);

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
