#include "core/search/OrdinalSuffix.h"

#include "core/data/Dates.h"

#include <cstdlib>

namespace rollscan {

QString OrdinalSuffix(int n)
{
    switch (n) {
    case 11:
    case 12:
    case 13:
    case 111:
    case 112:
    case 113:
        return QStringLiteral("th");
    default:
        break;
    }
    switch (std::abs(n) % 10) {
    case 1:
        return QStringLiteral("st");
    case 2:
        return QStringLiteral("nd");
    case 3:
        return QStringLiteral("rd");
    default:
        return QStringLiteral("th");
    }
}

QString CongressListLine(int n)
{
    return QString::number(n) + OrdinalSuffix(n) + QLatin1Char('\t') + QString::number(CongressFirstYear(n)) +
           QLatin1Char('-') + QString::number(CongressSecondYear(n));
}

} // namespace rollscan
