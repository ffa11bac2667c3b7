// rollscan-cli queue: the outputs of a whole selection queue.
#include "cli/Command.h"
#include "cli/RollCallArgs.h"

#include "core/app/Session.h"
#include "core/report/Spreadsheet.h"
#include "core/report/TidyCsv.h"
#include "core/search/QueueItems.h"

namespace rollscan::cli {

namespace {
const char *const kUsage =
    "Usage: rollscan-cli queue TREE --house|--senate --congress N[,N...] --rolls ITEMS (--csv FILE | --tidy FILE)... "
    "[--extended]\n"
    "\n"
    "Queues roll calls as the roll-call list does and writes the queue's outputs.\n"
    "ITEMS are comma-separated, in queue order: N:R is roll call R of congress N, a plain R is roll\n"
    "call R of the first congress given.\n"
    "\n"
    "Outputs (at least one):\n"
    "  --csv FILE   the whole-queue spreadsheet, byte for byte what the list's spreadsheet button writes\n"
    "  --tidy FILE  the analysis file: UTF-8 CSV with one header row and one row per legislator and\n"
    "               queued roll call, what the list's \"CSV for analysis\" writes\n"
    "\n"
    "Exit codes: 0 written, 1 bad data (the message names the file), 2 bad usage.";

int usageError(const QString &message)
{
    Err() << "rollscan-cli queue: " << message << "\n"
          << "Try 'rollscan-cli queue --help'.\n";
    return kExitUsage;
}

// What one queue command is asked to write. Each output is one member, so further forms of the
// queue slot in beside the spreadsheet.
struct QueueOutputs {
    QString sheetFile;
    QString tidyFile;
    bool any() const { return !sheetFile.isEmpty() || !tidyFile.isEmpty(); }
};

int run(const QStringList &args)
{
    QString tree, congresses, rolls;
    bool isHouse = true, chamberGiven = false, extended = false;
    QueueOutputs outputs;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        auto value = [&](QString &out) {
            if (i + 1 >= args.size())
                return false;
            out = args.at(++i);
            return true;
        };
        if (a == QLatin1String("--house") || a == QLatin1String("--senate")) {
            const bool house = a == QLatin1String("--house");
            if (chamberGiven && house != isHouse)
                return usageError(QStringLiteral("give either --house or --senate, not both"));
            isHouse = house;
            chamberGiven = true;
        } else if (a == QLatin1String("--extended")) {
            extended = true;
        } else if (a == QLatin1String("--congress")) {
            if (!value(congresses))
                return usageError(QStringLiteral("--congress needs a number"));
        } else if (a == QLatin1String("--rolls")) {
            if (!value(rolls))
                return usageError(QStringLiteral("--rolls needs the roll calls"));
        } else if (a == QLatin1String("--csv")) {
            if (!value(outputs.sheetFile))
                return usageError(QStringLiteral("--csv needs a file name"));
        } else if (a == QLatin1String("--tidy")) {
            if (!value(outputs.tidyFile))
                return usageError(QStringLiteral("--tidy needs a file name"));
        } else if (a.startsWith(QLatin1String("--"))) {
            return usageError(QStringLiteral("unknown option %1").arg(a));
        } else if (tree.isEmpty()) {
            tree = a;
        } else {
            return usageError(QStringLiteral("unexpected argument %1").arg(a));
        }
    }
    if (tree.isEmpty())
        return usageError(QStringLiteral("the data tree is missing"));
    if (!chamberGiven)
        return usageError(QStringLiteral("--house or --senate is required"));
    if (congresses.isEmpty() || rolls.isEmpty())
        return usageError(QStringLiteral("--congress and --rolls are required"));
    if (!outputs.any())
        return usageError(QStringLiteral("say what to write (--csv FILE or --tidy FILE)"));
    // The congress list names the congresses of the search; the first one is where a plain roll
    // call number belongs.
    QList<int> selected;
    for (const QString &n : congresses.split(QLatin1Char(','))) {
        bool ok = false;
        const int c = n.trimmed().toInt(&ok);
        if (!ok || c < 1)
            return usageError(QStringLiteral("--congress needs positive whole numbers, not '%1'").arg(n));
        selected.append(c);
    }
    QString error;
    const std::optional<QList<QueueItem>> items = ParseQueueItems(rolls, selected.first(), error);
    if (!items)
        return usageError(error);
    for (const QueueItem &item : *items) {
        if (!selected.contains(item.congress))
            return usageError(
                QStringLiteral("roll call %1:%2 is not in the congresses given").arg(item.congress).arg(item.rollCall));
    }

    return RunReportingErrors(QStringLiteral("queue"), [&] {
        Session session(tree);
        session.isHouse = isHouse;
        session.newDataFormat = extended;
        QueueRollCalls(session, *items);
        if (!outputs.sheetFile.isEmpty())
            WriteSpreadsheet(session, outputs.sheetFile, true);
        if (!outputs.tidyFile.isEmpty())
            WriteTidyCsv(session, outputs.tidyFile);
        return kExitOk;
    });
}

const CommandRegistration registration(Command{
    QStringLiteral("queue"), QStringLiteral("write the outputs of a selection queue: spreadsheet and analysis file"),
    QString::fromLatin1(kUsage), run});
} // namespace

} // namespace rollscan::cli
