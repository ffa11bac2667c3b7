// rollscan-cli usmap and maps, run as a separate program over a tree written for the test.
#include "support/CliRun.h"
#include "support/UsMapFixture.h"

#include <QtTest>

using namespace rollscan;
using namespace rollscan::test;

class TestCliUsMap : public QObject {
    Q_OBJECT

private slots:
    void classes_data();
    void classes();
    void pictures();
    void drawnHouseRefused();
    void damagedLayerNamed_data();
    void damagedLayerNamed();
    void mapsWritesStateListAndLayers();
};

void TestCliUsMap::classes_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Senate 107") << Words("--senate --congress 107 --roll 1")
                                << "01\tnay\n09\tyea-hatched\n11\tdefault\n36\tsplit\n"
                                   "members_matched: 6\nmembers_unmatched: 1\n";
    QTest::newRow("House 110 on its own districts")
        << Words("--house --congress 110 --roll 1")
        << "0101\tna\n0901\tyea\n3601\tyea\n3602\tnay\nmembers_matched: 3\nmembers_unmatched: 0\n";
    // Roll call 2 is all Yea: the Yea-Nay split senators become yea (first Yea, then Yea) etc.
    QTest::newRow("Senate cross-tab")
        << Words("--senate --congress 107 --roll 1 --partner-congress 107 --partner-roll 2")
        << "01\tnay-yea\n09\tyea-hatched\n11\tdefault\n36\tsplit\nmembers_matched: 6\nmembers_unmatched: 1\n";
}

void TestCliUsMap::classes()
{
    QFETCH(QStringList, args);
    QFETCH(QString, expected);
    UsMapTree t;
    const CliRun r = RunCli(QStringList{"usmap", t.dir.path(), "--extended"} + args);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, expected);
}

void TestCliUsMap::pictures()
{
    UsMapTree t;
    const QString png = t.dir.filePath("house.png");
    const QString svg = t.dir.filePath("house.svg");
    const CliRun r = RunCli({"usmap", t.dir.path(), "--extended", "--house", "--congress", "110", "--roll", "1",
                             "--png", png, "--svg", svg});
    QCOMPARE(r.exitCode, 0);
    // A PNG of 800 x 600: the signature, then the IHDR chunk with width and height big-endian.
    QFile picture(png);
    QVERIFY(picture.open(QIODevice::ReadOnly));
    const QByteArray head = picture.read(24);
    QCOMPARE(head.left(8), QByteArray("\x89PNG\r\n\x1a\n"));
    QCOMPARE(head.mid(12, 4), QByteArray("IHDR"));
    QCOMPARE(head.mid(16, 8), QByteArray("\x00\x00\x03\x20\x00\x00\x02\x58", 8));
    QFile f(svg);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().startsWith("<?xml"));
}

void TestCliUsMap::drawnHouseRefused()
{
    UsMapTree t;
    const CliRun r = RunCli({"usmap", t.dir.path(), "--house", "--congress", "102", "--roll", "1"});
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.err.contains(QStringLiteral("102nd")));
}

void TestCliUsMap::damagedLayerNamed_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("keep"); // bytes kept of it
    // A table cut inside its records once coloured nameless features as one; the library's own
    // complaints once reached stderr without the file's name.
    QTest::newRow("attribute table cut short") << "maps/states.dbf" << 200;
    QTest::newRow("attribute table emptied") << "maps/states.dbf" << 0;
    QTest::newRow("index emptied") << "maps/states.shx" << 0;
    QTest::newRow("shapes cut in the header") << "maps/states.shp" << 50;
}

void TestCliUsMap::damagedLayerNamed()
{
    QFETCH(QString, file);
    QFETCH(int, keep);
    UsMapTree t;
    QVERIFY(QFile::resize(t.dir.filePath(file), keep));
    const CliRun r = RunCli({"usmap", t.dir.path(), "--extended", "--senate", "--congress", "107", "--roll", "1"});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.out, QString());
    QCOMPARE(r.err, QStringLiteral("rollscan-cli usmap: That file is damaged or is not a Rollscan data file. "
                                   "(%1: GIS Map not valid!)\n")
                        .arg(t.dir.filePath("maps/states.shp")));
}

void TestCliUsMap::mapsWritesStateListAndLayers()
{
    QTemporaryDir geo, tree;
    // 50 states and DC; states admitted in the same year keep the table's order.
    QByteArray csv = "fips,postal,name,icpsr,admitted\n11,DC,District of Columbia,55,1801\n"
                     "09,CT,Connecticut,1,1788\n36,NY,New York,13,1788\n10,DE,Delaware,11,1787\n"
                     "38,ND,North Dakota,64,1889\n";
    for (int i = 0; i < 46; ++i)
        csv += QStringLiteral("%1,Z%2,Later State %1,%3,1900\n").arg(60 + i).arg(i % 10).arg(90 + i % 9).toLatin1();
    QDir(geo.path()).mkpath("shapefiles");
    QFile f(geo.filePath("states.csv"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(csv);
    f.close();
    const QStringList fields = {"STATE", "DISTRICT"};
    QVERIFY(WriteTestLayer(geo.filePath("shapefiles/states.shp"), {"STATE_FIPS", "STATE_NAME"},
                           {{{Box(0, 0, 1, 1)}, {"09", "Connecticut"}}}));
    QVERIFY(WriteTestLayer(geo.filePath("shapefiles/cd104.shp"), fields, {{{Box(0, 0, 1, 1)}, {"09", "0901"}}}));
    QVERIFY(WriteTestLayer(geo.filePath("shapefiles/cd110.shp"), fields, {{{Box(0, 0, 1, 1)}, {"09", "0901"}}}));
    QVERIFY(WriteTestLayer(geo.filePath("shapefiles/other.shp"), fields, {}));

    const CliRun r = RunCli({"maps", geo.path(), tree.path()});
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QStringLiteral("main/state list.dat\nmaps/cd104.shp\nmaps/cd104.shx\nmaps/cd104.dbf\n"
                                   "maps/cd110.shp\nmaps/cd110.shx\nmaps/cd110.dbf\nmaps/states.shp\n"
                                   "maps/states.shx\nmaps/states.dbf\n"));
    const StateList list = StateList::Read(tree.filePath("main/state list.dat"));
    QCOMPARE(list.records.size(), 50);
    QCOMPARE(list.records.at(0).name, QStringLiteral("Delaware"));
    QCOMPARE(list.records.at(1).name, QStringLiteral("Connecticut"));
    QCOMPARE(list.records.at(2).postal, QStringLiteral("NY"));
    QCOMPARE(list.records.at(3).shortName, QStringLiteral("NorthDak"));
    QCOMPARE(list.records.at(3).order, qint16(4));
    QCOMPARE(list.records.at(3).fips, qint16(38));
    QCOMPARE(list.records.at(3).icpsr, qint16(64));
    QVERIFY(!list.findIcpsr(55));
    QCOMPARE(QFile(tree.filePath("maps/cd110.dbf")).size(), QFile(geo.filePath("shapefiles/cd110.dbf")).size());
}

QTEST_GUILESS_MAIN(TestCliUsMap)
#include "tst_cli_usmap.moc"
