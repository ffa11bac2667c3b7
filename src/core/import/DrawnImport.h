#pragma once

#include "core/data/Preferences.h"
#include "core/geomap/DrawnFillPlan.h"

#include <QList>

namespace rollscan {

struct DrawnMapPass;
struct QuantData;
struct QuantKey;

// The fill of imported data on the drawn map, in place of the votes: every placed member with seeds
// and a value, in file order, in the colour of his value's class; then every state elected at large
// whose at-large members have values, from the seed its ".ctr" row keeps, in the class colour of
// their mean. A member without a value is not filled, so his district keeps the background. Members
// and states the filter leaves out are not filled.
DrawnFillPlan ImportFillPlan(const DrawnMapPass &pass, const QuantData &data, const QuantKey &key,
                             const DrawnStateFilter &filter);

// A vote circle of the drawn map: centred on a member's first seed (a member elected at large on his
// state's seed), white for Yea, black for Nay, the N/A colour otherwise.
struct DrawnVoteCircle {
    DrawnSeed at;
    Rgb colour;
    bool operator==(const DrawnVoteCircle &) const = default;
};

// Radius of a vote circle in drawn-map units.
constexpr int kDrawnCircleRadius = 15;

// The circles of the members with a value whom the filter allows.
QList<DrawnVoteCircle> DrawnVoteCircles(const DrawnMapPass &pass, const QuantData &data, const Preferences &prefs,
                                        const DrawnStateFilter &filter);

// The value of the member nearest to (x, y) as the drawn map's tip shows it ("Value: 1290"); empty
// when no member is within 500 units or he has no value.
QString DrawnValueTip(const DrawnMapPass &pass, const QuantData &data, double x, double y);

} // namespace rollscan
