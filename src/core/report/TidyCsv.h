#pragma once

#include "core/Progress.h"
#include "core/report/RollCallSheet.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace rollscan {

class PartyTable;
class Session;

// Where a queued roll call stands among sheets: sheet index and roll-call index within it.
struct TidyEntry {
    int sheet = 0;
    int rollCall = 0;
};

// The file-dialog entry of the analysis file, offered beside the spreadsheet and the text table.
inline const QString kTidyCsvFilter = QStringLiteral("CSV for analysis (*.csv)");

// True for a name that asks for the analysis file: it ends in ".csv", in any letter case.
bool IsTidyCsvName(const QString &fileName);

// The header of the analysis file, one name per column.
extern const char *const kTidyCsvHeader;

// The analysis file ("CSV for analysis"): UTF-8 without a byte-order mark, LF line ends, the header
// line, then one line per roll call of `order` and legislator of its sheet: congress, roll-call
// number, date (yyyy-mm-dd, a text date as stored), member id (ID1), trimmed name, state postal
// code, district, party code, party name, the two coordinates (shortest exact form; "NA" for a member
// without coordinates), vote code and "Yea", "Nay" or "Not voting". Text fields holding a comma,
// quote or line break are quoted with quotes doubled. An empty `order` writes every sheet's roll
// calls in sheet order. `progress` gets the share of lines written.
QByteArray TidyCsvBytes(const QList<RollCallSheet> &sheets, const PartyTable &parties,
                        const QList<TidyEntry> &order = {}, const ProgressCallback &progress = {});

// Writes the analysis file of the whole queue, roll calls in queue order, replacing the file.
// Throws DataError for an empty queue, FileError for files that cannot be read or written.
void WriteTidyCsv(const Session &session, const QString &fileName, const ProgressCallback &progress = {});

// "Yea" for codes 1-3, "Nay" for 4-6, "Not voting" for every other code.
QString VoteClassWord(int code);

} // namespace rollscan
