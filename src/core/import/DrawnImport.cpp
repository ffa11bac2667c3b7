#include "core/import/DrawnImport.h"

#include "core/geomap/DrawnMapPass.h"
#include "core/import/ImportedMap.h"
#include "core/import/QuantData.h"
#include "core/import/QuantKey.h"

#include <QMap>

#include <optional>

namespace rollscan {

namespace {
quint32 Argb(const Rgb &c)
{
    return 0xFF000000u | (quint32(c.red) << 16) | (quint32(c.green) << 8) | quint32(c.blue);
}

std::optional<double> ValueOf(const DrawnMember &m, const QuantData &data)
{
    if (!data.isHouse)
        return std::nullopt;
    const int row = ImportRowFor(data, true, m.state, m.district, m.id1);
    return row < 0 ? std::nullopt : std::optional<double>(data.rows.at(row).value);
}

// The seed of a state filled as a whole: the first two extra integers of its ".ctr" row.
std::optional<DrawnSeed> StateSeed(const DrawnMapPass &pass, int state)
{
    for (const DrawnDistrict &row : pass.DistrictTable)
        if (row.record.state == state && (row.record.extra[0] != 0 || row.record.extra[1] != 0))
            return DrawnSeed{row.record.extra[0], row.record.extra[1]};
    return std::nullopt;
}
} // namespace

DrawnFillPlan ImportFillPlan(const DrawnMapPass &pass, const QuantData &data, const QuantKey &key,
                             const DrawnStateFilter &filter)
{
    DrawnFillPlan plan;
    QMap<int, QPair<double, int>> atLarge; // state -> sum, count
    for (int i = 0; i < pass.DrawnVoteTable.size(); ++i) {
        const DrawnMember &m = pass.DrawnVoteTable.at(i);
        const std::optional<double> value = ValueOf(m, data);
        if (!value || !filter.allowsState(m.state))
            continue;
        if (m.seedCount == 0) {
            atLarge[m.state].first += *value;
            atLarge[m.state].second += 1;
            continue;
        }
        const int cls = key.classOf(*value);
        if (cls > 0)
            plan.fills.append({m.state, m.district, m.seeds(), Argb(key.colour(cls)), i});
    }
    for (auto it = atLarge.cbegin(); it != atLarge.cend(); ++it) {
        const int cls = key.classOf(it->first / it->second);
        const std::optional<DrawnSeed> seed = StateSeed(pass, it.key());
        if (cls > 0 && seed)
            plan.fills.append({qint16(it.key()), 0, {*seed}, Argb(key.colour(cls)), -1});
    }
    return plan;
}

QList<DrawnVoteCircle> DrawnVoteCircles(const DrawnMapPass &pass, const QuantData &data, const Preferences &prefs,
                                        const DrawnStateFilter &filter)
{
    QList<DrawnVoteCircle> circles;
    for (const DrawnMember &m : pass.DrawnVoteTable) {
        if (!ValueOf(m, data) || !filter.allowsState(m.state))
            continue;
        const QList<DrawnSeed> seeds = m.seeds();
        const std::optional<DrawnSeed> at = seeds.isEmpty() ? StateSeed(pass, m.state) : std::optional(seeds.first());
        if (at)
            circles.append({*at, VoteCircleColour(m.voteClass, prefs)});
    }
    return circles;
}

QString DrawnValueTip(const DrawnMapPass &pass, const QuantData &data, double x, double y)
{
    const int row = NearestMember(pass, x, y);
    if (row < 0)
        return {};
    const std::optional<double> value = ValueOf(pass.DrawnVoteTable.at(row), data);
    return value ? ValueTipText(*value) : QString();
}

} // namespace rollscan
