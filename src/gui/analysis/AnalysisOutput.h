#pragma once

#include "gui/services/ReportPrinter.h"

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace rollscan {

class Services;

// The filters of the analysis save dialogs: the text report, or comma-separated values for a
// statistics program or a spreadsheet.
const QStringList &AnalysisSaveFilters();

// True when the chosen file name asks for comma-separated values (it ends in ".csv").
bool IsCsvFileName(const QString &fileName);

// The lines of an analysis report as printed: the title block in 16 point Arial, the `chamberLines`
// chamber and years lines after it in 14 point, everything else in 12 point. TABs become blanks up
// to the next multiple of eight columns, so that the columns of the lists stay lined up on paper.
QList<ReportPrinter::Line> PrintedAnalysisLines(const QStringList &lines, int chamberLines);

// Asks for a printer and prints the lines under the printing wait text; a printer that cannot
// start the job is reported. Cancelling does nothing.
void PrintAnalysisReport(Services &services, QWidget *parent, const QStringList &lines, int chamberLines);

} // namespace rollscan
