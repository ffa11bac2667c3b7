#pragma once

#include "core/geomap/DrawnMapView.h"
#include "core/import/DrawnImport.h"

#include <QImage>
#include <QList>

namespace rollscan {

// Draws the vote circles of imported data over a drawn-map picture made for `view`: each circle
// kDrawnCircleRadius map units round its seed, outlined in black, so it grows and shrinks with the
// map's zoom as the districts do.
void PaintDrawnCircles(QImage &picture, const DrawnMapView &view, const QList<DrawnVoteCircle> &circles);

} // namespace rollscan
