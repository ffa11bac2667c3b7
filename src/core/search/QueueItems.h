#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace rollscan {

class Session;

// One roll call named outside the windows: congress and roll-call number.
struct QueueItem {
    int congress = 0;
    int rollCall = 0;
    bool operator==(const QueueItem &) const = default;
};

// Parses comma-separated items "N:R" (congress N, roll call R) or a plain "R" (roll call R of
// `defaultCongress`), in order. Nothing, with the reason in `error`, for an item that is not of
// that form or has a number below 1.
std::optional<QList<QueueItem>> ParseQueueItems(const QString &text, int defaultCongress, QString &error);

// Fills the session's MatchTable with the rows of the items, as a search would list them, and
// queues them in the order given; the current position becomes 1. The session's dataRoot, isHouse
// and newDataFormat say where to read. Throws DataError for a roll call outside its congress and
// FileError for files that cannot be read.
void QueueRollCalls(Session &session, const QList<QueueItem> &items);

} // namespace rollscan
