#pragma once

#include "core/geomap/DrawnMapFiles.h"
#include "core/geomap/DrawnMapView.h"

#include <QHash>
#include <QList>
#include <QString>

namespace rollscan {

// The outline files of one House congress's drawn map, read once and kept while roll calls of that
// congress are shown: "map.dat" with "mapindex.dat", the congress's ".cds" and ".ctr" files and its
// lines of "city.dat".
struct DrawnMapData {
    int congress = 0;
    StateOutlines states;
    QList<OutlinePoint> districts;
    QList<DistrictSeedRecord> districtTable;
    QHash<int, int> districtRows;   // district identifier of the ".cds" points -> district table row
    QHash<int, int> districtStates; // district identifier -> ICPSR state code
    QList<CityBox> cities;          // the lines of this congress, in file order

    // Reads the files; the ".cds" and ".ctr" counts come from the congress's "houses.dat" record.
    // A tree without "city.dat" has no city rectangles. Throws FileError.
    static DrawnMapData Load(const QString &root, int congress);

    // The view the congress is drawn at before any zoom.
    DrawnMapView designedView() const;
};

} // namespace rollscan
