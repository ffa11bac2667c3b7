#pragma once

#include "core/data/Preferences.h"
#include "core/geomap/UsMapPass.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace rollscan {

// Fill styles of a feature symbol.
enum class FillStyle { Solid, Transparent, DiagonalCross };

// How one feature is filled.
struct FeatureFill {
    QString key;
    bool usesDefault = true; // no member: the layer's default symbol (kDefaultFeatureColour)
    int colour = 0;          // colour index 0..15 when !usesDefault
    FillStyle style = FillStyle::Solid;
    // "yea", "nay", "na", "split", "yea-nay", "nay-yea", "no-match" with "-hatched" for a hatched
    // fill, "default", or "transparent" for a state the filter leaves out.
    QString className;
    int members = 0; // members counted for the feature (at most 10)
    // Imported data: the feature shows `rgb`, the colour of class `valueClass` of its `value`
    // (usesDefault is then false and `colour` unused).
    bool graded = false;
    Rgb rgb;
    double value = 0.0;
    int valueClass = 0;
};

// The states the user chose through the state list, by FIPS code. Off when nothing is chosen.
struct StateFilter {
    bool on = false;
    QList<int> selectedFips;
};

// True when the state of feature key `code` is chosen; in the House the key is a district
// (FIPS x 100 + district) and its state is the key divided by 100.
bool AllowFill(const QString &code, bool isHouse, const StateFilter &filter);

// The fill of a feature whose members have `classes` (in vote-table order): none keeps the default,
// one gives its class, two or more form a pair of the first two members that voted (the members
// that did not vote fill the places left). A Senate pair with one member not voting is hatched.
FeatureFill FillForMembers(const QList<VoteClass> &classes, bool isHouse, const Preferences &prefs);

// The colouring of a whole layer.
struct UsMapColouring {
    QList<FeatureFill> fills; // one per feature, in record order
    int membersMatched = 0;   // members with coordinates whose feature is on the map
    int membersUnmatched = 0; // members with coordinates and no feature
    QList<int> unmatchedRows; // their rows (0-based) in the vote table
    // Vote-table rows (0-based) of each feature key, in table order.
    QHash<int, QList<int>> membersByKey;
};

// Colours the features whose key field values are `keys` (record order) for the pass's members. The
// Senate's "11" (the District of Columbia, which has no senators) is never coloured.
UsMapColouring ColourUsMap(const UsMapPass &pass, const QStringList &keys, const Preferences &prefs,
                           const StateFilter &filter = {});

// The cross-tab class name of a vote class: "yea", "nay", "na", "yea-nay", "nay-yea", "no-match".
QString FeatureClassName(VoteClass c);

} // namespace rollscan
