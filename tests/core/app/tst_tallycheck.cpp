// The tally check: stored yea and nay tallies against the code-1 and code-6 votes, and its report.
#include "support/TreeBuilder.h"

#include "core/app/TallyCheck.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"

#include <QDir>
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
    void fullHouseReport()
    {
        QTemporaryDir dir;
        TreeBuilder tree(dir.path());
        // Congress 3: roll call 2 disagrees. Congress 97: roll calls 1 and 3 disagree. Congress 100 lies
        // beyond the old bound of 99 and is checked too; the title names the range walked.
        tree.addCongress(true, 3, congress({{1, 1}, {2, 0}}, {"11", "61", "91"}));
        // Congress 8: only code 1 is a yea and code 6 a nay, and a line is written when either count
        // differs. Its roll calls' columns of votes: 1126, 1456, 0178961 (which agrees) and 116.
        tree.addCongress(
            true, 8,
            congress({{3, 1}, {1, 3}, {2, 1}, {2, 0}}, {"1101", "1411", "2576", "6680", "0090", "0060", "0010"}));
        tree.addCongress(true, 97, congress({{0, 2}, {1, 2}, {12, 4}}, {"116", "661", "969"}));
        tree.addCongress(true, 100, congress({{9, 9}}, {"1"}));
        // Congress 6 has no roll call; the index describes congress 5, whose files are absent, and
        // congress 30 has a legislator file only: they add nothing and create nothing.
        tree.addCongress(true, 6, congress({}, {QString(), QString()}));
        tree.setCounts(true, 5, CongressCounts{3, 4, 0, 0, 0});
        tree.setCounts(true, 30, CongressCounts{1, 1, 0, 0, 0});
        tree.writeIndexes();
        tree.writeRaw(QStringLiteral("house/30.lcr"), QByteArray(50, ' '));
        // An old report is replaced, not appended to.
        tree.writeRaw(QStringLiteral("house/hmatch.txt"), "an old report that is much longer than the new one ...\r\n");
        TallyCheck check(dir.path(), true, false);
        check.setClock(fixedClock(86395, 7)); // across midnight on a time-of-day clock
        QList<int> totals;
        check.setProgress([&](int, int total) { totals.append(total); });
        QCOMPARE(check.run(), 7);
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
                       "Mismatch! House #97, roll call #1 has a vote tally of  0 - 2  in its RIF file and  1 - 1  "
                       "tally in the LCR file.\r\n"
                       "Mismatch! House #97, roll call #3 has a vote tally of  12 - 4  in its RIF file and  1 - 1  "
                       "tally in the LCR file.\r\n"
                       "Mismatch! House #100, roll call #1 has a vote tally of  9 - 9  in its RIF file and  1 - 0  "
                       "tally in the LCR file.\r\n"
                       "\r\n"
                       "Time elapsed: 7 seconds to match roll call vote tallies.\r\n"));
        for (const char *absent : {"5.lcr", "5.vot", "30.rif", "30.vot"})
            QVERIFY2(!QFileInfo::exists(dir.filePath(QStringLiteral("house/") + QLatin1String(absent))), absent);
    }
    void senateReport()
    {
        QTemporaryDir dir;
        TreeBuilder tree(dir.path());
        tree.addCongress(false, 9, congress({{2, 1}}, {"1", "2", "6"}), true);
        tree.addCongress(true, 9, congress({{1, 1}}, {"1", "6"})); // agrees; the House report stays apart
        // Extended records: a text date moves the later fields, and the tallies are still found.
        CongressData d = congress({{1, 0}, {0, 1}}, {"16", "99"});
        d.rollCalls[1].date = TaggedDate::FromText(QStringLiteral("undated"));
        tree.addCongress(false, 50, d, true);
        tree.writeIndexes();
        TallyCheck check(dir.path(), false, true);
        check.setClock(fixedClock(0, 2));
        QCOMPARE(check.run(), 1);
        QCOMPARE(ReadWholeFile(dir.filePath(QStringLiteral("senate/smatch.txt"))),
                 QByteArray("List of Mismatches between RIF and LCR files in Senates 1-99\r\n"
                            "------------------------------------------------------------\r\n"
                            "\r\n"
                            "Mismatch! House #9, roll call #1 has a vote tally of  2 - 1  in its RIF file and  1 - 1  "
                            "tally in the LCR file.\r\n"
                            "\r\n"
                            "Time elapsed: 2 seconds to match roll call vote tallies.\r\n"));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("house/hmatch.txt"))));
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
};

QTEST_GUILESS_MAIN(TestTallyCheck)
#include "tst_tallycheck.moc"
