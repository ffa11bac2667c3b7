#include "core/search/ListColumns.h"

namespace rollscan {

QString ListColumns::text(int column) const
{
    switch (column) {
    case 0:
        return congress;
    case 1:
        return rollCall;
    case 2:
        return date;
    default:
        return line;
    }
}

QStringList ListColumnCaptions()
{
    return {QStringLiteral("Congress"), QStringLiteral("Roll call"), QStringLiteral("Date"),
            QStringLiteral("Yea-Nay and description")};
}

ListColumns ListColumnsOf(const MatchRow &row, const QString &line)
{
    return {QString::number(row.congress), QString::number(row.rollCall), MatchDateText(row.date), line};
}

} // namespace rollscan
