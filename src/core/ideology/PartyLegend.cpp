#include "core/ideology/PartyLegend.h"

#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/PartySymbol.h"
#include "core/data/PartyTable.h"
#include "core/data/TokenTable.h"
#include "core/ideology/DrawingPass.h"

#include <algorithm>

namespace rollscan {

QList<LegendEntry> PartyLegend(const DrawingPass &pass, const TokenTable &tokens, const PartyTable &parties)
{
    struct Group {
        QString token;
        QString recordName;
        QList<int> partyCodes;
        int count = 0;
    };
    QList<Group> groups;
    for (const PlottedEntry &entry : pass.PlottedList) {
        auto it = std::find_if(groups.begin(), groups.end(), [&](const Group &g) { return g.token == entry.token; });
        if (it == groups.end()) {
            Group g;
            g.token = entry.token;
            const int stateCode = entry.legislatorIndex >= 1 && entry.legislatorIndex <= pass.legislators.size()
                                      ? pass.legislators.at(entry.legislatorIndex - 1).stateCode
                                      : 0;
            if (const TokenRecord *record = tokens.find(PartySymbolIndex(entry.partyCode, stateCode, pass.congress)))
                g.recordName = record->name;
            groups.append(g);
            it = groups.end() - 1;
        }
        ++it->count;
        if (!it->partyCodes.contains(entry.partyCode))
            it->partyCodes.append(entry.partyCode);
    }
    std::stable_sort(groups.begin(), groups.end(), [](const Group &a, const Group &b) { return a.count > b.count; });

    QList<LegendEntry> out;
    for (const Group &g : groups) {
        QStringList extra;
        for (const int code : g.partyCodes) {
            const QString party = parties.name(code);
            if (!party.isEmpty() && !g.recordName.contains(party, Qt::CaseInsensitive) && !extra.contains(party))
                extra.append(party);
        }
        QString name = g.recordName;
        if (!extra.isEmpty())
            name = name.isEmpty() ? extra.join(QStringLiteral(", "))
                                  : name + QStringLiteral(" (") + extra.join(QStringLiteral(", ")) + QLatin1Char(')');
        out.append({g.token, name, g.count});
    }
    return out;
}

QList<LegendEntry> LoadPartyLegend(const DrawingPass &pass, const QString &root)
{
    try {
        const TokenTable tokens = TokenTable::Read(DataFileName(root, kMainDir, QStringLiteral("token.dat")));
        const PartyTable parties = PartyTable::Read(DataFileName(root, kMainDir, QStringLiteral("party.dat")));
        return PartyLegend(pass, tokens, parties);
    } catch (const FileError &) {
        return {};
    }
}

} // namespace rollscan
