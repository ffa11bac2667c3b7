// The bundled sample's drawn maps as the picture draws them at the designed scale (one map unit to
// a pixel): every district is reached from its seed and no fill runs beyond its district.
#include "core/data/CongressIndex.h"
#include "core/data/DataTree.h"
#include "core/data/Legislator.h"
#include "core/geomap/DrawnMapData.h"
#include "core/geomap/FloodFill.h"
#include "gui/geomap/DrawnMapPainter.h"

#include <QImage>
#include <QtTest>

#include <cmath>

using namespace rollscan;

class DrawnSampleTest : public QObject {
    Q_OBJECT

private slots:
    void seedsReachTheirDistricts_data()
    {
        QTest::addColumn<int>("congress");
        QTest::newRow("House 97") << 97;
        QTest::newRow("House 102") << 102;
    }

    void seedsReachTheirDistricts()
    {
        QFETCH(int, congress);
        const QString root = QStringLiteral(ROLLSCAN_SOURCE_DIR "/sample");
        auto data = std::make_shared<const DrawnMapData>(DrawnMapData::Load(root, congress));
        const DrawnMapView view = data->designedView();
        QCOMPARE(view, DrawnMapView{}); // F 2.7 at (-450, 0)
        // 621 x 480 F: 1676.7 x 1296 units, so one unit is one pixel.
        const QSize size(1677, 1296);
        DrawnMapPainter painter;
        painter.setData(data);
        const QImage outlines = painter.outlines(size, view, DrawnStateFilter{});
        const DrawnTransform t = DrawnTransform::Fit(view, size.width(), size.height());
        QVERIFY(std::abs(t.scale - 1.0) < 0.001);
        const quint32 background = DrawnMapPainter::backgroundColour().rgba();

        // The seeds of each district table row: its members' points, or the row's own for a state
        // elected at large.
        const CongressCounts counts = LoadCongressCounts(root, true, congress);
        const QList<Legislator> members =
            ReadLegislators(CongressFileName(root, true, congress, ".lcr"), counts.legislatorCount, true);
        QList<QList<QPoint>> seeds(data->districtTable.size());
        for (const Legislator &m : members) {
            const int row = data->rowOf(m.stateCode, m.district);
            for (int k = 0; k < m.seedCount; ++k) {
                QVERIFY2(row >= 0, qPrintable(m.trimmedName()));
                seeds[row].append(QPoint(m.seedX[size_t(k)], m.seedY[size_t(k)]));
            }
        }
        int atLarge = 0;
        for (int row = 0; row < data->districtTable.size(); ++row)
            if (seeds.at(row).isEmpty()) {
                const DistrictSeedRecord &r = data->districtTable.at(row);
                seeds[row].append(QPoint(r.extra[0], r.extra[1]));
                ++atLarge;
            }
        QVERIFY(atLarge >= 5 && atLarge <= 7); // the states of one seat

        // The length of each district's rings, in pixels, and their segments.
        QList<double> perimeter(data->districtTable.size());
        QList<QList<QLineF>> segments(data->districtTable.size());
        for (qsizetype i = 1; i < data->districts.size(); ++i) {
            const OutlinePoint &a = data->districts.at(i - 1), &p = data->districts.at(i);
            if (p.pen != kPenUp && data->districtRows.contains(p.district)) {
                perimeter[data->districtRows.value(p.district)] += std::hypot(p.x - a.x, p.y - a.y) * t.scale;
                segments[data->districtRows.value(p.district)].append(QLineF(a.x, a.y, p.x, p.y));
            }
        }
        auto clearance = [&](int row, QPointF s) {
            double best = 1e9;
            for (const QLineF &l : segments.at(row)) {
                const QPointF ab = l.p2() - l.p1();
                const double len2 = QPointF::dotProduct(ab, ab);
                const double k = len2 > 0 ? std::clamp(QPointF::dotProduct(s - l.p1(), ab) / len2, 0.0, 1.0) : 0.0;
                const QPointF d = s - (l.p1() + k * ab);
                best = std::min(best, std::hypot(d.x(), d.y()));
            }
            return best;
        };
        int nearLine = 0;
        int cramped = 0;
        for (int row = 0; row < data->districtTable.size(); ++row) {
            const DrawnRect b = data->districtBounds(row);
            // Pixels whose centre lies in the district, and how many of them no line covers.
            qint64 inside = 0, free = 0;
            for (int py = int(std::floor(t.toPixelY(b.top))); py <= int(std::ceil(t.toPixelY(b.bottom))); ++py)
                for (int px = int(std::floor(t.toPixelX(b.left))); px <= int(std::ceil(t.toPixelX(b.right))); ++px)
                    if (outlines.rect().contains(px, py) && data->districtContains(row, t.toMapX(px), t.toMapY(py))) {
                        ++inside;
                        free += outlines.pixel(px, py) == background;
                    }
            if (free == 0) {
                ++cramped; // a city district thinner than a line: shown in the city window
                continue;
            }
            QImage picture = outlines.copy();
            PixelBuffer buffer{reinterpret_cast<quint32 *>(picture.bits()), picture.width(), picture.height(),
                               int(picture.bytesPerLine() / 4)};
            qint64 filled = 0;
            int clearSeeds = 0;
            for (const QPoint &s : seeds.at(row)) {
                const int px = int(std::lround(t.toPixelX(s.x()))), py = int(std::lround(t.toPixelY(s.y())));
                const QString where = QString("row %1 (state %2, district %3), seed %4,%5")
                                          .arg(row)
                                          .arg(data->districtTable.at(row).state)
                                          .arg(data->districtTable.at(row).district)
                                          .arg(s.x())
                                          .arg(s.y());
                // The converter keeps a seed one and a half units clear of its district's lines
                // wherever the district leaves room; a narrower one may lie nearer and is only
                // counted (the picture moves such a seed to a free pixel beside it).
                if (clearance(row, s) < 1.5) {
                    ++nearLine;
                    continue;
                }
                ++clearSeeds;
                QVERIFY2(outlines.pixel(px, py) == background, qPrintable("on a line: " + where));
                QVERIFY2(data->districtContains(row, s.x(), s.y()), qPrintable("outside: " + where));
                filled += FloodFill(buffer, px, py, 0xff00ff00u, background);
            }
            QVERIFY(filled > 0 || clearSeeds == 0);
            // The pixels a fill can reach are the district's own, plus those its outline shares.
            QVERIFY2(filled <= inside + qint64(perimeter.at(row)) + 4,
                     qPrintable(QString("row %1 filled %2 of %3").arg(row).arg(filled).arg(inside)));
        }
        // Only the smallest city districts have no free pixel at this scale.
        QVERIFY2(cramped <= 30, qPrintable(QString::number(cramped)));
        QVERIFY2(nearLine <= 80, qPrintable(QString::number(nearLine)));
    }
};

QTEST_MAIN(DrawnSampleTest)
#include "tst_drawnsample.moc"
