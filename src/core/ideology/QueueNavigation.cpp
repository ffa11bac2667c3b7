#include "QueueNavigation.h"

namespace rollscan {

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

} // namespace rollscan
