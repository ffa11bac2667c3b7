#include "core/app/Session.h"

#include "core/app/CongressList.h"
#include "core/data/CongressIndex.h"
#include "core/data/DataTree.h"
#include "core/data/FileIO.h"

namespace rollscan {

Session::Session(QString root)
{
    setDataRoot(root.isEmpty() ? QStringLiteral(".") : root);
}

void Session::setDataRoot(const QString &root)
{
    dataRoot = root;
    houseDir = DataFolder(root, kHouseDir);
    senateDir = DataFolder(root, kSenateDir);
    mainDir = DataFolder(root, kMainDir);
    mapsDir = DataFolder(root, kMapsDir);
    userDir = DataFolder(root, kUserDir);
}

// A tree copied from a case-insensitive file system may hold "ROLLSCAN.PRF"; that file is the one read
// and rewritten, never a second one beside it.
QString Session::preferencesPath() const
{
    return ResolvePath(dataRoot, kPreferencesFile);
}

QString Session::congressFileName(int congress, const QString &extension) const
{
    return CongressFileName(dataRoot, isHouse, congress, extension);
}

QString Session::mainFileName(const QString &name) const
{
    return DataFileName(dataRoot, kMainDir, name);
}

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

bool Session::importFits(bool house, int congress) const
{
    if (importedData.path.isEmpty() || importedData.isHouse != house)
        return false;
    return importedData.congresses.isEmpty() || importedData.congresses.contains(congress);
}

void Session::clearImport()
{
    importedData = {};
    importKey = {};
    importedDataShown = false;
    importWithVotes = false;
}

bool Session::dropImportNotFitting()
{
    if (importedData.path.isEmpty())
        return false;
    for (int congress : std::as_const(selectedCongresses))
        if (importFits(isHouse, congress))
            return false;
    clearImport();
    return true;
}

} // namespace rollscan
