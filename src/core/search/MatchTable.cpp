#include "core/search/MatchTable.h"

#include "core/data/Dates.h"

namespace rollscan {

bool MatchTable::append(const MatchRow &r)
{
    if (isFull())
        return false;
    m_rows.append(r);
    return true;
}

bool MatchTable::append(MatchRow &&r)
{
    if (isFull())
        return false;
    m_rows.append(std::move(r));
    return true;
}

QString MatchListLine(const MatchRow &row, bool smallScreen)
{
    if (smallScreen)
        return row.description;
    return QString::number(row.yeas) + QLatin1Char('-') + QString::number(row.nays) + QLatin1Char('\t') +
           row.description;
}

QStringList MatchListLines(const MatchTable &table, bool smallScreen)
{
    QStringList lines;
    lines.reserve(table.matchCount());
    for (const MatchRow &row : table.rows())
        lines.append(MatchListLine(row, smallScreen));
    return lines;
}

QString MatchDateText(const TaggedDate &date)
{
    return date.isDate() ? FormatSystemShortDate(date.date()) : date.text.trimmed();
}

QString RollCallIdLine(bool isHouse, const MatchRow &row)
{
    return (isHouse ? QStringLiteral("House #") : QStringLiteral("Senate #")) + QString::number(row.congress) +
           QStringLiteral(" Roll Call #") + QString::number(row.rollCall) + QStringLiteral("  ") +
           MatchDateText(row.date);
}

std::optional<int> QuickEntryRow(const QString &typed, int rollCallCount, int listLength)
{
    bool ok = false;
    const int n = typed.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > rollCallCount || n > listLength)
        return std::nullopt;
    return n;
}

} // namespace rollscan
