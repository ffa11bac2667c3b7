#pragma once

#include <QList>
#include <QString>

namespace rollscan {

// The congresses present in a chamber folder: the numbers of its legislator files ("97.lcr" in the
// House folder, "97s.lcr" in the Senate folder, any letter case), ascending. Names whose part before
// the extension is not a number are skipped. A missing folder gives an empty list.
QList<int> FindCongresses(const QString &folder, bool isHouse);

// The main window's caption of the years the data cover: "Roll Call Displays of the U.S. Congress, "
// followed by the first year of the earliest congress present in either chamber and the last year of
// the latest ("1837-2012"); with no congress at all the years 1789-2000 of the full history.
QString CongressSpanCaption(const QList<int> &houseList, const QList<int> &senateList);

} // namespace rollscan
