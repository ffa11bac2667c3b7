#pragma once

#include "core/geomap/MapExtent.h"
#include "core/geomap/UsMapColouring.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace rollscan {

class MapTransform;
class ShapeLayer;

// A vote circle over a feature (imported data shown with the votes): `place` of `sideBySide` circles side
// by side at the feature's label point, so that both senators of a state are seen.
struct MapCircle {
    int feature = 0;
    int place = 0;
    int sideBySide = 1;
    QColor colour;
};

// What one picture of the US map shows.
struct UsMapPicture {
    QList<FeatureFill> fills; // one per feature; missing entries use the default symbol
    MapExtent view;
    QString labelField;       // empty: no labels
    double labelHeight = 0.0; // map units
    int highlight = -1;       // feature drawn highlighted (the flash of Find), or -1
    QList<MapCircle> circles;
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
    // The feature's rings in pixels at the transform's scale, before its offset: even-odd so that
    // holes stay open. Kept while the scale stays, so a pan or repaint only translates them.
    const QPainterPath &scaledPath(int feature, const MapTransform &t) const;
    void paintLabels(QPainter &painter, const QRectF &target, const MapTransform &t, const UsMapPicture &picture) const;

    // Labels measured once for a field, pixel size and device pixel ratio, and on a raster device
    // rendered once into small images: a pan or repaint at the same zoom then only copies pixels,
    // where drawing text would shape it again and draw large glyphs as outlines.
    struct LabelLayout {
        QString field;
        int pixelSize = 0;
        qreal pixelRatio = 1.0;
        QFont font;
        double ascent = 0.0;
        double height = 0.0;
        QStringList texts; // one per feature
        QList<double> widths;
        QList<QImage> images; // rendered on first use
    };
    const QImage &labelImage(int feature) const;

    const ShapeLayer *m_layer = nullptr;
    QList<QPointF> m_labelPoints;
    // Features in the order their labels claim room: the largest first.
    QList<int> m_labelOrder;
    mutable LabelLayout m_labels;
    struct PathCache {
        double scaleX = 0.0, scaleY = 0.0;
        QList<QPainterPath> paths;
        QList<bool> built;
    };
    mutable PathCache m_paths;
};

} // namespace rollscan
