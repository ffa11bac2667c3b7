#pragma once

namespace rollscan {

// A rectangle in map units (longitude and latitude for our shapefiles): y grows northward, so
// minY is the southern edge.
struct MapExtent {
    double minX = 0.0;
    double minY = 0.0;
    double maxX = 0.0;
    double maxY = 0.0;

    double width() const { return maxX - minX; }
    double height() const { return maxY - minY; }
    bool isEmpty() const { return !(maxX > minX) || !(maxY > minY); }
    bool contains(double x, double y) const { return x >= minX && x <= maxX && y >= minY && y <= maxY; }
    bool operator==(const MapExtent &) const = default;
};

} // namespace rollscan
