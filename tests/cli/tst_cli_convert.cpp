// rollscan-cli convert and check, run as the real binary: exit codes, messages, files.
#include "support/CliRun.h"
#include "support/TreeBuilder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using rollscan::test::CliRun;
using rollscan::test::RunCli;
using rollscan::test::TreeBuilder;
using rollscan::test::Words;

namespace {

void writeTables(const QString &root, const QByteArray &votes)
{
    TreeBuilder src(root);
    src.writeRaw(QStringLiteral("house/H097_members.csv"),
                 "congress,chamber,icpsr,state_icpsr,district_code,state_abbrev,party_code,bioname,dim1,dim2\n"
                 "97,House,10717,41,2.0,AL,200,\"DICKINSON, William Louis\",0.398,-0.057\n"
                 "97,House,15000,82,1.0,HI,100,\"SMITH, John\",,\n"
                 "97,President,99907,99,0,USA,200,\"REAGAN, Ronald Wilson\",0.692,-0.713\n");
    src.writeRaw(QStringLiteral("house/H097_rollcalls.csv"),
                 "congress,chamber,rollnumber,date,session,clerk_rollnumber,yea_count,nay_count,mid_1,mid_2,spread_1,"
                 "spread_2,log_likelihood,bill_number,vote_result,vote_desc,vote_question,dtl_desc\n"
                 "97,House,1,1981-01-05,1,2,2,0,,,,,,HR1,Passed,A bill,On Passage,\n"
                 "97,House,2,,,,1,1,,,,,,,,,,\n");
    src.writeRaw(QStringLiteral("house/H097_votes.csv"), votes);
}

const QByteArray kVotes = "congress,chamber,rollnumber,icpsr,cast_code\n"
                          "97,House,1,10717,1\n97,House,1,15000,1\n"
                          "97,House,2,10717,1\n97,House,2,15000,6\n97,House,2,99907,1\n";
} // namespace

class TestCliConvert : public QObject {
    Q_OBJECT

private slots:
    void help_data();
    void help();
    void usageErrors_data();
    void usageErrors();
    void badDataNamesFileAndLine();
    void convertThenCheck();
    void checkListsFaults();
};

void TestCliConvert::help_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("convert") << "convert"
                             << "Usage: rollscan-cli convert SRC DEST [--extended] [--include-president] "
                                "[--parties FILE] [--coords A,B]";
    QTest::newRow("check") << "check"
                           << "Usage: rollscan-cli check TREE [--extended] [--reports FOLDER]";
}

void TestCliConvert::help()
{
    QFETCH(QString, command);
    QFETCH(QString, firstLine);
    const CliRun r = RunCli({command, QStringLiteral("--help")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out.section(QLatin1Char('\n'), 0, 0), firstLine);
    QVERIFY(r.out.contains(QStringLiteral("Exit codes: 0")));
}

void TestCliConvert::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("no arguments") << QStringList{"convert"} << "rollscan-cli convert: give the folder of tables (SRC)";
    QTest::newRow("unknown option") << Words("convert @SRC @DEST --fast")
                                    << "rollscan-cli convert: unknown option --fast";
    QTest::newRow("one coordinate column") << Words("convert @SRC @DEST --coords dim1")
                                           << "rollscan-cli convert: --coords needs two column names separated by a "
                                              "comma, not \"dim1\"";
    QTest::newRow("parties without a file")
        << Words("convert @SRC @DEST --parties") << "rollscan-cli convert: --parties needs a file name";
    QTest::newRow("source is not a folder")
        << Words("convert @SRC/none @DEST") << "rollscan-cli convert: @SRC/none is not a folder";
    QTest::newRow("destination not empty")
        << Words("convert @SRC @SRC") << "rollscan-cli convert: @SRC exists and is not empty";
    QTest::newRow("check without a tree") << QStringList{"check"} << "rollscan-cli check: give the folder";
    QTest::newRow("check a missing folder")
        << QStringList{"check", "@DEST"} << "rollscan-cli check: @DEST is not a folder";
    QTest::newRow("check with an unknown option")
        << Words("check @SRC --standard") << "rollscan-cli check: unknown option --standard";
}

void TestCliConvert::usageErrors()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString src = dir.filePath(QStringLiteral("src"));
    const QString dest = dir.filePath(QStringLiteral("dest"));
    writeTables(src, kVotes);
    for (QString &a : args)
        a.replace(QLatin1String("@SRC"), src).replace(QLatin1String("@DEST"), dest);
    message.replace(QLatin1String("@SRC"), src).replace(QLatin1String("@DEST"), dest);
    const CliRun r = RunCli(args);
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.err.startsWith(message), qPrintable(r.err));
    QVERIFY(!QFileInfo::exists(dest));
}

void TestCliConvert::badDataNamesFileAndLine()
{
    QTemporaryDir dir;
    const QString src = dir.filePath(QStringLiteral("src"));
    writeTables(src, kVotes + "97,House,2,15000,1\n");
    const CliRun r = RunCli({QStringLiteral("convert"), src, dir.filePath(QStringLiteral("tree"))});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err, QStringLiteral("rollscan-cli convert: %1/house/H097_votes.csv:7: member 15000 votes twice on roll "
                                   "call 2 (first on line 5)\nrollscan-cli convert: nothing was written.\n")
                        .arg(src));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"src"});
}

void TestCliConvert::convertThenCheck()
{
    QTemporaryDir dir;
    const QString src = dir.filePath(QStringLiteral("src"));
    const QString tree = dir.filePath(QStringLiteral("tree"));
    writeTables(src, kVotes);
    const CliRun c = RunCli({QStringLiteral("convert"), src, tree, QStringLiteral("--extended")});
    QCOMPARE(c.exitCode, 0);
    QCOMPARE(c.err, QString());
    QVERIFY2(c.out.contains(QStringLiteral("[1/1] House 97: 2 legislators, 2 roll calls\n")), qPrintable(c.out));
    QVERIFY(QFileInfo::exists(tree + QStringLiteral("/house/97.lcr")));
    QCOMPARE(QFileInfo(tree + QStringLiteral("/house/97.lcr")).size(), 2 * 62);

    const CliRun k = RunCli({QStringLiteral("check"), tree, QStringLiteral("--extended")});
    QCOMPARE(k.exitCode, 0);
    QCOMPARE(k.err, QString());
    // Roll call 2 stores 1-1 but its votes hold 1-1 as well; roll call 1 stores 2-0 and has two yeas.
    QCOMPARE(k.out, QStringLiteral("Checked %1: 1 House and 0 Senate congresses, 0 faults.\n"
                                   "Tally check: 0 mismatch lines written to %1/house/hmatch.txt\n"
                                   "Tally check: 0 mismatch lines written to %1/senate/smatch.txt\n")
                        .arg(tree));

    // With the President, his yea on roll call 2 makes its votes 2-1: one mismatch line.
    const QString withPresident = dir.filePath(QStringLiteral("tree2"));
    QCOMPARE(RunCli({QStringLiteral("convert"), src, withPresident, QStringLiteral("--include-president")}).exitCode,
             0);
    const CliRun k2 = RunCli({QStringLiteral("check"), withPresident});
    QCOMPARE(k2.exitCode, 0);
    QVERIFY2(k2.out.contains(QStringLiteral("Tally check: 1 mismatch line written to")), qPrintable(k2.out));
}

void TestCliConvert::checkListsFaults()
{
    QTemporaryDir dir;
    const QString src = dir.filePath(QStringLiteral("src"));
    const QString tree = dir.filePath(QStringLiteral("tree"));
    writeTables(src, kVotes);
    QCOMPARE(RunCli({QStringLiteral("convert"), src, tree}).exitCode, 0);
    TreeBuilder(tree).writeRaw(QStringLiteral("house/97.vot"), "11");
    const CliRun k = RunCli({QStringLiteral("check"), tree});
    QCOMPARE(k.exitCode, 1);
    QVERIFY2(k.err.startsWith(tree + QStringLiteral("/house/97.vot: holds 2 bytes; 2 legislators and 2 roll calls need "
                                                    "4\n")),
             qPrintable(k.err));
    QVERIFY(k.out.contains(QStringLiteral("1 fault.")));
}

QTEST_GUILESS_MAIN(TestCliConvert)
#include "tst_cli_convert.moc"
