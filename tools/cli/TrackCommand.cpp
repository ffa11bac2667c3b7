#include "cli/AnalysisArgs.h"
#include "cli/Command.h"
#include "cli/RollCallArgs.h"

#include "core/analysis/Tracking.h"
#include "core/data/FileError.h"
#include "core/ideology/ReportLine.h"
#include "core/report/CsvFile.h"

namespace rollscan::cli {

namespace {
int run(const QStringList &args)
{
    QString error;
    const std::optional<AnalysisArgs> a = ParseAnalysisArgs(args, true, error);
    if (!a) {
        Err() << "rollscan-cli track: " << error << "\n";
        return kExitUsage;
    }
    return RunReportingErrors(QStringLiteral("track"), [&] {
        const QList<QueuedRollCall> queue = ReadQueue(a->tree, a->isHouse, a->rolls, a->extended);
        const QList<TrackEntry> table = BuildTrackTable(a->tree, a->isHouse, a->congresses, a->extended);
        QList<int> picked;
        for (qint32 id : a->members) {
            const qsizetype before = picked.size();
            for (int k = 0; k < table.size(); ++k)
                if (table.at(k).legislator.id1 == id)
                    picked.append(k);
            if (picked.size() == before)
                throw DataError(QStringLiteral("no member %1 in the given congresses").arg(id));
        }
        const TrackResult result = ComputeTracking(a->tree, a->isHouse, table, picked, queue);
        for (const QString &row : result.rows)
            Out() << row << '\n';
        Out() << "Yea:\t" << result.yeas << "\nNay:\t" << result.nays << "\nn/a:\t" << result.notAvailable << '\n';
        if (!a->textFile.isEmpty())
            WriteReportFile(a->textFile, TrackingReportLines(a->isHouse, a->congresses, table, picked, result));
        if (!a->csvFile.isEmpty())
            WriteCsvFile(a->csvFile, TrackingCsvRecords(table, result, MemberTables::Read(a->tree)));
        return kExitOk;
    });
}

const CommandRegistration registration({
    QStringLiteral("track"),
    QStringLiteral("list how chosen legislators voted on the queued roll calls"),
    QStringLiteral("Usage: rollscan-cli track TREE --house|--senate --congress N[,N...] --rolls ITEMS\n"
                   "         --member ID[,ID...] [--csv FILE] [--text FILE] [--extended]\n\n"
                   "ITEMS is a comma-separated list of N:R (roll call R of congress N) or R (of the first congress\n"
                   "given), in queue order. Every legislator of the given congresses whose member id is listed is\n"
                   "tracked, in congress and legislator-file order, over the queued roll calls of his or her own\n"
                   "congress.\n\n"
                   "Prints one row per vote (Yea, Nay or n/a, a tab, yeas-nays, a tab, the description), a row of a\n"
                   "single blank between legislators, then the Yea, Nay and n/a totals. --text writes the tracking\n"
                   "report, --csv one comma-separated record per legislator and roll call.\n"
                   "Exit status: 0 ok, 1 bad data, 2 bad usage."),
    run,
});
} // namespace

} // namespace rollscan::cli
