// The ideological map: the cutting line and its outcome points, classification errors and PRE, the
// drawing pass (tables, filters, inquiry, cross-tab views), requests from the queue, captions, the
// fit of a congress, what the displays say about a roll call's fit, the party legend; and the side
// windows: the cross-tab's counts and statistics, roll-call statistics by party and vote code, and
// the roll-call information (counts, errors, PRE, details and the legislators not shown).
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/Bytes.h"
#include "core/data/Dates.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/data/PartyTable.h"
#include "core/data/ScalingFile.h"
#include "core/data/TokenTable.h"
#include "core/ideology/CongressFit.h"
#include "core/ideology/CrossTab.h"
#include "core/ideology/CuttingLine.h"
#include "core/ideology/DisplayFilter.h"
#include "core/ideology/DrawingPass.h"
#include "core/ideology/FitText.h"
#include "core/ideology/IdeologyTexts.h"
#include "core/ideology/MapCaptions.h"
#include "core/ideology/MapLookup.h"
#include "core/ideology/NumberFormat.h"
#include "core/ideology/PartyLegend.h"
#include "core/ideology/QueueNavigation.h"
#include "core/ideology/ReportLine.h"
#include "core/ideology/RollCallInfo.h"
#include "core/ideology/UndefinedPartyError.h"
#include "core/ideology/VoteStatistics.h"
#include "core/search/ListColumns.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace rollscan;
using rollscan::test::CongressData;
using rollscan::test::TreeBuilder;

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

// Roll call 1: δ1 = 0.1, δ2 = 0.3 at the origin, so the second dimension decides CLARK's side:
// a nay at (-0.2, 0.5) stands nearer the Yea point when k < 0.365 and nearer the Nay point above.
// Roll call 2: the vertical line x = 0 (δ1 = 0.2), which no factor moves.
CongressData weightCongress()
{
    CongressData d;
    d.legislators = {TreeBuilder::legislator(QStringLiteral("ADAMS"), 13, 1, 100, -0.5f, 0.1f, 1001),
                     TreeBuilder::legislator(QStringLiteral("BAKER"), 14, 2, 200, 0.5f, 0.5f, 1002),
                     TreeBuilder::legislator(QStringLiteral("CLARK"), 41, 3, 100, -0.2f, 0.5f, 1003)};
    d.rollCalls = {TreeBuilder::rollCall(QStringLiteral("TO AMEND"), kDate, 1, 2, 0.1f, 0.0f, 0.3f, 0.0f),
                   TreeBuilder::rollCall(QStringLiteral("TO PASS"), kDate, 2, 1, 0.2f)};
    d.voteRows = {QStringLiteral("11"), QStringLiteral("66"), QStringLiteral("61")};
    return d;
}

// Roll call 1: line x = 0 (yea side x < 0); roll call 2: line x = 0.3 (δ1 = 0.1, m1 = 0.3); roll
// call 3 has no line although its vote is split 3 to 3, so counting it would change every figure.
CongressData fitCongress()
{
    CongressData d;
    d.legislators = {
        TreeBuilder::legislator(QStringLiteral("ADAMS"), 13, 1, 100, -0.5f, 0.1f, 1001),
        TreeBuilder::legislator(QStringLiteral("BAKER"), 14, 2, 200, 0.5f, 0.5f, 1002),
        TreeBuilder::legislator(QStringLiteral("CLARK"), 41, 3, 100, 0.2f, -0.2f, 1003), // yea right of x = 0
        TreeBuilder::legislator(QStringLiteral("DAVIS"), 13, 4, 200, 0.0f, 0.0f, 1004),  // not scaled
        TreeBuilder::legislator(QStringLiteral("EVANS"), 14, 5, 200, -0.4f, 0.2f, 1005),
        TreeBuilder::legislator(QStringLiteral("FOX"), 21, 6, 100, 0.6f, 0.0f, 1006),
    };
    d.rollCalls = {TreeBuilder::rollCall(QStringLiteral("ONE"), kDate, 4, 2, 0.2f),
                   TreeBuilder::rollCall(QStringLiteral("TWO"), kDate, 1, 3, 0.1f, 0.3f),
                   TreeBuilder::rollCall(QStringLiteral("THREE"), kDate, 3, 3)};
    //             roll calls:   1 2 3
    d.voteRows = {QStringLiteral("161"), QStringLiteral("666"), QStringLiteral("111"),
                  QStringLiteral("191"), QStringLiteral("196"), QStringLiteral("666")};
    return d;
}

// A tree with the standard tables and House 97 (and House 98 when given); a request for one roll call of it.
struct Fixture {
    QTemporaryDir dir;
    TreeBuilder tree{dir.path()};
    int congress;
    explicit Fixture(const CongressData &first = house97(), const CongressData &next = {}, int number = 97)
        : congress(number)
    {
        tree.writeStandardTables();
        tree.addCongress(true, congress, first, true);
        if (!next.legislators.isEmpty())
            tree.addCongress(true, congress + 1, next, true);
        tree.writeIndexes();
    }
    // A House roll call of the first congress, in extended records, drawn in the standard colours.
    DrawingRequest request(int rollCall) const
    {
        return {.dataRoot = dir.path(),
                .congress = congress,
                .rollCall = rollCall,
                .partner = {},
                .preferences = TreeBuilder::standardPreferences()};
    }
};

QStringList plottedNames(const DrawingPass &pass, const QList<int> &indexes)
{
    QStringList out;
    for (int i : indexes)
        out << pass.PlottedList.at(i).name;
    return out;
}
constexpr double kTolerance = 1e-5;

bool near(double a, double b)
{
    return qAbs(a - b) < kTolerance;
}
PlottedEntry plotted(const QString &token, int party, int legislator)
{
    PlottedEntry e;
    e.legislatorIndex = legislator;
    e.token = token;
    e.partyCode = qint16(party);
    return e;
}
LegislatorVoteEntry entry(int party, VoteClass c, bool written = true)
{
    return {.written = written, .partyCode = qint16(party), .voteClass = c};
}
// The same seven members in every congress of the tree.
CongressData members()
{
    CongressData d;
    d.legislators = {
        TreeBuilder::legislator(QStringLiteral("NORTH D"), 52, 1, 100, 0.1f, 0.1f, 1),  // yea
        TreeBuilder::legislator(QStringLiteral("SOUTH D1"), 51, 1, 100, 0.2f, 0.1f, 2), // nay
        TreeBuilder::legislator(QStringLiteral("SOUTH D2"), 41, 1, 100, 0.3f, 0.1f, 3), // paired yea
        TreeBuilder::legislator(QStringLiteral("NORTH W"), 13, 1, 29, 0.4f, 0.1f, 4),   // yea
        TreeBuilder::legislator(QStringLiteral("SOUTH W"), 44, 1, 29, 0.5f, 0.1f, 5),   // nay
        TreeBuilder::legislator(QStringLiteral("REPUB"), 14, 1, 200, 0.6f, 0.1f, 6),    // present
        TreeBuilder::legislator(QStringLiteral("STRAY"), 14, 2, 555, 0.7f, 0.1f, 7),    // not voting; no party record
    };
    d.voteRows = {"1", "6", "2", "1", "6", "8", "9"};
    return d;
}

class StatisticsTree {
public:
    QTemporaryDir dir;
    TreeBuilder builder{dir.path()};
    StatisticsTree()
    {
        builder.writeStandardTables();
        for (int congress : {24, 25, 26}) {
            CongressData d = members();
            d.rollCalls = {
                TreeBuilder::rollCall(QStringLiteral("TO PASS"), QDate(CongressSecondYear(congress), 5, 1), 2, 2)};
            builder.addCongress(true, congress, d, true);
        }
        builder.writeIndexes();
    }
    VoteStatistics count(int congress) const { return CountVoteStatistics(dir.path(), true, congress, 1, true); }
};

QStringList rowNames(const VoteStatistics &s)
{
    QStringList out;
    for (const PartyRow &r : PartyRows(s))
        out << r.name;
    return out;
}
// House 101, roll call 2: one legislator on the map (a yea on the nay side) and nine without
// coordinates; the record's tallies are 60, 40 and 3.
CongressData house101(const QString &detailText = QStringLiteral("(TO PASS THE BILL.)"))
{
    CongressData d;
    d.legislators << TreeBuilder::legislator(QStringLiteral("SHOWN"), 13, 1, 100, 0.5f, 0.0f, 500);
    d.voteRows << QStringLiteral("11");
    for (int i = 1; i <= 9; ++i) {
        d.legislators << TreeBuilder::legislator(QStringLiteral("HIDDEN%1").arg(i), 13, i + 1, 200, 0.0f, 0.0f, i);
        d.voteRows << QStringLiteral("96");
    }
    RollCall first = TreeBuilder::rollCall(QStringLiteral("TO ADJOURN"), QDate(1989, 3, 14), 50, 50);
    RollCall second = TreeBuilder::rollCall(QStringLiteral("TO PASS H.R. 1234"), QDate(1989, 3, 15), 60, 40, 0.2f);
    second.infoNotVoting = 3;
    d.rollCalls = {first, second};
    Description plain;
    plain.text = QStringLiteral("ADJOURN");
    Description detailed;
    detailed.header = {QStringLiteral("HR1234"), QStringLiteral("PASSED"), QStringLiteral("Y"), QStringLiteral("12/3"),
                       QStringLiteral("SMITH (D-NY)")};
    detailed.text = detailText;
    d.descriptions = {plain, detailed};
    return d;
}

} // namespace

class TestIdeologyPass : public QObject {
    Q_OBJECT
    // One tree for the tests that only read it.
    std::unique_ptr<Fixture> m_shared;
    std::unique_ptr<StatisticsTree> m_statistics;
private slots:
    void initTestCase()
    {
        m_shared = std::make_unique<Fixture>();
        m_statistics = std::make_unique<StatisticsTree>();
    }
    void singleViewTables()
    {
        const DrawingPass pass = RunDrawingPass(m_shared->request(1));
        QVERIFY(!pass.crossTab);
        QCOMPARE(plottedNames(pass, {0, 1, 2, 3, 4, 5}),
                 (QStringList{"ADAMS", "BAKER", "CLARK", "EVANS", "FOX", "GRANT"}));
        QCOMPARE(pass.PlottedList.at(0).label, QStringLiteral("ADAMS, NY"));
        // Tokens: ADAMS a Democrat of New York, CLARK one of Alabama; anything but "u" means lower case.
        for (const auto &[tokenCase, tokens] : {std::pair{'u', "DS"}, {'x', "ds"}, {'U', "ds"}}) {
            DrawingRequest r = m_shared->request(1);
            r.preferences.setTokenCase(QLatin1Char(tokenCase));
            const DrawingPass cased = RunDrawingPass(r);
            QCOMPARE(cased.PlottedList.at(0).token + cased.PlottedList.at(2).token, QString::fromLatin1(tokens));
        }
        QCOMPARE(pass.PlottedList.at(3).legislatorIndex, 5);
        // Colours from the standard preferences: yea 9, nay 12, not voting 8.
        QCOMPARE(pass.PlottedList.at(0).colour, 9);
        QCOMPARE(pass.PlottedList.at(1).colour, 12);
        QCOMPARE(pass.PlottedList.at(4).voteClass, VoteClass::NotAvailable);
        QCOMPARE(pass.PlottedList.at(4).colour, 8);
        // DAVIS at (0, 0) voted yea but is not shown.
        QCOMPARE(pass.notShownCount(), 1);
        QCOMPARE(pass.NotShownList.at(0).id1, 1004);
        // CLARK (yea, nay side) and EVANS (nay, yea side) err; GRANT is exactly on the line.
        QCOMPARE((QList<int>{pass.countedErrors, pass.ErrorCount, pass.MinorityCount}), (QList<int>{2, 2, 2}));
        QVERIFY(pass.PlottedList.at(2).isError && pass.PlottedList.at(3).isError && !pass.PlottedList.at(5).isError);
        QCOMPARE((QList<int>{pass.yeaCount(), pass.nayCount(), pass.notAvailableCount()}), (QList<int>{4, 2, 1}));
        QCOMPARE(pass.pre(), 0.0f);
        QVERIFY(pass.LegislatorVoteTable.isEmpty() && !pass.partnerLine);
        // A unanimous roll call has no line and nobody errs.
        const DrawingPass unanimous = RunDrawingPass(m_shared->request(3));
        QVERIFY(unanimous.line.noLine);
        QCOMPARE((QList<int>{unanimous.ErrorCount, unanimous.MinorityCount}), (QList<int>{0, 0}));
        // The find circle stands on a plotted voter only: FOX did not vote.
        QCOMPARE(FindCircleCentre(pass, 1)->x, 0.5);
        QVERIFY(!FindCircleCentre(pass, 4));
        QVERIFY(!FindCircleCentre(pass, 6));
    }
    // A legislator of an undefined party stops the pass when on the map (EVANS), not when listed (DAVIS).
    void undefinedParty()
    {
        CongressData d = house97();
        d.legislators[3].partyCode = 602;
        QCOMPARE(RunDrawingPass(Fixture(d).request(1)).notShownCount(), 1);
        d.legislators[4].partyCode = 602;
        const Fixture f(d);
        try {
            RunDrawingPass(f.request(1));
            QFAIL("the pass went on");
        } catch (const UndefinedPartyError &e) {
            QCOMPARE(e.message(), QStringLiteral("An error has occurred while drawing the Ideological map. Legislator "
                                                 "EVANS        (5) is set as being in party 602 which is currently "
                                                 "not defined in Rollscan."));
            QCOMPARE(e.recordNumber(), 5);
        }
    }
    void refusals()
    {
        QVERIFY_THROWS_EXCEPTION(DataError, RunDrawingPass(m_shared->request(4)));
        QVERIFY_THROWS_EXCEPTION(DataError, RunDrawingPass(m_shared->request(0)));
        DrawingRequest r = m_shared->request(1);
        r.congress = 98; // not in the index
        QVERIFY_THROWS_EXCEPTION(FileError, RunDrawingPass(r));
    }
    // Votes on roll calls 1 and 2: ADAMS 1/6, BAKER 6/1, CLARK 1/2, DAVIS 1/7, EVANS 6/0, FOX 9/1, GRANT 1/4.
    // Only Yea-Yea and Nay-Nay voters can err in this view: CLARK (Yea-Yea on the nay side) and EVANS (Nay,
    // no partner vote, on the yea side). The 98th House lists its members out of id order and has lost
    // CLARK: each member must still get his own partner vote (DAVIS: 1 here, 6 there).
    void crossTab()
    {
        CongressData d98 = house97(); // GRANT, the largest id, first; CLARK gone
        d98.legislators.move(6, 0);
        d98.legislators.removeAt(3);
        d98.rollCalls = {TreeBuilder::rollCall("A", kDate, 1, 1), TreeBuilder::rollCall("B", kDate, 2, 3, 0.1f)};
        d98.voteRows = {"06", "06", "01", "06", "06", "01"};
        const Fixture f(house97(), d98);
        const Preferences prefs = TreeBuilder::standardPreferences();
        using V = VoteClass;
        const QList<std::tuple<int, QList<V>, int>> cases = {
            {97, {V::YeaNay, V::NayYea, V::Yea, V::NotAvailable, V::Nay, V::NotAvailable, V::YeaNay}, 2},
            {98, {V::YeaNay, V::NayYea, V::NoMatch, V::YeaNay, V::Nay, V::NotAvailable, V::YeaNay}, 1}};
        for (const auto &[partnerCongress, expected, errors] : cases) {
            DrawingRequest r = f.request(1);
            r.partner = PartnerRollCall{partnerCongress, 2};
            const DrawingPass pass = RunDrawingPass(r);
            QVERIFY(pass.crossTab && pass.partnerLine.has_value());
            QCOMPARE(pass.LegislatorVoteTable.size(), 7);
            for (int i = 0; i < 7; ++i) {
                const LegislatorVoteEntry &e = pass.LegislatorVoteTable.at(i);
                QCOMPARE(e.written, expected[i] != VoteClass::NoMatch);
                if (e.written)
                    QCOMPARE((QList<int>{int(e.voteClass), e.colour, e.partyCode}),
                             (QList<int>{int(expected[i]), ClassColour(expected[i], prefs),
                                         house97().legislators[i].partyCode}));
            }
            QCOMPARE(pass.PlottedList.at(2).colour, ClassColour(expected[2], prefs)); // CLARK
            QCOMPARE(pass.NotShownList.at(0).voteClass, expected[3]);                 // DAVIS
            QCOMPARE(pass.countedErrors, errors);
        }
    }
    void displayFilter()
    {
        const DrawingPass pass = RunDrawingPass(m_shared->request(1));
        // Voters, those not available, errors only (which overrides the other two).
        const QList<std::tuple<DisplayFilter, const char *>> cases = {
            {{true, false, false}, "ADAMS BAKER CLARK EVANS GRANT"},
            {{false, true, false}, "FOX"},
            {{false, false, false}, ""},
            {{false, false, true}, "CLARK EVANS"}};
        for (const auto &[filter, drawn] : cases) {
            QCOMPARE(plottedNames(pass, DrawnEntries(pass, filter)).join(QLatin1Char(' ')), QString::fromLatin1(drawn));
            QCOMPARE(filter.otherItemsEnabled(), !filter.errorsOnly);
        }
    }
    void inquiry()
    {
        const DrawingPass pass = RunDrawingPass(m_shared->request(1));
        // FOX (not voting) stands at (0.1, 0); GRANT at (0, 0.192); nobody within 1.0 of (-1, -1) or (0.5, 1.32).
        const QList<std::tuple<double, double, bool, const char *>> cases = {{0.1, 0.0, false, "GRANT, INDIANA"},
                                                                             {0.1, 0.0, true, "FOX, ILLINOIS"},
                                                                             {-1.0, -1.0, true, ""},
                                                                             {0.5, 1.32, true, ""}};
        for (const auto &[x, y, notAvailable, toolTip] : cases) {
            const std::optional<InquiryHit> hit = InquireAt(pass, x, y, notAvailable);
            QCOMPARE(hit ? hit->toolTip : QString(), QString::fromLatin1(toolTip));
            if (hit)
                QCOMPARE(hit->at, (MapPoint{x, y}));
        }
    }
    void requestFromQueue()
    {
        Session session(QStringLiteral("/data"));
        session.isHouse = false;
        session.Preferences = TreeBuilder::standardPreferences();
        for (const auto &[congress, roll] : {std::pair{97, 1}, std::pair{97, 2}, std::pair{98, 2}})
            session.MatchTable.append(TreeBuilder::matchRow(roll, "", QDate(), congress));
        // Queue: 97/1, 97/2, 98/2, 97/1, 97/2. In a cross-tab the first pairs with the second, the others
        // with the one before.
        for (const auto &[row, rollCall] : {std::pair{1, 1}, {2, 2}, {3, 2}, {1, 1}, {2, 2}})
            session.queue.add({row, rollCall, QString()});
        const QList<std::tuple<int, bool, QList<int>>> cases = {
            {1, true, {97, 1, 97, 2}}, {5, true, {97, 2, 97, 1}}, {3, true, {98, 2, 97, 2}}, {3, false, {98, 2}}};
        for (const auto &[position, crossTab, expected] : cases) {
            session.crossTabRequested = crossTab;
            const DrawingRequest r = DrawingRequestAt(session, position);
            QCOMPARE(r.dataRoot, session.dataRoot);
            QVERIFY(!r.isHouse);
            QCOMPARE(r.preferences, session.Preferences);
            QList<int> got{r.congress, r.rollCall};
            if (r.partner)
                got << r.partner->congress << r.partner->rollCall;
            QCOMPARE(got, expected);
        }
        QVERIFY_THROWS_EXCEPTION(DataError, DrawingRequestAt(session, 6));
        QVERIFY(!PartnerQueuePosition(1, 1)); // a queue of one has no partner
    }
    void jump()
    {
        const QList<std::tuple<const char *, JumpOutcome::Kind, int>> cases = {{"12", JumpOutcome::Move, 12},
                                                                               {"13", JumpOutcome::OutOfRange, 0},
                                                                               {"0", JumpOutcome::OutOfRange, 0},
                                                                               {"  ", JumpOutcome::Nothing, 0}};
        for (const auto &[entry, kind, position] : cases) {
            const JumpOutcome j = ParseJump(QString::fromLatin1(entry), 12);
            QCOMPARE(int(j.kind), int(kind));
            QCOMPARE(j.position, position);
        }
        QVERIFY(NavigationAt(12, 12).previousEnabled && !NavigationAt(12, 12).nextEnabled);
        QVERIFY(!NavigationAt(1, 12).previousEnabled && NavigationAt(1, 12).nextEnabled);
        for (const auto &[length, mask] : {std::pair{9, "#"}, {9999, "####"}, {10000, "######"}})
            QCOMPARE(JumpMask(length), QString::fromLatin1(mask));
        QCOMPARE(MapTitle2(true, 97, 12, TaggedDate::FromDate(kDate), 1, 3),
                 QStringLiteral("House #97 Roll Call #12  1/5/1981  (1/3)"));
        QCOMPARE(MapTitle2(false, 105, 7, TaggedDate::FromText(QStringLiteral("Spring 1997")), 12, 12),
                 QStringLiteral("Senate #105 Roll Call #7  Spring 1997  (12/12)"));
    }
    void codeCaptions()
    {
        const CodeLookup issues = [](int c) { return c == 10 ? QStringLiteral("Taxes") : QString(); };
        const CodeLookup clausen = [](int c) { return c == 1 ? QStringLiteral("Government Management") : QString(); };
        // Codes: issue 1, issue 2, Clausen, Peltzman 1, Peltzman 2; whether the tree has an issue file.
        const QList<std::tuple<QList<int>, bool, const char *, QStringList>> cases = {
            {{10, 0, 1, 5, 0}, false, "Taxes\nGovernment Management\n5", {}},
            {{10, 12, 1, 0, 0},
             true,
             "Taxes, 12\nGovernment Management\nN/A",
             {"Taxes", "12", "Clausen: Government Management"}},
            {{0, 0, 0, 0, 0}, true, "N/A, N/A\nN/A\nN/A", {}}};
        for (const auto &[codes, issueFile, label, combo] : cases) {
            const SubjectCodeTexts texts{SubjectCodeText(codes[0], issues),  SubjectCodeText(codes[1], issues),
                                         SubjectCodeText(codes[2], clausen), SubjectCodeText(codes[3], {}),
                                         SubjectCodeText(codes[4], {}),      issueFile};
            const CodeCaptions c = BuildCodeCaptions(texts);
            QCOMPARE(c.lblCodes, QString::fromLatin1(label));
            QCOMPARE(c.replaceCombo, issueFile);
            QCOMPARE(c.cmbCodes, combo);
        }
    }
    void senateIssueFile()
    {
        QTemporaryDir dir;
        TreeBuilder tree(dir.path());
        QVERIFY(!ReadSenateIssueCodes(dir.path(), 105, 1)); // no file
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
    // BAKER's map point is (0.5, factor); CLARK's nay is the one vote on the minority side, an error
    // under the House's built-in factor (no weight file) only.
    void weightOfTheTree()
    {
        for (const auto &[weight, factor, errors] : {std::tuple{0.0, 0.32, 1}, {0.4156, 0.4156, 0}}) {
            const Fixture t(weightCongress());
            if (weight > 0)
                ScalingFile{weight, QStringLiteral("dim1"), QStringLiteral("dim2")}.write(
                    ScalingFile::PathIn(t.dir.path()));
            const DrawingPass pass = RunDrawingPass(t.request(1));
            QCOMPARE(pass.dimTwoFactor, factor);
            QCOMPARE(pass.line.DimTwoFactor, factor);
            QVERIFY(qAbs(pass.PlottedList.at(1).point.y - factor) < 1e-7);
            QCOMPARE(pass.PlottedList.at(2).isError, errors == 1);
            QCOMPARE((QList<int>{pass.ErrorCount, pass.MinorityCount}), (QList<int>{errors, 1}));
            QCOMPARE(pass.pre(), float(1 - errors)); // (minority - errors) / minority

            // The vertical line of δ1 = 0.2 stays where it always was.
            const DrawingPass vertical = RunDrawingPass(t.request(2));
            QCOMPARE(vertical.line.end1, (MapPoint{0.0, -1.1}));
            QCOMPARE(vertical.line.end2, (MapPoint{0.0, 1.1}));
            const CongressFit fit = ComputeCongressFit(t.dir.path(), true, 97, true);
            QCOMPARE(fit.legislators.at(2).errors, errors);
            QCOMPARE(fit.totalErrors, qint64(errors));
        }
    }

    void fitCountedByHand()
    {
        const Fixture t(fitCongress());
        const CongressFit fit = ComputeCongressFit(t.dir.path(), true, 97, true);
        QCOMPARE(fit.rollCalls, 3);
        QCOMPARE(fit.rollCallsWithLine, 2);
        QStringList rows;
        for (const FitLegislator &l : fit.legislators)
            rows << QStringLiteral("%1 %2 %3 %4 %5 %6/%7")
                        .arg(l.id1)
                        .arg(l.name, l.partyName, l.state)
                        .arg(l.scaled)
                        .arg(l.votes)
                        .arg(l.errors);
        // Roll call 1: CLARK votes yea right of the line; roll call 2: ADAMS votes nay left of it.
        QCOMPARE(rows,
                 (QStringList{
                     QStringLiteral("1001 ADAMS Democrat NY 1 2/1"), QStringLiteral("1002 BAKER Republican PA 1 2/0"),
                     QStringLiteral("1003 CLARK Democrat AL 1 2/1"), QStringLiteral("1004 DAVIS Republican NY 0 0/0"),
                     QStringLiteral("1005 EVANS Republican PA 1 1/0"), QStringLiteral("1006 FOX Democrat IL 1 2/0")}));
        QCOMPARE(fit.classifiedVotes, qint64(9));
        QCOMPARE(fit.totalErrors, qint64(2));
        QCOMPARE(fit.totalMinority, qint64(3)); // 2 on roll call 1, 1 on roll call 2
        QCOMPARE(QString::number(fit.percentCorrect(), 'f', 2), QStringLiteral("77.78"));
        QCOMPARE(QString::number(fit.apre(), 'f', 3), QStringLiteral("0.333"));
        QCOMPARE(fit.legislators.at(0).errorRate(), 0.5);
    }
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
        QVERIFY(MapPointOf(false, 0.5f, 0.5f).x == 0.5 && near(MapPointOf(false, 0.5f, 0.5f).y, 0.33));
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
        const Legislator north = TreeBuilder::legislator("N", 1, 1, 100, 0.1f, 0.1f, 1);
        const Legislator south = TreeBuilder::legislator("S", 44, 1, 100, 0.1f, 0.1f, 2);
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
    // The saved report, and the printed lines: the same texts, headings emphasised.
    void statisticsReport()
    {
        const VoteStatistics s = m_statistics->count(26);
        const ReportRollCall rc{true, 26, SheetRollCall{1, TaggedDate::FromDate(QDate(1840, 5, 1)), "TO PASS"}};
        const QString path = m_statistics->dir.filePath(QStringLiteral("stats.txt"));
        WriteReportFile(path, StatisticsReportLines(rc, s));
        const QByteArray expected = "Rollscan for Windows Roll Call Statistics\r\n"
                                    "-----------------------------------------\r\n"
                                    "May 1, 1840: Roll Call #1\r\n"
                                    "TO PASS\r\n"
                                    "House #26, 1839-1840\r\n"
                                    "\r\n"
                                    "\r\n"
                                    "Party Statistics\r\n"
                                    "----------------\r\n"
                                    "\r\n"
                                    "3   Democrat                  1    1 \r\n"
                                    "1   Northern Democrat         1    0 \r\n"
                                    "2   Southern Democrat         0    1 \r\n"
                                    "1   Republican                0    0 \r\n"
                                    "2   Whig                      1    1 \r\n"
                                    "1   Northern Whig             1    0 \r\n"
                                    "1   Southern Whig             0    1 \r\n"
                                    "\r\n"
                                    "\r\n"
                                    "Voting Statistics\r\n"
                                    "-----------------\r\n"
                                    "\r\n"
                                    "Not Mem:       0 \r\n"
                                    "Yes:           2 \r\n"
                                    "Pair Yes:      1 \r\n"
                                    "Ann. Yes:      0 \r\n"
                                    "Ann. No:       0 \r\n"
                                    "Pair No:       0 \r\n"
                                    "No:            2 \r\n"
                                    "[blank]:       0 \r\n"
                                    "Present:       1 \r\n"
                                    "Not Voting:    1 \r\n";
        QCOMPARE(ReadWholeFile(path), expected);
        const QList<StatisticsPrintedLine> printed = StatisticsPrintedLines(rc, s);
        QStringList texts;
        QList<int> emphasised;
        for (int i = 0; i < printed.size(); ++i) {
            texts << printed[i].text;
            if (printed[i].role == StatisticsLineRole::Heading)
                emphasised << i;
        }
        QCOMPARE(texts, StatisticsReportLines(rc, s));
        QCOMPARE((QList<StatisticsLineRole>{printed[0].role, printed[1].role, printed[4].role}),
                 (QList<StatisticsLineRole>{StatisticsLineRole::Title, StatisticsLineRole::Body,
                                            StatisticsLineRole::Identification}));
        QCOMPARE(emphasised, (QList<int>{7, 19}));
        // Counting votes held in memory gives the counts of the files.
        QList<int> codes;
        for (const QString &row : members().voteRows)
            codes << row.toInt();
        const VoteStatistics a = CountVoteStatistics(members().legislators, codes, TreeBuilder::standardParties(), 26);
        QVERIFY(a.codeCounts == s.codeCounts && a.partyCounts == s.partyCounts && a.southernWhigs == s.southernWhigs);
        QVERIFY_THROWS_EXCEPTION(DataError, CountVoteStatistics(m_statistics->dir.path(), true, 26, 2, true));
    }
    // Northern and Southern rows are counted from congress 25 on and shown from 26 on; a party without
    // members has no row, whatever the party file lists.
    void regionalSplit()
    {
        const QStringList plain{"Democrat", "Republican", "Whig"};
        const QStringList split{"Democrat", "Northern Democrat", "Southern Democrat", "Republican",
                                "Whig",     "Northern Whig",     "Southern Whig"};
        for (const auto &[congress, counted, rows] :
             {std::tuple{24, false, plain}, {25, true, plain}, {26, true, split}}) {
            const VoteStatistics s = m_statistics->count(congress);
            QCOMPARE(rowNames(s), rows);
            QCOMPARE(s.southernDemocrats.total, counted ? 2 : 0);
            QCOMPARE(s.northernWhigs.total, counted ? 1 : 0);
        }
    }
    void statisticsPanels()
    {
        const StatisticsPanels p = BuildStatisticsPanels(m_statistics->count(26));
        QCOMPARE(p.pnlNum, QStringLiteral(" 3\n1\n2\n  1\n  2\n1\n1"));
        QCOMPARE(p.pnlParty, QStringLiteral(" Democrat\n     Northern Democrat\n     Southern Democrat\n  Republican\n"
                                            "  Whig\n     Northern Whig\n     Southern Whig"));
        QCOMPARE(p.pnlYea, QStringLiteral(" 1\n1\n0\n  0\n  1\n1\n0"));
        QCOMPARE(p.pnlNay, QStringLiteral(" 1\n0\n1\n  0\n  1\n0\n1"));
        QCOMPARE(p.pnlBreakdown, QStringLiteral("0\n  2\n  1\n  0\n  0\n  0\n  2\n  0\n  1\n  1"));
        QCOMPARE(p.partyLines, 7);
    }
    void infoReport()
    {
        const Fixture tree(house101(), {}, 101);
        const RollCallInfo info = LoadRollCallInfo(RunDrawingPass(tree.request(2)), tree.dir.path());
        const QString path = tree.dir.filePath(QStringLiteral("info.txt"));
        WriteReportFile(path, InfoReportLines(info));

        const QByteArray expected = "Rollscan for Windows Roll Call Information\r\n"
                                    "------------------------------------------\r\n"
                                    "March 15, 1989: Roll Call #2\r\n"
                                    "TO PASS H.R. 1234\r\n"
                                    "House #101, 1989-1990\r\n"
                                    "\r\n"
                                    "\r\n"
                                    "Roll Call Information\r\n"
                                    "---------------------\r\n"
                                    "\r\n"
                                    "Yea:      60 \r\n"
                                    "Nay:      40 \r\n"
                                    "N/A:      3 \r\n"
                                    "Errors:   1 \r\n"
                                    "PRE:     .975\r\n"
                                    "\r\n"
                                    "\r\n"
                                    "Details\r\n"
                                    "-------\r\n"
                                    "\r\n"
                                    "HR1234       \r\n"
                                    "PASSED     \r\n"
                                    "Y      \r\n"
                                    "12/3    \r\n"
                                    "SMITH (D-NY)       \r\n"
                                    "TO PASS THE BILL.\r\n"
                                    "\r\n"
                                    "\r\n"
                                    "Legislators Not Shown\r\n"
                                    "---------------------\r\n"
                                    "\r\n"
                                    "HIDDEN1     \r\nHIDDEN2     \r\nHIDDEN3     \r\nHIDDEN4     \r\nHIDDEN5     \r\n"
                                    "HIDDEN6     \r\nHIDDEN7     \r\nHIDDEN8     \r\nHIDDEN9     \r\n";
        QCOMPARE(ReadWholeFile(path), expected);
        QCOMPARE(info.infoText(), QStringLiteral("3\n1\n.975"));
    }
    // A cross-tab has no PRE; a roll call without a line (both spreads 0) has neither errors nor PRE;
    // details that cannot be read are not left blank in silence: the error names the missing file.
    void notApplicableAndMissingDetails()
    {
        const Fixture tree(house101(), {}, 101);
        DrawingRequest r = tree.request(2);
        r.partner = PartnerRollCall{101, 1};
        const RollCallInfo cross = LoadRollCallInfo(RunDrawingPass(r), tree.dir.path());
        QCOMPARE(cross.infoText(), QStringLiteral("3\n1\nn/a"));
        QVERIFY(InfoPrintedLines(cross).contains(QStringLiteral("PRE:     n/a")));
        const RollCallInfo noLine = LoadRollCallInfo(RunDrawingPass(tree.request(1)), tree.dir.path());
        QCOMPARE(noLine.infoText(), QStringLiteral("0\nn/a\nn/a"));
        QCOMPARE(InfoReportLines(noLine).mid(10, 5),
                 (QStringList{"Yea:      50 ", "Nay:      50 ", "N/A:      0 ", "Errors:  n/a", "PRE:     n/a"}));
        QVERIFY(QFile::remove(tree.tree.path(QStringLiteral("house/101.dbn"))));
        try {
            LoadRollCallInfo(RunDrawingPass(tree.request(2)), tree.dir.path());
            QFAIL("a missing description file was not reported");
        } catch (const FileError &e) {
            QCOMPARE(e.number(), FileErrorNumber::NotFound);
            QCOMPARE(e.path(), tree.tree.path(QStringLiteral("house/101.dbn")));
        }
    }
    // Legislators not shown fill a column of seven, then the second; an empty column keeps its line.
    void notShownColumns()
    {
        for (const auto &[notShown, first, second] : {std::tuple{0, 0, 0}, {7, 7, 0}, {8, 7, 1}, {40, 7, 33}}) {
            DrawingPass pass;
            for (int i = 1; i <= notShown; ++i)
                pass.NotShownList.append({i, VoteClass::Yea, 9, QStringLiteral("M%1").arg(i).leftJustified(12)});
            const RollCallInfo info = BuildRollCallInfo(pass, Description{}, ReportRollCall{});
            QCOMPARE(info.column1.size(), first);
            QCOMPARE(info.column2.size(), second);
            QCOMPARE(InfoReportLines(info).size(), 31 + std::max(first, 1) + std::max(second, 1));
        }
    }
    // Enclosing parentheses are dropped, a long text scrolls, and printing cuts it into lines of 80.
    void detailsText()
    {
        for (const auto &[stored, shown] : {std::pair{"(TO PASS)", "TO PASS"},
                                            {"(TO PASS", "(TO PASS"},
                                            {"A (B) C", "A (B) C"},
                                            {"()", ""},
                                            {"(", "("}})
            QCOMPARE(DetailsText(QString::fromLatin1(stored)), QString::fromLatin1(shown));
        for (const int length : {0, 469, 470}) {
            Description d;
            d.text = QString(length, QLatin1Char('x'));
            const RollCallInfo info = BuildRollCallInfo(DrawingPass{}, d, ReportRollCall{});
            QCOMPARE(info.scrolling, length == 470);
            QCOMPARE(info.details.size(), length);
        }
        QCOMPARE(SplitForPrint(QString()), QStringList{QString()});
    }
    void printedReportCutsTheDetails()
    {
        const QString details =
            QString(80, QLatin1Char('a')) + QString(79, QLatin1Char('b')) + " " + QString(40, QLatin1Char('c'));
        const Fixture tree(house101(details), {}, 101);
        const RollCallInfo info = LoadRollCallInfo(RunDrawingPass(tree.request(2)), tree.dir.path());
        const QStringList saved = InfoReportLines(info);
        const QStringList printed = InfoPrintedLines(info);
        const qsizetype at = saved.indexOf(details);
        QVERIFY(at > 0);
        QCOMPARE(printed.mid(0, at), saved.mid(0, at));
        QCOMPARE(printed.mid(at, 3), (QStringList{QString(80, QLatin1Char('a')) + "-",
                                                  QString(79, QLatin1Char('b')) + " ", QString(40, QLatin1Char('c'))}));
        QCOMPARE(printed.mid(at + 3), saved.mid(at + 1));
    }
    void reportLines()
    {
        // Numbers stand at column 10 with a blank for the sign, or after the text when it is longer.
        const QList<std::tuple<const char *, int, const char *>> lines = {
            {"Yea:", 60, "Yea:      60 "},
            {"N/A:", -3, "N/A:     -3 "},
            {"Ann. Yes:", 1, "Ann. Yes: 1 "},
            {"Not Voting here:", 12, "Not Voting here:  12 "}};
        for (const auto &[start, number, line] : lines)
            QCOMPARE(QString(ReportLine(QString::fromLatin1(start)).tab(10).number(number)), QString::fromLatin1(line));
        ReportRollCall senate{false, 106, SheetRollCall{7, TaggedDate::FromDate(QDate(1999, 4, 1)), "X"}};
        QCOMPARE(senate.headingLines().value(2), QStringLiteral("Senate #106, 1999-2000"));
    }
};

QTEST_APPLESS_MAIN(TestIdeologyPass)
#include "tst_ideology_pass.moc"
