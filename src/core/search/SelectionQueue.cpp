#include "core/search/SelectionQueue.h"

#include "core/app/Session.h"

namespace rollscan {

namespace {
void append(Session &session, int row, const QString &line)
{
    session.queueLines.append(line);
    session.queueRows.append(row);
    session.queueRollCalls.append(session.MatchTable.row(row).rollCall);
}
} // namespace

int AddToQueue(Session &session, const QList<int> &rows)
{
    int added = 0;
    for (int row : rows) {
        if (row < 1 || row > session.MatchTable.matchCount())
            continue;
        if (session.queueLength() >= kMaxQueueEntries)
            break;
        append(session, row, MatchListLine(session.MatchTable.row(row), session.smallScreen));
        ++added;
    }
    return added;
}

int AddAllToQueue(Session &session)
{
    ClearQueue(session);
    const int count = std::min(session.MatchTable.matchCount(), kMaxQueueEntries);
    session.queueLines.reserve(count);
    session.queueRows.reserve(count);
    session.queueRollCalls.reserve(count);
    for (int row = 1; row <= count; ++row)
        append(session, row, MatchListLine(session.MatchTable.row(row), false));
    return session.queueLength();
}

bool RemoveFromQueue(Session &session, int position)
{
    if (position < 1 || position > session.queueLength())
        return false;
    session.queueLines.removeAt(position - 1);
    session.queueRows.removeAt(position - 1);
    session.queueRollCalls.removeAt(position - 1);
    if (position < session.currentQueuePos)
        --session.currentQueuePos;
    session.currentQueuePos = std::min(session.currentQueuePos, session.queueLength());
    return true;
}

void ClearQueue(Session &session)
{
    session.queueLines.clear();
    session.queueRows.clear();
    session.queueRollCalls.clear();
    session.currentQueuePos = 0;
}

bool StartQueue(Session &session)
{
    if (session.queueLength() == 0)
        return false;
    session.currentQueuePos = 1;
    return true;
}

bool CrossTabAvailable(const Session &session)
{
    return session.queueLength() == 2;
}

std::optional<int> QuickEntryRow(const QString &typed, int rollCallCount, int listLength)
{
    bool ok = false;
    const int n = typed.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > rollCallCount || n > listLength)
        return std::nullopt;
    return n;
}

void RemapQueue(Session &session, const QList<int> &newRowOf)
{
    const int oldCurrent = session.currentQueuePos;
    int newCurrent = 0;
    QStringList lines;
    QList<int> rows;
    QList<int> rollCalls;
    for (int p = 1; p <= session.queueLength(); ++p) {
        const int oldRow = session.queueRows.at(p - 1);
        const int newRow = (oldRow >= 1 && oldRow <= newRowOf.size()) ? newRowOf.at(oldRow - 1) : 0;
        if (newRow < 1)
            continue;
        lines.append(session.queueLines.value(p - 1));
        rows.append(newRow);
        rollCalls.append(session.queueRollCalls.at(p - 1));
        if (p <= oldCurrent)
            newCurrent = int(rows.size());
    }
    session.queueLines = lines;
    session.queueRows = rows;
    session.queueRollCalls = rollCalls;
    session.currentQueuePos = (oldCurrent >= 1 && !rows.isEmpty()) ? std::max(newCurrent, 1) : 0;
}

} // namespace rollscan
