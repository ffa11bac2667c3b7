#pragma once

#include "core/Progress.h"
#include "core/report/RollCallSheet.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace rollscan {

class Session;

// What a display's Save writes for a file name: a picture when it ends in "bmp" or "wmf" (any
// case), the roll-call text table otherwise.
enum class RollCallSaveKind { Text, Bitmap, Metafile };
RollCallSaveKind RollCallSaveKindOf(const QString &fileName);

// The values of one legislator line, in column order: congress, ID1, ID2, state code, district,
// state name, party, the 12-character name, the two coordinates and the vote on roll call `index`.
QStringList RollCallTableValues(const RollCallSheet &sheet, int legislator, int index = 0);

// The text table of the sheet's first roll call: three heading lines, an empty line, the column
// line and one line per legislator (more when a value overflows its column). `progress` is called
// every 20 legislators with m / count × 100 and m.
QStringList RollCallTextLines(const RollCallSheet &sheet, const ProgressCallback &progress = {});

// Writes RollCallTextLines as Windows-1252 text with CR LF line ends, replacing the file.
// Throws FileError.
void SaveRollCallText(const QString &fileName, const RollCallSheet &sheet, const ProgressCallback &progress = {});
// The same for the queue entry at session.queue.currentQueuePos(). Throws FileError, DataError.
void SaveRollCallText(const Session &session, const QString &fileName, const ProgressCallback &progress = {});

// The lines of the printed page and the font each is set in.
enum class PrintRole {
    Title,   // Arial 16 point, bold and underlined
    Heading, // Arial 14 point
    Table    // Courier New 10 point, laid out at the table's columns
};
struct PrintedLine {
    PrintRole role;
    QString text;
    bool operator==(const PrintedLine &) const = default;
};
// "Rollscan for Windows Roll Call Output", the three heading lines and an empty line, then the
// column line and the legislator lines of the text table. The printer breaks pages itself.
QList<PrintedLine> PrintedRollCallPage(const RollCallSheet &sheet, const ProgressCallback &progress = {});

} // namespace rollscan
