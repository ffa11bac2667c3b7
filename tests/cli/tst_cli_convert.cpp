// rollscan-cli convert and check, run as the real binary: exit codes, messages, files.
#include "support/CliRun.h"
#include "support/TreeBuilder.h"

#include "core/data/ScalingFile.h"

#include <QtTest>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace rollscan;
using namespace rollscan::test;

namespace {
// The 97th House's tables: two members and the President, who votes on roll call 2.
void writeTables(const QString &root, const QByteArray &moreVotes = {}, const QByteArray &date = "1981-01-05")
{
    TreeBuilder src(root);
    src.writeRaw("house/H097_members.csv",
                 "congress,chamber,icpsr,state_icpsr,district_code,state_abbrev,party_code,bioname,dim1,dim2,"
                 "congress_dim1,congress_dim2,conditional\n"
                 "97,House,10717,41,2.0,AL,200,\"DICKINSON, William Louis\",0.398,-0.057,0.3,0.4,0.5\n"
                 "97,House,15000,82,1.0,HI,100,\"SMITH, John\",,,,,\n"
                 "97,President,99907,99,0,USA,200,\"REAGAN, Ronald Wilson\",0.692,-0.713,0.6,0.7,0.8\n");
    src.writeRaw("house/H097_rollcalls.csv",
                 "congress,chamber,rollnumber,date,session,clerk_rollnumber,yea_count,nay_count,mid_1,mid_2,spread_1,"
                 "spread_2,log_likelihood,bill_number,vote_result,vote_desc,vote_question,dtl_desc\n"
                 "97,House,1," +
                     date + ",1,2,2,0,,,,,,HR1,Passed,A bill,On Passage,\n97,House,2,,,,1,1,,,,,,,,,,\n");
    src.writeRaw("house/H097_votes.csv", "congress,chamber,rollnumber,icpsr,cast_code\n"
                                         "97,House,1,10717,1\n97,House,1,15000,1\n"
                                         "97,House,2,10717,1\n97,House,2,15000,6\n97,House,2,99907,1\n" +
                                             moreVotes);
}
} // namespace

class TestCliConvert : public QObject {
    Q_OBJECT

private slots:
    void usageErrors_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("message");
        Row("no arguments", "convert", "rollscan-cli convert: give the folder of tables (SRC)");
        Row("unknown option", "convert @SRC @DEST --fast", "rollscan-cli convert: unknown option --fast");
        Row("one coordinate column", "convert @SRC @DEST --coords dim1",
            "rollscan-cli convert: --coords needs two column names separated by a comma, not \"dim1\"");
        Row("parties without a file", "convert @SRC @DEST --parties",
            "rollscan-cli convert: --parties needs a file name");
        Row("weight above 1", "convert @SRC @DEST --dim2-weight 1.2",
            "rollscan-cli convert: --dim2-weight needs a number greater than 0 and at most 1");
        Row("source is not a folder", "convert @SRC/none @DEST", "rollscan-cli convert: @SRC/none is not a folder");
        Row("destination not empty", "convert @SRC @SRC", "rollscan-cli convert: @SRC exists and is not empty");
        Row("check without a tree", "check", "rollscan-cli check: give the folder");
        Row("check a missing folder", "check @DEST", "rollscan-cli check: @DEST is not a folder");
        Row("check with an unknown option", "check @SRC --standard", "rollscan-cli check: unknown option --standard");
    }

    void usageErrors()
    {
        QFETCH(QString, args);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString src = dir.filePath("src");
        const QString dest = dir.filePath("dest");
        writeTables(src);
        const CliRun r = RunCli(Words(args.replace("@SRC", src).replace("@DEST", dest)));
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.startsWith(message.replace("@SRC", src).replace("@DEST", dest)), qPrintable(r.err));
        QVERIFY(!QFileInfo::exists(dest));
    }

    void badDataNamesFileAndLine()
    {
        QTemporaryDir dir;
        writeTables(dir.filePath("src"), "97,House,2,15000,1\n");
        const CliRun r = RunCli({"convert", dir.filePath("src"), dir.filePath("tree")});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err,
                 QStringLiteral("rollscan-cli convert: %1/house/H097_votes.csv:7: member 15000 votes twice on roll "
                                "call 2 (first on line 5)\nrollscan-cli convert: nothing was written.\n")
                     .arg(dir.filePath("src")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"src"});
    }

    void convertThenCheck()
    {
        QTemporaryDir dir;
        const QString tree = dir.filePath("tree");
        writeTables(dir.filePath("src"));
        const CliRun c = RunCli({"convert", dir.filePath("src"), tree, "--extended"});
        QCOMPARE(c.exitCode, 0);
        QCOMPARE(c.err, QString());
        QVERIFY2(c.out.contains("[1/1] House 97: 2 legislators, 2 roll calls\n"), qPrintable(c.out));
        QCOMPARE(QFileInfo(tree + "/house/97.lcr").size(), 2 * 62);

        const CliRun k = RunCli({"check", tree, "--extended"});
        QCOMPARE(k.exitCode, 0);
        QCOMPARE(k.err, QString());
        // Roll call 2 stores 1-1 but its votes hold 1-1 as well; roll call 1 stores 2-0 and has two yeas.
        QCOMPARE(k.out, QStringLiteral("Checked %1: 1 House and 0 Senate congresses, 0 faults.\n"
                                       "Tally check: 0 mismatch lines written to %1/house/hmatch.txt\n"
                                       "Tally check: 0 mismatch lines written to %1/senate/smatch.txt\n")
                            .arg(tree));

        // With the President, his yea on roll call 2 makes its votes 2-1: one mismatch line.
        const QString withPresident = dir.filePath("tree2");
        QCOMPARE(RunCli({"convert", dir.filePath("src"), withPresident, "--include-president"}).exitCode, 0);
        const CliRun k2 = RunCli({"check", withPresident});
        QCOMPARE(k2.exitCode, 0);
        QVERIFY2(k2.out.contains("Tally check: 1 mismatch line written to"), qPrintable(k2.out));
    }

    // The converter writes the weight of the coordinates it converts, and check refuses a bad one.
    void convertedWeight_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<double>("weight"); // 0: no weight file
        QTest::addColumn<QString>("columns");
        Row("public columns", "", 0.4156, "dim1 dim2");
        Row("single-congress columns", "--coords congress_dim1,congress_dim2", 0.4156, "congress_dim1 congress_dim2");
        Row("weight given", "--dim2-weight 0.5", 0.5, "dim1 dim2");
        Row("other columns", "--coords dim1,conditional", 0.0, "");
    }
    void convertedWeight()
    {
        QFETCH(QString, options);
        QFETCH(double, weight);
        QTemporaryDir dir;
        writeTables(dir.filePath("tables"));
        const QString tree = dir.filePath("tree");
        const CliRun r = RunCli(QStringList{"convert", dir.filePath("tables"), tree} + Words(options));
        QCOMPARE(r.err, QString());
        QCOMPARE(r.exitCode, 0);
        const std::optional<ScalingFile> file = ScalingFile::ReadIn(tree);
        QCOMPARE(file.has_value(), weight > 0);
        if (file) {
            QCOMPARE(file->weight, weight);
            QTEST(file->column1 + ' ' + file->column2, "columns");
        }
        QCOMPARE(RunCli({"check", tree}).exitCode, 0);

        // A weight the map cannot use is a fault of the tree that names the file.
        ScalingFile{1.5, "dim1", "dim2"}.write(ScalingFile::PathIn(tree));
        const CliRun check = RunCli({"check", tree});
        QCOMPARE(check.exitCode, 1);
        QCOMPARE(check.err, tree + "/main/scaling.dat: the second-dimension weight 1.5 is outside (0, 1]\n");
    }

    void convertQuotesAtMostFortyCharacters()
    {
        QTemporaryDir dir;
        const QString src = dir.filePath("src");
        writeTables(src, {}, "1981-" + QByteArray(1 << 20, '7'));
        const CliRun r = RunCli({"convert", src, dir.filePath("tree")});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err,
                 QStringLiteral("rollscan-cli convert: %1/house/H097_rollcalls.csv:2: the date \"1981-%2...\" is "
                                "not a date written YYYY-MM-DD\nrollscan-cli convert: nothing was written.\n")
                     .arg(src, QString(35, QLatin1Char('7'))));
    }

    // Work folders of the same destination: one of a process that is gone, one without a lock from
    // long ago, one held by a live conversion (this test), one of another destination.
    void staleWorkFoldersRemoved()
    {
        QTemporaryDir dir;
        writeTables(dir.filePath("src"));
        const QStringList partials = Words(".tree-partial-dead01 .tree-partial-old002 .tree-partial-live03 "
                                           ".other-partial-dead04");
        for (const QString &name : partials)
            QVERIFY(QDir(dir.path()).mkpath(name + "/house"));
        const QString lockName = "/.converting.lock";
        // A process that locks and dies without unlocking, as a killed conversion does.
        for (const QString &name : {partials[0], partials[3]}) {
            const pid_t child = fork();
            if (child == 0)
                _exit(QLockFile(dir.filePath(name) + lockName).tryLock(0) ? 0 : 1);
            int status = -1;
            QCOMPARE(waitpid(child, &status, 0), child);
            QCOMPARE(status, 0);
        }
        const timeval times[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
        QCOMPARE(utimes(QFile::encodeName(dir.filePath(partials[1])).constData(), times), 0);
        QLockFile live(dir.filePath(partials[2]) + lockName);
        QVERIFY(live.tryLock(0));

        const CliRun r = RunCli({"convert", dir.filePath("src"), dir.filePath("tree")});
        QCOMPARE(r.exitCode, 0);
        QStringList removed = r.out.split('\n').filter("Removed ");
        removed.sort();
        const QString notice = "Removed %1/%2, left by a conversion that did not finish.";
        QCOMPARE(removed, (QStringList{notice.arg(dir.path(), partials[0]), notice.arg(dir.path(), partials[1])}));
        QStringList left = QDir(dir.path()).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
        left.sort();
        QCOMPARE(left, (Words(".other-partial-dead04 .tree-partial-live03 src tree")));
        QVERIFY(!QFileInfo::exists(dir.filePath("tree") + lockName));
    }
};

QTEST_GUILESS_MAIN(TestCliConvert)
#include "tst_cli_convert.moc"
