// Ratings and tracking over the queue: the scores, the summary, the time estimate, the saved reports and
// the comma-separated files.
#include "support/TreeBuilder.h"

#include "core/analysis/Ratings.h"
#include "core/analysis/Tracking.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/ideology/ReportLine.h"
#include "core/report/CsvFile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;
using rollscan::test::CongressData;
using rollscan::test::TreeBuilder;

namespace {
// A congress of one legislator per vote row, named A, B, C..., Democrats of Alabama.
CongressData congress(const QStringList &rows, const QString &prefix = QString())
{
    CongressData d;
    for (int i = 0; i < rows.size(); ++i)
        d.legislators.append(
            TreeBuilder::legislator(prefix + QChar(u'A' + i), 41, i + 1, i % 2 ? 200 : 100, 0.1f, -0.2f, 10000 + i));
    const int rollCalls = rows.isEmpty() ? 0 : int(rows.first().size());
    for (int r = 0; r < rollCalls; ++r)
        d.rollCalls.append(TreeBuilder::rollCall(QStringLiteral("RC %1").arg(r + 1), QDate(1993, 2, 1), 10 + r, 5));
    d.voteRows = rows;
    return d;
}

// The settings for roll calls 1.. of `congressNumber`: one character Y or N per roll call.
QList<RatingSetting> settings(int congressNumber, const QString &sides)
{
    QList<RatingSetting> out;
    for (int r = 0; r < sides.size(); ++r)
        out.append({{congressNumber, r + 1, 10 + r, 5, QStringLiteral("RC %1").arg(r + 1)},
                    sides[r] == u'Y' ? VoteSide::Yea : VoteSide::Nay});
    return out;
}

QStringList resultRows(const RatingResult &result)
{
    QStringList rows;
    for (const LegislatorRating &r : result.legislators)
        rows.append(RatingResultRow(r));
    return rows;
}

// A tree with the standard tables and the given congresses of one chamber.
struct Tree {
    QTemporaryDir dir;
    TreeBuilder tree{dir.path()};
    Tree(bool house, const QList<QPair<int, CongressData>> &congresses)
    {
        tree.writeStandardTables();
        for (const auto &[number, data] : congresses)
            tree.addCongress(house, number, data);
        tree.writeIndexes();
    }
    QString root() const { return dir.path(); }
};
} // namespace

class TestRatings : public QObject {
    Q_OBJECT

private slots:
    // Vote rows and sides; the result rows, then the summary's names, counts and values. Paired and announced
    // votes count like 1 and 4; the nay side agrees with nays; 0, 7, 8 and 9 never vote, nor does a damaged
    // byte; the first met keeps the title; nobody rated; an average of thirds.
    void ratings()
    {
        const QString a = QStringLiteral("A               \t");
        const QString b = QStringLiteral("B               \t");
        const QList<std::tuple<QStringList, QString, QStringList>> cases = {
            {{"2356", "3265"}, "YNYN", {a + "50.00", b + "50.00", "A \nA \n50.00", "2\n2"}},
            {{"4561"}, "NNNN", {a + "75.00", "A \nA \n75.00", "1\n1"}},
            {{"0789", "1790"}, "YYYY", {a + "n/a", b + "100.00", "B \n \n100.00", "1\n1"}},
            {{"1 "}, "YN", {a + "100.00", "A \n \n100.00", "1\n1"}},
            {{"4", "1"}, "Y", {a + "0.00", b + "100.00", "B \nA \n50.00", "1\n1"}},
            {{"0", "9"}, "Y", {a + "n/a", b + "n/a", " \n \nn/a", "0\n0"}},
            {{"114", "111", "144"},
             "YYY",
             {a + "66.67", b + "100.00", "C               \t33.33", "B \nC \n66.67", "1\n1"}}};
        for (const auto &[rows, sides, expected] : cases) {
            const Tree t(true, {{103, congress(rows)}});
            const RatingResult result = ComputeRatings(t.root(), true, {103}, settings(103, sides), false);
            const RatingInfoColumns info = RatingInfo(result);
            QCOMPARE((resultRows(result) + QStringList{info.names, info.counts}), expected);
            QCOMPARE(result.ratedCount + result.notRatedCount, int(rows.size()));
        }
    }
    void onlyOwnCongressCounts()
    {
        // The members of 103 are scored on its two roll calls alone, those of 104 on its one.
        const Tree t(true, {{103, congress({"11", "44"})}, {104, congress({"4", "1", "1"}, QStringLiteral("N"))}});
        QList<RatingSetting> queue = settings(103, "YY");
        queue += settings(104, "Y");
        const RatingResult result = ComputeRatings(t.root(), true, {103, 104}, queue, false);
        QCOMPARE(resultRows(result),
                 (QStringList{"A               \t100.00", "B               \t0.00", "NA              \t0.00",
                              "NB              \t100.00", "NC              \t100.00"}));
        const LegislatorRating &a = result.legislators.at(0), &na = result.legislators.at(3);
        QCOMPARE((QList<int>{a.yeas + a.nays, na.yeas + na.nays, result.totalLegislators, result.atHighest,
                             result.atLowest}),
                 (QList<int>{2, 1, 5, 3, 2}));
        QCOMPARE(result.highestName + QLatin1Char('/') + result.lowestName, QStringLiteral("A/B"));
        // A roll call the congress does not have, and a vote file shorter than the index says.
        QVERIFY_THROWS_EXCEPTION(DataError, ComputeRatings(t.root(), true, {103}, settings(103, "YYY"), false));
        t.tree.writeRaw(QStringLiteral("house/103.vot"), "1");
        QVERIFY_THROWS_EXCEPTION(FileError, ComputeRatings(t.root(), true, {103}, settings(103, "Y"), false));
    }
    void manyLegislatorsOverManyRollCalls()
    {
        // 870 legislators over 40 roll calls: a product of 34800, beyond a 16-bit count.
        QStringList rows;
        for (int i = 0; i < 435; ++i)
            rows.append(QStringLiteral("1116").repeated(6).mid(i % 4, 20));
        const Tree t(true, {{109, congress(rows, QStringLiteral("M"))}, {110, congress(rows, QStringLiteral("N"))}});
        const QList<RatingSetting> queue = settings(109, QString(20, u'Y')) + settings(110, QString(20, u'Y'));
        QList<int> percents;
        const RatingResult result = ComputeRatings(t.root(), true, {109, 110}, queue, false,
                                                   [&](int percent, int) { percents.append(percent); });
        QCOMPARE((QList<int>{int(result.legislators.size()), result.ratedCount, result.atHighest}),
                 (QList<int>{870, 870, 870}));
        QCOMPARE(FormatRating(result.legislators.at(869).rating), QStringLiteral("75.00"));
        QCOMPARE(percents.size(), 2 * (435 / 15));
        QCOMPARE(percents.last(), 100);
    }
    void estimatedTime()
    {
        const QList<std::tuple<int, int, const char *>> cases = {
            {870, 40, " (ETC - 0:49)"},  // under a minute gains 2 s
            {1000, 45, " (ETC - 1:00)"}, // exactly one minute uncorrected
            {1000, 100, " (ETC - 2:09)"}, {1500, 100, " (ETC - 3:11)"},
            {2000, 100, " (ETC - 4:13)"}, {3000, 60, " (ETC - 3:46)"}, // a loss below zero borrows a minute
            {500, 88, " (ETC - 1:01)"},                                // a gain past 59 carries a minute
            {0, 0, " (ETC - 0:02)"}};
        for (const auto &[legislators, rollCalls, text] : cases)
            QCOMPARE(EstimatedTimeText(legislators, rollCalls), QString::fromLatin1(text));
    }
    // The saved report and the comma-separated file of one rating.
    void ratingReportBytes()
    {
        const Tree t(true, {{103, congress({"14", "00"})}});
        QList<RatingSetting> queue = settings(103, "YN");
        const RatingResult result = ComputeRatings(t.root(), true, {103}, queue, false);
        // A roll-call number too wide for its column pushes the tally to column 10 of the next line.
        queue[1].rollCall.rollCall = 12345;
        queue[1].rollCall.yeas = 218;
        queue[1].rollCall.nays = 216;
        queue[1].rollCall.description = QStringLiteral("  To pass H.R. 2264, as amended  ");
        const QString file = t.dir.filePath(QStringLiteral("ratings.txt"));
        WriteReportFile(file, RatingReportLines(true, {103}, queue, result));
        QCOMPARE(ReadWholeFile(file), QByteArray("Rollscan for Windows Legislator Ratings\r\n"
                                                 "---------------------------------------\r\n"
                                                 "House #103, 1993-1994\r\n"
                                                 "\r\n"
                                                 "\r\n"
                                                 "Selected Roll Calls\r\n"
                                                 "-------------------\r\n"
                                                 "\r\n"
                                                 "Yea 1    10-5    RC 1\r\n"
                                                 "Nay 12345 \r\n"
                                                 "         218-216 To pass H.R. 2264, as amended\r\n"
                                                 "\r\n"
                                                 "Legislator Ratings\r\n"
                                                 "------------------\r\n"
                                                 "\r\n"
                                                 "A                100.00\r\n"
                                                 "B                n/a\r\n"));
        const QString csv = t.dir.filePath(QStringLiteral("ratings.csv"));
        WriteCsvFile(csv, RatingCsvRecords(result, MemberTables::Read(t.root())));
        QCOMPARE(ReadWholeFile(csv), QByteArray("member_id,name,party,state,district,congress,yeas,nays,"
                                                "agreements,rating\r\n"
                                                "10000,A,Democrat,AL,1,103,1,1,2,100.00\r\n"
                                                "10001,B,Republican,AL,2,103,0,0,0,\r\n"));
    }
    void trackingAcrossThreeCongresses()
    {
        const Tree t(true, {{101, congress({"14", "41"}, QStringLiteral("F"))},
                            {102, congress({"11", "44", "66"}, QStringLiteral("S"))},
                            {103, congress({"111", "409", "252", "633"}, QStringLiteral("T"))}});
        const QList<TrackEntry> table = BuildTrackTable(t.root(), true, {101, 102, 103}, false);
        QCOMPARE(table.size(), 9);
        QCOMPARE(TrackListRow(table.at(1)), QStringLiteral("FB            \tAL\tRepublican"));
        QList<QueuedRollCall> queue;
        for (const RatingSetting &s : settings(103, "YYY"))
            queue.append(s.rollCall);
        queue.insert(1, {101, 2, 7, 3, QStringLiteral("First's second")});
        // Picks in the first congress and the third (its second and fourth legislators), in any order.
        const TrackResult result = ComputeTracking(t.root(), true, table, {8, 0, 6}, queue);
        QCOMPARE(result.rows,
                 (QStringList{"Nay\t7-3\tFirst's second", " ", "Nay\t10-5\tRC 1", "n/a\t11-5\tRC 2", "n/a\t12-5\tRC 3",
                              " ", "Nay\t10-5\tRC 1", "Yea\t11-5\tRC 2", "Yea\t12-5\tRC 3"}));
        QCOMPARE(result.totalsText(), QStringLiteral("2\n3\n2"));
    }
    void trackingReportBytes()
    {
        const Tree t(false, {{103, congress({"10", "46"})}, {104, congress({"5"}, QStringLiteral("N"))}});
        const QList<TrackEntry> table = BuildTrackTable(t.root(), false, {103, 104}, false);
        QList<QueuedRollCall> queue{{103, 1, 10, 5, QStringLiteral("RC 1")},
                                    {104, 1, 1, 0, QStringLiteral("Other")},
                                    {103, 2, 11, 5, QStringLiteral("RC 2")}};
        const TrackResult result = ComputeTracking(t.root(), false, table, {0, 1}, queue);
        const QString file = t.dir.filePath(QStringLiteral("track.txt"));
        WriteReportFile(file, TrackingReportLines(false, {103, 104}, table, {1, 0}, result));
        QCOMPARE(ReadWholeFile(file), QByteArray("Rollscan for Windows Legislator Tracking\r\n"
                                                 "----------------------------------------\r\n"
                                                 "Senate #103, 1993-1994\r\n"
                                                 "Senate #104, 1995-1996\r\n"
                                                 "\r\n"
                                                 "\r\n"
                                                 "Selected Legislators\r\n"
                                                 "--------------------\r\n"
                                                 "\r\n"
                                                 "A             \tAL\tDemocrat\r\n"
                                                 "B             \tAL\tRepublican\r\n"
                                                 "\r\n"
                                                 "Tracked Roll Calls\r\n"
                                                 "------------------\r\n"
                                                 "\r\n"
                                                 "Yea\t10-5\tRC 1\r\n"
                                                 "n/a\t11-5\tRC 2\r\n"
                                                 " \r\n"
                                                 "Nay\t10-5\tRC 1\r\n"
                                                 "Nay\t11-5\tRC 2\r\n"));
        QCOMPARE(result.totalsText(), QStringLiteral("1\n2\n1"));
    }
    void trackingCsvBytes()
    {
        const Tree t(true, {{103, congress({"16"})}});
        const QList<TrackEntry> table = BuildTrackTable(t.root(), true, {103}, false);
        const QList<QueuedRollCall> queue{{103, 2, 200, 201, QStringLiteral("On \"the\" motion, as amended")}};
        const TrackResult result = ComputeTracking(t.root(), true, table, {0}, queue);
        QCOMPARE(CsvBytes(TrackingCsvRecords(table, result, MemberTables::Read(t.root()))),
                 QByteArray("member_id,name,party,state,district,congress,roll_call,vote,"
                            "roll_call_yeas,roll_call_nays,"
                            "description\r\n"
                            "10000,A,Democrat,AL,1,103,2,Nay,200,201,\"On \"\"the\"\" "
                            "motion, as amended\"\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestRatings)
#include "tst_ratings.moc"
