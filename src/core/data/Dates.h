#pragma once

#include <QDate>
#include <QString>

namespace rollscan {

// Stored dates count days from 30 December 1899; the fraction is the time of day. Dates before
// the base are negative, the whole part counting days back and the fraction still a time of day.
QDate DateFromSerial(double serial);
double SerialFromDate(const QDate &date);

// "January 5, 1981"
QString FormatLongDate(const QDate &date);
// "1/5/1981"
QString FormatNumericDate(const QDate &date);
// "1/5/81"
QString FormatShortYearDate(const QDate &date);
// The system's short date form.
QString FormatSystemShortDate(const QDate &date);

// The years a congress covers: 2N + 1787 and 2N + 1788.
inline int CongressFirstYear(int congress)
{
    return 2 * congress + 1787;
}
inline int CongressSecondYear(int congress)
{
    return 2 * congress + 1788;
}

} // namespace rollscan
