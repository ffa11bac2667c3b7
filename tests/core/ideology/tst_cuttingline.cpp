// The cutting line and its outcome points, classification errors and PRE, what the displays say about
// a roll call's fit, the party legend of the map, and the cross-tab's counts and statistics.
#include "support/TreeBuilder.h"

#include "core/data/PartyTable.h"
#include "core/data/TokenTable.h"
#include "core/ideology/CrossTab.h"
#include "core/ideology/CuttingLine.h"
#include "core/ideology/DisplayFilter.h"
#include "core/ideology/DrawingPass.h"
#include "core/ideology/FitText.h"
#include "core/ideology/NumberFormat.h"
#include "core/ideology/PartyLegend.h"
#include "core/search/ListColumns.h"

#include <QtTest>

using namespace rollscan;
using rollscan::test::TreeBuilder;

namespace {
constexpr double kTolerance = 1e-5;

bool near(double a, double b)
{
    return qAbs(a - b) < kTolerance;
}
PlottedEntry plotted(const QString &token, int party, int legislator)
{
    PlottedEntry e;
    e.token = token;
    e.partyCode = qint16(party);
    e.legislatorIndex = legislator;
    return e;
}
LegislatorVoteEntry entry(int party, VoteClass c, bool written = true)
{
    LegislatorVoteEntry e;
    e.written = written;
    e.partyCode = qint16(party);
    e.voteClass = c;
    return e;
}
} // namespace

class TestCuttingLine : public QObject {
    Q_OBJECT
private slots:
    void lineAndOutcomePoints_data()
    {
        QTest::addColumn<bool>("isHouse");
        QTest::addColumn<QList<float>>("parameters"); // spread 1, spread 2, midpoint 1, midpoint 2
        QTest::addColumn<bool>("noLine");
        QTest::addColumn<QList<double>>("expected"); // ends x1 y1 x2 y2, then yea x, y, nay x, y

        QTest::newRow("vertical line through the centre")
            << true << QList<float>{0.2f, 0.0f, 0.0f, 0.0f} << false << QList<double>{0, -1.1, 0, 1.1, -0.2, 0, 0.2, 0};
        // The segment is centred on the foot of the perpendicular from the map's centre.
        QTest::newRow("House, tilted, off-centre midpoint")
            << true << QList<float>{0.2f, 0.5f, 0.0f, 0.5f} << false
            << QList<double>{0.518875, -0.977186, -0.298185, 1.065462, -0.2, 0.0, 0.2, 0.64};
        QTest::newRow("Senate, tilted, off-centre midpoint")
            << false << QList<float>{0.25f, -0.5f, 0.1f, -0.2f} << false
            << QList<double>{-0.215254, -1.087314, 0.474177, 1.001869, -0.15, 0.198, 0.35, -0.462};
        QTest::newRow("unanimous: both spreads 0") << true << QList<float>{0.0f, 0.0f, 0.3f, 0.4f} << true
                                                   << QList<double>{0, 0, 0, 0, 0.3, 0.256, 0.3, 0.256};
        QTest::newRow("horizontal line") << true << QList<float>{0.0f, 0.5f, 0.3f, 0.5f} << false
                                         << QList<double>{1.1, 0.32, -1.1, 0.32, 0.3, 0.0, 0.3, 0.64};
    }
    void lineAndOutcomePoints()
    {
        QFETCH(bool, isHouse);
        QFETCH(QList<float>, parameters);
        QFETCH(bool, noLine);
        QFETCH(QList<double>, expected);
        const CuttingLine line = CalcCoordinates(isHouse, parameters[0], parameters[1], parameters[2], parameters[3]);
        QCOMPARE(line.noLine, noLine);
        QCOMPARE(line.DimTwoFactor, isHouse ? 0.32 : 0.33);
        const QList<double> got{line.end1.x,     line.end1.y,     line.end2.x,     line.end2.y,
                                line.yeaPoint.x, line.yeaPoint.y, line.nayPoint.x, line.nayPoint.y};
        for (int i = 0; i < expected.size(); ++i)
            QVERIFY2(near(got[i], expected[i]),
                     qPrintable(QStringLiteral("coordinate %1: %2, expected %3").arg(i).arg(got[i]).arg(expected[i])));
        if (noLine)
            return;
        QVERIFY(near(std::hypot(line.end1.x - line.end2.x, line.end1.y - line.end2.y), 2.2));
        for (const MapPoint &p : {line.end1, line.end2, line.centre})
            QVERIFY(near(DisplayDistance2(p, line.yeaPoint), DisplayDistance2(p, line.nayPoint)));
    }
    void mapPoint()
    {
        QVERIFY(MapPointOf(true, 0.5f, 0.5f).x == 0.5 && near(MapPointOf(true, 0.5f, 0.5f).y, 0.32));
        QVERIFY(near(MapPointOf(false, 0.5f, 0.5f).y, 0.33));
        // Zero coordinates mean none.
        QVERIFY(!HasCoordinates(0.0f, 0.0f) && HasCoordinates(0.0f, 0.1f) && HasCoordinates(-0.1f, 0.0f));
    }
    void classificationError()
    {
        // Line x = 0; Yea point (-0.2, 0), Nay point (0.2, 0). Only yeas and nays can err; equidistant is no error.
        const CuttingLine line = CalcCoordinates(true, 0.2f, 0.0f, 0.0f, 0.0f);
        const QList<std::tuple<VoteClass, double, double, bool>> cases = {
            {VoteClass::Yea, 0.3, -0.2, true},     {VoteClass::Yea, 0.0, 0.3, false},
            {VoteClass::Nay, 0.0, -0.7, false},    {VoteClass::Nay, -0.4, 0.2, true},
            {VoteClass::Nay, 0.4, 0.2, false},     {VoteClass::NotAvailable, 0.9, 0.0, false},
            {VoteClass::NayYea, -0.9, 0.0, false}, {VoteClass::NoMatch, 0.9, 0.0, false}};
        for (const auto &[cls, x, y, error] : cases)
            QCOMPARE(IsClassificationError(cls, MapPoint{x, y}, line), error);
    }
    // More than half the votes in error means the line was read from the other side; PRE is
    // (minority - errors) / minority.
    void errorsAndReduction()
    {
        const QList<std::tuple<int, int, int, int, int>> corrections = {
            {70, 60, 40, 30, 40}, {51, 60, 40, 49, 40}, {10, 60, 40, 10, 40}, {0, 95, 0, 0, 0}};
        for (const auto &[counted, yea, nay, errors, minority] : corrections) {
            QCOMPARE(CorrectedErrorCount(counted, yea, nay), errors);
            QCOMPARE(MinorityCount(yea, nay), minority);
        }
        const QList<std::tuple<int, int, const char *>> pre = {{40, 10, ".75"}, {0, 0, ".0"},   {40, 0, "1.0"},
                                                               {7, 1, ".857"},  {3, 1, ".667"}, {4, 5, "-.25"}};
        for (const auto &[minority, errors, shown] : pre)
            QCOMPARE(FormatPre(ProportionalReduction(minority, errors)), QString::fromLatin1(shown));
    }
    // Errors and PRE are "n/a" without a line, PRE in a cross-tab; the tally, the key notes and list columns.
    void texts()
    {
        for (const auto &[noLine, crossTab, shown] :
             {std::tuple{false, false, "10 .75"}, {true, false, "n/a n/a"}, {false, true, "10 n/a"}}) {
            DrawingPass pass;
            pass.line.noLine = noLine;
            pass.crossTab = crossTab;
            pass.MinorityCount = 40;
            pass.ErrorCount = 10;
            QCOMPARE(ErrorsText(pass) + " " + PreText(pass), QString::fromLatin1(shown));
        }
        QCOMPARE(TallyText(171, 255, 27), QStringLiteral("Yea 171 \u00b7 Nay 255 \u00b7 Not voting 27"));
        QCOMPARE(CrossTabKeyNotes(329, 618), (QStringList{QStringLiteral("Y-N: Yea on #329, Nay on #618"),
                                                          QStringLiteral("N-Y: Nay on #329, Yea on #618")}));
        MatchRow row;
        row.congress = 30;
        row.rollCall = 17;
        row.date = TaggedDate::FromText(QStringLiteral("Jan 1848 "));
        const ListColumns c = ListColumnsOf(row, QStringLiteral("25-20\t"));
        QCOMPARE((QStringList{c.text(0), c.text(1), c.text(2), c.text(ListColumns::kLineColumn)}),
                 (QStringList{"30", "17", "Jan 1848", "25-20\t"}));
    }
    // A roll call is contested from 2.5 % of the votes on the smaller side.
    void noLineSentence()
    {
        for (const auto &[yea, nay, contested] :
             {std::tuple{95, 0, false}, {1, 40, false}, {39, 1, true}, {0, 0, false}}) {
            QCOMPARE(IsContested(yea, nay), contested);
            QCOMPARE(NoLineText(yea, nay),
                     contested ? QStringLiteral("No cutting line in the data for this roll call")
                               : QStringLiteral("Unanimous or near-unanimous roll call: no cutting line calculated"));
        }
    }
    void legend()
    {
        TokenTable tokens;
        for (int i = 1; i <= 38; ++i)
            tokens.records.append({QLatin1Char('O'), 0, QStringLiteral("Other")});
        tokens.records[1] = {QLatin1Char('R'), 0, QStringLiteral("Republican")};
        tokens.records[2] = {QLatin1Char('S'), 0, QStringLiteral("Southern Democrat")};
        tokens.records[4] = {QLatin1Char('D'), 0, QStringLiteral("Democrat")};
        PartyTable parties;
        parties.records = {{100, QStringLiteral("Democrat")},
                           {200, QStringLiteral("Republican")},
                           {310, QStringLiteral("American")},
                           {403, QStringLiteral("Law and Order")}};
        DrawingPass pass;
        pass.congress = 30;
        Legislator north;
        north.stateCode = 1;
        Legislator south;
        south.stateCode = 44;
        pass.legislators = {north, south, north, north, north, north};
        pass.PlottedList = {plotted(QStringLiteral("D"), 100, 1), plotted(QStringLiteral("S"), 100, 2),
                            plotted(QStringLiteral("O"), 310, 3), plotted(QStringLiteral("O"), 403, 4),
                            plotted(QStringLiteral("O"), 310, 5), plotted(QStringLiteral("D"), 100, 6)};
        const QList<LegendEntry> expected = {
            {QStringLiteral("O"), QStringLiteral("Other (American, Law and Order)"), 3},
            {QStringLiteral("D"), QStringLiteral("Democrat"), 2},
            {QStringLiteral("S"), QStringLiteral("Southern Democrat"), 1}};
        QCOMPARE(PartyLegend(pass, tokens, parties), expected);
    }
    // Yule's Q and chi-square of the four cells.
    void crossTabStatistics()
    {
        const QList<std::tuple<CrossTabCounts, const char *, const char *>> cases = {
            {{10, 0, 0, 10}, "1.0", "20.0"},    {{0, 0, 3, 4}, "n/a", "0.0"}, // no yeas here: both products 0
            {{200, 0, 0, 200}, "1.0", "400.0"}, {{300, 250, 200, 180}, "0.0385", "0.3311"},
            {{2, 6, 6, 2}, "-0.8", "4.0"},      {{1, 2, 3, 100}, "0.8868", "7.4292"}};
        // Statistics show up to four decimals, at least one, and no negative zero.
        for (const auto &[value, shown] :
             {std::pair{12.0, "12.0"}, {0.99996, "1.0"}, {-0.00001, "0.0"}, {-0.125, "-0.125"}})
            QCOMPARE(FormatStatistic(value), QString::fromLatin1(shown));
        for (const auto &[c, q, chi] : cases) {
            QCOMPARE(YulesQText(c), QString::fromLatin1(q));
            QCOMPARE(FormatStatistic(double(ChiSquare(c))), QString::fromLatin1(chi));
            QCOMPARE(CrossTabStatsText(c), QStringLiteral("Yule's Q: %1  Chi-square: %2").arg(q, chi));
        }
    }
    void partyListInOrderOfFirstMember()
    {
        QList<Legislator> legislators;
        for (const int party : {29, 100, 29, 777, 200, 100})
            legislators.append(TreeBuilder::legislator("A", 13, 1, party, 0.1f, 0.1f, 1));
        // The party file lists 100 twice: the party still appears once.
        QList<PartyRecord> parties = TreeBuilder::standardParties();
        parties.append({100, QStringLiteral("Democrat (again)")});
        QStringList names;
        for (const PartyRecord &p : CrossTabParties(legislators, parties))
            names << QString::number(p.code) + QLatin1Char(' ') + p.name;
        QCOMPARE(names, (QStringList{"29 Whig", "100 Democrat", "200 Republican"}));
    }
    void countsByParty()
    {
        const QList<LegislatorVoteEntry> table = {
            entry(100, VoteClass::Yea),     entry(100, VoteClass::Yea),        entry(100, VoteClass::YeaNay),
            entry(100, VoteClass::NayYea),  entry(100, VoteClass::Nay),        entry(100, VoteClass::NotAvailable),
            entry(100, VoteClass::NoMatch), entry(100, VoteClass::Yea, false), entry(200, VoteClass::Yea),
            entry(200, VoteClass::Nay),
        };
        QCOMPARE(CountCrossTab(table, 100), (CrossTabCounts{2, 1, 1, 1}));
        QCOMPARE(CountCrossTab(table, 200), (CrossTabCounts{1, 0, 0, 1}));
        QCOMPARE(CountCrossTab(table, 29), (CrossTabCounts{}));
    }
    void crossTabPanels()
    {
        const CrossTabPanels p = BuildCrossTabPanels(CrossTabCounts{10, 3, 4, 200});
        QCOMPARE((QStringList{p.pnlYea1, p.pnlYea2, p.pnlNay1, p.pnlNay2}),
                 (QStringList{"Yea-Yea: 10", "Yea-Nay: 3", "Nay-Yea: 4", "Nay-Nay: 200"}));
    }
};

QTEST_APPLESS_MAIN(TestCuttingLine)
#include "tst_cuttingline.moc"
