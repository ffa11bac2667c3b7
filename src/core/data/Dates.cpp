#include "core/data/Dates.h"

#include <QLocale>
#include <cmath>

namespace rollscan {

namespace {
const QDate kBase(1899, 12, 30);
// No roll call is older than 1789: an earlier day (like NaN or an infinite serial) can only come
// from a damaged file and is shown as no date.
const QDate kFirstPossible(1789, 1, 1);
const char *const kMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                 "July",    "August",   "September", "October", "November", "December"};
} // namespace

QDate DateFromSerial(double serial)
{
    if (!std::isfinite(serial) || std::fabs(serial) > 3.0e6)
        return {};
    const QDate d = kBase.addDays(static_cast<qint64>(std::trunc(serial)));
    return d < kFirstPossible ? QDate() : d;
}

double SerialFromDate(const QDate &date)
{
    return static_cast<double>(kBase.daysTo(date));
}

QString FormatLongDate(const QDate &d)
{
    if (!d.isValid())
        return {};
    return QString::fromLatin1(kMonths[d.month() - 1]) + QLatin1Char(' ') + QString::number(d.day()) +
           QStringLiteral(", ") + QString::number(d.year());
}

QString FormatNumericDate(const QDate &d)
{
    if (!d.isValid())
        return {};
    return QStringLiteral("%1/%2/%3").arg(d.month()).arg(d.day()).arg(d.year());
}

QString FormatShortYearDate(const QDate &d)
{
    if (!d.isValid())
        return {};
    return QStringLiteral("%1/%2/%3").arg(d.month()).arg(d.day()).arg(d.year() % 100, 2, 10, QLatin1Char('0'));
}

QString FormatSystemShortDate(const QDate &d)
{
    return QLocale::system().toString(d, QLocale::ShortFormat);
}

} // namespace rollscan
