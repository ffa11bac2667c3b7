#include "cli/AnalysisArgs.h"
#include "cli/Command.h"
#include "cli/RollCallArgs.h"

#include "core/analysis/Ratings.h"
#include "core/ideology/ReportLine.h"
#include "core/report/CsvFile.h"

namespace rollscan::cli {

namespace {
int run(const QStringList &args)
{
    QString error;
    const std::optional<AnalysisArgs> a = ParseAnalysisArgs(args, false, error);
    if (!a) {
        Err() << "rollscan-cli rate: " << error << "\n";
        return kExitUsage;
    }
    return RunReportingErrors(QStringLiteral("rate"), [&] {
        QList<RatingSetting> settings;
        for (const QueuedRollCall &entry : ReadQueue(a->tree, a->isHouse, a->rolls, a->extended)) {
            const bool nay = std::any_of(a->nays.begin(), a->nays.end(), [&](const RollCallRef &r) {
                return r.congress == entry.congress && r.rollCall == entry.rollCall;
            });
            settings.append({entry, nay ? VoteSide::Nay : VoteSide::Yea});
        }
        const RatingResult result = ComputeRatings(a->tree, a->isHouse, a->congresses, settings, a->extended);
        for (const LegislatorRating &r : result.legislators)
            Out() << r.congress << '\t' << r.legislator.id1 << '\t' << r.legislator.trimmedName() << '\t'
                  << FormatRating(r.rating) << '\n';
        const std::optional<double> average = result.average();
        Out() << "High:\t" << result.highestName << '\t' << result.atHighest << '\t' << FormatRating(result.highest)
              << '\n';
        Out() << "Low:\t" << result.lowestName << '\t' << result.atLowest << '\t' << FormatRating(result.lowest)
              << '\n';
        Out() << "Average:\t" << (average ? QString::number(*average, 'f', 2) : QStringLiteral("n/a")) << '\n';
        if (!a->textFile.isEmpty())
            WriteReportFile(a->textFile, RatingReportLines(a->isHouse, a->congresses, settings, result));
        if (!a->csvFile.isEmpty())
            WriteCsvFile(a->csvFile, RatingCsvRecords(result, MemberTables::Read(a->tree)));
        return kExitOk;
    });
}

const CommandRegistration registration({
    QStringLiteral("rate"),
    QStringLiteral("rate every legislator by agreement with a side of each queued roll call"),
    QStringLiteral("Usage: rollscan-cli rate TREE --house|--senate --congress N[,N...] --rolls ITEMS [--nay ITEMS]\n"
                   "         [--csv FILE] [--text FILE] [--extended]\n\n"
                   "ITEMS is a comma-separated list of N:R (roll call R of congress N) or R (of the first congress\n"
                   "given), in queue order. A Yea agrees on every queued roll call except those --nay names, where a\n"
                   "Nay agrees. Each legislator of the given congresses is rated over the queued roll calls of his or\n"
                   "her own congress: agreements / (yeas + nays) x 100, or n/a without a yea or nay.\n\n"
                   "Prints congress, member id, name and rating for each legislator, separated by tabs, then the\n"
                   "High and Low lines (name, number of legislators at that rating, rating) and the Average line.\n"
                   "--text writes the ratings report, --csv the ratings as comma-separated values.\n"
                   "Exit status: 0 ok, 1 bad data, 2 bad usage."),
    run,
});
} // namespace

} // namespace rollscan::cli
