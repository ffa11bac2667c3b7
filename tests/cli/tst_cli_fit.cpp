// rollscan-cli fit, the roll-call and queue outputs, and the weight a converted tree carries, run as
// a separate program over trees written for the test.
#include "support/CliRun.h"
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/ScalingFile.h"
#include "core/report/RollCallText.h"
#include "core/report/Spreadsheet.h"
#include "core/search/RollCallSearch.h"
#include "core/search/SelectionQueue.h"

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

// Roll call 1: line x = 0; roll call 2: line x = 0.3; roll call 3 has no line. CLARK's yea on 1 and
// ADAMS's nay on 2 are the errors (the same congress the core fit test counts by hand).
CongressData house97()
{
    CongressData d;
    d.legislators = {TreeBuilder::legislator("ADAMS", 13, 1, 100, -0.5f, 0.1f, 1001),
                     TreeBuilder::legislator("BAKER, JR", 14, 2, 200, 0.5f, 0.5f, 1002),
                     TreeBuilder::legislator("CLARK", 41, 3, 100, 0.2f, -0.2f, 1003),
                     TreeBuilder::legislator("DAVIS", 13, 4, 200, 0.0f, 0.0f, 1004),
                     TreeBuilder::legislator("EVANS", 14, 5, 200, -0.4f, 0.2f, 1005),
                     TreeBuilder::legislator("FOX", 21, 6, 100, 0.6f, 0.0f, 1006)};
    d.rollCalls = {TreeBuilder::rollCall("ONE", kDate, 4, 2, 0.2f),
                   TreeBuilder::rollCall("TWO", QDate(1981, 2, 10), 1, 3, 0.1f, 0.3f),
                   TreeBuilder::rollCall("THREE", QDate(1982, 12, 1), 3, 3)};
    d.voteRows = {"161", "666", "111", "191", "196", "666"};
    return d;
}

CongressData house98()
{
    CongressData d;
    d.legislators = {TreeBuilder::legislator("ADAMS", 13, 1, 100, -0.5f, 0.1f, 1001),
                     TreeBuilder::legislator("GRANT", 22, 7, 200, 0.0f, 0.3f, 1007)};
    d.rollCalls = {TreeBuilder::rollCall("FOUR", QDate(1983, 2, 1), 1, 1, 0.1f)};
    d.voteRows = {"1", "6"};
    return d;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}
} // namespace

class TestCliFit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_tree = m_dir.filePath(QStringLiteral("tree"));
        TreeBuilder tree(m_tree);
        tree.writeStandardTables();
        tree.addCongress(true, 97, house97(), true);
        tree.addCongress(true, 98, house98(), true);
        tree.writeIndexes();
    }

    void fitLines()
    {
        const CliRun r = RunCli({"fit", m_tree, "--house", "--congress", "97", "--extended"});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringLiteral("1001\tADAMS\t2\t1\n1002\tBAKER, JR\t2\t0\n1003\tCLARK\t2\t1\n"
                                       "1004\tDAVIS\t0\t0\n1005\tEVANS\t1\t0\n1006\tFOX\t2\t0\n"
                                       "errors: 2\ncorrect: 77.78\napre: 0.333\n"));
    }

    // The windows write through the session the search and the roll-call list fill; the command line
    // must write the same bytes for the same roll calls.
    void outputsEqualTheWindows_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QList<int>>("congresses");
        QTest::addColumn<QList<int>>("rows"); // rows of the list's search, in queue order
        QTest::addColumn<QString>("kind");    // text, sheet or queue
        QTest::addColumn<QByteArray>("firstLine");
        QTest::newRow("text table") << Words("rollcall --congress 97 --roll 2 --text") << QList<int>{97}
                                    << QList<int>{2} << "text" << QByteArray("February 10, 1981: Roll Call #2\r\n");
        QTest::newRow("spreadsheet") << Words("rollcall --congress 97 --roll 1 --csv") << QList<int>{97}
                                     << QList<int>{1} << "sheet" << QByteArray("January 5, 1981: Roll Call #1\r\n");
        QTest::newRow("queue of two congresses")
            << Words("queue --congress 97,98 --rolls 3,98:1,1 --csv") << QList<int>{97, 98} << QList<int>{3, 4, 1}
            << "queue" << QByteArray("December 1, 1982: Roll Call #3\r\n");
    }
    void outputsEqualTheWindows()
    {
        QFETCH(QStringList, args);
        QFETCH(QList<int>, congresses);
        QFETCH(QList<int>, rows);
        QFETCH(QString, kind);
        QFETCH(QByteArray, firstLine);
        const QString cliFile = m_dir.filePath(QStringLiteral("cli-") + QTest::currentDataTag());
        const QString windowFile = m_dir.filePath(QStringLiteral("window-") + QTest::currentDataTag());
        const CliRun r = RunCli(args << cliFile << m_tree << "--house"
                                     << "--extended");
        QCOMPARE(r.err, QString());
        QCOMPARE(r.exitCode, 0);

        Session session(m_tree);
        session.isHouse = true;
        session.selectedCongresses = congresses;
        QCOMPARE(RunSearch(session, SearchCriteria{}).matchCount, 3 + (congresses.size() > 1 ? 1 : 0));
        QCOMPARE(session.queue.addRows(session.MatchTable, rows, false), int(rows.size()));
        QVERIFY(session.queue.start());
        if (kind == QLatin1String("text"))
            SaveRollCallText(session, windowFile);
        else
            WriteSpreadsheet(session, windowFile, kind == QLatin1String("queue"));

        const QByteArray written = readFile(cliFile);
        QCOMPARE(written, readFile(windowFile));
        QVERIFY2(written.startsWith(firstLine), written.left(60).constData());
    }

    void queueSpreadsheetRows()
    {
        const QString file = m_dir.filePath(QStringLiteral("queue.csv"));
        const CliRun r =
            RunCli({"queue", m_tree, "--house", "--congress", "97", "--rolls", "2,1", "--csv", file, "--extended"});
        QCOMPARE(r.exitCode, 0);
        const QList<QByteArray> lines = readFile(file).split('\n');
        // Two heading blocks, the column line, then per legislator both roll calls in queue order;
        // the comma in "BAKER, JR" becomes a space so the line keeps its columns.
        QCOMPARE(lines.at(8), QByteArray("\"H#\",\"ID1\",\"ID2\",\"SC\",\"CD\",\"STATE\",\"PARTY\",\"NAME\","
                                         "\"XCOORD\",\"YCOORD\",\"RC#\",\"VOTE\"\r"));
        QCOMPARE(lines.at(10),
                 QByteArray("97,1002,0,14,2,\"PENNSYLVANIA\",200,\"BAKER  JR   \", .500, .500,2,6,1,6\r"));
    }

    void usageAndDataErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString q = QStringLiteral("queue TREE --house --congress 97 --rolls ");
        QTest::newRow("fit without congress")
            << Words("fit TREE --house") << 2 << "rollscan-cli fit: --congress is required";
        QTest::newRow("fit of a missing congress")
            << Words("fit TREE --house --congress 99 --extended") << 1 << "rollscan-cli fit: ";
        QTest::newRow("queue item malformed")
            << Words(q + "1,97: --csv x.csv") << 2
            << "rollscan-cli queue: '97:' is not a roll call (R) or a congress and roll call (N:R)";
        QTest::newRow("queue item of another congress")
            << Words(q + "98:1 --csv x.csv") << 2
            << "rollscan-cli queue: roll call 98:1 is not in the congresses given";
        QTest::newRow("queue roll call past the end")
            << Words(q + "4 --csv x.csv --extended") << 1
            << "rollscan-cli queue: Roll call 4 is not in the 3 roll calls of House #97.";
        QTest::newRow("queue without output")
            << Words(q + "1") << 2 << "rollscan-cli queue: say what to write (--csv FILE or --tidy FILE)";
        QTest::newRow("rollcall text without file") << Words("rollcall TREE --house --congress 97 --roll 1 --text") << 2
                                                    << "rollscan-cli rollcall: --text and --csv need a file name";
    }
    void usageAndDataErrors()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        args.replaceInStrings(QStringLiteral("TREE"), m_tree);
        args.replaceInStrings(QStringLiteral("x.csv"), m_dir.filePath(QStringLiteral("x.csv")));
        const CliRun r = RunCli(args);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.startsWith(message), qPrintable(r.err));
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("x.csv"))));
    }

    // The converter writes the weight of the coordinates it converts, and check refuses a bad one.
    void convertedWeight_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<double>("weight"); // 0: no weight file
        QTest::addColumn<QString>("columns");
        QTest::newRow("public columns") << QStringList{} << 0.4156 << "dim1 dim2";
        QTest::newRow("single-congress columns")
            << QStringList{"--coords", "congress_dim1,congress_dim2"} << 0.4156 << "congress_dim1 congress_dim2";
        QTest::newRow("weight given") << QStringList{"--dim2-weight", "0.5"} << 0.5 << "dim1 dim2";
        QTest::newRow("other columns") << QStringList{"--coords", "dim1,conditional"} << 0.0 << "";
    }
    void convertedWeight()
    {
        QFETCH(QStringList, options);
        QFETCH(double, weight);
        QFETCH(QString, columns);
        QTemporaryDir dir;
        const QString tables = dir.filePath(QStringLiteral("tables"));
        QVERIFY(QDir().mkpath(tables + QStringLiteral("/senate")));
        auto write = [&](const char *name, const QByteArray &text) {
            QFile f(tables + QStringLiteral("/senate/") + QLatin1String(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(text);
        };
        write("S107_members.csv", "congress,chamber,icpsr,state_icpsr,district_code,state_abbrev,party_code,bioname,"
                                  "dim1,dim2,congress_dim1,congress_dim2,conditional\n"
                                  "107,Senate,1,41,0.0,AL,100,\"ONE, A\",0.1,0.2,0.3,0.4,0.5\n");
        write("S107_rollcalls.csv", "congress,chamber,rollnumber,date,session,clerk_rollnumber,yea_count,nay_count,"
                                    "mid_1,mid_2,spread_1,spread_2,bill_number,vote_result,vote_desc,vote_question,"
                                    "dtl_desc\n107,Senate,1,,,,1,0,,,,,,,,,\n");
        write("S107_votes.csv", "congress,chamber,rollnumber,icpsr,cast_code\n107,Senate,1,1,1\n");
        const QString tree = dir.filePath(QStringLiteral("tree"));
        const CliRun r = RunCli(QStringList{"convert", tables, tree} + options);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.exitCode, 0);
        const std::optional<ScalingFile> file = ScalingFile::ReadIn(tree);
        QCOMPARE(file.has_value(), weight > 0);
        if (file) {
            QCOMPARE(file->weight, weight);
            QCOMPARE(file->column1 + QLatin1Char(' ') + file->column2, columns);
        }
        QCOMPARE(RunCli({"check", tree}).exitCode, 0);

        // A weight the map cannot use is a fault of the tree that names the file.
        ScalingFile{1.5, QStringLiteral("dim1"), QStringLiteral("dim2")}.write(ScalingFile::PathIn(tree));
        const CliRun check = RunCli({"check", tree});
        QCOMPARE(check.exitCode, 1);
        QVERIFY2(
            check.err.contains(QStringLiteral("main/scaling.dat: the second-dimension weight 1.5 is outside (0, 1]")),
            qPrintable(check.err));
    }

    void convertRefusesABadWeight()
    {
        const CliRun r = RunCli({"convert", m_dir.path(), m_dir.filePath("new"), "--dim2-weight", "1.2"});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.startsWith(
            QStringLiteral("rollscan-cli convert: --dim2-weight needs a number greater than 0 and at most 1")));
    }

private:
    QTemporaryDir m_dir;
    QString m_tree;
};

QTEST_GUILESS_MAIN(TestCliFit)
#include "tst_cli_fit.moc"
