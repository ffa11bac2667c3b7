#include "core/report/FitReport.h"

#include "core/data/Dates.h"
#include "core/ideology/CongressFit.h"
#include "core/ideology/ReportLine.h"

namespace rollscan {

namespace {
// Columns of the text report (1-based).
constexpr int kIdColumn = 1;
constexpr int kNameColumn = 8;
constexpr int kPartyColumn = 22;
constexpr int kStateColumn = 44;
constexpr int kVotesColumn = 48;
constexpr int kErrorsColumn = 55;
constexpr int kRateColumn = 63;

QString quoted(QString text)
{
    // A quote inside a field would end it early; none of ours should hold one, but a party name
    // from an outside table might.
    text.replace(QLatin1Char('"'), QLatin1Char('\''));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString weightText(double weight)
{
    return QString::number(weight, 'g', 6);
}
} // namespace

QString FitHeading(const CongressFit &fit)
{
    return (fit.isHouse ? QStringLiteral("House #") : QStringLiteral("Senate #")) + QString::number(fit.congress) +
           QStringLiteral(", ") + QString::number(CongressFirstYear(fit.congress)) + QLatin1Char('-') +
           QString::number(CongressSecondYear(fit.congress)) + QStringLiteral(", second-dimension weight ") +
           weightText(fit.dimTwoFactor);
}

QStringList FitFigureLines(const CongressFit &fit)
{
    return {QStringLiteral("Errors: ") + QString::number(fit.totalErrors),
            QStringLiteral("Correctly classified: ") + QString::number(fit.percentCorrect(), 'f', 2) + QLatin1Char('%'),
            QStringLiteral("APRE: ") + QString::number(fit.apre(), 'f', 3)};
}

QString FitRateText(int votes, int errors)
{
    if (votes <= 0)
        return {};
    return QString::number(100.0 * errors / votes, 'f', 2) + QLatin1Char('%');
}

QStringList FitReportLines(const CongressFit &fit)
{
    QStringList lines = TitleLines(QStringLiteral("Rollscan for Windows Congress Fit"));
    lines << FitHeading(fit)
          << QStringLiteral("Roll calls with a cutting line: %1 of %2").arg(fit.rollCallsWithLine).arg(fit.rollCalls)
          << QString();
    lines << FitFigureLines(fit) << QString();
    lines << ReportLine()
                 .tab(kIdColumn)
                 .text(QStringLiteral("ID"))
                 .tab(kNameColumn)
                 .text(QStringLiteral("NAME"))
                 .tab(kPartyColumn)
                 .text(QStringLiteral("PARTY"))
                 .tab(kStateColumn)
                 .text(QStringLiteral("ST"))
                 .tab(kVotesColumn)
                 .text(QStringLiteral("VOTES"))
                 .tab(kErrorsColumn)
                 .text(QStringLiteral("ERRORS"))
                 .tab(kRateColumn)
                 .text(QStringLiteral("RATE"))
                 .str();
    for (const FitLegislator &l : fit.legislators) {
        ReportLine line;
        line.tab(kIdColumn)
            .text(QString::number(l.id1))
            .tab(kNameColumn)
            .text(l.name)
            .tab(kPartyColumn)
            .text(l.partyName.left(kStateColumn - kPartyColumn - 1))
            .tab(kStateColumn)
            .text(l.state)
            .tab(kVotesColumn)
            .text(QString::number(l.votes))
            .tab(kErrorsColumn)
            .text(QString::number(l.errors));
        // No rate for a legislator without scaled votes, and no trailing blanks either.
        if (l.votes > 0)
            line.tab(kRateColumn).text(FitRateText(l.votes, l.errors));
        lines << line.str();
    }
    return lines;
}

QStringList FitSpreadsheetLines(const CongressFit &fit)
{
    QStringList lines{quoted(FitHeading(fit))};
    for (const QString &figure : FitFigureLines(fit))
        lines << quoted(figure);
    lines << QString();
    lines << QStringLiteral("\"ID\",\"NAME\",\"PARTY\",\"STATE\",\"VOTES\",\"ERRORS\",\"ERROR RATE\"");
    for (const FitLegislator &l : fit.legislators) {
        QString name = l.name;
        name.replace(QLatin1Char(','), QLatin1Char(' '));
        lines << QString::number(l.id1) + QLatin1Char(',') + quoted(name) + QLatin1Char(',') + quoted(l.partyName) +
                     QLatin1Char(',') + quoted(l.state) + QLatin1Char(',') + QString::number(l.votes) +
                     QLatin1Char(',') + QString::number(l.errors) + QLatin1Char(',') +
                     (l.votes > 0 ? QString::number(double(l.errors) / l.votes, 'f', 4) : QString());
    }
    return lines;
}

} // namespace rollscan
