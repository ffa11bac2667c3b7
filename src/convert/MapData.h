#pragma once

#include "core/geomap/StateList.h"

#include <QString>
#include <QStringList>

namespace rollscan {

// The state list made from a table of states (columns fips, postal, name, icpsr, admitted): the 50
// states without the District of Columbia, in order of admission to the Union (states admitted in
// the same year in the table's order), each with its place in that order and a short name of at
// most 8 characters. Throws DataError for a malformed table or one without 50 states.
StateList StateListFromTable(const QString &csvPath);

// Writes "main/state list.dat" from GEO/states.csv and copies the shapefiles of GEO/shapefiles
// ("states" and every "cdNNN", each with its .shp, .shx, .dbf and, when present, .prj) into
// "maps/" of the tree. Returns the files written, relative to the tree. Throws DataError when a
// shapefile is missing and FileError when a file cannot be written.
QStringList WriteMapData(const QString &geoDir, const QString &treeRoot);

// Faults of the map data of a tree, one line per fault with the file's path relative to the root:
// a missing or unreadable state list or layer, a district key found twice, a state of the state
// list that "states.shp" lacks. Nothing is checked when the tree carries no map data at all.
QStringList CheckMapData(const QString &treeRoot);

} // namespace rollscan
