#include "cli/Command.h"
#include "cli/RollCallArgs.h"

#include "core/ideology/DrawingPass.h"
#include "core/ideology/VoteStatistics.h"

namespace rollscan::cli {

namespace {
int run(const QStringList &args)
{
    QString error;
    const std::optional<RollCallArgs> a = ParseRollCallArgs(args, false, error);
    if (!a) {
        Err() << "rollscan-cli stats: " << error << "\n";
        return kExitUsage;
    }
    return RunReportingErrors(QStringLiteral("stats"), [&] {
        const CongressCounts counts = LoadCongressCounts(a->tree, a->isHouse, a->congress);
        const RollCall record =
            ReadRollCallRecord(a->tree, a->isHouse, a->congress, a->rollCall, counts.rollCallCount, a->extended);
        const VoteStatistics stats = CountVoteStatistics(a->tree, a->isHouse, a->congress, a->rollCall, a->extended);
        const ReportRollCall heading{a->isHouse, a->congress,
                                     SheetRollCall{a->rollCall, record.date, record.trimmedDescription()}};
        for (const QString &line : StatisticsReportLines(heading, stats))
            Out() << line << "\n";
        return kExitOk;
    });
}

const CommandRegistration registration({
    QStringLiteral("stats"),
    QStringLiteral("the vote statistics report of one roll call"),
    QStringLiteral("Usage: rollscan-cli stats ") + RollCallArgsUsage(false) +
        QStringLiteral("\n\nPrints the lines the statistics window saves: members, yeas and nays per party (with\n"
                       "Northern and Southern Democrats and Whigs from the 26th congress on) and the count of\n"
                       "every vote code."),
    run,
});
} // namespace

} // namespace rollscan::cli
