// The drawn map of the bundled sample's Houses 97 and 102, drawn as the window draws it at
// 1600 x 1000: every district is reached by a seed of its first member, and no fill spreads beyond
// its own district (its area as the outline rings enclose it, plus the outline itself).
#include "core/data/Preferences.h"
#include "core/geomap/DrawnMapData.h"
#include "core/geomap/DrawnMapPass.h"
#include "gui/geomap/DrawnMapPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QtTest>

#include <cmath>

using namespace rollscan;

class TestDrawnMapSample : public QObject {
    Q_OBJECT

private slots:
    void everyDistrictFilledWithinItself_data()
    {
        QTest::addColumn<int>("congress");
        QTest::newRow("House 97") << 97;
        QTest::newRow("House 102") << 102;
    }
    void everyDistrictFilledWithinItself()
    {
        QFETCH(int, congress);
        // Another converted tree can be checked the same way.
        const QString root = qEnvironmentVariableIsSet("ROLLSCAN_DRAWN_TREE")
                                 ? qEnvironmentVariable("ROLLSCAN_DRAWN_TREE")
                                 : QStringLiteral(ROLLSCAN_SOURCE_DIR "/sample");
        const QSize size(1600, 1000);
        DrawingRequest request;
        request.dataRoot = root;
        request.congress = congress;
        request.rollCall = 1;
        request.newDataFormat = true;
        request.preferences = Preferences::Read(root + QStringLiteral("/rollscan.prf"));
        auto data = std::make_shared<DrawnMapData>(DrawnMapData::Load(root, congress));
        const DrawnMapPass pass = RunDrawnMapPass(request);
        QCOMPARE(data->designedView(), (DrawnMapView{2.7, -450, 0}));
        DrawnMapPainter painter;
        painter.setData(data);
        QList<qint64> filled;
        const DrawnFillPlan plan = VoteFillPlan(pass, {});
        painter.render(size, data->designedView(), plan, {}, {}, &filled);

        // Each district's rings in pixels, by district table row.
        const DrawnTransform t = DrawnTransform::Fit(data->designedView(), size.width(), size.height());
        QHash<int, QPainterPath> rings;
        QHash<int, double> perimeter;
        QPolygonF ring;
        int row = -1;
        auto close = [&] {
            if (row >= 0 && ring.size() > 2) {
                rings[row].addPolygon(ring);
                for (int i = 1; i < ring.size(); ++i)
                    perimeter[row] += std::hypot(ring[i].x() - ring[i - 1].x(), ring[i].y() - ring[i - 1].y());
            }
            ring.clear();
        };
        for (const OutlinePoint &p : data->districts) {
            if (p.pen == kPenUp) {
                close();
                row = data->districtRows.value(p.district, -1);
            }
            ring.append(QPointF(t.toPixelX(p.x), t.toPixelY(p.y)));
        }
        close();
        // A district's pixels as its rings enclose them, and how many of those the outlines leave
        // open: a district narrower than its outline has none, and no seed can reach it at this
        // size (the city window shows it).
        const QImage outlines = painter.outlines(size, data->designedView(), {});
        auto area = [&](int r) {
            QImage mask(size, QImage::Format_Grayscale8);
            mask.fill(0);
            QPainter p(&mask);
            p.setRenderHint(QPainter::Antialiasing, false);
            QPainterPath path = rings.value(r);
            path.setFillRule(Qt::OddEvenFill);
            p.fillPath(path, Qt::white);
            p.end();
            QPair<qint64, qint64> n{0, 0};
            for (int y = 0; y < mask.height(); ++y) {
                const uchar *line = mask.constScanLine(y);
                for (int x = 0; x < mask.width(); ++x)
                    if (line[x] != 0) {
                        ++n.first;
                        n.second += outlines.pixel(x, y) == DrawnMapPainter::backgroundColour().rgb();
                    }
            }
            return n;
        };

        QHash<QPair<int, int>, int> rowOf;
        for (int i = 0; i < pass.DistrictTable.size(); ++i)
            rowOf.insert({pass.DistrictTable.at(i).record.state, pass.DistrictTable.at(i).record.district}, i);
        QSet<int> reached;
        QStringList problems, overfilled;
        for (int i = 0; i < plan.fills.size(); ++i) {
            const DrawnFill &f = plan.fills.at(i);
            const int r = rowOf.value({f.state, f.district}, -1);
            if (r < 0 || f.member < 0)
                continue;
            if (filled.at(i) > 0) {
                reached.insert(r);
                const qint64 limit = area(r).first + qint64(std::ceil(perimeter.value(r))) + 4;
                if (filled.at(i) > limit)
                    overfilled << QStringLiteral("%1 district %2 filled %3 pixels, its own %4")
                                      .arg(pass.DrawnVoteTable.at(f.member).displayName)
                                      .arg(f.district)
                                      .arg(filled.at(i))
                                      .arg(limit);
            }
        }
        int hidden = 0;
        for (int i = 0; i < plan.fills.size(); ++i) {
            const DrawnFill &f = plan.fills.at(i);
            const int r = rowOf.value({f.state, f.district}, -1);
            if (f.member < 0 || r < 0 || reached.contains(r))
                continue;
            if (area(r).second == 0) {
                reached.insert(r); // counted once
                ++hidden;
                continue;
            }
            problems << QStringLiteral("%1 district %2 not reached")
                            .arg(pass.DrawnVoteTable.at(f.member).displayName)
                            .arg(f.district);
        }
        qInfo("%d districts are too small to show at 1600 x 1000", hidden);
        QVERIFY(hidden < 30);
        // Known faults of House 102: five districts whose fill from the seed runs out through a gap
        // in the outlines at this size and is taken back (IL 6, PA 19, NY 3, SC 4, NY 31), and NY 34,
        // which runs about 80 pixels past its own area.
        if (congress == 102)
            QEXPECT_FAIL("House 102", "five districts unreached through outline gaps", Continue);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        if (congress == 102)
            QEXPECT_FAIL("House 102", "NY district 34 fills past its own area", Continue);
        QVERIFY2(overfilled.isEmpty(), qPrintable(overfilled.join('\n')));
        QVERIFY(reached.size() > 400);
    }
};

QTEST_MAIN(TestDrawnMapSample)
#include "tst_drawnmapsample.moc"
