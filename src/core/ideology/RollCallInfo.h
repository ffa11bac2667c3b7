#pragma once

#include "core/data/Description.h"
#include "core/ideology/DrawingPass.h"
#include "core/ideology/ReportLine.h"

#include <QString>
#include <QStringList>
#include <array>

namespace rollscan {

// What the roll-call information window shows, ready to be put into its labels.
struct RollCallInfo {
    static constexpr int kScrollingLength = 470; // texts this long go into the scrolling box
    static constexpr int kFirstColumnNames = 7;  // not-shown names in the first column

    ReportRollCall heading;
    int yea = 0;
    int nay = 0;
    int notAvailable = 0;
    int errors = 0;
    bool hasLine = true;                 // false: the roll call has no cutting line to count errors by
    QString preText;                     // "#.0##", or "n/a" in the cross-tab view and without a line
    std::array<QString, 5> headerFields; // lblGField, lblJField, lblType, lblHField, lblLegislator, as stored
    QString details;                     // the free text, without enclosing parentheses
    bool scrolling = false;              // true: txtDetailsSB shows the text, txtDetails is hidden
    bool descriptionRead = false;        // false when the description files could not be read
    QStringList column1;                 // lblCol1: the first seven not-shown names
    QStringList column2;                 // lblCol2: the rest

    // lblInfo: not-available count, errors, PRE on three lines.
    QString infoText() const;
    // The error count, or "n/a" without a cutting line.
    QString errorsText() const;
};

// The free text of a description as the windows show it: "(...)" loses its two parentheses.
QString DetailsText(const QString &storedText);

// The identification of the pass's roll call: its record's date and trimmed description.
ReportRollCall HeadingOf(const DrawingPass &pass);

// Fills the information of the pass's roll call from the pass and a description record.
RollCallInfo BuildRollCallInfo(const DrawingPass &pass, const Description &description, const ReportRollCall &heading);

// The same, reading the description of the roll call from the tree below `root`. Throws FileError
// naming the ".din" or ".dbn" file when the description is missing or lies outside its file.
RollCallInfo LoadRollCallInfo(const DrawingPass &pass, const QString &root);

// The lines of the saved information report, first line "Rollscan for Windows Roll Call Information".
QStringList InfoReportLines(const RollCallInfo &info);

// The lines of the printed report: the saved lines with the details text cut into 80-character pieces.
QStringList InfoPrintedLines(const RollCallInfo &info);

// `text` cut into pieces of `width` characters, one per printed line. A piece followed by another
// whose last character is not a blank gets a "-". An empty text gives one empty line.
QStringList SplitForPrint(const QString &text, int width = 80);

} // namespace rollscan
