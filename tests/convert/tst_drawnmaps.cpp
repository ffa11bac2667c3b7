// The drawn map's files made from district shapes: outlines, district rows, counts, seed points,
// state outlines, cities, and the congresses and limits the builder refuses.
#include "support/TreeBuilder.h"

#include "convert/DrawnMapBuilder.h"
#include "core/data/CongressIndex.h"
#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/geomap/DrawnMapFiles.h"
#include "core/geomap/DrawnMapProjection.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace rollscan;
using rollscan::test::TreeBuilder;

namespace {
// The projection's origin (longitude -96, latitude 37.5) lands on the placement offsets, and the
// central meridian on x = offsetX, whatever the conic does elsewhere.
const QPoint kOrigin(int(kContiguousRegion.offsetX), int(kContiguousRegion.offsetY));

// An array whose one element is `inner`: braces around a single array copy it under some compilers
// instead of nesting it.
QJsonArray Holding(const QJsonArray &inner)
{
    QJsonArray a;
    a.append(inner);
    return a;
}

QJsonArray ring(const QList<QPointF> &lonLat)
{
    QJsonArray r;
    for (const QPointF &p : lonLat)
        r.append(QJsonArray{p.x(), p.y()});
    r.append(QJsonArray{lonLat.first().x(), lonLat.first().y()});
    return r;
}

QList<QPointF> square(double lon0, double lat0, double lon1, double lat1)
{
    return {{lon0, lat0}, {lon1, lat0}, {lon1, lat1}, {lon0, lat1}};
}

QList<QPointF> circle(double lon, double lat, double radius, int n)
{
    QList<QPointF> pts;
    for (int i = 0; i < n; ++i)
        pts.append({lon + radius * std::cos(2 * M_PI * i / n), lat + radius * std::sin(2 * M_PI * i / n)});
    return pts;
}

QJsonObject feature(const char *state, int district, int start, int end, const QList<QPointF> &outer)
{
    return QJsonObject{
        {"type", "Feature"},
        {"properties",
         QJsonObject{{"state", state}, {"district", district}, {"start_session", start}, {"end_session", end}}},
        {"geometry", QJsonObject{{"type", "Polygon"}, {"coordinates", Holding(ring(outer))}}}};
}

void writeJson(const QString &path, const QJsonObject &o)
{
    WriteWholeFile(path, QJsonDocument(o).toJson(QJsonDocument::Compact));
}

// Iowa's two districts are squares on either side of the central meridian, both touching the
// origin, in a file for congresses 96 and 97; Delaware (one seat at large) is a round shape further
// east; a delegate is left out.
void writeGeo(const QString &geo)
{
    QDir().mkpath(geo + "/districts");
    QDir().mkpath(geo + "/us-atlas-3.0.1");
    WriteWholeFile(geo + "/states.csv", "fips,postal,name,icpsr,admitted\n"
                                        "19,IA,Iowa,31,1846\n"
                                        "10,DE,Delaware,11,1787\n");
    QJsonArray features{
        feature("ia", 1, 96, 97, square(-97, 37.5, -96, 38.5)), feature("ia", 2, 96, 97, square(-96, 37.5, -95, 38.5)),
        feature("de", 0, 1, 115, circle(-93.5, 38, 0.4, 200)), feature("gu", 98, 1, 115, square(144, 13, 145, 14))};
    writeJson(geo + "/districts/districts_097.geojson", {{"type", "FeatureCollection"}, {"features", features}});
    // Today's two states as one arc each, quantized in thousandths of a degree.
    auto arc = [](const QList<QPointF> &lonLat) {
        QJsonArray a;
        QPoint last(0, 0);
        QList<QPointF> closed = lonLat;
        closed.append(lonLat.first());
        for (const QPointF &p : closed) {
            const QPoint q(qRound((p.x() + 100) * 1000), qRound((p.y() - 30) * 1000));
            a.append(QJsonArray{q.x() - last.x(), q.y() - last.y()});
            last = q;
        }
        return a;
    };
    const QJsonObject topology{
        {"type", "Topology"},
        {"transform", QJsonObject{{"scale", QJsonArray{0.001, 0.001}}, {"translate", QJsonArray{-100, 30}}}},
        {"arcs", QJsonArray{arc(square(-97, 37.5, -95, 38.5)), arc(circle(-93.5, 38, 0.4, 40))}},
        {"objects",
         QJsonObject{
             {"states",
              QJsonObject{
                  {"type", "GeometryCollection"},
                  {"geometries",
                   QJsonArray{QJsonObject{{"type", "Polygon"}, {"id", "19"}, {"arcs", Holding(QJsonArray{0})}},
                              QJsonObject{{"type", "Polygon"}, {"id", "10"}, {"arcs", Holding(QJsonArray{1})}}}}}}}}};
    writeJson(geo + "/us-atlas-3.0.1/states-10m.json", topology);
}

// Members of Houses 97 and 98: Iowa 1, two of Iowa 2 (a replacement), Delaware at large, and a member
// of a district that has no shape; city lines of a congress not in the tree and of House 98.
QString writeTree(const QString &root)
{
    TreeBuilder tree(root);
    tree.writeStandardTables();
    for (const int congress : {97, 98}) {
        test::CongressData data;
        data.legislators = {TreeBuilder::legislator("ONE", 31, 1, 100, 0.1f, 0.1f, 101),
                            TreeBuilder::legislator("TWO", 31, 2, 200, 0.2f, 0.2f, 102),
                            TreeBuilder::legislator("TWOB", 31, 2, 200, 0.3f, 0.2f, 103),
                            TreeBuilder::legislator("DEL", 11, 1, 100, 0.4f, 0.1f, 104),
                            TreeBuilder::legislator("NONE", 31, 3, 100, 0.5f, 0.1f, 105)};
        data.rollCalls = {TreeBuilder::rollCall("A", QDate(1981, 1, 5), 3, 2)};
        data.voteRows = {"1", "6", "1", "1", "6"};
        tree.addCongress(true, congress, data, true);
    }
    tree.writeIndexes();
    tree.writeRaw("main/city.dat", "25,Old,1,2,3,4\n98,Stale,1,1,2,2\n");
    return root;
}

QList<OutlinePoint> outlineOf(const QString &root, int congress)
{
    const CongressCounts c = LoadCongressCounts(root, true, congress);
    return ReadOutlinePoints(CongressFileName(root, true, congress, ".cds"), c.outlinePointCount);
}

using Ring = QList<QPoint>;

QList<Ring> ringsOf(const QList<OutlinePoint> &points, int district)
{
    QList<Ring> rings;
    for (const OutlinePoint &p : points)
        if (p.district == district) {
            if (p.pen == kPenUp)
                rings.append(Ring());
            rings.last().append(QPoint(p.x, p.y));
        }
    return rings;
}

// Inside by the even-odd rule, as a fill bounded by the ring would see it, and at least one unit clear
// of the ring: its pixel is not on a line at the designed scale.
bool clearInside(const Ring &ring, QPointF p)
{
    bool in = false;
    double nearest = 1e9;
    for (qsizetype i = 1; i < ring.size(); ++i) {
        const QPointF a = ring.at(i - 1), b = ring.at(i), ab = b - a;
        if ((a.y() > p.y()) != (b.y() > p.y()) && p.x() < a.x() + (p.y() - a.y()) * ab.x() / ab.y())
            in = !in;
        const double len2 = QPointF::dotProduct(ab, ab);
        const double t = len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / len2, 0.0, 1.0) : 0.0;
        const QPointF d = p - (a + t * ab);
        nearest = std::min(nearest, std::hypot(d.x(), d.y()));
    }
    return in && nearest >= 1.0;
}
} // namespace

class DrawnMapsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.emplace().isValid());
        m_geo = m_dir->filePath("geo");
        writeGeo(m_geo);
        m_tree = writeTree(m_dir->filePath("tree"));
        m_lcr = ReadWholeFile(path("house/97.lcr"));
    }

    void districtFiles()
    {
        const DrawnMapReport report = WriteDrawnMaps(m_geo, m_tree);
        QCOMPARE(report.notes,
                 QStringList{"House 98: no district file holds this congress; no drawn map files written"});
        QCOMPARE(report.congresses.size(), 1);
        QCOMPARE(report.congresses.first().sourceFile, QString("districts_097.geojson"));
        QVERIFY(!QFileInfo::exists(path("house/98.cds")) && !QFileInfo::exists(path("house/98.ctr")));
        QCOMPARE(LoadCongressCounts(m_tree, true, 98).districtCount, 0);
        QCOMPARE(LoadCongressCounts(m_tree, true, 98).outlinePointCount, 0);
        // Other congresses' city lines are kept; those of congresses rebuilt are replaced.
        QCOMPARE(ReadWholeFile(path("main/city.dat")), QByteArray("25,Old,1,2,3,4\r\n"));

        const CongressCounts counts = LoadCongressCounts(m_tree, true, 97);
        const QList<DistrictSeedRecord> rows = ReadDistrictSeeds(path("house/97.ctr"), counts.districtCount);
        QCOMPARE(counts.districtCount, 3); // the delegate is left out
        QCOMPARE(counts.outlinePointCount, qint16(QFileInfo(path("house/97.cds")).size() / 10));
        QCOMPARE(counts.legislatorCount, 5);
        // Delaware is at large, numbered as the members table numbers it; one part each.
        QCOMPARE((QList<int>{rows.at(0).state, rows.at(0).district, rows.at(1).district, rows.at(2).state,
                             rows.at(2).district}),
                 (QList<int>{31, 1, 2, 11, 1}));
        for (const DistrictSeedRecord &r : rows)
            QCOMPARE(r.extra[2], 1);

        const QList<OutlinePoint> points = outlineOf(m_tree, 97);
        QCOMPARE(points.first().pen, kPenUp);
        for (int district = 1; district <= 3; ++district) {
            const QList<Ring> rings = ringsOf(points, district);
            QCOMPARE(rings.size(), 1);
            QVERIFY(rings.first().size() >= 4);
            QCOMPARE(rings.first().first(), rings.first().last()); // closed
        }
        // Delaware's row carries the state's seed, inside its round shape.
        QVERIFY(clearInside(ringsOf(points, 3).first(), QPoint(rows.at(2).extra[0], rows.at(2).extra[1])));
        // Both Iowa squares hold the origin and run up the central meridian on the same points.
        const Ring west = ringsOf(points, 1).first(), east = ringsOf(points, 2).first();
        auto onMeridian = [](const Ring &ring) {
            QList<QPoint> pts;
            for (const QPoint &p : ring)
                if (p.x() == kOrigin.x() && !pts.contains(p))
                    pts.append(p);
            std::sort(pts.begin(), pts.end(), [](QPoint a, QPoint b) { return a.y() < b.y(); });
            return pts;
        };
        QVERIFY(onMeridian(west).contains(kOrigin));
        QCOMPARE(onMeridian(west), onMeridian(east));
        QVERIFY(onMeridian(west).size() >= 2);
        // Latitude 38.5 is north of the origin: a smaller y, about 39 units (111 km) up.
        QVERIFY(onMeridian(west).first().y() < kOrigin.y() - 35);
        QVERIFY(onMeridian(west).first().y() > kOrigin.y() - 45);
        // West of the meridian is the smaller x.
        for (const QPoint &p : west)
            QVERIFY(p.x() <= kOrigin.x());
        for (const QPoint &p : east)
            QVERIFY(p.x() >= kOrigin.x());

        // A seed for Iowa 1 and for both members of Iowa 2 inside their district, none for Delaware at
        // large nor for the district without a shape; only the seed fields (offsets 36..47) change.
        const QByteArray lcr = ReadWholeFile(path("house/97.lcr"));
        const QList<Legislator> members = ReadLegislators(path("house/97.lcr"), 5, true);
        const QList<int> seededIn = {1, 2, 2, 0, 0};
        QCOMPARE(lcr.size(), m_lcr.size());
        for (int record = 0; record < 5; ++record) {
            QCOMPARE(lcr.mid(record * 62, 36), m_lcr.mid(record * 62, 36));
            QCOMPARE(lcr.mid(record * 62 + 48, 14), m_lcr.mid(record * 62 + 48, 14));
            const Legislator &m = members.at(record);
            QCOMPARE(m.seedCount, seededIn.at(record) ? 1 : 0);
            if (seededIn.at(record) == 0)
                QCOMPARE(lcr.mid(record * 62 + 36, 12), QByteArray(12, '\0'));
            else
                QVERIFY2(clearInside(ringsOf(points, seededIn.at(record)).first(), QPoint(m.seedX[0], m.seedY[0])),
                         qPrintable(m.name));
        }
    }

    void stateOutlines()
    {
        WriteDrawnMaps(m_geo, m_tree);
        const StateOutlines s = ReadStateOutlines(m_tree);
        QCOMPARE(s.index.size(), 63);
        QCOMPARE(s.index.at(0).name, QString("Delaware")); // in order of first year
        QCOMPARE(s.index.at(0).firstYear, 1787);
        QCOMPARE(s.index.at(1).name, QString("Iowa"));
        QCOMPARE(s.index.at(1).firstYear, 1846);
        QCOMPARE(s.index.at(0).firstPoint, 1);
        QCOMPARE(s.index.at(1).firstPoint, s.index.at(0).pointCount + 1);
        for (int i = 2; i < 63; ++i)
            QCOMPARE(s.index.at(i), MapIndexRecord{});
        const QList<StatePoint> iowa = s.outline(1);
        QCOMPARE(iowa.first(), iowa.last());
        // Its southern edge runs along latitude 37.5 through the meridian of the projection's origin.
        const auto [low, high] =
            std::minmax_element(iowa.cbegin(), iowa.cend(), [](StatePoint a, StatePoint b) { return a.x < b.x; });
        QVERIFY(low->x < kOrigin.x() && high->x > kOrigin.x());
        const auto south =
            std::max_element(iowa.cbegin(), iowa.cend(), [](StatePoint a, StatePoint b) { return a.y < b.y; });
        QVERIFY(std::abs(south->y - kOrigin.y()) <= 1);
    }

    void outlineRecordLimit_data()
    {
        QTest::addColumn<int>("spare"); // records below the count needed at the finest tolerance
        QTest::addColumn<bool>("coarser");
        QTest::addColumn<bool>("fails");
        QTest::newRow("fits") << 0 << false << false;
        QTest::newRow("one record short: coarser") << 1 << true << false;
        QTest::newRow("far too few: refused") << 1000 << true << true;
    }

    void outlineRecordLimit()
    {
        QFETCH(int, spare);
        QFETCH(bool, coarser);
        QFETCH(bool, fails);
        const int needed = WriteDrawnMaps(m_geo, m_tree).congresses.first().outlinePoints;
        QVERIFY(needed > 20);
        QFile::remove(path("house/97.cds"));
        WriteWholeFile(path("house/97.lcr"), m_lcr);
        if (fails) {
            try {
                WriteDrawnMaps(m_geo, m_tree, needed - spare);
                QFAIL("no error");
            } catch (const DataError &e) {
                QVERIFY2(
                    e.message().contains(QString("outline points even at the coarsest simplification, more than %1")
                                             .arg(needed - spare)),
                    qPrintable(e.message()));
            }
            QVERIFY(!QFileInfo::exists(path("house/97.cds")));
            QCOMPARE(ReadWholeFile(path("house/97.lcr")), m_lcr); // nothing of the congress written
            return;
        }
        const DrawnMapFigures f = WriteDrawnMaps(m_geo, m_tree, needed - spare).congresses.first();
        QVERIFY(f.outlinePoints <= needed - spare);
        QCOMPARE(f.tolerance > 0.5, coarser);
        QCOMPARE(LoadCongressCounts(m_tree, true, 97).outlinePointCount, f.outlinePoints);
    }

    void badShapeFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("not JSON") << QByteArray("{\"type\":") << "districts_097.geojson: not JSON";
        QTest::newRow("unknown state")
            << QByteArray(
                   R"({"features":[{"properties":{"state":"xx","district":1,"start_session":1,"end_session":2}}]})")
            << "districts_097.geojson: unknown state \"XX\"";
        QTest::newRow("no session range")
            << QByteArray(R"({"features":[{"properties":{"state":"ia","district":1}}]})")
            << "districts_097.geojson: a feature of IA lacks district, start_session or end_session";
    }

    void badShapeFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        WriteWholeFile(m_geo + "/districts/districts_097.geojson", content);
        try {
            WriteDrawnMaps(m_geo, m_tree);
            QFAIL("no error");
        } catch (const DataError &e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
        QVERIFY(!QFileInfo::exists(path("house/97.cds")));
    }

private:
    QString path(const QString &relative) const { return m_tree + '/' + relative; }

    std::optional<QTemporaryDir> m_dir;
    QString m_geo;
    QString m_tree;
    QByteArray m_lcr; // House 97's members before the drawn maps
};

QTEST_GUILESS_MAIN(DrawnMapsTest)
#include "tst_drawnmaps.moc"
