#pragma once

#include "core/geomap/MapExtent.h"
#include "core/geomap/UsMapColouring.h"

#include <QList>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace rollscan {

class MapTransform;
class ShapeLayer;

// What one picture of the US map shows.
struct UsMapPicture {
    QList<FeatureFill> fills; // one per feature; missing entries use the default symbol
    MapExtent view;
    QString labelField;       // empty: no labels
    double labelHeight = 0.0; // map units
    int highlight = -1;       // feature drawn highlighted (the flash of Find), or -1
};

// Paints a shapefile layer in its fills onto any painter: the window, picture files, the printer
// and the command line all draw through this one class.
class UsMapPainter {
public:
    void setLayer(const ShapeLayer *layer);
    const ShapeLayer *layer() const { return m_layer; }
    void paint(QPainter &painter, const QRectF &target, const UsMapPicture &picture) const;

    static QColor defaultColour();
    static QColor backgroundColour();

private:
    // The feature's rings in control pixels, even-odd so that holes stay open.
    QPainterPath controlPath(int feature, const MapTransform &t) const;

    const ShapeLayer *m_layer = nullptr;
    QList<QPointF> m_labelPoints;
};

} // namespace rollscan
