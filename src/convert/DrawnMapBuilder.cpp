#include "convert/DrawnMapBuilder.h"

#include "convert/CoverageGeometry.h"
#include "convert/CsvReader.h"
#include "convert/DrawnMapProjector.h"
#include "core/data/CongressIndex.h"
#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/data/Legislator.h"
#include "core/geomap/DrawnMapFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRect>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace rollscan {

namespace {
const QString kDistrictsFolder = QStringLiteral("districts");
const QString kAtlasFile = QStringLiteral("us-atlas-3.0.1/states-10m.json");
const QString kStatesTable = QStringLiteral("states.csv");

constexpr int kDelegateDistrict = 98;
constexpr int kAtLargeDistrict = 0;
constexpr int kMaxDistricts = 500;
// Tried in order until a congress's outlines fit the 16-bit record count; at the view of the
// later congresses one unit is about one pixel, so half a unit is invisible.
constexpr double kOutlineTolerances[] = {0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
constexpr double kStateTolerance = 0.5;
// A seed this far from every line lies on a pixel of its own at the designed scale, wherever the
// view puts the half pixel.
constexpr double kSeedClearance = 1.5;
constexpr int kMaxSeeds = 3;
// Islands and other extra rings of a state get their own outline record above this area (square
// units; about 1200 square kilometres) while records are left.
constexpr double kIslandArea = 150.0;

// Cities: districts smaller than kCityDistrictArea square units (about 2000 km2) within
// kCityRadius units (about 85 km) of a city's centre, at least kCityMinDistricts of them.
constexpr double kCityDistrictArea = 250.0;
constexpr double kCityRadius = 30.0;
constexpr int kCityMinDistricts = 3;
constexpr int kMaxCities = 15;
constexpr double kCityTolerance = 1.0; // in city units (an eighth of a map unit)
constexpr int kCityMargin = 2;

struct City {
    const char *name;
    double longitude;
    double latitude;
};
const City kCities[] = {
    {"New York", -73.95, 40.70},       {"Philadelphia", -75.16, 39.95}, {"Pittsburgh", -79.99, 40.44},
    {"Boston", -71.06, 42.36},         {"Baltimore", -76.61, 39.29},    {"Chicago", -87.68, 41.84},
    {"Detroit", -83.05, 42.35},        {"Cleveland", -81.69, 41.50},    {"St. Louis", -90.20, 38.63},
    {"New Orleans", -90.07, 29.95},    {"Houston", -95.37, 29.76},      {"Los Angeles", -118.25, 34.05},
    {"San Francisco", -122.42, 37.77}, {"Dallas", -96.80, 32.78},       {"Miami", -80.19, 25.77},
    {"Milwaukee", -87.91, 43.04},      {"Minneapolis", -93.27, 44.98},  {"Seattle", -122.33, 47.61},
};

struct StateRow {
    QString postal;
    QString name;
    int fips = 0;
    int icpsr = 0;
    int admitted = 0;
};

QList<StateRow> readStates(const QString &path)
{
    CsvReader in = CsvReader::Open(path);
    const int fips = in.requireColumn(QStringLiteral("fips"));
    const int postal = in.requireColumn(QStringLiteral("postal"));
    const int name = in.requireColumn(QStringLiteral("name"));
    const int icpsr = in.requireColumn(QStringLiteral("icpsr"));
    const int admitted = in.requireColumn(QStringLiteral("admitted"));
    QList<StateRow> rows;
    while (in.next())
        rows.append({in.text(postal).toUpper(), in.text(name), int(in.integer(fips, QStringLiteral("fips"))),
                     int(in.integer(icpsr, QStringLiteral("icpsr"))),
                     int(in.integer(admitted, QStringLiteral("admitted")))});
    return rows;
}

QJsonObject readJson(const QString &path)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(ReadWholeFile(path), &error);
    if (error.error != QJsonParseError::NoError)
        throw DataError(QStringLiteral("%1: not JSON: %2 at byte %3").arg(path, error.errorString()).arg(error.offset));
    if (!doc.isObject())
        throw DataError(QStringLiteral("%1: not a JSON object").arg(path));
    return doc.object();
}

// GeoJSON rings of one polygon ([[lon, lat], ...] per ring, outer first) projected.
PlanePolygon projectPolygon(const QJsonArray &rings, const DrawnMapProjector &projector,
                            DrawnMapProjector::Region region, double factor, const QString &path)
{
    PlanePolygon out;
    for (qsizetype r = 0; r < rings.size(); ++r) {
        QList<QPointF> ring;
        for (const QJsonValue &v : rings.at(r).toArray()) {
            const QJsonArray pos = v.toArray();
            if (pos.size() < 2 || !pos.at(0).isDouble() || !pos.at(1).isDouble())
                throw DataError(QStringLiteral("%1: a position is not [longitude, latitude]").arg(path));
            const QPointF p = projector.project(pos.at(0).toDouble(), pos.at(1).toDouble(), region);
            if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
                throw DataError(QStringLiteral("%1: position %2, %3 cannot be projected")
                                    .arg(path)
                                    .arg(pos.at(0).toDouble())
                                    .arg(pos.at(1).toDouble()));
            ring.append(p * factor);
        }
        if (r == 0)
            out.outer = ring;
        else
            out.holes.append(ring);
    }
    return out;
}

struct DistrictShape {
    int icpsr = 0;
    int district = 0; // as the members table numbers it: at large is 1
    bool atLarge = false;
    int start = 0;
    int end = 0;
    QJsonObject geometry;
};

struct DistrictFile {
    QString path;
    QList<DistrictShape> shapes; // delegates left out

    bool holds(int congress) const
    {
        return !shapes.isEmpty() && std::all_of(shapes.cbegin(), shapes.cend(), [congress](const DistrictShape &s) {
            return s.start <= congress && congress <= s.end;
        });
    }
};

DistrictFile readDistrictFile(const QString &path, const QHash<QString, int> &icpsrOfPostal)
{
    const QJsonObject root = readJson(path);
    DistrictFile file;
    file.path = path;
    for (const QJsonValue &v : root.value(QStringLiteral("features")).toArray()) {
        const QJsonObject feature = v.toObject();
        const QJsonObject props = feature.value(QStringLiteral("properties")).toObject();
        const QString postal = props.value(QStringLiteral("state")).toString().toUpper();
        const QJsonValue district = props.value(QStringLiteral("district"));
        const QJsonValue start = props.value(QStringLiteral("start_session"));
        const QJsonValue end = props.value(QStringLiteral("end_session"));
        if (!district.isDouble() || !start.isDouble() || !end.isDouble())
            throw DataError(
                QStringLiteral("%1: a feature of %2 lacks district, start_session or end_session").arg(path, postal));
        if (district.toInt() == kDelegateDistrict)
            continue;
        if (!icpsrOfPostal.contains(postal))
            throw DataError(QStringLiteral("%1: unknown state \"%2\"").arg(path, postal));
        DistrictShape s;
        s.icpsr = icpsrOfPostal.value(postal);
        s.atLarge = district.toInt() == kAtLargeDistrict;
        s.district = s.atLarge ? 1 : district.toInt();
        s.start = start.toInt();
        s.end = end.toInt();
        s.geometry = feature.value(QStringLiteral("geometry")).toObject();
        file.shapes.append(s);
    }
    return file;
}

PlaneShape projectGeometry(const QJsonObject &geometry, const DrawnMapProjector &projector,
                           DrawnMapProjector::Region region, double factor, const QString &path)
{
    const QString type = geometry.value(QStringLiteral("type")).toString();
    const QJsonArray coordinates = geometry.value(QStringLiteral("coordinates")).toArray();
    PlaneShape shape;
    if (type == QLatin1String("Polygon"))
        shape.append(projectPolygon(coordinates, projector, region, factor, path));
    else if (type == QLatin1String("MultiPolygon"))
        for (const QJsonValue &p : coordinates)
            shape.append(projectPolygon(p.toArray(), projector, region, factor, path));
    else
        throw DataError(QStringLiteral("%1: a district's geometry is \"%2\", not a polygon").arg(path, type));
    return shape;
}

// Today's states from the TopoJSON atlas, by FIPS code, in longitude and latitude.
QHash<int, QList<QList<QList<QPointF>>>> readAtlasStates(const QString &path)
{
    const QJsonObject root = readJson(path);
    const QJsonObject transform = root.value(QStringLiteral("transform")).toObject();
    const QJsonArray scale = transform.value(QStringLiteral("scale")).toArray();
    const QJsonArray translate = transform.value(QStringLiteral("translate")).toArray();
    if (scale.size() != 2 || translate.size() != 2)
        throw DataError(QStringLiteral("%1: no quantization transform").arg(path));
    // Arcs are delta-encoded in quantized steps.
    QList<QList<QPointF>> arcs;
    for (const QJsonValue &a : root.value(QStringLiteral("arcs")).toArray()) {
        QList<QPointF> arc;
        double x = 0, y = 0;
        for (const QJsonValue &p : a.toArray()) {
            const QJsonArray d = p.toArray();
            x += d.at(0).toDouble();
            y += d.at(1).toDouble();
            arc.append(QPointF(x * scale.at(0).toDouble() + translate.at(0).toDouble(),
                               y * scale.at(1).toDouble() + translate.at(1).toDouble()));
        }
        arcs.append(arc);
    }
    auto ringOf = [&](const QJsonArray &indexes) {
        QList<QPointF> ring;
        for (const QJsonValue &v : indexes) {
            const int i = v.toInt();
            const int arc = i >= 0 ? i : ~i;
            if (arc >= arcs.size())
                throw DataError(QStringLiteral("%1: arc %2 does not exist").arg(path).arg(arc));
            QList<QPointF> pts = arcs.at(arc);
            if (i < 0)
                std::reverse(pts.begin(), pts.end());
            if (!ring.isEmpty())
                pts.removeFirst();
            ring.append(pts);
        }
        return ring;
    };
    QHash<int, QList<QList<QList<QPointF>>>> states;
    const QJsonObject object =
        root.value(QStringLiteral("objects")).toObject().value(QStringLiteral("states")).toObject();
    for (const QJsonValue &g : object.value(QStringLiteral("geometries")).toArray()) {
        const QJsonObject geometry = g.toObject();
        const int fips = geometry.value(QStringLiteral("id")).toString().toInt();
        const QString type = geometry.value(QStringLiteral("type")).toString();
        QJsonArray polygons = geometry.value(QStringLiteral("arcs")).toArray();
        if (type == QLatin1String("Polygon")) {
            // Appended, not braced: braces around one array copy it under some compilers.
            QJsonArray one;
            one.append(polygons);
            polygons = one;
        } else if (type != QLatin1String("MultiPolygon"))
            continue;
        QList<QList<QList<QPointF>>> parts;
        for (const QJsonValue &polygon : std::as_const(polygons)) {
            QList<QList<QPointF>> rings;
            for (const QJsonValue &r : polygon.toArray())
                rings.append(ringOf(r.toArray()));
            parts.append(rings);
        }
        states.insert(fips, parts);
    }
    return states;
}

QList<QPoint> wholePoints(const QList<QPointF> &ring)
{
    QList<QPoint> out;
    out.reserve(ring.size());
    for (const QPointF &p : ring)
        out.append(p.toPoint());
    return out;
}

// Rings of a shape: each outer ring and each hole.
QList<QList<QPointF>> ringsOf(const PlaneShape &shape)
{
    QList<QList<QPointF>> rings;
    for (const PlanePolygon &p : shape) {
        rings.append(p.outer);
        rings.append(p.holes);
    }
    return rings;
}

PlaneShape byAreaDescending(PlaneShape shape)
{
    std::stable_sort(shape.begin(), shape.end(), [](const PlanePolygon &a, const PlanePolygon &b) {
        return CoverageGeometry::area(a) > CoverageGeometry::area(b);
    });
    return shape;
}

struct OutlineEntry {
    QString name;
    int firstYear = 0;
    PlaneShape shape;
};

// The state outlines: one record per state (its largest ring), superseded outlines where the
// district files' states differ from today's, then large islands while records are left.
StateOutlines buildStateOutlines(const QString &atlasPath, const QList<StateRow> &states,
                                 const DrawnMapProjector &projector, CoverageGeometry &geometry)
{
    const auto atlas = readAtlasStates(atlasPath);
    QList<PlaneShape> shapes;
    QList<StateRow> rows;
    for (const StateRow &row : states) {
        if (!atlas.contains(row.fips))
            throw DataError(QStringLiteral("%1: no outline of %2 (FIPS %3)").arg(atlasPath, row.name).arg(row.fips));
        const DrawnMapProjector::Region region = DrawnMapProjector::RegionOfState(row.icpsr);
        PlaneShape shape;
        for (const auto &polygon : atlas.value(row.fips)) {
            PlanePolygon p;
            for (qsizetype r = 0; r < polygon.size(); ++r) {
                QList<QPointF> ring;
                for (const QPointF &ll : polygon.at(r))
                    ring.append(projector.project(ll.x(), ll.y(), region));
                if (r == 0)
                    p.outer = ring;
                else
                    p.holes.append(ring);
            }
            shape.append(p);
        }
        shapes.append(shape);
        rows.append(row);
    }
    const QList<PlaneShape> simple = geometry.simplifyCoverage(shapes, kStateTolerance);
    QHash<QString, int> at;
    for (qsizetype i = 0; i < rows.size(); ++i)
        at.insert(rows.at(i).postal, int(i));

    QList<OutlineEntry> entries;
    auto shapeOf = [&](const char *postal) { return simple.at(at.value(QLatin1String(postal))); };
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const StateRow &row = rows.at(i);
        OutlineEntry e{row.name, row.admitted, simple.at(i)};
        // Virginia's outline before 1863 held West Virginia: the outer line of both is drawn from the
        // start, and West Virginia's own ring adds the border between them from its admission.
        if (row.postal == QLatin1String("VA") && at.contains(QStringLiteral("WV")))
            e.shape = geometry.merged(shapeOf("VA"), shapeOf("WV"));
        // Maine was Massachusetts' District of Maine until 1820: its outline is drawn from the start.
        if (row.postal == QLatin1String("ME"))
            e.firstYear = std::min(e.firstYear, 1788);
        entries.append(e);
    }
    if (at.contains(QStringLiteral("ND")) && at.contains(QStringLiteral("SD")))
        entries.append({QStringLiteral("Dakota Territory"), 1861, geometry.merged(shapeOf("ND"), shapeOf("SD"))});
    std::stable_sort(entries.begin(), entries.end(),
                     [](const OutlineEntry &a, const OutlineEntry &b) { return a.firstYear < b.firstYear; });

    struct Ring {
        QString name;
        int firstYear;
        QList<QPointF> points;
    };
    QList<Ring> records;
    QList<Ring> islands;
    for (const OutlineEntry &e : std::as_const(entries)) {
        const PlaneShape parts = byAreaDescending(e.shape);
        for (qsizetype k = 0; k < parts.size(); ++k) {
            if (k == 0)
                records.append({e.name, e.firstYear, parts.at(k).outer});
            else if (CoverageGeometry::area(parts.at(k)) >= kIslandArea)
                islands.append({e.name, e.firstYear, parts.at(k).outer});
        }
    }
    std::stable_sort(islands.begin(), islands.end(), [](const Ring &a, const Ring &b) {
        return CoverageGeometry::area({a.points, {}}) > CoverageGeometry::area({b.points, {}});
    });
    for (const Ring &r : std::as_const(islands))
        if (records.size() < StateOutlines::kRecords)
            records.append(r);
    if (records.size() > StateOutlines::kRecords)
        throw DataError(QStringLiteral("%1: %2 state outlines, more than %3")
                            .arg(atlasPath)
                            .arg(records.size())
                            .arg(StateOutlines::kRecords));

    StateOutlines out;
    for (const Ring &r : std::as_const(records)) {
        MapIndexRecord index;
        index.name = r.name.left(22);
        index.firstYear = qint16(r.firstYear);
        index.firstPoint = qint16(out.points.size() + 1);
        index.pointCount = qint16(r.points.size());
        for (const QPoint &p : wholePoints(r.points))
            out.points.append({qint16(p.x()), qint16(p.y())});
        out.index.append(index);
    }
    while (out.index.size() < StateOutlines::kRecords)
        out.index.append(MapIndexRecord{});
    return out;
}

struct Seeded {
    QList<QPoint> seeds;
    bool cramped = false;
};

Seeded seedsOf(const PlaneShape &shape, CoverageGeometry &geometry)
{
    Seeded out;
    std::optional<CoverageGeometry::Seed> best;
    for (const PlanePolygon &part : byAreaDescending(shape)) {
        const CoverageGeometry::Seed s = geometry.seedOf(part);
        if (!best || s.clearance > best->clearance)
            best = s;
        if (s.clearance >= kSeedClearance && out.seeds.size() < kMaxSeeds)
            out.seeds.append(s.point);
    }
    if (out.seeds.isEmpty()) {
        out.cramped = true;
        // No free pixel: the seed still marks the district (the viewer fills nothing from a seed on
        // a line), and the city window shows it enlarged.
        if (best && best->clearance > 0)
            out.seeds.append(best->point);
        else if (!shape.isEmpty())
            out.seeds.append(shape.first().outer.first().toPoint());
    }
    return out;
}

bool newLayoutOf(const QString &path, int count)
{
    const qint64 size = QFileInfo(path).size();
    if (count > 0 && size == qint64(count) * LegislatorRecordLength(true))
        return true;
    if (count > 0 && size == qint64(count) * LegislatorRecordLength(false))
        return false;
    throw FileError(FileErrorNumber::BadFormat, path,
                    QStringLiteral("%1 bytes hold neither %2 standard nor extended records").arg(size).arg(count));
}

QString relative(const QString &root, const QString &path)
{
    return QDir(root).relativeFilePath(path);
}
} // namespace

DrawnMapReport WriteDrawnMaps(const QString &geoDir, const QString &treeRoot, int maxOutlinePoints)
{
    DrawnMapReport report;
    const QDir geo(geoDir);
    const QList<StateRow> states = readStates(geo.filePath(kStatesTable));
    QHash<QString, int> icpsrOfPostal;
    for (const StateRow &s : states)
        icpsrOfPostal.insert(s.postal, s.icpsr);

    DrawnMapProjector projector;
    CoverageGeometry geometry;

    StateOutlines outlines;
    const QString atlasPath = geo.filePath(kAtlasFile);
    if (QFileInfo::exists(atlasPath)) {
        outlines = buildStateOutlines(atlasPath, states, projector, geometry);
        QDir().mkpath(DataFolder(treeRoot, kMainDir));
        WriteStateOutlines(treeRoot, outlines);
        report.written << relative(treeRoot, MapIndexPath(treeRoot)) << relative(treeRoot, MapPointsPath(treeRoot));
    } else {
        report.notes.append(QStringLiteral("%1 is missing: no state outlines written").arg(atlasPath));
    }

    const QString indexPath = CongressIndexFileName(treeRoot, true);
    QList<CongressCounts> index = ReadCongressIndex(indexPath, true);
    QList<int> congresses;
    for (qsizetype i = 0; i < index.size() && i < kLastDrawnCongress; ++i)
        if (index.at(i).legislatorCount > 0)
            congresses.append(int(i + 1));
    if (congresses.isEmpty())
        return report;

    QStringList files = QDir(geo.filePath(kDistrictsFolder))
                            .entryList({QStringLiteral("districts_*.geojson")}, QDir::Files, QDir::Name);
    QList<DistrictFile> districtFiles;
    for (const QString &f : std::as_const(files))
        districtFiles.append(readDistrictFile(geo.filePath(kDistrictsFolder + QLatin1Char('/') + f), icpsrOfPostal));

    QList<CityBox> boxes;
    const QString boxesPath = CityBoxesPath(treeRoot);
    if (QFileInfo::exists(boxesPath))
        for (const CityBox &b : ReadCityBoxes(boxesPath))
            if (!congresses.contains(b.congress))
                boxes.append(b);

    for (const int congress : std::as_const(congresses)) {
        const auto file = std::find_if(districtFiles.cbegin(), districtFiles.cend(),
                                       [congress](const DistrictFile &f) { return f.holds(congress); });
        if (file == districtFiles.cend()) {
            report.notes.append(
                QStringLiteral("House %1: no district file holds this congress; no drawn map files written")
                    .arg(congress));
            continue;
        }
        DrawnMapFigures figures;
        figures.congress = congress;
        figures.sourceFile = QFileInfo(file->path).fileName();
        const QList<DistrictShape> &shapes = file->shapes;
        if (shapes.size() > kMaxDistricts)
            throw DataError(
                QStringLiteral("%1: %2 districts, more than %3").arg(file->path).arg(shapes.size()).arg(kMaxDistricts));

        QList<PlaneShape> projected;
        for (const DistrictShape &s : shapes)
            projected.append(
                projectGeometry(s.geometry, projector, DrawnMapProjector::RegionOfState(s.icpsr), 1.0, file->path));

        QList<PlaneShape> simple;
        QList<PlaneShape> unsimplified;
        QList<OutlinePoint> points;
        for (const double tolerance : kOutlineTolerances) {
            simple = geometry.simplifyCoverage(projected, tolerance, &unsimplified);
            // A district erased by the simplification would have no line of its own for a seed to
            // fill within: it keeps its unsimplified outline, drawn over its neighbours' faces.
            figures.unsimplifiedDistricts = 0;
            for (qsizetype i = 0; i < simple.size(); ++i)
                if (simple.at(i).isEmpty() && !unsimplified.at(i).isEmpty()) {
                    simple[i] = CoverageGeometry::wholeUnitOutline(unsimplified.at(i));
                    ++figures.unsimplifiedDistricts;
                }
            points.clear();
            for (qsizetype i = 0; i < simple.size(); ++i)
                for (const QList<QPointF> &ring : ringsOf(simple.at(i)))
                    for (qsizetype k = 0; k < ring.size(); ++k)
                        points.append({k == 0 ? kPenUp : qint16(0), 0, qint16(i + 1),
                                       qint16(std::lround(ring.at(k).x())), qint16(std::lround(ring.at(k).y()))});
            figures.tolerance = tolerance;
            if (points.size() <= maxOutlinePoints)
                break;
        }
        if (points.size() > maxOutlinePoints)
            throw DataError(QStringLiteral("%1: %2 outline points even at the coarsest simplification, more than %3")
                                .arg(file->path)
                                .arg(points.size())
                                .arg(maxOutlinePoints));

        // Seeds must keep clear of every line the viewer draws for this congress.
        QList<QList<QPoint>> barriers;
        for (const PlaneShape &s : std::as_const(simple))
            for (const QList<QPointF> &ring : ringsOf(s))
                barriers.append(wholePoints(ring));
        const int year = 1788 + 2 * congress;
        for (qsizetype i = 0; i < outlines.index.size(); ++i)
            if (outlines.index.at(i).pointCount > 0 && outlines.index.at(i).firstYear <= year) {
                QList<QPoint> line;
                for (const StatePoint &p : outlines.outline(int(i)))
                    line.append(QPoint(p.x, p.y));
                barriers.append(line);
            }
        geometry.setBarriers(barriers);

        QList<DistrictSeedRecord> rows;
        QHash<int, QList<QPoint>> seedsOfDistrict; // state * 1000 + district
        QHash<int, int> districtsOfState;
        for (const DistrictShape &s : shapes)
            districtsOfState[s.icpsr] += 1;
        QSet<int> atLargeStates;
        for (qsizetype i = 0; i < shapes.size(); ++i) {
            const DistrictShape &s = shapes.at(i);
            const Seeded seeded = seedsOf(simple.at(i), geometry);
            if (seeded.cramped)
                ++figures.crampedDistricts;
            DistrictSeedRecord row;
            row.state = qint16(s.icpsr);
            row.district = qint16(s.district);
            if (!seeded.seeds.isEmpty())
                row.extra = {qint16(seeded.seeds.first().x()), qint16(seeded.seeds.first().y()),
                             qint16(simple.at(i).size())};

            rows.append(row);
            seedsOfDistrict.insert(s.icpsr * 1000 + s.district, seeded.seeds);
            if (s.atLarge && districtsOfState.value(s.icpsr) == 1)
                atLargeStates.insert(s.icpsr);
        }

        // Cities: small districts near a listed city centre.
        QList<int> cityOf(shapes.size(), -1);
        QList<QPointF> centres;
        for (const City &c : kCities)
            centres.append(projector.project(c.longitude, c.latitude, DrawnMapProjector::Region::Contiguous));
        for (qsizetype i = 0; i < shapes.size(); ++i) {
            double area = 0;
            for (const PlanePolygon &p : projected.at(i))
                area += CoverageGeometry::area(p);
            if (area <= 0 || area > kCityDistrictArea || projected.at(i).isEmpty())
                continue;
            QRectF bounds;
            for (const QPointF &p : projected.at(i).first().outer)
                bounds = bounds.united(QRectF(p, QSizeF(0, 0)));
            double nearest = kCityRadius;
            for (qsizetype c = 0; c < centres.size(); ++c) {
                const QPointF d = bounds.center() - centres.at(c);
                const double dist = std::hypot(d.x(), d.y());
                if (dist <= nearest) {
                    nearest = dist;
                    cityOf[i] = int(c);
                }
            }
        }
        QList<int> chosen;
        for (qsizetype c = 0; c < centres.size(); ++c)
            if (cityOf.count(int(c)) >= kCityMinDistricts)
                chosen.append(int(c));
        std::stable_sort(chosen.begin(), chosen.end(), [&](int a, int b) { return cityOf.count(a) > cityOf.count(b); });
        chosen = chosen.mid(0, kMaxCities);
        std::sort(chosen.begin(), chosen.end());
        QList<CityPoint> cityPoints;
        for (qsizetype k = 0; k < chosen.size(); ++k) {
            QList<int> members;
            for (qsizetype i = 0; i < shapes.size(); ++i)
                if (cityOf.at(i) == chosen.at(k))
                    members.append(int(i));
            QList<PlaneShape> fine;
            QRect box;
            for (const int i : std::as_const(members)) {
                fine.append(projectGeometry(shapes.at(i).geometry, projector, DrawnMapProjector::Region::Contiguous,
                                            kCityPointScale, file->path));
                for (const PlanePolygon &p : simple.at(i))
                    for (const QPoint &pt : wholePoints(p.outer))
                        box = box.isNull() ? QRect(pt, QSize(1, 1)) : box.united(QRect(pt, QSize(1, 1)));
            }
            fine = geometry.simplifyCoverage(fine, kCityTolerance);
            for (qsizetype m = 0; m < members.size(); ++m)
                for (const QList<QPointF> &ring : ringsOf(fine.at(m)))
                    for (qsizetype p = 0; p < ring.size(); ++p)
                        cityPoints.append({qint16(k), qint16(std::lround(ring.at(p).x())), qint16(members.at(m) + 1),
                                           p == 0 ? kPenUp : qint16(0), qint16(std::lround(ring.at(p).y()))});
            box.adjust(-kCityMargin, -kCityMargin, kCityMargin, kCityMargin);
            boxes.append({congress, QString::fromLatin1(kCities[chosen.at(k)].name), qint16(box.left()),
                          qint16(box.top()), qint16(box.right()), qint16(box.bottom())});
        }
        figures.cities = int(chosen.size());
        figures.cityPoints = int(cityPoints.size());

        // Members.
        const CongressCounts counts = index.at(congress - 1);
        const QString lcr = CongressFileName(treeRoot, true, congress, QStringLiteral(".lcr"));
        const bool extended = newLayoutOf(lcr, counts.legislatorCount);
        QList<Legislator> members = ReadLegislators(lcr, counts.legislatorCount, extended);
        for (Legislator &m : members) {
            m.seedCount = 0;
            m.seedX = {};
            m.seedY = {};
            if (atLargeStates.contains(m.stateCode))
                continue;
            const QList<QPoint> seeds = seedsOfDistrict.value(m.stateCode * 1000 + m.district);
            for (qsizetype k = 0; k < seeds.size() && k < kMaxSeeds; ++k) {
                m.seedX[size_t(k)] = qint16(seeds.at(k).x());
                m.seedY[size_t(k)] = qint16(seeds.at(k).y());
            }
            m.seedCount = qint16(std::min<qsizetype>(seeds.size(), kMaxSeeds));
            if (m.seedCount > 0)
                ++figures.seededMembers;
        }

        const QString cds = CongressFileName(treeRoot, true, congress, QStringLiteral(".cds"));
        const QString ctr = CongressFileName(treeRoot, true, congress, QStringLiteral(".ctr"));
        const QString cit = CongressFileName(treeRoot, true, congress, QStringLiteral(".cit"));
        WriteOutlinePoints(cds, points);
        WriteDistrictSeeds(ctr, rows);
        WriteCityPoints(cit, cityPoints);
        WriteLegislators(lcr, members, extended);
        index[congress - 1].districtCount = qint16(rows.size());
        index[congress - 1].outlinePointCount = qint16(points.size());
        WriteCongressIndex(indexPath, true, index);
        figures.districts = int(rows.size());
        figures.outlinePoints = int(points.size());
        report.written << relative(treeRoot, cds) << relative(treeRoot, ctr) << relative(treeRoot, cit)
                       << relative(treeRoot, lcr);
        report.congresses.append(figures);
    }
    if (!report.congresses.isEmpty()) {
        std::stable_sort(boxes.begin(), boxes.end(),
                         [](const CityBox &a, const CityBox &b) { return a.congress < b.congress; });
        QDir().mkpath(DataFolder(treeRoot, kMainDir));
        WriteCityBoxes(CityBoxesPath(treeRoot), boxes);
        report.written << relative(treeRoot, CityBoxesPath(treeRoot)) << relative(treeRoot, indexPath);
    }
    return report;
}

} // namespace rollscan
