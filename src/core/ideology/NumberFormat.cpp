#include "core/ideology/NumberFormat.h"

namespace rollscan {

QString FormatDecimal(double value, int maxDecimals, bool leadingZero)
{
    QString s = QString::number(value, 'f', maxDecimals);
    const qsizetype point = s.indexOf(QLatin1Char('.'));
    if (point < 0)
        return s; // nan, inf
    while (s.size() > point + 2 && s.endsWith(QLatin1Char('0')))
        s.chop(1);
    bool negative = s.startsWith(QLatin1Char('-'));
    if (negative) {
        bool allZero = true;
        for (QChar c : s)
            if (c.isDigit() && c != QLatin1Char('0'))
                allZero = false;
        if (allZero) {
            s.remove(0, 1);
            negative = false;
        }
    }
    if (!leadingZero) {
        const qsizetype digits = negative ? 1 : 0;
        if (s.mid(digits, 2) == QLatin1String("0."))
            s.remove(digits, 1);
    }
    return s;
}

QString FormatPre(float pre)
{
    return FormatDecimal(double(pre), 3, false);
}

QString FormatStatistic(double value)
{
    return FormatDecimal(value, 4, true);
}

} // namespace rollscan
