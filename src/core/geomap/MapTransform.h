#pragma once

#include "core/geomap/MapExtent.h"

#include <QPointF>
#include <QRectF>

namespace rollscan {

// Places a view extent (map units) in a control rectangle (pixels): one scale for both axes after
// longitude is shortened by kLongitudeScale, the view centred, north up. The control shows at least
// the view extent; visibleExtent() is what it shows in all.
class MapTransform {
public:
    MapTransform() = default;
    MapTransform(const MapExtent &view, const QRectF &control);

    // Map point to control point, and back (ToMapPoint).
    QPointF toControl(double x, double y) const { return {m_offsetX + x * m_scaleX, m_offsetY - y * m_scaleY}; }
    QPointF toMap(const QPointF &control) const;
    // Control distance (pixels) to map distance along latitude (ToMapDistance).
    double toMapDistance(double pixels) const { return m_scaleY > 0.0 ? pixels / m_scaleY : 0.0; }
    // Pixels per map unit of latitude.
    double scale() const { return m_scaleY; }
    double scaleX() const { return m_scaleX; }
    double offsetX() const { return m_offsetX; }
    double offsetY() const { return m_offsetY; }
    MapExtent visibleExtent() const { return m_visible; }

private:
    double m_scaleX = 1.0, m_scaleY = 1.0, m_offsetX = 0.0, m_offsetY = 0.0;
    MapExtent m_visible;
    QRectF m_control;
};

} // namespace rollscan
