#include "core/geomap/DrawnMapPass.h"

#include "core/data/DataTree.h"
#include "core/geomap/DrawnMapView.h"
#include "core/geomap/MapTipText.h"
#include "core/geomap/StateList.h"

#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>

namespace rollscan {

namespace {
// The first vote of a member's class, for the tallies: a cross-tab class still says how he voted on
// the roll call shown.
void count(StateTally &t, VoteClass c)
{
    switch (c) {
    case VoteClass::Yea:
    case VoteClass::YeaNay:
        ++t.yea;
        break;
    case VoteClass::Nay:
    case VoteClass::NayYea:
        ++t.nay;
        break;
    default:
        ++t.notAvailable;
        break;
    }
}

bool voted(VoteClass c)
{
    return c != VoteClass::NotAvailable && c != VoteClass::NoMatch;
}

// The seed the ".ctr" row keeps for a state filled as a whole (its first two extra integers).
bool rowSeed(const DistrictSeedRecord &r, DrawnSeed &seed)
{
    if (r.extra[0] == 0 && r.extra[1] == 0)
        return false;
    seed = {r.extra[0], r.extra[1]};
    return true;
}
} // namespace

QList<DrawnSeed> DrawnMember::seeds() const
{
    QList<DrawnSeed> out;
    for (int i = 0; i < std::min<int>(seedCount, 3); ++i)
        out.append({seedX[std::size_t(i)], seedY[std::size_t(i)]});
    return out;
}

QList<int> DrawnMapPass::membersOf(int state, int district) const
{
    QList<int> rows;
    for (int i = 0; i < DrawnVoteTable.size(); ++i)
        if (DrawnVoteTable.at(i).state == state && DrawnVoteTable.at(i).district == district)
            rows.append(i);
    return rows;
}

namespace {
// The class most of the members who voted are in: -1 when none voted, -2 when two classes are
// equally strong.
int MajorityClass(const QList<VoteClass> &classes)
{
    QMap<int, int> counts; // by class, in the enum's order
    for (VoteClass c : classes)
        if (voted(c))
            ++counts[int(c)];
    if (counts.isEmpty())
        return -1;
    int best = -1, bestCount = 0;
    bool tie = false;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > bestCount) {
            best = it.key();
            bestCount = it.value();
            tie = false;
        } else if (it.value() == bestCount) {
            tie = true;
        }
    }
    return tie ? -2 : best;
}
} // namespace

int AtLargeMajorityColour(const QList<VoteClass> &classes, const Preferences &prefs)
{
    const int majority = MajorityClass(classes);
    if (majority == -1)
        return prefs.notVotingColour();
    return majority == -2 ? prefs.splitColour() : ClassColour(VoteClass(majority), prefs);
}

DrawnMapPass RunDrawnMapPass(const DrawingRequest &request, const ProgressCallback &progress)
{
    DrawnMapPass pass;
    pass.votes = RunUsMapPass(request, StateList{}, progress);
    const StateTable states = StateTable::Read(DataFileName(request.dataRoot, kMainDir, QStringLiteral("state.dat")));
    const QList<DistrictSeedRecord> ctr =
        ReadDistrictSeeds(CongressFileName(request.dataRoot, true, request.congress, QStringLiteral(".ctr")),
                          pass.votes.counts.districtCount);
    pass.DistrictTable.reserve(ctr.size());
    for (const DistrictSeedRecord &r : ctr)
        pass.DistrictTable.append({r, -1});

    QHash<QPair<int, int>, int> districtRow;
    for (int i = 0; i < ctr.size(); ++i)
        districtRow.insert({ctr.at(i).state, ctr.at(i).district}, i);

    QMap<int, QList<VoteClass>> atLargeClasses;
    for (int i = 0; i < pass.votes.GisVoteTable.size(); ++i) {
        const UsMapMember &m = pass.votes.GisVoteTable.at(i);
        if (!m.hasCoordinates)
            continue;
        const Legislator &l = pass.votes.legislators.at(i);
        DrawnMember d;
        d.name = m.name;
        d.recordNumber = m.recordNumber;
        d.colour = m.colour;
        d.state = l.stateCode;
        d.district = l.district;
        d.voteClass = m.voteClass;
        d.id1 = l.id1;
        d.seedCount = qint16(qBound(0, int(l.seedCount), 3));
        d.seedX = l.seedX;
        d.seedY = l.seedY;
        d.partyCode = l.partyCode;
        if (const StateRecord *s = states.find(l.stateCode)) {
            d.postal = s->postal;
            d.stateName = s->name.trimmed();
        }
        d.displayName = d.name + QStringLiteral(", ") + d.postal;
        count(pass.delegation[d.state], d.voteClass);
        if (d.seedCount == 0) {
            count(pass.atLarge[d.state], d.voteClass);
            atLargeClasses[d.state].append(d.voteClass);
        } else if (const auto row = districtRow.constFind({d.state, d.district}); row != districtRow.cend()) {
            // The first member filled into a district keeps it, on the map and in the table alike.
            DrawnDistrict &district = pass.DistrictTable[*row];
            if (district.colour < 0)
                district.colour = d.colour;
        }
        pass.DrawnVoteTable.append(std::move(d));
    }
    for (auto it = atLargeClasses.cbegin(); it != atLargeClasses.cend(); ++it) {
        const int colour = AtLargeMajorityColour(it.value(), request.preferences);
        pass.atLargeColour.insert(it.key(), colour);
        if (MajorityClass(it.value()) == -2)
            pass.splitAtLarge.append(it.key());
        for (DrawnDistrict &row : pass.DistrictTable)
            if (row.record.state == it.key() && row.colour < 0)
                row.colour = colour;
    }
    return pass;
}

DrawnFillPlan VoteFillPlan(const DrawnMapPass &pass, const DrawnStateFilter &filter)
{
    DrawnFillPlan plan;
    for (int i = 0; i < pass.DrawnVoteTable.size(); ++i) {
        const DrawnMember &m = pass.DrawnVoteTable.at(i);
        if (m.seedCount == 0 || !filter.allowsState(m.state))
            continue;
        plan.fills.append({m.state, m.district, m.seeds(), PaletteRgb(m.colour), i});
    }
    for (const DrawnDistrict &row : pass.DistrictTable) {
        const auto colour = pass.atLargeColour.constFind(row.record.state);
        DrawnSeed seed;
        if (colour == pass.atLargeColour.cend() || !filter.allowsState(row.record.state) || !rowSeed(row.record, seed))
            continue;
        plan.fills.append({row.record.state, row.record.district, {seed}, PaletteRgb(*colour), -1});
    }
    return plan;
}

QList<int> DrawnStateCodes(const QStringList &chosen, const StateTable &states)
{
    QList<int> codes;
    auto add = [&](int code) {
        if (!codes.contains(code))
            codes.append(code);
    };
    for (const QString &name : chosen) {
        const QString wanted = name.trimmed();
        bool exact = false;
        for (int i = 0; i < states.records.size(); ++i)
            if (states.records.at(i).name.trimmed().compare(wanted, Qt::CaseInsensitive) == 0) {
                add(i + 1);
                exact = true;
            }
        if (exact)
            continue;
        for (int i = 0; i < states.records.size(); ++i) {
            const QString state = states.records.at(i).name.trimmed();
            if (!state.isEmpty() && wanted.contains(state, Qt::CaseInsensitive))
                add(i + 1);
        }
    }
    return codes;
}

namespace {
// Even-odd test of a point against a closed ring of outline points.
bool Inside(const QList<StatePoint> &ring, double x, double y)
{
    bool in = false;
    for (qsizetype i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const double xi = ring.at(i).x, yi = ring.at(i).y, xj = ring.at(j).x, yj = ring.at(j).y;
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
            in = !in;
    }
    return in;
}
} // namespace

QStringList DrawnFilterOutlines(const QStringList &chosen, const QList<int> &chosenStates, const StateOutlines &states,
                                int congress, const DrawnMapPass &pass)
{
    QList<DrawnSeed> others; // seeds of the states not chosen
    for (const DrawnMember &m : pass.DrawnVoteTable)
        if (!chosenStates.contains(m.state))
            others += m.seeds();
    for (const DrawnDistrict &r : pass.DistrictTable) {
        DrawnSeed seed;
        if (!chosenStates.contains(r.record.state) && rowSeed(r.record, seed))
            others.append(seed);
    }
    QStringList kept;
    for (const QString &name : chosen) {
        bool encloses = false;
        for (int i = 0; i < states.index.size() && !encloses; ++i) {
            const MapIndexRecord &r = states.index.at(i);
            if (r.pointCount < 3 || !OutlineDrawnIn(r, congress) ||
                r.name.trimmed().compare(name.trimmed(), Qt::CaseInsensitive) != 0)
                continue;
            const QList<StatePoint> ring = states.outline(i);
            encloses = std::any_of(others.cbegin(), others.cend(),
                                   [&ring](const DrawnSeed &s) { return Inside(ring, s.x, s.y); });
        }
        if (!encloses)
            kept.append(name);
    }
    return kept;
}

QHash<int, int> DistrictIdentifierRows(const QList<DrawnDistrict> &table, const QList<OutlinePoint> &points)
{
    QHash<int, int> byRow, byCode;
    for (int i = 0; i < table.size(); ++i) {
        const DistrictSeedRecord &r = table.at(i).record;
        byRow.insert(i + 1, i);
        if (!byCode.contains(r.state * 100 + r.district))
            byCode.insert(r.state * 100 + r.district, i);
    }
    QSet<int> ids;
    for (const OutlinePoint &p : points)
        ids.insert(p.district);
    bool codesFit = true, rowsFit = true;
    for (int id : std::as_const(ids)) {
        codesFit = codesFit && byCode.contains(id);
        rowsFit = rowsFit && byRow.contains(id);
    }
    if (codesFit)
        return byCode;
    return rowsFit ? byRow : byCode;
}

int NearestMember(const DrawnMapPass &pass, double x, double y, double within)
{
    // A member elected at large stands at his state's seed of the district table.
    QHash<int, DrawnSeed> stateSeeds;
    for (const DrawnDistrict &r : pass.DistrictTable) {
        DrawnSeed seed;
        if (!stateSeeds.contains(r.record.state) && rowSeed(r.record, seed))
            stateSeeds.insert(r.record.state, seed);
    }
    int best = -1;
    double bestDistance = within;
    for (int i = 0; i < pass.DrawnVoteTable.size(); ++i) {
        const DrawnMember &m = pass.DrawnVoteTable.at(i);
        DrawnSeed at{m.seedX[0], m.seedY[0]};
        if (m.seedCount == 0) {
            const auto seed = stateSeeds.constFind(m.state);
            if (seed == stateSeeds.cend())
                continue;
            at = *seed;
        }
        const double d = std::hypot(at.x - x, at.y - y);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

QList<int> DrawnInquireMembers(const DrawnMapPass &pass, double x, double y)
{
    const int row = NearestMember(pass, x, y);
    if (row < 0)
        return {};
    const DrawnMember &nearest = pass.DrawnVoteTable.at(row);
    QList<int> rows;
    for (int i = 0; i < pass.DrawnVoteTable.size(); ++i) {
        const DrawnMember &m = pass.DrawnVoteTable.at(i);
        const bool atLarge = nearest.seedCount == 0;
        if (m.state == nearest.state &&
            (atLarge ? m.seedCount == 0 : m.seedCount > 0 && m.district == nearest.district))
            rows.append(i);
    }
    return rows;
}

QString DrawnInquireTip(const DrawnMapPass &pass, double x, double y)
{
    const int row = NearestMember(pass, x, y);
    if (row < 0)
        return {};
    const DrawnMember &m = pass.DrawnVoteTable.at(row);
    return DrawnInquireText(m.name, m.stateName);
}

QString DrawnBreakdownTip(const DrawnMapPass &pass, double x, double y)
{
    const int row = NearestMember(pass, x, y);
    if (row < 0)
        return {};
    const DrawnMember &m = pass.DrawnVoteTable.at(row);
    if (m.seedCount > 0) {
        const QList<int> members = pass.membersOf(m.state, m.district);
        if (members.size() > 1) {
            StateTally t;
            for (int i : members)
                count(t, pass.DrawnVoteTable.at(i).voteClass);
            return DrawnBreakdownText(m.postal, true, t.yea, t.nay);
        }
    }
    const StateTally t = pass.delegation.value(m.state);
    return DrawnBreakdownText(m.postal, false, t.yea, t.nay);
}

} // namespace rollscan
