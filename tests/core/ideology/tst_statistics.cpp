// The side windows' reports: roll-call statistics by party and vote code, and the roll-call
// information (counts, errors, PRE, details and the legislators not shown).
#include "support/TreeBuilder.h"

#include "core/data/Dates.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/ideology/DrawingPass.h"
#include "core/ideology/ReportLine.h"
#include "core/ideology/RollCallInfo.h"
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
// House 101, roll call 2: one legislator on the map (a yea on the nay side) and nine without
// coordinates; the record's tallies are 60, 40 and 3.
CongressData house101(const QString &detailText)
{
    CongressData d;
    d.legislators << TreeBuilder::legislator(QStringLiteral("SHOWN"), 13, 1, 100, 0.5f, 0.0f, 500);
    d.voteRows << QStringLiteral("11");
    for (int i = 1; i <= 9; ++i) {
        d.legislators << TreeBuilder::legislator(QStringLiteral("HIDDEN%1").arg(i), 13, i + 1, 200, 0.0f, 0.0f, i);
        d.voteRows << QStringLiteral("96");
    }
    RollCall first = TreeBuilder::rollCall(QStringLiteral("TO ADJOURN"), QDate(1989, 3, 14), 50, 50);
    RollCall second = TreeBuilder::rollCall(QStringLiteral("TO PASS H.R. 1234"), QDate(1989, 3, 15), 60, 40, 0.2f);
    second.infoNotVoting = 3;
    d.rollCalls = {first, second};
    Description plain;
    plain.text = QStringLiteral("ADJOURN");
    Description detailed;
    detailed.header = {QStringLiteral("HR1234"), QStringLiteral("PASSED"), QStringLiteral("Y"), QStringLiteral("12/3"),
                       QStringLiteral("SMITH (D-NY)")};
    detailed.text = detailText;
    d.descriptions = {plain, detailed};
    return d;
}

struct InfoTree {
    QTemporaryDir dir;
    TreeBuilder builder{dir.path()};
    explicit InfoTree(const QString &detailText = QStringLiteral("(TO PASS THE BILL.)"))
    {
        builder.writeStandardTables();
        builder.addCongress(true, 101, house101(detailText), true);
        builder.writeIndexes();
    }
    DrawingPass pass(bool crossTab = false, int rollCall = 2) const
    {
        DrawingRequest r;
        r.dataRoot = dir.path();
        r.congress = 101;
        r.rollCall = rollCall;
        if (crossTab)
            r.partner = PartnerRollCall{101, 1};
        return RunDrawingPass(r);
    }
};

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
    void infoReport()
    {
        InfoTree tree;
        const RollCallInfo info = LoadRollCallInfo(tree.pass(), tree.dir.path());
        const QString path = tree.dir.filePath(QStringLiteral("info.txt"));
        WriteReportFile(path, InfoReportLines(info));

        const QByteArray expected = "Rollscan for Windows Roll Call Information\r\n"
                                    "------------------------------------------\r\n"
                                    "March 15, 1989: Roll Call #2\r\n"
                                    "TO PASS H.R. 1234\r\n"
                                    "House #101, 1989-1990\r\n"
                                    "\r\n"
                                    "\r\n"
                                    "Roll Call Information\r\n"
                                    "---------------------\r\n"
                                    "\r\n"
                                    "Yea:      60 \r\n"
                                    "Nay:      40 \r\n"
                                    "N/A:      3 \r\n"
                                    "Errors:   1 \r\n"
                                    "PRE:     .975\r\n"
                                    "\r\n"
                                    "\r\n"
                                    "Details\r\n"
                                    "-------\r\n"
                                    "\r\n"
                                    "HR1234       \r\n"
                                    "PASSED     \r\n"
                                    "Y      \r\n"
                                    "12/3    \r\n"
                                    "SMITH (D-NY)       \r\n"
                                    "TO PASS THE BILL.\r\n"
                                    "\r\n"
                                    "\r\n"
                                    "Legislators Not Shown\r\n"
                                    "---------------------\r\n"
                                    "\r\n"
                                    "HIDDEN1     \r\nHIDDEN2     \r\nHIDDEN3     \r\nHIDDEN4     \r\nHIDDEN5     \r\n"
                                    "HIDDEN6     \r\nHIDDEN7     \r\nHIDDEN8     \r\nHIDDEN9     \r\n";
        QCOMPARE(ReadWholeFile(path), expected);
        QCOMPARE(info.infoText(), QStringLiteral("3\n1\n.975"));
    }
    // A cross-tab has no PRE; a roll call without a line (both spreads 0) has neither errors nor PRE.
    void notApplicable()
    {
        InfoTree tree;
        const RollCallInfo cross = LoadRollCallInfo(tree.pass(true), tree.dir.path());
        QCOMPARE(cross.infoText(), QStringLiteral("3\n1\nn/a"));
        QVERIFY(InfoPrintedLines(cross).contains(QStringLiteral("PRE:     n/a")));
        const RollCallInfo noLine = LoadRollCallInfo(tree.pass(false, 1), tree.dir.path());
        QCOMPARE(noLine.infoText(), QStringLiteral("0\nn/a\nn/a"));
        QCOMPARE(InfoReportLines(noLine).mid(10, 5),
                 (QStringList{"Yea:      50 ", "Nay:      50 ", "N/A:      0 ", "Errors:  n/a", "PRE:     n/a"}));
    }
    // Legislators not shown fill a column of seven, then the second; an empty column keeps its line.
    void notShownColumns()
    {
        for (const auto &[notShown, first, second] : {std::tuple{0, 0, 0}, {7, 7, 0}, {8, 7, 1}, {40, 7, 33}}) {
            DrawingPass pass;
            for (int i = 1; i <= notShown; ++i)
                pass.NotShownList.append({i, VoteClass::Yea, 9, QStringLiteral("M%1").arg(i).leftJustified(12)});
            const RollCallInfo info = BuildRollCallInfo(pass, Description{}, ReportRollCall{});
            QCOMPARE(info.column1.size(), first);
            QCOMPARE(info.column2.size(), second);
            QCOMPARE(InfoReportLines(info).size(), 31 + std::max(first, 1) + std::max(second, 1));
        }
    }
    // Enclosing parentheses are dropped, a long text scrolls, and printing cuts it into lines of 80.
    void detailsText()
    {
        for (const auto &[stored, shown] : {std::pair{"(TO PASS)", "TO PASS"},
                                            {"(TO PASS", "(TO PASS"},
                                            {"A (B) C", "A (B) C"},
                                            {"()", ""},
                                            {"(", "("}})
            QCOMPARE(DetailsText(QString::fromLatin1(stored)), QString::fromLatin1(shown));
        for (const int length : {0, 469, 470}) {
            Description d;
            d.text = QString(length, QLatin1Char('x'));
            const RollCallInfo info = BuildRollCallInfo(DrawingPass{}, d, ReportRollCall{});
            QCOMPARE(info.scrolling, length == 470);
            QCOMPARE(info.details.size(), length);
        }
        QCOMPARE(SplitForPrint(QString()), QStringList{QString()});
    }
    void printedReportCutsTheDetails()
    {
        const QString details =
            QString(80, QLatin1Char('a')) + QString(79, QLatin1Char('b')) + " " + QString(40, QLatin1Char('c'));
        InfoTree tree(details);
        const RollCallInfo info = LoadRollCallInfo(tree.pass(), tree.dir.path());
        const QStringList saved = InfoReportLines(info);
        const QStringList printed = InfoPrintedLines(info);
        const qsizetype at = saved.indexOf(details);
        QVERIFY(at > 0);
        QCOMPARE(printed.mid(0, at), saved.mid(0, at));
        QCOMPARE(printed.mid(at, 3), (QStringList{QString(80, QLatin1Char('a')) + "-",
                                                  QString(79, QLatin1Char('b')) + " ", QString(40, QLatin1Char('c'))}));
        QCOMPARE(printed.mid(at + 3), saved.mid(at + 1));
    }
    void reportLines()
    {
        // Numbers stand at column 10 with a blank for the sign, or after the text when it is longer.
        const QList<std::tuple<const char *, int, const char *>> lines = {
            {"Yea:", 60, "Yea:      60 "},
            {"N/A:", -3, "N/A:     -3 "},
            {"Ann. Yes:", 1, "Ann. Yes: 1 "},
            {"Not Voting here:", 12, "Not Voting here:  12 "}};
        for (const auto &[start, number, line] : lines)
            QCOMPARE(QString(ReportLine(QString::fromLatin1(start)).tab(10).number(number)), QString::fromLatin1(line));
        ReportRollCall senate{false, 106, SheetRollCall{7, TaggedDate::FromDate(QDate(1999, 4, 1)), "X"}};
        QCOMPARE(senate.headingLines().value(2), QStringLiteral("Senate #106, 1999-2000"));
    }
    void missingDescriptionNamesTheFile()
    {
        InfoTree tree;
        QVERIFY(QFile::remove(tree.builder.path(QStringLiteral("house/101.dbn"))));
        // The details are not left blank in silence: the error names the missing file.
        try {
            LoadRollCallInfo(tree.pass(), tree.dir.path());
            QFAIL("a missing description file was not reported");
        } catch (const FileError &e) {
            QCOMPARE(e.number(), FileErrorNumber::NotFound);
            QCOMPARE(e.path(), tree.builder.path(QStringLiteral("house/101.dbn")));
        }
    }
};

QTEST_APPLESS_MAIN(TestStatistics)
#include "tst_statistics.moc"
