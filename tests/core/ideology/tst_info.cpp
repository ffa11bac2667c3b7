#include "support/TreeBuilder.h"

#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/ideology/DrawingPass.h"
#include "core/ideology/ReportLine.h"
#include "core/ideology/RollCallInfo.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;
using rollscan::test::CongressData;
using rollscan::test::TreeBuilder;

namespace {
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

struct Tree {
    QTemporaryDir dir;
    TreeBuilder builder{dir.path()};
    explicit Tree(const QString &detailText = QStringLiteral("(TO PASS THE BILL.)"))
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

QString text(int length, QChar fill = QLatin1Char('x'))
{
    return QString(length, fill);
}
} // namespace

class TestInfo : public QObject {
    Q_OBJECT
private slots:
    void savedReportBytes()
    {
        Tree tree;
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
        Tree tree;
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
            d.text = text(length);
            const RollCallInfo info = BuildRollCallInfo(DrawingPass{}, d, ReportRollCall{});
            QCOMPARE(info.scrolling, length == 470);
            QCOMPARE(info.details.size(), length);
        }
        QCOMPARE(SplitForPrint(QString()), QStringList{QString()});
    }
    void printedReportCutsTheDetails()
    {
        const QString details =
            text(80, QLatin1Char('a')) + text(79, QLatin1Char('b')) + " " + text(40, QLatin1Char('c'));
        Tree tree(details);
        const RollCallInfo info = LoadRollCallInfo(tree.pass(), tree.dir.path());
        const QStringList saved = InfoReportLines(info);
        const QStringList printed = InfoPrintedLines(info);
        const qsizetype at = saved.indexOf(details);
        QVERIFY(at > 0);
        QCOMPARE(printed.mid(0, at), saved.mid(0, at));
        QCOMPARE(printed.mid(at, 3), (QStringList{text(80, QLatin1Char('a')) + "-", text(79, QLatin1Char('b')) + " ",
                                                  text(40, QLatin1Char('c'))}));
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
        Tree tree;
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

QTEST_APPLESS_MAIN(TestInfo)
#include "tst_info.moc"
