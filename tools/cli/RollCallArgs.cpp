#include "cli/RollCallArgs.h"

#include "cli/Command.h"
#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/data/Preferences.h"
#include "core/ideology/UndefinedPartyError.h"

#include <QFileInfo>

namespace rollscan::cli {

namespace {
bool takeNumber(const QStringList &args, qsizetype &i, int &out, QString &error)
{
    const QString option = args.at(i);
    if (i + 1 >= args.size()) {
        error = option + QStringLiteral(" needs a number");
        return false;
    }
    bool ok = false;
    out = args.at(++i).toInt(&ok);
    if (!ok || out < 1) {
        error = option + QStringLiteral(" needs a positive whole number, not '") + args.at(i) + QLatin1Char('\'');
        return false;
    }
    return true;
}
} // namespace

QString RollCallArgsUsage(bool partner)
{
    return QStringLiteral("TREE --house|--senate --congress N --roll R") +
           (partner ? QStringLiteral(" [--partner-congress N2 --partner-roll R2]") : QString()) +
           QStringLiteral(" [--extended]");
}

std::optional<RollCallArgs> ParseRollCallArgs(const QStringList &args, bool allowPartner, QString &error)
{
    RollCallArgs a;
    bool chamberGiven = false;
    int partnerCongress = 0, partnerRoll = 0;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--house") || arg == QLatin1String("--senate")) {
            const bool house = arg == QLatin1String("--house");
            if (chamberGiven && a.isHouse != house) {
                error = QStringLiteral("give either --house or --senate, not both");
                return std::nullopt;
            }
            a.isHouse = house;
            chamberGiven = true;
        } else if (arg == QLatin1String("--extended")) {
            a.extended = true;
        } else if (arg == QLatin1String("--congress")) {
            if (!takeNumber(args, i, a.congress, error))
                return std::nullopt;
        } else if (arg == QLatin1String("--roll")) {
            if (!takeNumber(args, i, a.rollCall, error))
                return std::nullopt;
        } else if (allowPartner && arg == QLatin1String("--partner-congress")) {
            if (!takeNumber(args, i, partnerCongress, error))
                return std::nullopt;
        } else if (allowPartner && arg == QLatin1String("--partner-roll")) {
            if (!takeNumber(args, i, partnerRoll, error))
                return std::nullopt;
        } else if (arg.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("unknown option ") + arg;
            return std::nullopt;
        } else if (a.tree.isEmpty()) {
            a.tree = arg;
        } else {
            error = QStringLiteral("unexpected argument ") + arg;
            return std::nullopt;
        }
    }
    if (a.tree.isEmpty()) {
        error = QStringLiteral("the data tree is missing");
        return std::nullopt;
    }
    if (!chamberGiven) {
        error = QStringLiteral("--house or --senate is required");
        return std::nullopt;
    }
    if (a.congress == 0 || a.rollCall == 0) {
        error = QStringLiteral("--congress and --roll are required");
        return std::nullopt;
    }
    if ((partnerCongress == 0) != (partnerRoll == 0)) {
        error = QStringLiteral("--partner-congress and --partner-roll go together");
        return std::nullopt;
    }
    if (partnerCongress != 0)
        a.partner = PartnerRollCall{partnerCongress, partnerRoll};
    return a;
}

DrawingRequest MakeDrawingRequest(const RollCallArgs &a)
{
    DrawingRequest r;
    r.dataRoot = a.tree;
    r.isHouse = a.isHouse;
    r.congress = a.congress;
    r.rollCall = a.rollCall;
    r.newDataFormat = a.extended;
    r.partner = a.partner;
    // Colours and token case do not change anything the commands print, so a tree without a
    // preferences file is still readable.
    const QString prefs = ResolvePath(a.tree, kPreferencesFile);
    if (QFileInfo::exists(prefs))
        r.preferences = Preferences::Read(prefs);
    return r;
}

int RunReportingErrors(const QString &command, const std::function<int()> &body)
{
    try {
        return body();
    } catch (const FileError &e) {
        Err() << "rollscan-cli " << command << ": " << e.sentence() << " (" << e.path() << ": " << e.description()
              << ")\n";
    } catch (const UndefinedPartyError &e) {
        // The map's sentence names the legislator; the command line adds the file.
        Err() << "rollscan-cli " << command << ": " << e.path() << ": " << e.message() << "\n";
    } catch (const DataError &e) {
        Err() << "rollscan-cli " << command << ": " << e.message() << "\n";
    }
    return kExitBadData;
}

} // namespace rollscan::cli
