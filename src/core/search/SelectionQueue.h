#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace rollscan {

class Session;

// The selection queue lives in Session (queueLines, queueRows, queueRollCalls, currentQueuePos);
// these are the operations of the roll-call list over it, so that the window only calls them.
// Positions are 1-based; the lists hold position p at element p - 1.

// The queue holds at most this many entries, like the list it is built from.
constexpr int kMaxQueueEntries = 20000;

// Appends MatchTable rows (1-based, in the order given) with the text their list line has
// (short form on a small screen). Duplicates are allowed; rows outside the table are skipped.
// Returns the number appended, which falls short when the queue is full.
int AddToQueue(Session &session, const QList<int> &rows);

// Replaces the queue with every row of the table, always with the long list-line form.
// Returns the queue length.
int AddAllToQueue(Session &session);

// Removes the entry at `position`; false (and no change) when there is none. The current position
// keeps naming the same entry, or the nearest one left when that entry was removed.
bool RemoveFromQueue(Session &session, int position);

// Empties the queue; the current position becomes 0.
void ClearQueue(Session &session);

// Sets the current position to 1 for a display to start; false when the queue is empty.
bool StartQueue(Session &session);

// True when the queue holds exactly the two entries a cross-tabulation needs.
bool CrossTabAvailable(const Session &session);

// The 1-based list row that quick entry selects for the typed number, or nothing when the text is not
// a number from 1 to both the congress's roll-call count and the list's length.
std::optional<int> QuickEntryRow(const QString &typed, int rollCallCount, int listLength);

// After the table was narrowed in place: `newRowOf` maps each old row (element i is row i + 1) to
// its new row, or 0 when it was dropped. Entries of kept rows follow their row; entries of dropped
// rows leave the queue, since the rows they named are gone.
void RemapQueue(Session &session, const QList<int> &newRowOf);

} // namespace rollscan
