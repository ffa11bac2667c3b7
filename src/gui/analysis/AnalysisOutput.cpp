#include "gui/analysis/AnalysisOutput.h"

#include "core/ideology/IdeologyTexts.h"
#include "gui/services/Services.h"
#include "gui/services/WaitGuard.h"

#include <QPrinter>

namespace rollscan {

namespace {
constexpr int kTabStop = 8;

QString expandTabs(const QString &line)
{
    QString out;
    for (const QChar c : line) {
        if (c == QLatin1Char('\t')) {
            // At least two blanks, so that the printer takes the gap for column padding.
            const qsizetype next = (out.size() / kTabStop + 1) * kTabStop;
            out = out.leftJustified(std::max(next, out.size() + 2), QLatin1Char(' '));
        } else {
            out += c;
        }
    }
    return out;
}
} // namespace

const QStringList &AnalysisSaveFilters()
{
    static const QStringList filters = {QStringLiteral("All Files (*.*)"), QStringLiteral("Output Files (*.txt)"),
                                        QStringLiteral("Comma-Separated Values (*.csv)")};
    return filters;
}

bool IsCsvFileName(const QString &fileName)
{
    return fileName.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
}

QList<ReportPrinter::Line> PrintedAnalysisLines(const QStringList &lines, int chamberLines)
{
    QList<ReportPrinter::Line> printed;
    for (int i = 0; i < lines.size(); ++i) {
        const int points = i < 2 ? 16 : i < 2 + chamberLines ? 14 : 12;
        printed.append({expandTabs(lines.at(i)), ReportPrinter::arial(points)});
    }
    return printed;
}

void PrintAnalysisReport(Services &services, QWidget *parent, const QStringList &lines, int chamberLines)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!services.choosePrinter(parent, printer))
        return;
    WaitGuard wait(services, kPrintingText);
    const bool printed = ReportPrinter::print(printer, PrintedAnalysisLines(lines, chamberLines));
    wait.hide();
    if (!printed)
        ReportError(services, parent,
                    IdeologyText::ErrorWhile(ReportPrinter::kErrorNumber, IdeologyText::kWhilePrinting));
}

} // namespace rollscan
