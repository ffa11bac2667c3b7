// rollscan-cli search, run as a separate program over data trees written for the test.
#include "support/CliRun.h"
#include "support/TreeBuilder.h"

#include "core/search/BookmarkFile.h"

#include <QtTest>

using namespace rollscan;
using namespace rollscan::test;

namespace {
// A roll call with its codes: issue, second issue, Clausen, Peltzman and second Peltzman.
RollCall coded(const QString &description, const QDate &date, int yeas, int nays, QList<int> codes)
{
    RollCall rc = TreeBuilder::rollCall(description, date, yeas, nays);
    rc.issueCode = qint16(codes[0]);
    rc.issueCode2 = qint16(codes[1]);
    rc.clausenCode = qint16(codes[2]);
    rc.peltzmanCode1 = qint16(codes[3]);
    rc.peltzmanCode2 = qint16(codes[4]);
    return rc;
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
        c97.rollCalls = {coded("TAX CUT", QDate(1981, 1, 5), 200, 100, {10, 0, 1, 5, 0}),
                         coded("FARM BILL", QDate(), 150, 140, {20, 0, 2, 7, 5})};
        c97.descriptions = {Description(), Description()};
        c97.descriptions[1].text = "Price supports";
        standard.addCongress(true, 97, c97);
        CongressData c98;
        c98.rollCalls = {coded("DEFENSE", QDate(1983, 1, 3), 300, 90, {10, 0, 3, 0, 0})};
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
        c105.rollCalls = {coded("FIRST", QDate(1997, 1, 7), 51, 49, {1, 10, 4, 0, 0}),
                          coded("SECOND", QDate(1997, 1, 8), 60, 40, {10, 0, 4, 0, 0}),
                          coded("THIRD", QDate(1997, 1, 9), 70, 30, {2, 0, 5, 3, 9})};
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

private:
    QTemporaryDir m_dir;
    QString m_bookmark;
};

QTEST_GUILESS_MAIN(TestCliSearch)
#include "tst_cli_search.moc"
