#include "core/search/SelectionQueue.h"

#include "core/search/MatchTable.h"

#include <algorithm>

namespace rollscan {

QStringList SelectionQueue::lines() const
{
    QStringList lines;
    lines.reserve(m_entries.size());
    for (const QueueEntry &entry : m_entries)
        lines.append(entry.text);
    return lines;
}

QList<int> SelectionQueue::rows() const
{
    QList<int> rows;
    for (const QueueEntry &entry : m_entries)
        rows.append(entry.row);
    return rows;
}

QList<int> SelectionQueue::rollCalls() const
{
    QList<int> rollCalls;
    for (const QueueEntry &entry : m_entries)
        rollCalls.append(entry.rollCall);
    return rollCalls;
}

bool SelectionQueue::add(const QueueEntry &entry)
{
    if (length() >= kMaxEntries)
        return false;
    m_entries.append(entry);
    return true;
}

int SelectionQueue::addRows(const MatchTable &table, const QList<int> &rows, bool shortLines)
{
    int added = 0;
    for (int row : rows) {
        if (row < 1 || row > table.matchCount())
            continue;
        const MatchRow &match = table.row(row);
        if (!add({row, match.rollCall, MatchListLine(match, shortLines)}))
            break;
        ++added;
    }
    return added;
}

int SelectionQueue::addAll(const MatchTable &table)
{
    clear();
    const int count = std::min(table.matchCount(), kMaxEntries);
    m_entries.reserve(count);
    for (int row = 1; row <= count; ++row)
        m_entries.append({row, table.row(row).rollCall, MatchListLine(table.row(row), false)});
    return length();
}

bool SelectionQueue::remove(int position)
{
    if (position < 1 || position > length())
        return false;
    m_entries.removeAt(position - 1);
    if (position < m_current)
        --m_current;
    m_current = std::min(m_current, length());
    return true;
}

bool SelectionQueue::move(int from, int to)
{
    if (from < 1 || from > length() || to < 1 || to > length())
        return false;
    m_entries.move(from - 1, to - 1);
    if (m_current == from)
        m_current = to;
    else if (from < m_current && m_current <= to)
        --m_current;
    else if (to <= m_current && m_current < from)
        ++m_current;
    return true;
}

void SelectionQueue::clear()
{
    m_entries.clear();
    m_current = 0;
}

void SelectionQueue::remap(const QList<int> &newRowOf)
{
    const int oldCurrent = m_current;
    int newCurrent = 0;
    QList<QueueEntry> kept;
    for (int p = 1; p <= length(); ++p) {
        QueueEntry entry = m_entries.at(p - 1);
        const int newRow = (entry.row >= 1 && entry.row <= newRowOf.size()) ? newRowOf.at(entry.row - 1) : 0;
        if (newRow < 1)
            continue;
        entry.row = newRow;
        kept.append(entry);
        if (p <= oldCurrent)
            newCurrent = int(kept.size());
    }
    m_entries = kept;
    m_current = (oldCurrent >= 1 && !kept.isEmpty()) ? std::max(newCurrent, 1) : 0;
}

bool SelectionQueue::start()
{
    if (isEmpty())
        return false;
    m_current = 1;
    return true;
}

} // namespace rollscan
