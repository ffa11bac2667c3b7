#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace rollscan {

class MatchTable;

// One entry of the selection queue: the MatchTable row (1-based) it was taken from, that row's
// roll-call number and the text its line had in the list when it was queued.
struct QueueEntry {
    int row = 0;
    int rollCall = 0;
    QString text;
    bool operator==(const QueueEntry &) const = default;
};

// The roll calls queued for the displays, in the user's order, and the position the displays show.
// Positions are 1-based; position 0 names no entry. The same row may be queued more than once.
class SelectionQueue {
public:
    // The queue holds at most this many entries, like the list it is built from.
    static constexpr int kMaxEntries = 20000;

    int length() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    // The entry at `position`, 1..length() (asserted in range).
    const QueueEntry &at(int position) const { return m_entries.at(position - 1); }
    const QList<QueueEntry> &entries() const { return m_entries; }
    // The text, row and roll call of every entry, in order.
    QStringList lines() const;
    QList<int> rows() const;
    QList<int> rollCalls() const;

    // Appends an entry; false (and no change) when the queue is full.
    bool add(const QueueEntry &entry);
    // Appends MatchTable rows (1-based, in the order given) with the text of their list line (short form
    // with `shortLines`). Rows outside the table are skipped. Returns the number appended, which falls
    // short when the queue is full.
    int addRows(const MatchTable &table, const QList<int> &rows, bool shortLines);
    // Replaces the queue with every row of the table, always with the long line form. Returns length().
    int addAll(const MatchTable &table);
    // Removes the entry at `position`; false (and no change) when there is none. The current position
    // keeps naming the same entry, or the nearest one left when that entry was removed.
    bool remove(int position);
    // Moves the entry at `from` to `to` (both 1..length()), the others closing up; the current position
    // follows the entry it named. False (and no change) when either position is out of range.
    bool move(int from, int to);
    // Empties the queue; the current position becomes 0.
    void clear();
    // After the table was narrowed in place: `newRowOf` maps each old row (element i is row i + 1) to
    // its new row, or 0 when it was dropped. Entries of kept rows follow their row; entries of dropped
    // rows leave the queue, since the rows they named are gone.
    void remap(const QList<int> &newRowOf);

    // The entry the displays show (0: none yet).
    int currentQueuePos() const { return m_current; }
    // The displays may set any position; one outside 1..length() names no entry.
    void setCurrentQueuePos(int position) { m_current = position; }
    // Sets the current position to 1 for a display to start; false when the queue is empty.
    bool start();
    // True when the queue holds exactly the two entries a cross-tabulation needs.
    bool crossTabAvailable() const { return m_entries.size() == 2; }

private:
    QList<QueueEntry> m_entries;
    int m_current = 0;
};

} // namespace rollscan
