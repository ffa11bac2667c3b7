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

// Reads the options one at a time; each reader leaves the reason in `error` when it refuses.
class SearchArgsParser {
public:
    SearchArgsParser(const QStringList &args, QString &error) : m_args(args), m_error(error) {}

    std::optional<SearchArgs> parse()
    {
        for (m_i = 0; m_i < m_args.size(); ++m_i)
            if (!option(m_args[m_i]))
                return std::nullopt;
        if (!check())
            return std::nullopt;
        return m_a;
    }

private:
    // The value after the option at m_i, which it then steps over.
    std::optional<QString> value(const QString &arg)
    {
        if (m_i + 1 >= m_args.size()) {
            m_error = arg + QStringLiteral(" needs a value");
            return std::nullopt;
        }
        return m_args[++m_i];
    }

    bool codes(const QString &arg, SearchKind kind)
    {
        const std::optional<QString> v = value(arg);
        if (!v)
            return false;
        const std::optional<QList<int>> list = parseNumbers(*v);
        if (!list) {
            m_error = QStringLiteral("%1 takes a comma-separated list of codes, not '%2'").arg(arg, *v);
            return false;
        }
        m_a.criteria.kind = kind;
        m_a.criteria.codes = *list;
        ++m_a.kinds;
        return true;
    }

    bool op(const QString &arg, KeywordOperator &target)
    {
        const std::optional<QString> v = value(arg);
        if (!v)
            return false;
        const std::optional<KeywordOperator> parsed = parseOperator(*v);
        if (!parsed) {
            m_error = QStringLiteral("%1 takes AND, OR or NOT, not '%2'").arg(arg, *v);
            return false;
        }
        target = *parsed;
        return true;
    }

    bool text(const QString &arg, QString &target)
    {
        const std::optional<QString> v = value(arg);
        if (v)
            target = *v;
        return v.has_value();
    }

    bool chamber(const QString &arg)
    {
        const bool house = arg == QLatin1String("--house");
        if (m_a.isHouse && *m_a.isHouse != house) {
            m_error = QStringLiteral("give either --house or --senate");
            return false;
        }
        m_a.isHouse = house;
        return true;
    }

    bool congresses(const QString &arg)
    {
        const std::optional<QString> v = value(arg);
        const std::optional<QList<int>> list = v ? parseNumbers(*v) : std::nullopt;
        if (!v)
            return false;
        if (!list || std::any_of(list->begin(), list->end(), [](int n) { return n < 1; })) {
            m_error = QStringLiteral("--congress takes a comma-separated list of congress numbers, not '%1'").arg(*v);
            return false;
        }
        m_a.congresses = *list;
        return true;
    }

    bool option(const QString &arg)
    {
        if (arg == QLatin1String("--house") || arg == QLatin1String("--senate"))
            return chamber(arg);
        if (arg == QLatin1String("--congress"))
            return congresses(arg);
        if (arg == QLatin1String("--issue"))
            return codes(arg, SearchKind::Issue);
        if (arg == QLatin1String("--clausen"))
            return codes(arg, SearchKind::Clausen);
        if (arg == QLatin1String("--peltzman"))
            return codes(arg, SearchKind::Peltzman);
        if (arg == QLatin1String("--keyword")) {
            const bool ok = text(arg, m_a.criteria.keywords.keyword1);
            m_a.criteria.kind = SearchKind::Keyword;
            ++m_a.kinds;
            return ok;
        }
        if (arg == QLatin1String("--keyword2"))
            return text(arg, m_a.criteria.keywords.keyword2);
        if (arg == QLatin1String("--keyword3"))
            return text(arg, m_a.criteria.keywords.keyword3);
        if (arg == QLatin1String("--op2"))
            return op(arg, m_a.criteria.keywords.op2);
        if (arg == QLatin1String("--op3"))
            return op(arg, m_a.criteria.keywords.op3);
        if (arg == QLatin1String("--bookmark")) {
            const bool ok = text(arg, m_a.bookmark);
            ++m_a.kinds;
            return ok;
        }
        if (arg == QLatin1String("--extended")) {
            m_a.extended = true;
            return true;
        }
        if (arg.startsWith(QLatin1String("--"))) {
            m_error = QStringLiteral("unknown option ") + arg;
            return false;
        }
        if (!m_a.tree.isEmpty()) {
            m_error = QStringLiteral("unexpected argument ") + arg;
            return false;
        }
        m_a.tree = arg;
        return true;
    }

    // What the options say only together.
    bool check()
    {
        const KeywordCriteria &k = m_a.criteria.keywords;
        const bool keywordOptions = k.use2() || k.use3() || !k.keyword2.isEmpty() || !k.keyword3.isEmpty();
        if (m_a.tree.isEmpty())
            m_error = QStringLiteral("the data tree is missing");
        else if (m_a.kinds > 1)
            m_error = QStringLiteral("give one of --issue, --clausen, --peltzman, --keyword and --bookmark");
        else if (keywordOptions && m_a.criteria.kind != SearchKind::Keyword)
            m_error = QStringLiteral("--op2, --op3, --keyword2 and --keyword3 go with --keyword");
        else if (m_a.bookmark.isEmpty() && !m_a.isHouse)
            m_error = QStringLiteral("give --house or --senate");
        else if (m_a.bookmark.isEmpty() && m_a.congresses.isEmpty())
            m_error = QStringLiteral("give --congress N[,N...]");
        return m_error.isEmpty();
    }

    const QStringList &m_args;
    QString &m_error;
    qsizetype m_i = 0;
    SearchArgs m_a;
};

std::optional<SearchArgs> parse(const QStringList &args, QString &error)
{
    return SearchArgsParser(args, error).parse();
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
