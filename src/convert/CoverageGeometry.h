#pragma once

#include "convert/PlaneShape.h"

#include <QList>
#include <QPoint>

#include <memory>

namespace rollscan {

// The plane geometry the drawn map's files need, done by the geometry library: simplifying a set of
// neighbouring areas so that their shared borders stay shared, areas and unions, and fill seeds.
// Geometry faults of the library are raised as DataError.
class CoverageGeometry {
public:
    CoverageGeometry();
    ~CoverageGeometry();
    CoverageGeometry(const CoverageGeometry &) = delete;
    CoverageGeometry &operator=(const CoverageGeometry &) = delete;

    // Simplifies `shapes`, which should tile the plane without overlaps (a coverage), within
    // `tolerance` (plane units) and rounds every point to whole units. The borders of all shapes are
    // noded together, each border line between two meeting points is simplified once, and the
    // faces are rebuilt from the simplified lines, so two neighbours keep exactly the same border
    // and every ring stays closed. Element i of the result is shape i; a part too small to survive
    // is dropped, so a shape can come back empty. A face covered by overlapping shapes goes to
    // the smallest of them.
    // `unsimplified`, when given, receives the shapes as they were made a coverage, before simplifying.
    QList<PlaneShape> simplifyCoverage(const QList<PlaneShape> &shapes, double tolerance,
                                       QList<PlaneShape> *unsimplified = nullptr);

    // The parts of `a` and `b` merged (their common border dissolved).
    PlaneShape merged(const PlaneShape &a, const PlaneShape &b);

    static double area(const PlanePolygon &polygon);

    // `shape` with its outer rings rounded to whole units, for a shape that the simplification
    // erased: a part whose rounded ring collapses becomes the smallest whole-unit box around it, so
    // even a district narrower than a unit keeps a ring of its own.
    static PlaneShape wholeUnitOutline(const PlaneShape &shape);

    // Lines that a fill can not cross: set once per map before asking for seeds.
    void setBarriers(const QList<QList<QPoint>> &lines);

    struct Seed {
        QPoint point;
        double clearance = 0; // distance from the point to the nearest barrier line
    };
    // A whole-unit point inside `polygon` as far from the barriers as the polygon allows: the
    // better of the polygon's interior point and the centre of its largest inscribed circle (and
    // the whole points around that centre). Without any inside point the clearance is 0.
    Seed seedOf(const PlanePolygon &polygon);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace rollscan
