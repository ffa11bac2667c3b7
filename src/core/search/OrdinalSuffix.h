#pragma once

#include <QString>

namespace rollscan {

// "st", "nd", "rd" or "th" for a congress number: 11, 12, 13, 111, 112 and 113 take "th",
// otherwise the last decimal digit decides (1 "st", 2 "nd", 3 "rd", others "th").
QString OrdinalSuffix(int n);

// The line of congress n in the search dialog's lists: "105th", a TAB, "1997-1998".
QString CongressListLine(int n);

} // namespace rollscan
