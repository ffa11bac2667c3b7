// rollscan-cli rollcall, info, stats and crosstab, run as a separate program over trees written
// for the test.
#include "support/CliRun.h"
#include "support/TreeBuilder.h"

#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;
using rollscan::test::CliRun;
using rollscan::test::CongressData;
using rollscan::test::RunCli;
using rollscan::test::TreeBuilder;
using rollscan::test::Words;

namespace {
const QDate kDate(1981, 1, 5);

CongressData house97()
{
    CongressData d;
    d.legislators = {
        TreeBuilder::legislator(QStringLiteral("ADAMS"), 13, 1, 100, -0.5f, 0.1f, 1001),
        TreeBuilder::legislator(QStringLiteral("BAKER"), 14, 2, 200, 0.5f, 0.5f, 1002),
        TreeBuilder::legislator(QStringLiteral("CLARK"), 41, 3, 100, 0.3f, -0.2f, 1003),
        TreeBuilder::legislator(QStringLiteral("DAVIS"), 13, 4, 200, 0.0f, 0.0f, 1004),
        TreeBuilder::legislator(QStringLiteral("EVANS"), 14, 5, 200, -0.4f, 0.2f, 1005),
        TreeBuilder::legislator(QStringLiteral("FOX"), 21, 6, 100, 0.1f, 0.0f, 1006),
        TreeBuilder::legislator(QStringLiteral("GRANT"), 22, 7, 200, 0.0f, 0.3f, 1007),
    };
    RollCall r1 = TreeBuilder::rollCall(QStringLiteral("TO PASS H.R. 1"), kDate, 4, 2, 0.2f, 0.0f, 0.0f, 0.0f);
    r1.infoNotVoting = 1;
    d.rollCalls = {r1, TreeBuilder::rollCall(QStringLiteral("TO AMEND H.R. 1"), kDate, 3, 3, 0.1f, 0.2f, 0.3f)};
    d.voteRows = {"16", "61", "12", "17", "60", "91", "14"};
    return d;
}

CongressData house98()
{
    CongressData d;
    d.legislators = {TreeBuilder::legislator("ADAMS", 13, 1, 100, -0.5f, 0.1f, 1001),
                     TreeBuilder::legislator("BAKER", 14, 2, 200, 0.5f, 0.5f, 1002),
                     TreeBuilder::legislator("DAVIS", 13, 4, 200, 0.0f, 0.0f, 1004),
                     TreeBuilder::legislator("EVANS", 14, 5, 200, -0.4f, 0.2f, 1005),
                     TreeBuilder::legislator("FOX", 21, 6, 100, 0.1f, 0.0f, 1006),
                     TreeBuilder::legislator("GRANT", 22, 7, 200, 0.0f, 0.3f, 1007)};
    d.rollCalls = {TreeBuilder::rollCall("A", QDate(1983, 2, 1), 1, 1),
                   TreeBuilder::rollCall("B", QDate(1983, 2, 2), 2, 3, 0.1f)};
    d.voteRows = {"06", "01", "06", "06", "01", "06"};
    return d;
}

CongressData senate105()
{
    CongressData d;
    d.legislators = {TreeBuilder::legislator("HELMS", 47, 0, 200, 0.6f, 0.2f, 2001),
                     TreeBuilder::legislator("KENNEDY", 3, 0, 100, -0.7f, -0.1f, 2002),
                     TreeBuilder::legislator("PELL", 5, 0, 100, -0.5f, 0.4f, 2003)};
    d.rollCalls = {TreeBuilder::rollCall("CLOTURE", QDate(1997, 3, 4), 1, 2, 0.2f, 0.0f, 0.5f, 0.5f)};
    d.voteRows = {"1", "6", "6"};
    return d;
}

QString lines(const QStringList &l)
{
    return l.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
} // namespace

class TestCliRollCall : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void rollcall_data();
    void rollcall();
    void reports_data();
    void reports();
    void refused_data();
    void refused();
    void mapPicture();

private:
    QTemporaryDir m_dir;
    QString m_extended;
    QString m_standard;
    QString m_undefined;
};

void TestCliRollCall::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_extended = m_dir.filePath(QStringLiteral("extended"));
    m_standard = m_dir.filePath(QStringLiteral("standard"));
    m_undefined = m_dir.filePath(QStringLiteral("undefined"));
    for (const QString &root : {m_extended, m_standard}) {
        const bool extended = root == m_extended;
        TreeBuilder tree(root);
        tree.writeStandardTables();
        tree.addCongress(true, 97, house97(), extended);
        tree.addCongress(true, 98, house98(), extended);
        tree.addCongress(false, 105, senate105(), extended);
        tree.writeIndexes();
    }
    TreeBuilder tree(m_undefined);
    tree.writeStandardTables();
    CongressData d = house97();
    d.legislators[1].partyCode = 602;
    tree.addCongress(true, 97, d, true);
    tree.writeIndexes();
}

void TestCliRollCall::rollcall_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expected");
    const QString single = lines({"yea: 4", "nay: 2", "na: 1", "plotted: 6", "not_shown: 1", "errors: 2", "minority: 2",
                                  "pre: .0", "line: 0.000000 -1.100000 0.000000 1.100000",
                                  "yea_point: -0.200000 0.000000", "nay_point: 0.200000 0.000000"});
    QTest::newRow("extended") << Words("rollcall TREE --house --congress 97 --roll 1 --extended", m_extended) << single;
    QTest::newRow("standard") << Words("rollcall TREE --congress 97 --roll 1 --house", m_standard) << single;
    // Across congresses CLARK has no partner vote and EVANS (Nay-Nay) is the only error left.
    QTest::newRow("cross-tab with the next congress")
        << Words("rollcall TREE --house --congress 97 --roll 1 --partner-congress 98 --partner-roll 2 --extended",
                 m_extended)
        << lines({"yea: 4", "nay: 2", "na: 1", "plotted: 6", "not_shown: 1", "errors: 1", "minority: 2", "pre: n/a",
                  "line: 0.000000 -1.100000 0.000000 1.100000", "yea_point: -0.200000 0.000000",
                  "nay_point: 0.200000 0.000000"});
    QTest::newRow("Senate, tilted line") << Words("rollcall TREE --senate --congress 105 --roll 1 --extended",
                                                  m_extended)
                                         << lines({"yea: 1", "nay: 2", "na: 0", "plotted: 3", "not_shown: 0",
                                                   "errors: 0", "minority: 1", "pre: 1.0",
                                                   "line: 0.535795 -0.968896 -0.303133 1.064869",
                                                   "yea_point: -0.200000 0.000000", "nay_point: 0.200000 0.660000"});
    // Same congress: ADAMS 1/6, CLARK 1/2, FOX 9/1; BAKER 6/1, DAVIS 1/7, EVANS 6/0, GRANT 1/4.
    QTest::newRow("crosstab, same congress")
        << Words("crosstab TREE --house --congress 97 --roll 1 --partner-congress 97 --partner-roll 2", m_standard)
        << lines({"Democrat\t1\t1\t0\t0\tn/a\t0.0", "Republican\t0\t1\t1\t1\t-1.0\t0.75"});
    QTest::newRow("crosstab, next congress")
        << Words("crosstab TREE --house --congress 97 --roll 1 --partner-congress 98 --partner-roll 2 --extended",
                 m_extended)
        << lines({"Democrat\t0\t1\t0\t0\tn/a\t0.0", "Republican\t0\t2\t1\t1\t-1.0\t1.3333"});
}

void TestCliRollCall::rollcall()
{
    QFETCH(QStringList, args);
    QFETCH(QString, expected);
    const CliRun r = RunCli(args);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, expected);
}

// The report lines themselves are the core's and tested there; here they must reach standard output
// whole, for the right roll call, in either layout.
void TestCliRollCall::reports_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("expected"); // lines that must appear, in this order
    QTest::newRow("info") << Words("info TREE --house --congress 97 --roll 1 --extended", m_extended)
                          << QStringList{"Rollscan for Windows Roll Call Information",
                                         "January 5, 1981: Roll Call #1",
                                         "Yea:      4 ",
                                         "Errors:   2 ",
                                         "PRE:     .0",
                                         "TO PASS H.R. 1",
                                         "DAVIS       "};
    QTest::newRow("info, cross-tab")
        << Words("info TREE --house --congress 97 --roll 1 --partner-congress 97 --partner-roll 2 --extended",
                 m_extended)
        << QStringList{"Roll Call Information", "PRE:     n/a"};
    QTest::newRow("stats") << Words("stats TREE --house --congress 97 --roll 1", m_standard)
                           << QStringList{
                                  "Rollscan for Windows Roll Call Statistics", "House #97, 1981-1982",
                                  "3   Democrat                  2    0 ",     "1   Southern Democrat         1    0 ",
                                  "4   Republican                2    2 ",     "Not Voting:    1 "};
}

void TestCliRollCall::reports()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, expected);
    const CliRun r = RunCli(args);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    const QStringList got = r.out.split(QLatin1Char('\n'));
    qsizetype at = 0;
    for (const QString &line : expected) {
        at = got.indexOf(line, at);
        QVERIFY2(at >= 0, qPrintable(line));
    }
}

// Bad data fails with status 1, bad usage with 2; TREE is the extended tree.
void TestCliRollCall::refused_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QString roll1 = QStringLiteral(" --house --congress 97 --roll 1");
    QTest::newRow("undefined party")
        << Words("rollcall TREE --house --congress 97 --roll 1 --extended", m_undefined) << 1
        << "Legislator BAKER        (2) is set as being in party 602 which is currently not defined in Rollscan.";
    QTest::newRow("roll call beyond the congress") << Words("rollcall TREE --house --congress 97 --roll 3 --extended")
                                                   << 1 << "Roll call 3 is not in the 2 roll calls of House #97 (";
    QTest::newRow("congress missing from the index") << Words("stats TREE --house --congress 99 --roll 1 --extended")
                                                     << 1 << "This file has a non-standard end-of-file marker";
    QTest::newRow("no tree") << Words("info TREE --senate --congress 105 --roll 1", m_dir.filePath("nowhere")) << 1
                             << "That path doesn't exist.";
    QTest::newRow("partner roll call beyond its congress")
        << Words("crosstab TREE" + roll1 + " --partner-congress 98 --partner-roll 9 --extended") << 1
        << "Roll call 9 is not in the 2 roll calls of House #98 (";
    QTest::newRow("no chamber") << Words("rollcall TREE --congress 97 --roll 1") << 2
                                << "--house or --senate is required";
    QTest::newRow("both chambers") << Words("rollcall TREE --senate" + roll1) << 2 << "not both";
    QTest::newRow("no roll call") << Words("info TREE --house --congress 97") << 2
                                  << "--congress and --roll are required";
    QTest::newRow("roll call not a number")
        << Words("rollcall TREE --house --congress 97 --roll x") << 2 << "--roll needs a positive whole number";
    QTest::newRow("half a partner") << Words("rollcall TREE" + roll1 + " --partner-roll 2") << 2 << "go together";
    QTest::newRow("crosstab without partner") << Words("crosstab TREE" + roll1) << 2 << "are required";
    QTest::newRow("stats takes no partner") << Words("stats TREE" + roll1 + " --partner-congress 97 --partner-roll 2")
                                            << 2 << "unknown option --partner-congress";
    QTest::newRow("no tree given") << Words("rollcall" + roll1) << 2 << "the data tree is missing";
    QTest::newRow("picture without file")
        << Words("rollcall TREE" + roll1 + " --png") << 2 << "--png needs a file name";
    QTest::newRow("picture too small") << Words("rollcall TREE" + roll1 + " --png x.png --size 10") << 2
                                       << "--size needs a number of pixels from 50 to 4000";
}

void TestCliRollCall::refused()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const CliRun r = RunCli(args.replaceInStrings(QStringLiteral("TREE"), m_extended));
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QCOMPARE(r.out, QString());
}

void TestCliRollCall::mapPicture()
{
    // The same counts as without a picture, and a square picture of the asked size with a white
    // ground, the black cutting line and the coloured tokens of the map.
    const QStringList args{"rollcall", m_extended, "--house", "--congress", "97", "--roll", "1", "--extended"};
    const QString png = m_dir.filePath(QStringLiteral("map.png"));
    const CliRun r = RunCli(args + QStringList{"--png", png, "--size", "240"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, RunCli(args).out);
    const QImage image(png);
    QCOMPARE(image.size(), QSize(240, 240));
    QCOMPARE(image.pixelColor(1, 1), QColor(Qt::white));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    QVERIFY(colours.contains(qRgb(0, 0, 0)));
    QVERIFY2(colours.size() > 3, "no tokens drawn");
}

QTEST_GUILESS_MAIN(TestCliRollCall)
#include "tst_cli_rollcall.moc"
