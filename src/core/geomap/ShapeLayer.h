#pragma once

#include "core/geomap/MapExtent.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <memory>

namespace rollscan {

// One feature of a layer: its rings (outer rings and holes alike, as the file stores them) in map
// units, and its bounding box.
struct MapFeature {
    QList<QList<QPointF>> parts;
    MapExtent bounds;
    // The bounds of the rings that shape the feature: its largest ring and every ring of at least a
    // hundredth of its area, leaving out small outlying islands.
    MapExtent mainBounds;
};

// A shapefile layer held in memory: geometry, attribute table and a spatial index for hit testing.
// Read through shapelib. A missing or unreadable file leaves the layer not valid.
class ShapeLayer {
public:
    ShapeLayer();
    ~ShapeLayer();
    ShapeLayer(const ShapeLayer &) = delete;
    ShapeLayer &operator=(const ShapeLayer &) = delete;

    // Opens `path` (the ".shp"; the ".dbf" beside it is found by shapelib). False when it cannot be
    // read as a polygon or point layer with attributes.
    bool open(const QString &path);
    bool isValid() const { return m_valid; }
    const QString &fileName() const { return m_fileName; }
    // The layer's name: the file name without folder and extension ("cd104", "states").
    QString name() const;
    bool isPolygon() const { return m_polygon; }

    int count() const { return int(m_features.size()); }
    const MapFeature &feature(int index) const { return m_features.at(index); }
    const QList<MapFeature> &features() const { return m_features; }
    // Every ring of every feature. Rings cut off by the date line are kept beside the rest of their
    // feature (longitudes below -180), so the extent of a US layer ends where the Aleutians end.
    MapExtent fullExtent() const { return m_extent; }
    // The union of the features' mainBounds: what frames the country.
    MapExtent mainExtent() const { return m_mainExtent; }

    QStringList fieldNames() const { return m_fieldNames; }
    // The text of field `field` of feature `index`, trimmed; empty for an unknown field.
    QString value(int index, const QString &field) const;
    // The field's value of every feature, in record order.
    QStringList values(const QString &field) const;

    // Features whose polygon holds (x, y) under the even-odd rule, so that holes are outside; the
    // candidates come from the quadtree. For a point layer: points within `tolerance` map units.
    QList<int> search(double x, double y, double tolerance = 0.0) const;

private:
    static void settleFeature(MapFeature &feature);

    struct Handles;
    std::unique_ptr<Handles> m_handles;
    bool m_valid = false;
    bool m_polygon = false;
    QString m_fileName;
    QList<MapFeature> m_features;
    MapExtent m_extent;
    MapExtent m_mainExtent;
    QStringList m_fieldNames;
    QList<QStringList> m_records; // m_records[feature][field]
};

// True when (x, y) lies inside an odd number of the rings.
bool RingsContain(const QList<QList<QPointF>> &rings, double x, double y);

} // namespace rollscan
