#include "gui/import/DrawnCircles.h"

#include <QPainter>

namespace rollscan {

void PaintDrawnCircles(QImage &picture, const DrawnMapView &view, const QList<DrawnVoteCircle> &circles)
{
    if (circles.isEmpty() || picture.isNull())
        return;
    const DrawnTransform t = DrawnTransform::Fit(view, picture.width(), picture.height());
    const double radius = kDrawnCircleRadius * t.scale;
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.0));
    for (const DrawnVoteCircle &c : circles) {
        p.setBrush(QColor(c.colour.red, c.colour.green, c.colour.blue));
        p.drawEllipse(QPointF(t.toPixelX(c.at.x), t.toPixelY(c.at.y)), radius, radius);
    }
}

} // namespace rollscan
