#include "convert/CoverageGeometry.h"

#include "core/data/FileError.h"

#include <geos_c.h>

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace rollscan {

namespace {
// Borders are noded on a grid of a hundredth of a unit (about 30 m on the map of the states).
constexpr double kNodingGrid = 0.01;
// A face that no shape holds is a gap between two tracings of one border when it is thinner than
// this (area over perimeter, about half its width) and lies this close to a shape; lakes and seas
// are wider and stay out.
constexpr double kGapWidth = 0.25;
constexpr double kGapReach = 1.0;
// Whole points tried in a part whose inner point and inscribed centre both lie near a line.
constexpr double kMaxScannedPoints = 40000;

void keepMessage(const char *message, void *userdata)
{
    *static_cast<QByteArray *>(userdata) = QByteArray(message);
}
} // namespace

struct CoverageGeometry::Private {
    GEOSContextHandle_t h = nullptr;
    QByteArray lastError;
    GEOSGeometry *barriers = nullptr;
    const GEOSPreparedGeometry *preparedBarriers = nullptr;

    // Owns a geometry for the length of a scope.
    struct Owned {
        Private *p;
        GEOSGeometry *g;
        Owned(Private *owner, GEOSGeometry *geometry) : p(owner), g(geometry) {}
        ~Owned()
        {
            if (g)
                GEOSGeom_destroy_r(p->h, g);
        }
        Owned(const Owned &) = delete;
        Owned &operator=(const Owned &) = delete;
        GEOSGeometry *release() { return std::exchange(g, nullptr); }
    };

    GEOSGeometry *check(GEOSGeometry *g, const char *what)
    {
        if (!g)
            throw DataError(
                QStringLiteral("geometry: %1 failed: %2").arg(QLatin1String(what), QString::fromUtf8(lastError)));
        return g;
    }

    GEOSGeometry *ring(const QList<QPointF> &points, bool closed)
    {
        QList<QPointF> pts = points;
        if (closed && !pts.isEmpty() && pts.first() != pts.last())
            pts.append(pts.first());
        GEOSCoordSequence *seq = GEOSCoordSeq_create_r(h, unsigned(pts.size()), 2);
        for (qsizetype i = 0; i < pts.size(); ++i)
            GEOSCoordSeq_setXY_r(h, seq, unsigned(i), pts.at(i).x(), pts.at(i).y());
        return check(closed ? GEOSGeom_createLinearRing_r(h, seq) : GEOSGeom_createLineString_r(h, seq), "a ring");
    }

    GEOSGeometry *polygon(const PlanePolygon &p)
    {
        GEOSGeometry *shell = ring(p.outer, true);
        std::vector<GEOSGeometry *> holes;
        for (const QList<QPointF> &hole : p.holes)
            if (hole.size() >= 4)
                holes.push_back(ring(hole, true));
        return check(GEOSGeom_createPolygon_r(h, shell, holes.data(), unsigned(holes.size())), "a polygon");
    }

    // A valid multipolygon of the parts of `shape` with at least a triangle each.
    GEOSGeometry *shape(const PlaneShape &s)
    {
        std::vector<GEOSGeometry *> parts;
        for (const PlanePolygon &p : s)
            if (p.outer.size() >= 4)
                parts.push_back(polygon(p));
        Owned multi(this, check(GEOSGeom_createCollection_r(h, GEOS_MULTIPOLYGON, parts.data(), unsigned(parts.size())),
                                "a shape"));
        if (GEOSisValid_r(h, multi.g) == 1)
            return multi.release();
        // Repair can leave lines and points beside the polygons; only the polygons are an area.
        Owned valid(this, check(GEOSMakeValid_r(h, multi.g), "repairing a shape"));
        if (GEOSGeomTypeId_r(h, valid.g) != GEOS_GEOMETRYCOLLECTION)
            return valid.release();
        PlaneShape polygons;
        collectPolygons(valid.g, polygons);
        std::vector<GEOSGeometry *> kept;
        for (const PlanePolygon &p : polygons)
            kept.push_back(polygon(p));
        return check(GEOSGeom_createCollection_r(h, GEOS_MULTIPOLYGON, kept.data(), unsigned(kept.size())), "a shape");
    }

    QList<QPointF> points(const GEOSGeometry *line)
    {
        QList<QPointF> out;
        const GEOSCoordSequence *seq = GEOSGeom_getCoordSeq_r(h, line);
        unsigned n = 0;
        GEOSCoordSeq_getSize_r(h, seq, &n);
        out.reserve(n);
        for (unsigned i = 0; i < n; ++i) {
            double x = 0, y = 0;
            GEOSCoordSeq_getXY_r(h, seq, i, &x, &y);
            out.append(QPointF(x, y));
        }
        return out;
    }

    // Every polygon of `g` (a polygon, multipolygon or collection) appended to `out`.
    void collectPolygons(const GEOSGeometry *g, PlaneShape &out)
    {
        const int type = GEOSGeomTypeId_r(h, g);
        if (type == GEOS_POLYGON) {
            if (GEOSisEmpty_r(h, g) == 1)
                return;
            PlanePolygon p;
            p.outer = points(GEOSGetExteriorRing_r(h, g));
            const int holes = GEOSGetNumInteriorRings_r(h, g);
            for (int i = 0; i < holes; ++i)
                p.holes.append(points(GEOSGetInteriorRingN_r(h, g, i)));
            out.append(p);
        } else if (type == GEOS_MULTIPOLYGON || type == GEOS_GEOMETRYCOLLECTION) {
            const int n = GEOSGetNumGeometries_r(h, g);
            for (int i = 0; i < n; ++i)
                collectPolygons(GEOSGetGeometryN_r(h, g, i), out);
        }
    }

    // The faces between the borders of `shapes`. With `grid` > 0 the borders are noded by snap
    // rounding to that grid; with `tolerance` > 0 each border line between meeting points is
    // simplified by it and rounded to whole units first.
    GEOSGeometry *faces(const std::vector<std::unique_ptr<Owned>> &shapes, double grid, double tolerance = 0)
    {
        std::vector<GEOSGeometry *> borders;
        for (const auto &s : shapes)
            if (GEOSisEmpty_r(h, s->g) != 1)
                borders.push_back(check(GEOSBoundary_r(h, s->g), "a border"));
        Owned all(this, check(GEOSGeom_createCollection_r(h, GEOS_GEOMETRYCOLLECTION, borders.data(),
                                                          unsigned(borders.size())),
                              "the borders"));
        Owned noded(this, check(grid > 0 ? GEOSUnaryUnionPrec_r(h, all.g, grid) : GEOSUnaryUnion_r(h, all.g),
                                "noding the borders"));
        Owned lines(this, nullptr);
        if (tolerance > 0) {
            Owned merged(this, check(GEOSLineMerge_r(h, noded.g), "merging the borders"));
            Owned simple(this, check(GEOSTopologyPreserveSimplify_r(h, merged.g, tolerance), "simplifying"));
            // Rounding can make two lines cross: they are noded once more.
            Owned whole(this, check(GEOSGeom_setPrecision_r(h, simple.g, 1.0, 0), "rounding"));
            lines.g = check(GEOSUnaryUnion_r(h, whole.g), "noding the rounded borders");
        }
        const GEOSGeometry *input[] = {lines.g ? lines.g : noded.g};
        return check(GEOSPolygonize_r(h, input, 1), "rebuilding the areas");
    }

    // For each face of `faces` the index of the shape that holds its inner point, or -1; where shapes
    // overlap, the smallest (a small district inside a larger shape drawn over it keeps its area). A
    // thin face that no shape holds goes to the nearest shape.
    std::vector<int> owners(const GEOSGeometry *faces, const std::vector<std::unique_ptr<Owned>> &shapes)
    {
        struct Box {
            double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        };
        std::vector<const GEOSPreparedGeometry *> prepared;
        std::vector<Box> boxes;
        std::vector<double> areas;
        for (const auto &s : shapes) {
            prepared.push_back(GEOSPrepare_r(h, s->g));
            Box b;
            if (GEOSisEmpty_r(h, s->g) != 1) {
                GEOSGeom_getXMin_r(h, s->g, &b.x0);
                GEOSGeom_getYMin_r(h, s->g, &b.y0);
                GEOSGeom_getXMax_r(h, s->g, &b.x1);
                GEOSGeom_getYMax_r(h, s->g, &b.y1);
            } else {
                b = {1, 1, 0, 0};
            }
            boxes.push_back(b);
            double area = 0;
            GEOSArea_r(h, s->g, &area);
            areas.push_back(area);
        }
        const int n = GEOSGetNumGeometries_r(h, faces);
        std::vector<int> owner(size_t(n), -1);
        for (int i = 0; i < n; ++i) {
            const GEOSGeometry *face = GEOSGetGeometryN_r(h, faces, i);
            Owned inside(this, GEOSPointOnSurface_r(h, face));
            if (!inside.g || GEOSisEmpty_r(h, inside.g) == 1)
                continue;
            double x = 0, y = 0;
            GEOSGeomGetX_r(h, inside.g, &x);
            GEOSGeomGetY_r(h, inside.g, &y);
            for (size_t k = 0; k < prepared.size(); ++k) {
                const Box &b = boxes[k];
                if (x >= b.x0 && x <= b.x1 && y >= b.y0 && y <= b.y1 &&
                    (owner[size_t(i)] < 0 || areas[k] < areas[size_t(owner[size_t(i)])]) &&
                    GEOSPreparedContains_r(h, prepared[k], inside.g) == 1)
                    owner[size_t(i)] = int(k);
            }
            if (owner[size_t(i)] >= 0)
                continue;
            double area = 0, length = 0;
            GEOSArea_r(h, face, &area);
            GEOSLength_r(h, face, &length);
            if (length <= 0 || area / length > kGapWidth)
                continue;
            double nearest = kGapReach;
            for (size_t k = 0; k < prepared.size(); ++k) {
                const Box &b = boxes[k];
                if (x < b.x0 - nearest || x > b.x1 + nearest || y < b.y0 - nearest || y > b.y1 + nearest)
                    continue;
                double distance = 0;
                if (GEOSPreparedDistance_r(h, prepared[k], inside.g, &distance) == 1 && distance < nearest) {
                    nearest = distance;
                    owner[size_t(i)] = int(k);
                }
            }
        }
        for (const GEOSPreparedGeometry *p : prepared)
            GEOSPreparedGeom_destroy_r(h, p);
        return owner;
    }

    // For each face of `faces` rebuilt from simplified borders, the index of the shape of the
    // coverage `shapes` that covers most of it, or -1 when shapes cover less than half of it (a lake
    // or the sea). A simplified face no longer lies inside its shape: a single inner point of it
    // can fall in the sliver that the simplification took from a neighbour, and the face would be
    // handed to the neighbour.
    std::vector<int> largestOverlaps(const GEOSGeometry *faces, const std::vector<std::unique_ptr<Owned>> &shapes)
    {
        std::vector<const GEOSPreparedGeometry *> prepared;
        for (const auto &s : shapes)
            prepared.push_back(GEOSPrepare_r(h, s->g));
        const int n = GEOSGetNumGeometries_r(h, faces);
        std::vector<int> owner(size_t(n), -1);
        for (int i = 0; i < n; ++i) {
            const GEOSGeometry *face = GEOSGetGeometryN_r(h, faces, i);
            double faceArea = 0, covered = 0, best = 0;
            GEOSArea_r(h, face, &faceArea);
            for (size_t k = 0; k < shapes.size(); ++k) {
                if (GEOSPreparedIntersects_r(h, prepared[k], face) != 1)
                    continue;
                Owned common(this, check(GEOSIntersection_r(h, face, shapes[k]->g), "overlapping a face"));
                double area = 0;
                GEOSArea_r(h, common.g, &area);
                covered += area;
                if (area > best) {
                    best = area;
                    owner[size_t(i)] = int(k);
                }
            }
            if (covered < faceArea / 2)
                owner[size_t(i)] = -1;
        }
        for (const GEOSPreparedGeometry *p : prepared)
            GEOSPreparedGeom_destroy_r(h, p);
        return owner;
    }

    void dropBarriers()
    {
        if (preparedBarriers)
            GEOSPreparedGeom_destroy_r(h, preparedBarriers);
        if (barriers)
            GEOSGeom_destroy_r(h, barriers);
        preparedBarriers = nullptr;
        barriers = nullptr;
    }
};

namespace {
QList<QPointF> rounded(const QList<QPointF> &ring)
{
    QList<QPointF> out;
    out.reserve(ring.size());
    for (const QPointF &p : ring) {
        const QPointF r(std::round(p.x()), std::round(p.y()));
        if (out.isEmpty() || out.last() != r)
            out.append(r);
    }
    return out;
}

double ringArea(const QList<QPointF> &ring)
{
    double twice = 0;
    for (qsizetype i = 1; i < ring.size(); ++i)
        twice += ring.at(i - 1).x() * ring.at(i).y() - ring.at(i).x() * ring.at(i - 1).y();
    return std::abs(twice) / 2;
}
} // namespace

CoverageGeometry::CoverageGeometry() : d(std::make_unique<Private>())
{
    d->h = GEOS_init_r();
    GEOSContext_setErrorMessageHandler_r(d->h, keepMessage, &d->lastError);
}

CoverageGeometry::~CoverageGeometry()
{
    d->dropBarriers();
    GEOS_finish_r(d->h);
}

double CoverageGeometry::area(const PlanePolygon &polygon)
{
    double a = ringArea(polygon.outer);
    for (const QList<QPointF> &hole : polygon.holes)
        a -= ringArea(hole);
    return a;
}

QList<PlaneShape> CoverageGeometry::simplifyCoverage(const QList<PlaneShape> &shapes, double tolerance,
                                                     QList<PlaneShape> *unsimplified)
{
    using Owned = Private::Owned;
    GEOSContextHandle_t h = d->h;
    std::vector<std::unique_ptr<Owned>> source;
    for (const PlaneShape &s : shapes)
        source.push_back(std::make_unique<Owned>(d.get(), d->shape(s)));

    // Public district shapes are drawn one by one: two neighbours trace their common border with
    // different points, so the raw borders cross each other all along it. They are first made a true
    // coverage: the faces between all raw borders are handed to the shape that holds them, thin gaps
    // that no shape holds to the nearest shape, and each shape becomes the union of its faces.
    std::vector<std::unique_ptr<Owned>> clean;
    {
        Owned faces(d.get(), d->faces(source, kNodingGrid));
        const std::vector<int> owner = d->owners(faces.g, source);
        std::vector<std::vector<GEOSGeometry *>> parts(source.size());
        const int n = GEOSGetNumGeometries_r(h, faces.g);
        for (int i = 0; i < n; ++i)
            if (owner[size_t(i)] >= 0)
                parts[size_t(owner[size_t(i)])].push_back(GEOSGeom_clone_r(h, GEOSGetGeometryN_r(h, faces.g, i)));
        for (std::vector<GEOSGeometry *> &p : parts) {
            Owned collection(
                d.get(), d->check(GEOSGeom_createCollection_r(h, GEOS_GEOMETRYCOLLECTION, p.data(), unsigned(p.size())),
                                  "a shape's faces"));
            clean.push_back(
                std::make_unique<Owned>(d.get(), d->check(GEOSUnaryUnion_r(h, collection.g), "joining faces")));
        }
    }

    // Now each shared stretch of border is one line between the points where three shapes meet: it is
    // simplified once for both sides, rounded to whole units, and the faces are rebuilt from it, so
    // neighbours keep exactly the same border and every ring stays closed.
    Owned faces(d.get(), d->faces(clean, 0, tolerance));
    const std::vector<int> owner = d->largestOverlaps(faces.g, clean);
    if (unsimplified) {
        unsimplified->clear();
        for (const auto &c : clean) {
            PlaneShape parts;
            d->collectPolygons(c->g, parts);
            unsimplified->append(parts);
        }
    }
    QList<PlaneShape> out(shapes.size());
    const int n = GEOSGetNumGeometries_r(h, faces.g);
    for (int i = 0; i < n; ++i) {
        if (owner[size_t(i)] < 0)
            continue;
        PlaneShape parts;
        d->collectPolygons(GEOSGetGeometryN_r(h, faces.g, i), parts);
        for (PlanePolygon &p : parts) {
            p.outer = rounded(p.outer);
            for (QList<QPointF> &hole : p.holes)
                hole = rounded(hole);
            if (p.outer.size() >= 4)
                out[qsizetype(owner[size_t(i)])].append(p);
        }
    }
    return out;
}

PlaneShape CoverageGeometry::merged(const PlaneShape &a, const PlaneShape &b)
{
    using Owned = Private::Owned;
    Owned ga(d.get(), d->shape(a));
    Owned gb(d.get(), d->shape(b));
    Owned u(d.get(), d->check(GEOSUnion_r(d->h, ga.g, gb.g), "merging two areas"));
    PlaneShape out;
    d->collectPolygons(u.g, out);
    return out;
}

PlaneShape CoverageGeometry::wholeUnitOutline(const PlaneShape &shape)
{
    PlaneShape out;
    for (const PlanePolygon &part : shape) {
        if (part.outer.isEmpty())
            continue;
        PlanePolygon p{rounded(part.outer), {}};
        if (p.outer.size() < 4 || ringArea(p.outer) <= 0) {
            double x0 = part.outer.first().x(), x1 = x0, y0 = part.outer.first().y(), y1 = y0;
            for (const QPointF &q : part.outer) {
                x0 = std::min(x0, q.x());
                x1 = std::max(x1, q.x());
                y0 = std::min(y0, q.y());
                y1 = std::max(y1, q.y());
            }
            const double left = std::floor(x0), top = std::floor(y0);
            const double right = std::max(std::ceil(x1), left + 1), bottom = std::max(std::ceil(y1), top + 1);
            p.outer = {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
        }
        out.append(p);
    }
    return out;
}

void CoverageGeometry::setBarriers(const QList<QList<QPoint>> &lines)
{
    d->dropBarriers();
    std::vector<GEOSGeometry *> parts;
    for (const QList<QPoint> &line : lines) {
        if (line.size() < 2)
            continue;
        QList<QPointF> pts;
        for (const QPoint &p : line)
            pts.append(QPointF(p));
        parts.push_back(d->ring(pts, false));
    }
    d->barriers = d->check(
        GEOSGeom_createCollection_r(d->h, GEOS_MULTILINESTRING, parts.data(), unsigned(parts.size())), "the lines");
    d->preparedBarriers = GEOSPrepare_r(d->h, d->barriers);
}

CoverageGeometry::Seed CoverageGeometry::seedOf(const PlanePolygon &polygon)
{
    using Owned = Private::Owned;
    GEOSContextHandle_t h = d->h;
    Seed best;
    if (polygon.outer.size() < 4)
        return best;
    Owned g(d.get(), d->polygon(polygon));
    const GEOSPreparedGeometry *area = GEOSPrepare_r(h, g.g);
    auto tryPoint = [&](double x, double y) {
        const QPoint p(int(std::lround(x)), int(std::lround(y)));
        Owned pt(d.get(), GEOSGeom_createPointFromXY_r(h, p.x(), p.y()));
        if (GEOSPreparedContains_r(h, area, pt.g) != 1)
            return;
        double clearance = 0;
        if (d->preparedBarriers) {
            if (GEOSPreparedDistance_r(h, d->preparedBarriers, pt.g, &clearance) != 1)
                return;
        } else {
            Owned border(d.get(), GEOSBoundary_r(h, g.g));
            GEOSDistance_r(h, border.g, pt.g, &clearance);
        }
        if (clearance > best.clearance) {
            best.point = p;
            best.clearance = clearance;
        }
    };
    Owned surface(d.get(), GEOSPointOnSurface_r(h, g.g));
    if (surface.g) {
        double x = 0, y = 0;
        GEOSGeomGetX_r(h, surface.g, &x);
        GEOSGeomGetY_r(h, surface.g, &y);
        tryPoint(x, y);
    }
    Owned circle(d.get(), GEOSMaximumInscribedCircle_r(h, g.g, 0.25));
    if (circle.g) {
        Owned centre(d.get(), GEOSGeomGetStartPoint_r(h, circle.g));
        double x = 0, y = 0;
        GEOSGeomGetX_r(h, centre.g, &x);
        GEOSGeomGetY_r(h, centre.g, &y);
        // The centre's nearest whole point can fall outside a narrow part; one of its neighbours
        // then usually lies inside.
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                tryPoint(std::round(x) + dx, std::round(y) + dy);
        tryPoint(x, y);
    }
    // A narrow district: every whole point of its box is tried, so that the seed lands on the pixel
    // farthest from any line the district has.
    if (best.clearance < 1.5) {
        double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        GEOSGeom_getXMin_r(h, g.g, &x0);
        GEOSGeom_getYMin_r(h, g.g, &y0);
        GEOSGeom_getXMax_r(h, g.g, &x1);
        GEOSGeom_getYMax_r(h, g.g, &y1);
        if ((x1 - x0 + 1) * (y1 - y0 + 1) <= kMaxScannedPoints)
            for (double y = std::ceil(y0); y <= y1; ++y)
                for (double x = std::ceil(x0); x <= x1; ++x)
                    tryPoint(x, y);
    }
    GEOSPreparedGeom_destroy_r(h, area);
    return best;
}

} // namespace rollscan
