#pragma once

#include "core/Progress.h"
#include "core/search/MatchTable.h"
#include "core/search/RollCallSearch.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace rollscan {

class Session;

// One roll call of a bookmark file.
struct BookmarkEntry {
    bool isHouse = true;
    qint16 congress = 0;
    qint16 rollCall = 0;
    TaggedDate date;
    QString description; // at most 60 characters (trailing blanks removed when read)
    qint16 yeas = 0;
    qint16 nays = 0;
    bool operator==(const BookmarkEntry &) const = default;
};

// Bookmark files (".bmk"): fixed 87-byte records, one roll call each, in list order. The record with
// the last-record flag ends the list; bytes after it (left from an earlier, longer list) are kept in
// the file but never read.
class BookmarkFile {
public:
    static constexpr int kRecordLength = 87;
    // A tagged date may use at most 16 bytes, so a text date holds at most 12 characters.
    static constexpr int kMaxDateBytes = 16;
    static constexpr int kDescriptionWidth = 60;

    // Entries from record 1 up to the flagged record, or to the end of the file when none is flagged
    // (a trailing fragment shorter than its fields is ignored), at most `maxEntries` when not negative.
    // Throws FileError 53 for a missing file, 322 (not a bookmark file) for a date the format does not allow.
    static QList<BookmarkEntry> Read(const QString &path, int maxEntries = -1);
    // The same over the bytes of a file.
    static QList<BookmarkEntry> Parse(const QByteArray &content, const QString &path, int maxEntries = -1);

    // Appends entries after the list an existing file holds (its flagged record loses the flag), or
    // creates the file. The last entry carries the flag. Throws FileError, or DataError for a text
    // date longer than 12 characters; the file is unchanged then.
    static void Append(const QString &path, const QList<BookmarkEntry> &entries);
    // Writes entries as records 1..n of the file, flag on record n, keeping any bytes the file holds
    // beyond them. An empty list leaves an empty file. Throws as Append.
    static void Rewrite(const QString &path, const QList<BookmarkEntry> &entries);

    // The bytes of one record (all 87; the bytes after the flag are zero).
    static QByteArray EncodeRecord(const BookmarkEntry &entry, bool last);
};

// The editor's line of an entry: "H# 103,", a TAB, "Roll call 45" ("S# " for the Senate).
QString BookmarkListLine(const BookmarkEntry &entry);

// The entries of the selection queue, in queue order: chamber from session.isHouse, congress, date,
// description and tallies from each entry's MatchTable row, the roll-call number from the queue entry.
QList<BookmarkEntry> BookmarkEntriesFromQueue(const Session &session);

// Fills the match table from a bookmark file, as a search does: one row per entry up to the flagged
// record. session.isHouse follows the chamber of the last entry. With at least one entry the table is
// replaced and the queue emptied; with none nothing changes. Stops at MatchTable::kMaxRows rows
// (outcome.truncated). Throws FileError; nothing changes then.
SearchOutcome LoadBookmarkFile(Session &session, const QString &path, const ProgressCallback &progress = {});

} // namespace rollscan
