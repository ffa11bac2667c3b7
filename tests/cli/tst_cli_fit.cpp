// rollscan-cli fit and the roll-call and queue outputs (the spreadsheet and the analysis file), run as a separate
// program over a tree written for the test.
#include "support/CliRun.h"
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/FileIO.h"
#include "core/report/RollCallText.h"
#include "core/report/Spreadsheet.h"
#include "core/search/RollCallSearch.h"
#include "core/search/SelectionQueue.h"

#include <QtTest>

using namespace rollscan;
using namespace rollscan::test;

class TestCliFit : public QObject {
    Q_OBJECT
private slots:
    // House 97: roll call 1's line is x = 0, roll call 2's x = 0.3, roll call 3 has none. CLARK's yea
    // on 1 and ADAMS's nay on 2 are the errors (the same congress the core fit test counts by hand).
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_tree = m_dir.filePath("tree");
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
        tree.writeIndexes();
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

    void usageAndDataErrors_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString q = "queue TREE --house --congress 97 --rolls ";
        Row("fit without congress", "fit TREE --house", 2, "rollscan-cli fit: --congress is required");
        Row("fit of a roll call", "fit TREE --house --congress 97 --roll 1", 2,
            "rollscan-cli fit: fit takes a whole congress, not --roll");
        Row("fit of a missing congress", "fit TREE --house --congress 99 --extended", 1, "rollscan-cli fit: ");
        Row("queue item malformed", q + "1,97: --csv x.csv", 2,
            "rollscan-cli queue: '97:' is not a roll call (R) or a congress and roll call (N:R)");
        Row("queue item of another congress", q + "98:1 --csv x.csv", 2,
            "rollscan-cli queue: roll call 98:1 is not in the congresses given");
        Row("queue roll call past the end", q + "4 --csv x.csv --extended", 1,
            "rollscan-cli queue: Roll call 4 is not in the 3 roll calls of House #97.");
        Row("queue without output", q + "1", 2, "rollscan-cli queue: say what to write (--csv FILE or --tidy FILE)");
        Row("rollcall text without file", "rollcall TREE --house --congress 97 --roll 1 --text", 2,
            "rollscan-cli rollcall: --text and --csv need a file name");
    }
    void usageAndDataErrors()
    {
        QFETCH(QString, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const QString file = m_dir.filePath("x.csv");
        const CliRun r = RunCli(Words(args.replace("x.csv", file), m_tree));
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.startsWith(message), qPrintable(r.err));
        QVERIFY(!QFileInfo::exists(file));
    }

    // Both files of a queue in the order given, of a senator whose name is not plain ASCII: the
    // analysis file is UTF-8.
    void bothFilesOfTwoRollCalls()
    {
        QTemporaryDir dir;
        TreeBuilder tree(dir.filePath("tree"));
        tree.writeStandardTables();
        CongressData s30;
        s30.legislators = {TreeBuilder::legislator(QStringLiteral("MU\u00d1OZ"), 13, 0, 29, -0.5f, 0.25f, 7001),
                           TreeBuilder::legislator("CLAY", 50, 0, 100, 0.75f, -0.125f, 7002)};
        s30.rollCalls = {TreeBuilder::rollCall(QString(), QDate(1847, 12, 6), 1, 1),
                         TreeBuilder::rollCall(QString(), QDate(1847, 12, 7), 0, 1)};
        s30.voteRows = {"16", "69"};
        tree.addCongress(false, 30, s30);
        tree.writeIndexes();
        const QString tidy = dir.filePath("s30.csv");
        const QString sheet = dir.filePath("s30.prn");
        const CliRun r = RunCli(Words("queue TREE --senate --congress 30 --rolls 30:2,30:1 --tidy", tree.root()) +
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

private:
    QTemporaryDir m_dir;
    QString m_tree;
};

QTEST_GUILESS_MAIN(TestCliFit)
#include "tst_cli_fit.moc"
