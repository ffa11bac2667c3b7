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
    void savedReportBytes();
    void crossTabShowsNotApplicable();
    void noLineShowsNotApplicable();
    void notShownColumns_data();
    void notShownColumns();
    void scrollingBox_data();
    void scrollingBox();
    void enclosingParentheses_data();
    void enclosingParentheses();
    void printedPieces_data();
    void printedPieces();
    void printedReportCutsTheDetails();
    void reportLine_data();
    void reportLine();
    void congressYears_data();
    void congressYears();
    void missingDescriptionNamesTheFile();
};

void TestInfo::savedReportBytes()
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
                                "HIDDEN1     \r\n"
                                "HIDDEN2     \r\n"
                                "HIDDEN3     \r\n"
                                "HIDDEN4     \r\n"
                                "HIDDEN5     \r\n"
                                "HIDDEN6     \r\n"
                                "HIDDEN7     \r\n"
                                "HIDDEN8     \r\n"
                                "HIDDEN9     \r\n";
    QCOMPARE(ReadWholeFile(path), expected);
    QCOMPARE(info.infoText(), QStringLiteral("3\n1\n.975"));
}

void TestInfo::crossTabShowsNotApplicable()
{
    Tree tree;
    const RollCallInfo info = LoadRollCallInfo(tree.pass(true), tree.dir.path());
    QCOMPARE(info.preText, QStringLiteral("n/a"));
    QVERIFY(InfoReportLines(info).contains(QStringLiteral("PRE:     n/a")));
    QVERIFY(InfoPrintedLines(info).contains(QStringLiteral("PRE:     n/a")));
    QCOMPARE(info.infoText(), QStringLiteral("3\n1\nn/a"));
}

void TestInfo::noLineShowsNotApplicable()
{
    // Roll call 1 has both spreads 0: no line, so neither errors nor PRE can be counted.
    Tree tree;
    const RollCallInfo info = LoadRollCallInfo(tree.pass(false, 1), tree.dir.path());
    QCOMPARE(info.infoText(), QStringLiteral("0\nn/a\nn/a"));
    const QStringList lines = InfoReportLines(info);
    QCOMPARE(lines.mid(10, 5), (QStringList{QStringLiteral("Yea:      50 "), QStringLiteral("Nay:      50 "),
                                            QStringLiteral("N/A:      0 "), QStringLiteral("Errors:  n/a"),
                                            QStringLiteral("PRE:     n/a")}));
}

void TestInfo::notShownColumns_data()
{
    QTest::addColumn<int>("notShown");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("none") << 0 << 0 << 0;
    QTest::newRow("seven") << 7 << 7 << 0;
    QTest::newRow("eight") << 8 << 7 << 1;
    QTest::newRow("nine") << 9 << 7 << 2;
    QTest::newRow("forty") << 40 << 7 << 33;
}

void TestInfo::notShownColumns()
{
    QFETCH(int, notShown);
    QFETCH(int, first);
    QFETCH(int, second);
    DrawingPass pass;
    for (int i = 1; i <= notShown; ++i)
        pass.NotShownList.append({i, VoteClass::Yea, 9, QStringLiteral("M%1").arg(i).leftJustified(12)});
    const RollCallInfo info = BuildRollCallInfo(pass, Description{}, ReportRollCall{});
    QCOMPARE(info.column1.size(), first);
    QCOMPARE(info.column2.size(), second);
    if (notShown > 0)
        QCOMPARE(info.column1.first(), QStringLiteral("M1          "));
    const QStringList lines = InfoReportLines(info);
    // An empty column keeps its line in the report.
    QCOMPARE(lines.size(), 31 + std::max(first, 1) + std::max(second, 1));
}

void TestInfo::scrollingBox_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("scrolling");
    QTest::newRow("469") << 469 << false;
    QTest::newRow("470") << 470 << true;
    QTest::newRow("empty") << 0 << false;
}

void TestInfo::scrollingBox()
{
    QFETCH(int, length);
    QFETCH(bool, scrolling);
    Description d;
    d.text = text(length);
    const RollCallInfo info = BuildRollCallInfo(DrawingPass{}, d, ReportRollCall{});
    QCOMPARE(info.scrolling, scrolling);
    QCOMPARE(info.details.size(), length);
}

void TestInfo::enclosingParentheses_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("enclosed") << "(TO PASS)"
                              << "TO PASS";
    QTest::newRow("only opening") << "(TO PASS"
                                  << "(TO PASS";
    QTest::newRow("only closing") << "TO PASS)"
                                  << "TO PASS)";
    QTest::newRow("inner parentheses stay") << "A (B) C"
                                            << "A (B) C";
    QTest::newRow("empty pair") << "()"
                                << "";
    QTest::newRow("lone parenthesis") << "("
                                      << "(";
}

void TestInfo::enclosingParentheses()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QCOMPARE(DetailsText(stored), shown);
}

void TestInfo::printedPieces_data()
{
    QTest::addColumn<QString>("details");
    QTest::addColumn<QStringList>("pieces");
    const QString a80 = text(80, QLatin1Char('a'));
    const QString b80 = text(79, QLatin1Char('b')) + QLatin1Char(' ');
    const QString c40 = text(40, QLatin1Char('c'));
    QTest::newRow("200 characters: 80, 80 and 40") << a80 + b80 + c40 << QStringList{a80 + "-", b80, c40};
    QTest::newRow("shorter than a line") << c40 << QStringList{c40};
    QTest::newRow("exactly one line") << a80 << QStringList{a80};
    QTest::newRow("exactly two lines") << a80 + a80 << QStringList{a80 + "-", a80};
    QTest::newRow("empty") << QString() << QStringList{QString()};
}

void TestInfo::printedPieces()
{
    QFETCH(QString, details);
    QFETCH(QStringList, pieces);
    QCOMPARE(SplitForPrint(details), pieces);
}

void TestInfo::printedReportCutsTheDetails()
{
    const QString details = text(80, QLatin1Char('a')) + text(80, QLatin1Char('b')) + text(40, QLatin1Char('c'));
    Tree tree(details);
    const RollCallInfo info = LoadRollCallInfo(tree.pass(), tree.dir.path());
    const QStringList saved = InfoReportLines(info);
    const QStringList printed = InfoPrintedLines(info);
    const qsizetype at = saved.indexOf(details);
    QVERIFY(at > 0);
    QCOMPARE(printed.mid(0, at), saved.mid(0, at));
    QCOMPARE(printed.mid(at, 3), (QStringList{text(80, QLatin1Char('a')) + "-", text(80, QLatin1Char('b')) + "-",
                                              text(40, QLatin1Char('c'))}));
    QCOMPARE(printed.mid(at + 3), saved.mid(at + 1));
}

void TestInfo::reportLine_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("line");
    QTest::newRow("padded to column 10") << "Yea:" << 60 << "Yea:      60 ";
    QTest::newRow("zero") << "Yea:" << 0 << "Yea:      0 ";
    QTest::newRow("negative has no leading blank") << "N/A:" << -3 << "N/A:     -3 ";
    QTest::newRow("text ending just before the column") << "Ann. Yes:" << 1 << "Ann. Yes: 1 ";
    QTest::newRow("text past the column") << "Not Voting here:" << 12 << "Not Voting here:  12 ";
}

void TestInfo::reportLine()
{
    QFETCH(QString, start);
    QFETCH(int, number);
    QFETCH(QString, line);
    QCOMPARE(QString(ReportLine(start).tab(10).number(number)), line);
}

void TestInfo::congressYears_data()
{
    QTest::addColumn<bool>("isHouse");
    QTest::addColumn<int>("congress");
    QTest::addColumn<QString>("line");
    QTest::newRow("first congress") << true << 1 << "House #1, 1789-1790";
    QTest::newRow("106th Senate") << false << 106 << "Senate #106, 1999-2000";
    QTest::newRow("101st House") << true << 101 << "House #101, 1989-1990";
}

void TestInfo::congressYears()
{
    QFETCH(bool, isHouse);
    QFETCH(int, congress);
    QFETCH(QString, line);
    ReportRollCall rc{isHouse, congress, SheetRollCall{7, TaggedDate::FromDate(QDate(1789, 4, 1)), "X"}};
    QCOMPARE(rc.headingLines().value(2), line);
    QCOMPARE(rc.headingLines().value(0), QStringLiteral("April 1, 1789: Roll Call #7"));
}

void TestInfo::missingDescriptionNamesTheFile()
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

QTEST_APPLESS_MAIN(TestInfo)
#include "tst_info.moc"
