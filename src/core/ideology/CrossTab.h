#pragma once

#include "core/data/Legislator.h"
#include "core/data/PartyTable.h"
#include "core/ideology/DrawingPass.h"

#include <QList>
#include <QString>
#include <optional>

namespace rollscan {

// The 2×2 table of one party over two roll calls.
struct CrossTabCounts {
    int YY = 0; // Yea on both
    int YN = 0; // Yea here, Nay on the other
    int NY = 0; // Nay here, Yea on the other
    int NN = 0; // Nay on both
    bool operator==(const CrossTabCounts &) const = default;
};

// The parties with at least one member in the congress, each once, in the order of their first
// member in the legislator file. A party code the party file does not list gets no entry.
QList<PartyRecord> CrossTabParties(const QList<Legislator> &legislators, const QList<PartyRecord> &parties);

// Counts the cross-tab classes of the members of party `partyCode` in the table of the last
// cross-tab pass. Not-available and unmatched members are in no cell.
CrossTabCounts CountCrossTab(const QList<LegislatorVoteEntry> &table, int partyCode);

// Yule's Q, (YY·NN − YN·NY) / (YY·NN + YN·NY); nothing when the denominator is 0. Products are
// formed in 64 bits.
std::optional<double> YulesQ(const CrossTabCounts &c);

// Pearson's chi-square of the table without continuity correction, with single-precision expected
// values and terms as the window has always shown them; a cell expected to hold 0 adds 0.
float ChiSquare(const CrossTabCounts &c);

// Q as shown: "0.0###", or "n/a".
QString YulesQText(const CrossTabCounts &c);

// lblStats: "Yule's Q: " + Q + "  Chi-square: " + chi-square.
QString CrossTabStatsText(const CrossTabCounts &c);

// The four panels: "Yea-Yea: 10" (pnlYea1), "Nay-Yea: 0" (pnlNay1), "Yea-Nay: 0" (pnlYea2), "Nay-Nay: 10" (pnlNay2).
struct CrossTabPanels {
    QString pnlYea1, pnlNay1, pnlYea2, pnlNay2;
};
CrossTabPanels BuildCrossTabPanels(const CrossTabCounts &c);

} // namespace rollscan
