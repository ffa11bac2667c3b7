// Searches over congress files, the keyword test and narrowing, the match table's list lines, the
// failed-search messages, and what the roll-call list offers beside the map.
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/Dates.h"
#include "core/data/FileError.h"
#include "core/search/BytePattern.h"
#include "core/search/CongressExtras.h"
#include "core/search/KeywordMatcher.h"
#include "core/search/MatchTable.h"
#include "core/search/OrdinalSuffix.h"
#include "core/search/RollCallSearch.h"
#include "core/search/SelectionQueue.h"

#include <QDir>
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

// A congress whose roll calls carry the given short descriptions and free texts.
CongressData textCongress(const QStringList &descriptions, const QStringList &texts)
{
    CongressData data;
    for (int i = 0; i < descriptions.size(); ++i) {
        data.rollCalls.append(TreeBuilder::rollCall(descriptions[i], QDate(1981, 1, 5 + i), 200 + i, 100 + i));
        data.descriptions.append(Description());
        data.descriptions.last().text = texts.value(i);
    }
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
    // The sixteen rows of the decision table, by operators 2 and 3 (None, And, Or, Not): the outcome for
    // (F1, F2, F3) = 000, 001, 010, 011, 100, 101, 110, 111. The matcher gives the same when each keyword
    // stands in a different one of the seven texts.
    void decisionTable()
    {
        const QStringList table = QStringLiteral("NN00001111 AN00000011 ON00111111 TN00001100 NA00000101 NO01011111 "
                                                 "NT00001010 AA00000001 AO01010111 AT00000010 OA00110111 OO01111111 "
                                                 "OT00111011 TA00000100 TO01011101 TT00001000")
                                      .split(QLatin1Char(' '));
        const QString ops = QStringLiteral("NAOT");
        for (const QString &row : table) {
            KeywordCriteria c;
            c.keyword1 = QStringLiteral("alpha"); // the test upper-cases the keywords
            c.keyword2 = QStringLiteral("beta");
            c.keyword3 = QStringLiteral("gamma");
            c.op2 = KeywordOperator(ops.indexOf(row[0]));
            c.op3 = KeywordOperator(ops.indexOf(row[1]));
            const KeywordMatcher matcher(c);
            for (int i = 0; i < 8; ++i) {
                const bool f1 = i & 4, f2 = i & 2, f3 = i & 1;
                const bool expected = row[2 + i] == QLatin1Char('1');
                QVERIFY2(KeywordDecision(c, f1, f2, f3) == expected, qPrintable(row));
                QStringList texts(7, QStringLiteral("NOTHING HERE"));
                if (f1)
                    texts[0] = QStringLiteral("ON ALPHA");
                if (f2)
                    texts[3] = QStringLiteral("BETA");
                if (f3)
                    texts[6] = QStringLiteral("THE GAMMA RAYS");
                QVERIFY2(matcher.kept(texts) == expected, qPrintable(row + QString::number(i)));
            }
        }
    }
    void keywordTexts_data()
    {
        QTest::addColumn<QStringList>("criteria"); // keyword 1, operator 2, keyword 2, operator 3, keyword 3
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("kept");
        const QString none = QStringLiteral("(none)");
        QTest::newRow("lower-case text does not match")
            << QStringList{"TAX", none, "", none, ""} << QStringList{"Tax cut"} << false;
        QTest::newRow("empty second keyword is everywhere")
            << QStringList{"TAX", "AND", "", none, ""} << QStringList{"TAX"} << true;
        QTest::newRow("cut or (tax and income): tax only")
            << QStringList{"TAX", "OR", "CUT", "AND", "INCOME"} << QStringList{"TAX ON GOODS"} << false;
        QTest::newRow("never across two texts")
            << QStringList{"TAX", none, "", none, ""} << QStringList{"", "XYZ TA", "X ABC"} << false;
        QTest::newRow("character outside the code page")
            << QStringList{"Ω", none, "", none, ""} << QStringList{"WHAT?"} << false;
    }
    void keywordTexts()
    {
        QFETCH(QStringList, criteria);
        QFETCH(QStringList, texts);
        QFETCH(bool, kept);
        KeywordCriteria c{criteria[0], criteria[2], criteria[4], KeywordOperatorFromText(criteria[1]),
                          KeywordOperatorFromText(criteria[3])};
        QCOMPARE(KeywordMatcher(c).kept(texts), kept);
    }
    void findBytes()
    {
        const QList<std::tuple<QByteArray, QByteArray, int, int>> cases = {
            {"ABC", "", 3, 3},                                                  // an empty needle at the end
            {"ABC", "", 4, -1},                                                 // and past it
            {"TA", "TAX", 0, -1},                                               // a longer needle
            {QByteArray("TAXTXX") + QByteArray(30, '.') + "TAX", "TAX", 1, 36}, // first and last bytes only
            {"..TAX", "TAX", -5, 2},                                            // a negative start
            {QByteArray(20, '\xe9') + "\x93X\x94", "\x93X\x94", 0, 20}};        // bytes above 127
        for (const auto &[haystack, needle, from, at] : cases)
            QCOMPARE(FindBytes(haystack, needle, from), qsizetype(at));
    }
    // The free text and each header field are texts of their own, blank padding included.
    void headerFieldsAreSeparateTexts()
    {
        const QList<std::array<QString, 2>> fields = {
            {"H.R. 1", "TAX"}, {"1234567890TAX", ""}, {"12345678901TA", "X"}, {"AB", ""}};
        CongressData data = textCongress({"1", "2", "3", "4"}, {"FREE", "TEXT", "WITHOUT", "IT"});
        for (int i = 0; i < 4; ++i)
            data.descriptions[i].header = {fields[i][0], fields[i][1], QString(), QString(), QString()};
        SearchTree t({{97, data}});
        SearchCriteria c;
        c.kind = SearchKind::Keyword;
        c.keywords.keyword1 = QStringLiteral("TAX");
        RunSearch(t.s, c);
        QCOMPARE(t.s.MatchTable.matchCount(), 2);
        QCOMPARE(t.s.MatchTable.row(2).rollCall, qint16(2));
        c.keywords.keyword1 = QStringLiteral("AB ");
        RunSearch(t.s, c);
        QCOMPARE(t.s.MatchTable.matchCount(), 1);
        QCOMPARE(t.s.MatchTable.row(1).rollCall, qint16(4));
    }
    // Narrowing keeps the passing rows of every congress, and queue entries move with their rows.
    void narrowMovesQueueEntriesWithTheirRows()
    {
        SearchTree t({{97, textCongress({"TAX A", "FARM", "TAX B", "TAX C"}, {"", "", "", ""})},
                      {98, textCongress({"DEFENSE", "BUDGET"}, {"A TAX INCREASE", ""})}});
        QCOMPARE(RunSearch(t.s, {}).matchCount, 6);
        t.s.queue.addRows(t.s.MatchTable, {4, 2, 3, 3}, t.s.smallScreen);
        t.s.queue.setCurrentQueuePos(3);
        const QStringList linesBefore = t.s.queue.lines();
        // Rows as a bookmark file may leave them: stale description and tallies, rewritten from the records.
        t.s.MatchTable.row(5) = {1, QStringLiteral("old text"), TaggedDate::FromText(QStringLiteral("x")), 1, 2, 98};
        KeywordCriteria c;
        c.keyword1 = QStringLiteral("TAX");
        QVERIFY(NarrowByKeyword(t.s, c));
        QCOMPARE(t.s.MatchTable.matchCount(), 4);
        const MatchRow expected{1, QStringLiteral("DEFENSE"), TaggedDate::FromDate(QDate(1981, 1, 5)), 200, 100, 98};
        QCOMPARE(t.s.MatchTable.row(4), expected);
        QCOMPARE(t.s.currentCongress, 98);
        // Rows 1, 3, 4 became 1, 2, 3; the entry of the dropped row 2 left the queue.
        QCOMPARE(t.s.queue.rows(), (QList<int>{3, 2, 2}));
        QCOMPARE(t.s.queue.rollCalls(), (QList<int>{4, 3, 3}));
        QCOMPARE(t.s.queue.lines(), (QStringList{linesBefore[0], linesBefore[2], linesBefore[3]}));
        QCOMPARE(t.s.queue.currentQueuePos(), 2); // still the entry of roll call 3
    }
    void narrowFailureOrNoKeywordLeavesTableAndQueue()
    {
        SearchTree t({{97, textCongress({"TAX A"}, {""})}, {98, textCongress({"TAX B"}, {""})}});
        RunSearch(t.s, {});
        t.s.queue.addAll(t.s.MatchTable);
        KeywordCriteria c;
        c.op2 = KeywordOperator::And;
        c.keyword2 = QStringLiteral("X");
        QVERIFY(!NarrowByKeyword(t.s, c)); // no primary keyword: nothing to do
        QVERIFY(QFile::remove(t.tree.path(QStringLiteral("house/98.dbn"))));
        c.keyword1 = QStringLiteral("NONE");
        try {
            NarrowByKeyword(t.s, c);
            QFAIL("a missing description file must be reported");
        } catch (const FileError &e) {
            QCOMPARE(e.number(), 53);
            QVERIFY(e.path().endsWith(QLatin1String("house/98.dbn")));
        }
        QCOMPARE(t.s.MatchTable.matchCount(), 2);
        QCOMPARE(t.s.queue.length(), 2);
    }
    void extras_data()
    {
        QTest::addColumn<bool>("house");
        QTest::addColumn<QList<int>>("congresses");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("offered"); // US map, text, audio, picture
        const QStringList maps = {"main/map.dat", "main/mapindex.dat"};
        QTest::newRow("103rd House needs no district file") << true << QList<int>{103} << maps << "1000";
        QTest::newRow("102nd House without district file") << true << QList<int>{102} << maps << "0000";
        QTest::newRow("102nd House with district file")
            << true << QList<int>{102} << maps + QStringList{"house/102.cds"} << "1000";
        QTest::newRow("two Houses: no district check, no attachments")
            << true << QList<int>{50, 51} << maps + QStringList{"house/50.txt", "house/50.wav", "house/50.bmp"}
            << "1000";
        const QStringList shapes = {"main/state list.dat", "maps/states.shp", "maps/cd104.shp"};
        QTest::newRow("Senate from the shapefiles") << false << QList<int>{30} << shapes << "1000";
        QTest::newRow("102nd House is not drawn from the shapefiles") << true << QList<int>{102} << shapes << "0000";
        QTest::newRow("shapefiles without the state list")
            << false << QList<int>{30} << QStringList{"maps/states.shp"} << "0000";
        QTest::newRow("House attachments")
            << true << QList<int>{97} << QStringList{"house/97.txt", "house/97.bmp", "house/97s.wav"} << "0101";
        QTest::newRow("Senate attachments")
            << false << QList<int>{97} << QStringList{"senate/97s.wav", "senate/97.txt", "senate/97s.bmp"} << "0011";
        QTest::newRow("names in capitals") << false << QList<int>{97} << QStringList{"senate/97S.TXT"} << "0100";
        QTest::newRow("bookmark search: none selected")
            << true << QList<int>{} << maps + QStringList{"house/97.txt"} << "1000";
    }
    void extras()
    {
        QFETCH(bool, house);
        QFETCH(QList<int>, congresses);
        QFETCH(QStringList, files);
        QTemporaryDir dir;
        TreeBuilder tree(dir.path());
        for (const QString &file : files)
            tree.writeRaw(file, "x");
        Session session(dir.path());
        session.isHouse = house;
        session.selectedCongresses = congresses;
        const CongressExtras e = FindCongressExtras(session);
        QTEST(QStringLiteral("%1%2%3%4").arg(int(e.usMap)).arg(int(e.text)).arg(int(e.audio)).arg(int(e.picture)),
              "offered");
    }
    // The user folder is made as "User" when missing, found under any spelling, and made once only.
    void userFolder()
    {
        for (const auto &[existing, expected] : {std::pair{"", "User"}, {"user", "user"}, {"USER", "USER"}}) {
            QTemporaryDir dir;
            if (*existing)
                QVERIFY(QDir(dir.path()).mkdir(QString::fromLatin1(existing)));
            Session session(dir.path());
            for (int twice = 0; twice < 2; ++twice) {
                EnsureUserFolder(session);
                QCOMPARE(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{expected});
                QCOMPARE(session.userDir, dir.path() + QLatin1Char('/') + QLatin1String(expected));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestSearch)
#include "tst_search.moc"
