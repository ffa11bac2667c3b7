// rollscan-cli rollcall, info, stats, crosstab, fit, rate and track, and the roll-call and queue outputs (the
// spreadsheet and the analysis file), run as a separate program over trees written for the test.
#include "support/CliRun.h"
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/FileIO.h"
#include "core/report/RollCallText.h"
#include "core/report/Spreadsheet.h"
#include "core/search/RollCallSearch.h"
#include "core/search/SelectionQueue.h"

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
        // House 97 of the fit tree: roll call 1's line is x = 0, roll call 2's x = 0.3, roll call 3 has none.
        // CLARK's yea on 1 and ADAMS's nay on 2 are the errors (the same congress the core fit test counts
        // by hand). Its Senate 97 has three members over three roll calls, its Senate 98 two over one.
        m_tree = m_dir.filePath("tree");
        {
            TreeBuilder tree(m_tree);
            tree.writeStandardTables();
            CongressData h97;
            h97.legislators = {TreeBuilder::legislator("ADAMS", 13, 1, 100, -0.5f, 0.1f, 1001),
                               TreeBuilder::legislator("BAKER, JR", 14, 2, 200, 0.5f, 0.5f, 1002),
                               TreeBuilder::legislator("CLARK", 41, 3, 100, 0.2f, -0.2f, 1003),
                               TreeBuilder::legislator("DAVIS", 13, 4, 200, 0.0f, 0.0f, 1004),
                               TreeBuilder::legislator("EVANS", 14, 5, 200, -0.4f, 0.2f, 1005),
                               TreeBuilder::legislator("FOX", 21, 6, 100, 0.6f, 0.0f, 1006)};
            h97.rollCalls = {TreeBuilder::rollCall("ONE", QDate(1981, 1, 5), 4, 2, 0.2f),
                             TreeBuilder::rollCall("TWO", QDate(1981, 2, 10), 1, 3, 0.1f, 0.3f),
                             TreeBuilder::rollCall("THREE", QDate(1982, 12, 1), 3, 3)};
            h97.voteRows = {"161", "666", "111", "191", "196", "666"};
            tree.addCongress(true, 97, h97, true);
            CongressData h98;
            h98.legislators = {h97.legislators[0], TreeBuilder::legislator("GRANT", 22, 7, 200, 0.0f, 0.3f, 1007)};
            h98.rollCalls = {TreeBuilder::rollCall("FOUR", QDate(1983, 2, 1), 1, 1, 0.1f)};
            h98.voteRows = {"1", "6"};
            tree.addCongress(true, 98, h98, true);
            CongressData s97;
            const Legislator baker = TreeBuilder::legislator("BAKER", 54, 0, 200, 0.3f, 0.1f, 1001);
            s97.legislators = {baker, TreeBuilder::legislator("BYRD", 56, 0, 100, -0.2f, 0.1f, 1002),
                               TreeBuilder::legislator("ABSENT", 13, 0, 100, -0.3f, 0.1f, 1003)};
            for (int r = 1; r <= 3; ++r)
                s97.rollCalls.append(
                    TreeBuilder::rollCall(QStringLiteral("Vote %1").arg(r), QDate(1981, 2, r), 50 + r, 40));
            s97.voteRows = {"164", "416", "090"};
            tree.addCongress(false, 97, s97, true);
            CongressData s98;
            s98.legislators = {baker, TreeBuilder::legislator("NEW", 13, 0, 100, -0.1f, 0.1f, 1004)};
            s98.rollCalls = {TreeBuilder::rollCall("Later", QDate(1983, 1, 5), 60, 30)};
            s98.voteRows = {"6", "1"};
            tree.addCongress(false, 98, s98, true);
            // Senate 30: a senator whose name is not plain ASCII, in the standard layout.
            CongressData s30;
            s30.legislators = {TreeBuilder::legislator("MU\u00d1OZ", 13, 0, 29, -0.5f, 0.25f, 7001),
                               TreeBuilder::legislator("CLAY", 50, 0, 100, 0.75f, -0.125f, 7002)};
            s30.rollCalls = {TreeBuilder::rollCall(QString(), QDate(1847, 12, 6), 1, 1),
                             TreeBuilder::rollCall(QString(), QDate(1847, 12, 7), 0, 1)};
            s30.voteRows = {"16", "69"};
            tree.addCongress(false, 30, s30);
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

    // Bad data fails with status 1, bad usage with 2, and no file is written; TREE is the extended tree,
    // FIT the fit tree.
    void refused_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString roll1 = " --house --congress 97 --roll 1";
        const QString q = "queue FIT --house --congress 97 --rolls ";
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
        Row("fit without congress", "fit FIT --house", 2, "rollscan-cli fit: --congress is required");
        Row("fit of a roll call", "fit FIT --house --congress 97 --roll 1", 2,
            "rollscan-cli fit: fit takes a whole congress, not --roll");
        Row("fit of a missing congress", "fit FIT --house --congress 99 --extended", 1, "rollscan-cli fit: ");
        Row("queue item malformed", q + "1,97: --csv x.csv", 2,
            "rollscan-cli queue: '97:' is not a roll call (R) or a congress and roll call (N:R)");
        Row("queue item of another congress", q + "98:1 --csv x.csv", 2,
            "rollscan-cli queue: roll call 98:1 is not in the congresses given");
        Row("queue roll call past the end", q + "4 --csv x.csv --extended", 1,
            "rollscan-cli queue: Roll call 4 is not in the 3 roll calls of House #97.");
        Row("queue without output", q + "1", 2, "rollscan-cli queue: say what to write (--csv FILE or --tidy FILE)");
        Row("rollcall text without file", "rollcall FIT --house --congress 97 --roll 1 --text", 2,
            "rollscan-cli rollcall: --text and --csv need a file name");
    }

    void refused()
    {
        QFETCH(QString, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const QString file = m_dir.filePath("x.csv");
        const CliRun r = RunCli(Words(args.replace("TREE", m_extended).replace("FIT", m_tree).replace("x.csv", file)));
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(message.startsWith("rollscan-cli") ? r.err.startsWith(message) : r.err.contains(message),
                 qPrintable(r.err));
        QCOMPARE(r.out, QString());
        QVERIFY(!QFileInfo::exists(file));
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

    void fitLines()
    {
        const CliRun r = RunCli(Words("fit TREE --house --congress 97 --extended", m_tree));
        QCOMPARE(r.err, QString());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringLiteral("1001\tADAMS\t2\t1\n1002\tBAKER, JR\t2\t0\n1003\tCLARK\t2\t1\n"
                                       "1004\tDAVIS\t0\t0\n1005\tEVANS\t1\t0\n1006\tFOX\t2\t0\n"
                                       "errors: 2\ncorrect: 77.78\napre: 0.333\n"));
    }

    // The windows write through the session the search and the roll-call list fill; the command line
    // must write the same bytes for the same roll calls, among them `line`.
    void outputsEqualTheWindows_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QList<int>>("congresses");
        QTest::addColumn<QList<int>>("rows"); // rows of the list's search, in queue order
        QTest::addColumn<QString>("kind");    // text, sheet or queue
        QTest::addColumn<QByteArray>("line");
        Row("text table", "rollcall --congress 97 --roll 2 --text", QList<int>{97}, QList<int>{2}, "text",
            QByteArray("February 10, 1981: Roll Call #2\r\n"));
        Row("spreadsheet", "rollcall --congress 97 --roll 1 --csv", QList<int>{97}, QList<int>{1}, "sheet",
            QByteArray("January 5, 1981: Roll Call #1\r\n"));
        // The comma in "BAKER, JR" becomes a space so the line keeps its columns.
        Row("queue of two congresses", "queue --congress 97,98 --rolls 3,98:1,1 --csv", QList<int>{97, 98},
            QList<int>{3, 4, 1}, "queue",
            QByteArray("97,1002,0,14,2,\"PENNSYLVANIA\",200,\"BAKER  JR   \", .500, .500,3,6,1,6\r\n"));
    }
    void outputsEqualTheWindows()
    {
        QFETCH(QString, args);
        QFETCH(QList<int>, congresses);
        QFETCH(QList<int>, rows);
        QFETCH(QString, kind);
        QFETCH(QByteArray, line);
        const QString cliFile = m_dir.filePath(QStringLiteral("cli-") + QTest::currentDataTag());
        const QString windowFile = m_dir.filePath(QStringLiteral("window-") + QTest::currentDataTag());
        const CliRun r = RunCli(Words(args) << cliFile << m_tree << "--house"
                                            << "--extended");
        QCOMPARE(r.err, QString());
        QCOMPARE(r.exitCode, 0);

        Session session(m_tree);
        session.isHouse = true;
        session.selectedCongresses = congresses;
        QCOMPARE(RunSearch(session, SearchCriteria{}).matchCount, 3 + (congresses.size() > 1 ? 1 : 0));
        QCOMPARE(session.queue.addRows(session.MatchTable, rows, false), int(rows.size()));
        QVERIFY(session.queue.start());
        if (kind == "text")
            SaveRollCallText(session, windowFile);
        else
            WriteSpreadsheet(session, windowFile, kind == "queue");
        const QByteArray written = ReadWholeFile(cliFile);
        QCOMPARE(written, ReadWholeFile(windowFile));
        QVERIFY2(written.contains(line), written.left(60).constData());
    }

    // Both files of a queue in the order given, of Senate 30: the analysis file is UTF-8.
    void bothFilesOfTwoRollCalls()
    {
        const QString tidy = m_dir.filePath("s30.csv");
        const QString sheet = m_dir.filePath("s30.prn");
        const CliRun r = RunCli(Words("queue TREE --senate --congress 30 --rolls 30:2,30:1 --tidy", m_tree) +
                                QStringList{tidy, "--csv", sheet});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(ReadWholeFile(tidy),
                 QByteArray("congress,roll_call,date,member_id,name,state,district,party_code,party_name,coord1,"
                            "coord2,vote_code,vote_class\n"
                            "30,2,1847-12-07,7001,MU\xc3\x91OZ,NY,0,29,Whig,-0.5,0.25,6,Nay\n"
                            "30,2,1847-12-07,7002,CLAY,KY,0,100,Democrat,0.75,-0.125,9,Not voting\n"
                            "30,1,1847-12-06,7001,MU\xc3\x91OZ,NY,0,29,Whig,-0.5,0.25,1,Yea\n"
                            "30,1,1847-12-06,7002,CLAY,KY,0,100,Democrat,0.75,-0.125,6,Nay\n"));
        // The spreadsheet keeps its own form: heading block in queue order, then the quoted column line.
        const QByteArray written = ReadWholeFile(sheet);
        QVERIFY(written.startsWith("December 7, 1847: Roll Call #2\r\n") && written.contains("\"H#\",\"ID1\""));
    }

    void commands_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        Row("rate, plain numbers in the first congress", "rate --rolls 1,2,98:1", 0,
            "97\t1001\tBAKER\t50.00\n97\t1002\tBYRD\t50.00\n97\t1003\tABSENT\tn/a\n98\t1001\tBAKER\t0.00\n"
            "98\t1004\tNEW\t100.00\nHigh:\tNEW\t1\t100.00\nLow:\tBAKER\t1\t0.00\nAverage:\t50.00\n",
            "");
        Row("rate with nay sides", "rate --rolls 97:1,97:2,97:3 --nay 2,97:3", 0,
            "97\t1001\tBAKER\t100.00\n97\t1002\tBYRD\t33.33\n97\t1003\tABSENT\tn/a\n98\t1001\tBAKER\tn/a\n"
            "98\t1004\tNEW\tn/a\nHigh:\tBAKER\t1\t100.00\nLow:\tBYRD\t1\t33.33\nAverage:\t66.67\n",
            "");
        Row("track one member through both congresses", "track --rolls 98:1,1,3 --member 1001", 0,
            "Yea\t51-40\tVote 1\nNay\t53-40\tVote 3\n \nNay\t60-30\tLater\nYea:\t1\nNay:\t2\nn/a:\t0\n", "");
        Row("track two", "track --rolls 2 --member 1003,1002", 0,
            "Yea\t52-40\tVote 2\n \nn/a\t52-40\tVote 2\nYea:\t1\nNay:\t0\nn/a:\t1\n", "");
        Row("roll call beyond the congress", "rate --rolls 4", 1, "",
            "rollscan-cli rate: Senate #97 has no roll call #4.\n");
        Row("unknown member", "track --rolls 1 --member 77", 1, "",
            "rollscan-cli track: no member 77 in the given congresses\n");
        Row("no rolls", "rate", 2, "", "rollscan-cli rate: give --rolls ITEMS\n");
        Row("bad item", "rate --rolls 97:1:2", 2, "",
            "rollscan-cli rate: --rolls takes a comma-separated list of N:R or R, not "
            "'97:1:2'\n");
        Row("nay not queued", "rate --rolls 1 --nay 2", 2, "",
            "rollscan-cli rate: --nay names 97:2, which --rolls does not queue\n");
        Row("track needs members", "track --rolls 1", 2, "", "rollscan-cli track: give --member ID[,ID...]\n");
    }
    void commands()
    {
        QFETCH(QString, args);
        QStringList words = Words(args);
        words.insert(1, m_tree);
        const CliRun run = RunCli(words << Words("--senate --extended --congress 97,98"));
        QTEST(run.exitCode, "exitCode");
        QTEST(run.out, "out");
        QTEST(run.err, "err");
    }

    // The reports are the core's and tested there; here the files hold them for the roll calls asked.
    void writesFiles()
    {
        const QString text = m_dir.filePath("rate.txt");
        const QString csv = m_dir.filePath("rate.csv");
        const CliRun run = RunCli(Words("rate TREE --senate --extended --congress 97 --rolls 1,3", m_tree) +
                                  QStringList{"--text", text, "--csv", csv});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(ReadWholeFile(text).contains("Yea 1    51-40   Vote 1\r\nYea 3    53-40   Vote 3\r\n"));
        QCOMPARE(ReadWholeFile(csv).split('\n').value(1), QByteArray("1001,BAKER,Republican,TN,0,97,1,1,1,50.00\r"));
    }

private:
    QTemporaryDir m_dir;
    QString m_extended;
    QString m_standard;
    QString m_tree;
};

QTEST_GUILESS_MAIN(TestCliRollCall)
#include "tst_cli_rollcall.moc"
