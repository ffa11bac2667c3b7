// The tally check (stored yea and nay tallies against the code-1 and code-6 votes, and its report); the
// command line, which data tree opens, the recent list, the writable copy of a read-only tree, and the
// main window's span of years.
#include "support/TreeBuilder.h"

#include "core/app/CongressList.h"
#include "core/app/DataTreeChoice.h"
#include "core/app/StartOptions.h"
#include "core/app/TallyCheck.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;
using rollscan::test::CongressData;
using rollscan::test::TreeBuilder;

namespace {
// A congress whose roll call r has the stored tally tallies[r] and whose vote rows are `rows`.
CongressData congress(const QList<QPair<int, int>> &tallies, const QStringList &rows)
{
    CongressData d;
    for (int i = 0; i < rows.size(); ++i)
        d.legislators.append(TreeBuilder::legislator(QStringLiteral("M%1").arg(i + 1), 41, 1, 100, 0, 0, 1000 + i));
    for (const auto &[yeas, nays] : tallies)
        d.rollCalls.append(TreeBuilder::rollCall(QStringLiteral("RC"), QDate(1981, 1, 5), yeas, nays));
    d.voteRows = rows;
    return d;
}

// A clock that reads `start` first and `start + elapsed` ever after.
TallyCheck::Clock fixedClock(qint64 start, qint64 elapsed)
{
    auto calls = std::make_shared<int>(0);
    return [=] { return (*calls)++ == 0 ? start : start + elapsed; };
}
} // namespace

class TestTallyCheck : public QObject {
    Q_OBJECT

private slots:
    // The Senate's report, then the House's from the same tree: each walks its own chamber only.
    void reports()
    {
        QTemporaryDir dir;
        TreeBuilder tree(dir.path());
        // Senate 9: roll call 1 disagrees. Senate 50 has extended records, where a text date moves the
        // later fields, and the tallies are still found.
        tree.addCongress(false, 9, congress({{2, 1}}, {"1", "2", "6"}), true);
        CongressData d = congress({{1, 0}, {0, 1}}, {"16", "99"});
        d.rollCalls[1].date = TaggedDate::FromText(QStringLiteral("undated"));
        tree.addCongress(false, 50, d, true);
        // House 3: roll call 2 disagrees. House 100 lies beyond the old bound of 99 and is checked too;
        // the title names the range walked.
        tree.addCongress(true, 3, congress({{1, 1}, {2, 0}}, {"11", "61", "91"}));
        // House 8: only code 1 is a yea and code 6 a nay, and a line is written when either count
        // differs. Its roll calls' columns of votes: 1126, 1456, 0178961 (which agrees) and 116.
        tree.addCongress(
            true, 8,
            congress({{3, 1}, {1, 3}, {2, 1}, {2, 0}}, {"1101", "1411", "2576", "6680", "0090", "0060", "0010"}));
        tree.addCongress(true, 100, congress({{9, 9}}, {"1"}));
        // House 6 has no roll call; the index describes House 5, whose files are absent, and House 30
        // has a legislator file only: they add nothing and create nothing.
        tree.addCongress(true, 6, congress({}, {QString(), QString()}));
        tree.setCounts(true, 5, CongressCounts{3, 4, 0, 0, 0});
        tree.setCounts(true, 30, CongressCounts{1, 1, 0, 0, 0});
        tree.writeIndexes();
        tree.writeRaw(QStringLiteral("house/30.lcr"), QByteArray(50, ' '));
        // An old report is replaced, not appended to.
        const QByteArray old = "an old report that is much longer than the new one ...\r\n";
        tree.writeRaw(QStringLiteral("house/hmatch.txt"), old);

        TallyCheck senate(dir.path(), false, true);
        senate.setClock(fixedClock(0, 2));
        QCOMPARE(senate.run(), 1);
        QCOMPARE(ReadWholeFile(dir.filePath(QStringLiteral("senate/smatch.txt"))),
                 QByteArray("List of Mismatches between RIF and LCR files in Senates 1-99\r\n"
                            "------------------------------------------------------------\r\n"
                            "\r\n"
                            "Mismatch! House #9, roll call #1 has a vote tally of  2 - 1  in its RIF file and  1 - 1  "
                            "tally in the LCR file.\r\n"
                            "\r\n"
                            "Time elapsed: 2 seconds to match roll call vote tallies.\r\n"));
        QCOMPARE(tree.readRaw(QStringLiteral("house/hmatch.txt")), old);

        TallyCheck check(dir.path(), true, false);
        check.setClock(fixedClock(86395, 7)); // across midnight on a time-of-day clock
        QList<int> totals;
        check.setProgress([&](int, int total) { totals.append(total); });
        QCOMPARE(check.run(), 5);
        QCOMPARE(totals.size(), 100);
        QCOMPARE(totals.last(), 100);
        QCOMPARE(check.reportPath(), dir.filePath(QStringLiteral("house/hmatch.txt")));
        QCOMPARE(
            ReadWholeFile(check.reportPath()),
            QByteArray("List of Mismatches between RIF and LCR files in Houses 1-100\r\n"
                       "------------------------------------------------------------\r\n"
                       "\r\n"
                       "Mismatch! House #3, roll call #2 has a vote tally of  2 - 0  in its RIF file and  3 - 0  "
                       "tally in the LCR file.\r\n"
                       "Mismatch! House #8, roll call #1 has a vote tally of  3 - 1  in its RIF file and  2 - 1  "
                       "tally in the LCR file.\r\n"
                       "Mismatch! House #8, roll call #2 has a vote tally of  1 - 3  in its RIF file and  1 - 1  "
                       "tally in the LCR file.\r\n"
                       "Mismatch! House #8, roll call #4 has a vote tally of  2 - 0  in its RIF file and  2 - 1  "
                       "tally in the LCR file.\r\n"
                       "Mismatch! House #100, roll call #1 has a vote tally of  9 - 9  in its RIF file and  1 - 0  "
                       "tally in the LCR file.\r\n"
                       "\r\n"
                       "Time elapsed: 7 seconds to match roll call vote tallies.\r\n"));
        for (const char *absent : {"5.lcr", "5.vot", "30.rif", "30.vot"})
            QVERIFY2(!QFileInfo::exists(dir.filePath(QStringLiteral("house/") + QLatin1String(absent))), absent);
    }
    void shortVoteFileWritesNoReport()
    {
        QTemporaryDir dir;
        TreeBuilder tree(dir.path());
        tree.addCongress(true, 4, congress({{1, 0}, {1, 0}}, {"11", "11"}));
        tree.writeIndexes();
        tree.writeRaw(QStringLiteral("house/4.vot"), "111");
        TallyCheck check(dir.path(), true, false);
        try {
            check.run();
            QFAIL("no error for a short vote file");
        } catch (const FileError &e) {
            QCOMPARE(e.number(), 62);
            QCOMPARE(e.path(), dir.filePath(QStringLiteral("house/4.vot")));
        }
        QVERIFY(!QFileInfo::exists(check.reportPath()));
    }
    // Development, tree, error and help from the arguments: none, a tree and development, an unknown
    // option, two trees, help.
    void commandLine()
    {
        const QList<QPair<QStringList, QStringList>> cases = {
            {{}, {"0", "", "", "0"}},
            {{"/data/tree", "--development"}, {"1", "/data/tree", "", "0"}},
            {{"--develop"}, {"0", "", "Unknown option 'develop'.", "0"}},
            {{"a", "b"}, {"0", "", "Give one data tree at most.", "0"}},
            {{"--help"}, {"0", "", "", "1"}}};
        for (const auto &[args, expected] : cases) {
            const StartOptions o = StartOptions::Parse(QStringList{QStringLiteral("rollscan")} + args);
            QCOMPARE((QStringList{QString::number(o.development), o.dataTree, o.error, QString::number(o.help)}),
                     expected);
        }
    }
    // A tree is a folder with the preferences file; the command line's tree comes first, then the last
    // one used while it is still a tree, then the sample.
    void startTree()
    {
        QTemporaryDir dir;
        const QString last = dir.filePath(QStringLiteral("last"));
        QDir().mkpath(last);
        QVERIFY(!DataTreeChoice::IsDataTree(last));
        QCOMPARE(DataTreeChoice::StartTree(QString(), last, QStringLiteral("/sample")), QStringLiteral("/sample"));
        WriteWholeFile(last + QStringLiteral("/ROLLSCAN.PRF"), "x");
        QVERIFY(DataTreeChoice::IsDataTree(last));
        QCOMPARE(DataTreeChoice::StartTree(QString(), last, QStringLiteral("/sample")), last);
        QCOMPARE(DataTreeChoice::StartTree(QStringLiteral("/given"), last, QStringLiteral("/sample")),
                 QStringLiteral("/given"));
    }
    // Added to the front, moved and not doubled, the same folder spelled otherwise, five kept.
    void recentList()
    {
        QTemporaryDir dir;
        const QDir root(dir.path());
        for (const QString n : {"a", "b", "c", "d", "e", "f"})
            root.mkpath(n);
        auto full = [&](const QStringList &names) {
            QStringList out;
            for (const QString &n : names)
                out.append(QFileInfo(root.filePath(n)).canonicalFilePath());
            return out;
        };
        const QList<std::tuple<QStringList, QString, QStringList>> cases = {
            {{"a", "b"}, "c", {"c", "a", "b"}},
            {{"a", "b", "c"}, "b", {"b", "a", "c"}},
            {{"a", "b"}, "b/../a/", {"a", "b"}},
            {{"a", "b", "c", "d", "e"}, "f", {"f", "a", "b", "c", "d"}}};
        for (const auto &[before, added, after] : cases)
            QCOMPARE(DataTreeChoice::AddRecent(full(before), root.filePath(added)), full(after));
    }
    // A read-only tree is copied once, writable, and the copy is kept; a writable tree is used in place;
    // a copy that fails leaves no tree behind.
    void writableTree()
    {
        QTemporaryDir dir;
        const QString sample = dir.filePath(QStringLiteral("share/sample"));
        QVERIFY(QDir().mkpath(sample + QStringLiteral("/house")));
        WriteWholeFile(sample + QStringLiteral("/rollscan.prf"), "prefs");
        WriteWholeFile(sample + QStringLiteral("/house/97.lcr"), "members");
        QVERIFY(QFile::setPermissions(sample + QStringLiteral("/house/97.lcr"), QFile::ReadOwner | QFile::ReadGroup));
        const QString copy = dir.filePath(QStringLiteral("data/sample"));
        QCOMPARE(DataTreeChoice::WritableTree(sample, true, copy), copy);
        QCOMPARE(ReadWholeFile(copy + QStringLiteral("/house/97.lcr")), QByteArray("members"));
        QVERIFY(QFileInfo(copy + QStringLiteral("/house/97.lcr")).permissions() & QFile::WriteOwner);
        QVERIFY(!QFileInfo::exists(copy + QStringLiteral(".partial")));
        WriteWholeFile(copy + QStringLiteral("/rollscan.prf"), "changed");
        QCOMPARE(DataTreeChoice::WritableTree(sample, true, copy), copy);
        QCOMPARE(ReadWholeFile(copy + QStringLiteral("/rollscan.prf")), QByteArray("changed"));

        const QString unused = dir.filePath(QStringLiteral("unused"));
        QCOMPARE(DataTreeChoice::WritableTree(sample, false, unused), sample);
        QVERIFY(!QFileInfo::exists(unused));

        WriteWholeFile(dir.filePath(QStringLiteral("blocked")),
                       "file"); // a plain file where the copy's folder should be
        const QString blocked = dir.filePath(QStringLiteral("blocked/sample"));
        QVERIFY_THROWS_EXCEPTION(FileError, DataTreeChoice::WritableTree(sample, true, blocked));
        QVERIFY(!DataTreeChoice::IsDataTree(blocked));
    }
    // The sample's congresses, one congress, the first, none present.
    void span()
    {
        const QList<std::tuple<QList<int>, QList<int>, const char *>> cases = {
            {{97, 102, 112}, {25, 35, 110}, "1837-2012"},
            {{106}, {}, "1999-2000"},
            {{}, {1}, "1789-1790"},
            {{}, {}, "1789-2000"}};
        for (const auto &[house, senate, years] : cases)
            QCOMPARE(CongressSpanCaption(house, senate),
                     "Roll Call Displays of the U.S. Congress, " + QLatin1String(years));
    }
};

QTEST_GUILESS_MAIN(TestTallyCheck)
#include "tst_tallycheck.moc"
