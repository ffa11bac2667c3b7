#pragma once

#include "core/search/BookmarkFile.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace rollscan {

// The entries of the bookmark editor, with its operations; the window shows lines() and keeps the
// current row. Rows are 0-based, as a list box counts them.
class BookmarkList {
public:
    static constexpr int kMaxEntries = 100;

    const QList<BookmarkEntry> &entries() const { return m_entries; }
    int count() const { return int(m_entries.size()); }
    QStringList lines() const;

    // Replaces the entries with those of a file, at most kMaxEntries. Returns false and changes
    // nothing when the file does not exist. truncated() tells when the file held more.
    // Throws FileError for an unreadable or malformed file; the entries are unchanged then.
    bool load(const QString &path);
    bool truncated() const { return m_truncated; }
    // Rewrites the file from record 1 with the entries (see BookmarkFile::Rewrite).
    void save(const QString &path) const;

    // Swaps the row with the one above; returns the row that is current afterwards (unchanged for
    // the first row or a row out of range).
    int moveUp(int row);
    // Swaps the row with the one below; unchanged for the last row or a row out of range.
    int moveDown(int row);
    // Removes the row; false when there is none.
    bool remove(int row);
    void clear();
    // Appends an entry unless the list is full; false when full.
    bool append(const BookmarkEntry &entry);

private:
    QList<BookmarkEntry> m_entries;
    bool m_truncated = false;
};

} // namespace rollscan
