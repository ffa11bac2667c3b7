#pragma once

#include <QList>
#include <QString>

namespace rollscan {

// The congresses present in a chamber folder: the numbers of its legislator files ("97.lcr" in the
// House folder, "97s.lcr" in the Senate folder, any letter case), ascending. Names whose part before
// the extension is not a number are skipped. A missing folder gives an empty list.
QList<int> FindCongresses(const QString &folder, bool isHouse);

} // namespace rollscan
