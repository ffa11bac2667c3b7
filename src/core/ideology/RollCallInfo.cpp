#include "core/ideology/RollCallInfo.h"

#include "core/data/FileError.h"
#include "core/ideology/FitText.h"
#include "core/ideology/IdeologyTexts.h"

namespace rollscan {

namespace {
constexpr int kValueColumn = 10;

// A not-shown column is written name by name; an empty column still takes its line.
QStringList columnLines(const QStringList &names)
{
    return names.isEmpty() ? QStringList{QString()} : names;
}

QStringList reportLines(const RollCallInfo &info, const QStringList &detailLines)
{
    QStringList out = TitleLines(QStringLiteral("Rollscan for Windows Roll Call Information"));
    out += info.heading.headingLines();
    out += {QString(), QString()};
    out += TitleLines(QStringLiteral("Roll Call Information"));
    out += QString();
    out += ReportLine(QStringLiteral("Yea: ")).tab(kValueColumn).number(info.yea);
    out += ReportLine(QStringLiteral("Nay: ")).tab(kValueColumn).number(info.nay);
    out += ReportLine(QStringLiteral("N/A: ")).tab(kValueColumn).number(info.notAvailable);
    // Without a line the count is a word, written like the reduction in error beneath it.
    out += info.hasLine ? ReportLine(QStringLiteral("Errors: ")).tab(kValueColumn).number(info.errors)
                        : ReportLine(QStringLiteral("Errors: ")).tab(kValueColumn).text(info.errorsText());
    out += ReportLine(QStringLiteral("PRE: ")).tab(kValueColumn).text(info.preText);
    out += {QString(), QString()};
    out += TitleLines(QStringLiteral("Details"));
    out += QString();
    for (const QString &field : info.headerFields)
        out += field;
    out += detailLines;
    out += {QString(), QString()};
    out += TitleLines(QStringLiteral("Legislators Not Shown"));
    out += QString();
    out += columnLines(info.column1);
    out += columnLines(info.column2);
    return out;
}
} // namespace

QString RollCallInfo::infoText() const
{
    return QString::number(notAvailable) + QLatin1Char('\n') + errorsText() + QLatin1Char('\n') + preText;
}

QString RollCallInfo::errorsText() const
{
    return hasLine ? QString::number(errors) : IdeologyText::kNotApplicable;
}

QString DetailsText(const QString &stored)
{
    if (stored.size() >= 2 && stored.startsWith(QLatin1Char('(')) && stored.endsWith(QLatin1Char(')')))
        return stored.mid(1, stored.size() - 2);
    return stored;
}

ReportRollCall HeadingOf(const DrawingPass &pass)
{
    return {pass.isHouse, pass.congress,
            SheetRollCall{pass.rollCall, pass.record.date, pass.record.trimmedDescription()}};
}

RollCallInfo BuildRollCallInfo(const DrawingPass &pass, const Description &description, const ReportRollCall &heading)
{
    RollCallInfo info;
    info.heading = heading;
    info.yea = pass.yeaCount();
    info.nay = pass.nayCount();
    info.notAvailable = pass.notAvailableCount();
    info.errors = pass.ErrorCount;
    info.hasLine = !pass.line.noLine;
    info.preText = PreText(pass);
    for (int i = 0; i < pass.NotShownList.size(); ++i)
        (i < RollCallInfo::kFirstColumnNames ? info.column1 : info.column2).append(pass.NotShownList.at(i).name);
    info.headerFields = description.header;
    info.scrolling = description.text.size() >= RollCallInfo::kScrollingLength;
    info.details = DetailsText(description.text);
    info.descriptionRead = true;
    return info;
}

RollCallInfo LoadRollCallInfo(const DrawingPass &pass, const QString &root)
{
    return BuildRollCallInfo(pass, ReadDescription(root, pass.isHouse, pass.congress, pass.rollCall), HeadingOf(pass));
}

QStringList InfoReportLines(const RollCallInfo &info)
{
    return reportLines(info, {info.details});
}

QStringList InfoPrintedLines(const RollCallInfo &info)
{
    return reportLines(info, SplitForPrint(info.details));
}

QStringList SplitForPrint(const QString &text, int width)
{
    if (text.isEmpty() || width < 1)
        return {text};
    QStringList out;
    for (qsizetype at = 0; at < text.size(); at += width) {
        QString piece = text.mid(at, width);
        const bool more = at + width < text.size();
        if (more && piece.back() != QLatin1Char(' '))
            piece += QLatin1Char('-');
        out.append(piece);
    }
    return out;
}

} // namespace rollscan
