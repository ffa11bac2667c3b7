#include "core/ideology/CuttingLine.h"

#include "core/data/ScalingFile.h"

#include <algorithm>
#include <cmath>

namespace rollscan {

namespace {
constexpr double kHouseFactor = 0.32;
constexpr double kSenateFactor = 0.33;
// Half the drawn length of the cutting line, in map units.
constexpr double kHalfLength = 1.1;

// Keeps "-0.000000" out of printed coordinates.
double clean(double v)
{
    return v == 0.0 ? 0.0 : v;
}
MapPoint clean(MapPoint p)
{
    return {clean(p.x), clean(p.y)};
}
} // namespace

double DimTwoFactor(bool isHouse)
{
    return isHouse ? kHouseFactor : kSenateFactor;
}

double TreeDimTwoFactor(const QString &root, bool isHouse)
{
    if (const std::optional<ScalingFile> f = ScalingFile::ReadIn(root))
        return f->weight;
    return DimTwoFactor(isHouse);
}

MapPoint MapPointOf(double k, float x, float y)
{
    return {double(x), 2.0 * k * double(y)};
}

bool HasCoordinates(float x, float y)
{
    return !(x == 0.0f && y == 0.0f);
}

CuttingLine CalcCoordinates(double k, float spread1, float spread2, float mid1, float mid2)
{
    const double d1 = spread1, d2 = spread2, m1 = mid1, m2 = mid2;

    CuttingLine line;
    line.DimTwoFactor = k;
    line.centre = clean(MapPoint{m1, 2.0 * k * m2});
    line.yeaPoint = clean(MapPoint{m1 - d1, 2.0 * k * (m2 - d2)});
    line.nayPoint = clean(MapPoint{m1 + d1, 2.0 * k * (m2 + d2)});

    // Direction of the line: perpendicular (in display distance) to the Yea-Nay axis.
    const double ux = k * d2;
    const double uy = -2.0 * d1;
    const double uu = ux * ux + uy * uy;

    // Centre the segment on the foot of the perpendicular from the map's centre, so that it spans
    // the picture whatever the midpoints are.
    const double t = uu > 0.0 ? -(line.centre.x * ux + line.centre.y * uy) / uu : 0.0;
    const MapPoint p{line.centre.x + t * ux, line.centre.y + t * uy};

    const double s = uu > 0.0 ? kHalfLength / std::sqrt(uu) : 0.0;
    const MapPoint e1{p.x + s * ux, p.y + s * uy};
    const MapPoint e2{p.x - s * ux, p.y - s * uy};
    const double length = std::hypot(e1.x - e2.x, e1.y - e2.y);
    // Written so that a NaN length (unreadable parameters) also counts as no line.
    if (!(length > 0.0) || !std::isfinite(length)) {
        line.noLine = true;
        line.end1 = line.end2 = MapPoint{};
    } else {
        line.noLine = false;
        line.end1 = clean(e1);
        line.end2 = clean(e2);
    }
    return line;
}

double DisplayDistance2(MapPoint p, MapPoint o)
{
    const double dx = p.x - o.x;
    const double dy = (p.y - o.y) / 2.0;
    return dx * dx + dy * dy;
}

bool IsClassificationError(VoteClass c, MapPoint p, const CuttingLine &line)
{
    const double dY = DisplayDistance2(p, line.yeaPoint);
    const double dN = DisplayDistance2(p, line.nayPoint);
    if (c == VoteClass::Yea)
        return dY > dN;
    if (c == VoteClass::Nay)
        return dY < dN;
    return false;
}

int CorrectedErrorCount(int counted, int yea, int nay)
{
    if (2 * counted > yea + nay)
        return yea + nay - counted;
    return counted;
}

int MinorityCount(int yea, int nay)
{
    return std::min(yea, nay);
}

float ProportionalReduction(int minority, int errors)
{
    if (minority == 0)
        return 0.0f;
    return float(minority - errors) / float(minority);
}

} // namespace rollscan
