// The US map's labels: a label that would overlap one already placed is left out, the larger
// feature placing its own first, alike in the window's pixels and in a written SVG.
#include "support/UsMapFixture.h"

#include "core/geomap/MapTransform.h"
#include "core/geomap/ShapeLayer.h"
#include "core/geomap/UsMapRules.h"
#include "gui/geomap/UsMapPainter.h"
#include "gui/geomap/UsMapPictureFile.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;
using namespace rollscan::test;

class TestUsMapPainter : public QObject {
    Q_OBJECT

private slots:
    void overlappingLabelsLeftOut_data();
    void overlappingLabelsLeftOut();
};

namespace {
// Dark pixels (text; outlines are grey) in a rectangle of map units.
int darkPixels(const QImage &image, const MapTransform &t, double x1, double y1, double x2, double y2)
{
    const QRect r = QRectF(t.toControl(x1, y2), t.toControl(x2, y1)).toRect() & image.rect();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += int(qGray(image.pixel(x, y)) < 40);
    return n;
}
} // namespace

void TestUsMapPainter::overlappingLabelsLeftOut_data()
{
    QTest::addColumn<double>("labelHeight");
    QTest::addColumn<bool>("smallShown");
    QTest::newRow("small labels all fit") << 0.6 << true;
    QTest::newRow("large labels: the small feature's is left out") << 3.0 << false;
}

void TestUsMapPainter::overlappingLabelsLeftOut()
{
    QFETCH(double, labelHeight);
    QFETCH(bool, smallShown);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cd.shp"));
    // The small feature comes first in the file but places its label after the big one beside it.
    QVERIFY(WriteTestLayer(
        path, {QStringLiteral("DISTRICT")},
        {{{Box(10, 4, 11, 6)}, {"SMALL"}}, {{Box(0, 0, 10, 10)}, {"BIG"}}, {{Box(30, 3, 32, 7)}, {"FAR"}}}));
    ShapeLayer layer;
    QVERIFY(layer.open(path));
    UsMapPainter painter;
    painter.setLayer(&layer);
    UsMapPicture picture;
    picture.view = {0, 0, 40, 10};
    picture.fills = QList<FeatureFill>(3, FeatureFill{});
    picture.labelField = kDistrictField;
    picture.labelHeight = labelHeight;

    QImage image(800, 400, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&image);
        painter.paint(p, image.rect(), picture);
    }
    const MapTransform t(picture.view, image.rect());
    QVERIFY(darkPixels(image, t, 3, 3, 7, 7) > 0);
    QVERIFY(darkPixels(image, t, 29, 3, 33, 7) > 0);
    // Right of the big feature's label only the small feature's text can be dark.
    QCOMPARE(darkPixels(image, t, 10.2, 4, 13, 6) > 0, smallShown);

    const QString svg = dir.filePath(QStringLiteral("map.svg"));
    WriteUsMapPicture(painter, picture, image.size(), svg);
    QFile f(svg);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    QVERIFY(text.contains(">BIG<"));
    QVERIFY(text.contains(">FAR<"));
    QCOMPARE(text.contains(">SMALL<"), smallShown);
}

QTEST_MAIN(TestUsMapPainter)
#include "tst_usmappainter.moc"
