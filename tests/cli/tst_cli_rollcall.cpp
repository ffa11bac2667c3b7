// rollscan-cli rollcall, info, stats and crosstab, run as a separate program over trees written
// for the test.
#include "support/CliRun.h"
#include "support/TreeBuilder.h"

#include <QImage>
#include <QtTest>

using namespace rollscan;
using namespace rollscan::test;

namespace {
QString lines(const QStringList &l)
{
    return l.join('\n') + '\n';
}
} // namespace

class TestCliRollCall : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CongressData h97, h98, s105;
        h97.legislators = {TreeBuilder::legislator("ADAMS", 13, 1, 100, -0.5f, 0.1f, 1001),
                           TreeBuilder::legislator("BAKER", 14, 2, 200, 0.5f, 0.5f, 1002),
                           TreeBuilder::legislator("CLARK", 41, 3, 100, 0.3f, -0.2f, 1003),
                           TreeBuilder::legislator("DAVIS", 13, 4, 200, 0.0f, 0.0f, 1004),
                           TreeBuilder::legislator("EVANS", 14, 5, 200, -0.4f, 0.2f, 1005),
                           TreeBuilder::legislator("FOX", 21, 6, 100, 0.1f, 0.0f, 1006),
                           TreeBuilder::legislator("GRANT", 22, 7, 200, 0.0f, 0.3f, 1007)};
        h97.rollCalls = {TreeBuilder::rollCall("TO PASS H.R. 1", QDate(1981, 1, 5), 4, 2, 0.2f),
                         TreeBuilder::rollCall("TO AMEND H.R. 1", QDate(1981, 1, 5), 3, 3, 0.1f, 0.2f, 0.3f)};
        h97.rollCalls[0].infoNotVoting = 1;
        h97.voteRows = {"16", "61", "12", "17", "60", "91", "14"};
        // House 98 keeps all but CLARK; Senate 105 has a tilted cutting line.
        h98.legislators = h97.legislators;
        h98.legislators.removeAt(2);
        h98.rollCalls = {TreeBuilder::rollCall("A", QDate(1983, 2, 1), 1, 1),
                         TreeBuilder::rollCall("B", QDate(1983, 2, 2), 2, 3, 0.1f)};
        h98.voteRows = {"06", "01", "06", "06", "01", "06"};
        s105.legislators = {TreeBuilder::legislator("HELMS", 47, 0, 200, 0.6f, 0.2f, 2001),
                            TreeBuilder::legislator("KENNEDY", 3, 0, 100, -0.7f, -0.1f, 2002),
                            TreeBuilder::legislator("PELL", 5, 0, 100, -0.5f, 0.4f, 2003)};
        s105.rollCalls = {TreeBuilder::rollCall("CLOTURE", QDate(1997, 3, 4), 1, 2, 0.2f, 0.0f, 0.5f, 0.5f)};
        s105.voteRows = {"1", "6", "6"};
        m_extended = m_dir.filePath("extended");
        m_standard = m_dir.filePath("standard");
        for (const QString &root : {m_extended, m_standard}) {
            TreeBuilder tree(root);
            tree.writeStandardTables();
            tree.addCongress(true, 97, h97, root != m_standard);
            tree.addCongress(true, 98, h98, root != m_standard);
            tree.addCongress(false, 105, s105, root != m_standard);
            tree.writeIndexes();
        }
    }

    // The whole answer where the command line forms it; the reports themselves are the core's and tested
    // there, so for them a few lines, in this order, show that the right roll call's report came out.
    void answers_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<QString>("expected");
        const QString single = lines({"yea: 4", "nay: 2", "na: 1", "plotted: 6", "not_shown: 1", "errors: 2",
                                      "minority: 2", "pre: .0", "line: 0.000000 -1.100000 0.000000 1.100000",
                                      "yea_point: -0.200000 0.000000", "nay_point: 0.200000 0.000000"});
        const QString partner = " --partner-congress 98 --partner-roll 2";
        Row("rollcall", Words("rollcall TREE --house --congress 97 --roll 1 --extended", m_extended), true, single);
        Row("rollcall, Senate, tilted line",
            Words("rollcall TREE --senate --congress 105 --roll 1 --extended", m_extended), true,
            lines({"yea: 1", "nay: 2", "na: 0", "plotted: 3", "not_shown: 0", "errors: 0", "minority: 1", "pre: 1.0",
                   "line: 0.535795 -0.968896 -0.303133 1.064869", "yea_point: -0.200000 0.000000",
                   "nay_point: 0.200000 0.660000"}));
        // Same congress: ADAMS 1/6, CLARK 1/2, FOX 9/1; BAKER 6/1, DAVIS 1/7, EVANS 6/0, GRANT 1/4.
        Row("crosstab, same congress, standard layout",
            Words("crosstab TREE --congress 97 --roll 1 --house --partner-congress 97 --partner-roll 2", m_standard),
            true, lines({"Democrat\t1\t1\t0\t0\tn/a\t0.0", "Republican\t0\t1\t1\t1\t-1.0\t0.75"}));
        Row("crosstab, next congress",
            Words("crosstab TREE --house --congress 97 --roll 1 --extended" + partner, m_extended), true,
            lines({"Democrat\t0\t1\t0\t0\tn/a\t0.0", "Republican\t0\t2\t1\t1\t-1.0\t1.3333"}));
        Row("info", Words("info TREE --house --congress 97 --roll 1 --extended", m_extended), false,
            lines({"Rollscan for Windows Roll Call Information", "January 5, 1981: Roll Call #1", "PRE:     .0",
                   "TO PASS H.R. 1"}));
        Row("info, cross-tab",
            Words("info TREE --house --congress 97 --roll 1 --partner-congress 97 --partner-roll 2 --extended",
                  m_extended),
            false, lines({"Roll Call Information", "PRE:     n/a"}));
        Row("stats", Words("stats TREE --house --congress 97 --roll 1", m_standard), false,
            lines({"Rollscan for Windows Roll Call Statistics", "House #97, 1981-1982"}));
    }

    void answers()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, whole);
        QFETCH(QString, expected);
        const CliRun r = RunCli(args);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.exitCode, 0);
        if (whole)
            QCOMPARE(r.out, expected);
        const QStringList got = r.out.split('\n');
        qsizetype at = 0;
        for (const QString &line : expected.split('\n', Qt::SkipEmptyParts))
            QVERIFY2((at = got.indexOf(line, at)) >= 0, qPrintable(line));
    }

    // Bad data fails with status 1, bad usage with 2; TREE is the extended tree.
    void refused_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString roll1 = " --house --congress 97 --roll 1";
        Row("roll call beyond the congress", "rollcall TREE --house --congress 97 --roll 3 --extended", 1,
            "Roll call 3 is not in the 2 roll calls of House #97 (");
        Row("congress missing from the index", "stats TREE --house --congress 99 --roll 1 --extended", 1,
            "This file has a non-standard end-of-file");
        Row("no tree", "info TREE/nowhere --senate --congress 105 --roll 1", 1, "That path doesn't exist.");
        Row("partner roll call beyond its congress",
            "crosstab TREE" + roll1 + " --partner-congress 98 --partner-roll 9 --extended", 1,
            "Roll call 9 is not in the 2 roll calls of House #98 (");
        Row("no chamber", "rollcall TREE --congress 97 --roll 1", 2, "--house or --senate is required");
        Row("both chambers", "rollcall TREE --senate" + roll1, 2, "give either --house or --senate, not both");
        Row("no roll call", "info TREE --house --congress 97", 2, "--congress and --roll are required");
        Row("roll call not a number", "rollcall TREE --house --congress 97 --roll x", 2,
            "--roll needs a positive whole number, not 'x'");
        Row("half a partner", "rollcall TREE" + roll1 + " --partner-roll 2", 2,
            "--partner-congress and --partner-roll go together");
        Row("crosstab without partner", "crosstab TREE" + roll1, 2, "are required");
        Row("stats takes no partner", "stats TREE" + roll1 + " --partner-congress 97 --partner-roll 2", 2,
            "unknown option --partner-congress");
        Row("no tree given", "rollcall" + roll1, 2, "the data tree is missing");
        Row("picture without file", "rollcall TREE" + roll1 + " --png", 2, "--png needs a file name");
        Row("picture too small", "rollcall TREE" + roll1 + " --png x.png --size 10", 2,
            "--size needs a number of pixels from 50 to 4000");
    }

    void refused()
    {
        QFETCH(QString, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const CliRun r = RunCli(Words(args.replace("TREE", m_extended)));
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(r.out, QString());
    }

    void mapPicture()
    {
        // The same counts as without a picture, and a square picture of the asked size with a white
        // ground, the black cutting line and the coloured tokens of the map.
        const QStringList args = Words("rollcall TREE --house --congress 97 --roll 1 --extended", m_extended);
        const QString png = m_dir.filePath("map.png");
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

private:
    QTemporaryDir m_dir;
    QString m_extended;
    QString m_standard;
};

QTEST_GUILESS_MAIN(TestCliRollCall)
#include "tst_cli_rollcall.moc"
