#include "core/report/OutputColumns.h"

#include <cmath>

namespace rollscan {

const QList<int> &RollCallTableColumns()
{
    static const QList<int> columns = {1, 5, 12, 18, 22, 26, 42, 49, 62, 70, 78};
    return columns;
}

const QStringList &RollCallTableCaptions()
{
    static const QStringList captions = {QStringLiteral("H#"),     QStringLiteral("ID1#"), QStringLiteral("ID2#"),
                                         QStringLiteral("SC"),     QStringLiteral("CD"),   QStringLiteral("STATE"),
                                         QStringLiteral("PARTY"),  QStringLiteral("NAME"), QStringLiteral("XCOORD"),
                                         QStringLiteral("YCOORD"), QStringLiteral("VOTE")};
    return captions;
}

QStringList LayOutColumns(const QStringList &values, const QList<int> &columns)
{
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < values.size() && i < columns.size(); ++i) {
        const int column = columns[i];
        // The next character would go at column line.size() + 1.
        if (line.size() + 1 > column) {
            lines.append(line);
            line.clear();
        }
        line += QString(column - 1 - line.size(), QLatin1Char(' '));
        line += values[i];
    }
    lines.append(line);
    return lines;
}

QString FormatCoordinate(double c)
{
    if (std::isnan(c))
        return QStringLiteral(" nan");
    QString digits = QString::number(std::fabs(c), 'f', 3);
    if (digits.startsWith(QLatin1String("0.")))
        digits.remove(0, 1);
    return (c < 0 ? QLatin1Char('-') : QLatin1Char(' ')) + digits;
}

} // namespace rollscan
