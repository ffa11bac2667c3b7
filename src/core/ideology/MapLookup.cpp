#include "core/ideology/MapLookup.h"

#include <cmath>

namespace rollscan {

namespace {
constexpr double kInquiryReach = 1.0;
}

std::optional<InquiryHit> InquireAt(const DrawingPass &pass, double x, double y, bool notAvailableChecked)
{
    double best = kInquiryReach;
    int bestIndex = -1;
    for (int i = 0; i < pass.PlottedList.size(); ++i) {
        const PlottedEntry &e = pass.PlottedList.at(i);
        if (e.voteClass == VoteClass::NotAvailable && !notAvailableChecked)
            continue;
        const double d = std::hypot(e.point.x - x, e.point.y - y);
        if (d < best) {
            best = d;
            bestIndex = i;
        }
    }
    if (bestIndex < 0)
        return std::nullopt;
    const PlottedEntry &e = pass.PlottedList.at(bestIndex);
    return InquiryHit{bestIndex, MapPoint{x, y}, e.name + QStringLiteral(", ") + e.stateName};
}

std::optional<MapPoint> FindCircleCentre(const DrawingPass &pass, int plottedIndex)
{
    if (plottedIndex < 0 || plottedIndex >= pass.PlottedList.size())
        return std::nullopt;
    const PlottedEntry &e = pass.PlottedList.at(plottedIndex);
    if (e.voteClass == VoteClass::NotAvailable)
        return std::nullopt;
    return e.point;
}

} // namespace rollscan
