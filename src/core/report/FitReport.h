#pragma once

#include <QString>
#include <QStringList>

namespace rollscan {

struct CongressFit;

// "House #110, 2007-2008, second-dimension weight 0.4156": what the fit is of, for the window's
// heading and the reports.
QString FitHeading(const CongressFit &fit);

// The three congress figures, one line each: "Errors: 25507", "Correctly classified: 93.78%",
// "APRE: 0.816".
QStringList FitFigureLines(const CongressFit &fit);

// A legislator's error rate as shown and written: percent with two decimals ("4.93%"), empty for a
// legislator without scaled votes.
QString FitRateText(int votes, int errors);

// The text report: title, heading, the roll calls classified, the figures and one line per
// legislator in file order under the column line "ID", "NAME", "PARTY", "ST", "VOTES", "ERRORS",
// "RATE".
QStringList FitReportLines(const CongressFit &fit);

// The spreadsheet: the heading and figures in quotes, an empty line, the quoted column line and one
// comma-separated line per legislator (names and party in quotes, a comma inside a name turned into
// a space as the roll-call sheets do).
QStringList FitSpreadsheetLines(const CongressFit &fit);

} // namespace rollscan
