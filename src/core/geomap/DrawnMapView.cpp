#include "core/geomap/DrawnMapView.h"

#include <algorithm>
#include <limits>

namespace rollscan {

namespace {
constexpr double kLargeStep = 1.0;
constexpr double kSmallStep = 0.25;
// Share of the extent left free around the outlines of an early congress, on each side.
constexpr double kExtentMargin = 0.03;
} // namespace

DrawnMapView ClickView(const DrawnMapView &view, DrawnClick mode, double x, double y)
{
    if (mode == DrawnClick::None)
        return view;
    DrawnMapView next = view;
    next.x = x;
    next.y = y;
    switch (mode) {
    case DrawnClick::LargeZoomIn:
    case DrawnClick::SmallZoomIn: {
        const double step = mode == DrawnClick::LargeZoomIn ? kLargeStep : kSmallStep;
        // F = 0 would be a view of no size at all.
        if (view.F - step > 0.0)
            next.F = view.F - step;
        break;
    }
    case DrawnClick::LargeZoomOut:
    case DrawnClick::SmallZoomOut:
        if (view.F < DrawnMapView::kMaxZoomOutFactor)
            next.F = view.F + (mode == DrawnClick::LargeZoomOut ? kLargeStep : kSmallStep);
        break;
    default:
        break;
    }
    return next;
}

bool OutlineDrawnIn(const MapIndexRecord &record, int congress)
{
    return record.firstYear <= 1788 + 2 * congress;
}

DrawnRect OutlineExtent(const StateOutlines &states, int congress, const QList<OutlinePoint> &districts)
{
    double left = std::numeric_limits<double>::max(), top = left;
    double right = std::numeric_limits<double>::lowest(), bottom = right;
    auto take = [&](double x, double y) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    };
    for (int i = 0; i < states.index.size(); ++i) {
        const MapIndexRecord &r = states.index.at(i);
        if (r.pointCount <= 0 || !OutlineDrawnIn(r, congress))
            continue;
        for (const StatePoint &p : states.outline(i))
            take(p.x, p.y);
    }
    for (const OutlinePoint &p : districts)
        take(p.x, p.y);
    if (left > right)
        return {};
    return {left, top, right, bottom};
}

DrawnMapView DesignedView(int congress, const DrawnRect &extent)
{
    DrawnMapView view;
    if (congress >= DrawnMapView::kFirstModernCongress || extent.width() <= 0.0 || extent.height() <= 0.0)
        return view;
    const double w = extent.width() * (1.0 + 2.0 * kExtentMargin);
    const double h = extent.height() * (1.0 + 2.0 * kExtentMargin);
    view.F = std::max(w / (DrawnMapView::kLeft + DrawnMapView::kRight), h / (2.0 * DrawnMapView::kHalfHeight));
    // The origin sits 248 F from the left edge and halfway down.
    const double centreX = (extent.left + extent.right) / 2.0;
    view.x = centreX - (DrawnMapView::kRight - DrawnMapView::kLeft) / 2.0 * view.F;
    view.y = (extent.top + extent.bottom) / 2.0;
    return view;
}

DrawnTransform DrawnTransform::Fit(const DrawnMapView &view, int width, int height)
{
    const DrawnRect r = view.rect();
    DrawnTransform t;
    if (width <= 0 || height <= 0 || r.isEmpty())
        return t;
    t.scale = std::min(width / r.width(), height / r.height());
    t.offsetX = (width - r.width() * t.scale) / 2.0 - r.left * t.scale;
    t.offsetY = (height - r.height() * t.scale) / 2.0 - r.top * t.scale;
    return t;
}

} // namespace rollscan
