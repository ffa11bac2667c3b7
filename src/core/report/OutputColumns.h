#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace rollscan {

// The 1-based character columns of the roll-call table (text file and printed page): H#, ID1#, ID2#,
// SC, CD, STATE, PARTY, NAME, XCOORD, YCOORD, VOTE.
const QList<int> &RollCallTableColumns();
// The captions of the table's column line, in column order.
const QStringList &RollCallTableCaptions();

// Lays values out at 1-based columns, one value per column, the gap before each filled with blanks.
// A value that reaches into the next column pushes that next value to its column on
// a new line. Returns the lines (one, unless something overflowed); no trailing blanks are added.
QStringList LayOutColumns(const QStringList &values, const QList<int> &columns);

// A coordinate with three decimals and no digit before the point when it is below 1 in size, the
// sign position holding a blank for values >= 0: 0.5 gives " .500", -0.25 gives "-.250", 1.5 " 1.500".
QString FormatCoordinate(double c);

// Line ends of the written outputs: CR LF, which every spreadsheet program reads.
inline constexpr const char *kOutputLineEnd = "\r\n";

} // namespace rollscan
