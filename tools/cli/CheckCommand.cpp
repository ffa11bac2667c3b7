// rollscan-cli check: verifies a data tree and runs the tally check of both chambers.
#include "cli/Command.h"

#include "convert/TreeChecker.h"
#include "core/app/TallyCheck.h"
#include "core/data/DataTree.h"
#include "core/data/FileError.h"

#include <QDir>
#include <QFileInfo>

namespace rollscan::cli {

namespace {
const char *const kUsage =
    "Usage: rollscan-cli check TREE [--extended] [--reports FOLDER]\n"
    "\n"
    "Verifies the data tree in TREE: the index counts against the sizes of the congress files,\n"
    "ascending member ids, vote bytes, state and party codes, description positions inside the\n"
    "description files, and that every record can be read. Each fault is listed on one line that\n"
    "names its file.\n"
    "\n"
    "Then runs the tally check of congresses 1 to 99, or to the last congress of the tree when later,\n"
    "of both chambers: it writes house/hmatch.txt and\n"
    "senate/smatch.txt, one line for each roll call whose stored yea and nay tallies differ from the\n"
    "code-1 and code-6 votes of the vote file, and prints how many lines it wrote. Mismatches are\n"
    "findings about the data, not faults of the tree.\n"
    "\n"
    "Options:\n"
    "  --extended        the tree uses the extended layouts (62-byte legislator, 136-byte roll-call\n"
    "                    records)\n"
    "  --reports FOLDER  write hmatch.txt and smatch.txt into FOLDER instead of the tree (for a tree\n"
    "                    that cannot be written to, such as the installed sample)\n"
    "\n"
    "Exit codes: 0 the tree is sound, 1 faults were found, 2 bad usage.";

int usageError(const QString &message)
{
    Err() << "rollscan-cli check: " << message << "\n"
          << "Try 'rollscan-cli check --help'.\n";
    return kExitUsage;
}

int run(const QStringList &args)
{
    bool extended = false;
    QString reports;
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--extended")) {
            extended = true;
        } else if (a == QLatin1String("--reports")) {
            if (++i == args.size())
                return usageError(QStringLiteral("--reports needs a folder"));
            reports = args.at(i);
            if (!QFileInfo(reports).isDir())
                return usageError(QStringLiteral("%1 is not a folder").arg(reports));
        } else if (a.startsWith(QLatin1String("--"))) {
            return usageError(QStringLiteral("unknown option %1").arg(a));
        } else {
            positional.append(a);
        }
    }
    if (positional.size() != 1)
        return usageError(QStringLiteral("give the folder of the data tree"));
    const QString tree = positional.at(0);
    if (!QFileInfo(tree).isDir())
        return usageError(QStringLiteral("%1 is not a folder").arg(tree));

    TreeChecker checker(tree, extended);
    QStringList faults = checker.check();
    for (const QString &f : std::as_const(faults))
        Err() << QDir(tree).filePath(f) << "\n";
    Out() << "Checked " << tree << ": " << checker.houseCongresses() << " House and " << checker.senateCongresses()
          << " Senate congresses, " << faults.size() << (faults.size() == 1 ? " fault" : " faults") << ".\n";

    for (const bool isHouse : {true, false}) {
        if (!QFileInfo(DataFolder(tree, isHouse ? kHouseDir : kSenateDir)).isDir())
            continue;
        TallyCheck tally(tree, isHouse, extended);
        if (!reports.isEmpty())
            tally.setReportFolder(reports);
        try {
            const int lines = tally.run();
            Out() << "Tally check: " << lines << (lines == 1 ? " mismatch line" : " mismatch lines") << " written to "
                  << tally.reportPath() << "\n";
        } catch (const FileError &e) {
            Err() << e.path() << ": tally check stopped: " << e.description() << "\n";
            if (reports.isEmpty() && e.path() == tally.reportPath())
                Err() << "(--reports FOLDER writes the reports elsewhere)\n";
            faults.append(e.path());
        }
    }
    return faults.isEmpty() ? kExitOk : kExitBadData;
}

const CommandRegistration registration(Command{QStringLiteral("check"),
                                               QStringLiteral("verify a data tree and check its roll-call tallies"),
                                               QString::fromLatin1(kUsage), run});
} // namespace

} // namespace rollscan::cli
