// rollscan-cli rate and track, run as a separate program over a data tree written for the test.
#include "support/CliRun.h"
#include "support/TreeBuilder.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;
using rollscan::test::CliRun;
using rollscan::test::CongressData;
using rollscan::test::RunCli;
using rollscan::test::TreeBuilder;
using rollscan::test::Words;

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestCliAnalysis : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void commands_data();
    void commands();
    void writesFiles();

private:
    QTemporaryDir m_dir;
};

void TestCliAnalysis::initTestCase()
{
    // Senate 97: three members over three roll calls; Senate 98: two members over one.
    TreeBuilder tree(m_dir.path());
    tree.writeStandardTables();
    CongressData d97;
    d97.legislators = {TreeBuilder::legislator(QStringLiteral("BAKER"), 54, 0, 200, 0.3f, 0.1f, 1001),
                       TreeBuilder::legislator(QStringLiteral("BYRD"), 56, 0, 100, -0.2f, 0.1f, 1002),
                       TreeBuilder::legislator(QStringLiteral("ABSENT"), 13, 0, 100, -0.3f, 0.1f, 1003)};
    for (int r = 1; r <= 3; ++r)
        d97.rollCalls.append(TreeBuilder::rollCall(QStringLiteral("Vote %1").arg(r), QDate(1981, 2, r), 50 + r, 40));
    d97.voteRows = {"164", "416", "090"};
    tree.addCongress(false, 97, d97, true);
    CongressData d98;
    d98.legislators = {TreeBuilder::legislator(QStringLiteral("BAKER"), 54, 0, 200, 0.3f, 0.1f, 1001),
                       TreeBuilder::legislator(QStringLiteral("NEW"), 13, 0, 100, -0.1f, 0.1f, 1004)};
    d98.rollCalls = {TreeBuilder::rollCall(QStringLiteral("Later"), QDate(1983, 1, 5), 60, 30)};
    d98.voteRows = {"6", "1"};
    tree.addCongress(false, 98, d98, true);
    tree.writeIndexes();
}

void TestCliAnalysis::commands_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    const QStringList base{"--senate", "--extended", "--congress", "97,98"};
    QTest::newRow("rate, plain numbers in the first congress")
        << (QStringList{"rate"} + base + QStringList{"--rolls", "1,2,98:1"}) << 0
        << "97\t1001\tBAKER\t50.00\n97\t1002\tBYRD\t50.00\n97\t1003\tABSENT\tn/a\n98\t1001\tBAKER\t0.00\n"
           "98\t1004\tNEW\t100.00\nHigh:\tNEW\t1\t100.00\nLow:\tBAKER\t1\t0.00\nAverage:\t50.00\n"
        << "";
    QTest::newRow("rate with nay sides")
        << (QStringList{"rate"} + base + Words("--rolls 97:1,97:2,97:3 --nay 2,97:3")) << 0
        << "97\t1001\tBAKER\t100.00\n97\t1002\tBYRD\t33.33\n97\t1003\tABSENT\tn/a\n98\t1001\tBAKER\tn/a\n"
           "98\t1004\tNEW\tn/a\nHigh:\tBAKER\t1\t100.00\nLow:\tBYRD\t1\t33.33\nAverage:\t66.67\n"
        << "";
    QTest::newRow("track one member through both congresses")
        << (QStringList{"track"} + base + Words("--rolls 98:1,1,3 --member 1001")) << 0
        << "Yea\t51-40\tVote 1\nNay\t53-40\tVote 3\n \nNay\t60-30\tLater\nYea:\t1\nNay:\t2\nn/a:\t0\n"
        << "";
    QTest::newRow("track two") << (QStringList{"track"} + base + Words("--rolls 2 --member 1003,1002")) << 0
                               << "Yea\t52-40\tVote 2\n \nn/a\t52-40\tVote 2\nYea:\t1\nNay:\t0\nn/a:\t1\n"
                               << "";
    QTest::newRow("roll call beyond the congress")
        << (QStringList{"rate"} + base + QStringList{"--rolls", "4"}) << 1 << ""
        << "rollscan-cli rate: Senate #97 has no roll call #4.\n";
    QTest::newRow("unknown member") << (QStringList{"track"} + base + Words("--rolls 1 --member 77")) << 1 << ""
                                    << "rollscan-cli track: no member 77 in the given congresses\n";
    QTest::newRow("no rolls") << (QStringList{"rate"} + base) << 2 << ""
                              << "rollscan-cli rate: give --rolls ITEMS\n";
    QTest::newRow("bad item") << (QStringList{"rate"} + base + QStringList{"--rolls", "97:1:2"}) << 2 << ""
                              << "rollscan-cli rate: --rolls takes a comma-separated list of N:R or R, not '97:1:2'\n";
    QTest::newRow("nay not queued") << (QStringList{"rate"} + base + Words("--rolls 1 --nay 2")) << 2 << ""
                                    << "rollscan-cli rate: --nay names 97:2, which --rolls does not queue\n";
    QTest::newRow("track needs members") << (QStringList{"track"} + base + QStringList{"--rolls", "1"}) << 2 << ""
                                         << "rollscan-cli track: give --member ID[,ID...]\n";
}

void TestCliAnalysis::commands()
{
    QFETCH(QStringList, args);
    args.insert(1, m_dir.path());
    const CliRun run = RunCli(args);
    QTEST(run.exitCode, "exitCode");
    QTEST(run.out, "out");
    QTEST(run.err, "err");
}

void TestCliAnalysis::writesFiles()
{
    const QString text = m_dir.filePath(QStringLiteral("rate.txt"));
    const QString csv = m_dir.filePath(QStringLiteral("rate.csv"));
    const CliRun run = RunCli({"rate", m_dir.path(), "--senate", "--extended", "--congress", "97", "--rolls", "1,3",
                               "--text", text, "--csv", csv});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(readFile(text), QByteArray("Rollscan for Windows Legislator Ratings\r\n"
                                        "---------------------------------------\r\n"
                                        "Senate #97, 1981-1982\r\n"
                                        "\r\n"
                                        "\r\n"
                                        "Selected Roll Calls\r\n"
                                        "-------------------\r\n"
                                        "\r\n"
                                        "Yea 1    51-40   Vote 1\r\n"
                                        "Yea 3    53-40   Vote 3\r\n"
                                        "\r\n"
                                        "Legislator Ratings\r\n"
                                        "------------------\r\n"
                                        "\r\n"
                                        "BAKER            50.00\r\n"
                                        "BYRD             0.00\r\n"
                                        "ABSENT           n/a\r\n"));
    QCOMPARE(readFile(csv), QByteArray("member_id,name,party,state,district,congress,yeas,nays,agreements,rating\r\n"
                                       "1001,BAKER,Republican,TN,0,97,1,1,1,50.00\r\n"
                                       "1002,BYRD,Democrat,S6,0,97,0,2,0,0.00\r\n"
                                       "1003,ABSENT,Democrat,NY,0,97,0,0,0,\r\n"));
}

QTEST_GUILESS_MAIN(TestCliAnalysis)
#include "tst_cli_analysis.moc"
