#include "Session.h"

#include "CongressList.h"
#include "data/CongressIndex.h"
#include "data/DataTree.h"

namespace rollscan {

Session::Session(QString root) { setDataRoot(root.isEmpty() ? QStringLiteral(".") : root); }

void Session::setDataRoot(const QString &root)
{
    dataRoot = root;
    houseDir = DataFolder(root, kHouseDir);
    senateDir = DataFolder(root, kSenateDir);
    mainDir = DataFolder(root, kMainDir);
    mapsDir = DataFolder(root, kMapsDir);
    userDir = DataFolder(root, kUserDir);
}

QString Session::preferencesPath() const { return dataRoot + QLatin1Char('/') + kPreferencesFile; }

QString Session::congressFileName(int congress, const QString &extension) const
{
    return CongressFileName(dataRoot, isHouse, congress, extension);
}

QString Session::mainFileName(const QString &name) const { return DataFileName(dataRoot, kMainDir, name); }

void Session::findCongresses()
{
    houseList = FindCongresses(houseDir, true);
    senateList = FindCongresses(senateDir, false);
}

void Session::loadCongressCounts(int congress)
{
    const CongressCounts c = LoadCongressCounts(dataRoot, isHouse, congress);
    currentCongress = congress;
    legislatorCount = c.legislatorCount;
    rollCallCount = c.rollCallCount;
}

} // namespace rollscan
