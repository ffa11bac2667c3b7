// Searches over congress files, the match table's list lines and the selection queue.
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

Q_DECLARE_METATYPE(rollscan::SearchKind)

namespace {
struct Codes {
    int issue = 0, issue2 = 0, clausen = 0, peltzman1 = 0, peltzman2 = 0;
};

RollCall coded(const QString &description, const Codes &c)
{
    RollCall rc = TreeBuilder::rollCall(description, QDate(1997, 3, 4), 300, 120);
    rc.issueCode = qint16(c.issue);
    rc.issueCode2 = qint16(c.issue2);
    rc.clausenCode = qint16(c.clausen);
    rc.peltzmanCode1 = qint16(c.peltzman1);
    rc.peltzmanCode2 = qint16(c.peltzman2);
    return rc;
}

CongressData plainCongress(int rollCalls, const QString &prefix)
{
    CongressData data;
    for (int r = 1; r <= rollCalls; ++r)
        data.rollCalls.append(TreeBuilder::rollCall(prefix + QString::number(r), QDate(1981, 1, r), r, 10 + r));
    return data;
}

QStringList descriptions(const Session &s)
{
    QStringList out;
    for (const MatchRow &row : s.MatchTable.rows())
        out.append(row.description);
    return out;
}

} // namespace

class TestSearch : public QObject {
    Q_OBJECT

private slots:
    void ordinalSuffix_data();
    void ordinalSuffix();
    void congressListLine();
    void chronologicalSearchFollowsSelectionOrder();
    void codeSearch_data();
    void codeSearch();
    void keywordSearchReadsDescriptionFiles();
    void searchProgress();
    void searchStopsAtTableLimit();
    void searchWithoutMatchKeepsPreviousTable();
    void searchFailureNamesFileAndKeepsTable();
    void searchReplacesTableAndEmptiesQueue();
    void failedSearchMessages();
    void rowDescriptionComesFromItsCongress();
    void listLines_data();
    void listLines();
    void rollCallIdLine();
    void quickEntry_data();
    void quickEntry();
};

void TestSearch::ordinalSuffix_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("suffix");
    const QString cases = QStringLiteral("1st 2nd 3rd 4th 10th 11th 12th 13th 21st 22nd 23rd 101st 102nd 103rd 111th "
                                         "112th 113th 114th 121st");
    for (const QString &c : cases.split(QLatin1Char(' ')))
        QTest::newRow(qPrintable(c)) << c.chopped(2).toInt() << c.right(2);
}

void TestSearch::ordinalSuffix()
{
    QFETCH(int, n);
    QFETCH(QString, suffix);
    QCOMPARE(OrdinalSuffix(n), suffix);
}

void TestSearch::congressListLine()
{
    QCOMPARE(CongressListLine(105), QStringLiteral("105th\t1997-1998"));
    QCOMPARE(CongressListLine(1), QStringLiteral("1st\t1789-1790"));
    QCOMPARE(CongressListLine(111), QStringLiteral("111th\t2009-2010"));
    QCOMPARE(CongressListLine(102), QStringLiteral("102nd\t1991-1992"));
}

void TestSearch::chronologicalSearchFollowsSelectionOrder()
{
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    CongressData a = plainCongress(2, QStringLiteral("A"));
    a.legislators = {TreeBuilder::legislator(QStringLiteral("SMITH"), 41, 1, 100, 0.1f, 0.2f, 1)};
    a.voteRows = {QStringLiteral("16")};
    tree.addCongress(true, 97, a);
    tree.addCongress(true, 98, plainCongress(1, QStringLiteral("B")));
    tree.addCongress(true, 99, plainCongress(3, QStringLiteral("C")));
    tree.writeIndexes();
    Session s(dir.path());
    s.newDataFormat = false;
    // The 1st and 3rd rows of a three-row list, then a later pick of the first again: list order.
    s.selectedCongresses = {99, 97};
    const SearchOutcome out = RunSearch(s, {});
    QCOMPARE(out.matchCount, 5);
    QVERIFY(!out.truncated);
    QVERIFY(out.message.isEmpty());
    QCOMPARE(descriptions(s), (QStringList{"C1", "C2", "C3", "A1", "A2"}));
    const MatchRow expected{2, QStringLiteral("A2"), TaggedDate::FromDate(QDate(1981, 1, 2)), 2, 12, 97};
    QCOMPARE(s.MatchTable.row(5), expected);
    // The counts left in the session are those of the last congress read.
    QCOMPARE(s.currentCongress, 97);
    QCOMPARE(s.legislatorCount, 1);
    QCOMPARE(s.rollCallCount, 2);
}

void TestSearch::codeSearch_data()
{
    QTest::addColumn<SearchKind>("kind");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<QStringList>("found");

    // Records: ONE issue 20 / issue2 10, clausen 1, peltzman 5/7; TWO issue 30 / issue2 0, clausen 2,
    // peltzman 7/0; THREE issue 10, clausen 3, peltzman 0/5.
    QTest::newRow("issue, standard: first code")
        << SearchKind::Issue << QList<int>{10, 20} << false << QStringList{"ONE", "THREE"};
    QTest::newRow("issue, standard: no second code") << SearchKind::Issue << QList<int>{40} << false << QStringList{};
    QTest::newRow("issue, extended: second code")
        << SearchKind::Issue << QList<int>{10} << true << QStringList{"ONE", "THREE"};
    QTest::newRow("issue, standard: code 0 only matches a 0 code")
        << SearchKind::Issue << QList<int>{0} << false << QStringList{};
    QTest::newRow("clausen") << SearchKind::Clausen << QList<int>{2, 3} << false << QStringList{"TWO", "THREE"};
    QTest::newRow("clausen, extended") << SearchKind::Clausen << QList<int>{1} << true << QStringList{"ONE"};
    QTest::newRow("peltzman: first code")
        << SearchKind::Peltzman << QList<int>{7} << false << QStringList{"ONE", "TWO"};
    QTest::newRow("peltzman: second code")
        << SearchKind::Peltzman << QList<int>{5} << true << QStringList{"ONE", "THREE"};
    QTest::newRow("no codes chosen") << SearchKind::Clausen << QList<int>{} << false << QStringList{};
}

void TestSearch::codeSearch()
{
    QFETCH(SearchKind, kind);
    QFETCH(QList<int>, codes);
    QFETCH(bool, extended);
    QFETCH(QStringList, found);

    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    CongressData data;
    data.rollCalls = {coded(QStringLiteral("ONE"), {20, 10, 1, 5, 7}), coded(QStringLiteral("TWO"), {30, 0, 2, 7, 0}),
                      coded(QStringLiteral("THREE"), {10, 0, 3, 0, 5})};
    if (!extended) // a standard record has no second issue code
        for (RollCall &rc : data.rollCalls)
            rc.issueCode2 = 0;
    tree.addCongress(true, 105, data, extended);
    tree.writeIndexes();
    Session s(dir.path());
    s.newDataFormat = extended;
    s.selectedCongresses = {105};
    const SearchOutcome out = RunSearch(s, {kind, codes, {}});
    QCOMPARE(out.matchCount, int(found.size()));
    if (!found.isEmpty())
        QCOMPARE(descriptions(s), found);
    QCOMPARE(s.searchByIssue, kind == SearchKind::Issue);
    QCOMPARE(s.searchByClausen, kind == SearchKind::Clausen);
    QCOMPARE(s.searchByPeltzman, kind == SearchKind::Peltzman);
    QVERIFY(!s.searchByOther);
}

void TestSearch::keywordSearchReadsDescriptionFiles()
{
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    CongressData data = plainCongress(3, QStringLiteral("VOTE "));
    for (int i = 0; i < 3; ++i)
        data.descriptions.append(Description());
    data.descriptions[1].text = QStringLiteral("AMENDMENT ON WHEAT");
    data.descriptions[2].header[4] = QStringLiteral("WHEATLEY");
    tree.addCongress(false, 106, data, true);
    tree.writeIndexes();
    Session s(dir.path());
    s.isHouse = false;
    s.selectedCongresses = {106};
    SearchCriteria c;
    c.kind = SearchKind::Keyword;
    c.keywords.keyword1 = QStringLiteral("wheat");
    QCOMPARE(RunSearch(s, c).matchCount, 2);
    QCOMPARE(descriptions(s), (QStringList{"VOTE 2", "VOTE 3"}));
    QVERIFY(s.searchByOther);
    c.keywords.op2 = KeywordOperator::Not;
    c.keywords.keyword2 = QStringLiteral("AMENDMENT");
    QCOMPARE(RunSearch(s, c).matchCount, 1);
    QCOMPARE(descriptions(s), (QStringList{"VOTE 3"}));
}

void TestSearch::searchProgress()
{
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    tree.addCongress(true, 97, plainCongress(40, QStringLiteral("A")));
    tree.addCongress(true, 98, plainCongress(40, QStringLiteral("B")));
    tree.writeIndexes();
    Session s(dir.path());
    s.newDataFormat = false;
    s.selectedCongresses = {97, 98};
    QList<QPair<int, int>> calls;
    RunSearch(s, {}, [&](int percent, int number) { calls.append({percent, number}); });
    // Every 20 roll calls, the share of all 80, with the congress being read; 100 at the end.
    const QList<QPair<int, int>> expected = {{25, 97}, {50, 97}, {75, 98}, {100, 98}, {100, 98}};
    QCOMPARE(calls, expected);
}

void TestSearch::searchStopsAtTableLimit()
{
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    tree.addCongress(true, 97, plainCongress(15000, QStringLiteral("A")));
    tree.addCongress(true, 98, plainCongress(6000, QStringLiteral("B")));
    tree.writeIndexes();
    Session s(dir.path());
    s.newDataFormat = false;
    s.selectedCongresses = {97, 98};
    const SearchOutcome out = RunSearch(s, {});
    QVERIFY(out.truncated);
    QCOMPARE(out.matchCount, 20000);
    QCOMPARE(out.message, QStringLiteral("That's more roll calls than Windows can handle! Try less Houses. "
                                         "Rollscan will proceed with what it has so far."));
    QCOMPARE(s.MatchTable.matchCount(), 20000);
    QCOMPARE(s.MatchTable.row(20000).description, QStringLiteral("B5000"));
}

void TestSearch::searchWithoutMatchKeepsPreviousTable()
{
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    tree.addCongress(true, 97, plainCongress(3, QStringLiteral("A")));
    tree.writeIndexes();
    Session s(dir.path());
    s.newDataFormat = false;
    s.selectedCongresses = {97};
    RunSearch(s, {});
    s.queue.addRows(s.MatchTable, {2}, s.smallScreen);
    const SearchOutcome out = RunSearch(s, {SearchKind::Issue, {99}, {}});
    QCOMPARE(out.matchCount, 0);
    QVERIFY(!out.truncated);
    QCOMPARE(s.MatchTable.matchCount(), 3);
    QCOMPARE(s.queue.length(), 1);
}

void TestSearch::searchFailureNamesFileAndKeepsTable()
{
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    tree.addCongress(true, 97, plainCongress(3, QStringLiteral("A")));
    tree.addCongress(true, 98, plainCongress(3, QStringLiteral("B")));
    tree.writeIndexes();
    Session s(dir.path());
    s.newDataFormat = false;
    s.selectedCongresses = {97};
    RunSearch(s, {});

    // A roll-call file shorter than the index says.
    tree.writeRaw(QStringLiteral("house/98.rif"), tree.readRaw(QStringLiteral("house/98.rif")).left(2 * 110));
    s.selectedCongresses = {97, 98};
    try {
        RunSearch(s, {SearchKind::Issue, {0}, {}});
        QFAIL("a short roll-call file must be reported");
    } catch (const FileError &e) {
        QCOMPARE(e.number(), 62);
        QVERIFY(e.path().endsWith(QLatin1String("house/98.rif")));
    }
    QCOMPARE(descriptions(s), (QStringList{"A1", "A2", "A3"}));

    // A congress the index does not cover.
    s.selectedCongresses = {120};
    QVERIFY_THROWS_EXCEPTION(FileError, RunSearch(s, {}));
    // A missing roll-call file.
    QVERIFY(QFile::remove(tree.path(QStringLiteral("house/97.rif"))));
    s.selectedCongresses = {97};
    try {
        RunSearch(s, {});
        QFAIL("a missing roll-call file must be reported");
    } catch (const FileError &e) {
        QCOMPARE(e.number(), 53);
    }
}

void TestSearch::searchReplacesTableAndEmptiesQueue()
{
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    tree.addCongress(true, 97, plainCongress(3, QStringLiteral("A")));
    tree.writeIndexes();
    Session s(dir.path());
    s.newDataFormat = false;
    s.selectedCongresses = {97};
    RunSearch(s, {});
    s.queue.addAll(s.MatchTable);
    s.queue.setCurrentQueuePos(2);
    RunSearch(s, {});
    QCOMPARE(s.MatchTable.matchCount(), 3);
    QCOMPARE(s.queue.length(), 0);
    QCOMPARE(s.queue.currentQueuePos(), 0);
}

void TestSearch::failedSearchMessages()
{
    const QChar cr(13);
    KeywordCriteria k;
    k.keyword1 = QStringLiteral("tax");
    k.keyword3 = QStringLiteral("cut");
    QCOMPARE(FailedKeywordSearchMessage(k, SearchSummary(true, 2)),
             QStringLiteral("Failed search: No matches found for") + cr + cr + "TAX" + cr + "CUT" + cr + cr +
                 "House(s) searched: 2");
    QCOMPARE(FailedSearchMessage({QStringLiteral("Agriculture"), QStringLiteral("Defense")}, SearchSummary(false, 1)),
             QStringLiteral("Failed search: No matches found for") + cr + cr + "Defense" + cr + "Agriculture" + cr +
                 cr + "Senate(s) searched: 1");
    QCOMPARE(FailedSearchMessage({}, SearchSummary(true, 2)),
             QStringLiteral("Failed search: No matches found for") + cr + cr + cr + "House(s) searched: 2");
    QCOMPARE(NoCongressSelectedMessage(true), QStringLiteral("You must enter or select a House number."));
    QCOMPARE(NoCongressSelectedMessage(false), QStringLiteral("You must enter or select a Senate number."));
}

void TestSearch::rowDescriptionComesFromItsCongress()
{
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    CongressData a = plainCongress(1, QStringLiteral("A"));
    a.descriptions = {Description()};
    a.descriptions[0].text = QStringLiteral("Text of the 97th");
    CongressData b = plainCongress(2, QStringLiteral("B"));
    b.descriptions = {Description(), Description()};
    b.descriptions[1].header[0] = QStringLiteral("H.R. 7");
    b.descriptions[1].text = QStringLiteral("Text of the 98th");
    tree.addCongress(true, 97, a);
    tree.addCongress(true, 98, b);
    tree.writeIndexes();
    Session s(dir.path());
    s.newDataFormat = false;
    s.selectedCongresses = {97, 98};
    RunSearch(s, {});
    // The list holds two congresses and the last one read is current; each row reads its own.
    QCOMPARE(ReadRowDescription(s, 1).text, QStringLiteral("Text of the 97th"));
    const Description d = ReadRowDescription(s, 3);
    QCOMPARE(d.text, QStringLiteral("Text of the 98th"));
    QCOMPARE(d.header[0], QStringLiteral("H.R. 7       "));
    QVERIFY_THROWS_EXCEPTION(DataError, ReadRowDescription(s, 4));
}

void TestSearch::listLines_data()
{
    QTest::addColumn<bool>("smallScreen");
    QTest::addColumn<QString>("line");
    QTest::newRow("long form") << false << "234-190\tTo pass H.R. 1 & 2";
    QTest::newRow("small screen") << true << "To pass H.R. 1 & 2";
}

void TestSearch::listLines()
{
    QFETCH(bool, smallScreen);
    QFETCH(QString, line);
    const MatchRow row{45, QStringLiteral("To pass H.R. 1 & 2"), TaggedDate::FromDate(QDate(1993, 2, 4)), 234, 190,
                       103};
    QCOMPARE(MatchListLine(row, smallScreen), line);
    MatchTable t;
    t.append(row);
    t.append(row);
    QCOMPARE(MatchListLines(t, smallScreen), (QStringList{line, line}));
}

void TestSearch::rollCallIdLine()
{
    const QDate date(1993, 2, 4);
    const MatchRow row{45, QStringLiteral("X"), TaggedDate::FromDate(date), 234, 190, 103};
    QCOMPARE(RollCallIdLine(true, row), QStringLiteral("House #103 Roll Call #45  ") + FormatSystemShortDate(date));
    const MatchRow textDate{7, QStringLiteral("X"), TaggedDate::FromText(QStringLiteral("Mar 1802")), 1, 2, 7};
    QCOMPARE(RollCallIdLine(false, textDate), QStringLiteral("Senate #7 Roll Call #7  Mar 1802"));
}

void TestSearch::quickEntry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("rollCallCount");
    QTest::addColumn<int>("listLength");
    QTest::addColumn<int>("row"); // 0: nothing changes
    QTest::newRow("in range") << "12" << 800 << 800 << 12;
    QTest::newRow("last roll call") << "800" << 800 << 800 << 800;
    QTest::newRow("zero") << "0" << 800 << 800 << 0;
    QTest::newRow("above the roll-call count") << "801" << 800 << 900 << 0;
    QTest::newRow("beyond a narrower list") << "15" << 800 << 14 << 0;
    QTest::newRow("blanks around") << " 7 " << 800 << 800 << 7;
    QTest::newRow("not a number") << "7a" << 800 << 800 << 0;
    QTest::newRow("empty") << "" << 800 << 800 << 0;
}

void TestSearch::quickEntry()
{
    QFETCH(QString, typed);
    QFETCH(int, rollCallCount);
    QFETCH(int, listLength);
    QFETCH(int, row);
    QCOMPARE(QuickEntryRow(typed, rollCallCount, listLength).value_or(0), row);
}

QTEST_APPLESS_MAIN(TestSearch)
#include "tst_search.moc"
