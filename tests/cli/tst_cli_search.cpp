// rollscan-cli search, run as a separate program over data trees written for the test.
#include "support/CliRun.h"
#include "support/TreeBuilder.h"

#include "core/search/BookmarkFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;
using rollscan::test::CliRun;
using rollscan::test::CongressData;
using rollscan::test::RunCli;
using rollscan::test::TreeBuilder;
using rollscan::test::Words;

namespace {
RollCall coded(const QString &description, const QDate &date, int yeas, int nays, int issue, int issue2, int clausen,
               int peltzman1, int peltzman2)
{
    RollCall rc = TreeBuilder::rollCall(description, date, yeas, nays);
    rc.issueCode = qint16(issue);
    rc.issueCode2 = qint16(issue2);
    rc.clausenCode = qint16(clausen);
    rc.peltzmanCode1 = qint16(peltzman1);
    rc.peltzmanCode2 = qint16(peltzman2);
    return rc;
}

Description text(const QString &t)
{
    Description d;
    d.text = t;
    return d;
}

CliRun runCli(const QStringList &args)
{
    return RunCli(QStringList{QStringLiteral("search")} + args);
}
} // namespace

class TestCliSearch : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void searches_data();
    void searches();
    void badData_data();
    void badData();
    void badUsage_data();
    void badUsage();

private:
    QTemporaryDir m_dir;
    QString m_standard; // standard layouts, folders spelled in capitals
    QString m_extended; // extended layouts
    QString m_bookmark;
};

void TestCliSearch::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_standard = m_dir.filePath(QStringLiteral("standard"));
    m_extended = m_dir.filePath(QStringLiteral("extended"));
    {
        TreeBuilder tree(m_standard);
        CongressData c97;
        c97.rollCalls = {coded(QStringLiteral("TAX CUT"), QDate(1981, 1, 5), 200, 100, 10, 0, 1, 5, 0),
                         coded(QStringLiteral("FARM BILL"), QDate(), 150, 140, 20, 0, 2, 7, 5)};
        c97.descriptions = {text(QString()), text(QStringLiteral("Price supports"))};
        tree.addCongress(true, 97, c97);
        CongressData c98;
        c98.rollCalls = {coded(QStringLiteral("DEFENSE"), QDate(1983, 1, 3), 300, 90, 10, 0, 3, 0, 0)};
        c98.descriptions = {text(QStringLiteral("RAISES THE INCOME TAX"))};
        tree.addCongress(true, 98, c98);
        // Counted in the index, but its files are missing.
        tree.setCounts(true, 99, {0, 4, 0, 0, 0});
        tree.writeIndexes();
        // Folders copied from a case-insensitive file system.
        QVERIFY(QDir(m_standard).rename(QStringLiteral("house"), QStringLiteral("HOUSE")));
        QVERIFY(QDir(m_standard).rename(QStringLiteral("main"), QStringLiteral("Main")));
        QVERIFY(QDir(m_standard + QStringLiteral("/HOUSE")).rename(QStringLiteral("98.rif"), QStringLiteral("98.RIF")));
    }
    {
        TreeBuilder tree(m_extended);
        CongressData c105;
        c105.rollCalls = {coded(QStringLiteral("FIRST"), QDate(1997, 1, 7), 51, 49, 1, 10, 4, 0, 0),
                          coded(QStringLiteral("SECOND"), QDate(1997, 1, 8), 60, 40, 10, 0, 4, 0, 0),
                          coded(QStringLiteral("THIRD"), QDate(1997, 1, 9), 70, 30, 2, 0, 5, 3, 9)};
        tree.addCongress(false, 105, c105, true);
        tree.writeIndexes();
        BookmarkEntry a;
        a.isHouse = false;
        a.congress = 105;
        a.rollCall = 3;
        a.date = TaggedDate::FromDate(QDate(1997, 1, 9));
        a.description = QStringLiteral("THIRD");
        a.yeas = 70;
        a.nays = 30;
        BookmarkEntry b = a;
        b.rollCall = 1;
        b.date = TaggedDate::FromText(QStringLiteral("Jan 1997"));
        b.description = QStringLiteral("FIRST, noted");
        m_bookmark = tree.path(QStringLiteral("user/picks.bmk"));
        BookmarkFile::Append(m_bookmark, {a, b});
    }
}

void TestCliSearch::searches_data()
{
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("out");

    const QString all97 = QStringLiteral("97\t1\t1981-01-05\t200\t100\tTAX CUT\n97\t2\t\t150\t140\tFARM BILL\n");
    const QString def98 = QStringLiteral("98\t1\t1983-01-03\t300\t90\tDEFENSE\n");
    QTest::newRow("chronological, in the order given")
        << "standard" << Words("--house --congress 98,97") << def98 + all97;
    QTest::newRow("issue") << "standard" << Words("--house --congress 97,98 --issue 10")
                           << all97.section('\n', 0, 0) + "\n" + def98;
    QTest::newRow("clausen") << "standard" << Words("--house --congress 97,98 --clausen 2,3")
                             << all97.section('\n', 1, 1) + "\n" + def98;
    QTest::newRow("peltzman, second code") << "standard" << Words("--house --congress 97 --peltzman 5") << all97;
    QTest::newRow("keyword in free text, not cut")
        << "standard" << Words("--house --congress 97,98 --keyword tax --op2 NOT --keyword2 cut") << def98;
    QTest::newRow("keyword or") << "standard"
                                << Words("--house --congress 97,98 --keyword FARM --op3 or --keyword3 DEFENSE")
                                << all97.section('\n', 1, 1) + "\n" + def98;
    QTest::newRow("no match") << "standard" << Words("--house --congress 97 --keyword NOWHERE") << "";
    QTest::newRow("extended, second issue code")
        << "extended" << Words("--senate --congress 105 --issue 10 --extended")
        << "105\t1\t1997-01-07\t51\t49\tFIRST\n105\t2\t1997-01-08\t60\t40\tSECOND\n";
    QTest::newRow("extended, second peltzman code")
        << "extended" << Words("--senate --congress 105 --peltzman 9 --extended")
        << "105\t3\t1997-01-09\t70\t30\tTHIRD\n";
    QTest::newRow("bookmark") << "extended" << QStringList{"--bookmark", "BOOKMARK"}
                              << "105\t3\t1997-01-09\t70\t30\tTHIRD\n105\t1\t\t70\t30\tFIRST, noted\n";
}

void TestCliSearch::searches()
{
    QFETCH(QString, tree);
    QFETCH(QStringList, args);
    QFETCH(QString, out);
    args.replaceInStrings(QStringLiteral("BOOKMARK"), m_bookmark);
    const CliRun r = runCli(QStringList{tree == QLatin1String("standard") ? m_standard : m_extended} + args);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, out);
    if (out.isEmpty())
        QCOMPARE(r.err, QStringLiteral("rollscan-cli search: no matches (House(s) searched: 1)\n"));
    else
        QCOMPARE(r.err, QString());
}

void TestCliSearch::badData_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("named");
    QTest::newRow("missing roll-call file") << Words("--house --congress 99") << "99.rif";
    QTest::newRow("congress beyond the index") << Words("--house --congress 120") << "houses.dat";
    QTest::newRow("missing bookmark file") << QStringList{"--bookmark", "/no/such.bmk"} << "/no/such.bmk";
    QTest::newRow("wrong layout for the files") << Words("--house --congress 98 --extended") << "98.RIF";
}

void TestCliSearch::badData()
{
    QFETCH(QStringList, args);
    QFETCH(QString, named);
    const CliRun r = runCli(QStringList{m_standard} + args);
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.out, QString());
    QVERIFY2(r.err.startsWith(QLatin1String("rollscan-cli search: ")) && r.err.contains(named), qPrintable(r.err));
}

void TestCliSearch::badUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no chamber") << Words("TREE --congress 97");
    QTest::newRow("no congress") << QStringList{"TREE", "--house"};
    QTest::newRow("both chambers") << Words("TREE --house --senate --congress 97");
    QTest::newRow("bad congress") << Words("TREE --house --congress 97,x");
    QTest::newRow("zero congress") << Words("TREE --house --congress 0");
    QTest::newRow("bad codes") << Words("TREE --house --congress 97 --issue ten");
    QTest::newRow("two kinds") << Words("TREE --house --congress 97 --issue 1 --clausen 2");
    QTest::newRow("bad operator") << Words("TREE --house --congress 97 --keyword A --op2 XOR");
    QTest::newRow("operator without keyword") << Words("TREE --house --congress 97 --op2 AND");
    QTest::newRow("value missing") << Words("TREE --house --congress");
    QTest::newRow("unknown option") << Words("TREE --house --congress 97 --fast");
    QTest::newRow("no tree") << Words("--house --congress 97");
}

void TestCliSearch::badUsage()
{
    QFETCH(QStringList, args);
    args.replaceInStrings(QStringLiteral("TREE"), m_standard);
    const CliRun r = runCli(args);
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out, QString());
    QVERIFY(r.err.startsWith(QLatin1String("rollscan-cli search: ")));
}

QTEST_GUILESS_MAIN(TestCliSearch)
#include "tst_cli_search.moc"
