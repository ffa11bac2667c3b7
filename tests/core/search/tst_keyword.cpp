// The keyword test (decision table, texts searched) and the narrowing of the roll-call list.
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/FileError.h"
#include "core/search/BytePattern.h"
#include "core/search/KeywordMatcher.h"
#include "core/search/RollCallSearch.h"
#include "core/search/SelectionQueue.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;
using rollscan::test::CongressData;
using rollscan::test::TreeBuilder;

namespace {
// A congress whose roll calls carry the given short descriptions and free texts.
CongressData congress(const QStringList &descriptions, const QStringList &texts)
{
    CongressData data;
    for (int i = 0; i < descriptions.size(); ++i) {
        data.rollCalls.append(TreeBuilder::rollCall(descriptions[i], QDate(1981, 1, 5 + i), 200 + i, 100 + i));
        data.descriptions.append(Description());
        data.descriptions.last().text = texts.value(i);
    }
    return data;
}

// A session on a House tree of the given congresses, after a search for all their roll calls.
struct KeywordTree {
    QTemporaryDir dir;
    TreeBuilder tree{dir.path()};
    Session s{dir.path()};
    explicit KeywordTree(const QList<CongressData> &congresses)
    {
        for (int i = 0; i < congresses.size(); ++i) {
            tree.addCongress(true, 97 + i, congresses[i]);
            s.selectedCongresses.append(97 + i);
        }
        tree.writeIndexes();
        s.newDataFormat = false;
    }
    int search() { return RunSearch(s, {}).matchCount; }
};
} // namespace

class TestKeyword : public QObject {
    Q_OBJECT

private slots:
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
        CongressData data = congress({"1", "2", "3", "4"}, {"FREE", "TEXT", "WITHOUT", "IT"});
        for (int i = 0; i < 4; ++i)
            data.descriptions[i].header = {fields[i][0], fields[i][1], QString(), QString(), QString()};
        KeywordTree t({data});
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
        KeywordTree t({congress({"TAX A", "FARM", "TAX B", "TAX C"}, {"", "", "", ""}),
                       congress({"DEFENSE", "BUDGET"}, {"A TAX INCREASE", ""})});
        QCOMPARE(t.search(), 6);
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
        KeywordTree t({congress({"TAX A"}, {""}), congress({"TAX B"}, {""})});
        t.search();
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
};

QTEST_APPLESS_MAIN(TestKeyword)
#include "tst_keyword.moc"
