#pragma once

#include <QString>

namespace rollscan {

// `value` rounded to at most `maxDecimals` decimals and shown with at least one ("1.0", "0.25");
// without `leadingZero` a zero before the point is left out (".25", "-.5"). A value that rounds to
// zero shows no sign.
QString FormatDecimal(double value, int maxDecimals, bool leadingZero);

// The reduction in error as the information window shows it, "#.0##": .857, .5, 1.0, .0.
QString FormatPre(float pre);

// Yule's Q and chi-square as the cross-tab window shows them, "0.0###": 0.5, 2.25, 12.0.
QString FormatStatistic(double value);

} // namespace rollscan
