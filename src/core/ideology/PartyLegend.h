#pragma once

#include <QList>
#include <QString>

namespace rollscan {

struct DrawingPass;
class PartyTable;
class TokenTable;

// One line of the map's party legend: the token letter as drawn and what it stands for.
struct LegendEntry {
    QString token;
    QString name;
    int count = 0; // legislators plotted with this token
    bool operator==(const LegendEntry &) const = default;
};

// The tokens of the plotted legislators, most used first (ties in order of first appearance), each
// named by its token record; where that name does not already say the party (a shared "Other"
// token, say), the party names from the party table follow in parentheses: "O Other (American)".
QList<LegendEntry> PartyLegend(const DrawingPass &pass, const TokenTable &tokens, const PartyTable &parties);

// The same with "main/token.dat" and "main/party.dat" of the tree below `root`; empty when either
// cannot be read, since the legend only explains a picture already drawn.
QList<LegendEntry> LoadPartyLegend(const DrawingPass &pass, const QString &root);

} // namespace rollscan
