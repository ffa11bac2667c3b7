#pragma once

#include "core/data/Preferences.h"
#include "core/import/QuantData.h"
#include "core/import/QuantKey.h"
#include "core/search/MatchTable.h"
#include "core/search/SelectionQueue.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace rollscan {

// The shared state of one run of the program: which chamber and congresses are in use, the search
// result, the selection queue, the folders and the preferences. Created once by main (or by a test
// over its own data tree) and handed by reference to every window; there are no other globals.
class Session {
public:
    explicit Session(QString dataRoot = QString());

    // Data tree. Folder paths are resolved below dataRoot, whatever the case of their names.
    QString dataRoot;
    QString houseDir, senateDir, mainDir, mapsDir, userDir;
    void setDataRoot(const QString &root);
    QString preferencesPath() const;
    // Path of a file of congress N of the chamber in use (`isHouse`), e.g. ".lcr".
    QString congressFileName(int congress, const QString &extension) const;
    QString mainFileName(const QString &name) const;

    // Start-up.
    rollscan::Preferences Preferences;
    bool smallScreen = false;
    bool newDataFormat = true;
    QList<int> houseList;
    QList<int> senateList;
    int houseCount() const { return int(houseList.size()); }
    int senateCount() const { return int(senateList.size()); }
    // Rebuilds houseList and senateList from the chamber folders.
    void findCongresses();

    // Chamber and congress in use.
    bool isHouse = true;
    QList<int> selectedCongresses;
    int currentCongress = 0;
    int legislatorCount = 0;
    int rollCallCount = 0;
    // Reads the counts of congress N of the chamber in use into currentCongress, legislatorCount and
    // rollCallCount. Throws FileError.
    void loadCongressCounts(int congress);

    // Kind of search and the chosen subject codes.
    bool searchByIssue = false;
    bool searchByClausen = false;
    bool searchByPeltzman = false;
    bool searchByOther = false;
    QList<int> chosenCodes;
    QStringList chosenCodeNames;

    // Search result, and the selection queue built from it with the position the displays show.
    rollscan::MatchTable MatchTable;
    SelectionQueue queue;
    bool crossTabRequested = false;

    // Imported quantitative data: the data set last read (kept until the next read succeeds), its
    // classes as last made by the import window's Start, whether the US map shows them (cleared when
    // the map closes), and whether the map shows the votes of the roll call with them.
    QuantData importedData;
    QuantKey importKey;
    bool importedDataShown = false;
    bool importWithVotes = false;
    // Whether the data set read belongs to a map of the chamber and congress: the chamber it was read
    // for and one of the congresses searched then (any congress when none was). District numbers name
    // other places after a redistricting, so a data set never stands for another congress's members.
    bool importFits(bool house, int congress) const;
    // Forgets the data set and its classes: another data tree opened, or a search moved to a chamber
    // or congresses it does not belong to.
    void clearImport();
    // Clears the data set unless it fits the chamber and one of the congresses now selected; true when
    // it was cleared.
    bool dropImportNotFitting();
};

} // namespace rollscan
