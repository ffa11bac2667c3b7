#include "cli/AnalysisArgs.h"

namespace rollscan::cli {

namespace {
std::optional<QList<int>> numbers(const QString &text)
{
    QList<int> out;
    for (const QString &part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int n = part.trimmed().toInt(&ok);
        if (!ok || n < 1)
            return std::nullopt;
        out.append(n);
    }
    return out;
}

// Items are read once the congresses are known, since a plain R belongs to the first of them.
std::optional<QList<RollCallRef>> items(const QString &text, int firstCongress)
{
    QList<RollCallRef> out;
    for (const QString &part : text.split(QLatin1Char(','))) {
        const QStringList pieces = part.trimmed().split(QLatin1Char(':'));
        if (pieces.size() > 2)
            return std::nullopt;
        const std::optional<QList<int>> values = numbers(pieces.join(QLatin1Char(',')));
        if (!values)
            return std::nullopt;
        out.append(values->size() == 2 ? RollCallRef{values->at(0), values->at(1)}
                                       : RollCallRef{firstCongress, values->at(0)});
    }
    return out;
}
// What the options say, before the roll-call items can be read.
struct Options {
    std::optional<bool> house;
    QString rolls, nays, members;
};

bool scan(const QStringList &args, bool withMembers, AnalysisArgs &a, Options &o, QString &error)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        const auto value = [&](QString &target) {
            if (i + 1 >= args.size()) {
                error = arg + QStringLiteral(" needs a value");
                return false;
            }
            target = args[++i];
            return true;
        };
        bool ok = true;
        if (arg == QLatin1String("--house") || arg == QLatin1String("--senate")) {
            const bool isHouse = arg == QLatin1String("--house");
            if (o.house && *o.house != isHouse) {
                error = QStringLiteral("give either --house or --senate");
                return false;
            }
            o.house = isHouse;
        } else if (arg == QLatin1String("--congress")) {
            QString text;
            ok = value(text);
            const std::optional<QList<int>> list = ok ? numbers(text) : std::nullopt;
            if (ok && !list) {
                error =
                    QStringLiteral("--congress takes a comma-separated list of congress numbers, not '%1'").arg(text);
                return false;
            }
            if (list)
                a.congresses = *list;
        } else if (arg == QLatin1String("--rolls")) {
            ok = value(o.rolls);
        } else if (arg == QLatin1String("--nay")) {
            ok = value(o.nays);
        } else if (withMembers && arg == QLatin1String("--member")) {
            ok = value(o.members);
        } else if (arg == QLatin1String("--csv")) {
            ok = value(a.csvFile);
        } else if (arg == QLatin1String("--text")) {
            ok = value(a.textFile);
        } else if (arg == QLatin1String("--extended")) {
            a.extended = true;
        } else if (arg.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("unknown option ") + arg;
            return false;
        } else if (a.tree.isEmpty()) {
            a.tree = arg;
        } else {
            error = QStringLiteral("unexpected argument ") + arg;
            return false;
        }
        if (!ok)
            return false;
    }
    return true;
}

// The queue, its nay sides and the members, read once the congresses are known.
bool readItems(AnalysisArgs &a, const Options &o, QString &error)
{
    const std::optional<QList<RollCallRef>> queue = items(o.rolls, a.congresses.first());
    const std::optional<QList<RollCallRef>> nayItems = o.nays.isEmpty()
                                                           ? std::optional<QList<RollCallRef>>(QList<RollCallRef>())
                                                           : items(o.nays, a.congresses.first());
    const std::optional<QList<int>> ids =
        o.members.isEmpty() ? std::optional<QList<int>>(QList<int>()) : numbers(o.members);
    if (!queue)
        error = QStringLiteral("--rolls takes a comma-separated list of N:R or R, not '%1'").arg(o.rolls);
    else if (!nayItems)
        error = QStringLiteral("--nay takes a comma-separated list of N:R or R, not '%1'").arg(o.nays);
    else if (!ids)
        error = QStringLiteral("--member takes a comma-separated list of member ids, not '%1'").arg(o.members);
    if (!error.isEmpty())
        return false;
    a.rolls = *queue;
    a.nays = *nayItems;
    for (int id : *ids)
        a.members.append(id);
    for (const RollCallRef &nay : a.nays) {
        const bool queued = std::any_of(a.rolls.begin(), a.rolls.end(), [&](const RollCallRef &r) {
            return r.congress == nay.congress && r.rollCall == nay.rollCall;
        });
        if (!queued) {
            error =
                QStringLiteral("--nay names %1:%2, which --rolls does not queue").arg(nay.congress).arg(nay.rollCall);
            return false;
        }
    }
    return true;
}
} // namespace

std::optional<AnalysisArgs> ParseAnalysisArgs(const QStringList &args, bool withMembers, QString &error)
{
    AnalysisArgs a;
    Options o;
    if (!scan(args, withMembers, a, o, error))
        return std::nullopt;
    if (a.tree.isEmpty())
        error = QStringLiteral("the data tree is missing");
    else if (!o.house)
        error = QStringLiteral("give --house or --senate");
    else if (a.congresses.isEmpty())
        error = QStringLiteral("give --congress N[,N...]");
    else if (o.rolls.isEmpty())
        error = QStringLiteral("give --rolls ITEMS");
    else if (withMembers && o.members.isEmpty())
        error = QStringLiteral("give --member ID[,ID...]");
    if (!error.isEmpty())
        return std::nullopt;
    a.isHouse = *o.house;

    if (!readItems(a, o, error))
        return std::nullopt;
    return a;
}

} // namespace rollscan::cli
