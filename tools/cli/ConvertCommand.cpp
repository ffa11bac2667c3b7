// rollscan-cli convert: public roll-call tables to a data tree.
#include "cli/Command.h"

#include "convert/TreeConverter.h"
#include "core/data/FileError.h"
#include "core/data/ScalingFile.h"

#include <QFileInfo>

namespace rollscan::cli {

namespace {
const char *const kUsage =
    "Usage: rollscan-cli convert SRC DEST [--extended] [--include-president] [--parties FILE] [--coords A,B]\n"
    "                            [--dim2-weight W]\n"
    "\n"
    "Builds a complete data tree in DEST from public roll-call tables in SRC:\n"
    "  SRC/house/HNNN_members.csv, HNNN_rollcalls.csv, HNNN_votes.csv\n"
    "  SRC/senate/SNNN_members.csv, SNNN_rollcalls.csv, SNNN_votes.csv\n"
    "for any set of congresses and chambers. DEST must be a new or empty folder; the tree is built\n"
    "next to it and moved into place at the end, so a failed conversion leaves nothing behind. Work\n"
    "folders that a killed conversion left next to DEST are removed first, and each is named.\n"
    "\n"
    "Options:\n"
    "  --extended           write the extended layouts (62-byte legislator, 136-byte roll-call records)\n"
    "  --include-president  keep the President (chamber \"President\") as a legislator\n"
    "  --parties FILE       party names from a parties table with columns party_code and party_name\n"
    "  --coords A,B         coordinates from the members-table columns A and B (default dim1,dim2)\n"
    "  --dim2-weight W      the weight W (0 < W <= 1) of the second coordinate, kept in main/scaling.dat\n"
    "                       (default 0.4156 for dim1,dim2 and congress_dim1,congress_dim2; other\n"
    "                       columns without it get no weight file and the map's built-in factors)\n"
    "\n"
    "Exit codes: 0 converted, 1 bad tables (the message names the file and line), 2 bad usage.";

int usageError(const QString &message)
{
    Err() << "rollscan-cli convert: " << message << "\n"
          << "Try 'rollscan-cli convert --help'.\n";
    return kExitUsage;
}

int run(const QStringList &args)
{
    ConvertOptions options;
    QStringList positional;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        auto value = [&](const QString &option, QString &out) {
            if (a.startsWith(option + QLatin1Char('='))) {
                out = a.mid(option.size() + 1);
                return true;
            }
            if (a == option && i + 1 < args.size()) {
                out = args.at(++i);
                return true;
            }
            return false;
        };
        QString coords;
        if (a == QLatin1String("--extended")) {
            options.newDataFormat = true;
        } else if (a == QLatin1String("--include-president")) {
            options.includePresident = true;
        } else if (a.startsWith(QLatin1String("--parties"))) {
            if (!value(QStringLiteral("--parties"), options.partiesPath) || options.partiesPath.isEmpty())
                return usageError(QStringLiteral("--parties needs a file name"));
        } else if (a.startsWith(QLatin1String("--coords"))) {
            if (!value(QStringLiteral("--coords"), coords))
                return usageError(QStringLiteral("--coords needs two column names, as in --coords dim1,dim2"));
            const QStringList names = coords.split(QLatin1Char(','));
            if (names.size() != 2 || names.at(0).trimmed().isEmpty() || names.at(1).trimmed().isEmpty())
                return usageError(
                    QStringLiteral("--coords needs two column names separated by a comma, not \"%1\"").arg(coords));
            options.coordColumn1 = names.at(0).trimmed();
            options.coordColumn2 = names.at(1).trimmed();
        } else if (a.startsWith(QLatin1String("--dim2-weight"))) {
            QString text;
            bool ok = false;
            const double w = value(QStringLiteral("--dim2-weight"), text) ? text.toDouble(&ok) : 0.0;
            if (!ok || !ScalingFile::IsValidWeight(w))
                return usageError(QStringLiteral("--dim2-weight needs a number greater than 0 and at most 1"));
            options.dim2Weight = w;
        } else if (a.startsWith(QLatin1String("--"))) {
            return usageError(QStringLiteral("unknown option %1").arg(a));
        } else {
            positional.append(a);
        }
    }
    if (positional.size() != 2)
        return usageError(QStringLiteral("give the folder of tables (SRC) and the folder of the new tree (DEST)"));
    const QString source = positional.at(0);
    const QString destination = positional.at(1);
    if (!QFileInfo(source).isDir())
        return usageError(QStringLiteral("%1 is not a folder").arg(source));
    const QString problem = TreeConverter::DestinationProblem(destination);
    if (!problem.isEmpty())
        return usageError(problem);

    for (const QString &folder : TreeConverter::RemoveStalePartials(destination))
        Out() << "Removed " << folder << ", left by a conversion that did not finish.\n";
    try {
        TreeConverter converter(source, destination, options);
        converter.setProgress([](int done, int total, const QString &line) {
            Out() << "[" << done << "/" << total << "] " << line << Qt::endl;
        });
        const TreeConverter::Summary s = converter.run();
        Out() << "Wrote " << destination << ": " << s.houseCongresses << " House and " << s.senateCongresses
              << " Senate congresses, " << s.legislatorRecords << " legislator records, " << s.rollCallRecords
              << " roll calls, " << s.votes << " votes" << (options.newDataFormat ? " (extended layout)" : "") << "\n";
        return kExitOk;
    } catch (const DataError &e) {
        Err() << "rollscan-cli convert: " << e.message() << "\n";
    } catch (const FileError &e) {
        Err() << "rollscan-cli convert: " << e.path() << ": " << e.description() << "\n";
    }
    Err() << "rollscan-cli convert: nothing was written.\n";
    return kExitBadData;
}

const CommandRegistration registration(Command{QStringLiteral("convert"),
                                               QStringLiteral("build a data tree from public roll-call tables"),
                                               QString::fromLatin1(kUsage), run});
} // namespace

} // namespace rollscan::cli
