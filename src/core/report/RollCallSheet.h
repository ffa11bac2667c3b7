#pragma once

#include "core/data/Legislator.h"
#include "core/data/RollCall.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace rollscan {

class Session;

// One roll call as the outputs head it: its number and the date and description of its list row.
struct SheetRollCall {
    int rollCall = 0;
    TaggedDate date;
    QString description;
};

// One legislator line of the outputs.
struct SheetLegislator {
    Legislator legislator;
    QString stateName;   // trimmed; empty when "state.dat" has no record for the state code
    QString statePostal; // two letters, empty likewise
    QList<int> votes;    // vote code 0..9 on each roll call of the sheet, in sheet order
};

// Every legislator of one congress with the votes on one or more of its roll calls: what the text
// table, the printed page and the spreadsheet write.
struct RollCallSheet {
    bool isHouse = true;
    int congress = 0;
    QList<SheetRollCall> rollCalls;
    QList<SheetLegislator> legislators;
};

// The three heading lines of a roll call: "January 5, 1981: Roll Call #12" (a text date as stored),
// the description, and "House #97, 1981-1982" ("Senate #" for the Senate).
QStringList RollCallHeading(bool isHouse, int congress, const SheetRollCall &rollCall);

// Reads the legislator, vote and state files of a congress for the given roll calls, with the counts
// of the chamber's index. Throws FileError for missing or short files, DataError for a roll-call number
// outside the congress.
RollCallSheet LoadRollCallSheet(const QString &root, bool isHouse, int congress, bool newDataFormat,
                                const QList<SheetRollCall> &rollCalls);

// The sheet of the queue entry at `position` (1-based): its MatchTable row names congress, date and
// description, the entry the roll-call number. Throws DataError for a position or row that does
// not exist, FileError as LoadRollCallSheet.
RollCallSheet LoadQueueEntrySheet(const Session &session, int position);

// The sheets of the whole queue, one per congress in the order congresses first appear in the queue,
// each holding that congress's entries in queue order. Throws as LoadQueueEntrySheet.
QList<RollCallSheet> LoadQueueSheets(const Session &session);

} // namespace rollscan
