#include "core/analysis/AnalysisQueue.h"

#include "core/app/Session.h"
#include "core/data/CongressIndex.h"
#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/Legislator.h"
#include "core/data/RollCall.h"

#include <QHash>

namespace rollscan {

QList<QueuedRollCall> QueueOf(const Session &session)
{
    QList<QueuedRollCall> queue;
    queue.reserve(session.queue.length());
    for (const QueueEntry &entry : session.queue.entries()) {
        const MatchRow &row = session.MatchTable.row(entry.row);
        queue.append({row.congress, entry.rollCall, row.yeas, row.nays, row.description});
    }
    return queue;
}

QList<QueuedRollCall> ReadQueue(const QString &root, bool isHouse, const QList<RollCallRef> &refs, bool newDataFormat)
{
    QHash<int, QList<RollCall>> records;
    QList<QueuedRollCall> queue;
    for (const RollCallRef &ref : refs) {
        auto found = records.find(ref.congress);
        if (found == records.end()) {
            const CongressCounts counts = LoadCongressCounts(root, isHouse, ref.congress);
            found = records.insert(ref.congress,
                                   ReadRollCalls(CongressFileName(root, isHouse, ref.congress, QStringLiteral(".rif")),
                                                 counts.rollCallCount, newDataFormat));
        }
        if (ref.rollCall < 1 || ref.rollCall > found->size())
            throw DataError(NoSuchRollCallMessage(isHouse, ref.congress, ref.rollCall));
        const RollCall &rc = found->at(ref.rollCall - 1);
        queue.append({ref.congress, ref.rollCall, rc.yeas, rc.nays, rc.trimmedDescription()});
    }
    return queue;
}

QString NoSuchRollCallMessage(bool isHouse, int congress, int rollCall)
{
    return (isHouse ? QStringLiteral("House #") : QStringLiteral("Senate #")) + QString::number(congress) +
           QStringLiteral(" has no roll call #") + QString::number(rollCall) + QLatin1Char('.');
}

VoteSide ClassifyVoteCode(char code)
{
    switch (code) {
    case '1':
    case '2':
    case '3':
        return VoteSide::Yea;
    case '4':
    case '5':
    case '6':
        return VoteSide::Nay;
    default:
        return VoteSide::NA;
    }
}

QString VoteSideText(VoteSide side)
{
    switch (side) {
    case VoteSide::Yea:
        return QStringLiteral("Yea");
    case VoteSide::Nay:
        return QStringLiteral("Nay");
    case VoteSide::NA:
        break;
    }
    return QStringLiteral("n/a");
}

QString TallyAndDescription(const QueuedRollCall &entry)
{
    return QString::number(entry.yeas) + QLatin1Char('-') + QString::number(entry.nays) + QLatin1Char('\t') +
           entry.description;
}

QString CongressYearsLine(bool isHouse, int congress)
{
    return (isHouse ? QStringLiteral("House #") : QStringLiteral("Senate #")) + QString::number(congress) +
           QStringLiteral(", ") + QString::number(2 * congress + 1787) + QLatin1Char('-') +
           QString::number(2 * congress + 1788);
}

MemberTables MemberTables::Read(const QString &root)
{
    return {PartyTable::Read(DataFileName(root, kMainDir, QStringLiteral("party.dat"))),
            StateTable::Read(DataFileName(root, kMainDir, QStringLiteral("state.dat")))};
}

QString MemberTables::partyName(int code) const
{
    return parties.name(code);
}

QString MemberTables::statePostal(int code) const
{
    const StateRecord *state = states.find(code);
    return state ? state->postal.trimmed() : QString();
}

QStringList MemberCsvHeader()
{
    return {QStringLiteral("member_id"), QStringLiteral("name"),     QStringLiteral("party"),
            QStringLiteral("state"),     QStringLiteral("district"), QStringLiteral("congress")};
}

QStringList MemberCsvFields(int congress, const Legislator &legislator, const MemberTables &tables)
{
    return {QString::number(legislator.id1),        legislator.trimmedName(),
            tables.partyName(legislator.partyCode), tables.statePostal(legislator.stateCode),
            QString::number(legislator.district),   QString::number(congress)};
}

ColumnLines &ColumnLines::tab(int column)
{
    const qsizetype target = qMax(column - 1, 0);
    if (m_current.size() > target) {
        m_done.append(m_current);
        m_current.clear();
    }
    m_current = m_current.leftJustified(target, QLatin1Char(' '));
    return *this;
}

ColumnLines &ColumnLines::text(const QString &t)
{
    m_current += t;
    return *this;
}

ColumnLines &ColumnLines::newLine()
{
    m_done.append(m_current);
    m_current.clear();
    return *this;
}

QStringList ColumnLines::lines() const
{
    QStringList out = m_done;
    if (!m_current.isEmpty())
        out.append(m_current);
    return out;
}

} // namespace rollscan
