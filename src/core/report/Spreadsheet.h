#pragma once

#include "core/Progress.h"
#include "core/report/RollCallSheet.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace rollscan {

class Session;

// The comma-separated file of one or more sheets, Windows-1252 with CR LF line ends. Per sheet: the
// three heading lines and an empty line for each of its roll calls, the quoted column line, then one
// line per legislator: congress, ID1, ID2, state code, district, quoted state name, party, quoted
// 12-character name (its first comma turned into a blank, quotes doubled), the two coordinates, and
// for each roll call its number and the vote. `progress` gets m / count × 100 and m every 20
// legislators of each sheet.
QByteArray SpreadsheetBytes(const QList<RollCallSheet> &sheets, const ProgressCallback &progress = {});

// Writes the spreadsheet of the whole queue (`wholeQueue`) or of the entry at session.queue.currentQueuePos()
// alone, replacing the file. Queue entries of several congresses give one block per congress, each
// with its own legislators. Throws DataError for an empty queue or a position without an entry,
// FileError for files that cannot be read or written.
void WriteSpreadsheet(const Session &session, const QString &fileName, bool wholeQueue,
                      const ProgressCallback &progress = {});

} // namespace rollscan
