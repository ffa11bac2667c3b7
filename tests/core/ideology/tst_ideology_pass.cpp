#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/Bytes.h"
#include "core/data/FileError.h"
#include "core/data/ScalingFile.h"
#include "core/ideology/CongressFit.h"
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
    explicit Fixture(const CongressData &d97 = house97(), const CongressData &d98 = {})
    {
        tree.writeStandardTables();
        tree.addCongress(true, 97, d97, true);
        if (!d98.legislators.isEmpty())
            tree.addCongress(true, 98, d98, true);
        tree.writeIndexes();
    }
    DrawingRequest request(int rollCall) const
    {
        DrawingRequest r;
        r.dataRoot = dir.path();
        r.isHouse = true;
        r.congress = 97;
        r.rollCall = rollCall;
        r.newDataFormat = true;
        r.preferences = TreeBuilder::standardPreferences();
        return r;
    }
};

QStringList plottedNames(const DrawingPass &pass, const QList<int> &indexes)
{
    QStringList out;
    for (int i : indexes)
        out << pass.PlottedList.at(i).name;
    return out;
}
} // namespace

class TestIdeologyPass : public QObject {
    Q_OBJECT
    // One tree for the tests that only read it.
    std::unique_ptr<Fixture> m_shared;
private slots:
    void initTestCase() { m_shared = std::make_unique<Fixture>(); }
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
    void crossTab_data()
    {
        QTest::addColumn<int>("partnerCongress");
        QTest::addColumn<QList<VoteClass>>("expected");
        QTest::addColumn<int>("errors");
        using V = VoteClass;
        // Votes on roll calls 1 and 2: ADAMS 1/6, BAKER 6/1, CLARK 1/2, DAVIS 1/7, EVANS 6/0, FOX 9/1, GRANT 1/4.
        // Only Yea-Yea and Nay-Nay voters can err in this view: CLARK (Yea-Yea on the nay side) and EVANS
        // (Nay, no partner vote, on the yea side).
        QTest::newRow("same congress") << 97 << QList<V>{V::YeaNay, V::NayYea,       V::Yea,   V::NotAvailable,
                                                         V::Nay,    V::NotAvailable, V::YeaNay}
                                       << 2;
        // The 98th House lists its members out of id order and has lost CLARK: each member must still get
        // his own partner vote (DAVIS: 1 here, 6 there).
        QTest::newRow("other congress") << 98 << QList<V>{V::YeaNay, V::NayYea,       V::NoMatch, V::YeaNay,
                                                          V::Nay,    V::NotAvailable, V::YeaNay}
                                        << 1;
    }
    void crossTab()
    {
        QFETCH(int, partnerCongress);
        QFETCH(QList<VoteClass>, expected);
        CongressData d98 = house97(); // GRANT, the largest id, first; CLARK gone
        d98.legislators.move(6, 0);
        d98.legislators.removeAt(3);
        d98.rollCalls = {TreeBuilder::rollCall("A", kDate, 1, 1), TreeBuilder::rollCall("B", kDate, 2, 3, 0.1f)};
        d98.voteRows = {"06", "06", "01", "06", "06", "01"};
        const Fixture f(house97(), d98);
        DrawingRequest r = f.request(1);
        r.partner = PartnerRollCall{partnerCongress, 2};
        const DrawingPass pass = RunDrawingPass(r);
        QVERIFY(pass.crossTab && pass.partnerLine.has_value());
        QCOMPARE(pass.LegislatorVoteTable.size(), 7);
        const Preferences prefs = TreeBuilder::standardPreferences();
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
        QTEST(pass.countedErrors, "errors");
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
        for (const auto &[congress, roll] : {std::pair{97, 1}, std::pair{97, 2}, std::pair{98, 2}}) {
            MatchRow row;
            row.congress = qint16(congress);
            row.rollCall = qint16(roll);
            session.MatchTable.append(row);
        }
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
    void weightOfTheTree_data()
    {
        QTest::addColumn<double>("weight"); // 0: no weight file
        QTest::addColumn<double>("factor");
        QTest::addColumn<double>("bakerY"); // BAKER's map point is (0.5, bakerY)
        QTest::addColumn<bool>("clarkError");
        QTest::addColumn<int>("errors");
        QTest::addColumn<float>("pre");
        QTest::newRow("no weight file: the House's 0.32") << 0.0 << 0.32 << 0.32 << true << 1 << 0.0f;
        QTest::newRow("weight 0.4156") << 0.4156 << 0.4156 << 0.4156 << false << 0 << 1.0f;
    }
    void weightOfTheTree()
    {
        QFETCH(double, weight);
        QFETCH(double, factor);
        QFETCH(double, bakerY);
        QFETCH(int, errors);
        QFETCH(float, pre);
        const Fixture t(weightCongress());
        if (weight > 0)
            ScalingFile{weight, QStringLiteral("dim1"), QStringLiteral("dim2")}.write(
                ScalingFile::PathIn(t.dir.path()));
        const DrawingPass pass = RunDrawingPass(t.request(1));
        QCOMPARE(pass.dimTwoFactor, factor);
        QCOMPARE(pass.line.DimTwoFactor, factor);
        QVERIFY(qAbs(pass.PlottedList.at(1).point.y - bakerY) < 1e-7);
        QTEST(pass.PlottedList.at(2).isError, "clarkError");
        QCOMPARE(pass.ErrorCount, errors);
        QCOMPARE(pass.MinorityCount, 1);
        QCOMPARE(pass.pre(), pre);

        // The vertical line of δ1 = 0.2 stays where it always was.
        const DrawingPass vertical = RunDrawingPass(t.request(2));
        QCOMPARE(vertical.line.end1, (MapPoint{0.0, -1.1}));
        QCOMPARE(vertical.line.end2, (MapPoint{0.0, 1.1}));
        // The fit of the congress counts CLARK's nay on roll call 1 as an error only under the built-in factor.
        const CongressFit fit = ComputeCongressFit(t.dir.path(), true, 97, true);
        QCOMPARE(fit.legislators.at(2).errors, errors);
        QCOMPARE(fit.totalErrors, qint64(errors));
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
};

QTEST_APPLESS_MAIN(TestIdeologyPass)
#include "tst_ideology_pass.moc"
