#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <array>

namespace rollscan {

// The files of the drawn US map (the House up to the 102nd congress). Coordinates are in the drawn
// map's own system, 16-bit integers; every file is a random-access file of fixed-length records,
// little-endian, except "city.dat", which is text.

// One record of "main/mapindex.dat" (28 bytes): a state outline and the years it is drawn from.
struct MapIndexRecord {
    QString name;          // 22 characters, padding trimmed
    qint16 firstYear = 0;  // drawn when firstYear <= 1788 + 2 x congress
    qint16 firstPoint = 0; // 1-based record number of its first point in "map.dat"
    qint16 pointCount = 0;
    bool operator==(const MapIndexRecord &) const = default;
};

// A point of "main/map.dat" (4 bytes). Not MapPoint: that name is the ideological map's point.
struct StatePoint {
    qint16 x = 0;
    qint16 y = 0;
    bool operator==(const StatePoint &) const = default;
};

// Pen code of an outline point that starts a new line: no segment leads to it.
constexpr qint16 kPenUp = 99;

// One record of a congress's district outline file "house/NNN.cds" (10 bytes).
struct OutlinePoint {
    qint16 pen = 0;      // kPenUp at the first point of each ring
    qint16 unused = 0;   // carried, never read by the map
    qint16 district = 0; // identifier of the district the point belongs to
    qint16 x = 0;
    qint16 y = 0;
    bool operator==(const OutlinePoint &) const = default;
};

// One record of a congress's district table "house/NNN.ctr" (10 bytes).
struct DistrictSeedRecord {
    qint16 state = 0; // ICPSR state code
    qint16 district = 0;
    std::array<qint16, 3> extra{}; // kept in the district table; the converter stores a fill seed
    bool operator==(const DistrictSeedRecord &) const = default;
};

// One line of "main/city.dat": a city's rectangle on the map of a congress.
struct CityBox {
    int congress = 0;
    QString item; // not read by the map; the converter writes the city's name
    qint16 x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const CityBox &) const = default;
};

// One record of a congress's city outline file "house/NNN.cit" (10 bytes).
struct CityPoint {
    qint16 city = 0; // 0 .. 14
    qint16 x = 0;
    qint16 district = 0;
    qint16 unused = 0;
    qint16 y = 0;
    bool operator==(const CityPoint &) const = default;
};

// "main/mapindex.dat" with the points of "main/map.dat".
struct StateOutlines {
    static constexpr int kIndexRecordLength = 28;
    static constexpr int kRecords = 63;
    QList<MapIndexRecord> index;
    QList<StatePoint> points;

    // The points of index record i (0-based). Throws FileError 62 naming "map.dat" when the record
    // reaches past the points read.
    QList<StatePoint> outline(int i) const;
};

// File names below a tree root, found case-insensitively like every data file.
QString MapIndexPath(const QString &root);
QString MapPointsPath(const QString &root);
QString CityBoxesPath(const QString &root);
// The congress files "house/NNN.cds", ".ctr" and ".cit" are named by CongressFileName.

// Readers throw FileError: 53 for a missing file, 62 for a file too short for the records asked
// for or not a whole number of records, 321 for a field the format does not allow (a negative
// count or point number; a line of "city.dat" without six items or with an item that is not a
// number).
StateOutlines ReadStateOutlines(const QString &root);
// `count` records: the count kept in "houses.dat" for the congress.
QList<OutlinePoint> ReadOutlinePoints(const QString &path, int count);
QList<DistrictSeedRecord> ReadDistrictSeeds(const QString &path, int count);
// Every record of the file.
QList<CityPoint> ReadCityPoints(const QString &path);
QList<CityBox> ReadCityBoxes(const QString &path);

// Writers replace the whole file or leave it as it was (FileError on failure). A list that the
// 16-bit counts and record numbers cannot address raises DataError before anything is written.
void WriteStateOutlines(const QString &root, const StateOutlines &outlines);
void WriteOutlinePoints(const QString &path, const QList<OutlinePoint> &points);
void WriteDistrictSeeds(const QString &path, const QList<DistrictSeedRecord> &seeds);
void WriteCityPoints(const QString &path, const QList<CityPoint> &points);
void WriteCityBoxes(const QString &path, const QList<CityBox> &boxes);

} // namespace rollscan
