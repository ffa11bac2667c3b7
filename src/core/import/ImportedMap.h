#pragma once

#include "core/data/Preferences.h"
#include "core/geomap/UsMapColouring.h"
#include "core/ideology/VoteClass.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace rollscan {

struct QuantData;
struct QuantKey;

// The row (0-based) of `data` that gives a member his value, or -1. House rows match the state and
// district; Senate rows match the state and a member number equal to the senator's first
// identification number, or 0 for every senator of the state. The first matching row wins.
int ImportRowFor(const QuantData &data, bool isHouse, int state, int district, qint32 id1);

// The value of each vote-table member of `pass` (in table order), unset for a member the data set
// does not cover (all of them when the data set is of the other chamber).
QList<std::optional<double>> MemberValues(const UsMapPass &pass, const QuantData &data);

// The imported values on a shapefile layer whose key field values are `keys` (record order). A
// feature shows the class colour of its members' value (the mean of their values when it has more
// than one, classed again); a feature without a value keeps the default colour; the state filter
// and the District of Columbia are treated as for votes. membersByKey and the member counts are
// those of ColourUsMap.
UsMapColouring ColourImported(const UsMapPass &pass, const QStringList &keys, const QuantData &data,
                              const QuantKey &key, const Preferences &prefs, const StateFilter &filter = {});

// The circle drawn over a member's area when the votes are shown with the data: white for Yea,
// black for Nay, the N/A colour otherwise. A cross-tabulated class counts by its first vote.
Rgb VoteCircleColour(VoteClass cls, const Preferences &prefs);

// A vote circle over feature `feature` (index in the colouring's fills): the member's circle is
// `place` of `sideBySide` side by side, so both senators of a state are seen.
struct VoteCircle {
    int feature = 0;
    int place = 0;
    int sideBySide = 1;
    Rgb colour;
    bool operator==(const VoteCircle &) const = default;
};

// The circles of the members with a value, over each feature the imported colouring shows graded.
QList<VoteCircle> VoteCircles(const UsMapPass &pass, const UsMapColouring &colouring, const QuantData &data,
                              const Preferences &prefs);

// The hover tip of an area with an imported value: "Value: " and the value.
QString ValueTipText(double value);

// The US map's caption while imported data are shown: "US Map Display - " + title, and with the
// votes shown ", " + the roll call's caption.
QString ImportedMapCaption(const QString &title, bool withVotes, const QString &rollCallCaption);

} // namespace rollscan
