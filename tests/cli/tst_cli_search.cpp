// rollscan-cli search over data trees written for the test; and damaged trees, bookmark files and tables
// given to rollscan-cli: each is refused with a message that names the file at fault, and nothing wrong is
// printed with exit status 0.
#include "support/CliRun.h"
#include "support/TreeBuilder.h"

#include "core/data/Bytes.h"
#include "core/data/Dates.h"
#include "core/search/BookmarkFile.h"

#include <QtTest>

#include <limits>

using namespace rollscan;
using namespace rollscan::test;

namespace {
// House 97 (4 legislators, 2 roll calls) with `fault` planted (none when empty).
void writeTree(const QString &root, const QString &fault)
{
    CongressData d;
    d.legislators = {
        TreeBuilder::legislator("ADAMS", 13, 1, 100, -0.5f, 0.1f, 1001),
        TreeBuilder::legislator("BAKER", 14, 2, 200, 0.5f, 0.5f, 1002),
        TreeBuilder::legislator("CLARK", 41, 3, fault == "undefined party" ? 9999 : 100, 0.3f, -0.2f, 1003),
        TreeBuilder::legislator("DAVIS", 13, 4, fault == "party missing" ? 555 : 200, 0, 0, 1004)};
    d.rollCalls = {TreeBuilder::rollCall("TO PASS H.R. 1", QDate(1981, 1, 5), 2, 2, 0.2f),
                   TreeBuilder::rollCall("TO AMEND H.R. 1", QDate(1982, 12, 20), 2, 2, 0.1f)};
    const QMap<QString, double> serials = {{"date nan", std::numeric_limits<double>::quiet_NaN()},
                                           {"date inf", std::numeric_limits<double>::infinity()},
                                           {"date 1700", SerialFromDate(QDate(1700, 6, 1))},
                                           {"date 1983", SerialFromDate(QDate(1983, 3, 5))}};
    if (serials.contains(fault))
        d.rollCalls[1].date.serial = serials.value(fault);
    if (fault == "escapes")
        d.rollCalls[0].description = "LINE\nFEED\tTAB\rCR\\BACKSLASH";
    d.voteRows = {"16", "61", "16", "61"};
    TreeBuilder tree(root);
    tree.writeStandardTables();
    for (const char *name : {"isscodes.dat", "clacodes.dat", "pelcodes.dat"})
        tree.writeRaw("main/" + QLatin1String(name), "  1   AGRICULTURE\r\n");
    tree.addCongress(true, 97, d);
    if (fault == "lowered count")
        tree.setCounts(true, 97, {4, 1, 0, 0, 0});
    tree.writeIndexes();
    if (fault == "clausen folder") {
        QVERIFY(QFile::remove(tree.path("main/clacodes.dat")));
        QVERIFY(QDir(root).mkpath("main/clacodes.dat"));
    } else if (fault == "empty party") {
        tree.writeRaw("main/party.dat", QByteArray());
    } else if (fault == "short vot") {
        tree.writeRaw("house/97.vot", "11");
    } else if (fault == "dbn missing") {
        QVERIFY(QFile::remove(tree.path("house/97.dbn")));
    } else if (fault == "din past end") {
        ByteWriter din(8);
        din.setI32(0, 1);
        din.setI32(4, 100000);
        tree.writeRaw("house/97.din", din.data());
    }
}

} // namespace

class TestCliSearch : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Standard layouts with folders spelled in capitals, as copied from a case-insensitive file system.
        TreeBuilder standard(m_dir.filePath("standard"));
        CongressData c97;
        c97.rollCalls = {CodedRollCall("TAX CUT", QDate(1981, 1, 5), 200, 100, {10, 0, 1, 5, 0}),
                         CodedRollCall("FARM BILL", QDate(), 150, 140, {20, 0, 2, 7, 5})};
        c97.descriptions = {Description(), Description()};
        c97.descriptions[1].text = "Price supports";
        standard.addCongress(true, 97, c97);
        CongressData c98;
        c98.rollCalls = {CodedRollCall("DEFENSE", QDate(1983, 1, 3), 300, 90, {10, 0, 3, 0, 0})};
        c98.descriptions = {Description()};
        c98.descriptions[0].text = "RAISES THE INCOME TAX";
        standard.addCongress(true, 98, c98);
        // Counted in the index, but its files are missing.
        standard.setCounts(true, 99, {0, 4, 0, 0, 0});
        standard.writeIndexes();
        QVERIFY(QDir(standard.root()).rename("house", "HOUSE"));
        QVERIFY(QDir(standard.root()).rename("main", "Main"));
        QVERIFY(QDir(standard.root() + "/HOUSE").rename("98.rif", "98.RIF"));

        TreeBuilder extended(m_dir.filePath("extended"));
        CongressData c105;
        c105.rollCalls = {CodedRollCall("FIRST", QDate(1997, 1, 7), 51, 49, {1, 10, 4, 0, 0}),
                          CodedRollCall("SECOND", QDate(1997, 1, 8), 60, 40, {10, 0, 4, 0, 0}),
                          CodedRollCall("THIRD", QDate(1997, 1, 9), 70, 30, {2, 0, 5, 3, 9})};
        extended.addCongress(false, 105, c105, true);
        extended.writeIndexes();
        m_bookmark = extended.path("user/picks.bmk");
        BookmarkFile::Append(m_bookmark, {{false, 105, 3, TaggedDate::FromDate(QDate(1997, 1, 9)), "THIRD", 70, 30},
                                          {false, 105, 1, TaggedDate::FromText("Jan 1997"), "FIRST, noted", 70, 30}});
    }

    void searches_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("out");
        const QString tax = "97\t1\t1981-01-05\t200\t100\tTAX CUT\n";
        const QString farm = "97\t2\t\t150\t140\tFARM BILL\n";
        const QString def98 = "98\t1\t1983-01-03\t300\t90\tDEFENSE\n";
        Row("chronological, in the order given", "standard --house --congress 98,97", def98 + tax + farm);
        Row("issue", "standard --house --congress 97,98 --issue 10", tax + def98);
        Row("clausen", "standard --house --congress 97,98 --clausen 2,3", farm + def98);
        Row("peltzman, second code", "standard --house --congress 97 --peltzman 5", tax + farm);
        Row("keyword in free text, not cut", "standard --house --congress 97,98 --keyword tax --op2 NOT --keyword2 cut",
            def98);
        Row("keyword or", "standard --house --congress 97,98 --keyword FARM --op3 or --keyword3 DEFENSE", farm + def98);
        Row("no match", "standard --house --congress 97 --keyword NOWHERE", "");
        Row("extended, second issue code", "extended --senate --congress 105 --issue 10 --extended",
            "105\t1\t1997-01-07\t51\t49\tFIRST\n105\t2\t1997-01-08\t60\t40\tSECOND\n");
        Row("bookmark", "extended --bookmark BOOKMARK",
            "105\t3\t1997-01-09\t70\t30\tTHIRD\n105\t1\t\t70\t30\tFIRST, noted\n");
    }

    void searches()
    {
        QFETCH(QString, args);
        QFETCH(QString, out);
        const CliRun r = RunCli(Words("search " + m_dir.path() + '/' + args.replace("BOOKMARK", m_bookmark)));
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, out);
        QCOMPARE(r.err, out.isEmpty() ? "rollscan-cli search: no matches (House(s) searched: 1)\n" : QString());
    }

    // Bad data fails with status 1 naming the file, bad usage with 2; TREE is the standard tree.
    void refused_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message"); // after "rollscan-cli search: "
        Row("missing roll-call file", "TREE --house --congress 99", 1, "99.rif");
        Row("congress beyond the index", "TREE --house --congress 120", 1, "houses.dat");
        Row("missing bookmark file", "TREE --bookmark /no/such.bmk", 1, "/no/such.bmk");
        Row("wrong layout for the files", "TREE --house --congress 98 --extended", 1, "98.RIF");
        Row("no chamber", "TREE --congress 97", 2, "give --house or --senate");
        Row("no congress", "TREE --house", 2, "give --congress N[,N...]");
        Row("both chambers", "TREE --house --senate --congress 97", 2, "give either --house or --senate");
        Row("bad congress", "TREE --house --congress 97,x", 2,
            "--congress takes a comma-separated list of congress numbers, not '97,x'");
        Row("zero congress", "TREE --house --congress 0", 2,
            "--congress takes a comma-separated list of congress numbers, not '0'");
        Row("bad codes", "TREE --house --congress 97 --issue ten", 2,
            "--issue takes a comma-separated list of codes, not 'ten'");
        Row("two kinds", "TREE --house --congress 97 --issue 1 --clausen 2", 2,
            "give one of --issue, --clausen, --peltzman, --keyword and --bookmark");
        Row("bad operator", "TREE --house --congress 97 --keyword A --op2 XOR", 2,
            "--op2 takes AND, OR or NOT, not 'XOR'");
        Row("operator without keyword", "TREE --house --congress 97 --op2 AND", 2,
            "--op2, --op3, --keyword2 and --keyword3 go with --keyword");
        Row("value missing", "TREE --house --congress", 2, "--congress needs a value");
        Row("unknown option", "TREE --house --congress 97 --fast", 2, "unknown option --fast");
        Row("no tree", "--house --congress 97", 2, "the data tree is missing");
    }

    void refused()
    {
        QFETCH(QString, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const CliRun r = RunCli(Words("search " + args, m_dir.filePath("standard")));
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.out, QString());
        const QString head = "rollscan-cli search: ";
        QVERIFY2(exitCode == 1 ? r.err.startsWith(head) && r.err.contains(message) : r.err.startsWith(head + message),
                 qPrintable(r.err));
    }

    // Each report run on a damaged tree fails (exit 1) with one line that names the file; TREE stands
    // for the tree's folder.
    void refusedNamingTheFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("message");
        const QString noParty = ": TREE/main/party.dat does not list party code 100 of legislator ADAMS (record 1 of "
                                "TREE/house/97.lcr): it holds no party records.";
        const QString lowered = ": Roll call 2 is not in the 1 roll calls of House #97 (TREE/main/houses.dat).";
        Row("stats, empty party table", "empty party", "stats", "rollscan-cli stats" + noParty);
        Row("crosstab, empty party table", "empty party", "crosstab --partner-congress 97 --partner-roll 1",
            "rollscan-cli crosstab" + noParty);
        Row("info, description file missing", "dbn missing", "info",
            "rollscan-cli info: That file doesn't exist. (TREE/house/97.dbn: File not found)");
        Row("info, position past the end", "din past end", "info",
            "rollscan-cli info: This file has a non-standard end-of-file marker, or an attempt was made to read "
            "beyound the end-of-file marker. (TREE/house/97.dbn: Input past end of file");
        Row("rollcall, undefined party", "undefined party", "rollcall",
            "rollscan-cli rollcall: TREE/house/97.lcr: An error has occurred while drawing the Ideological map. "
            "Legislator CLARK        (3) is set as being in party 9999 which is currently not defined in Rollscan.");
        Row("stats, count lowered in the index", "lowered count", "stats", "rollscan-cli stats" + lowered);
        Row("info, count lowered in the index", "lowered count", "info", "rollscan-cli info" + lowered);
    }

    void refusedNamingTheFile()
    {
        QFETCH(QString, fault);
        QFETCH(QString, command);
        QFETCH(QString, message);
        QTemporaryDir dir;
        for (const QString &planted : {QString(), fault}) {
            const QString tree = dir.filePath(planted.isEmpty() ? "sound" : "damaged");
            writeTree(tree, planted);
            const QStringList args = Words(command).mid(0, 1) + QStringList{tree} +
                                     Words("--house --congress 97 --roll 2") + Words(command).mid(1);
            const CliRun r = RunCli(args);
            // The sound tree gives an answer, so the failure is the fault's doing.
            if (planted.isEmpty()) {
                QCOMPARE(r.exitCode, 0);
                continue;
            }
            QCOMPARE(r.exitCode, 1);
            QCOMPARE(r.out, QString());
            QVERIFY2(r.err.startsWith(QString(message).replace("TREE", tree)), qPrintable(r.err));
            QVERIFY2(r.err.count(QLatin1Char('\n')) == 1, qPrintable(r.err));
        }
    }

    // The check lists each fault on one line under the tree's path as given (a relative one is not made
    // absolute or doubled), then counts them.
    void checkReportsTheFault_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("lines");
        const QString notListed = "house/97.lcr: record %1 has party code %2, which party.dat does not list";
        const QString date =
            "house/97.rif: roll call 2 has the date %1 (day %2), impossible for congress 97 (1981-1982)";
        Row("subject-code table is a folder", "clausen folder",
            QStringList{"main/clacodes.dat: is not a file; the subject-code search needs a list of codes here"});
        Row("empty party table", "empty party",
            QStringList{"main/party.dat: holds no party records; the statistics and cross-tab windows name every "
                        "party from it",
                        notListed.arg("1 (ADAMS)", "100"), notListed.arg("2 (BAKER)", "200"),
                        notListed.arg("3 (CLARK)", "100"), notListed.arg("4 (DAVIS)", "200")});
        Row("party code not listed", "party missing", QStringList{notListed.arg("4 (DAVIS)", "555")});
        Row("description file missing", "dbn missing",
            QStringList{"house/97.dbn: is missing; the index counts 4 legislators and 2 roll calls for congress 97"});
        // The tally check that follows cannot read it either, and says so apart from the count of faults.
        Row("vote file short", "short vot",
            QStringList{"house/97.vot: holds 2 bytes; 4 legislators and 2 roll calls need 8",
                        "house/97.vot: tally check stopped: Input past end of file (2 bytes, 4 legislators x 2 roll "
                        "calls need 8)"});
        Row("NaN date", "date nan", QStringList{date.arg("none", "nan")});
        Row("infinite date", "date inf", QStringList{date.arg("none", "inf")});
        Row("date before 1789", "date 1700", QStringList{date.arg("none").arg(SerialFromDate(QDate(1700, 6, 1)))});
        Row("date after the congress", "date 1983",
            QStringList{date.arg("3/5/1983").arg(SerialFromDate(QDate(1983, 3, 5)))});
    }

    void checkReportsTheFault()
    {
        QFETCH(QString, fault);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        writeTree(dir.filePath("sound"), QString());
        const CliRun sound = RunCli({"check", "sound"}, dir.path());
        QVERIFY2(sound.exitCode == 0 && sound.err.isEmpty(), qPrintable(sound.err));
        QVERIFY2(sound.out.startsWith("Checked sound: 1 House and 0 Senate congresses, 0 faults.\n"),
                 qPrintable(sound.out));

        writeTree(dir.filePath("t"), fault);
        const CliRun r = RunCli({"check", "t"}, dir.path());
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, "t/" + lines.join("\nt/") + "\n");
        const qsizetype n = lines.size() - lines.filter("tally check stopped").size();
        const QString count = n == 1 ? "1 fault" : QStringLiteral("%1 faults").arg(n);
        QVERIFY2(r.out.startsWith("Checked t: 1 House and 0 Senate congresses, " + count + ".\n"), qPrintable(r.out));
    }

    void tabSeparatedFieldsEscaped()
    {
        QTemporaryDir dir;
        writeTree(dir.path(), "escapes");
        const CliRun r = RunCli(Words("search TREE --house --congress 97 --keyword FEED", dir.path()));
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringLiteral("97\t1\t1981-01-05\t2\t2\tLINE\\nFEED\\tTAB\\rCR\\\\BACKSLASH\n"));
        for (const char *command : {"search", "crosstab"})
            QVERIFY2(RunCli({command, "--help"}).out.contains("\\\\, \\t, \\n or \\r"), command);
    }

    void bookmarkEntriesOutsideTheTree_data()
    {
        QTest::addColumn<bool>("isHouse");
        QTest::addColumn<int>("congress");
        QTest::addColumn<int>("rollCall");
        QTest::addColumn<int>("yeas");
        QTest::addColumn<QString>("why");
        const QString house97 = "House congress 97 has roll calls 1 to 2.";
        Row("congress not in the tree", true, 22, 1, 5,
            "(House congress 22, roll call 1) is not in this data tree: the data tree has no "
            "House congress 22.");
        Row("negative roll call", true, 97, -12542, 5,
            "(House congress 97, roll call -12542) is not in this data tree: " + house97);
        Row("roll call past the last", true, 97, 3, 5,
            "(House congress 97, roll call 3) is not in this data tree: " + house97);
        Row("chamber the tree lacks", false, 97, 1, 5,
            "(Senate congress 97, roll call 1) is not in this data tree: the data tree has no "
            "Senate congress 97.");
        Row("negative tally", true, 97, 2, -7,
            "(House congress 97, roll call 2) is not in this data tree: its tallies (-7 "
            "yeas, 2 nays) are negative.");
    }

    void bookmarkEntriesOutsideTheTree()
    {
        QFETCH(bool, isHouse);
        QFETCH(int, congress);
        QFETCH(int, rollCall);
        QFETCH(int, yeas);
        QFETCH(QString, why);
        QTemporaryDir dir;
        const QString tree = dir.filePath("t");
        writeTree(tree, QString());
        const QString path = dir.filePath("list.bmk");
        const BookmarkEntry good{true, 97, 1, TaggedDate::FromDate(QDate(1981, 1, 5)), {}, 2, 2};
        const BookmarkEntry bad{isHouse, qint16(congress), qint16(rollCall), good.date, {}, qint16(yeas), 2};
        BookmarkFile::Rewrite(path, {good, good});
        const QStringList args = {"search", tree, "--bookmark", path};
        QCOMPARE(RunCli(args).exitCode, 0);

        BookmarkFile::Rewrite(path, {good, bad});
        const CliRun r = RunCli(args);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QString());
        QCOMPARE(r.err, QStringLiteral("rollscan-cli search: %1: entry 2 %2\n").arg(path, why));
    }

private:
    QTemporaryDir m_dir;
    QString m_bookmark;
};

QTEST_GUILESS_MAIN(TestCliSearch)
#include "tst_cli_search.moc"
