// The drawn map's files read from known bytes, and what their readers refuse.
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/geomap/DrawnMapFiles.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;

namespace {
QString Put(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QDir(dir.path()).mkpath(QStringLiteral("main"));
    const QString path = dir.filePath(name);
    WriteWholeFile(path, bytes);
    return path;
}

int ErrorNumber(const std::function<void()> &read)
{
    try {
        read();
    } catch (const FileError &e) {
        return e.number();
    }
    return 0;
}
} // namespace

class TestDrawnMapFiles : public QObject {
    Q_OBJECT

private slots:
    void recordsFromKnownBytes()
    {
        QTemporaryDir dir;
        // pen 99, unused 7, district 3, x -2, y 258
        const QByteArray record = QByteArray::fromHex("6300 0700 0300 feff 0201");
        const QString cds = Put(dir, QStringLiteral("1.cds"), record + record);
        QCOMPARE(ReadOutlinePoints(cds, 1), (QList<OutlinePoint>{{99, 7, 3, -2, 258}}));
        QCOMPARE(ReadDistrictSeeds(cds, 2).at(1), (DistrictSeedRecord{99, 7, {3, -2, 258}}));
        // The city file has its city index first and x before the district.
        QCOMPARE(ReadCityPoints(cds).at(0), (CityPoint{99, 7, 3, -2, 258}));

        QByteArray index;
        for (int i = 0; i < 63; ++i)
            index += QByteArray("Virginia").leftJustified(22, ' ') + QByteArray::fromHex("fc06 0200 0200");
        Put(dir, QStringLiteral("main/mapindex.dat"), index);
        Put(dir, QStringLiteral("main/map.dat"), QByteArray::fromHex("01000200 0300fcff 05000600"));
        const StateOutlines outlines = ReadStateOutlines(dir.path());
        QCOMPARE(outlines.index.at(62), (MapIndexRecord{QStringLiteral("Virginia"), 1788, 2, 2}));
        QCOMPARE(outlines.outline(0), (QList<StatePoint>{{3, -4}, {5, 6}}));
    }

    void writersProduceTheReadBytes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("97.cit"));
        WriteCityPoints(path, {{14, -1, 2, 0, 300}});
        QCOMPARE(ReadWholeFile(path), QByteArray::fromHex("0e00 ffff 0200 0000 2c01"));
        const QString boxes = dir.filePath(QStringLiteral("city.dat"));
        WriteCityBoxes(boxes, {{97, QStringLiteral("Chicago"), 10, -20, 30, 40}});
        QCOMPARE(ReadWholeFile(boxes), QByteArray("97,Chicago,10,-20,30,40\r\n"));
        QCOMPARE(ReadCityBoxes(boxes), (QList<CityBox>{{97, QStringLiteral("Chicago"), 10, -20, 30, 40}}));
        QVERIFY_THROWS_EXCEPTION(DataError, WriteCityBoxes(boxes, {{97, QStringLiteral("St. Louis, MO"), 0, 0, 1, 1}}));
        QVERIFY_THROWS_EXCEPTION(DataError, WriteOutlinePoints(path, QList<OutlinePoint>(32768)));
    }

    // Fewer records than counted, a negative count, city points cut short, a city line of five items or
    // with a corner that is not a number, a missing file, an index record of 2 points from point 2 over
    // a map.dat of one point.
    void badFilesAreRefused()
    {
        const QList<std::tuple<QString, QByteArray, int, int>> cases = {
            {"1.cds", QByteArray(19, '\0'), 2, 62},
            {"1.cds", QByteArray(10, '\0'), -5, 321},
            {"1.cit", QByteArray(15, '\0'), -1, 62},
            {"city.dat", "97,x,1,2,3\n", 0, 321},
            {"city.dat", "97,x,1,2,3,y\n", 0, 321},
            {"", QByteArray(), 0, 53},
            {"main/mapindex.dat",
             QByteArray(28 * 62, '\0') + QByteArray(22, ' ') + QByteArray::fromHex("0000 0200 0200"), 0, 62}};
        for (const auto &entry : cases) { // not a structured binding: clang 14 cannot capture one in the lambda
            const auto &[name, bytes, count, error] = entry;
            QTemporaryDir dir;
            const QString path = name.isEmpty() ? dir.filePath(QStringLiteral("none.ctr")) : Put(dir, name, bytes);
            const int n = count;
            QCOMPARE(ErrorNumber([&] {
                         if (path.endsWith(QLatin1String("mapindex.dat"))) {
                             Put(dir, QStringLiteral("main/map.dat"), QByteArray(4, '\0'));
                             ReadStateOutlines(dir.path());
                         } else if (path.endsWith(QLatin1String(".cit")))
                             ReadCityPoints(path);
                         else if (path.endsWith(QLatin1String(".dat")))
                             ReadCityBoxes(path);
                         else
                             ReadDistrictSeeds(path, n);
                     }),
                     error);
        }
    }
};

QTEST_GUILESS_MAIN(TestDrawnMapFiles)
#include "tst_drawnmapfiles.moc"
