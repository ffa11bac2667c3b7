// rollscan-cli queue: the analysis file and the spreadsheet of a queue given on the command line.
#include "support/CliRun.h"
#include "support/TreeBuilder.h"

#include "core/data/FileIO.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;
using rollscan::test::CliRun;
using rollscan::test::CongressData;
using rollscan::test::RunCli;
using rollscan::test::TreeBuilder;

namespace {
CliRun runCli(const QStringList &args)
{
    return RunCli(QStringList{QStringLiteral("queue")} + args);
}
} // namespace

class TestCliQueue : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void tidyFileOfTwoRollCalls();
    void bothFilesAtOnce();

private:
    QTemporaryDir m_dir;
    QString m_tree;
};

void TestCliQueue::initTestCase()
{
    m_tree = m_dir.filePath(QStringLiteral("tree"));
    TreeBuilder tree(m_tree);
    tree.writeStandardTables();
    CongressData s30;
    // A senator whose name is not plain ASCII: the analysis file is UTF-8.
    s30.legislators = {TreeBuilder::legislator(QStringLiteral("MU\u00d1OZ"), 13, 0, 29, -0.5f, 0.25f, 7001),
                       TreeBuilder::legislator(QStringLiteral("CLAY"), 50, 0, 100, 0.75f, -0.125f, 7002)};
    s30.rollCalls = {TreeBuilder::rollCall(QString(), QDate(1847, 12, 6), 1, 1),
                     TreeBuilder::rollCall(QString(), QDate(1847, 12, 7), 0, 1)};
    s30.voteRows = {QStringLiteral("16"), QStringLiteral("69")};
    tree.addCongress(false, 30, s30);
    tree.writeIndexes();
}

void TestCliQueue::tidyFileOfTwoRollCalls()
{
    const QString out = m_dir.filePath(QStringLiteral("s30.csv"));
    const CliRun r = runCli({m_tree, QStringLiteral("--senate"), QStringLiteral("--congress"), QStringLiteral("30"),
                             QStringLiteral("--rolls"), QStringLiteral("30:2,30:1"), QStringLiteral("--tidy"), out});
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    const QByteArray expected = "congress,roll_call,date,member_id,name,state,district,party_code,party_name,coord1,"
                                "coord2,vote_code,vote_class\n"
                                "30,2,1847-12-07,7001,MU\xc3\x91OZ,NY,0,29,Whig,-0.5,0.25,6,Nay\n"
                                "30,2,1847-12-07,7002,CLAY,KY,0,100,Democrat,0.75,-0.125,9,Not voting\n"
                                "30,1,1847-12-06,7001,MU\xc3\x91OZ,NY,0,29,Whig,-0.5,0.25,1,Yea\n"
                                "30,1,1847-12-06,7002,CLAY,KY,0,100,Democrat,0.75,-0.125,6,Nay\n";
    QCOMPARE(ReadWholeFile(out), expected);
}

void TestCliQueue::bothFilesAtOnce()
{
    const QString tidy = m_dir.filePath(QStringLiteral("both.csv"));
    const QString sheet = m_dir.filePath(QStringLiteral("both.prn"));
    const CliRun r = runCli({m_tree, QStringLiteral("--senate"), QStringLiteral("--congress"), QStringLiteral("30"),
                             QStringLiteral("--rolls"), QStringLiteral("30:1"), QStringLiteral("--tidy"), tidy,
                             QStringLiteral("--csv"), sheet});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(ReadWholeFile(tidy).count('\n'), 3);
    // The spreadsheet keeps its own form: heading block and quoted column line.
    QVERIFY(ReadWholeFile(sheet).startsWith("December 6, 1847: Roll Call #1\r\n\r\nSenate #30, 1847-1848\r\n\r\n"
                                            "\"H#\",\"ID1\""));
}

QTEST_GUILESS_MAIN(TestCliQueue)
#include "tst_cli_queue.moc"
