#include "core/analysis/Tracking.h"

#include "core/data/CongressIndex.h"
#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/VoteMatrix.h"

#include <QHash>
#include <algorithm>

namespace rollscan {

QList<TrackEntry> BuildTrackTable(const QString &root, bool isHouse, const QList<int> &congresses, bool newDataFormat)
{
    const MemberTables tables = MemberTables::Read(root);
    QList<TrackEntry> table;
    for (int congress : congresses) {
        const CongressCounts counts = LoadCongressCounts(root, isHouse, congress);
        const QList<Legislator> legislators = ReadLegislators(
            CongressFileName(root, isHouse, congress, QStringLiteral(".lcr")), counts.legislatorCount, newDataFormat);
        for (const Legislator &l : legislators)
            table.append({congress, l, tables.statePostal(l.stateCode), tables.partyName(l.partyCode)});
    }
    return table;
}

QString TrackListRow(const TrackEntry &entry)
{
    return entry.legislator.trimmedName().leftJustified(14, QLatin1Char(' ')) + QLatin1Char('\t') + entry.statePostal +
           QLatin1Char('\t') + entry.partyName;
}

QString TrackResult::totalsText() const
{
    return QStringLiteral("%1\n%2\n%3").arg(yeas).arg(nays).arg(notAvailable);
}

TrackResult ComputeTracking(const QString &root, bool isHouse, const QList<TrackEntry> &table, QList<int> picked,
                            const QList<QueuedRollCall> &queue)
{
    std::sort(picked.begin(), picked.end());
    picked.erase(std::unique(picked.begin(), picked.end()), picked.end());
    TrackResult result;
    QHash<int, VoteMatrix> matrices;
    for (int k : picked) {
        const TrackEntry &entry = table.at(k);
        auto found = matrices.find(entry.congress);
        if (found == matrices.end()) {
            const CongressCounts counts = LoadCongressCounts(root, isHouse, entry.congress);
            found = matrices.insert(entry.congress, VoteMatrix::Load(CongressFileName(root, isHouse, entry.congress,
                                                                                      QStringLiteral(".vot")),
                                                                     counts.legislatorCount, counts.rollCallCount));
        }
        const VoteMatrix &votes = *found;
        if (!result.rows.isEmpty())
            result.rows.append(QStringLiteral(" "));
        for (const QueuedRollCall &q : queue) {
            if (q.congress != entry.congress)
                continue;
            if (q.rollCall < 1 || q.rollCall > votes.rollCallCount())
                throw DataError(NoSuchRollCallMessage(isHouse, q.congress, q.rollCall));
            const VoteSide side = ClassifyVoteCode(votes.byte(entry.legislator.recordNumber, q.rollCall));
            switch (side) {
            case VoteSide::Yea:
                ++result.yeas;
                break;
            case VoteSide::Nay:
                ++result.nays;
                break;
            case VoteSide::NA:
                ++result.notAvailable;
                break;
            }
            result.votes.append({k, q, side});
            result.rows.append(VoteSideText(side) + QLatin1Char('\t') + TallyAndDescription(q));
        }
    }
    return result;
}

QStringList TrackingReportLines(bool isHouse, const QList<int> &congresses, const QList<TrackEntry> &table,
                                QList<int> picked, const TrackResult &result)
{
    std::sort(picked.begin(), picked.end());
    picked.erase(std::unique(picked.begin(), picked.end()), picked.end());
    const QString title = QStringLiteral("Rollscan for Windows Legislator Tracking");
    QStringList lines{title, QString(title.size(), QLatin1Char('-'))};
    for (int congress : congresses)
        lines.append(CongressYearsLine(isHouse, congress));
    lines << QString() << QString() << QStringLiteral("Selected Legislators") << QStringLiteral("--------------------")
          << QString();
    for (int k : picked)
        lines.append(TrackListRow(table.at(k)));
    lines << QString() << QStringLiteral("Tracked Roll Calls") << QStringLiteral("------------------") << QString();
    lines += result.rows;
    return lines;
}

QList<QStringList> TrackingCsvRecords(const QList<TrackEntry> &table, const TrackResult &result,
                                      const MemberTables &tables)
{
    QList<QStringList> records;
    records.append(MemberCsvHeader() << QStringLiteral("roll_call") << QStringLiteral("vote")
                                     << QStringLiteral("roll_call_yeas") << QStringLiteral("roll_call_nays")
                                     << QStringLiteral("description"));
    for (const TrackedVote &v : result.votes) {
        const TrackEntry &entry = table.at(v.entry);
        records.append(MemberCsvFields(entry.congress, entry.legislator, tables)
                       << QString::number(v.rollCall.rollCall) << VoteSideText(v.side)
                       << QString::number(v.rollCall.yeas) << QString::number(v.rollCall.nays)
                       << v.rollCall.description);
    }
    return records;
}

} // namespace rollscan
