#include "core/geomap/UsMapColouring.h"

#include "core/data/Preferences.h"

namespace rollscan {

namespace {
constexpr int kMaxMembers = 10;
const QString kDistrictOfColumbia = QStringLiteral("11");

bool voted(VoteClass c)
{
    return c != VoteClass::NotAvailable && c != VoteClass::NoMatch;
}
} // namespace

QString FeatureClassName(VoteClass c)
{
    switch (c) {
    case VoteClass::Yea:
        return QStringLiteral("yea");
    case VoteClass::Nay:
        return QStringLiteral("nay");
    case VoteClass::NotAvailable:
        return QStringLiteral("na");
    case VoteClass::YeaNay:
        return QStringLiteral("yea-nay");
    case VoteClass::NayYea:
        return QStringLiteral("nay-yea");
    case VoteClass::NoMatch:
        return QStringLiteral("no-match");
    }
    return {};
}

bool AllowFill(const QString &code, bool isHouse, const StateFilter &filter)
{
    bool ok = false;
    const int value = code.toInt(&ok);
    if (!ok)
        return false;
    const int state = isHouse ? value / 100 : value;
    return filter.selectedFips.contains(state);
}

FeatureFill FillForMembers(const QList<VoteClass> &classes, bool isHouse, const Preferences &prefs)
{
    FeatureFill fill;
    fill.members = int(classes.size());
    if (classes.isEmpty()) {
        fill.className = QStringLiteral("default");
        return fill;
    }
    fill.usesDefault = false;
    if (classes.size() == 1) {
        fill.colour = ClassColour(classes.first(), prefs);
        fill.className = FeatureClassName(classes.first());
        return fill;
    }
    // The pair: members that voted first, in table order, then those that did not.
    QList<VoteClass> ordered;
    for (VoteClass c : classes)
        if (voted(c))
            ordered.append(c);
    for (VoteClass c : classes)
        if (!voted(c))
            ordered.append(c);
    const VoteClass a = ordered.at(0);
    const VoteClass b = ordered.at(1);

    if (a == b) {
        fill.colour = ClassColour(a, prefs);
        fill.className = FeatureClassName(a);
    } else if (voted(a) && !voted(b)) {
        // One member voted and the other did not: his colour, hatched in the Senate.
        fill.colour = ClassColour(a, prefs);
        fill.className = FeatureClassName(a);
        if (!isHouse) {
            fill.style = FillStyle::DiagonalCross;
            fill.className += QStringLiteral("-hatched");
        }
    } else if (!voted(a)) {
        // Neither voted (one absent, one not matched in the partner congress).
        fill.colour = ClassColour(VoteClass::NotAvailable, prefs);
        fill.className = FeatureClassName(VoteClass::NotAvailable);
    } else {
        // Two members who voted differently, whatever the pair of classes.
        fill.colour = prefs.splitColour();
        fill.className = QStringLiteral("split");
    }
    return fill;
}

UsMapColouring ColourUsMap(const UsMapPass &pass, const QStringList &keys, const Preferences &prefs,
                           const StateFilter &filter)
{
    UsMapColouring out;
    const bool isHouse = pass.isHouse;
    for (int row = 0; row < pass.GisVoteTable.size(); ++row) {
        const UsMapMember &m = pass.GisVoteTable.at(row);
        if (m.fips != 0)
            out.membersByKey[m.featureKey(isHouse)].append(row);
    }

    QHash<int, bool> onMap;
    out.fills.reserve(keys.size());
    for (const QString &key : keys) {
        FeatureFill fill;
        fill.key = key;
        fill.className = QStringLiteral("default");
        bool ok = false;
        const int value = key.toInt(&ok);
        if (!ok || (!isHouse && key == kDistrictOfColumbia)) {
            out.fills.append(fill);
            continue;
        }
        onMap.insert(value, true);
        if (filter.on && !AllowFill(key, isHouse, filter)) {
            fill.style = FillStyle::Transparent;
            fill.className = QStringLiteral("transparent");
            out.fills.append(fill);
            continue;
        }
        QList<VoteClass> classes;
        for (int row : out.membersByKey.value(value)) {
            if (classes.size() == kMaxMembers)
                break;
            classes.append(pass.GisVoteTable.at(row).voteClass);
        }
        FeatureFill coloured = FillForMembers(classes, isHouse, prefs);
        coloured.key = key;
        out.fills.append(coloured);
    }

    for (int row = 0; row < pass.GisVoteTable.size(); ++row) {
        const UsMapMember &m = pass.GisVoteTable.at(row);
        if (!m.hasCoordinates)
            continue;
        if (m.fips != 0 && onMap.contains(m.featureKey(isHouse))) {
            ++out.membersMatched;
        } else {
            ++out.membersUnmatched;
            out.unmatchedRows.append(row);
        }
    }
    return out;
}

} // namespace rollscan
