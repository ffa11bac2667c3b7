// Searches over congress files, the keyword test and narrowing, the match table's list lines, the
// failed-search messages, what the roll-call list offers beside the map; the selection queue; bookmark
// files (record layout, appending, rewriting from the editor, reading, use as a search source); and
// subject-code files (columns, line ends, limits, what the picker hands back).
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/Dates.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/search/BookmarkFile.h"
#include "core/search/BookmarkList.h"
#include "core/search/BytePattern.h"
#include "core/search/CongressExtras.h"
#include "core/search/KeywordMatcher.h"
#include "core/search/MatchTable.h"
#include "core/search/OrdinalSuffix.h"
#include "core/search/RollCallSearch.h"
#include "core/search/SelectionQueue.h"
#include "core/search/SubjectCodeTable.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <functional>

using namespace rollscan;
using rollscan::test::CodedRollCall;
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

// The number and the file of the error `work` raises, as "62 /path"; empty when it raises none.
QString fileErrorOf(const std::function<void()> &work)
{
    try {
        work();
    } catch (const FileError &e) {
        return QString::number(e.number()) + QLatin1Char(' ') + e.path();
    }
    return {};
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

BookmarkEntry entry(int congress, int rollCall, const QString &description = QStringLiteral("A vote"),
                    bool isHouse = true)
{
    const TaggedDate day = TaggedDate::FromDate(QDate(1993, 2, 4).addDays(rollCall));
    return {isHouse,     qint16(congress),       qint16(rollCall),      day,
            description, qint16(200 + rollCall), qint16(100 + rollCall)};
}

QList<BookmarkEntry> entries(int first, int count, int congress = 103)
{
    QList<BookmarkEntry> out;
    for (int i = 0; i < count; ++i)
        out.append(entry(congress, first + i));
    return out;
}

// The flag of record n (1-based) of a file whose records all carry day dates.
qint16 flagOf(const QByteArray &file, int n)
{
    return qFromLittleEndian<qint16>(file.constData() + qint64(n - 1) * 87 + 79);
}
// Rows 1..n: roll call 10 + i, tallies 200 + i to 100 + i, "Roll call i".
MatchTable tableWithRows(int rows)
{
    MatchTable t;
    for (int i = 1; i <= rows; ++i)
        t.append({qint16(10 + i), QStringLiteral("Roll call %1").arg(i), TaggedDate::FromDate(QDate(2001, 2, i)),
                  qint16(200 + i), qint16(100 + i), 107});
    return t;
}
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
        const QList<QPair<QString, std::array<int, 5>>> records = {
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
            for (auto [name, c] : records) {
                c[1] = extended ? c[1] : 0;
                data.rollCalls.append(CodedRollCall(name, QDate(1997, 3, 4), 300, 120, c));
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
        QCOMPARE(fileErrorOf([&] {
                     RunSearch(s, {SearchKind::Issue, {0}, {}});
                 }),
                 "62 " + t.tree.path(QStringLiteral("house/98.rif")));
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
            // The test upper-cases the keywords.
            const KeywordCriteria c{QStringLiteral("alpha"), QStringLiteral("beta"), QStringLiteral("gamma"),
                                    KeywordOperator(ops.indexOf(row[0])), KeywordOperator(ops.indexOf(row[1]))};
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
    // Keyword 1, operator 2, keyword 2, operator 3, keyword 3; the texts; whether they are kept. Lower-case
    // text does not match; an empty second keyword is everywhere; cut or (tax and income) with tax only; a
    // keyword never spans two texts; a character outside the code page.
    void keywordTexts()
    {
        const QString none = QStringLiteral("(none)");
        const QList<std::tuple<QStringList, QStringList, bool>> cases = {
            {{"TAX", none, "", none, ""}, {"Tax cut"}, false},
            {{"TAX", "AND", "", none, ""}, {"TAX"}, true},
            {{"TAX", "OR", "CUT", "AND", "INCOME"}, {"TAX ON GOODS"}, false},
            {{"TAX", none, "", none, ""}, {"", "XYZ TA", "X ABC"}, false},
            {{"Ω", none, "", none, ""}, {"WHAT?"}, false}};
        for (const auto &[criteria, texts, kept] : cases) {
            const KeywordCriteria c{criteria[0], criteria[2], criteria[4], KeywordOperatorFromText(criteria[1]),
                                    KeywordOperatorFromText(criteria[3])};
            QCOMPARE(KeywordMatcher(c).kept(texts), kept);
        }
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
        QCOMPARE(fileErrorOf([&] { NarrowByKeyword(t.s, c); }), "53 " + t.tree.path(QStringLiteral("house/98.dbn")));
        QCOMPARE(t.s.MatchTable.matchCount(), 2);
        QCOMPARE(t.s.queue.length(), 2);
    }
    // The chamber, the congresses selected and the files of the tree; what the list offers beside the map:
    // US map, text, audio, picture.
    void extras()
    {
        const QStringList maps = {"main/map.dat", "main/mapindex.dat"};
        const QStringList shapes = {"main/state list.dat", "maps/states.shp", "maps/cd104.shp"};
        const QList<std::tuple<bool, QList<int>, QStringList, const char *>> cases = {
            {true, {103}, maps, "1000"},                                // the 103rd House needs no district file
            {true, {102}, maps, "0000"},                                // the 102nd does
            {true, {102}, maps + QStringList{"house/102.cds"}, "1000"}, // and has it
            // Two Houses: no district check, no attachments.
            {true, {50, 51}, maps + QStringList{"house/50.txt", "house/50.wav", "house/50.bmp"}, "1000"},
            {false, {30}, shapes, "1000"},              // the Senate from the shapefiles
            {true, {102}, shapes, "0000"},              // the 102nd House is not drawn from them
            {false, {30}, {"maps/states.shp"}, "0000"}, // shapefiles without the state list
            {true, {97}, {"house/97.txt", "house/97.bmp", "house/97s.wav"}, "0101"},
            {false, {97}, {"senate/97s.wav", "senate/97.txt", "senate/97s.bmp"}, "0011"},
            {false, {97}, {"senate/97S.TXT"}, "0100"},               // names in capitals
            {true, {}, maps + QStringList{"house/97.txt"}, "1000"}}; // a bookmark search selects none
        for (const auto &[house, congresses, files, offered] : cases) {
            QTemporaryDir dir;
            TreeBuilder tree(dir.path());
            for (const QString &file : files)
                tree.writeRaw(file, "x");
            Session session(dir.path());
            session.isHouse = house;
            session.selectedCongresses = congresses;
            const CongressExtras e = FindCongressExtras(session);
            QCOMPARE(
                QStringLiteral("%1%2%3%4").arg(int(e.usMap)).arg(int(e.text)).arg(int(e.audio)).arg(int(e.picture)),
                QLatin1String(offered));
        }
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
    void recordLayout()
    {
        const BookmarkEntry e = entry(103, 45, QStringLiteral("To pass H.R. 2"));
        // House, congress 103, roll call 45, tag 7 and day 34049 (21 March 1993), the description, 245-145,
        // the last-record flag, six unused bytes.
        QCOMPARE(BookmarkFile::EncodeRecord(e, true).toHex(' '),
                 ("h" + QByteArray::fromHex("6700 2d00 0700 0000000020a0e040") +
                  QByteArray("To pass H.R. 2").leftJustified(60, ' ') + QByteArray::fromHex("f500 9100 ffff") +
                  QByteArray(6, '\0'))
                     .toHex(' '));

        // A text date moves every later field.
        BookmarkEntry s = entry(7, 3, QStringLiteral("Senate vote"), false);
        s.date = TaggedDate::FromText(QStringLiteral("1802"));
        const QByteArray t = BookmarkFile::EncodeRecord(s, true);
        QCOMPARE(t.left(13), QByteArray("s\x07\x00\x03\x00\x08\x00\x04\x00"
                                        "1802",
                                        13));
        QCOMPARE(t.mid(13, 66),
                 QByteArray("Senate vote").leftJustified(60, ' ') + QByteArray::fromHex("cb00 6700 ffff"));
        QCOMPARE(BookmarkFile::Parse(t, QStringLiteral("x.bmk")), QList<BookmarkEntry>{s});

        // Descriptions are cut to 60 characters in the single-byte code page.
        const QString long70 = QString::fromUtf8("Caf\u00e9 \u201cvote\u201d").leftJustified(70, QLatin1Char('x'));
        QCOMPARE(BookmarkFile::EncodeRecord(entry(103, 1, long70), true).mid(15, 60),
                 QByteArray("Caf\xe9 \x93vote\x94").leftJustified(60, 'x'));
    }
    // Appending moves the last-record flag and touches no other byte of the old
    // records; a file cut after a flag is whole, and the new records go to their
    // own places.
    void append()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.bmk"));
        BookmarkFile::Append(path, entries(1, 2));
        const QByteArray before = ReadWholeFile(path);
        QCOMPARE(before,
                 BookmarkFile::EncodeRecord(entry(103, 1), false) + BookmarkFile::EncodeRecord(entry(103, 2), true));
        BookmarkFile::Append(path, entries(10, 3));
        const QByteArray after = ReadWholeFile(path);
        QCOMPARE(after.size(), 5 * 87);
        for (int n = 1; n <= 5; ++n)
            QCOMPARE(flagOf(after, n), qint16(n == 5 ? -1 : 0));
        QByteArray expected = before;
        expected[79 + 87] = 0;
        expected[80 + 87] = 0;
        QCOMPARE(after.left(2 * 87), expected);
        QCOMPARE(BookmarkFile::Read(path), entries(1, 2) + entries(10, 3));

        const QByteArray two = BookmarkFile::EncodeRecord(entry(103, 1), false) +
                               BookmarkFile::EncodeRecord(entry(103, 2), false).left(81);
        QCOMPARE(BookmarkFile::Parse(two.left(87 + 50), QStringLiteral("x.bmk")), entries(1, 1));
        WriteWholeFile(path, two);
        BookmarkFile::Append(path, entries(7, 1));
        QCOMPARE(ReadWholeFile(path).size(), 3 * 87);
        QCOMPARE(BookmarkFile::Read(path), entries(1, 2) + entries(7, 1));

        // A text date too long for the record is refused before anything is written.
        BookmarkEntry e = entry(7, 2);
        e.date = TaggedDate::FromText(QStringLiteral("December 1802"));
        const QByteArray kept = ReadWholeFile(path);
        QVERIFY_THROWS_EXCEPTION(DataError, BookmarkFile::Append(path, {entry(7, 1), e}));
        QCOMPARE(ReadWholeFile(path), kept);
    }
    // A rewrite from the editor replaces only the used bytes of its records: later
    // records and the unused tail bytes stay.
    void rewrite()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.bmk"));
        BookmarkFile::Append(path, entries(1, 5));
        QByteArray before = ReadWholeFile(path);
        before.replace(81, 6, QByteArray(6, '\xAA'));
        WriteWholeFile(path, before);
        BookmarkList editor;
        QVERIFY(editor.load(path));
        for (int i = 0; i < 3; ++i)
            editor.remove(0);
        editor.save(path);
        const QByteArray after = ReadWholeFile(path);
        // Record 4 moved to the first place, record 5 second and last; the old records stay behind.
        QCOMPARE(after.left(81) + after.mid(81, 6) + after.mid(2 * 87),
                 BookmarkFile::EncodeRecord(entry(103, 4), false).left(81) + QByteArray(6, '\xAA') +
                     before.mid(2 * 87));
        QCOMPARE(flagOf(after, 2), qint16(-1));
        // An empty list leaves an empty file.
        editor.clear();
        editor.save(path);
        QCOMPARE(ReadWholeFile(path), QByteArray());
    }
    void readAndRefuse()
    {
        // Without a flag the records run to the end; the flag ends the list even when
        // records follow.
        const QByteArray file = BookmarkFile::EncodeRecord(entry(103, 1), false) +
                                BookmarkFile::EncodeRecord(entry(103, 2), false) +
                                BookmarkFile::EncodeRecord(entry(103, 3), false);
        QCOMPARE(BookmarkFile::Parse(file, QStringLiteral("x.bmk")), entries(1, 3));
        QCOMPARE(BookmarkFile::Parse(BookmarkFile::EncodeRecord(entry(103, 1), true) + file, QStringLiteral("x.bmk")),
                 entries(1, 1));
        QByteArray unknownTag = BookmarkFile::EncodeRecord(entry(103, 1), true);
        unknownTag[5] = 9;
        QByteArray longText = BookmarkFile::EncodeRecord(entry(103, 1), true);
        longText[5] = 8;
        longText[7] = 13; // a text date over 16 bytes
        longText[8] = 0;
        for (const QByteArray &bad : {unknownTag, longText})
            QCOMPARE(fileErrorOf([&] { BookmarkFile::Parse(bad, QStringLiteral("/u/bad.bmk")); }),
                     QStringLiteral("322 /u/bad.bmk"));
    }
    void editor()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("long.bmk"));
        BookmarkFile::Append(path, entries(1, 120));
        BookmarkList editor;
        QVERIFY(editor.load(path));
        QCOMPARE(editor.count(), 100);
        QVERIFY(editor.truncated());
        QVERIFY(!editor.append(entry(103, 500)));
        QVERIFY(!editor.load(dir.filePath(QStringLiteral("none.bmk")))); // a failed load changes nothing
        QCOMPARE(editor.count(), 100);

        BookmarkFile::Rewrite(path, entries(1, 3));
        QVERIFY(editor.load(path));
        QVERIFY(!editor.truncated());
        auto order = [&] {
            QList<int> got;
            for (const BookmarkEntry &e : editor.entries())
                got.append(e.rollCall);
            return got;
        };
        QCOMPARE(editor.moveUp(0), 0); // nothing above the first row
        QCOMPARE(editor.moveDown(2), 2);
        QCOMPARE(editor.moveDown(0), 1);
        QCOMPARE(order(), (QList<int>{2, 1, 3}));
        QCOMPARE(editor.moveUp(1), 0);
        QVERIFY(editor.remove(1));
        QVERIFY(!editor.remove(2));
        QCOMPARE(editor.lines(), (QStringList{"H# 103,\tRoll call 1", "H# 103,\tRoll call 3"}));
        QCOMPARE(BookmarkListLine(entry(7, 2, {}, false)), QStringLiteral("S# 7,\tRoll call 2"));
    }
    void queueBecomesEntries()
    {
        Session s(QStringLiteral("/nonexistent"));
        s.isHouse = false;
        s.MatchTable = tableWithRows(2);
        s.queue.addRows(s.MatchTable, {2, 1, 2}, s.smallScreen);
        const QList<BookmarkEntry> got = BookmarkEntriesFromQueue(s);
        QCOMPARE(got.size(), 3);
        QCOMPARE(got[1].description, QStringLiteral("Roll call 1"));
        QCOMPARE((QList<qint16>{got[0].rollCall, got[1].yeas, got[2].nays, got[2].congress}),
                 (QList<qint16>{12, 201, 102, 107}));
        QVERIFY(!got[2].isHouse);
    }
    void loadAsSearchSource()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("mixed.bmk"));
        QList<BookmarkEntry> list = {entry(103, 45, QStringLiteral("A")), entry(104, 2, QStringLiteral("B"), false)};
        BookmarkFile::Append(path, list);
        // The entries must be roll calls of the tree: House 103 holds 45 roll calls,
        // Senate 104 two.
        TreeBuilder tree(dir.path());
        tree.setCounts(true, 103, {420, 45});
        tree.setCounts(false, 104, {100, 2});
        tree.writeIndexes();
        Session s(dir.path());
        s.MatchTable.append({1, QStringLiteral("old"), {}, 1, 1, 97});
        s.queue.addAll(s.MatchTable);
        const SearchOutcome out = LoadBookmarkFile(s, path);
        QCOMPARE(out.matchCount, 2);
        QVERIFY(!s.isHouse && s.searchByOther); // the last entry is a Senate roll call
        QCOMPARE(s.queue.length(), 0);
        const MatchRow first{45, QStringLiteral("A"), list[0].date, 245, 145, 103};
        QCOMPARE(s.MatchTable.row(1), first);
        QCOMPARE(s.MatchTable.row(2).congress, qint16(104));

        // An empty file finds nothing and leaves the table as it was.
        const QString empty = dir.filePath(QStringLiteral("empty.bmk"));
        WriteWholeFile(empty, QByteArray());
        QCOMPARE(LoadBookmarkFile(s, empty).matchCount, 0);
        QCOMPARE(s.MatchTable.matchCount(), 2);
        QVERIFY_THROWS_EXCEPTION(FileError, LoadBookmarkFile(s, dir.filePath(QStringLiteral("none.bmk"))));
    }
    void addRows()
    {
        const MatchTable t = tableWithRows(3);
        SelectionQueue q;
        QCOMPARE(q.addRows(t, {3, 1}, false), 2);
        QCOMPARE(q.addRows(t, {1}, false), 1); // the same roll call twice
        QCOMPARE(q.addRows(t, {0, 4, -1}, false), 0);
        QCOMPARE(q.addRows(t, {2}, true), 1);
        QCOMPARE(q.entries(), (QList<QueueEntry>{{3, 13, QStringLiteral("203-103\tRoll call 3")},
                                                 {1, 11, QStringLiteral("201-101\tRoll call 1")},
                                                 {1, 11, QStringLiteral("201-101\tRoll call 1")},
                                                 {2, 12, QStringLiteral("Roll call 2")}}));
        QCOMPARE(q.currentQueuePos(), 0);
        // Adding all replaces the queue, in long lines, with no current entry.
        q.setCurrentQueuePos(1);
        QCOMPARE(q.addAll(t), 3);
        QCOMPARE(q.lines(), (QStringList{"201-101\tRoll call 1", "202-102\tRoll call 2", "203-103\tRoll call 3"}));
        QCOMPARE((QList<QList<int>>{q.rows(), q.rollCalls(), {q.currentQueuePos()}}),
                 (QList<QList<int>>{{1, 2, 3}, {11, 12, 13}, {0}}));
    }
    // Removing or moving entries keeps the current entry where it is; entries travel whole. The current
    // entry of four, the edit ({position} removes it, {from, to} moves), whether it was done, the rows and
    // the current entry after.
    void edits()
    {
        const QList<std::tuple<int, QList<int>, bool, QList<int>, int>> cases = {
            {3, {1}, true, {2, 3, 4}, 2},        // remove before the current entry
            {2, {3}, true, {1, 2, 4}, 2},        // remove after it
            {4, {4}, true, {1, 2, 3}, 3},        // remove the current last entry
            {2, {2}, true, {1, 3, 4}, 2},        // remove the current middle entry
            {2, {5}, false, {1, 2, 3, 4}, 2},    // remove past the end
            {1, {1, 3}, true, {2, 3, 1, 4}, 3},  // current entry moved down
            {4, {4, 2}, true, {1, 4, 2, 3}, 2},  // current entry moved up
            {2, {1, 3}, true, {2, 3, 1, 4}, 1},  // another moved from before to after
            {3, {1, 3}, true, {2, 3, 1, 4}, 2},  // another moved from before onto it
            {2, {4, 1}, true, {4, 1, 2, 3}, 3},  // another moved from after to before
            {2, {3, 4}, true, {1, 2, 4, 3}, 2},  // another moved behind it
            {2, {0, 3}, false, {1, 2, 3, 4}, 2}, // move from 0
        };
        for (const auto &[current, edit, done, rows, currentAfter] : cases) {
            SelectionQueue q;
            q.addAll(tableWithRows(4));
            q.setCurrentQueuePos(current);
            QCOMPARE(edit.size() == 1 ? q.remove(edit[0]) : q.move(edit[0], edit[1]), done);
            QCOMPARE(q.rows(), rows);
            QCOMPARE(q.currentQueuePos(), currentAfter);
            for (const QueueEntry &e : q.entries()) {
                QCOMPARE(e.rollCall, 10 + e.row);
                QVERIFY(e.text.endsWith(QStringLiteral("Roll call ") + QString::number(e.row)));
            }
        }
    }
    // Queued rows and the current entry, the new row of each old one; the rows, roll calls and current entry
    // after. Old rows 1..4 with row 2 dropped: kept rows renumbered, the current entry dropped, everything
    // dropped, no current entry; then a row beyond the map.
    void remapFollowsRows()
    {
        const QList<int> dropTwo{1, 0, 2, 3};
        const QList<std::tuple<QList<int>, int, QList<int>, QList<int>, QList<int>, int>> cases = {
            {{4, 3, 1}, 2, dropTwo, {3, 2, 1}, {14, 13, 11}, 2},
            {{1, 2, 4}, 2, dropTwo, {1, 3}, {11, 14}, 1},
            {{2, 2}, 1, dropTwo, {}, {}, 0},
            {{1, 4}, 0, dropTwo, {1, 3}, {11, 14}, 0},
            {{1, 4}, 2, {1, 2}, {1}, {11}, 1}};
        for (const auto &[queued, current, newRowOf, rows, rollCalls, currentAfter] : cases) {
            SelectionQueue q;
            q.addRows(tableWithRows(4), queued, false);
            q.setCurrentQueuePos(current);
            q.remap(newRowOf);
            QCOMPARE(q.rows(), rows);
            QCOMPARE(q.rollCalls(), rollCalls);
            QCOMPARE(q.currentQueuePos(), currentAfter);
            // The lines stay as they were queued.
            for (int p = 1; p <= q.length(); ++p)
                QVERIFY(q.at(p).text.endsWith(QString::number(q.at(p).rollCall - 10)));
        }
    }
    void clearStartAndCrossTab()
    {
        SelectionQueue q;
        QVERIFY(!q.start());
        QCOMPARE(q.currentQueuePos(), 0);
        QVERIFY(!q.crossTabAvailable());
        const MatchTable t = tableWithRows(3);
        q.addRows(t, {2}, false);
        QVERIFY(!q.crossTabAvailable());
        QVERIFY(q.start());
        QCOMPARE(q.currentQueuePos(), 1);
        q.addRows(t, {3}, false);
        QVERIFY(q.crossTabAvailable());
        q.addRows(t, {1}, false);
        QVERIFY(!q.crossTabAvailable());
        q.remove(1);
        QVERIFY(q.crossTabAvailable());
        q.clear();
        QVERIFY(q.isEmpty());
        QVERIFY(q.lines().isEmpty());
        QCOMPARE(q.currentQueuePos(), 0);
    }
    void stopsAtLimit()
    {
        const MatchTable t = tableWithRows(2);
        SelectionQueue q;
        QCOMPARE(q.addRows(t, QList<int>(SelectionQueue::kMaxEntries - 1, 1), false), SelectionQueue::kMaxEntries - 1);
        QCOMPARE(q.addRows(t, {1, 2, 2}, false), 1);
        QCOMPARE(q.length(), SelectionQueue::kMaxEntries);
        QCOMPARE(q.rows().last(), 1);
        QVERIFY(!q.add({2, 12, QString()}));
        QCOMPARE(q.length(), SelectionQueue::kMaxEntries);
    }
    // A code and its name: the code's text, trailing blanks removed, the separator never in the name,
    // inner blanks kept, a code alone, a name in the single-byte code page.
    void codeLines()
    {
        const QList<std::tuple<QByteArray, int, QStringList>> cases = {
            {"101   Defense budget", 101, {"101", "Defense budget"}},
            {"  7   Tariffs    ", 7, {"  7", "Tariffs"}},
            {"5  x  Name", 5, {"5  ", "Name"}},
            {"44    Public  Works", 44, {"44 ", "Public  Works"}},
            {"9", 9, {"9", ""}},
            {"300   Caf\xe9 \x93tax\x94", 300, {"300", QString::fromUtf8("Café “tax”")}}};
        for (const auto &[line, code, texts] : cases) {
            const SubjectCodeTable t = SubjectCodeTable::Parse(line + "\r\n", QStringLiteral("codes.dat"));
            QCOMPARE(t.subjectCodeCount(), 1);
            QCOMPARE(t.rows().at(0).code, code);
            QCOMPARE((QStringList{t.rows().at(0).codeText, t.rows().at(0).name}), texts);
        }
        QCOMPARE((QStringList{SubjectCodeFileName(SubjectScheme::Issue), SubjectCodeFileName(SubjectScheme::Clausen),
                              SubjectCodeFileName(SubjectScheme::Peltzman)}),
                 (QStringList{"isscodes.dat", "clacodes.dat", "pelcodes.dat"}));
    }
    // Any line end, blank lines skipped; at most 200 rows are read.
    void lineEndsAndLimit()
    {
        for (const QByteArray &content :
             {QByteArray("1     One\r2     Two\r3     Three\r"), QByteArray("1     One\n2     Two\n3     Three"),
              QByteArray("1     One\r\n\r\n2     Two\r\n   \r\n3     Three\r\n\r\n")}) {
            const SubjectCodeTable t = SubjectCodeTable::Parse(content, QStringLiteral("codes.dat"));
            QCOMPARE(t.names(), (QStringList{"One", "Two", "Three"}));
            QCOMPARE(t.rows().at(2).code, 3);
            QVERIFY(!t.truncated());
        }
        QByteArray content;
        for (int i = 1; i <= 205; ++i)
            content += QByteArray::number(i).rightJustified(3, ' ') + "   Subject " + QByteArray::number(i) + "\r";
        const SubjectCodeTable t = SubjectCodeTable::Parse(content, QStringLiteral("codes.dat"));
        QCOMPARE(t.subjectCodeCount(), 200);
        QVERIFY(t.truncated());
        QCOMPARE(t.rows().last().name, QStringLiteral("Subject 200"));
    }
    void badFiles()
    {
        const QList<QPair<QByteArray, int>> bad = {
            {QByteArray(), 62}, {QByteArray("\r\n  \r\n"), 62}, {QByteArray("1     One\r\nAB    Two\r\n"), 321}};
        // Not a structured binding: clang 14 cannot capture one in the lambda.
        for (const auto &entry : bad)
            QCOMPARE(
                fileErrorOf([&] { SubjectCodeTable::Parse(entry.first, QStringLiteral("/data/main/isscodes.dat")); }),
                QString::number(entry.second) + QStringLiteral(" /data/main/isscodes.dat"));
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("pelcodes.dat"));
        QCOMPARE(fileErrorOf([&] { SubjectCodeTable::Read(missing); }), "53 " + missing);
    }
    // List rows as a list box reports them, in any order, are handed back in list order, 100 at most.
    void choose()
    {
        QByteArray content;
        QList<int> all;
        for (int i = 1; i <= 150; ++i) {
            content += QByteArray::number(i).rightJustified(3, ' ') + "   S" + QByteArray::number(i) + "\r\n";
            all.append(i - 1);
        }
        const SubjectCodeTable t = SubjectCodeTable::Parse(content, QStringLiteral("codes.dat"));
        const ChosenSubjects chosen = t.choose({2, 0, 170, 2});
        QCOMPARE(chosen.codes, (QList<int>{1, 3}));
        QCOMPARE(chosen.names, (QStringList{"S1", "S3"}));
        const ChosenSubjects most = t.choose(all);
        QCOMPARE(most.codes.size(), 100);
        QCOMPARE(most.codes.last(), 100);
        QCOMPARE(most.names.last(), QStringLiteral("S100"));
    }
};

QTEST_APPLESS_MAIN(TestSearch)
#include "tst_search.moc"
