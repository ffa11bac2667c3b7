// The bundled sample's Houses 97 and 102 drawn as the picture draws them, at the designed scale (one
// map unit to a pixel) and at the window's 1600 x 1000: every member's district has an outline of
// its own, every district with a region of pixels of its own is reached by its fill, the others are
// painted over their lines, and no fill covers more than its district's own area plus its outline.
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
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("maxNarrow");
        // 621 x 480 F = 1676.7 x 1296 units: one unit to a pixel.
        QTest::newRow("House 97 designed") << 97 << QSize(1677, 1296) << 9;
        QTest::newRow("House 102 designed") << 102 << QSize(1677, 1296) << 7;
        QTest::newRow("House 97 1600x1000") << 97 << QSize(1600, 1000) << 16;
        QTest::newRow("House 102 1600x1000") << 102 << QSize(1600, 1000) << 12;
    }
    void everyDistrictFilledWithinItself()
    {
        QFETCH(int, congress);
        QFETCH(QSize, size);
        QFETCH(int, maxNarrow);
        // Another converted tree can be checked the same way.
        const QString root = qEnvironmentVariableIsSet("ROLLSCAN_DRAWN_TREE")
                                 ? qEnvironmentVariable("ROLLSCAN_DRAWN_TREE")
                                 : QStringLiteral(ROLLSCAN_SOURCE_DIR "/sample");
        DrawingRequest request;
        request.dataRoot = root;
        request.congress = congress;
        request.rollCall = 1;
        request.newDataFormat = true;
        request.preferences = Preferences::Read(root + QStringLiteral("/rollscan.prf"));
        auto data = std::make_shared<DrawnMapData>(DrawnMapData::Load(root, congress));
        const DrawnMapPass pass = RunDrawnMapPass(request);
        const DrawnMapView view = data->designedView();
        QCOMPARE(view, (DrawnMapView{2.7, -450, 0}));
        const DrawnTransform t = DrawnTransform::Fit(view, size.width(), size.height());

        // Every member's district has rings of its own; every member outside the states elected
        // at large has a seed.
        int atLargeMembers = 0;
        for (const DrawnMember &m : pass.DrawnVoteTable) {
            const int row = data->rowOf(m.state, m.district);
            QVERIFY2(row >= 0 && !data->ringsOf(row).isEmpty(), qPrintable(m.displayName));
            atLargeMembers += m.seedCount == 0;
            QVERIFY2(m.seedCount > 0 || pass.atLargeColour.contains(m.state), qPrintable(m.displayName));
        }
        QVERIFY(atLargeMembers >= 5 && atLargeMembers <= 7); // the states of one seat

        DrawnMapPainter painter;
        painter.setData(data);
        const DrawnFillPlan plan = VoteFillPlan(pass, {});
        QList<qint64> filled;
        painter.render(size, view, plan, {}, {}, &filled);
        QHash<int, qint64> filledOfRow;
        for (int i = 0; i < plan.fills.size(); ++i)
            filledOfRow[data->rowOf(plan.fills.at(i).state, plan.fills.at(i).district)] += filled.at(i);

        // The regions the outlines leave open, each labelled with its own value (no alpha, so no
        // label is the outline or background colour), and their sizes.
        QImage regions = painter.outlines(size, view, {}).copy();
        const PixelBuffer buffer{reinterpret_cast<quint32 *>(regions.bits()), regions.width(), regions.height(),
                                 int(regions.bytesPerLine() / 4)};
        QList<qint64> regionSize{0};
        for (int y = 0; y < buffer.height; ++y)
            for (int x = 0; x < buffer.width; ++x)
                if (buffer.at(x, y) == DrawnMapPainter::backgroundColour().rgba())
                    regionSize.append(FloodFill(buffer, x, y, quint32(regionSize.size()), buffer.at(x, y)));

        // A district has room when a region lies mostly inside its rings (pixel middles); the room
        // must be filled, and the fill must stay within its rings and their outline.
        QStringList narrow, problems;
        for (int row = 0; row < data->districtTable.size(); ++row) {
            QPainterPath path;
            path.setFillRule(Qt::OddEvenFill);
            double perimeter = 0;
            for (const auto &[first, last] : data->ringsOf(row)) {
                QPolygonF ring;
                for (qsizetype i = first; i <= last; ++i)
                    ring << QPointF(t.toPixelX(data->districts.at(i).x), t.toPixelY(data->districts.at(i).y));
                for (qsizetype i = 1; i < ring.size(); ++i)
                    perimeter += QLineF(ring.at(i - 1), ring.at(i)).length();
                path.addPolygon(ring);
            }
            const QRect box = path.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1) & regions.rect();
            QImage mask(box.size().expandedTo({1, 1}), QImage::Format_Grayscale8);
            mask.fill(0);
            QPainter p(&mask);
            p.translate(-box.topLeft());
            p.fillPath(path, Qt::white);
            p.end();
            qint64 area = 0;
            QHash<quint32, qint64> insideOf;
            for (int y = 0; y < box.height(); ++y)
                for (int x = 0; x < box.width(); ++x)
                    if (mask.constScanLine(y)[x] != 0) {
                        ++area;
                        const quint32 label = buffer.at(box.left() + x, box.top() + y);
                        if (label < quint32(regionSize.size()))
                            ++insideOf[label];
                    }
            bool room = false;
            for (auto it = insideOf.cbegin(); it != insideOf.cend(); ++it)
                room = room || 2 * it.value() > regionSize.at(it.key());
            const QString name = QStringLiteral("state %1 district %2")
                                     .arg(data->districtTable.at(row).state)
                                     .arg(data->districtTable.at(row).district);
            const qint64 fill = filledOfRow.value(row);
            if (fill == 0)
                problems << name + QStringLiteral(" not reached");
            else if (painter.narrowRows().contains(row))
                (room ? problems : narrow) << name + QStringLiteral(" painted over its lines");
            if (fill > area + qint64(std::ceil(perimeter)) + 4)
                problems << QStringLiteral("%1 filled %2 pixels, its own %3").arg(name).arg(fill).arg(area);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        // Only city districts narrower than their outline are painted rather than filled.
        qInfo("%s", qPrintable(narrow.join(QStringLiteral(", "))));
        QVERIFY(narrow.size() <= maxNarrow);
    }
};

QTEST_MAIN(TestDrawnMapSample)
#include "tst_drawnmapsample.moc"
