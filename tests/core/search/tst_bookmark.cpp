// Bookmark files: the record layout, appending, rewriting from the editor,
// reading, and their use as a search source.
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

using namespace rollscan;

namespace {
qint16 i16At(const QByteArray &b, qsizetype off)
{
    return qFromLittleEndian<qint16>(b.constData() + off);
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
        QCOMPARE(after.size(), 5 * 87);
        QCOMPARE(after.mid(2 * 87), before.mid(2 * 87));
        QCOMPARE(after.left(81), BookmarkFile::EncodeRecord(entry(103, 4), false).left(81));
        QCOMPARE(after.mid(81, 6), QByteArray(6, '\xAA'));
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
        for (const QByteArray &bad : {unknownTag, longText}) {
            try {
                BookmarkFile::Parse(bad, QStringLiteral("/u/bad.bmk"));
                QFAIL("a malformed record must be reported");
            } catch (const FileError &e) {
                QCOMPARE(e.number(), 322);
                QCOMPARE(e.path(), QStringLiteral("/u/bad.bmk"));
            }
        }
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
        s.MatchTable.append({12, QStringLiteral("First"), TaggedDate::FromDate(QDate(2001, 1, 3)), 51, 49, 107});
        s.MatchTable.append({30, QStringLiteral("Second"), TaggedDate::FromDate(QDate(2001, 2, 3)), 60, 40, 107});
        s.queue.addRows(s.MatchTable, {2, 1, 2}, s.smallScreen);
        const QList<BookmarkEntry> got = BookmarkEntriesFromQueue(s);
        QCOMPARE(got.size(), 3);
        QCOMPARE(got[0].rollCall, qint16(30));
        QCOMPARE(got[1].description, QStringLiteral("First"));
        QCOMPARE((QList<qint16>{got[1].yeas, got[2].nays, got[2].congress}), (QList<qint16>{51, 40, 107}));
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
        rollscan::test::TreeBuilder tree(dir.path());
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
};

QTEST_APPLESS_MAIN(TestBookmark)
#include "tst_bookmark.moc"
