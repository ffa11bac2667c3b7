#include "ReportLine.h"

#include "data/Cp1252.h"
#include "data/Dates.h"
#include "data/FileIO.h"

namespace rollscan {

namespace {
// Reports are exchanged with users on every platform; CR LF reads correctly everywhere.
const QByteArray kLineEnd("\r\n");
} // namespace

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

QString LongDateText(const TaggedDate &date)
{
    return date.isDate() ? FormatLongDate(date.date()) : date.text;
}

QString CongressLine(bool isHouse, int congress)
{
    return (isHouse ? QStringLiteral("House #") : QStringLiteral("Senate #")) + QString::number(congress) +
           QStringLiteral(", ") + QString::number(CongressFirstYear(congress)) + QLatin1Char('-') +
           QString::number(CongressSecondYear(congress));
}

QStringList RollCallHeading::lines() const
{
    return {LongDateText(date) + QStringLiteral(": Roll Call #") + QString::number(rollCall), description,
            CongressLine(isHouse, congress)};
}

QStringList TitleLines(const QString &title) { return {title, QString(title.size(), QLatin1Char('-'))}; }

void WriteReportFile(const QString &path, const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines) {
        out += EncodeCp1252(line);
        out += kLineEnd;
    }
    WriteWholeFile(path, out);
}

} // namespace rollscan
