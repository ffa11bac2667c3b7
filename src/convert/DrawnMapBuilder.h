#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace rollscan {

// The drawn US map's files made from public shapes in longitude and latitude (GEO folder):
//   GEO/districts/districts_NNN.geojson  district shapes (properties state, district,
//                                        start_session, end_session; district 98 = delegate)
//   GEO/us-atlas-3.0.1/states-10m.json   today's state outlines (TopoJSON, object "states")
//   GEO/states.csv                       postal code, FIPS, name, ICPSR code and admission year
//
// For every House congress up to the 102nd of the tree that a district file covers (all of the
// file's seats hold the congress in their session range) it writes:
//   house/NNN.cds  the districts' rings, each starting with the pen-up code; the district
//                  identifier of a point is the 1-based row of its district in NNN.ctr
//   house/NNN.ctr  one row per district: ICPSR state code, district number (at large: 1), then
//                  the fill seed of its largest part (x, y) and its number of parts
//   house/NNN.cit  the city districts' rings (see kCityPointScale), each ring's first point with
//                  the pen-up code in the unused field
//   main/houses.dat  the district and outline-point counts of the congress
//   house/NNN.lcr  every member's seed points: up to three, in the largest parts of the member's
//                  district, each at least one unit from every line drawn for the congress; a
//                  member of a state elected wholly at large gets none (the viewer fills that
//                  state by its majority) and the state's seed sits in the NNN.ctr row
//   main/city.dat  the rectangles of the congress's cities (other congresses' lines are kept)
// and, once, main/map.dat with main/mapindex.dat: the state outlines with their first years.
struct DrawnMapFigures {
    int congress = 0;
    QString sourceFile;            // the district file used
    int districts = 0;             // rows of NNN.ctr
    int outlinePoints = 0;         // records of NNN.cds
    double tolerance = 0;          // simplification tolerance that made the outlines fit, in map units
    int seededMembers = 0;         // members given seed points
    int crampedDistricts = 0;      // districts with no whole point one unit clear of every line
    int unsimplifiedDistricts = 0; // districts the simplification erased, kept on their own outline
    int cities = 0;
    int cityPoints = 0;
};

struct DrawnMapReport {
    QStringList written; // relative to the tree root
    QStringList notes;   // congresses left without files and why
    QList<DrawnMapFigures> congresses;
};

// The last congress drawn by the program itself; later Houses use the shapefiles.
constexpr int kLastDrawnCongress = 102;
constexpr int kMaxOutlinePoints = 32767;

// Writes the files above into the tree at `treeRoot`, which must already hold the congresses'
// legislator files and "main/houses.dat". Throws DataError for a malformed shape file or table and
// FileError for a file that cannot be read or written; on a fault in a congress nothing of that
// congress has been written yet except files named in earlier congresses.
// `maxOutlinePoints` is the record count a ".cds" file may reach (the 16-bit count of houses.dat);
// the outlines are simplified more coarsely, step by step, until they fit.
DrawnMapReport WriteDrawnMaps(const QString &geoDir, const QString &treeRoot, int maxOutlinePoints = kMaxOutlinePoints);

} // namespace rollscan
