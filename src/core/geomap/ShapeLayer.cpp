#include "core/geomap/ShapeLayer.h"

#include <QFileInfo>

#include <shapefil.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

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

ShapeLayer::ShapeLayer() = default;
ShapeLayer::~ShapeLayer() = default;

bool ShapeLayer::open(const QString &path)
{
    m_handles = std::make_unique<Handles>();
    m_valid = false;
    m_features.clear();
    m_records.clear();
    m_fieldNames.clear();
    m_fileName = path;

    const QByteArray native = QFile::encodeName(path);
    m_handles->shp = SHPOpen(native.constData(), "rb");
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

    DBFHandle dbf = DBFOpen(native.constData(), "rb");
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
    bool first = true;
    for (int i = 0; i < entities; ++i) {
        SHPObject *obj = SHPReadObject(m_handles->shp, i);
        MapFeature feature;
        if (obj) {
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
            feature.bounds = {obj->dfXMin, obj->dfYMin, obj->dfXMax, obj->dfYMax};
            if (obj->nVertices > 0) {
                if (first) {
                    m_extent = feature.bounds;
                    first = false;
                } else {
                    m_extent.minX = std::min(m_extent.minX, feature.bounds.minX);
                    m_extent.minY = std::min(m_extent.minY, feature.bounds.minY);
                    m_extent.maxX = std::max(m_extent.maxX, feature.bounds.maxX);
                    m_extent.maxY = std::max(m_extent.maxY, feature.bounds.maxY);
                }
            }
            SHPDestroyObject(obj);
        }
        m_features.append(std::move(feature));
        QStringList row;
        row.reserve(fields);
        for (int f = 0; f < fields; ++f)
            row.append(QString::fromLatin1(DBFReadStringAttribute(dbf, i, f)).trimmed());
        m_records.append(std::move(row));
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
    double minBound[4] = {x - tolerance, y - tolerance, 0.0, 0.0};
    double maxBound[4] = {x + tolerance, y + tolerance, 0.0, 0.0};
    int count = 0;
    int *ids = SHPTreeFindLikelyShapes(m_handles->tree, minBound, maxBound, &count);
    for (int k = 0; k < count; ++k) {
        const int id = ids[k];
        if (id < 0 || id >= m_features.size())
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
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace rollscan
