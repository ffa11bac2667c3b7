#include "support/TreeBuilder.h"

#include "core/data/Dates.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/ideology/VoteStatistics.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace rollscan;
using rollscan::test::CongressData;
using rollscan::test::TreeBuilder;

namespace {
// The same seven members in every congress of the tree.
CongressData members()
{
    CongressData d;
    d.legislators = {
        TreeBuilder::legislator(QStringLiteral("NORTH D"), 52, 1, 100, 0.1f, 0.1f, 1),  // yea
        TreeBuilder::legislator(QStringLiteral("SOUTH D1"), 51, 1, 100, 0.2f, 0.1f, 2), // nay
        TreeBuilder::legislator(QStringLiteral("SOUTH D2"), 41, 1, 100, 0.3f, 0.1f, 3), // paired yea
        TreeBuilder::legislator(QStringLiteral("NORTH W"), 13, 1, 29, 0.4f, 0.1f, 4),   // yea
        TreeBuilder::legislator(QStringLiteral("SOUTH W"), 44, 1, 29, 0.5f, 0.1f, 5),   // nay
        TreeBuilder::legislator(QStringLiteral("REPUB"), 14, 1, 200, 0.6f, 0.1f, 6),    // present
        TreeBuilder::legislator(QStringLiteral("STRAY"), 14, 2, 555, 0.7f, 0.1f, 7),    // not voting; no party record
    };
    d.voteRows = {"1", "6", "2", "1", "6", "8", "9"};
    return d;
}

class Tree {
public:
    QTemporaryDir dir;
    TreeBuilder builder{dir.path()};
    Tree()
    {
        builder.writeStandardTables();
        for (int congress : {24, 25, 26}) {
            CongressData d = members();
            d.rollCalls = {
                TreeBuilder::rollCall(QStringLiteral("TO PASS"), QDate(CongressSecondYear(congress), 5, 1), 2, 2)};
            builder.addCongress(true, congress, d, true);
        }
        builder.writeIndexes();
    }
    VoteStatistics count(int congress) const { return CountVoteStatistics(dir.path(), true, congress, 1, true); }
};

QStringList rowNames(const VoteStatistics &s)
{
    QStringList out;
    for (const PartyRow &r : PartyRows(s))
        out << r.name;
    return out;
}
} // namespace

class TestStatistics : public QObject {
    Q_OBJECT
    std::unique_ptr<Tree> m_tree;
private slots:
    void initTestCase() { m_tree = std::make_unique<Tree>(); }
    // The saved report, and the printed lines: the same texts, headings emphasised.
    void report()
    {
        const VoteStatistics s = m_tree->count(26);
        const ReportRollCall rc{true, 26, SheetRollCall{1, TaggedDate::FromDate(QDate(1840, 5, 1)), "TO PASS"}};
        const QString path = m_tree->dir.filePath(QStringLiteral("stats.txt"));
        WriteReportFile(path, StatisticsReportLines(rc, s));
        const QByteArray expected = "Rollscan for Windows Roll Call Statistics\r\n"
                                    "-----------------------------------------\r\n"
                                    "May 1, 1840: Roll Call #1\r\n"
                                    "TO PASS\r\n"
                                    "House #26, 1839-1840\r\n"
                                    "\r\n"
                                    "\r\n"
                                    "Party Statistics\r\n"
                                    "----------------\r\n"
                                    "\r\n"
                                    "3   Democrat                  1    1 \r\n"
                                    "1   Northern Democrat         1    0 \r\n"
                                    "2   Southern Democrat         0    1 \r\n"
                                    "1   Republican                0    0 \r\n"
                                    "2   Whig                      1    1 \r\n"
                                    "1   Northern Whig             1    0 \r\n"
                                    "1   Southern Whig             0    1 \r\n"
                                    "\r\n"
                                    "\r\n"
                                    "Voting Statistics\r\n"
                                    "-----------------\r\n"
                                    "\r\n"
                                    "Not Mem:       0 \r\n"
                                    "Yes:           2 \r\n"
                                    "Pair Yes:      1 \r\n"
                                    "Ann. Yes:      0 \r\n"
                                    "Ann. No:       0 \r\n"
                                    "Pair No:       0 \r\n"
                                    "No:            2 \r\n"
                                    "[blank]:       0 \r\n"
                                    "Present:       1 \r\n"
                                    "Not Voting:    1 \r\n";
        QCOMPARE(ReadWholeFile(path), expected);
        const QList<StatisticsPrintedLine> printed = StatisticsPrintedLines(rc, s);
        QStringList texts;
        QList<int> emphasised;
        for (int i = 0; i < printed.size(); ++i) {
            texts << printed[i].text;
            if (printed[i].role == StatisticsLineRole::Heading)
                emphasised << i;
        }
        QCOMPARE(texts, StatisticsReportLines(rc, s));
        QCOMPARE((QList<StatisticsLineRole>{printed[0].role, printed[1].role, printed[4].role}),
                 (QList<StatisticsLineRole>{StatisticsLineRole::Title, StatisticsLineRole::Body,
                                            StatisticsLineRole::Identification}));
        QCOMPARE(emphasised, (QList<int>{7, 19}));
        // Counting votes held in memory gives the counts of the files.
        QList<int> codes;
        for (const QString &row : members().voteRows)
            codes << row.toInt();
        const VoteStatistics a = CountVoteStatistics(members().legislators, codes, TreeBuilder::standardParties(), 26);
        QVERIFY(a.codeCounts == s.codeCounts && a.partyCounts == s.partyCounts && a.southernWhigs == s.southernWhigs);
        QVERIFY_THROWS_EXCEPTION(DataError, CountVoteStatistics(m_tree->dir.path(), true, 26, 2, true));
    }
    // Northern and Southern rows are counted from congress 25 on and shown from 26 on; a party without
    // members has no row, whatever the party file lists.
    void regionalSplit()
    {
        const QStringList plain{"Democrat", "Republican", "Whig"};
        const QStringList split{"Democrat", "Northern Democrat", "Southern Democrat", "Republican",
                                "Whig",     "Northern Whig",     "Southern Whig"};
        for (const auto &[congress, counted, rows] :
             {std::tuple{24, false, plain}, {25, true, plain}, {26, true, split}}) {
            const VoteStatistics s = m_tree->count(congress);
            QCOMPARE(rowNames(s), rows);
            QCOMPARE(s.southernDemocrats.total, counted ? 2 : 0);
            QCOMPARE(s.northernWhigs.total, counted ? 1 : 0);
        }
    }
    void panels()
    {
        const StatisticsPanels p = BuildStatisticsPanels(m_tree->count(26));
        QCOMPARE(p.pnlNum, QStringLiteral(" 3\n1\n2\n  1\n  2\n1\n1"));
        QCOMPARE(p.pnlParty, QStringLiteral(" Democrat\n     Northern Democrat\n     Southern Democrat\n  Republican\n"
                                            "  Whig\n     Northern Whig\n     Southern Whig"));
        QCOMPARE(p.pnlYea, QStringLiteral(" 1\n1\n0\n  0\n  1\n1\n0"));
        QCOMPARE(p.pnlNay, QStringLiteral(" 1\n0\n1\n  0\n  1\n0\n1"));
        QCOMPARE(p.pnlBreakdown, QStringLiteral("0\n  2\n  1\n  0\n  0\n  0\n  2\n  0\n  1\n  1"));
        QCOMPARE(p.partyLines, 7);
    }
};

QTEST_APPLESS_MAIN(TestStatistics)
#include "tst_statistics.moc"
