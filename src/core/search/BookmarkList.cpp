#include "core/search/BookmarkList.h"

#include "core/data/FileIO.h"

#include <QFileInfo>

namespace rollscan {

QStringList BookmarkList::lines() const
{
    QStringList out;
    out.reserve(m_entries.size());
    for (const BookmarkEntry &e : m_entries)
        out.append(BookmarkListLine(e));
    return out;
}

bool BookmarkList::load(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    const QByteArray content = ReadWholeFile(path);
    QList<BookmarkEntry> all = BookmarkFile::Parse(content, path, kMaxEntries + 1);
    m_truncated = all.size() > kMaxEntries;
    if (m_truncated)
        all.resize(kMaxEntries);
    m_entries = all;
    return true;
}

void BookmarkList::save(const QString &path) const
{
    BookmarkFile::Rewrite(path, m_entries);
}

int BookmarkList::moveUp(int row)
{
    if (row < 1 || row >= m_entries.size())
        return row;
    m_entries.swapItemsAt(row, row - 1);
    return row - 1;
}

int BookmarkList::moveDown(int row)
{
    if (row < 0 || row >= m_entries.size() - 1)
        return row;
    m_entries.swapItemsAt(row, row + 1);
    return row + 1;
}

bool BookmarkList::remove(int row)
{
    if (row < 0 || row >= m_entries.size())
        return false;
    m_entries.removeAt(row);
    return true;
}

void BookmarkList::clear()
{
    m_entries.clear();
    m_truncated = false;
}

bool BookmarkList::append(const BookmarkEntry &entry)
{
    if (m_entries.size() >= kMaxEntries)
        return false;
    m_entries.append(entry);
    return true;
}

} // namespace rollscan
