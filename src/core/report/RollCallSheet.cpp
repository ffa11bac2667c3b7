#include "core/report/RollCallSheet.h"

#include "core/app/Session.h"
#include "core/data/CongressIndex.h"
#include "core/data/DataTree.h"
#include "core/data/Dates.h"
#include "core/data/FileError.h"
#include "core/data/StateTable.h"
#include "core/data/VoteMatrix.h"

namespace rollscan {

namespace {
QString chamberName(bool isHouse)
{
    return isHouse ? QStringLiteral("House") : QStringLiteral("Senate");
}

SheetRollCall entryRollCall(const Session &session, int position, int *congress)
{
    if (position < 1 || position > session.queue.length())
        throw DataError(QStringLiteral("There is no roll call at position %1 of the selection queue.").arg(position));
    const int rowNumber = session.queue.at(position).row;
    if (rowNumber < 1 || rowNumber > session.MatchTable.matchCount())
        throw DataError(
            QStringLiteral("The selection queue names row %1, which the list does not hold.").arg(rowNumber));
    const MatchRow &row = session.MatchTable.row(rowNumber);
    *congress = row.congress;
    SheetRollCall rc;
    rc.rollCall = session.queue.at(position).rollCall;
    rc.date = row.date;
    rc.description = row.description;
    return rc;
}
} // namespace

QStringList RollCallHeading(bool isHouse, int congress, const SheetRollCall &rollCall)
{
    const QString date = rollCall.date.isDate() ? FormatLongDate(rollCall.date.date()) : rollCall.date.text.trimmed();
    return {date + QStringLiteral(": Roll Call #") + QString::number(rollCall.rollCall), rollCall.description,
            chamberName(isHouse) + QStringLiteral(" #") + QString::number(congress) + QStringLiteral(", ") +
                QString::number(CongressFirstYear(congress)) + QLatin1Char('-') +
                QString::number(CongressSecondYear(congress))};
}

RollCallSheet LoadRollCallSheet(const QString &root, bool isHouse, int congress, bool newDataFormat,
                                const QList<SheetRollCall> &rollCalls)
{
    const CongressCounts counts = LoadCongressCounts(root, isHouse, congress);
    for (const SheetRollCall &rc : rollCalls)
        if (rc.rollCall < 1 || rc.rollCall > counts.rollCallCount)
            throw DataError(QStringLiteral("Roll call %1 is not one of the %2 roll calls of the %3 #%4.")
                                .arg(rc.rollCall)
                                .arg(counts.rollCallCount)
                                .arg(chamberName(isHouse))
                                .arg(congress));

    const QList<Legislator> legislators = ReadLegislators(
        CongressFileName(root, isHouse, congress, QStringLiteral(".lcr")), counts.legislatorCount, newDataFormat);
    const VoteMatrix votes = VoteMatrix::Load(CongressFileName(root, isHouse, congress, QStringLiteral(".vot")),
                                              counts.legislatorCount, counts.rollCallCount);
    const StateTable states = StateTable::Read(DataFileName(root, kMainDir, QStringLiteral("state.dat")));

    RollCallSheet sheet;
    sheet.isHouse = isHouse;
    sheet.congress = congress;
    sheet.rollCalls = rollCalls;
    sheet.legislators.reserve(legislators.size());
    for (int m = 1; m <= legislators.size(); ++m) {
        SheetLegislator line;
        line.legislator = legislators[m - 1];
        line.legislator.recordNumber = m;
        // A member whose state code has no record (the President's row, say) keeps his line.
        if (const StateRecord *state = states.find(line.legislator.stateCode)) {
            line.stateName = state->name;
            line.statePostal = state->postal.trimmed();
        }
        for (const SheetRollCall &rc : rollCalls)
            line.votes.append(votes.vote(m, rc.rollCall));
        sheet.legislators.append(line);
    }
    return sheet;
}

RollCallSheet LoadQueueEntrySheet(const Session &session, int position)
{
    int congress = 0;
    const SheetRollCall rc = entryRollCall(session, position, &congress);
    return LoadRollCallSheet(session.dataRoot, session.isHouse, congress, session.newDataFormat, {rc});
}

QList<RollCallSheet> LoadQueueSheets(const Session &session)
{
    QList<int> congresses;
    QList<QList<SheetRollCall>> groups;
    for (int p = 1; p <= session.queue.length(); ++p) {
        int congress = 0;
        const SheetRollCall rc = entryRollCall(session, p, &congress);
        qsizetype g = congresses.indexOf(congress);
        if (g < 0) {
            congresses.append(congress);
            groups.append(QList<SheetRollCall>());
            g = congresses.size() - 1;
        }
        groups[g].append(rc);
    }
    QList<RollCallSheet> sheets;
    for (qsizetype g = 0; g < congresses.size(); ++g)
        sheets.append(
            LoadRollCallSheet(session.dataRoot, session.isHouse, congresses[g], session.newDataFormat, groups[g]));
    return sheets;
}

} // namespace rollscan
