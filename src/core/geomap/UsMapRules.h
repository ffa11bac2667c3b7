#pragma once

#include "core/data/RollCall.h"
#include "core/geomap/MapExtent.h"

#include <QString>
#include <QStringList>

namespace rollscan {

class ShapeLayer;

// The US map draws the House up to the 102nd congress itself (drawn mode) and every later House and
// every Senate from shapefiles.
enum class UsMapMode { Drawn, Shapefile };
UsMapMode UsMapModeFor(bool isHouse, int congress);

// Colour of a feature that no member belongs to, as an RGB long (red in the low byte): 167, 151, 107.
constexpr int kDefaultFeatureColour = 7051175;

// Map units are degrees; a degree of longitude is drawn this much shorter than a degree of
// latitude (the cosine of 38 degrees, the middle of the country) so the outline looks familiar.
constexpr double kLongitudeScale = 0.788010753606722;

// Width trimmed from the right edge of a full extent that spans the globe (a layer whose rings cut
// by longitude 180 were not brought together).
constexpr double kFullMapTrim = 245.0;
// The full map leaves this share of the frame's width and height free on each side.
constexpr double kFullMapMargin = 0.02;

// Key fields of the two layers.
inline const QString kDistrictField = QStringLiteral("DISTRICT");
inline const QString kStateFipsField = QStringLiteral("STATE_FIPS");
inline const QString kStateNameField = QStringLiteral("STATE_NAME");
inline const QString kStateField = QStringLiteral("STATE");
inline const QString kStatesFile = QStringLiteral("states.shp");
inline const QString kDistrictsFile = QStringLiteral("cd104.shp");

// `full` with its right edge moved in by 245 units when it is wider than that (a narrower extent is
// kept whole).
MapExtent FullMapExtent(const MapExtent &full);
// The extent of "full map": the layer's main extent (small outlying islands left out, so the country
// fills the window with Alaska and Hawaii in sight), trimmed as above, with a small margin.
MapExtent FullMapExtent(const ShapeLayer &layer);

// Label height in map units: the current width / 60 when the view is narrower than 0.6 of the
// full width, else / 30.
double LabelHeight(double currentWidth, double fullWidth);

// The district file drawn for a House congress, among the names in the maps folder: the largest
// NNN <= congress of the "cdNNN.shp" files with NNN >= 103, else "cd104.shp". Case is ignored; the
// name is returned as found.
QString DistrictFileFor(const QStringList &mapFiles, int congress);

// The short caption of cmbInfo: "H #110 RC #5  1/4/07  (1/3)".
QString UsMapShortCaption(bool isHouse, int congress, int rollCall, const TaggedDate &date, int queuePosition,
                          int queueLength);

} // namespace rollscan

namespace rollscan {
// The layer file of the US map for a chamber and congress, in the tree's maps folder: "states.shp"
// for the Senate, DistrictFileFor(the folder's files, congress) for the House.
QString UsMapLayerPath(const QString &dataRoot, bool isHouse, int congress);
} // namespace rollscan
