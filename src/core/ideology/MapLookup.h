#pragma once

#include "core/ideology/DrawingPass.h"

#include <QString>
#include <optional>

namespace rollscan {

// Radius, in map units, of the circle the find window draws round a legislator.
constexpr double kFindCircleRadius = 0.04;

// The legislator an inquiry click names.
struct InquiryHit {
    int plottedIndex = 0; // index into PlottedList
    MapPoint at;          // where the label goes: the click point
    QString toolTip;      // trimmed name, ", ", trimmed state name
};

// The plotted legislator nearest the click (x, y) in map units, by plain distance, if one lies
// strictly within 1.0. Not-available legislators count only when `notAvailableChecked`; the first
// in file order wins ties. No hit means the map reports IdeologyText::kLegislatorNotFound.
std::optional<InquiryHit> InquireAt(const DrawingPass &pass, double x, double y, bool notAvailableChecked);

// The centre of the find circle for plotted entry `plottedIndex`; nothing for a not-available
// legislator (the find then draws nothing and says nothing) or an index outside the list.
std::optional<MapPoint> FindCircleCentre(const DrawingPass &pass, int plottedIndex);

} // namespace rollscan
