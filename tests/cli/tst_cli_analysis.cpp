// rollscan-cli rate and track, run as a separate program over a data tree written for the test.
#include "support/CliRun.h"
#include "support/TreeBuilder.h"

#include "core/data/FileIO.h"

#include <QtTest>

using namespace rollscan;
using namespace rollscan::test;

class TestCliAnalysis : public QObject {
    Q_OBJECT

private slots:
    // Senate 97: three members over three roll calls; Senate 98: two members over one.
    void initTestCase()
    {
        TreeBuilder tree(m_dir.path());
        tree.writeStandardTables();
        CongressData d97;
        const Legislator baker = TreeBuilder::legislator("BAKER", 54, 0, 200, 0.3f, 0.1f, 1001);
        d97.legislators = {baker, TreeBuilder::legislator("BYRD", 56, 0, 100, -0.2f, 0.1f, 1002),
                           TreeBuilder::legislator("ABSENT", 13, 0, 100, -0.3f, 0.1f, 1003)};
        for (int r = 1; r <= 3; ++r)
            d97.rollCalls.append(
                TreeBuilder::rollCall(QStringLiteral("Vote %1").arg(r), QDate(1981, 2, r), 50 + r, 40));
        d97.voteRows = {"164", "416", "090"};
        tree.addCongress(false, 97, d97, true);
        CongressData d98;
        d98.legislators = {baker, TreeBuilder::legislator("NEW", 13, 0, 100, -0.1f, 0.1f, 1004)};
        d98.rollCalls = {TreeBuilder::rollCall("Later", QDate(1983, 1, 5), 60, 30)};
        d98.voteRows = {"6", "1"};
        tree.addCongress(false, 98, d98, true);
        tree.writeIndexes();
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
        words.insert(1, m_dir.path());
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
        const CliRun run = RunCli(Words("rate TREE --senate --extended --congress 97 --rolls 1,3", m_dir.path()) +
                                  QStringList{"--text", text, "--csv", csv});
        QCOMPARE(run.exitCode, 0);
        const QByteArray report = ReadWholeFile(text);
        QVERIFY2(report.startsWith("Rollscan for Windows Legislator Ratings\r\n") &&
                     report.contains("Yea 1    51-40   Vote 1\r\nYea 3    53-40   Vote 3\r\n") &&
                     report.contains("BAKER            50.00\r\n"),
                 report.constData());
        const QList<QByteArray> sheet = ReadWholeFile(csv).split('\n');
        QCOMPARE(sheet.size(), 5);
        QCOMPARE(sheet[1], QByteArray("1001,BAKER,Republican,TN,0,97,1,1,1,50.00\r"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestCliAnalysis)
#include "tst_cli_analysis.moc"
