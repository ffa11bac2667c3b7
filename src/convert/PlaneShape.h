#pragma once

#include <QList>
#include <QPointF>

namespace rollscan {

// A polygon on the drawn map's plane: one outer ring and its holes, each ring closed (its last
// point repeats the first).
struct PlanePolygon {
    QList<QPointF> outer;
    QList<QList<QPointF>> holes;
};

// An area made of several separate parts (a district with islands, a state).
using PlaneShape = QList<PlanePolygon>;

} // namespace rollscan
