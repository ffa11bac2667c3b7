#pragma once

#include "core/geomap/DrawnMapFiles.h"

#include <QList>

namespace rollscan {

// A rectangle in drawn-map units; y grows downward, so top < bottom.
struct DrawnRect {
    double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
    bool isEmpty() const { return width() <= 0.0 || height() <= 0.0; }
    bool operator==(const DrawnRect &) const = default;
};

// What the drawn map shows: a zoom factor F and an origin. The view runs from x - 248 F to
// x + 373 F and from y - 240 F to y + 240 F, 621 by 480 F.
struct DrawnMapView {
    static constexpr double kLeft = 248.0, kRight = 373.0, kHalfHeight = 240.0;
    // The factor and origin of the congresses from the 31st on, whose outlines the map files frame.
    static constexpr double kModernFactor = 2.7, kModernX = -450.0, kModernY = 0.0;
    static constexpr int kFirstModernCongress = 31;
    // Zoom out stops once F has reached this.
    static constexpr double kMaxZoomOutFactor = 10.0;

    double F = kModernFactor;
    double x = kModernX;
    double y = kModernY;

    DrawnRect rect() const { return {x - kLeft * F, y - kHalfHeight * F, x + kRight * F, y + kHalfHeight * F}; }
    bool operator==(const DrawnMapView &) const = default;
};

// The mode menus of the drawn map that act on a click.
enum class DrawnClick { None, Centre, LargeZoomIn, SmallZoomIn, LargeZoomOut, SmallZoomOut };

// The view after a click at map point (x, y) in `mode`: centre moves the origin there; zoom in takes
// 1.0 (large) or 0.25 (small) from F, but never down to 0 or below: a step that would leave no view
// keeps F as it is; zoom out adds 1.0 or 0.25 only while F is below 10. Every mode but None moves the
// origin to the click. None returns `view` unchanged.
DrawnMapView ClickView(const DrawnMapView &view, DrawnClick mode, double x, double y);

// The bounding box of the points of every state outline drawn for `congress` and of the district
// outline points; empty when there are none.
DrawnRect OutlineExtent(const StateOutlines &states, int congress, const QList<OutlinePoint> &districts);

// The designed view of a congress: F 2.7 at (-450, 0) from the 31st congress on. Earlier congresses
// come from older surveys whose units the map files do not share, so their view is made to hold
// `extent` (the outlines drawn for that congress, see OutlineExtent) with a small margin, in the
// same 621 : 480 proportions; an empty extent gives the modern view.
DrawnMapView DesignedView(int congress, const DrawnRect &extent);

// Whether a state outline is drawn for a congress: its first year is at most 1788 + 2 x congress.
bool OutlineDrawnIn(const MapIndexRecord &record, int congress);

// Maps the view onto a picture of width x height pixels keeping the map's proportions (the view's
// shorter side gets a margin of background); pixel = map * scale + offset.
struct DrawnTransform {
    double scale = 1.0;
    double offsetX = 0.0, offsetY = 0.0;
    static DrawnTransform Fit(const DrawnMapView &view, int width, int height);
    double toPixelX(double mx) const { return mx * scale + offsetX; }
    double toPixelY(double my) const { return my * scale + offsetY; }
    double toMapX(double px) const { return (px - offsetX) / scale; }
    double toMapY(double py) const { return (py - offsetY) / scale; }
};

} // namespace rollscan
