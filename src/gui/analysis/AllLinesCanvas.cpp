#include "gui/analysis/AllLinesCanvas.h"

#include "gui/app/PaletteColour.h"
#include "gui/ideology/IdeologicalCanvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace rollscan {

namespace {
// How near the pointer must come to a line to name it, in pixels.
constexpr double kHoverPixels = 4.0;
} // namespace

AllLinesCanvas::AllLinesCanvas(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(300, 300);
}

void AllLinesCanvas::setView(const AllLinesView *view)
{
    m_view = view;
    m_highlighted = -1;
    update();
}

void AllLinesCanvas::setHighlighted(int line)
{
    if (line == m_highlighted)
        return;
    m_highlighted = line;
    update();
}

void AllLinesCanvas::Paint(QPainter &painter, double side, const AllLinesView &view, const QFont &font, int highlighted)
{
    painter.save();
    painter.fillRect(QRectF(0, 0, side, side), Qt::white);
    painter.setClipRect(QRectF(0, 0, side, side));

    // Many lines cross the centre: the more there are, the fainter each is drawn, so that where they
    // bunch shows as a darker band instead of one black mass.
    const double lineWidth = std::max(1.0, std::floor(side / 400.0));
    const int drawn = std::max(1, view.drawnCount());
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(0, 0, 0, std::clamp(2000 / drawn, 8, 160)), lineWidth));
    for (int i = 0; i < view.lines.size(); ++i) {
        const QueuedCuttingLine &l = view.lines.at(i);
        if (l.drawn() && i != highlighted)
            painter.drawLine(IdeologicalCanvas::ToPixel(l.line.end1, side),
                             IdeologicalCanvas::ToPixel(l.line.end2, side));
    }

    // The tokens go over the lines so that no member is hidden under the band.
    painter.setFont(font);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QFontMetricsF metrics(font);
    for (const AllLinesMember &m : view.members) {
        const QPointF at = IdeologicalCanvas::ToPixel(m.point, side);
        painter.setPen(PaletteColour(m.colour));
        painter.drawText(QPointF(at.x() - metrics.horizontalAdvance(m.token) / 2.0,
                                 at.y() - metrics.height() / 2.0 + metrics.ascent()),
                         m.token);
    }
    if (highlighted >= 0 && highlighted < view.lines.size() && view.lines.at(highlighted).drawn()) {
        const CuttingLine &line = view.lines.at(highlighted).line;
        painter.setPen(QPen(QColor(255, 128, 0), lineWidth * 3));
        painter.drawLine(IdeologicalCanvas::ToPixel(line.end1, side), IdeologicalCanvas::ToPixel(line.end2, side));
    }
    painter.restore();
}

void AllLinesCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const double side = std::min(width(), height());
    if (!m_view) {
        painter.fillRect(QRectF(0, 0, side, side), Qt::white);
        return;
    }
    Paint(painter, side, *m_view, IdeologicalCanvas::TokenFont(font(), side), m_highlighted);
}

void AllLinesCanvas::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_view)
        return;
    const double side = std::min(width(), height());
    const MapPoint p = IdeologicalCanvas::ToMap(event->position(), side);
    const int line = side > 0 ? NearestLine(*m_view, p, kHoverPixels * 2.0 / side) : -1;
    if (line != m_highlighted) {
        setHighlighted(line);
        emit lineHovered(line);
    }
    if (line >= 0)
        QToolTip::showText(event->globalPosition().toPoint(),
                           QStringLiteral("Roll Call #%1").arg(m_view->lines.at(line).rollCall.rollCall), this);
    else
        QToolTip::hideText();
}

} // namespace rollscan
