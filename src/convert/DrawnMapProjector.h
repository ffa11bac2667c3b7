#pragma once

#include "core/geomap/DrawnMapProjection.h"

#include <QPointF>

#include <memory>

namespace rollscan {

// Longitude and latitude (degrees) to the drawn map's plane through the projections of
// DrawnMapProjection.h. Throws DataError when the projection library refuses a definition.
class DrawnMapProjector {
public:
    DrawnMapProjector();
    ~DrawnMapProjector();
    DrawnMapProjector(const DrawnMapProjector &) = delete;
    DrawnMapProjector &operator=(const DrawnMapProjector &) = delete;

    enum class Region { Contiguous, Alaska, Hawaii };
    // The region a state's shapes are placed in, by ICPSR state code.
    static Region RegionOfState(int icpsr);

    // Unrounded drawn-map coordinates; a point the projection cannot take comes back as NaN.
    QPointF project(double longitude, double latitude, Region region) const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace rollscan
