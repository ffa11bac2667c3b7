#include "core/geomap/MapTransform.h"

#include "core/geomap/UsMapRules.h"

#include <algorithm>

namespace rollscan {

MapTransform::MapTransform(const MapExtent &view, const QRectF &control) : m_control(control)
{
    if (view.isEmpty() || control.isEmpty())
        return;
    const double drawnWidth = view.width() * kLongitudeScale;
    m_scaleY = std::min(control.width() / drawnWidth, control.height() / view.height());
    m_scaleX = m_scaleY * kLongitudeScale;
    const double cx = (view.minX + view.maxX) / 2.0;
    const double cy = (view.minY + view.maxY) / 2.0;
    m_offsetX = control.center().x() - cx * m_scaleX;
    m_offsetY = control.center().y() + cy * m_scaleY;
    const QPointF topLeft = toMap(control.topLeft());
    const QPointF bottomRight = toMap(control.bottomRight());
    m_visible = {topLeft.x(), bottomRight.y(), bottomRight.x(), topLeft.y()};
}

QPointF MapTransform::toMap(const QPointF &control) const
{
    return {(control.x() - m_offsetX) / m_scaleX, (m_offsetY - control.y()) / m_scaleY};
}

} // namespace rollscan
