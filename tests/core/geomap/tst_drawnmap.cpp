#include "support/DrawnMapFixture.h"

#include "core/data/Preferences.h"
#include "core/geomap/DrawnMapPass.h"
#include "core/geomap/DrawnMapView.h"
#include "core/geomap/FloodFill.h"
#include "core/geomap/MapTipText.h"

#include <QTest>

#include <vector>

using namespace rollscan;
using namespace rollscan::test;

class TestDrawnMap : public QObject {
    Q_OBJECT

private:
    DrawnMapTree m_tree; // read only
    DrawingRequest request(int rollCall, std::optional<PartnerRollCall> partner = {})
    {
        return {.dataRoot = m_tree.dir.path(),
                .congress = 97,
                .rollCall = rollCall,
                .partner = partner,
                .preferences = m_tree.session.Preferences};
    }

private slots:
    // A step that would reach 0 or below, or start out from 10 or more, leaves F where it is.
    void clickRules()
    {
        using C = DrawnClick;
        for (const auto &[mode, before, after] : {std::tuple{C::LargeZoomIn, 2.7, 1.7},
                                                  {C::SmallZoomIn, 2.7, 2.45},
                                                  {C::LargeZoomIn, 1.0, 1.0},
                                                  {C::LargeZoomIn, 0.7, 0.7},
                                                  {C::SmallZoomIn, 0.25, 0.25},
                                                  {C::SmallZoomIn, 0.5, 0.25},
                                                  {C::LargeZoomOut, 2.7, 3.7},
                                                  {C::LargeZoomOut, 9.75, 10.75},
                                                  {C::LargeZoomOut, 10.0, 10.0},
                                                  {C::SmallZoomOut, 10.75, 10.75},
                                                  {C::SmallZoomOut, 9.9, 10.15},
                                                  {C::Centre, 2.7, 2.7}}) {
            const DrawnMapView v = ClickView({before, -450, 0}, mode, 120, -35);
            QCOMPARE(v.F, after);
            QCOMPARE(v.x, 120.0);
            QCOMPARE(v.y, -35.0);
            QCOMPARE(ClickView({before, -450, 0}, DrawnClick::None, 120, -35), (DrawnMapView{before, -450, 0}));
        }
    }

    // From the 31st congress on, or with nothing drawn, the fixed view; before, the drawn extent, wide or tall.
    void designedView()
    {
        const QList<QPair<int, DrawnRect>> cases = {
            {102, {-20, -20, 20, 20}}, {31, {}}, {30, {-400, -100, 200, 100}}, {25, {100, -500, 300, 300}}, {25, {}}};
        for (const auto &[congress, extent] : cases) {
            const DrawnMapView v = DesignedView(congress, extent);
            if (congress >= 31 || extent.isEmpty()) {
                QCOMPARE(v, (DrawnMapView{2.7, -450, 0}));
                QCOMPARE(v.rect(), (DrawnRect{-450 - 248 * 2.7, -648, -450 + 373 * 2.7, 648}));
                continue;
            }
            const DrawnRect r = v.rect();
            QVERIFY(r.left < extent.left && r.right > extent.right && r.top < extent.top && r.bottom > extent.bottom);
            QCOMPARE(r.width() / r.height(), 621.0 / 480.0);
            // Held tightly on the side that decides F: the margin is a few per cent.
            const double fill = std::max(extent.width() / r.width(), extent.height() / r.height());
            QVERIFY2(fill > 0.9 && fill < 1.0, qPrintable(QString::number(fill)));
        }
    }

    void floodFill_data()
    {
        // A 7 x 5 picture: '#' outline, '.' background, 'x' a region filled before.
        QTest::addColumn<QStringList>("picture");
        QTest::addColumn<QPoint>("seed");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("count");
        const QStringList box = {"#######", "#..#..#", "#..#..#", "#######", "......."};
        QTest::newRow("left room") << box << QPoint(1, 1)
                                   << QStringList{"#######", "#oo#..#", "#oo#..#", "#######", "......."} << 4;
        QTest::newRow("outside") << box << QPoint(0, 4)
                                 << QStringList{"#######", "#..#..#", "#..#..#", "#######", "ooooooo"} << 7;
        QTest::newRow("seed on outline") << box << QPoint(3, 1) << box << 0;
        QTest::newRow("seed outside the picture") << box << QPoint(7, 1) << box << 0;
        const QStringList filled = {"#######", "#xx#..#", "#xx#..#", "#######", "......."};
        QTest::newRow("region filled before keeps its colour") << filled << QPoint(2, 2) << filled << 0;
        // A diagonal step in an outline is closed for a fill that moves only across edges.
        const QStringList diagonal = {"...#...", "..#....", ".#.....", "#......", "......."};
        QTest::newRow("diagonal outline holds")
            << diagonal << QPoint(0, 0) << QStringList{"ooo#...", "oo#....", "o#.....", "#......", "......."} << 6;
        QTest::newRow("winding room") << QStringList{"#######", "#.....#", "#####.#", "#.....#", "#######"}
                                      << QPoint(1, 3)
                                      << QStringList{"#######", "#ooooo#", "#####o#", "#ooooo#", "#######"} << 11;
    }
    void floodFill()
    {
        QFETCH(QStringList, picture);
        QFETCH(QPoint, seed);
        QFETCH(QStringList, expected);
        QFETCH(int, count);
        const QHash<QChar, quint32> value = {
            {'#', 0xFF000000}, {'.', 0xFFFFFFFF}, {'x', 0xFF00FF00}, {'o', 0xFF0000FF}};
        const int w = 7, h = 5, stride = 9; // rows padded as an image's may be
        std::vector<quint32> bits(std::size_t(stride * h), 0xFFABCDEF);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                bits[std::size_t(y * stride + x)] = value.value(picture.at(y).at(x));
        QCOMPARE(FloodFill({bits.data(), w, h, stride}, seed.x(), seed.y(), 0xFF0000FF, 0xFFFFFFFF), qint64(count));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                QCOMPARE(bits[std::size_t(y * stride + x)], value.value(expected.at(y).at(x)));
        for (int y = 0; y < h; ++y) // the padding is never touched
            QCOMPARE(bits[std::size_t(y * stride + 7)], 0xFFABCDEFu);
        // A region larger than the limit is left as it was.
        if (count > 1) {
            const std::vector<quint32> filledBits = bits;
            QCOMPARE(FloodFill({bits.data(), w, h, stride}, seed.x(), seed.y(), 0xFF00FF00, 0xFF0000FF, count - 1),
                     qint64(0));
            QVERIFY(bits == filledBits);
            QCOMPARE(FloodFill({bits.data(), w, h, stride}, seed.x(), seed.y(), 0xFF00FF00, 0xFF0000FF, count),
                     qint64(count));
        }
        // Filling with the background colour itself changes nothing.
        QCOMPARE(FloodFill({bits.data(), w, h, stride}, 0, 4, 0xFFFFFFFF, 0xFFFFFFFF), qint64(0));
    }

    void votePass()
    {
        const Preferences &p = m_tree.session.Preferences;
        const DrawnMapPass pass = RunDrawnMapPass(request(1));
        QStringList names;
        for (const DrawnMember &m : pass.DrawnVoteTable)
            names << m.displayName + QLatin1Char('/') + QString::number(m.recordNumber);
        // The member without coordinates is not placed.
        QCOMPARE(names, QStringList({"CTONE, CT/1", "CTTWO, CT/2", "NYFIRST, NY/3", "NYSECOND, NY/4", "DEONE, DE/5",
                                     "DETWO, DE/6"}));
        QCOMPARE(pass.DrawnVoteTable.at(1).seeds(), (QList<DrawnSeed>{{-250, -100}, {-250, -50}}));
        // The district table: the first member of New York's district keeps it (Yea, not Nay);
        // Delaware at large takes its majority.
        QList<int> colours;
        for (const DrawnDistrict &d : pass.DistrictTable)
            colours << d.colour;
        QCOMPARE(colours, (QList<int>{p.yeaColour(), p.nayColour(), p.yeaColour(), p.yeaColour()}));
        QCOMPARE(pass.atLarge.value(11), (StateTally{2, 0, 0}));
        QCOMPARE(pass.delegation.value(13), (StateTally{1, 1, 0}));
        QVERIFY(!pass.atLarge.contains(13));

        const DrawnFillPlan plan = VoteFillPlan(pass, {});
        QStringList fills;
        for (const DrawnFill &f : plan.fills)
            fills << QStringLiteral("%1/%2/%3/%4").arg(f.state).arg(f.district).arg(f.member).arg(f.colour, 0, 16);
        const QString yea = QString::number(PaletteRgb(p.yeaColour()), 16);
        const QString nay = QString::number(PaletteRgb(p.nayColour()), 16);
        QCOMPARE(fills,
                 QStringList({"1/1/0/" + yea, "1/2/1/" + nay, "13/1/2/" + yea, "13/1/3/" + nay, "11/1/-1/" + yea}));
        QCOMPARE(plan.fills.last().seeds, (QList<DrawnSeed>{{50, -150}}));

        DrawnStateFilter filter;
        filter.on = true;
        filter.states = {13};
        QCOMPARE(VoteFillPlan(pass, filter).fills.size(), 2);
        filter.states = {11};
        QCOMPARE(VoteFillPlan(pass, filter).fills.size(), 1);
    }

    void crossTab()
    {
        const QString yn = "Yea-Nay", none = "No Cross Tab Match";
        // House 96 has CTONE, NYFIRST and DETWO: the others are found by no id and keep no-match.
        const QList<QPair<PartnerRollCall, QStringList>> cases = {{{97, 2}, {yn, "Nay-Yea", yn, "Nay", yn, yn}},
                                                                  {{96, 1}, {yn, none, yn, none, none, yn}}};
        for (const auto &[partner, classes] : cases) {
            const DrawnMapPass pass = RunDrawnMapPass(request(1, partner));
            QStringList got;
            for (const DrawnMember &m : pass.DrawnVoteTable) {
                got << VoteClassName(m.voteClass);
                QCOMPARE(m.colour, ClassColour(m.voteClass, m_tree.session.Preferences));
            }
            QCOMPARE(got, classes);
        }
    }

    // The absent are ignored; a tie is split; nobody voting is N/A.
    void atLargeMajority()
    {
        using V = VoteClass;
        const Preferences p = TreeBuilder::standardPreferences();
        const QList<QPair<QList<V>, int>> cases = {
            {{V::Yea, V::Nay, V::Yea, V::NotAvailable}, p.yeaColour()},
            {{V::NotAvailable, V::Nay, V::NotAvailable, V::NotAvailable}, p.nayColour()},
            {{V::Nay, V::Yea}, p.splitColour()},
            {{V::NotAvailable, V::NoMatch}, p.notVotingColour()},
            {{V::YeaNay, V::YeaNay, V::Yea}, p.yeaNayColour()}};
        for (const auto &[classes, colour] : cases)
            QCOMPARE(AtLargeMajorityColour(classes, p), colour);
    }

    // The tips at points of the map (within 500 units of a member), and the breakdown's other texts.
    void tips()
    {
        const DrawnMapPass pass = RunDrawnMapPass(request(1));
        for (const auto &[x, y, inquire, breakdown] :
             {std::tuple{-340.0, -90.0, "CTONE, CONNECTICUT", "CT: 1-1"},
              {-90.0, -90.0, "NYFIRST, NEW YORK", "NY (MM District): 1-1"}, // New York's two members
              {50.0, -150.0, "DEONE, DELAWARE", "DE: 2-0"},                 // at large
              {-350.0, 400.0, "", ""},
              {-350.0, 399.0, "CTONE, CONNECTICUT", "CT: 1-1"}}) {
            QCOMPARE(DrawnInquireTip(pass, x, y), QString::fromLatin1(inquire));
            QCOMPARE(DrawnBreakdownTip(pass, x, y), QString::fromLatin1(breakdown));
        }
        QCOMPARE(DrawnBreakdownText(QStringLiteral("NY"), true, 0, 0), QStringLiteral("District Delegation Abstained"));
        QCOMPARE(DrawnBreakdownText(QStringLiteral("NY"), false, 0, 0), QStringLiteral("State Delegation Abstained"));
        QCOMPARE(DrawnBreakdownText(QStringLiteral("NY"), false, 0, 3), QStringLiteral("NY: 0-3"));
    }

    void stateCodes()
    {
        StateTable states;
        states.records = TreeBuilder::standardStates();
        states.records[46].name = QStringLiteral("VIRGINIA");
        states.records[55].name = QStringLiteral("WEST VIRGINIA");
        QCOMPARE(DrawnStateCodes({QStringLiteral("New York"), QStringLiteral("virginia")}, states),
                 (QList<int>{13, 47}));
        QCOMPARE(DrawnStateCodes({QStringLiteral("Virginia with West Virginia")}, states), (QList<int>{47, 56}));
        QCOMPARE(DrawnStateCodes({QStringLiteral("Dakota Territory")}, states), QList<int>());
    }

    void districtIdentifiers()
    {
        const QList<DrawnDistrict> table = {{{1, 1, {}}, -1}, {{1, 2, {}}, -1}, {{13, 1, {}}, -1}};
        auto ids = [](QList<int> list) {
            QList<OutlinePoint> points;
            for (int id : list)
                points.append({kPenUp, 0, qint16(id), 0, 0});
            return points;
        };
        const QHash<int, int> byRow = DistrictIdentifierRows(table, ids({1, 2, 3}));
        QCOMPARE(byRow.value(3), 2);
        QCOMPARE(byRow.value(1), 0);
        const QHash<int, int> byCode = DistrictIdentifierRows(table, ids({101, 102, 1301}));
        QCOMPARE(byCode.value(1301), 2);
        QCOMPARE(byCode.value(102), 1);
        QVERIFY(!byCode.contains(3));
        // Identifiers that fit neither scheme: the composite one is kept, and 7 has no row.
        QVERIFY(!DistrictIdentifierRows(table, ids({1, 7, 1301})).contains(7));
    }
};

QTEST_GUILESS_MAIN(TestDrawnMap)
#include "tst_drawnmap.moc"
