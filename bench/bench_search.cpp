// Search speed against the time to read the same files once.
//
//   bench_search [--synthetic DIR] [SAMPLE_TREE]
//
// Writes a synthetic full-history House tree (115 congresses of about 440 members and 600-1000 roll
// calls each, with descriptions, extended layouts) into a temporary folder, then times a chronological
// search, a subject-code search and a three-keyword search over it, each next to a plain read of the
// files that search opens. With SAMPLE_TREE (a tree in extended layouts, such as the bundled sample)
// the same searches run over every congress of both chambers found there. --synthetic keeps the
// synthetic tree in DIR and reuses it when DIR already holds one.
#include "BenchSupport.h"
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/CongressIndex.h"
#include "core/data/DataTree.h"
#include "core/data/FileIO.h"
#include "core/search/MatchTable.h"
#include "core/search/RollCallSearch.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

using namespace rollscan;
using namespace rollscan::bench;
using rollscan::test::CongressData;
using rollscan::test::TreeBuilder;

namespace {
constexpr int kCongresses = 115;

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

const QStringList &words()
{
    static const QStringList w = {
        "TAX",    "FARM",    "BILL",     "AMENDMENT",      "PASS",        "DEFENSE",  "BUDGET", "RESOLUTION",
        "MOTION", "TABLE",   "RECOMMIT", "APPROPRIATIONS", "AGRICULTURE", "INCOME",   "TARIFF", "NAVY",
        "ARMY",   "PENSION", "CLAIM",    "RAILROAD",       "BANK",        "CURRENCY", "TREATY", "INDIAN",
        "LAND",   "POSTAL",  "ROADS",    "HARBORS",        "RIVERS",      "CUSTOMS",  "SILVER", "GOLD"};
    return w;
}

QString phrase(QRandomGenerator &rng, int minWords, int maxWords)
{
    const int n = int(rng.bounded(minWords, maxWords + 1));
    QStringList parts;
    for (int i = 0; i < n; ++i)
        parts.append(words()[int(rng.bounded(int(words().size())))]);
    return parts.join(QLatin1Char(' '));
}

void writeSyntheticTree(const QString &root)
{
    QRandomGenerator rng(1789);
    TreeBuilder tree(root);
    tree.writeStandardTables();
    for (int congress = 1; congress <= kCongresses; ++congress) {
        CongressData d;
        const int members = int(rng.bounded(430, 451));
        const int rollCalls = int(rng.bounded(600, 1001));
        for (int m = 1; m <= members; ++m)
            d.legislators.append(TreeBuilder::legislator(QStringLiteral("MEMBER %1").arg(m), 1 + m % 50, m % 20,
                                                         m % 2 ? 100 : 200, float(rng.bounded(2.0) - 1.0),
                                                         float(rng.bounded(2.0) - 1.0), 10000 + m));
        const QDate start(2 * congress + 1787, 3, 4);
        for (int r = 1; r <= rollCalls; ++r) {
            RollCall rc = TreeBuilder::rollCall(phrase(rng, 2, 8).left(60), start.addDays(r / 3), int(rng.bounded(400)),
                                                int(rng.bounded(400)));
            rc.issueCode = qint16(rng.bounded(1, 100));
            rc.issueCode2 = qint16(rng.bounded(0, 100));
            rc.clausenCode = qint16(rng.bounded(1, 7));
            rc.peltzmanCode1 = qint16(rng.bounded(1, 14));
            rc.peltzmanCode2 = qint16(rng.bounded(0, 14));
            d.rollCalls.append(rc);
            Description desc;
            desc.header = {QStringLiteral("H.R. %1").arg(r), QStringLiteral("%1-%2").arg(congress).arg(r),
                           QStringLiteral("YEA"), QStringLiteral("PASSED"),
                           QStringLiteral("MR. MEMBER %1").arg(r % 400)};
            desc.text = phrase(rng, 15, 60);
            // A few rare subjects, so that a keyword search reads everything and finds a little.
            if (rng.bounded(100) < 2)
                desc.text += QStringLiteral(" TOBACCO");
            if (rng.bounded(100) < 1)
                desc.text += QStringLiteral(" SUGAR");
            d.descriptions.append(desc);
        }
        QByteArray row(rollCalls, '1');
        for (int m = 0; m < members; ++m) {
            for (int r = 0; r < rollCalls; ++r)
                row[r] = char('0' + rng.bounded(10));
            d.voteRows.append(QString::fromLatin1(row));
        }
        tree.addCongress(true, congress, d, true);
    }
    tree.writeIndexes();
}

double readOnce(const QString &root, bool isHouse, const QList<int> &congresses, const QStringList &extensions)
{
    return bestMs([&] {
        qint64 bytes = 0;
        for (int c : congresses)
            for (const QString &ext : extensions)
                bytes += ReadWholeFile(CongressFileName(root, isHouse, c, ext)).size();
        if (bytes < 0)
            out() << "impossible\n";
    });
}

void measure(const QString &label, const QString &root, bool isHouse, const QList<int> &congresses,
             const SearchCriteria &criteria)
{
    Session session(root);
    session.isHouse = isHouse;
    session.newDataFormat = true;
    session.selectedCongresses = congresses;
    SearchOutcome outcome;
    const double search = bestMs([&] { outcome = RunSearch(session, criteria); });

    // A search stopped by the table's limit read only the congresses up to the last one it reached.
    QList<int> read = congresses;
    if (outcome.truncated)
        read = congresses.mid(0, congresses.indexOf(session.currentCongress) + 1);
    QStringList extensions = {QStringLiteral(".rif")};
    if (criteria.kind == SearchKind::Keyword)
        extensions << QStringLiteral(".din") << QStringLiteral(".dbn");
    const double baseline = readOnce(root, isHouse, read, extensions);
    out() << QStringLiteral("%1  %2 congresses read, %3 matches%4: search %5 ms, read once %6 ms, ratio %7\n")
                 .arg(label.leftJustified(44))
                 .arg(read.size(), 3)
                 .arg(outcome.matchCount, 5)
                 .arg(outcome.truncated ? QStringLiteral(" (table full)") : QString())
                 .arg(search, 0, 'f', 2)
                 .arg(baseline, 0, 'f', 2)
                 .arg(search / baseline, 0, 'f', 2);
    out().flush();
}

SearchCriteria threeKeywords()
{
    SearchCriteria c;
    c.kind = SearchKind::Keyword;
    c.keywords.keyword1 = QStringLiteral("TOBACCO");
    c.keywords.op2 = KeywordOperator::Or;
    c.keywords.keyword2 = QStringLiteral("SUGAR");
    c.keywords.op3 = KeywordOperator::Not;
    c.keywords.keyword3 = QStringLiteral("AMENDMENT");
    return c;
}

void measureTree(const QString &name, const QString &root, bool isHouse, const QList<int> &congresses)
{
    if (congresses.isEmpty())
        return;
    // The longest run of congresses from the first whose roll calls all fit the table.
    QList<int> fitting;
    int rows = 0;
    for (int c : congresses) {
        rows += LoadCongressCounts(root, isHouse, c).rollCallCount;
        if (rows > MatchTable::kMaxRows)
            break;
        fitting.append(c);
    }
    SearchCriteria chronological;
    SearchCriteria issue;
    issue.kind = SearchKind::Issue;
    issue.codes = {7, 42};
    measure(name + QStringLiteral(": chronological, all"), root, isHouse, congresses, chronological);
    if (fitting.size() < congresses.size())
        measure(name + QStringLiteral(": chronological, fitting the table"), root, isHouse, fitting, chronological);
    measure(name + QStringLiteral(": issue codes 7, 42"), root, isHouse, congresses, issue);
    measure(name + QStringLiteral(": TOBACCO or SUGAR, not AMENDMENT"), root, isHouse, congresses, threeKeywords());
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QTemporaryDir temporary;
    QString synthetic = temporary.path();
    const qsizetype keep = args.indexOf(QStringLiteral("--synthetic"));
    if (keep >= 0 && keep + 1 < args.size()) {
        synthetic = args.at(keep + 1);
        args.remove(keep, 2);
    }
    if (!QFileInfo::exists(CongressIndexFileName(synthetic, true))) {
        out() << "Writing the synthetic tree..." << Qt::endl;
        QElapsedTimer t;
        t.start();
        writeSyntheticTree(synthetic);
        out() << QStringLiteral("  written in %1 s\n").arg(double(t.elapsed()) / 1000.0, 0, 'f', 1);
    }
    QList<int> all;
    for (int c = 1; c <= kCongresses; ++c)
        all.append(c);
    measureTree(QStringLiteral("synthetic House"), synthetic, true, all);

    if (!args.isEmpty()) {
        Session sample(args.first());
        sample.findCongresses();
        measureTree(QStringLiteral("sample House"), sample.dataRoot, true, sample.houseList);
        measureTree(QStringLiteral("sample Senate"), sample.dataRoot, false, sample.senateList);
    }
    return 0;
}
