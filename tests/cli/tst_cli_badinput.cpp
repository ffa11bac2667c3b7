// Damaged trees, bookmark files and tables given to rollscan-cli: each is refused with a message that
// names the file at fault, and nothing wrong is printed with exit status 0.
#include "support/CliRun.h"
#include "support/TreeBuilder.h"

#include "core/data/Bytes.h"
#include "core/data/Dates.h"
#include "core/search/BookmarkFile.h"

#include <QDir>
#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <limits>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace rollscan;
using rollscan::test::CliRun;
using rollscan::test::CongressData;
using rollscan::test::RunCli;
using rollscan::test::TreeBuilder;
using rollscan::test::Words;

namespace {

// The faults planted into an otherwise sound tree.
enum class Fault {
    ClausenFolder,
    EmptyParty,
    PartyMissing,
    DescriptionMissing,
    DescriptionPastEnd,
    UndefinedParty,
    LoweredCount,
    DateNaN,
    DateInfinite,
    DateTooEarly,
    DateAfterCongress,
};

RollCall dated(double serial)
{
    RollCall r = TreeBuilder::rollCall(QStringLiteral("TO AMEND"), QDate(1981, 2, 1), 2, 2, 0.1f);
    r.date.serial = serial;
    return r;
}

CongressData house97(Fault fault, bool planted)
{
    CongressData d;
    d.legislators = {
        TreeBuilder::legislator(QStringLiteral("ADAMS"), 13, 1, 100, -0.5f, 0.1f, 1001),
        TreeBuilder::legislator(QStringLiteral("BAKER"), 14, 2, 200, 0.5f, 0.5f, 1002),
        TreeBuilder::legislator(QStringLiteral("CLARK"), 41, 3, 100, 0.3f, -0.2f, 1003),
        TreeBuilder::legislator(QStringLiteral("DAVIS"), 13, 4, 200, 0.0f, 0.0f, 1004),
    };
    d.rollCalls = {TreeBuilder::rollCall(QStringLiteral("TO PASS H.R. 1"), QDate(1981, 1, 5), 2, 2, 0.2f),
                   TreeBuilder::rollCall(QStringLiteral("TO AMEND H.R. 1"), QDate(1982, 12, 20), 2, 2, 0.1f)};
    d.voteRows = {"16", "61", "16", "61"};
    if (!planted)
        return d;
    switch (fault) {
    case Fault::UndefinedParty:
        d.legislators[2].partyCode = 9999;
        break;
    case Fault::PartyMissing:
        d.legislators[3].partyCode = 555;
        break;
    case Fault::DateNaN:
        d.rollCalls[1] = dated(std::numeric_limits<double>::quiet_NaN());
        break;
    case Fault::DateInfinite:
        d.rollCalls[1] = dated(std::numeric_limits<double>::infinity());
        break;
    case Fault::DateTooEarly:
        d.rollCalls[1] = dated(SerialFromDate(QDate(1700, 6, 1)));
        break;
    case Fault::DateAfterCongress:
        d.rollCalls[1] = dated(SerialFromDate(QDate(1983, 3, 5)));
        break;
    default:
        break;
    }
    return d;
}

// A sound tree with House 97 (4 legislators, 2 roll calls), with `fault` planted when `planted`.
void writeTree(const QString &root, Fault fault, bool planted = true)
{
    TreeBuilder tree(root);
    tree.writeStandardTables();
    for (const char *name : {"isscodes.dat", "clacodes.dat", "pelcodes.dat"})
        tree.writeRaw(QStringLiteral("main/") + QLatin1String(name), "  1   AGRICULTURE\r\n");
    tree.addCongress(true, 97, house97(fault, planted));
    if (planted && fault == Fault::LoweredCount) {
        CongressCounts c;
        c.legislatorCount = 4;
        c.rollCallCount = 1;
        tree.setCounts(true, 97, c);
    }
    tree.writeIndexes();
    if (!planted)
        return;
    switch (fault) {
    case Fault::ClausenFolder:
        QVERIFY(QFile::remove(tree.path(QStringLiteral("main/clacodes.dat"))));
        QVERIFY(QDir(root).mkpath(QStringLiteral("main/clacodes.dat")));
        break;
    case Fault::EmptyParty:
        tree.writeRaw(QStringLiteral("main/party.dat"), QByteArray());
        break;
    case Fault::DescriptionMissing:
        QVERIFY(QFile::remove(tree.path(QStringLiteral("house/97.dbn"))));
        break;
    case Fault::DescriptionPastEnd: {
        ByteWriter din(8);
        din.setI32(0, 1);
        din.setI32(4, 100000);
        tree.writeRaw(QStringLiteral("house/97.din"), din.data());
        break;
    }
    default:
        break;
    }
}

const QStringList kRoll2 = {"--house", "--congress", "97", "--roll", "2"};

// Public tables of the 97th House with one member and one roll call on `date`.
void writeTables(const QString &root, const QByteArray &date)
{
    TreeBuilder src(root);
    src.writeRaw(QStringLiteral("house/H097_members.csv"),
                 "congress,chamber,icpsr,state_icpsr,district_code,state_abbrev,party_code,bioname,dim1,dim2\n"
                 "97,House,10717,41,2.0,AL,200,\"DICKINSON, William Louis\",0.398,-0.057\n");
    src.writeRaw(QStringLiteral("house/H097_rollcalls.csv"),
                 "congress,chamber,rollnumber,date,session,clerk_rollnumber,yea_count,nay_count,mid_1,mid_2,spread_1,"
                 "spread_2,log_likelihood,bill_number,vote_result,vote_desc,vote_question,dtl_desc\n"
                 "97,House,1," +
                     date + ",1,2,1,0,,,,,,HR1,Passed,A bill,On Passage,\n");
    src.writeRaw(QStringLiteral("house/H097_votes.csv"),
                 "congress,chamber,rollnumber,icpsr,cast_code\n97,House,1,10717,1\n");
}

QStringList withTree(const QString &command, const QString &tree, QStringList rest)
{
    return QStringList{command, tree} + rest;
}

} // namespace

class TestCliBadInput : public QObject {
    Q_OBJECT

private slots:
    void refusedNamingTheFile_data();
    void refusedNamingTheFile();
    void checkReportsTheFault_data();
    void checkReportsTheFault();
    void checkPathsAsGiven();
    void tabSeparatedFieldsEscaped();
    void bookmarkEntriesOutsideTheTree_data();
    void bookmarkEntriesOutsideTheTree();
    void convertQuotesAtMostFortyCharacters();
    void staleWorkFoldersRemoved();
};

// Each report run on a damaged tree fails (exit 1) with one line that names the file; TREE stands
// for the tree's folder.
void TestCliBadInput::refusedNamingTheFile_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("message");
    QTest::newRow("stats, empty party table")
        << int(Fault::EmptyParty) << "stats" << QStringList()
        << "rollscan-cli stats: TREE/main/party.dat does not list party code 100 of legislator ADAMS (record 1 of "
           "TREE/house/97.lcr): it holds no party records.";
    QTest::newRow("crosstab, empty party table")
        << int(Fault::EmptyParty) << "crosstab" << Words("--partner-congress 97 --partner-roll 1")
        << "rollscan-cli crosstab: TREE/main/party.dat does not list party code 100 of legislator ADAMS (record 1 "
           "of TREE/house/97.lcr): it holds no party records.";
    QTest::newRow("info, description file missing")
        << int(Fault::DescriptionMissing) << "info" << QStringList()
        << "rollscan-cli info: That file doesn't exist. (TREE/house/97.dbn: File not found)";
    QTest::newRow("info, position past the end")
        << int(Fault::DescriptionPastEnd) << "info" << QStringList()
        << "rollscan-cli info: This file has a non-standard end-of-file marker, or an attempt was made to read "
           "beyound the end-of-file marker. (TREE/house/97.dbn: Input past end of file";
    QTest::newRow("rollcall, undefined party")
        << int(Fault::UndefinedParty) << "rollcall" << QStringList()
        << "rollscan-cli rollcall: TREE/house/97.lcr: An error has occurred while drawing the Ideological map. "
           "Legislator CLARK        (3) is set as being in party 9999 which is currently not defined in Rollscan.";
    QTest::newRow("stats, count lowered in the index")
        << int(Fault::LoweredCount) << "stats" << QStringList()
        << "rollscan-cli stats: Roll call 2 is not in the 1 roll calls of House #97 (TREE/main/houses.dat).";
    QTest::newRow("info, count lowered in the index")
        << int(Fault::LoweredCount) << "info" << QStringList()
        << "rollscan-cli info: Roll call 2 is not in the 1 roll calls of House #97 (TREE/main/houses.dat).";
}

void TestCliBadInput::refusedNamingTheFile()
{
    QFETCH(int, fault);
    QFETCH(QString, command);
    QFETCH(QStringList, extra);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString tree = dir.filePath(QStringLiteral("t"));
    writeTree(tree, Fault::ClausenFolder, false);
    // The sound tree gives an answer, so the failure below is the fault's doing.
    QCOMPARE(RunCli(withTree(command, tree, kRoll2 + extra)).exitCode, 0);

    QTemporaryDir bad;
    const QString badTree = bad.filePath(QStringLiteral("t"));
    writeTree(badTree, Fault(fault));
    const CliRun r = RunCli(withTree(command, badTree, kRoll2 + extra));
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.out, QString());
    const QString expected = QString(message).replace(QStringLiteral("TREE"), badTree);
    QVERIFY2(r.err.startsWith(expected), qPrintable(r.err));
    QVERIFY2(r.err.count(QLatin1Char('\n')) == 1, qPrintable(r.err));
}

void TestCliBadInput::checkReportsTheFault_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("subject-code table is a folder")
        << int(Fault::ClausenFolder)
        << QStringList{"main/clacodes.dat: is not a file; the subject-code search needs a list of codes here"};
    QTest::newRow("empty party table")
        << int(Fault::EmptyParty)
        << QStringList{"main/party.dat: holds no party records; the statistics and cross-tab windows name every "
                       "party from it",
                       "house/97.lcr: record 1 (ADAMS) has party code 100, which party.dat does not list",
                       "house/97.lcr: record 2 (BAKER) has party code 200, which party.dat does not list",
                       "house/97.lcr: record 3 (CLARK) has party code 100, which party.dat does not list",
                       "house/97.lcr: record 4 (DAVIS) has party code 200, which party.dat does not list"};
    QTest::newRow("party code not listed")
        << int(Fault::PartyMissing)
        << QStringList{"house/97.lcr: record 4 (DAVIS) has party code 555, which party.dat does not list"};
    QTest::newRow("NaN date") << int(Fault::DateNaN)
                              << QStringList{"house/97.rif: roll call 2 has the date none (day nan), impossible for "
                                             "congress 97 (1981-1982)"};
    QTest::newRow("infinite date") << int(Fault::DateInfinite)
                                   << QStringList{"house/97.rif: roll call 2 has the date none (day inf), impossible "
                                                  "for congress 97 (1981-1982)"};
    QTest::newRow("date before 1789") << int(Fault::DateTooEarly)
                                      << QStringList{QStringLiteral("house/97.rif: roll call 2 has the date none (day "
                                                                    "%1), impossible for congress 97 (1981-1982)")
                                                         .arg(SerialFromDate(QDate(1700, 6, 1)))};
    QTest::newRow("date after the congress")
        << int(Fault::DateAfterCongress)
        << QStringList{QStringLiteral("house/97.rif: roll call 2 has the date 3/5/1983 (day %1), impossible for "
                                      "congress 97 (1981-1982)")
                           .arg(SerialFromDate(QDate(1983, 3, 5)))};
}

void TestCliBadInput::checkReportsTheFault()
{
    QFETCH(int, fault);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    const QString tree = dir.filePath(QStringLiteral("t"));
    writeTree(tree, Fault(fault), false);
    const CliRun sound = RunCli({QStringLiteral("check"), tree});
    QVERIFY2(sound.exitCode == 0 && sound.err.isEmpty(), qPrintable(sound.err));

    writeTree(tree, Fault(fault));
    const CliRun r = RunCli({QStringLiteral("check"), tree});
    QCOMPARE(r.exitCode, 1);
    QStringList expected;
    for (const QString &line : std::as_const(lines))
        expected.append(tree + QLatin1Char('/') + line);
    QCOMPARE(r.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
    QVERIFY2(r.out.contains(QStringLiteral(", %1 fault").arg(lines.size())), qPrintable(r.out));
}

void TestCliBadInput::checkPathsAsGiven()
{
    QTemporaryDir dir;
    writeTree(dir.filePath(QStringLiteral("t")), Fault::DescriptionMissing);
    const CliRun r = RunCli({QStringLiteral("check"), QStringLiteral("t")}, dir.path());
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err, QStringLiteral("t/house/97.dbn: is missing; the index counts 4 legislators and 2 roll calls for "
                                   "congress 97\n"));
    QVERIFY2(r.out.startsWith(QStringLiteral("Checked t: 1 House and 0 Senate congresses, 1 fault.\n")),
             qPrintable(r.out));
}

void TestCliBadInput::tabSeparatedFieldsEscaped()
{
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    tree.writeStandardTables();
    CongressData d = house97(Fault::DateNaN, false);
    d.rollCalls[0].description = QStringLiteral("LINE\nFEED\tTAB\rCR\\BACKSLASH");
    d.rollCalls.resize(1);
    d.voteRows = {"1", "6", "1", "6"};
    tree.addCongress(true, 97, d);
    tree.writeIndexes();
    const CliRun r =
        RunCli({QStringLiteral("search"), dir.path(), QStringLiteral("--house"), QStringLiteral("--congress"),
                QStringLiteral("97"), QStringLiteral("--keyword"), QStringLiteral("FEED")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QStringLiteral("97\t1\t1981-01-05\t2\t2\tLINE\\nFEED\\tTAB\\rCR\\\\BACKSLASH\n"));
    for (const char *command : {"search", "crosstab"}) {
        const CliRun help = RunCli({QLatin1String(command), QStringLiteral("--help")});
        QVERIFY2(help.out.contains(QStringLiteral("\\\\, \\t, \\n or \\r")), command);
    }
}

void TestCliBadInput::bookmarkEntriesOutsideTheTree_data()
{
    QTest::addColumn<bool>("isHouse");
    QTest::addColumn<int>("congress");
    QTest::addColumn<int>("rollCall");
    QTest::addColumn<int>("yeas");
    QTest::addColumn<QString>("why");
    QTest::newRow("congress not in the tree")
        << true << 22 << 1 << 5
        << "entry 2 (House congress 22, roll call 1) is not in this data tree: the data tree "
           "has no House congress 22.";
    QTest::newRow("negative roll call")
        << true << 97 << -12542 << 5
        << "entry 2 (House congress 97, roll call -12542) is not in this data tree: House congress 97 has roll calls 1 "
           "to 2.";
    QTest::newRow("roll call past the last")
        << true << 97 << 3 << 5
        << "entry 2 (House congress 97, roll call 3) is not in this data tree: House congress 97 has roll calls 1 to "
           "2.";
    QTest::newRow("chamber the tree lacks")
        << false << 97 << 1 << 5
        << "entry 2 (Senate congress 97, roll call 1) is not in this data tree: the data tree has no Senate congress "
           "97.";
    QTest::newRow("negative tally") << true << 97 << 2 << -7
                                    << "entry 2 (House congress 97, roll call 2) is not in this data tree: its tallies "
                                       "(-7 yeas, 2 nays) are negative.";
}

void TestCliBadInput::bookmarkEntriesOutsideTheTree()
{
    QFETCH(bool, isHouse);
    QFETCH(int, congress);
    QFETCH(int, rollCall);
    QFETCH(int, yeas);
    QFETCH(QString, why);
    QTemporaryDir dir;
    const QString tree = dir.filePath(QStringLiteral("t"));
    writeTree(tree, Fault::DateNaN, false);
    const QString path = dir.filePath(QStringLiteral("list.bmk"));
    BookmarkEntry good;
    good.congress = 97;
    good.rollCall = 1;
    good.date = TaggedDate::FromDate(QDate(1981, 1, 5));
    good.yeas = good.nays = 2;
    BookmarkEntry bad = good;
    bad.isHouse = isHouse;
    bad.congress = qint16(congress);
    bad.rollCall = qint16(rollCall);
    bad.yeas = qint16(yeas);
    BookmarkFile::Rewrite(path, {good, good});
    const QStringList args = {QStringLiteral("search"), tree, QStringLiteral("--bookmark"), path};
    QCOMPARE(RunCli(args).exitCode, 0);

    BookmarkFile::Rewrite(path, {good, bad});
    const CliRun r = RunCli(args);
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.out, QString());
    QCOMPARE(r.err, QStringLiteral("rollscan-cli search: %1: %2\n").arg(path, why));
}

void TestCliBadInput::convertQuotesAtMostFortyCharacters()
{
    QTemporaryDir dir;
    const QString src = dir.filePath(QStringLiteral("src"));
    writeTables(src, "1981-" + QByteArray(1 << 20, '7'));
    const CliRun r = RunCli({QStringLiteral("convert"), src, dir.filePath(QStringLiteral("tree"))});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err, QStringLiteral("rollscan-cli convert: %1/house/H097_rollcalls.csv:2: the date \"1981-%2...\" is "
                                   "not a date written YYYY-MM-DD\nrollscan-cli convert: nothing was written.\n")
                        .arg(src, QString(35, QLatin1Char('7'))));
}

// Work folders of the same destination: one of a process that is gone, one without a lock from
// long ago, one held by a live conversion (this test), one of another destination.
void TestCliBadInput::staleWorkFoldersRemoved()
{
    QTemporaryDir dir;
    const QString src = dir.filePath(QStringLiteral("src"));
    writeTables(src, "1981-01-05");
    QDir parent(dir.path());
    for (const char *name :
         {".tree-partial-dead01", ".tree-partial-old002", ".tree-partial-live03", ".other-partial-dead04"})
        QVERIFY(parent.mkpath(QLatin1String(name) + QStringLiteral("/house")));
    const QString lockName = QStringLiteral("/.converting.lock");
    // A process that locks and dies without unlocking, as a killed conversion does.
    for (const char *name : {".tree-partial-dead01", ".other-partial-dead04"}) {
        const pid_t child = fork();
        if (child == 0) {
            QLockFile lock(dir.filePath(QLatin1String(name)) + lockName);
            _exit(lock.tryLock(0) ? 0 : 1);
        }
        int status = -1;
        QCOMPARE(waitpid(child, &status, 0), child);
        QCOMPARE(status, 0);
    }
    const QByteArray old = QFile::encodeName(dir.filePath(QStringLiteral(".tree-partial-old002")));
    const timeval times[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
    QCOMPARE(utimes(old.constData(), times), 0);
    QLockFile live(dir.filePath(QStringLiteral(".tree-partial-live03")) + lockName);
    QVERIFY(live.tryLock(0));

    const CliRun r = RunCli({QStringLiteral("convert"), src, dir.filePath(QStringLiteral("tree"))});
    QCOMPARE(r.exitCode, 0);
    QStringList removed = r.out.split(QLatin1Char('\n')).filter(QStringLiteral("Removed "));
    removed.sort();
    QCOMPARE(removed,
             (QStringList{QStringLiteral("Removed %1/.tree-partial-dead01, left by a conversion that did not finish.")
                              .arg(dir.path()),
                          QStringLiteral("Removed %1/.tree-partial-old002, left by a conversion that did not finish.")
                              .arg(dir.path())}));
    QStringList left = parent.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    left.sort();
    QCOMPARE(left, (Words(".other-partial-dead04 .tree-partial-live03 src tree")));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("tree")) + lockName));
}

QTEST_GUILESS_MAIN(TestCliBadInput)
#include "tst_cli_badinput.moc"
