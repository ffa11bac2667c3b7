#include "core/geomap/ShapeLayer.h"

#include <QFileInfo>

#include <shapefil.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>

namespace rollscan {

struct ShapeLayer::Handles {
    SHPHandle shp = nullptr;
    SHPTree *tree = nullptr;
    ~Handles()
    {
        if (tree)
            SHPDestroyTree(tree);
        if (shp)
            SHPClose(shp);
    }
};

namespace {
// The library's own hooks print their complaints to stderr, where they reach the user without the
// file's name; the caller reports a layer that does not open, naming it.
void Quiet(const char *) {}

SAHooks QuietHooks()
{
    SAHooks hooks;
    SASetupDefaultHooks(&hooks);
    hooks.Error = Quiet;
    return hooks;
}

// The rings of shape `i`; none for a null shape.
MapFeature readShape(SHPHandle shp, int i)
{
    MapFeature feature;
    SHPObject *obj = SHPReadObject(shp, i);
    if (!obj)
        return feature;
    for (int p = 0; p < std::max(obj->nParts, 1); ++p) {
        const int start = obj->nParts > 0 ? obj->panPartStart[p] : 0;
        const int end = (obj->nParts > 0 && p + 1 < obj->nParts) ? obj->panPartStart[p + 1] : obj->nVertices;
        QList<QPointF> ring;
        ring.reserve(end - start);
        for (int v = start; v < end; ++v)
            ring.append(QPointF(obj->padfX[v], obj->padfY[v]));
        if (!ring.isEmpty())
            feature.parts.append(std::move(ring));
    }
    SHPDestroyObject(obj);
    return feature;
}

// The attribute values of record `i`. A record the table cannot give (a file cut short) would leave
// the feature without a name and colour it as if it were another: nothing then, the layer is damaged.
std::optional<QStringList> readRecord(DBFHandle dbf, int i, int fields)
{
    QStringList row;
    row.reserve(fields);
    for (int f = 0; f < fields; ++f) {
        const char *text = DBFReadStringAttribute(dbf, i, f);
        if (!text)
            return std::nullopt;
        row.append(QString::fromLatin1(text).trimmed());
    }
    return row;
}

MapExtent united(const MapExtent &a, const MapExtent &b)
{
    return {std::min(a.minX, b.minX), std::min(a.minY, b.minY), std::max(a.maxX, b.maxX), std::max(a.maxY, b.maxY)};
}

MapExtent boundsOf(const QList<QPointF> &ring)
{
    MapExtent e{ring.first().x(), ring.first().y(), ring.first().x(), ring.first().y()};
    for (const QPointF &p : ring)
        e = united(e, {p.x(), p.y(), p.x(), p.y()});
    return e;
}

double areaOf(const QList<QPointF> &ring)
{
    double twice = 0.0;
    for (qsizetype i = 0, j = ring.size() - 1; i < ring.size(); j = i++)
        twice += ring[j].x() * ring[i].y() - ring[i].x() * ring[j].y();
    return std::abs(twice) / 2.0;
}

// Islands smaller than this share of their feature's largest ring do not widen the frame of the
// country: the Aleutians would otherwise push the lower 48 into a corner.
constexpr double kMainRingShare = 0.01;
} // namespace

void ShapeLayer::settleFeature(MapFeature &feature)
{
    if (feature.parts.isEmpty())
        return;
    QList<MapExtent> bounds;
    QList<double> areas;
    qsizetype largest = 0;
    for (qsizetype r = 0; r < feature.parts.size(); ++r) {
        bounds.append(boundsOf(feature.parts.at(r)));
        areas.append(areaOf(feature.parts.at(r)));
        if (areas.last() > areas.at(largest))
            largest = r;
    }
    // A ring more than half the globe away from the feature's largest ring was cut off by the date
    // line (the western Aleutians): bring it beside the rest of its feature.
    const double centre = (bounds.at(largest).minX + bounds.at(largest).maxX) / 2.0;
    for (qsizetype r = 0; r < feature.parts.size(); ++r) {
        const double ringCentre = (bounds.at(r).minX + bounds.at(r).maxX) / 2.0;
        const double shift = ringCentre - centre > 180.0 ? -360.0 : (centre - ringCentre > 180.0 ? 360.0 : 0.0);
        if (shift == 0.0)
            continue;
        for (QPointF &p : feature.parts[r])
            p.rx() += shift;
        bounds[r].minX += shift;
        bounds[r].maxX += shift;
    }
    feature.bounds = bounds.first();
    feature.mainBounds = bounds.at(largest);
    for (qsizetype r = 0; r < feature.parts.size(); ++r) {
        feature.bounds = united(feature.bounds, bounds.at(r));
        if (areas.at(r) >= kMainRingShare * areas.at(largest))
            feature.mainBounds = united(feature.mainBounds, bounds.at(r));
    }
}

ShapeLayer::ShapeLayer() = default;
ShapeLayer::~ShapeLayer() = default;

bool ShapeLayer::open(const QString &path)
{
    m_handles = std::make_unique<Handles>();
    m_valid = false;
    m_features.clear();
    m_records.clear();
    m_fieldNames.clear();
    m_extent = {};
    m_mainExtent = {};
    m_fileName = path;

    const QByteArray native = QFile::encodeName(path);
    SAHooks hooks = QuietHooks();
    m_handles->shp = SHPOpenLL(native.constData(), "rb", &hooks);
    if (!m_handles->shp)
        return false;
    int entities = 0, type = 0;
    double minBound[4] = {}, maxBound[4] = {};
    SHPGetInfo(m_handles->shp, &entities, &type, minBound, maxBound);
    switch (type) {
    case SHPT_POLYGON:
    case SHPT_POLYGONZ:
    case SHPT_POLYGONM:
        m_polygon = true;
        break;
    case SHPT_POINT:
    case SHPT_POINTZ:
    case SHPT_POINTM:
    case SHPT_MULTIPOINT:
        m_polygon = false;
        break;
    default:
        return false;
    }

    DBFHandle dbf = DBFOpenLL(native.constData(), "rb", &hooks);
    if (!dbf)
        return false;
    const int fields = DBFGetFieldCount(dbf);
    for (int f = 0; f < fields; ++f) {
        char name[XBASE_FLDNAME_LEN_READ + 1] = {};
        DBFGetFieldInfo(dbf, f, name, nullptr, nullptr);
        m_fieldNames.append(QString::fromLatin1(name));
    }
    const int records = DBFGetRecordCount(dbf);
    if (records != entities) {
        DBFClose(dbf);
        return false;
    }

    m_features.reserve(entities);
    m_records.reserve(entities);
    for (int i = 0; i < entities; ++i) {
        MapFeature feature = readShape(m_handles->shp, i);
        settleFeature(feature);
        m_features.append(std::move(feature));
        std::optional<QStringList> row = readRecord(dbf, i, fields);
        if (!row) {
            DBFClose(dbf);
            m_features.clear();
            m_records.clear();
            return false;
        }
        m_records.append(std::move(*row));
    }
    bool first = true;
    for (const MapFeature &f : std::as_const(m_features)) {
        if (f.parts.isEmpty())
            continue;
        m_extent = first ? f.bounds : united(m_extent, f.bounds);
        m_mainExtent = first ? f.mainBounds : united(m_mainExtent, f.mainBounds);
        first = false;
    }
    DBFClose(dbf);

    m_handles->tree = SHPCreateTree(m_handles->shp, 2, 0, nullptr, nullptr);
    m_valid = m_handles->tree != nullptr;
    return m_valid;
}

QString ShapeLayer::name() const
{
    return QFileInfo(m_fileName).completeBaseName();
}

QString ShapeLayer::value(int index, const QString &field) const
{
    const int f = int(m_fieldNames.indexOf(field, 0));
    if (f < 0 || index < 0 || index >= m_records.size())
        return {};
    return m_records.at(index).at(f);
}

QStringList ShapeLayer::values(const QString &field) const
{
    QStringList out;
    out.reserve(m_records.size());
    for (int i = 0; i < m_records.size(); ++i)
        out.append(value(i, field));
    return out;
}

bool RingsContain(const QList<QList<QPointF>> &rings, double x, double y)
{
    bool inside = false;
    for (const QList<QPointF> &ring : rings) {
        const qsizetype n = ring.size();
        for (qsizetype i = 0, j = n - 1; i < n; j = i++) {
            const QPointF &a = ring[i];
            const QPointF &b = ring[j];
            if ((a.y() > y) != (b.y() > y) && x < (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()) + a.x())
                inside = !inside;
        }
    }
    return inside;
}

QList<int> ShapeLayer::search(double x, double y, double tolerance) const
{
    QList<int> found;
    if (!m_valid)
        return found;
    // The index holds the file's own longitudes, where a ring moved across the date line still sits
    // on the other side of the globe.
    QList<double> probes{x};
    if (x < -180.0)
        probes.append(x + 360.0);
    else if (x > 180.0)
        probes.append(x - 360.0);
    for (const double px : probes) {
        double minBound[4] = {px - tolerance, y - tolerance, 0.0, 0.0};
        double maxBound[4] = {px + tolerance, y + tolerance, 0.0, 0.0};
        int count = 0;
        int *ids = SHPTreeFindLikelyShapes(m_handles->tree, minBound, maxBound, &count);
        for (int k = 0; k < count; ++k) {
            const int id = ids[k];
            if (id < 0 || id >= m_features.size() || found.contains(id))
                continue;
            const MapFeature &f = m_features.at(id);
            if (m_polygon) {
                if (f.bounds.contains(x, y) && RingsContain(f.parts, x, y))
                    found.append(id);
            } else {
                for (const QList<QPointF> &ring : f.parts)
                    for (const QPointF &p : ring)
                        if (std::hypot(p.x() - x, p.y() - y) <= tolerance && !found.contains(id))
                            found.append(id);
            }
        }
        free(ids);
    }
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace rollscan
