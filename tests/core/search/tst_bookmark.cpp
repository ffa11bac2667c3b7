// Bookmark files: the record layout, appending, rewriting from the editor, reading, and their use
// as a search source.
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/search/BookmarkFile.h"
#include "core/search/BookmarkList.h"
#include "core/search/SelectionQueue.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <cstring>

using namespace rollscan;

namespace {
qint16 i16At(const QByteArray &b, qsizetype off)
{
    return qFromLittleEndian<qint16>(b.constData() + off);
}
double f64At(const QByteArray &b, qsizetype off)
{
    const quint64 bits = qFromLittleEndian<quint64>(b.constData() + off);
    double d;
    std::memcpy(&d, &bits, 8);
    return d;
}

BookmarkEntry entry(int congress, int rollCall, const QString &description = QStringLiteral("A vote"),
                    bool isHouse = true)
{
    BookmarkEntry e;
    e.isHouse = isHouse;
    e.congress = qint16(congress);
    e.rollCall = qint16(rollCall);
    e.date = TaggedDate::FromDate(QDate(1993, 2, 4).addDays(rollCall));
    e.description = description;
    e.yeas = qint16(200 + rollCall);
    e.nays = qint16(100 + rollCall);
    return e;
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
    return i16At(file, qint64(n - 1) * 87 + 79);
}
} // namespace

class TestBookmark : public QObject {
    Q_OBJECT

private slots:
    void recordLayoutWithDate();
    void recordLayoutWithTextDate();
    void descriptionPaddedOrCut_data();
    void descriptionPaddedOrCut();
    void appendToExistingFile();
    void appendCreatesFile();
    void rewriteKeepsLaterRecords();
    void rewriteKeepsUnusedBytes();
    void readStopsAtEndWithoutFlag();
    void readIgnoresTrailingFragment();
    void badRecords_data();
    void badRecords();
    void longTextDateIsRefused();
    void editorLoadStopsAtOneHundred();
    void editorMoves_data();
    void editorMoves();
    void editorRemoveAndClear();
    void editorLoadOfMissingFileChangesNothing();
    void listLine();
    void queueBecomesEntries();
    void loadAsSearchSource();
};

void TestBookmark::recordLayoutWithDate()
{
    const BookmarkEntry e = entry(103, 45, QStringLiteral("To pass H.R. 2"));
    const QByteArray r = BookmarkFile::EncodeRecord(e, true);
    QCOMPARE(r.size(), 87);
    QCOMPARE(r.at(0), 'h');
    QCOMPARE(i16At(r, 1), qint16(103));
    QCOMPARE(i16At(r, 3), qint16(45));
    QCOMPARE(i16At(r, 5), qint16(7));
    QCOMPARE(f64At(r, 7), e.date.serial);
    QCOMPARE(r.mid(15, 60), QByteArray("To pass H.R. 2").leftJustified(60, ' '));
    QCOMPARE(i16At(r, 75), qint16(245));
    QCOMPARE(i16At(r, 77), qint16(145));
    QCOMPARE(i16At(r, 79), qint16(-1));
    QCOMPARE(r.mid(81), QByteArray(6, '\0'));
    QCOMPARE(i16At(BookmarkFile::EncodeRecord(e, false), 79), qint16(0));
    QCOMPARE(BookmarkFile::Parse(r, QStringLiteral("x.bmk")), QList<BookmarkEntry>{e});
}

void TestBookmark::recordLayoutWithTextDate()
{
    BookmarkEntry e = entry(7, 3, QStringLiteral("Senate vote"), false);
    e.date = TaggedDate::FromText(QStringLiteral("1802"));
    const QByteArray r = BookmarkFile::EncodeRecord(e, true);
    QCOMPARE(r.at(0), 's');
    QCOMPARE(i16At(r, 5), qint16(8));
    QCOMPARE(i16At(r, 7), qint16(4));
    QCOMPARE(r.mid(9, 4), QByteArray("1802"));
    QCOMPARE(r.mid(13, 60), QByteArray("Senate vote").leftJustified(60, ' '));
    QCOMPARE(i16At(r, 73), qint16(203));
    QCOMPARE(i16At(r, 75), qint16(103));
    QCOMPARE(i16At(r, 77), qint16(-1));
    QCOMPARE(BookmarkFile::Parse(r, QStringLiteral("x.bmk")), QList<BookmarkEntry>{e});
}

void TestBookmark::descriptionPaddedOrCut_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QByteArray>("stored");
    const QString seventy = QString(QStringLiteral("0123456789")).repeated(7);
    QTest::newRow("70 characters") << seventy << seventy.left(60).toLatin1();
    QTest::newRow("short") << QStringLiteral("Short") << QByteArray("Short").leftJustified(60, ' ');
    QTest::newRow("Windows-1252") << QString::fromUtf8("Caf\u00e9 \u201cvote\u201d")
                                  << QByteArray("Caf\xe9 \x93vote\x94").leftJustified(60, ' ');
}

void TestBookmark::descriptionPaddedOrCut()
{
    QFETCH(QString, description);
    QFETCH(QByteArray, stored);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.bmk"));
    BookmarkFile::Append(path, {entry(103, 1, description)});
    QCOMPARE(ReadWholeFile(path).mid(15, 60), stored);
}

void TestBookmark::appendToExistingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.bmk"));
    BookmarkFile::Append(path, entries(1, 2));
    const QByteArray before = ReadWholeFile(path);
    QCOMPARE(before.size(), 2 * 87);
    QCOMPARE(flagOf(before, 2), qint16(-1));

    BookmarkFile::Append(path, entries(10, 3));
    const QByteArray after = ReadWholeFile(path);
    QCOMPARE(after.size(), 5 * 87);
    for (int n = 1; n <= 4; ++n)
        QCOMPARE(flagOf(after, n), qint16(0));
    QCOMPARE(flagOf(after, 5), qint16(-1));
    // Only the old last record's flag changed.
    QByteArray expected = before;
    expected[79 + 87] = 0;
    expected[80 + 87] = 0;
    QCOMPARE(after.left(2 * 87), expected);
    QCOMPARE(BookmarkFile::Read(path), entries(1, 2) + entries(10, 3));
}

void TestBookmark::appendCreatesFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.bmk"));
    BookmarkFile::Append(path, entries(4, 2));
    const QByteArray file = ReadWholeFile(path);
    QCOMPARE(file, BookmarkFile::EncodeRecord(entry(103, 4), false) + BookmarkFile::EncodeRecord(entry(103, 5), true));
    QVERIFY_THROWS_EXCEPTION(FileError,
                             BookmarkFile::Append(dir.filePath(QStringLiteral("no/such/dir.bmk")), entries(1, 1)));
}

void TestBookmark::rewriteKeepsLaterRecords()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.bmk"));
    BookmarkFile::Append(path, entries(1, 5));
    const QByteArray before = ReadWholeFile(path);

    BookmarkList editor;
    QVERIFY(editor.load(path));
    QCOMPARE(editor.count(), 5);
    editor.remove(0);
    editor.remove(0);
    editor.remove(0);
    editor.save(path);
    const QByteArray after = ReadWholeFile(path);
    QCOMPARE(after.size(), 5 * 87);
    QCOMPARE(after.mid(2 * 87), before.mid(2 * 87)); // records 3 to 5 stay as they were
    QCOMPARE(flagOf(after, 1), qint16(0));
    QCOMPARE(flagOf(after, 2), qint16(-1));
    QVERIFY(editor.load(path));
    QCOMPARE(editor.entries(), entries(4, 2));

    // An empty list leaves an empty file.
    editor.clear();
    editor.save(path);
    QCOMPARE(ReadWholeFile(path), QByteArray());
    QCOMPARE(BookmarkFile::Read(path).size(), 0);
}

void TestBookmark::rewriteKeepsUnusedBytes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.bmk"));
    QByteArray old = BookmarkFile::EncodeRecord(entry(103, 1), false) + BookmarkFile::EncodeRecord(entry(103, 2), true);
    old.replace(81, 6, QByteArray(6, '\xAA'));
    WriteWholeFile(path, old);
    BookmarkFile::Rewrite(path, {entry(104, 9)});
    const QByteArray after = ReadWholeFile(path);
    QCOMPARE(after.mid(81, 6), QByteArray(6, '\xAA'));
    QCOMPARE(after.left(81), BookmarkFile::EncodeRecord(entry(104, 9), true).left(81));
    QCOMPARE(after.mid(87), old.mid(87));
}

void TestBookmark::readStopsAtEndWithoutFlag()
{
    const QByteArray file = BookmarkFile::EncodeRecord(entry(103, 1), false) +
                            BookmarkFile::EncodeRecord(entry(103, 2), false) +
                            BookmarkFile::EncodeRecord(entry(103, 3), false);
    QCOMPARE(BookmarkFile::Parse(file, QStringLiteral("x.bmk")), entries(1, 3));
    QCOMPARE(BookmarkFile::Parse(QByteArray(), QStringLiteral("x.bmk")).size(), 0);
    // And the flag ends the list even when records follow it.
    const QByteArray flagged = BookmarkFile::EncodeRecord(entry(103, 1), true) + file;
    QCOMPARE(BookmarkFile::Parse(flagged, QStringLiteral("x.bmk")), entries(1, 1));
}

void TestBookmark::readIgnoresTrailingFragment()
{
    // A last record that stops right after its flag is whole; one cut inside its fields is not read.
    const QByteArray two =
        BookmarkFile::EncodeRecord(entry(103, 1), false) + BookmarkFile::EncodeRecord(entry(103, 2), false).left(81);
    QCOMPARE(BookmarkFile::Parse(two, QStringLiteral("x.bmk")), entries(1, 2));
    QCOMPARE(BookmarkFile::Parse(two.left(87 + 50), QStringLiteral("x.bmk")), entries(1, 1));

    // Appending after such a file puts the new record at its own place.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("short.bmk"));
    WriteWholeFile(path, two);
    BookmarkFile::Append(path, entries(7, 1));
    QCOMPARE(ReadWholeFile(path).size(), 3 * 87);
    QCOMPARE(BookmarkFile::Read(path), entries(1, 2) + entries(7, 1));
}

void TestBookmark::badRecords_data()
{
    QTest::addColumn<QByteArray>("record");
    QByteArray unknownTag = BookmarkFile::EncodeRecord(entry(103, 1), true);
    unknownTag[5] = 9;
    QByteArray longText = BookmarkFile::EncodeRecord(entry(103, 1), true);
    longText[5] = 8;
    longText[7] = 13;
    longText[8] = 0;
    QTest::newRow("unknown date type") << unknownTag;
    QTest::newRow("text date over 16 bytes") << longText;
}

void TestBookmark::badRecords()
{
    QFETCH(QByteArray, record);
    try {
        BookmarkFile::Parse(record, QStringLiteral("/u/bad.bmk"));
        QFAIL("a malformed record must be reported");
    } catch (const FileError &e) {
        QCOMPARE(e.number(), 322);
        QCOMPARE(e.path(), QStringLiteral("/u/bad.bmk"));
    }
}

void TestBookmark::longTextDateIsRefused()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.bmk"));
    BookmarkFile::Append(path, entries(1, 1));
    const QByteArray before = ReadWholeFile(path);
    BookmarkEntry e = entry(7, 2);
    e.date = TaggedDate::FromText(QStringLiteral("December 1802"));
    QVERIFY_THROWS_EXCEPTION(DataError, BookmarkFile::Append(path, {entry(7, 1), e}));
    QCOMPARE(ReadWholeFile(path), before);
}

void TestBookmark::editorLoadStopsAtOneHundred()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.bmk"));
    BookmarkFile::Append(path, entries(1, 120));
    BookmarkList editor;
    QVERIFY(editor.load(path));
    QCOMPARE(editor.count(), 100);
    QVERIFY(editor.truncated());
    QCOMPARE(editor.entries().last().rollCall, qint16(100));
    QVERIFY(!editor.append(entry(103, 500)));
    BookmarkFile::Rewrite(path, entries(1, 100));
    QVERIFY(editor.load(path));
    QVERIFY(!editor.truncated());
}

void TestBookmark::editorMoves_data()
{
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("order");
    QTest::newRow("up on the first row") << true << 0 << 0 << QList<int>{1, 2, 3};
    QTest::newRow("down on the last row") << false << 2 << 2 << QList<int>{1, 2, 3};
    QTest::newRow("up from the middle") << true << 1 << 0 << QList<int>{2, 1, 3};
    QTest::newRow("down from the first") << false << 0 << 1 << QList<int>{2, 1, 3};
    QTest::newRow("no current row") << true << -1 << -1 << QList<int>{1, 2, 3};
}

void TestBookmark::editorMoves()
{
    QFETCH(bool, up);
    QFETCH(int, row);
    QFETCH(int, current);
    QFETCH(QList<int>, order);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("m.bmk"));
    BookmarkFile::Append(path, entries(1, 3));
    BookmarkList editor;
    editor.load(path);
    QCOMPARE(up ? editor.moveUp(row) : editor.moveDown(row), current);
    QList<int> got;
    for (const BookmarkEntry &e : editor.entries())
        got.append(e.rollCall);
    QCOMPARE(got, order);
    QCOMPARE(editor.lines().at(0), BookmarkListLine(editor.entries().at(0)));
}

void TestBookmark::editorRemoveAndClear()
{
    BookmarkList editor;
    for (const BookmarkEntry &e : entries(1, 3))
        editor.append(e);
    QVERIFY(editor.remove(1));
    QVERIFY(!editor.remove(2));
    QCOMPARE(editor.lines(), (QStringList{"H# 103,\tRoll call 1", "H# 103,\tRoll call 3"}));
    editor.clear();
    QCOMPARE(editor.count(), 0);
}

void TestBookmark::editorLoadOfMissingFileChangesNothing()
{
    QTemporaryDir dir;
    BookmarkList editor;
    editor.append(entry(103, 1));
    QVERIFY(!editor.load(dir.filePath(QStringLiteral("none.bmk"))));
    QVERIFY(!editor.load(QString()));
    QCOMPARE(editor.count(), 1);
}

void TestBookmark::listLine()
{
    QCOMPARE(BookmarkListLine(entry(103, 45)), QStringLiteral("H# 103,\tRoll call 45"));
    QCOMPARE(BookmarkListLine(entry(7, 2, {}, false)), QStringLiteral("S# 7,\tRoll call 2"));
}

void TestBookmark::queueBecomesEntries()
{
    Session s(QStringLiteral("/nonexistent"));
    s.isHouse = false;
    s.MatchTable.append({12, QStringLiteral("First"), TaggedDate::FromDate(QDate(2001, 1, 3)), 51, 49, 107});
    s.MatchTable.append({30, QStringLiteral("Second"), TaggedDate::FromDate(QDate(2001, 2, 3)), 60, 40, 107});
    s.queue.addRows(s.MatchTable, {2, 1, 2}, s.smallScreen);
    const QList<BookmarkEntry> got = BookmarkEntriesFromQueue(s);
    QCOMPARE(got.size(), 3);
    QCOMPARE(got[0].rollCall, qint16(30));
    QCOMPARE(got[1].description, QStringLiteral("First"));
    QCOMPARE(got[1].yeas, qint16(51));
    QCOMPARE(got[2].nays, qint16(40));
    QCOMPARE(got[2].congress, qint16(107));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("senate.bmk"));
    BookmarkFile::Append(path, got);
    const QByteArray file = ReadWholeFile(path);
    for (int n = 0; n < 3; ++n)
        QCOMPARE(file.at(n * 87), 's');
}

void TestBookmark::loadAsSearchSource()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mixed.bmk"));
    QList<BookmarkEntry> list = {entry(103, 45, QStringLiteral("A")), entry(104, 2, QStringLiteral("B"), false)};
    BookmarkFile::Append(path, list);
    // The entries must be roll calls of the tree: House 103 holds 45 roll calls, Senate 104 two.
    rollscan::test::TreeBuilder tree(dir.path());
    tree.setCounts(true, 103, {420, 45});
    tree.setCounts(false, 104, {100, 2});
    tree.writeIndexes();
    Session s(dir.path());
    s.MatchTable.append({1, QStringLiteral("old"), {}, 1, 1, 97});
    s.queue.addAll(s.MatchTable);
    const SearchOutcome out = LoadBookmarkFile(s, path);
    QCOMPARE(out.matchCount, 2);
    QVERIFY(!out.truncated);
    QVERIFY(!s.isHouse); // the last entry is a Senate roll call
    QVERIFY(s.searchByOther);
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

QTEST_APPLESS_MAIN(TestBookmark)
#include "tst_bookmark.moc"
