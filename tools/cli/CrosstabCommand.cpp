#include "cli/Command.h"
#include "cli/RollCallArgs.h"

#include "core/data/DataTree.h"
#include "core/data/PartyTable.h"
#include "core/ideology/CrossTab.h"
#include "core/ideology/DrawingPass.h"
#include "core/ideology/NumberFormat.h"
#include "core/ideology/VoteStatistics.h"

namespace rollscan::cli {

namespace {
int run(const QStringList &args)
{
    QString error;
    std::optional<RollCallArgs> a = ParseRollCallArgs(args, true, error);
    if (a && !a->partner)
        error = QStringLiteral("--partner-congress and --partner-roll are required");
    if (!a || !a->partner) {
        Err() << "rollscan-cli crosstab: " << error << "\n";
        return kExitUsage;
    }
    return RunReportingErrors(QStringLiteral("crosstab"), [&] {
        const DrawingPass pass = RunDrawingPass(MakeDrawingRequest(*a));
        const QString partyPath = DataFileName(a->tree, kMainDir, QStringLiteral("party.dat"));
        const PartyTable parties = PartyTable::Read(partyPath);
        RequirePartiesListed(parties, partyPath, pass.legislators,
                             CongressFileName(a->tree, a->isHouse, a->congress, QStringLiteral(".lcr")));
        for (const PartyRecord &party : CrossTabParties(pass.legislators, parties.records)) {
            const CrossTabCounts c = CountCrossTab(pass.LegislatorVoteTable, party.code);
            Out() << TabField(party.name) << '\t' << c.YY << '\t' << c.YN << '\t' << c.NY << '\t' << c.NN << '\t'
                  << YulesQText(c) << '\t' << FormatStatistic(double(ChiSquare(c))) << "\n";
        }
        return kExitOk;
    });
}

const CommandRegistration registration({
    QStringLiteral("crosstab"),
    QStringLiteral("Yule's Q and chi-square of two roll calls, party by party"),
    QStringLiteral("Usage: rollscan-cli crosstab TREE --house|--senate --congress N --roll R "
                   "--partner-congress N2 --partner-roll R2 [--extended]\n\n"
                   "Prints one line per party with members, in the order of their first member:\n"
                   "name, Yea-Yea, Yea-Nay, Nay-Yea, Nay-Nay, Yule's Q and chi-square, separated by tabs.\n") +
        QString::fromLatin1(kTabFieldHelp),
    run,
});
} // namespace

} // namespace rollscan::cli
