#pragma once

#include "core/ideology/VoteClass.h"

#include <QString>

namespace rollscan {

// A point in map units: the picture runs from (-1, 1) at its top-left corner to (1, -1) at its
// bottom-right corner.
struct MapPoint {
    double x = 0.0;
    double y = 0.0;
    bool operator==(const MapPoint &) const = default;
};

// The cutting line of one roll call and its two outcome points, in map units.
struct CuttingLine {
    double DimTwoFactor = 0.0;
    MapPoint centre; // (m1, 2k·m2)
    MapPoint end1;   // drawn from end1 to end2; both (0, 0) when noLine
    MapPoint end2;
    bool noLine = true; // both spreads 0: nothing is drawn and lblNoLine shows
    MapPoint yeaPoint;  // (m1 - δ1, 2k·(m2 - δ2))
    MapPoint nayPoint;  // (m1 + δ1, 2k·(m2 + δ2))
};

// The built-in factor that squeezes the second dimension onto the map: 0.32 for the House, 0.33
// for the Senate. Used for a tree that does not say the weight of its coordinates.
double DimTwoFactor(bool isHouse);

// The factor of a tree: the weight its "main/scaling.dat" gives, else the built-in factor of the
// chamber. Throws as ScalingFile::Read for a file that is there but unusable.
double TreeDimTwoFactor(const QString &root, bool isHouse);

// Where a legislator with coordinates (x, y) stands on the map: (x, 2k·y).
MapPoint MapPointOf(double k, float x, float y);
inline MapPoint MapPointOf(bool isHouse, float x, float y)
{
    return MapPointOf(DimTwoFactor(isHouse), x, y);
}

// True when a legislator has scaling coordinates, i.e. not both exactly 0.
bool HasCoordinates(float x, float y);

// The cutting line of a roll call with spreads δ1, δ2 and midpoints m1, m2. The segment is centred
// on the point of the line nearest the map's centre and reaches 1.1 map units to either side of it.
// Non-finite or zero spreads give noLine.
// `k` is the second-dimension factor (DimTwoFactor or TreeDimTwoFactor).
CuttingLine CalcCoordinates(double k, float spread1, float spread2, float mid1, float mid2);
inline CuttingLine CalcCoordinates(bool isHouse, float spread1, float spread2, float mid1, float mid2)
{
    return CalcCoordinates(DimTwoFactor(isHouse), spread1, spread2, mid1, mid2);
}

// Squared display distance: (Δx)² + (Δy / 2)². The cutting line is exactly the set of points at
// equal display distance from the two outcome points.
double DisplayDistance2(MapPoint p, MapPoint o);

// True when a legislator of class `c` at map point `p` stands on the wrong side of the line: a Yea
// nearer the Nay point or a Nay nearer the Yea point. Equal distances and other classes never err.
bool IsClassificationError(VoteClass c, MapPoint p, const CuttingLine &line);

// The error count after the pass: a count above half the yeas and nays is read from the other
// side of the line (yea + nay - counted).
int CorrectedErrorCount(int counted, int yea, int nay);

// The smaller of the yea and nay counts.
int MinorityCount(int yea, int nay);

// Proportional reduction in error: (minority - errors) / minority, or 0 when minority is 0.
float ProportionalReduction(int minority, int errors);

} // namespace rollscan
