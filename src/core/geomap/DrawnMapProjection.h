#pragma once

namespace rollscan {

// How longitude and latitude become the drawn map's 16-bit coordinates. Every drawn-map file
// ("map.dat", ".cds", ".ctr", ".cit", the seed points of the legislator records, "city.dat") is in
// this one system, so the viewer never projects anything itself.
//
// A point is first projected by an equal-area conic (units: metres) and then placed by
//   x = X * scale + offsetX
//   y = offsetY - Y * scale
// so that y grows downward as on the screen (north has the smaller y). For the contiguous states one
// unit is about 2.86 km. The view of congresses 31 and later (F = 2.7 about (-450, 0): x from
// -1119.6 to 557.1, y from -648 to 648) then holds the contiguous states (x about -1089 .. 526,
// y about -507 .. 507) with a small margin at the sides and room for the two insets below.

struct DrawnMapRegion {
    const char *projection; // a projection definition in PROJ's "+proj=" syntax, input in degrees
    double scale;           // drawn-map units per projected metre
    double offsetX;
    double offsetY;
};

// The contiguous states (and every state of earlier congresses).
inline constexpr DrawnMapRegion kContiguousRegion{
    "+proj=aea +lat_1=29.5 +lat_2=45.5 +lat_0=37.5 +lon_0=-96 +ellps=GRS80 +units=m", 3.5e-4, -264.0, 41.0};

// Alaska, at 35 % of the contiguous scale on its own conic, in the lower-left corner
// (x about -1110 .. -662, y about 400 .. 640).
inline constexpr DrawnMapRegion kAlaskaRegion{
    "+proj=aea +lat_1=55 +lat_2=65 +lat_0=50 +lon_0=-154 +ellps=GRS80 +units=m", 1.225e-4, -844.4, 690.9};

// Hawaii, at the contiguous scale on its own conic, right of the Alaska inset
// (x about -640 .. -442, y about 500 .. 628).
inline constexpr DrawnMapRegion kHawaiiRegion{"+proj=aea +lat_1=8 +lat_2=18 +lat_0=3 +lon_0=-157 +ellps=GRS80 +units=m",
                                              3.5e-4, -522.2, 1244.4};

// City outlines ("NNN.cit") keep finer detail than one map unit (a city district can be a single
// unit wide): their x and y are drawn-map coordinates multiplied by this factor. Divide by it to
// place a city's districts on the main map; "city.dat" rectangles are plain drawn-map units.
inline constexpr int kCityPointScale = 8;

// The ICPSR state codes whose shapes go into the insets.
inline constexpr int kAlaskaIcpsr = 81;
inline constexpr int kHawaiiIcpsr = 82;

} // namespace rollscan
