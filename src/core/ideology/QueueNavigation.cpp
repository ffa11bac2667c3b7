#include "core/ideology/QueueNavigation.h"

#include "core/app/Session.h"
#include "core/data/FileError.h"

namespace rollscan {

namespace {
// Congress and roll call of queue entry `position`.
PartnerRollCall queueEntry(const Session &session, int position)
{
    if (position < 1 || position > session.queue.length())
        throw DataError(QStringLiteral("There is no roll call at position %1 of the selection queue.").arg(position));
    const int row = session.queue.at(position).row;
    if (row < 1 || row > session.MatchTable.matchCount())
        throw DataError(QStringLiteral("The selection queue names row %1, which the list does not hold.").arg(row));
    return {session.MatchTable.row(row).congress, session.queue.at(position).rollCall};
}
} // namespace

std::optional<int> PartnerQueuePosition(int position, int queueLength)
{
    const int partner = position == 1 ? 2 : position - 1;
    if (position < 1 || position > queueLength || partner < 1 || partner > queueLength)
        return std::nullopt;
    return partner;
}

NavigationState NavigationAt(int position, int queueLength)
{
    return {position > 1, position < queueLength};
}

QString JumpMask(int queueLength)
{
    if (queueLength >= 1 && queueLength <= 9)
        return QStringLiteral("#");
    if (queueLength >= 10 && queueLength <= 99)
        return QStringLiteral("##");
    if (queueLength >= 100 && queueLength <= 999)
        return QStringLiteral("###");
    if (queueLength >= 1000 && queueLength <= 9999)
        return QStringLiteral("####");
    return QStringLiteral("######");
}

JumpOutcome ParseJump(const QString &entry, int queueLength)
{
    const QString text = entry.trimmed();
    if (text.isEmpty())
        return {};
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < 1 || v > queueLength)
        return {JumpOutcome::OutOfRange, 0};
    return {JumpOutcome::Move, v};
}

DrawingRequest DrawingRequestAt(const Session &session, int position)
{
    const PartnerRollCall entry = queueEntry(session, position);
    DrawingRequest r;
    r.dataRoot = session.dataRoot;
    r.isHouse = session.isHouse;
    r.congress = entry.congress;
    r.rollCall = entry.rollCall;
    r.newDataFormat = session.newDataFormat;
    r.preferences = session.Preferences;
    if (session.crossTabRequested) {
        const std::optional<int> partner = PartnerQueuePosition(position, session.queue.length());
        if (!partner)
            throw DataError(QStringLiteral("You must have two roll calls in your selection queue to cross tab."));
        r.partner = queueEntry(session, *partner);
    }
    return r;
}

} // namespace rollscan
