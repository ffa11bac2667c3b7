#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/Bytes.h"
#include "core/data/FileError.h"
#include "core/ideology/DisplayFilter.h"
#include "core/ideology/DrawingPass.h"
#include "core/ideology/IdeologyTexts.h"
#include "core/ideology/MapCaptions.h"
#include "core/ideology/MapLookup.h"
#include "core/ideology/QueueNavigation.h"
#include "core/ideology/UndefinedPartyError.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace rollscan;
using rollscan::test::CongressData;
using rollscan::test::TreeBuilder;

Q_DECLARE_METATYPE(rollscan::VoteClass)

namespace {
const QDate kDate(1981, 1, 5);

// House 97: roll call 1 has the line x = 0 (Yea point (-0.2, 0), Nay point (0.2, 0)); roll call 2
// is its partner in the cross-tab view; roll call 3 is unanimous (no line).
CongressData house97()
{
    CongressData d;
    d.legislators = {
        TreeBuilder::legislator(QStringLiteral("ADAMS"), 13, 1, 100, -0.5f, 0.1f, 1001),
        TreeBuilder::legislator(QStringLiteral("BAKER"), 14, 2, 200, 0.5f, 0.5f, 1002),
        TreeBuilder::legislator(QStringLiteral("CLARK"), 41, 3, 100, 0.3f, -0.2f, 1003), // yea on the nay side
        TreeBuilder::legislator(QStringLiteral("DAVIS"), 13, 4, 200, 0.0f, 0.0f, 1004),  // no coordinates
        TreeBuilder::legislator(QStringLiteral("EVANS"), 14, 5, 200, -0.4f, 0.2f, 1005), // nay on the yea side
        TreeBuilder::legislator(QStringLiteral("FOX"), 21, 6, 100, 0.1f, 0.0f, 1006),    // not voting
        TreeBuilder::legislator(QStringLiteral("GRANT"), 22, 7, 200, 0.0f, 0.3f, 1007),  // equidistant yea
    };
    RollCall r1 = TreeBuilder::rollCall(QStringLiteral("TO PASS H.R. 1"), kDate, 4, 2, 0.2f, 0.0f, 0.0f, 0.0f);
    r1.infoNotVoting = 1;
    RollCall r2 = TreeBuilder::rollCall(QStringLiteral("TO AMEND H.R. 1"), kDate, 3, 3, 0.1f, 0.2f, 0.3f, 0.0f);
    RollCall r3 = TreeBuilder::rollCall(QStringLiteral("TO ADJOURN"), kDate, 7, 0);
    d.rollCalls = {r1, r2, r3};
    //             roll calls: 1 2 3
    d.voteRows = {QStringLiteral("161"), QStringLiteral("611"), QStringLiteral("121"), QStringLiteral("171"),
                  QStringLiteral("601"), QStringLiteral("911"), QStringLiteral("141")};
    return d;
}

struct Fixture {
    QTemporaryDir dir;
    TreeBuilder tree{dir.path()};
    Fixture(bool extended = true)
    {
        tree.writeStandardTables();
        tree.addCongress(true, 97, house97(), extended);
        tree.writeIndexes();
    }
    DrawingRequest request(int rollCall, bool extended = true) const
    {
        DrawingRequest r;
        r.dataRoot = dir.path();
        r.isHouse = true;
        r.congress = 97;
        r.rollCall = rollCall;
        r.newDataFormat = extended;
        r.preferences = TreeBuilder::standardPreferences();
        return r;
    }
};

QStringList plottedNames(const DrawingPass &pass)
{
    QStringList out;
    for (const PlottedEntry &e : pass.PlottedList)
        out << e.name;
    return out;
}
} // namespace

class TestIdeologyPass : public QObject {
    Q_OBJECT
    // One tree for the tests that only read it.
    std::unique_ptr<Fixture> m_shared;
private slots:
    void initTestCase() { m_shared = std::make_unique<Fixture>(); }
    void singleViewTables();
    void tokensFollowTheCasePreference_data();
    void tokensFollowTheCasePreference();
    void errorsAreCorrectedAgainstTheRecordCounts();
    void unanimousRollCallHasNoLineAndNoErrors();
    void undefinedParty_data();
    void undefinedParty();
    void rollCallOutsideTheCongressIsRefused();
    void progressEveryThirtyLegislators();
    void crossTabSameCongress_data();
    void crossTabSameCongress();
    void crossTabOtherCongress();
    void displayFilter_data();
    void displayFilter();
    void colourKey();
    void inquiry_data();
    void inquiry();
    void findCircle();
    void partnerPosition_data();
    void partnerPosition();
    void requestFromQueue_data();
    void requestFromQueue();
    void jump_data();
    void jump();
    void jumpMask_data();
    void jumpMask();
    void titles();
    void codeCaptions_data();
    void codeCaptions();
    void senateIssueFile();
};

void TestIdeologyPass::singleViewTables()
{
    const Fixture &f = *m_shared;
    const DrawingPass pass = RunDrawingPass(f.request(1));

    QVERIFY(!pass.crossTab);
    QCOMPARE(plottedNames(pass), (QStringList{"ADAMS", "BAKER", "CLARK", "EVANS", "FOX", "GRANT"}));
    QCOMPARE(pass.plottedCount(), 6);
    QCOMPARE(pass.PlottedList.at(0).label, QStringLiteral("ADAMS, NY"));
    QCOMPARE(pass.PlottedList.at(1).label, QStringLiteral("BAKER, PA"));
    QCOMPARE(pass.PlottedList.at(3).legislatorIndex, 5);
    QCOMPARE(pass.PlottedList.at(1).stateName, QStringLiteral("PENNSYLVANIA"));

    // Colours from the standard preferences: yea 9, nay 12, not voting 8.
    QCOMPARE(pass.PlottedList.at(0).colour, 9);
    QCOMPARE(pass.PlottedList.at(1).colour, 12);
    QCOMPARE(pass.PlottedList.at(4).voteClass, VoteClass::NotAvailable);
    QCOMPARE(pass.PlottedList.at(4).colour, 8);

    // (0.5, 0.5) in the House stands at (0.5, 0.32).
    QCOMPARE(pass.PlottedList.at(1).point.x, 0.5);
    QVERIFY(qAbs(pass.PlottedList.at(1).point.y - 0.32) < 1e-6);

    // DAVIS at (0, 0) voted yea but is not shown.
    QCOMPARE(pass.notShownCount(), 1);
    QCOMPARE(pass.NotShownList.at(0).id1, 1004);
    QCOMPARE(pass.NotShownList.at(0).name, QStringLiteral("DAVIS       "));
    QCOMPARE(pass.NotShownList.at(0).voteClass, VoteClass::Yea);
    QCOMPARE(pass.NotShownList.at(0).colour, 9);

    // CLARK (yea, nay side) and EVANS (nay, yea side) err; GRANT is exactly on the line.
    QCOMPARE(pass.countedErrors, 2);
    QCOMPARE(pass.ErrorCount, 2);
    QCOMPARE(pass.MinorityCount, 2);
    QVERIFY(pass.PlottedList.at(2).isError);
    QVERIFY(pass.PlottedList.at(3).isError);
    QVERIFY(!pass.PlottedList.at(5).isError);
    QCOMPARE(pass.yeaCount(), 4);
    QCOMPARE(pass.nayCount(), 2);
    QCOMPARE(pass.notAvailableCount(), 1);
    QCOMPARE(pass.pre(), 0.0f);
    QVERIFY(pass.LegislatorVoteTable.isEmpty());
    QVERIFY(!pass.partnerLine);
}

void TestIdeologyPass::tokensFollowTheCasePreference_data()
{
    QTest::addColumn<QChar>("tokenCase");
    QTest::addColumn<QString>("democrat");
    QTest::addColumn<QString>("southernDemocrat");
    // Standard tokens: index 5 is "D", index 3 is "S", index 2 is "R".
    QTest::newRow("as stored") << QChar('u') << "D"
                               << "S";
    QTest::newRow("lower case") << QChar('l') << "d"
                                << "s";
    QTest::newRow("anything else is lower case") << QChar('x') << "d"
                                                 << "s";
}

void TestIdeologyPass::tokensFollowTheCasePreference()
{
    QFETCH(QChar, tokenCase);
    QFETCH(QString, democrat);
    QFETCH(QString, southernDemocrat);
    const Fixture &f = *m_shared;
    DrawingRequest r = f.request(1);
    r.preferences.setTokenCase(tokenCase);
    const DrawingPass pass = RunDrawingPass(r);
    QCOMPARE(pass.PlottedList.at(0).token, democrat);         // ADAMS, New York
    QCOMPARE(pass.PlottedList.at(2).token, southernDemocrat); // CLARK, Alabama (state 41)
}

void TestIdeologyPass::errorsAreCorrectedAgainstTheRecordCounts()
{
    // Everybody sits on the wrong side: 3 counted errors of 2 yeas + 1 nay become 0.
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    tree.writeStandardTables();
    CongressData d;
    d.legislators = {TreeBuilder::legislator("A", 13, 1, 100, 0.5f, 0.0f, 1),
                     TreeBuilder::legislator("B", 13, 2, 100, 0.6f, 0.0f, 2),
                     TreeBuilder::legislator("C", 13, 3, 200, -0.5f, 0.0f, 3)};
    d.rollCalls = {TreeBuilder::rollCall("X", kDate, 2, 1, 0.2f, 0.0f, 0.0f, 0.0f)};
    d.voteRows = {"1", "1", "6"};
    tree.addCongress(true, 97, d, true);
    tree.writeIndexes();
    DrawingRequest r;
    r.dataRoot = dir.path();
    r.congress = 97;
    r.rollCall = 1;
    const DrawingPass pass = RunDrawingPass(r);
    QCOMPARE(pass.countedErrors, 3);
    QCOMPARE(pass.ErrorCount, 0);
    QCOMPARE(pass.MinorityCount, 1);
    QCOMPARE(pass.pre(), 1.0f);
}

void TestIdeologyPass::unanimousRollCallHasNoLineAndNoErrors()
{
    const Fixture &f = *m_shared;
    const DrawingPass pass = RunDrawingPass(f.request(3));
    QVERIFY(pass.line.noLine);
    QCOMPARE(pass.line.end1, MapPoint{});
    QCOMPARE(pass.line.end2, MapPoint{});
    QCOMPARE(pass.ErrorCount, 0);
    QCOMPARE(pass.MinorityCount, 0);
    QCOMPARE(pass.pre(), 0.0f);
}

void TestIdeologyPass::undefinedParty_data()
{
    QTest::addColumn<int>("legislator"); // 0-based
    QTest::addColumn<bool>("stops");
    QTest::newRow("on the map: the pass stops") << 4 << true;
    QTest::newRow("without coordinates: listed") << 3 << false;
}

void TestIdeologyPass::undefinedParty()
{
    QFETCH(int, legislator);
    QFETCH(bool, stops);
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    tree.writeStandardTables();
    CongressData d = house97();
    d.legislators[legislator].partyCode = 602;
    tree.addCongress(true, 97, d, true);
    tree.writeIndexes();
    DrawingRequest r;
    r.dataRoot = dir.path();
    r.congress = 97;
    r.rollCall = 1;
    try {
        QCOMPARE(RunDrawingPass(r).notShownCount(), 1);
        QVERIFY(!stops);
    } catch (const UndefinedPartyError &e) {
        QVERIFY(stops);
        QCOMPARE(e.message(), QStringLiteral("An error has occurred while drawing the Ideological map. Legislator "
                                             "EVANS        (5) is set as being in party 602 which is currently "
                                             "not defined in Rollscan."));
        QCOMPARE(e.recordNumber(), 5);
    }
}

void TestIdeologyPass::rollCallOutsideTheCongressIsRefused()
{
    const Fixture &f = *m_shared;
    QVERIFY_THROWS_EXCEPTION(DataError, RunDrawingPass(f.request(4)));
    QVERIFY_THROWS_EXCEPTION(DataError, RunDrawingPass(f.request(0)));
    DrawingRequest r = f.request(1);
    r.congress = 98; // not in the index
    QVERIFY_THROWS_EXCEPTION(FileError, RunDrawingPass(r));
}

void TestIdeologyPass::progressEveryThirtyLegislators()
{
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    tree.writeStandardTables();
    CongressData d;
    for (int i = 1; i <= 65; ++i) {
        d.legislators << TreeBuilder::legislator(QStringLiteral("M%1").arg(i), 13, i, 100, 0.01f * i, 0.1f, i);
        d.voteRows << QStringLiteral("1");
    }
    d.rollCalls = {TreeBuilder::rollCall("X", kDate, 65, 0, 0.2f)};
    tree.addCongress(true, 97, d, true);
    tree.writeIndexes();
    DrawingRequest r;
    r.dataRoot = dir.path();
    r.congress = 97;
    r.rollCall = 1;
    QList<QPair<int, int>> calls;
    RunDrawingPass(r, [&](int percent, int counter) { calls.append({percent, counter}); });
    QCOMPARE(calls, (QList<QPair<int, int>>{{46, 30}, {92, 60}, {100, 65}}));
}

void TestIdeologyPass::crossTabSameCongress_data()
{
    QTest::addColumn<int>("legislator");
    QTest::addColumn<VoteClass>("cls");
    QTest::addColumn<bool>("written");
    // Votes on roll calls 1 and 2: ADAMS 1/6, BAKER 6/1, CLARK 1/2, DAVIS 1/7, EVANS 6/0, FOX 9/1, GRANT 1/4.
    QTest::newRow("yea then nay") << 1 << VoteClass::YeaNay << true;
    QTest::newRow("nay then yea") << 2 << VoteClass::NayYea << true;
    QTest::newRow("yea then paired yea") << 3 << VoteClass::Yea << true;
    QTest::newRow("yea then blank") << 4 << VoteClass::NotAvailable << true;
    QTest::newRow("nay then not a member") << 5 << VoteClass::Nay << true;
    QTest::newRow("not voting then yea") << 6 << VoteClass::NotAvailable << true;
    QTest::newRow("yea then announced nay") << 7 << VoteClass::YeaNay << true;
}

void TestIdeologyPass::crossTabSameCongress()
{
    QFETCH(int, legislator);
    QFETCH(VoteClass, cls);
    QFETCH(bool, written);
    const Fixture &f = *m_shared;
    DrawingRequest r = f.request(1);
    r.partner = PartnerRollCall{97, 2};
    const DrawingPass pass = RunDrawingPass(r);
    QVERIFY(pass.crossTab);
    QVERIFY(pass.partnerLine.has_value());
    QCOMPARE(pass.LegislatorVoteTable.size(), 7);
    const LegislatorVoteEntry &e = pass.LegislatorVoteTable.at(legislator - 1);
    QCOMPARE(e.written, written);
    QCOMPARE(e.voteClass, cls);
    QCOMPARE(e.colour, ClassColour(cls, TreeBuilder::standardPreferences()));
    QCOMPARE(e.partyCode, house97().legislators.at(legislator - 1).partyCode);
    // Only Yea-Yea and Nay-Nay voters can err in this view: CLARK (Yea-Yea on the nay side) and
    // EVANS (Nay, no partner vote, on the yea side).
    QCOMPARE(pass.countedErrors, 2);
}

void TestIdeologyPass::crossTabOtherCongress()
{
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    tree.writeStandardTables();
    tree.addCongress(true, 97, house97(), true);
    // The 98th House lists its members out of id order (GRANT, the largest id, first) and has
    // lost 1003 (CLARK): each member must still get his own partner vote.
    CongressData d98;
    d98.legislators = {TreeBuilder::legislator("GRANT", 22, 7, 200, 0.0f, 0.3f, 1007),
                       TreeBuilder::legislator("ADAMS", 13, 1, 100, -0.5f, 0.1f, 1001),
                       TreeBuilder::legislator("BAKER", 14, 2, 200, 0.5f, 0.5f, 1002),
                       TreeBuilder::legislator("DAVIS", 13, 4, 200, 0.0f, 0.0f, 1004),
                       TreeBuilder::legislator("EVANS", 14, 5, 200, -0.4f, 0.2f, 1005),
                       TreeBuilder::legislator("FOX", 21, 6, 100, 0.1f, 0.0f, 1006)};
    d98.rollCalls = {TreeBuilder::rollCall("A", kDate, 1, 1), TreeBuilder::rollCall("B", kDate, 2, 3, 0.1f)};
    d98.voteRows = {"06", "06", "01", "06", "06", "01"};
    tree.addCongress(true, 98, d98, true);
    tree.writeIndexes();

    DrawingRequest r;
    r.dataRoot = dir.path();
    r.congress = 97;
    r.rollCall = 1;
    r.preferences = TreeBuilder::standardPreferences();
    r.partner = PartnerRollCall{98, 2};
    const DrawingPass pass = RunDrawingPass(r);
    const QList<VoteClass> expected = {VoteClass::YeaNay, VoteClass::NayYea, VoteClass::NoMatch,
                                       VoteClass::YeaNay, VoteClass::Nay,    VoteClass::NotAvailable,
                                       VoteClass::YeaNay};
    QCOMPARE(pass.PlottedList.at(2).voteClass, VoteClass::NoMatch);
    QCOMPARE(pass.PlottedList.at(2).colour, TreeBuilder::standardPreferences().noMatchColour());
    for (int i = 0; i < expected.size(); ++i) {
        const LegislatorVoteEntry &e = pass.LegislatorVoteTable.at(i);
        QCOMPARE(e.written, expected.at(i) != VoteClass::NoMatch);
        if (e.written)
            QCOMPARE(e.voteClass, expected.at(i));
    }
    QCOMPARE(pass.NotShownList.at(0).voteClass, VoteClass::YeaNay); // DAVIS: 1 here, 6 there
}

void TestIdeologyPass::displayFilter_data()
{
    QTest::addColumn<bool>("voters");
    QTest::addColumn<bool>("notAvailable");
    QTest::addColumn<bool>("errorsOnly");
    QTest::addColumn<QStringList>("drawn");
    QTest::newRow("voters") << true << false << false << QStringList{"ADAMS", "BAKER", "CLARK", "EVANS", "GRANT"};
    QTest::newRow("voters and not available")
        << true << true << false << QStringList{"ADAMS", "BAKER", "CLARK", "EVANS", "FOX", "GRANT"};
    QTest::newRow("not available only") << false << true << false << QStringList{"FOX"};
    QTest::newRow("nothing") << false << false << false << QStringList{};
    QTest::newRow("errors only") << true << true << true << QStringList{"CLARK", "EVANS"};
    QTest::newRow("errors only ignores the other checks") << false << false << true << QStringList{"CLARK", "EVANS"};
}

void TestIdeologyPass::displayFilter()
{
    QFETCH(bool, voters);
    QFETCH(bool, notAvailable);
    QFETCH(bool, errorsOnly);
    QFETCH(QStringList, drawn);
    const Fixture &f = *m_shared;
    const DrawingPass pass = RunDrawingPass(f.request(1));
    const DisplayFilter filter{voters, notAvailable, errorsOnly};
    QStringList names;
    for (int i : DrawnEntries(pass, filter))
        names << pass.PlottedList.at(i).name;
    QCOMPARE(names, drawn);
    QCOMPARE(filter.otherItemsEnabled(), !errorsOnly);
}

void TestIdeologyPass::colourKey()
{
    const Preferences prefs = TreeBuilder::standardPreferences();
    const QList<KeySwatch> single = ColourKey(false, prefs);
    QCOMPARE(single.size(), 4);
    QCOMPARE(single[0].colour, 9);
    QCOMPARE(single[0].toolTip, QStringLiteral("Yea Vote"));
    QCOMPARE(single[1].colour, 12);
    QCOMPARE(single[1].label, QStringLiteral("Nay"));
    QVERIFY(!single[2].used && single[2].label.isEmpty() && !single[3].used);

    const QList<KeySwatch> cross = ColourKey(true, prefs);
    QStringList labels, tips;
    QList<int> colours;
    for (const KeySwatch &s : cross) {
        labels << s.label;
        tips << s.toolTip;
        colours << s.colour;
    }
    QCOMPARE(labels, (QStringList{"Y-Y", "Y-N", "N-Y", "N-N"}));
    QCOMPARE(tips, (QStringList{"Yea Vote", "Yea/Nay Crosstab", "Nay/Yea Crosstab", "Nay Vote"}));
    QCOMPARE(colours, (QList<int>{9, 2, 5, 12}));
}

void TestIdeologyPass::inquiry_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<bool>("notAvailable");
    QTest::addColumn<QString>("toolTip");
    // FOX (not voting) stands at (0.1, 0); GRANT at (0, 0.192).
    QTest::newRow("nearest is not available, unchecked") << 0.1 << 0.0 << false << "GRANT, INDIANA";
    QTest::newRow("nearest is not available, checked") << 0.1 << 0.0 << true << "FOX, ILLINOIS";
    QTest::newRow("on a voter") << -0.5 << 0.064 << false << "ADAMS, NEW YORK";
    QTest::newRow("far from everybody") << -1.0 << -1.0 << true << QString();
    QTest::newRow("just beyond 1.0") << 0.5 << 1.32 << true << QString();
}

void TestIdeologyPass::inquiry()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(bool, notAvailable);
    QFETCH(QString, toolTip);
    const Fixture &f = *m_shared;
    const DrawingPass pass = RunDrawingPass(f.request(1));
    const std::optional<InquiryHit> hit = InquireAt(pass, x, y, notAvailable);
    if (toolTip.isEmpty()) {
        QVERIFY(!hit);
        QCOMPARE(IdeologyText::kLegislatorNotFound, QStringLiteral("Legislator not found."));
        return;
    }
    QVERIFY(hit);
    QCOMPARE(hit->toolTip, toolTip);
    QCOMPARE(hit->at, (MapPoint{x, y}));
    if (!notAvailable)
        QVERIFY(pass.PlottedList.at(hit->plottedIndex).voteClass != VoteClass::NotAvailable);
}

void TestIdeologyPass::findCircle()
{
    const Fixture &f = *m_shared;
    const DrawingPass pass = RunDrawingPass(f.request(1));
    const std::optional<MapPoint> centre = FindCircleCentre(pass, 1);
    QVERIFY(centre);
    QCOMPARE(centre->x, 0.5);
    QVERIFY(qAbs(centre->y - 0.32) < 1e-6);
    QVERIFY(!FindCircleCentre(pass, 4)); // FOX did not vote: nothing is drawn
    QVERIFY(!FindCircleCentre(pass, -1));
    QVERIFY(!FindCircleCentre(pass, 6));
    QCOMPARE(kFindCircleRadius, 0.04);
}

void TestIdeologyPass::partnerPosition_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("partner"); // 0: none
    QTest::newRow("first pairs with the second") << 1 << 2 << 2;
    QTest::newRow("second pairs with the first") << 2 << 2 << 1;
    QTest::newRow("fifth pairs with the fourth") << 5 << 6 << 4;
    QTest::newRow("a queue of one has no partner") << 1 << 1 << 0;
}

void TestIdeologyPass::partnerPosition()
{
    QFETCH(int, position);
    QFETCH(int, length);
    QFETCH(int, partner);
    QCOMPARE(PartnerQueuePosition(position, length).value_or(0), partner);
}

void TestIdeologyPass::requestFromQueue_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("crossTab");
    QTest::addColumn<QList<int>>("expected"); // congress, roll call, partner congress, partner roll call
    // Queue: 97/1, 97/2, 98/2, 97/1, 97/2.
    QTest::newRow("first pairs with the second") << 1 << true << QList<int>{97, 1, 97, 2};
    QTest::newRow("fifth pairs with the fourth") << 5 << true << QList<int>{97, 2, 97, 1};
    QTest::newRow("second pairs with the first") << 2 << true << QList<int>{97, 2, 97, 1};
    QTest::newRow("third pairs with the second") << 3 << true << QList<int>{98, 2, 97, 2};
    QTest::newRow("single view has no partner") << 3 << false << QList<int>{98, 2};
    QTest::newRow("beyond the queue") << 6 << false << QList<int>{};
}

void TestIdeologyPass::requestFromQueue()
{
    QFETCH(int, position);
    QFETCH(bool, crossTab);
    QFETCH(QList<int>, expected);
    Session session(QStringLiteral("/data"));
    session.isHouse = false;
    session.Preferences = TreeBuilder::standardPreferences();
    for (const auto &[congress, roll] : {std::pair{97, 1}, std::pair{97, 2}, std::pair{98, 2}}) {
        MatchRow row;
        row.congress = qint16(congress);
        row.rollCall = qint16(roll);
        session.MatchTable.append(row);
    }
    for (const auto &[row, rollCall] : {std::pair{1, 1}, {2, 2}, {3, 2}, {1, 1}, {2, 2}})
        session.queue.add({row, rollCall, QString()});
    session.crossTabRequested = crossTab;
    if (expected.isEmpty()) {
        QVERIFY_THROWS_EXCEPTION(DataError, DrawingRequestAt(session, position));
        return;
    }
    const DrawingRequest r = DrawingRequestAt(session, position);
    QCOMPARE(r.dataRoot, session.dataRoot);
    QVERIFY(!r.isHouse);
    QCOMPARE(r.preferences, session.Preferences);
    QCOMPARE((QList<int>{r.congress, r.rollCall}), expected.mid(0, 2));
    QCOMPARE(r.partner.has_value(), expected.size() == 4);
    if (r.partner)
        QCOMPARE((QList<int>{r.partner->congress, r.partner->rollCall}), expected.mid(2));
}

void TestIdeologyPass::jump_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("position");
    QTest::newRow("last") << "12" << int(JumpOutcome::Move) << 12;
    QTest::newRow("first") << "1" << int(JumpOutcome::Move) << 1;
    QTest::newRow("one past the end") << "13" << int(JumpOutcome::OutOfRange) << 0;
    QTest::newRow("zero") << "0" << int(JumpOutcome::OutOfRange) << 0;
    QTest::newRow("empty") << "" << int(JumpOutcome::Nothing) << 0;
    QTest::newRow("blanks of the mask") << "  " << int(JumpOutcome::Nothing) << 0;
}

void TestIdeologyPass::jump()
{
    QFETCH(QString, entry);
    QFETCH(int, kind);
    QFETCH(int, position);
    const JumpOutcome j = ParseJump(entry, 12);
    QCOMPARE(int(j.kind), kind);
    QCOMPARE(j.position, position);
    const NavigationState last = NavigationAt(12, 12);
    QVERIFY(last.previousEnabled && !last.nextEnabled);
    const NavigationState first = NavigationAt(1, 12);
    QVERIFY(!first.previousEnabled && first.nextEnabled);
}

void TestIdeologyPass::jumpMask_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("mask");
    QTest::newRow("0") << 0 << "######";
    QTest::newRow("9") << 9 << "#";
    QTest::newRow("12") << 12 << "##";
    QTest::newRow("100") << 100 << "###";
    QTest::newRow("9999") << 9999 << "####";
    QTest::newRow("10000") << 10000 << "######";
}

void TestIdeologyPass::jumpMask()
{
    QFETCH(int, length);
    QFETCH(QString, mask);
    QCOMPARE(JumpMask(length), mask);
}

void TestIdeologyPass::titles()
{
    QCOMPARE(MapTitle2(true, 97, 12, TaggedDate::FromDate(kDate), 1, 3),
             QStringLiteral("House #97 Roll Call #12  1/5/1981  (1/3)"));
    QCOMPARE(MapTitle2(false, 105, 7, TaggedDate::FromText(QStringLiteral("Spring 1997")), 12, 12),
             QStringLiteral("Senate #105 Roll Call #7  Spring 1997  (12/12)"));
    QCOMPARE(MapWindowCaption(QStringLiteral("TO PASS")), QStringLiteral("Id Map - TO PASS"));
}

void TestIdeologyPass::codeCaptions_data()
{
    QTest::addColumn<QList<int>>("codes"); // issue 1, issue 2, Clausen, Peltzman 1, Peltzman 2
    QTest::addColumn<bool>("issueFile");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("combo");
    QTest::newRow("record codes") << QList<int>{10, 0, 1, 5, 0} << false << "Taxes\nGovernment Management\n5"
                                  << QStringList{};
    QTest::newRow("second Peltzman code") << QList<int>{0, 0, 0, 5, 7} << false << "N/A\nN/A\n5, 7" << QStringList{};
    QTest::newRow("issue file") << QList<int>{10, 12, 1, 0, 0} << true << "Taxes, 12\nGovernment Management\nN/A"
                                << QStringList{"Taxes", "12", "Clausen: Government Management"};
    QTest::newRow("issue file, nothing coded")
        << QList<int>{0, 0, 0, 0, 0} << true << "N/A, N/A\nN/A\nN/A" << QStringList{};
}

void TestIdeologyPass::codeCaptions()
{
    QFETCH(QList<int>, codes);
    QFETCH(bool, issueFile);
    QFETCH(QString, label);
    QFETCH(QStringList, combo);
    const CodeLookup issues = [](int c) { return c == 10 ? QStringLiteral("Taxes") : QString(); };
    const CodeLookup clausen = [](int c) { return c == 1 ? QStringLiteral("Government Management") : QString(); };
    const CodeLookup none;
    const SubjectCodeTexts texts{SubjectCodeText(codes[0], issues),  SubjectCodeText(codes[1], issues),
                                 SubjectCodeText(codes[2], clausen), SubjectCodeText(codes[3], none),
                                 SubjectCodeText(codes[4], none),    issueFile};
    const CodeCaptions c = BuildCodeCaptions(texts);
    QCOMPARE(c.lblCodes, label);
    QCOMPARE(c.replaceCombo, issueFile);
    QCOMPARE(c.cmbCodes, combo);
}

void TestIdeologyPass::senateIssueFile()
{
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    QVERIFY(!ReadSenateIssueCodes(dir.path(), 105, 1));
    ByteWriter records(8);
    records.setI16(0, 10);
    records.setI16(2, 12);
    records.setI16(4, 300);
    records.setI16(6, -1);
    tree.writeRaw(QStringLiteral("senate/105s.iss"), records.data());
    QCOMPARE(ReadSenateIssueCodes(dir.path(), 105, 1), (std::pair<int, int>{10, 12}));
    QCOMPARE(ReadSenateIssueCodes(dir.path(), 105, 2), (std::pair<int, int>{300, -1}));
    QCOMPARE(ReadSenateIssueCodes(dir.path(), 105, 3), (std::pair<int, int>{0, 0}));
}

QTEST_APPLESS_MAIN(TestIdeologyPass)
#include "tst_ideology_pass.moc"
