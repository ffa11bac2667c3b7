// The keyword test (decision table, texts searched) and the narrowing of the roll-call list.
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/FileError.h"
#include "core/search/BytePattern.h"
#include "core/search/KeywordMatcher.h"
#include "core/search/RollCallSearch.h"
#include "core/search/SelectionQueue.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <string_view>

using namespace rollscan;
using rollscan::test::CongressData;
using rollscan::test::TreeBuilder;

Q_DECLARE_METATYPE(rollscan::KeywordOperator)

namespace {
Description entry(const QString &text, const std::array<QString, 5> &header = {})
{
    Description d;
    d.header = header;
    d.text = text;
    return d;
}

// A congress whose roll calls carry the given short descriptions and free texts.
CongressData congress(const QStringList &descriptions, const QStringList &texts)
{
    CongressData data;
    for (int i = 0; i < descriptions.size(); ++i) {
        data.rollCalls.append(TreeBuilder::rollCall(descriptions[i], QDate(1981, 1, 5 + i), 200 + i, 100 + i));
        data.descriptions.append(entry(texts.value(i)));
    }
    return data;
}
} // namespace

class TestKeyword : public QObject {
    Q_OBJECT

private slots:
    void decisionTable_data();
    void decisionTable();
    void keywordTexts_data();
    void keywordTexts();
    void findBytes_data();
    void findBytes();
    void findBytesAgreesWithPlainSearch();
    void headerFieldsAreSeparateTexts_data();
    void headerFieldsAreSeparateTexts();
    void narrowKeepsPassingRowsAcrossCongresses();
    void narrowRewritesRowsFromTheRecords();
    void narrowWithEmptyPrimaryKeywordChangesNothing();
    void narrowMovesQueueEntriesWithTheirRows();
    void narrowFailureLeavesTableAndQueue();
    void operatorTexts();
};

void TestKeyword::decisionTable_data()
{
    // The sixteen rows of the decision table. `kept` lists the outcome for (F1, F2, F3) = 000, 001,
    // 010, 011, 100, 101, 110, 111 in that order.
    QTest::addColumn<KeywordOperator>("op2");
    QTest::addColumn<KeywordOperator>("op3");
    QTest::addColumn<QString>("kept");
    using Op = KeywordOperator;
    QTest::newRow("F1") << Op::None << Op::None << "00001111";
    QTest::newRow("F1 and F2") << Op::And << Op::None << "00000011";
    QTest::newRow("F1 or F2") << Op::Or << Op::None << "00111111";
    QTest::newRow("F1 and not F2") << Op::Not << Op::None << "00001100";
    QTest::newRow("F1 and F3") << Op::None << Op::And << "00000101";
    QTest::newRow("F1 or F3") << Op::None << Op::Or << "01011111";
    QTest::newRow("F1 and not F3") << Op::None << Op::Not << "00001010";
    QTest::newRow("F1 and F2 and F3") << Op::And << Op::And << "00000001";
    QTest::newRow("(F1 and F2) or F3") << Op::And << Op::Or << "01010111";
    QTest::newRow("F1 and F2 and not F3") << Op::And << Op::Not << "00000010";
    QTest::newRow("(F1 and F3) or F2") << Op::Or << Op::And << "00110111";
    QTest::newRow("F1 or F2 or F3") << Op::Or << Op::Or << "01111111";
    QTest::newRow("(F1 and not F3) or F2") << Op::Or << Op::Not << "00111011";
    QTest::newRow("F1 and not F2 and F3") << Op::Not << Op::And << "00000100";
    QTest::newRow("(F1 and not F2) or F3") << Op::Not << Op::Or << "01011101";
    QTest::newRow("F1 and not F2 and not F3") << Op::Not << Op::Not << "00001000";
}

void TestKeyword::decisionTable()
{
    QFETCH(KeywordOperator, op2);
    QFETCH(KeywordOperator, op3);
    QFETCH(QString, kept);
    KeywordCriteria c;
    c.keyword1 = QStringLiteral("alpha"); // the test upper-cases the keywords
    c.keyword2 = QStringLiteral("beta");
    c.keyword3 = QStringLiteral("gamma");
    c.op2 = op2;
    c.op3 = op3;
    const KeywordMatcher matcher(c);
    for (int i = 0; i < 8; ++i) {
        const bool f1 = i & 4, f2 = i & 2, f3 = i & 1;
        const bool expected = kept[i] == QLatin1Char('1');
        QCOMPARE(KeywordDecision(c, f1, f2, f3), expected);
        // The same through the texts: each keyword in a different one of the seven texts.
        QStringList texts(7, QStringLiteral("NOTHING HERE"));
        if (f1)
            texts[0] = QStringLiteral("ON ALPHA");
        if (f2)
            texts[3] = QStringLiteral("BETA");
        if (f3)
            texts[6] = QStringLiteral("THE GAMMA RAYS");
        QVERIFY2(matcher.kept(texts) == expected, qPrintable(QStringLiteral("F=%1%2%3").arg(f1).arg(f2).arg(f3)));
    }
}

void TestKeyword::keywordTexts_data()
{
    QTest::addColumn<QString>("kw1");
    QTest::addColumn<QString>("op2");
    QTest::addColumn<QString>("kw2");
    QTest::addColumn<QString>("op3");
    QTest::addColumn<QString>("kw3");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("kept");

    const QString none = QStringLiteral("(none)");
    QTest::newRow("lower-case text does not match")
        << "TAX" << none << "" << none << "" << QStringList{"Tax cut"} << false;
    QTest::newRow("upper-case text matches") << "TAX" << none << "" << none << "" << QStringList{"TAX CUT"} << true;
    QTest::newRow("keyword typed in lower case") << "tax" << none << "" << none << "" << QStringList{"TAX CUT"} << true;
    QTest::newRow("empty second keyword is everywhere") << "TAX"
                                                        << "AND"
                                                        << "" << none << "" << QStringList{"TAX"} << true;
    QTest::newRow("empty second keyword, no primary") << "TAX"
                                                      << "AND"
                                                      << "" << none << "" << QStringList{"FARM"} << false;
    QTest::newRow("cut or (tax and income): cut") << "TAX"
                                                  << "OR"
                                                  << "CUT"
                                                  << "AND"
                                                  << "INCOME" << QStringList{"CUT SPENDING"} << true;
    QTest::newRow("cut or (tax and income): both") << "TAX"
                                                   << "OR"
                                                   << "CUT"
                                                   << "AND"
                                                   << "INCOME" << QStringList{"TAX ON INCOME"} << true;
    QTest::newRow("cut or (tax and income): tax only") << "TAX"
                                                       << "OR"
                                                       << "CUT"
                                                       << "AND"
                                                       << "INCOME" << QStringList{"TAX ON GOODS"} << false;
    QTest::newRow("A not B: A alone") << "A" << none << ""
                                      << "NOT"
                                      << "B" << QStringList{"A"} << true;
    QTest::newRow("A not B: both") << "A" << none << ""
                                   << "NOT"
                                   << "B" << QStringList{"A", "", "B"} << false;
    QTest::newRow("second keyword ignored without operator")
        << "A" << none << "B" << none << "" << QStringList{"A"} << true;
    QTest::newRow("found only in the free text")
        << "WHEAT" << none << "" << none << "" << QStringList{"FARM BILL", "", "", "", "", "", "SUBSIDY FOR WHEAT"}
        << true;
    QTest::newRow("found in a header field")
        << "HR1234" << none << "" << none << "" << QStringList{"FARM BILL", "", "HR1234"} << true;
    QTest::newRow("never across two texts")
        << "TAX" << none << "" << none << "" << QStringList{"", "XYZ TA", "X ABC"} << false;
    QTest::newRow("Windows-1252 letters") << "débat" << none << "" << none << "" << QStringList{"LE DÉBAT"} << true;
    QTest::newRow("character outside the code page")
        << "Ω" << none << "" << none << "" << QStringList{"WHAT?"} << false;
}

void TestKeyword::keywordTexts()
{
    QFETCH(QString, kw1);
    QFETCH(QString, op2);
    QFETCH(QString, kw2);
    QFETCH(QString, op3);
    QFETCH(QString, kw3);
    QFETCH(QStringList, texts);
    QFETCH(bool, kept);
    KeywordCriteria c{kw1, kw2, kw3, KeywordOperatorFromText(op2), KeywordOperatorFromText(op3)};
    QCOMPARE(KeywordMatcher(c).kept(texts), kept);
}

void TestKeyword::findBytes_data()
{
    QTest::addColumn<QByteArray>("haystack");
    QTest::addColumn<QByteArray>("needle");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("at");
    const QByteArray forty = QByteArray(37, '.') + "TAX";
    QTest::newRow("empty needle") << QByteArray("ABC") << QByteArray() << 0 << 0;
    QTest::newRow("empty needle at the end") << QByteArray("ABC") << QByteArray() << 3 << 3;
    QTest::newRow("empty needle past the end") << QByteArray("ABC") << QByteArray() << 4 << -1;
    QTest::newRow("empty haystack") << QByteArray() << QByteArray("A") << 0 << -1;
    QTest::newRow("longer needle") << QByteArray("TA") << QByteArray("TAX") << 0 << -1;
    QTest::newRow("one byte") << QByteArray("..........................X") << QByteArray("X") << 0 << 26;
    QTest::newRow("last bytes of a long text") << forty << QByteArray("TAX") << 0 << 37;
    QTest::newRow("across a block boundary")
        << QByteArray(14, '.') + "TOBACCO" + QByteArray(30, '.') << QByteArray("TOBACCO") << 0 << 14;
    QTest::newRow("first and last bytes only")
        << QByteArray("TAXTXX") + QByteArray(30, '.') + "TAX" << QByteArray("TAX") << 1 << 36;
    QTest::newRow("from skips an earlier hit")
        << QByteArray("TAX") + QByteArray(30, '.') + "TAX" << QByteArray("TAX") << 1 << 33;
    QTest::newRow("negative from") << QByteArray("..TAX") << QByteArray("TAX") << -5 << 2;
    QTest::newRow("long needle") << QByteArray(50, 'A') + "APPROPRIATIONS BILL" << QByteArray("APPROPRIATIONS BILL")
                                 << 0 << 50;
    QTest::newRow("bytes above 127") << QByteArray(20, '\xe9') + "\x93X\x94" << QByteArray("\x93X\x94") << 0 << 20;
}

void TestKeyword::findBytes()
{
    QFETCH(QByteArray, haystack);
    QFETCH(QByteArray, needle);
    QFETCH(int, from);
    QFETCH(int, at);
    QCOMPARE(FindBytes(haystack, needle, from), qsizetype(at));
}

void TestKeyword::findBytesAgreesWithPlainSearch()
{
    // Two letters give many partial matches, which is where a fast search goes wrong.
    QRandomGenerator rng(97);
    for (int round = 0; round < 3000; ++round) {
        QByteArray hay(int(rng.bounded(0, 70)), Qt::Uninitialized);
        for (char &c : hay)
            c = rng.bounded(4) ? 'A' : 'B';
        QByteArray needle(int(rng.bounded(1, 9)), Qt::Uninitialized);
        for (char &c : needle)
            c = rng.bounded(4) ? 'A' : 'B';
        const int from = int(rng.bounded(0, int(hay.size()) + 2));
        const size_t expected = std::string_view(hay.data(), size_t(hay.size()))
                                    .find(std::string_view(needle.data(), size_t(needle.size())), size_t(from));
        const qsizetype want = expected == std::string_view::npos ? -1 : qsizetype(expected);
        QVERIFY2(FindBytes(hay, needle, from) == want,
                 qPrintable(QStringLiteral("%1 in %2 from %3").arg(needle, hay).arg(from)));
    }
}

void TestKeyword::headerFieldsAreSeparateTexts_data()
{
    QTest::addColumn<QString>("field1");
    QTest::addColumn<QString>("field2");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<bool>("kept");
    QTest::newRow("inside the second field") << "H.R. 1"
                                             << "TAX"
                                             << "TAX" << true;
    QTest::newRow("at the end of the first field") << "1234567890TAX"
                                                   << ""
                                                   << "TAX" << true;
    QTest::newRow("across the two fields") << "12345678901TA"
                                           << "X"
                                           << "TAX" << false;
    QTest::newRow("blank padding is text") << "AB"
                                           << ""
                                           << "AB " << true;
}

void TestKeyword::headerFieldsAreSeparateTexts()
{
    QFETCH(QString, field1);
    QFETCH(QString, field2);
    QFETCH(QString, keyword);
    QFETCH(bool, kept);
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    CongressData data = congress({"VOTE"}, {"FREE TEXT"});
    data.descriptions[0].header = {field1, field2, QString(), QString(), QString()};
    tree.addCongress(true, 97, data);
    tree.writeIndexes();
    Session session(dir.path());
    session.newDataFormat = false;
    session.selectedCongresses = {97};
    SearchCriteria c;
    c.kind = SearchKind::Keyword;
    c.keywords.keyword1 = keyword;
    QCOMPARE(RunSearch(session, c).matchCount, kept ? 1 : 0);
}

void TestKeyword::narrowKeepsPassingRowsAcrossCongresses()
{
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    tree.addCongress(true, 97, congress({"TAX CUT", "FARM BILL", "TAX ON INCOME"}, {"", "", ""}));
    tree.addCongress(true, 98, congress({"DEFENSE", "BUDGET"}, {"A TAX INCREASE", ""}));
    tree.writeIndexes();
    Session session(dir.path());
    session.newDataFormat = false;
    session.selectedCongresses = {97, 98};
    QCOMPARE(RunSearch(session, {}).matchCount, 5);

    KeywordCriteria c;
    c.keyword1 = QStringLiteral("TAX");
    QVERIFY(NarrowByKeyword(session, c));
    QCOMPARE(session.MatchTable.matchCount(), 3);
    QCOMPARE(session.MatchTable.row(1).description, QStringLiteral("TAX CUT"));
    QCOMPARE(session.MatchTable.row(2).description, QStringLiteral("TAX ON INCOME"));
    QCOMPARE(session.MatchTable.row(2).rollCall, qint16(3));
    QCOMPARE(session.MatchTable.row(3).congress, qint16(98));
    QCOMPARE(session.MatchTable.row(3).rollCall, qint16(1));
    QCOMPARE(session.currentCongress, 98);

    // Repeated refinements narrow further; nothing passing leaves an empty table.
    c.keyword1 = QStringLiteral("INCOME");
    QVERIFY(NarrowByKeyword(session, c));
    QCOMPARE(session.MatchTable.matchCount(), 1);
    c.keyword1 = QStringLiteral("NOWHERE");
    QVERIFY(NarrowByKeyword(session, c));
    QCOMPARE(session.MatchTable.matchCount(), 0);
}

void TestKeyword::narrowRewritesRowsFromTheRecords()
{
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    tree.addCongress(false, 105, congress({"TAX CUT", "FARM BILL"}, {"", ""}), true);
    tree.writeIndexes();
    Session session(dir.path());
    session.isHouse = false;
    // Rows as a bookmark file may leave them: stale description and tallies.
    session.MatchTable.append({2, QStringLiteral("old text"), TaggedDate::FromText(QStringLiteral("x")), 1, 2, 105});
    session.MatchTable.append({1, QStringLiteral("old text"), TaggedDate::FromText(QStringLiteral("x")), 1, 2, 105});
    KeywordCriteria c;
    c.keyword1 = QStringLiteral("BILL");
    QList<int> progress;
    QVERIFY(NarrowByKeyword(session, c, [&](int percent, int) { progress.append(percent); }));
    QCOMPARE(session.MatchTable.matchCount(), 1);
    const MatchRow expected{2, QStringLiteral("FARM BILL"), TaggedDate::FromDate(QDate(1981, 1, 6)), 201, 101, 105};
    QCOMPARE(session.MatchTable.row(1), expected);
    QVERIFY(progress.isEmpty()); // refreshed every 50 rows only
}

void TestKeyword::narrowWithEmptyPrimaryKeywordChangesNothing()
{
    Session session(QStringLiteral("/nonexistent"));
    session.MatchTable.append({1, QStringLiteral("X"), {}, 1, 1, 97});
    session.queue.add({1, 1, QStringLiteral("1-1\tX")});
    KeywordCriteria c;
    c.op2 = KeywordOperator::And;
    c.keyword2 = QStringLiteral("X");
    QVERIFY(!NarrowByKeyword(session, c));
    QCOMPARE(session.MatchTable.matchCount(), 1);
    QCOMPARE(session.queue.length(), 1);
}

void TestKeyword::narrowMovesQueueEntriesWithTheirRows()
{
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    tree.addCongress(true, 97, congress({"TAX A", "FARM", "TAX B", "TAX C"}, {"", "", "", ""}));
    tree.writeIndexes();
    Session session(dir.path());
    session.newDataFormat = false;
    session.selectedCongresses = {97};
    RunSearch(session, {});
    session.queue.addRows(session.MatchTable, {4, 2, 3, 3}, session.smallScreen);
    session.queue.setCurrentQueuePos(3);
    const QStringList linesBefore = session.queue.lines();

    KeywordCriteria c;
    c.keyword1 = QStringLiteral("TAX");
    QVERIFY(NarrowByKeyword(session, c));
    // Rows 1, 3, 4 became 1, 2, 3; the entry of the dropped row 2 left the queue.
    QCOMPARE(session.queue.rows(), (QList<int>{3, 2, 2}));
    QCOMPARE(session.queue.rollCalls(), (QList<int>{4, 3, 3}));
    QCOMPARE(session.queue.lines(), (QStringList{linesBefore[0], linesBefore[2], linesBefore[3]}));
    QCOMPARE(session.queue.currentQueuePos(), 2); // still the entry of roll call 3
    for (int p = 1; p <= session.queue.length(); ++p)
        QCOMPARE(int(session.MatchTable.row(session.queue.at(p).row).rollCall), session.queue.at(p).rollCall);
}

void TestKeyword::narrowFailureLeavesTableAndQueue()
{
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    tree.addCongress(true, 97, congress({"TAX A"}, {""}));
    tree.addCongress(true, 98, congress({"TAX B"}, {""}));
    tree.writeIndexes();
    QVERIFY(QFile::remove(tree.path(QStringLiteral("house/98.dbn"))));
    Session session(dir.path());
    session.newDataFormat = false;
    session.selectedCongresses = {97, 98};
    RunSearch(session, {});
    session.queue.addAll(session.MatchTable);
    KeywordCriteria c;
    c.keyword1 = QStringLiteral("NONE");
    try {
        NarrowByKeyword(session, c);
        QFAIL("a missing description file must be reported");
    } catch (const FileError &e) {
        QCOMPARE(e.number(), 53);
        QVERIFY(e.path().endsWith(QLatin1String("house/98.dbn")));
    }
    QCOMPARE(session.MatchTable.matchCount(), 2);
    QCOMPARE(session.queue.length(), 2);
}

void TestKeyword::operatorTexts()
{
    QCOMPARE(KeywordOperatorTexts(), (QStringList{"(none)", "AND", "OR", "NOT"}));
    for (const QString &t : KeywordOperatorTexts())
        QCOMPARE(KeywordOperatorText(KeywordOperatorFromText(t)), t);
}

QTEST_APPLESS_MAIN(TestKeyword)
#include "tst_keyword.moc"
