#pragma once

#include <QDate>
#include <QString>

namespace rollscan {

// Stored dates count days from 30 December 1899; the fraction is the time of day. Dates before
// the base are negative, the whole part counting days back and the fraction still a time of day.
// NaN, infinite and far-off serials and days before 1789 (no roll call is older) give an invalid
// date, which every display shows as no date.
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

// True when a stored date can be that of a roll call of congress `congress`: a serial that
// DateFromSerial accepts, from 1 January of the congress's first year to 4 March after its second
// year (terms ran to 4 March until 1935, and sessions since then may sit into early January).
bool IsPossibleCongressDate(double serial, int congress);

} // namespace rollscan
