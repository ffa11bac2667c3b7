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

    // The district table row of a state's district, -1 when the table has none.
    int rowOf(int state, int district) const { return m_rowOf.value(qint64(state) << 16 | quint16(district), -1); }
    // Whether the map point (x, y) lies inside the rings of district table row `row` (even-odd: a
    // ring inside another is a hole).
    bool districtContains(int row, double x, double y) const;
    // The rings of district table row `row` as [first, last] index ranges into `districts`.
    QList<QPair<qsizetype, qsizetype>> ringsOf(int row) const { return m_rings.value(row); }
    // The bounding box of the rings of district table row `row`; empty when it has none.
    DrawnRect districtBounds(int row) const { return m_bounds.value(row); }

private:
    QHash<qint64, int> m_rowOf;
    // The rings of each district table row, as [first, last] index ranges into `districts`.
    QHash<int, QList<QPair<qsizetype, qsizetype>>> m_rings;
    QHash<int, DrawnRect> m_bounds;
};

} // namespace rollscan
