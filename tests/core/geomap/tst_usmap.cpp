// The US map's rules: how a feature is filled from its members, the state filter, the display mode,
// the tip texts, label heights, the district file of a congress, the state-list record layout, and
// the colouring of a whole layer read from a small tree.
#include "support/UsMapFixture.h"

#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/data/TokenTable.h"
#include "core/geomap/MapTipText.h"
#include "core/geomap/MapTransform.h"
#include "core/geomap/ShapeLayer.h"
#include "core/geomap/UsMapColouring.h"
#include "core/geomap/UsMapRules.h"
#include "core/ideology/QueueNavigation.h"

#include <QtTest>

using namespace rollscan;
using namespace rollscan::test;

namespace {
constexpr VoteClass Y = VoteClass::Yea;
constexpr VoteClass N = VoteClass::Nay;
constexpr VoteClass A = VoteClass::NotAvailable;

UsMapMember member(const char *name, int party, int icpsr, int fips, const char *postal, int district, VoteClass c,
                   int colour)
{
    UsMapMember m;
    m.name = QString::fromLatin1(name);
    m.partyCode = qint16(party);
    m.icpsr = qint16(icpsr);
    m.fips = qint16(fips);
    m.postal = QString::fromLatin1(postal);
    m.district = qint16(district);
    m.voteClass = c;
    m.colour = colour;
    m.hasCoordinates = true;
    return m;
}

// Each feature's key and class, "01 nay".
QStringList classesOf(const UsMapColouring &c)
{
    QStringList out;
    for (const FeatureFill &f : c.fills)
        out.append(f.key + QLatin1Char(' ') + f.className);
    return out;
}
} // namespace

class TestUsMap : public QObject {
    Q_OBJECT

private slots:
    // The members' classes in one feature: its class, its colour (-1: the default symbol) and whether it is
    // hatched. A Senate pair with one absent is hatched, a House feature never.
    void pairTable()
    {
        const Preferences p = TreeBuilder::standardPreferences();
        const int yea = p.yeaColour(), nay = p.nayColour(), na = p.notVotingColour(), split = p.splitColour();
        const VoteClass YN = VoteClass::YeaNay, NY = VoteClass::NayYea, none = VoteClass::NoMatch;
        const QList<std::tuple<bool, QList<VoteClass>, const char *, int, bool>> cases = {
            {false, {}, "default", -1, false},
            {true, {Y}, "yea", yea, false},
            {false, {A, A}, "na", na, false},
            {false, {Y, N}, "split", split, false},
            {false, {N, N}, "nay", nay, false},
            {false, {A, Y}, "yea-hatched", yea, true},
            {false, {N, A}, "nay-hatched", nay, true},
            {true, {Y, A}, "yea", yea, false},
            {false, {A, A, N}, "nay-hatched", nay, true},
            {true, {A, N, A, N}, "nay", nay, false},
            {false, {YN, YN}, "yea-nay", p.yeaNayColour(), false}, // a cross-tab pair alike
            {false, {YN, NY}, "split", split, false},              // and apart
            {false, {none, N}, "nay-hatched", nay, true}};         // one unmatched in the cross-tab
        for (const auto &[house, classes, className, colour, hatched] : cases) {
            const FeatureFill f = FillForMembers(classes, house, p);
            QCOMPARE(f.className, QLatin1String(className));
            QCOMPARE(f.usesDefault, colour < 0);
            if (colour >= 0)
                QCOMPARE(f.colour, colour);
            QCOMPARE(f.style == FillStyle::DiagonalCross, hatched);
        }
    }
    void allowFill()
    {
        StateFilter filter;
        filter.on = true;
        filter.selectedFips = {9, 36}; // Connecticut and New York
        // House districts of a chosen state and of another, a House key whose district number is a chosen
        // FIPS, Senate states (the code read as a number), a key that is not a number.
        for (const auto &[code, house, allowed] : {std::tuple{"0902", true, true},
                                                   {"0101", true, false},
                                                   {"0136", true, false},
                                                   {"36", false, true},
                                                   {"09", false, true},
                                                   {"XX", false, false}})
            QCOMPARE(AllowFill(QString::fromLatin1(code), house, filter), allowed);
    }
    // The display mode of a congress, the tip and breakdown texts, label heights and the short caption.
    void rulesAndTexts()
    {
        QCOMPARE((QList<UsMapMode>{UsMapModeFor(true, 102), UsMapModeFor(true, 103), UsMapModeFor(false, 30)}),
                 (QList<UsMapMode>{UsMapMode::Drawn, UsMapMode::Shapefile, UsMapMode::Shapefile}));

        TokenTable tokens;
        tokens.records = TreeBuilder::standardTokens();
        const QList<UsMapMember> all = {
            member("DODD", 100, 1, 9, "CT", 0, Y, 1), member("SESSIONS", 200, 41, 1, "AL", 0, N, 4),
            member("WEICKER", 328, 1, 9, "CT", 0, Y, 1), member("FOURTH", 100, 1, 9, "CT", 0, Y, 1)};
        QCOMPARE(InquireText(all.mid(0, 3), tokens, 107), QStringLiteral("DODD (D); SESSIONS (R); WEICKER (I), CT"));
        QCOMPARE(InquireText(all, tokens, 107),
                 QStringLiteral("Multiple member district with more than 3 legislators."));

        const Preferences p = TreeBuilder::standardPreferences();
        const QList<UsMapMember> members = {
            member("A", 100, 1, 9, "CT", 3, Y, p.yeaColour()), member("B", 100, 1, 9, "CT", 3, N, p.nayColour()),
            member("C", 100, 1, 9, "CT", 3, Y, p.yeaColour()), member("D", 100, 1, 9, "CT", 3, A, p.notVotingColour())};
        QCOMPARE(BreakdownText(FeatureHeading(true, members.first()), members, p),
                 QStringLiteral("CT District 3 Votes (Y-N-N/A): 2-1-1"));
        UsMapMember senator = members.first();
        senator.stateName = QStringLiteral("Connecticut");
        QCOMPARE(BreakdownText(FeatureHeading(false, senator), {senator}, p),
                 QStringLiteral("Connecticut Votes (Y-N-N/A): 1-0-0"));

        // Labels are 1/30 of the view's width, 1/60 once it is under 0.6 of the full map.
        for (const auto &[current, full, height] :
             {std::tuple{120.0, 120.0, 4.0}, {60.0, 100.0, 2.0}, {59.4, 100.0, 0.99}})
            QVERIFY(qAbs(LabelHeight(current, full) - height) < 1e-9);

        QCOMPARE(UsMapShortCaption(true, 110, 5, TaggedDate::FromDate(QDate(2007, 1, 4)), 1, 3),
                 QStringLiteral("H #110 RC #5  1/4/07  (1/3)"));
    }
    // A congress's own file; a file beyond the congress is not used, nor numbers below 103, which are
    // not district files of this map; the case of the names is ignored; without any, the 104th's.
    void districtFile()
    {
        const QList<std::tuple<QStringList, int, QString>> cases = {
            {{"states.shp", "cd104.shp", "cd110.shp"}, 110, "cd110.shp"},
            {{"cd104.shp", "cd113.shp"}, 112, "cd104.shp"},
            {{"cd102.shp", "cd104.shp"}, 105, "cd104.shp"},
            {{"CD104.SHP", "Cd108.Shp"}, 109, "Cd108.Shp"},
            {{"states.shp"}, 110, "cd104.shp"}};
        for (const auto &[files, congress, chosen] : cases)
            QCOMPARE(DistrictFileFor(files, congress), chosen);
    }
    void stateListBytes()
    {
        QTemporaryDir dir;
        StateList list = FixtureStateList();
        list.records[0].order = 5;
        list.records[0].reserved = -2;
        const QString path = dir.filePath(QStringLiteral("state list.dat"));
        list.write(path);
        const QByteArray bytes = ReadWholeFile(path);
        QCOMPARE(bytes.size(), 50 * 33);
        // Connecticut: name, postal, order 5, FIPS 9, ICPSR 1, reserved -2, short name.
        QCOMPARE(bytes.left(33), QByteArray("Connecticut    CT\x05\x00\x09\x00\x01\x00\xfe\xff"
                                            "Connecti",
                                            33));
        const StateList back = StateList::Read(path);
        QCOMPARE(back.records, list.records);
        QCOMPARE(back.findIcpsr(13)->name, QStringLiteral("New York"));
        QCOMPARE(back.fipsOfNames({"new york", "ALABAMA", "Virginia"}), (QList<int>{36, 1}));
        WriteWholeFile(path, bytes.chopped(33)); // a file of 49 records is refused
        QVERIFY_THROWS_EXCEPTION(FileError, StateList::Read(path));
    }
    void transform()
    {
        // A view 100 units wide (78.8 drawn) and 50 high in a 788 x 1000 control: 10 pixels per
        // degree of latitude, the view centred vertically.
        const MapTransform t({-100, 0, 0, 50}, QRectF(0, 0, 788.010753606722, 1000));
        QVERIFY(qAbs(t.scale() - 10.0) < 1e-9);
        const QPointF corner = t.toControl(-100, 50);
        QVERIFY(qAbs(corner.x()) < 1e-6 && qAbs(corner.y() - 250.0) < 1e-6);
        const QPointF back = t.toMap(QPointF(394.005376803361, 500));
        QVERIFY(qAbs(back.x() + 50.0) < 1e-9 && qAbs(back.y() - 25.0) < 1e-9);
        QVERIFY(qAbs(t.toMapDistance(15.0) - 1.5) < 1e-9);
        // The full map of a globe-wide file drops the far west; a small one stays as it is.
        const MapExtent globe{-179.15, 18.9, 179.78, 71.4};
        QVERIFY(qAbs(FullMapExtent(globe).maxX - (179.78 - 245.0)) < 1e-9);
        QCOMPARE(FullMapExtent(MapExtent{-88, 30, -72, 45}), (MapExtent{-88, 30, -72, 45}));
    }
    // A ring with a hole and a second part, an island in the hole; points inside, in the hole, outside.
    void layerSearch()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("holes.shp"));
        QVERIFY(
            WriteTestLayer(path, {QStringLiteral("KEY")},
                           {{{Box(0, 0, 10, 10), {{3, 3}, {7, 3}, {7, 7}, {3, 7}, {3, 3}}, Box(20, 0, 22, 2)}, {"A"}},
                            {{Box(4.5, 5.2, 5.5, 6)}, {"B"}}}));
        ShapeLayer layer;
        QVERIFY(layer.open(path));
        QCOMPARE(layer.values(QStringLiteral("KEY")), (QStringList{"A", "B"}));
        QCOMPARE(layer.fullExtent(), (MapExtent{0, 0, 22, 10}));
        QCOMPARE(layer.feature(0).parts.size(), 3);
        for (const auto &[x, y, found] : {std::tuple{1.0, 1.0, QList<int>{0}},
                                          {5.0, 5.0, QList<int>{}},
                                          {5.0, 5.5, QList<int>{1}},
                                          {21.0, 1.0, QList<int>{0}},
                                          {15.0, 1.0, QList<int>{}}})
            QCOMPARE(layer.search(x, y), found);
        ShapeLayer missing;
        QVERIFY(!missing.open(QStringLiteral("/nonexistent/cd104.shp")) && missing.search(0, 0).isEmpty());
    }
    // Alaska: a mainland, an island beyond longitude 180 (moved west of -180) and one near the coast;
    // Hawaii; the lower 48. The full map frames the main extent with a margin of 2 %.
    void dateLineLayer()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("states.shp"));
        QVERIFY(WriteTestLayer(path, {QStringLiteral("KEY")},
                               {{{Box(-170, 55, -140, 70), Box(172, 52, 174, 53), Box(-165, 54, -164, 55)}, {"AK"}},
                                {{Box(-160, 19, -155, 22)}, {"HI"}},
                                {{Box(-125, 25, -67, 49)}, {"US"}}}));
        ShapeLayer layer;
        QVERIFY(layer.open(path));
        QCOMPARE(layer.fullExtent(), (MapExtent{-188, 19, -67, 70}));
        QCOMPARE(layer.feature(0).bounds, (MapExtent{-188, 52, -140, 70}));
        QCOMPARE(layer.mainExtent(), (MapExtent{-170, 19, -67, 70}));
        const MapExtent full = FullMapExtent(layer);
        QVERIFY(qAbs(full.minX - (-170 - 103 * 0.02)) < 1e-9);
        QVERIFY(qAbs(full.maxY - (70 + 51 * 0.02)) < 1e-9);
        for (const auto &[x, y, found] : {std::tuple{-187.0, 52.5, QList<int>{0}},
                                          {173.0, 52.5, QList<int>{}},
                                          {-150.0, 60.0, QList<int>{0}},
                                          {-157.0, 20.0, QList<int>{1}}})
            QCOMPARE(layer.search(x, y), found);
    }
    void senateColouring()
    {
        UsMapTree t;
        t.queue(false, {1});
        const DrawingRequest request = DrawingRequestAt(t.session, 1);
        const StateList states = StateList::Read(DataFileName(t.session.dataRoot, kMainDir, "state list.dat"));
        const UsMapPass pass = RunUsMapPass(request, states);
        QCOMPARE(pass.GisVoteTable.at(2).fips, qint16(36));
        ShapeLayer layer;
        QVERIFY(layer.open(UsMapLayerPath(t.session.dataRoot, false, 107)));
        const UsMapColouring c = ColourUsMap(pass, layer.values(kStateFipsField), t.session.Preferences);
        // Alabama Nay + Nay, Connecticut Yea + absent (hatched), DC never coloured, New York split.
        QCOMPARE(classesOf(c), (QStringList{"01 nay", "09 yea-hatched", "11 default", "36 split"}));
        QCOMPARE(c.fills.at(1).colour, t.session.Preferences.yeaColour());
        // The senator of a state on no map is the one member left over.
        QCOMPARE(c.membersMatched, 6);
        QCOMPARE(c.membersUnmatched, 1);
        QCOMPARE(pass.GisVoteTable.at(c.unmatchedRows.first()).name, QStringLiteral("NOWHERE"));

        // With the state filter on, the states not chosen stay transparent.
        StateFilter filter;
        filter.on = true;
        filter.selectedFips = states.fipsOfNames({QStringLiteral("New York")});
        const UsMapColouring f =
            ColourUsMap(pass, {QStringLiteral("01"), QStringLiteral("36")}, t.session.Preferences, filter);
        QCOMPARE(f.fills.at(0).style, FillStyle::Transparent);
        QCOMPARE(f.fills.at(1).className, QStringLiteral("split"));
    }
    void houseColouringOnItsOwnDistricts()
    {
        UsMapTree t;
        t.queue(true, {3});
        const DrawingRequest request = DrawingRequestAt(t.session, 1);
        const StateList states = StateList::Read(DataFileName(t.session.dataRoot, kMainDir, "state list.dat"));
        const UsMapPass pass = RunUsMapPass(request, states);
        ShapeLayer layer;
        const QString path = UsMapLayerPath(t.session.dataRoot, true, 110);
        QVERIFY(path.endsWith(QStringLiteral("maps/cd110.shp")));
        QVERIFY(layer.open(path));
        const UsMapColouring c = ColourUsMap(pass, layer.values(kDistrictField), t.session.Preferences);
        // Alabama's member has no coordinates but still votes (N/A); 0901 Yea; New York's two seats.
        QCOMPARE(classesOf(c), (QStringList{"0101 na", "0901 yea", "3601 yea", "3602 nay"}));
        QCOMPARE((QList<int>{c.membersMatched, c.membersUnmatched, pass.withoutCoordinates}), (QList<int>{3, 0, 1}));

        // On 1995's districts New York has one seat: its first member fills it, the second finds no
        // district; Connecticut's second district has no member.
        ShapeLayer old;
        QVERIFY(old.open(DataFileName(t.session.dataRoot, kMapsDir, "cd104.shp")));
        const UsMapColouring oc = ColourUsMap(pass, old.values(kDistrictField), t.session.Preferences);
        QCOMPARE(oc.fills.at(2).className + oc.fills.at(3).className, QStringLiteral("defaultyea"));
        QCOMPARE(oc.membersUnmatched, 1);
        QCOMPARE(pass.GisVoteTable.at(oc.unmatchedRows.first()).name, QStringLiteral("KING"));
    }
};

QTEST_GUILESS_MAIN(TestUsMap)
#include "tst_usmap.moc"
