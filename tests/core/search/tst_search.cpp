// Searches over congress files, the match table's list lines and the failed-search messages.
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/Dates.h"
#include "core/data/FileError.h"
#include "core/search/MatchTable.h"
#include "core/search/OrdinalSuffix.h"
#include "core/search/RollCallSearch.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;
using rollscan::test::CongressData;
using rollscan::test::TreeBuilder;

namespace {
CongressData plainCongress(int rollCalls, const QString &prefix)
{
    CongressData data;
    for (int r = 1; r <= rollCalls; ++r)
        data.rollCalls.append(TreeBuilder::rollCall(prefix + QString::number(r), QDate(1981, 1, r), r, 10 + r));
    return data;
}

QString descriptions(const Session &s)
{
    QStringList out;
    for (const MatchRow &row : s.MatchTable.rows())
        out.append(row.description);
    return out.join(QLatin1Char(' '));
}

// A tree of House congresses and a session on it.
struct SearchTree {
    QTemporaryDir dir;
    TreeBuilder tree{dir.path()};
    Session s{dir.path()};
    explicit SearchTree(const QList<QPair<int, CongressData>> &house, bool extended = false)
    {
        for (const auto &[congress, data] : house) {
            tree.addCongress(true, congress, data, extended);
            s.selectedCongresses.append(congress);
        }
        tree.writeIndexes();
        s.newDataFormat = extended;
    }
};
} // namespace

class TestSearch : public QObject {
    Q_OBJECT

private slots:
    void ordinals()
    {
        const QString cases = QStringLiteral("1st 2nd 3rd 4th 11th 12th 13th 21st 22nd 23rd 111th 112th 113th 121st");
        for (const QString &c : cases.split(QLatin1Char(' ')))
            QCOMPARE(QString::number(c.chopped(2).toInt()) + OrdinalSuffix(c.chopped(2).toInt()), c);
        QCOMPARE(CongressListLine(105), QStringLiteral("105th\t1997-1998"));
    }
    void chronologicalSearchFollowsSelectionOrder()
    {
        CongressData a = plainCongress(2, QStringLiteral("A"));
        a.legislators = {TreeBuilder::legislator(QStringLiteral("SMITH"), 41, 1, 100, 0.1f, 0.2f, 1)};
        a.voteRows = {QStringLiteral("16")};
        SearchTree t(
            {{97, a}, {98, plainCongress(1, QStringLiteral("B"))}, {99, plainCongress(3, QStringLiteral("C"))}});
        // The 1st and 3rd rows of a three-row list, then a later pick of the first again: list order.
        t.s.selectedCongresses = {99, 97};
        const SearchOutcome out = RunSearch(t.s, {});
        QCOMPARE(out.matchCount, 5);
        QVERIFY(!out.truncated && out.message.isEmpty());
        QCOMPARE(descriptions(t.s), QStringLiteral("C1 C2 C3 A1 A2"));
        const MatchRow expected{2, QStringLiteral("A2"), TaggedDate::FromDate(QDate(1981, 1, 2)), 2, 12, 97};
        QCOMPARE(t.s.MatchTable.row(5), expected);
        QCOMPARE((QList<int>{t.s.currentCongress, t.s.legislatorCount, t.s.rollCallCount}), (QList<int>{97, 1, 2}));
    }
    void codeSearch()
    {
        // Codes: issue, second issue, Clausen, Peltzman, second Peltzman.
        const QList<QPair<QString, QList<int>>> records = {
            {"ONE", {20, 10, 1, 5, 7}}, {"TWO", {30, 0, 2, 7, 0}}, {"THREE", {10, 0, 3, 0, 5}}};
        const QList<std::tuple<SearchKind, QList<int>, bool, const char *>> cases = {
            {SearchKind::Issue, {10, 20}, false, "ONE THREE"}, // a standard record has no second issue code
            {SearchKind::Issue, {0}, false, ""},               // code 0 only matches a 0 code
            {SearchKind::Issue, {10}, true, "ONE THREE"},
            {SearchKind::Clausen, {2, 3}, false, "TWO THREE"},
            {SearchKind::Peltzman, {7}, false, "ONE TWO"},
            {SearchKind::Peltzman, {5}, true, "ONE THREE"},
        };
        for (const auto &[kind, codes, extended, found] : cases) {
            CongressData data;
            for (const auto &[name, c] : records) {
                RollCall rc = TreeBuilder::rollCall(name, QDate(1997, 3, 4), 300, 120);
                rc.issueCode = qint16(c[0]);
                rc.issueCode2 = qint16(extended ? c[1] : 0);
                rc.clausenCode = qint16(c[2]);
                rc.peltzmanCode1 = qint16(c[3]);
                rc.peltzmanCode2 = qint16(c[4]);
                data.rollCalls.append(rc);
            }
            SearchTree t({{105, data}}, extended);
            RunSearch(t.s, {kind, codes, {}}); // no match leaves the fresh session's table empty
            QCOMPARE(descriptions(t.s), QString::fromLatin1(found));
            QCOMPARE((QList<bool>{t.s.searchByIssue, t.s.searchByClausen, t.s.searchByPeltzman, t.s.searchByOther}),
                     (QList<bool>{kind == SearchKind::Issue, kind == SearchKind::Clausen, kind == SearchKind::Peltzman,
                                  false}));
        }
    }
    void searchStopsAtTableLimit()
    {
        SearchTree t({{97, plainCongress(15000, QStringLiteral("A"))}, {98, plainCongress(6000, QStringLiteral("B"))}});
        const SearchOutcome out = RunSearch(t.s, {});
        QVERIFY(out.truncated);
        QCOMPARE(out.message, QStringLiteral("That's more roll calls than Windows can handle! Try less Houses. "
                                             "Rollscan will proceed with what it has so far."));
        QCOMPARE(t.s.MatchTable.matchCount(), 20000);
        QCOMPARE(t.s.MatchTable.row(20000).description, QStringLiteral("B5000"));
    }
    // A search without a match or one that fails keeps the table and the queue; one with matches replaces
    // the table and empties the queue.
    void tableKeptOrReplaced()
    {
        SearchTree t({{97, plainCongress(3, QStringLiteral("A"))}, {98, plainCongress(3, QStringLiteral("B"))}});
        Session &s = t.s;
        s.selectedCongresses = {97};
        RunSearch(s, {});
        s.queue.addRows(s.MatchTable, {2}, s.smallScreen);
        QCOMPARE(RunSearch(s, {SearchKind::Issue, {99}, {}}).matchCount, 0);
        QCOMPARE(s.MatchTable.matchCount(), 3);
        QCOMPARE(s.queue.length(), 1);

        // A roll-call file shorter than the index says.
        t.tree.writeRaw(QStringLiteral("house/98.rif"), t.tree.readRaw(QStringLiteral("house/98.rif")).left(2 * 110));
        s.selectedCongresses = {97, 98};
        try {
            RunSearch(s, {SearchKind::Issue, {0}, {}});
            QFAIL("a short roll-call file must be reported");
        } catch (const FileError &e) {
            QCOMPARE(e.number(), 62);
            QVERIFY(e.path().endsWith(QLatin1String("house/98.rif")));
        }
        QCOMPARE(descriptions(s), QStringLiteral("A1 A2 A3"));
        QCOMPARE(s.queue.length(), 1);

        s.selectedCongresses = {97};
        s.queue.setCurrentQueuePos(1);
        RunSearch(s, {});
        QCOMPARE((QList<int>{s.queue.length(), s.queue.currentQueuePos()}), (QList<int>{0, 0}));
    }
    void failedSearchMessages()
    {
        const QChar cr(13);
        const QString failed = QStringLiteral("Failed search: No matches found for") + cr + cr;
        KeywordCriteria k;
        k.keyword1 = QStringLiteral("tax");
        k.keyword3 = QStringLiteral("cut");
        QCOMPARE(FailedKeywordSearchMessage(k, SearchSummary(true, 2)),
                 failed + "TAX" + cr + "CUT" + cr + cr + "House(s) searched: 2");
        QCOMPARE(
            FailedSearchMessage({QStringLiteral("Agriculture"), QStringLiteral("Defense")}, SearchSummary(false, 1)),
            failed + "Defense" + cr + "Agriculture" + cr + cr + "Senate(s) searched: 1");
        QCOMPARE(NoCongressSelectedMessage(true), QStringLiteral("You must enter or select a House number."));
        QCOMPARE(NoCongressSelectedMessage(false), QStringLiteral("You must enter or select a Senate number."));
    }
    void rowDescriptionComesFromItsCongress()
    {
        CongressData a = plainCongress(1, QStringLiteral("A"));
        a.descriptions = {Description()};
        a.descriptions[0].text = QStringLiteral("Text of the 97th");
        CongressData b = plainCongress(2, QStringLiteral("B"));
        b.descriptions = {Description(), Description()};
        b.descriptions[1].header[0] = QStringLiteral("H.R. 7");
        b.descriptions[1].text = QStringLiteral("Text of the 98th");
        SearchTree t({{97, a}, {98, b}});
        RunSearch(t.s, {});
        // The list holds two congresses and the last one read is current; each row reads its own.
        QCOMPARE(ReadRowDescription(t.s, 1).text, QStringLiteral("Text of the 97th"));
        QCOMPARE(ReadRowDescription(t.s, 3).text, QStringLiteral("Text of the 98th"));
        QVERIFY_THROWS_EXCEPTION(DataError, ReadRowDescription(t.s, 4));
    }
    // List lines, identification lines and the rows a typed roll-call number selects.
    void lines()
    {
        const QDate date(1993, 2, 4);
        const MatchRow row{45, QStringLiteral("To pass H.R. 1 & 2"), TaggedDate::FromDate(date), 234, 190, 103};
        MatchTable t;
        t.append(row);
        t.append(row);
        const QString line = QStringLiteral("234-190\tTo pass H.R. 1 & 2");
        QCOMPARE(MatchListLines(t, false), (QStringList{line, line}));
        QCOMPARE(RollCallIdLine(true, row), QStringLiteral("House #103 Roll Call #45  ") + FormatSystemShortDate(date));
        const MatchRow textDate{7, QStringLiteral("X"), TaggedDate::FromText(QStringLiteral("Mar 1802")), 1, 2, 7};
        QCOMPARE(RollCallIdLine(false, textDate), QStringLiteral("Senate #7 Roll Call #7  Mar 1802"));
        // The congress has 800 roll calls; 0 means nothing changes.
        for (const auto &[typed, listLength, expected] : {std::tuple{"800", 800, 800},
                                                          {"0", 800, 0},
                                                          {"801", 900, 0},
                                                          {"15", 14, 0},
                                                          {" 7 ", 800, 7},
                                                          {"7a", 800, 0}})
            QCOMPARE(QuickEntryRow(QString::fromLatin1(typed), 800, listLength).value_or(0), expected);
    }
};

QTEST_APPLESS_MAIN(TestSearch)
#include "tst_search.moc"
