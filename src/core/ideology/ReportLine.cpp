#include "core/ideology/ReportLine.h"

#include "core/data/Cp1252.h"
#include "core/data/FileIO.h"
#include "core/report/OutputColumns.h"

namespace rollscan {

ReportLine &ReportLine::tab(int column)
{
    const qsizetype target = column - 1;
    if (m_text.size() > target)
        m_text += QLatin1Char(' ');
    else
        m_text = m_text.leftJustified(target, QLatin1Char(' '));
    return *this;
}

ReportLine &ReportLine::text(const QString &t)
{
    m_text += t;
    return *this;
}

ReportLine &ReportLine::number(int n)
{
    m_text += ReportNumber(n);
    return *this;
}

QString ReportNumber(int n)
{
    return (n < 0 ? QString() : QStringLiteral(" ")) + QString::number(n) + QLatin1Char(' ');
}

QStringList ReportRollCall::headingLines() const
{
    return RollCallHeading(isHouse, congress, rollCall);
}

QStringList TitleLines(const QString &title)
{
    return {title, QString(title.size(), QLatin1Char('-'))};
}

void WriteReportFile(const QString &path, const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines) {
        out += EncodeCp1252(line);
        out += kOutputLineEnd;
    }
    WriteWholeFile(path, out);
}

} // namespace rollscan
