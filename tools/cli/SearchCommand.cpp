#include "cli/Command.h"
#include "cli/RollCallArgs.h"

#include "core/app/Session.h"
#include "core/search/BookmarkFile.h"
#include "core/search/RollCallSearch.h"

#include <algorithm>
#include <optional>

namespace rollscan::cli {

namespace {
struct SearchArgs {
    QString tree;
    std::optional<bool> isHouse;
    QList<int> congresses;
    bool extended = false;
    SearchCriteria criteria;
    QString bookmark;
    int kinds = 0; // criteria options given; at most one is allowed
};

std::optional<QList<int>> parseNumbers(const QString &text)
{
    QList<int> out;
    for (const QString &part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int n = part.trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
        out.append(n);
    }
    return out;
}

std::optional<KeywordOperator> parseOperator(const QString &text)
{
    const KeywordOperator op = KeywordOperatorFromText(text.toUpper());
    if (op == KeywordOperator::None)
        return std::nullopt;
    return op;
}

std::optional<SearchArgs> parse(const QStringList &args, QString &error)
{
    SearchArgs a;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        const auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= args.size()) {
                error = arg + QStringLiteral(" needs a value");
                return std::nullopt;
            }
            return args[++i];
        };
        const auto codes = [&](SearchKind kind) {
            const std::optional<QString> v = value();
            if (!v)
                return false;
            const std::optional<QList<int>> list = parseNumbers(*v);
            if (!list) {
                error = QStringLiteral("%1 takes a comma-separated list of codes, not '%2'").arg(arg, *v);
                return false;
            }
            a.criteria.kind = kind;
            a.criteria.codes = *list;
            ++a.kinds;
            return true;
        };
        const auto op = [&](KeywordOperator &target) {
            const std::optional<QString> v = value();
            if (!v)
                return false;
            const std::optional<KeywordOperator> parsed = parseOperator(*v);
            if (!parsed) {
                error = QStringLiteral("%1 takes AND, OR or NOT, not '%2'").arg(arg, *v);
                return false;
            }
            target = *parsed;
            return true;
        };
        const auto text = [&](QString &target) {
            const std::optional<QString> v = value();
            if (v)
                target = *v;
            return v.has_value();
        };

        bool ok = true;
        if (arg == QLatin1String("--house") || arg == QLatin1String("--senate")) {
            const bool house = arg == QLatin1String("--house");
            if (a.isHouse && *a.isHouse != house) {
                error = QStringLiteral("give either --house or --senate");
                return std::nullopt;
            }
            a.isHouse = house;
        } else if (arg == QLatin1String("--congress")) {
            const std::optional<QString> v = value();
            const std::optional<QList<int>> list = v ? parseNumbers(*v) : std::nullopt;
            if (!v)
                return std::nullopt;
            if (!list || std::any_of(list->begin(), list->end(), [](int n) { return n < 1; })) {
                error = QStringLiteral("--congress takes a comma-separated list of congress numbers, not '%1'").arg(*v);
                return std::nullopt;
            }
            a.congresses = *list;
        } else if (arg == QLatin1String("--issue")) {
            ok = codes(SearchKind::Issue);
        } else if (arg == QLatin1String("--clausen")) {
            ok = codes(SearchKind::Clausen);
        } else if (arg == QLatin1String("--peltzman")) {
            ok = codes(SearchKind::Peltzman);
        } else if (arg == QLatin1String("--keyword")) {
            ok = text(a.criteria.keywords.keyword1);
            a.criteria.kind = SearchKind::Keyword;
            ++a.kinds;
        } else if (arg == QLatin1String("--keyword2")) {
            ok = text(a.criteria.keywords.keyword2);
        } else if (arg == QLatin1String("--keyword3")) {
            ok = text(a.criteria.keywords.keyword3);
        } else if (arg == QLatin1String("--op2")) {
            ok = op(a.criteria.keywords.op2);
        } else if (arg == QLatin1String("--op3")) {
            ok = op(a.criteria.keywords.op3);
        } else if (arg == QLatin1String("--bookmark")) {
            ok = text(a.bookmark);
            ++a.kinds;
        } else if (arg == QLatin1String("--extended")) {
            a.extended = true;
        } else if (arg.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("unknown option ") + arg;
            return std::nullopt;
        } else if (a.tree.isEmpty()) {
            a.tree = arg;
        } else {
            error = QStringLiteral("unexpected argument ") + arg;
            return std::nullopt;
        }
        if (!ok)
            return std::nullopt;
    }

    const KeywordCriteria &k = a.criteria.keywords;
    const bool keywordOptions = k.use2() || k.use3() || !k.keyword2.isEmpty() || !k.keyword3.isEmpty();
    if (a.tree.isEmpty())
        error = QStringLiteral("the data tree is missing");
    else if (a.kinds > 1)
        error = QStringLiteral("give one of --issue, --clausen, --peltzman, --keyword and --bookmark");
    else if (keywordOptions && a.criteria.kind != SearchKind::Keyword)
        error = QStringLiteral("--op2, --op3, --keyword2 and --keyword3 go with --keyword");
    else if (a.bookmark.isEmpty() && !a.isHouse)
        error = QStringLiteral("give --house or --senate");
    else if (a.bookmark.isEmpty() && a.congresses.isEmpty())
        error = QStringLiteral("give --congress N[,N...]");
    if (!error.isEmpty())
        return std::nullopt;
    return a;
}

QString isoDate(const TaggedDate &date)
{
    return date.isDate() ? date.date().toString(Qt::ISODate) : QString();
}

int run(const QStringList &args)
{
    QString error;
    const std::optional<SearchArgs> a = parse(args, error);
    if (!a) {
        Err() << "rollscan-cli search: " << error << "\n";
        return kExitUsage;
    }
    return RunReportingErrors(QStringLiteral("search"), [&] {
        Session session(a->tree);
        session.newDataFormat = a->extended;
        session.isHouse = a->isHouse.value_or(true);
        session.selectedCongresses = a->congresses;
        const SearchOutcome outcome =
            a->bookmark.isEmpty() ? RunSearch(session, a->criteria) : LoadBookmarkFile(session, a->bookmark);
        if (outcome.matchCount == 0) {
            Err() << "rollscan-cli search: no matches";
            if (a->bookmark.isEmpty())
                Err() << " (" << SearchSummary(session.isHouse, int(a->congresses.size())) << ")";
            Err() << "\n";
            return kExitOk;
        }
        for (const MatchRow &row : session.MatchTable.rows())
            Out() << row.congress << '\t' << row.rollCall << '\t' << isoDate(row.date) << '\t' << row.yeas << '\t'
                  << row.nays << '\t' << TabField(row.description) << '\n';
        if (outcome.truncated)
            Err() << "rollscan-cli search: " << outcome.message << "\n";
        return kExitOk;
    });
}

const CommandRegistration registration({
    QStringLiteral("search"),
    QStringLiteral("search roll calls and print the match table"),
    QStringLiteral(
        "Usage: rollscan-cli search TREE --house|--senate --congress N[,N...]\n"
        "         [--issue CODES | --clausen CODES | --peltzman CODES |\n"
        "          --keyword K1 [--op2 AND|OR|NOT --keyword2 K2] [--op3 AND|OR|NOT --keyword3 K3] |\n"
        "          --bookmark FILE] [--extended]\n\n"
        "Searches the roll calls of the given congresses, in the order given: all of them, those with one of\n"
        "the subject CODES (a comma-separated list), or those whose texts hold the keywords (upper-cased;\n"
        "--op2 and --op3 tie the second and third keyword to the first). --bookmark lists the roll calls of\n"
        "a bookmark file instead (chamber and congresses are then taken from the file). --extended reads\n"
        "the extended record layouts.\n\n"
        "Prints one line per match: congress, roll-call number, date (YYYY-MM-DD, empty for a text date),\n"
        "yeas, nays and description, separated by tabs. ") +
        QString::fromLatin1(kTabFieldHelp) + QStringLiteral("\nExit status: 0 ok, 1 bad data, 2 bad usage."),
    run,
});
} // namespace

} // namespace rollscan::cli
