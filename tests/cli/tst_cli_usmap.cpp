// rollscan-cli usmap and maps, run as a separate program over a tree written for the test.
#include "support/CliRun.h"
#include "support/DrawnMapFixture.h"
#include "support/UsMapFixture.h"

#include "core/geomap/DrawnMapView.h"

#include "core/data/FileIO.h"

#include <QtTest>

using namespace rollscan;
using namespace rollscan::test;

class TestCliUsMap : public QObject {
    Q_OBJECT

private slots:
    // The House on its own districts, drawn as well (the Senate's classes are checked in the core).
    void pictures()
    {
        UsMapTree t;
        const QString png = t.dir.filePath("house.png");
        const QString svg = t.dir.filePath("house.svg");
        const CliRun r = RunCli(Words("usmap TREE --extended --house --congress 110 --roll 1", t.dir.path()) +
                                QStringList{"--png", png, "--svg", svg});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringLiteral(
                            "0101\tna\n0901\tyea\n3601\tyea\n3602\tnay\nmembers_matched: 3\nmembers_unmatched: 0\n"));
        // A PNG of 800 x 600: the signature, then the IHDR chunk with width and height big-endian.
        const QByteArray head = ReadWholeFile(png).left(24);
        QCOMPARE(head.left(8), QByteArray("\x89PNG\r\n\x1a\n"));
        QCOMPARE(head.mid(12, 12), QByteArray("IHDR\x00\x00\x03\x20\x00\x00\x02\x58", 12));
        QVERIFY(ReadWholeFile(svg).startsWith("<?xml"));
    }

    // The House before the 103rd congress on its own drawn districts: the district table, the members
    // placed and the states elected at large, and the picture.
    void drawnMap()
    {
        DrawnMapTree t;
        const QString png = t.dir.filePath("drawn.png");
        const CliRun r = RunCli(Words("usmap TREE --extended --house --congress 97 --roll 1", t.dir.path()) +
                                QStringList{"--png", png});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringLiteral("district\t1\t1\t9\ndistrict\t1\t2\t12\ndistrict\t13\t1\t9\ndistrict\t11\t1\t9\n"
                                       "member\t1\tCTONE, CT\t1\tyea\nmember\t2\tCTTWO, CT\t2\tnay\n"
                                       "member\t3\tNYFIRST, NY\t1\tyea\nmember\t4\tNYSECOND, NY\t1\tnay\n"
                                       "member\t5\tDEONE, DE\t0\tyea\nmember\t6\tDETWO, DE\t0\tyea\n"
                                       "at_large\t11\t2-0-0\t9\n"));
        QImage picture(png);
        QCOMPARE(picture.size(), QSize(1600, 1000));
        const DrawnTransform tr = DrawnTransform::Fit({2.7, -450, 0}, 1600, 1000);
        auto at = [&](double x, double y) { return picture.pixelColor(int(tr.toPixelX(x)), int(tr.toPixelY(y))); };
        QCOMPARE(at(-350, -150), QColor(0, 0, 255)); // Yea, palette 9
        QCOMPARE(at(-230, -30), QColor(255, 0, 0));  // Nay, palette 12
        QCOMPARE(at(80, -120), QColor(0, 0, 255));   // Delaware's majority at large
        QCOMPARE(at(-300, 200), QColor(Qt::white));  // Texas: nobody

        // Imported values instead: each member's class, the fills by class, the circles of the votes.
        const QString file = t.dir.filePath("values.hqd");
        WriteWholeFile(file, "V\n-\n1,1,10\n1,2,40\n13,1,25\n11,1,30\n");
        const CliRun v = RunCli(Words("usmap TREE --extended --house --congress 97 --roll 1", t.dir.path()) +
                                QStringList{"--png", png, "--import", file, "--intervals", "3", "--with-votes"});
        QCOMPARE(v.exitCode, 0);
        QCOMPARE(v.out,
                 QStringLiteral("title: V\nclass\t1 (10)\t255,255,0\nclass\t2 (20)\t191,127,0\nclass\t3 (30)\t128,0,0\n"
                                "member\t1\tCTONE, CT\t10\tclass 1\nmember\t2\tCTTWO, CT\t40\tclass 3\n"
                                "member\t3\tNYFIRST, NY\t25\tclass 2\nmember\t4\tNYSECOND, NY\t25\tclass 2\n"
                                "member\t5\tDEONE, DE\t30\tclass 3\nmember\t6\tDETWO, DE\t30\tclass 3\n"));
        picture.load(png);
        QCOMPARE(at(-350, -150), QColor(255, 255, 0));
        QCOMPARE(at(80, -120), QColor(128, 0, 0));
        QCOMPARE(at(-250, -100), QColor(Qt::black)); // CTTWO's Nay circle on his first seed
    }

    // An imported data set in place of the votes: the classes, each member's value, the features.
    void imported()
    {
        UsMapTree t;
        const QString file = t.dir.filePath("values.hqd");
        WriteWholeFile(file, "Values\n-\n13,1,10\n13,2,40\n1,1,25\n");
        const CliRun r = RunCli(Words("usmap TREE --extended --house --congress 110 --roll 1", t.dir.path()) +
                                QStringList{"--import", file, "--intervals", "3"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringLiteral("title: Values\n"
                                       "class\t1 (10)\t255,255,0\nclass\t2 (20)\t191,127,0\nclass\t3 (30)\t128,0,0\n"
                                       "member\tRANGEL, NY\t1\t10\tclass 1\nmember\tKING, NY\t2\t40\tclass 3\n"
                                       "member\tLARSON, CT\t1\t25\tclass 2\nmember\tGHOST, AL\t1\tno value\n"
                                       "0101\tdefault\n0901\tclass-2\n3601\tclass-1\n3602\tclass-3\n"
                                       "members_matched: 3\nmembers_unmatched: 0\n"));
        WriteWholeFile(file, "Values\n13,1,10\n");
        const CliRun bad = RunCli(Words("usmap TREE --extended --house --congress 110 --roll 1", t.dir.path()) +
                                  QStringList{"--import", file});
        QCOMPARE(bad.exitCode, 1);
        QCOMPARE(bad.err, QStringLiteral("rollscan-cli usmap: An error (62) has occurred while opening the file you "
                                         "requested.\n") +
                              QDir::toNativeSeparators(file) +
                              QStringLiteral(": line 2: no line \"-\" ends the description\n"));
    }

    void refused_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("keep"); // bytes kept of it
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString senate = "--extended --senate --congress 107 --roll 1";
        const QString damaged = "rollscan-cli usmap: That file is damaged or is not a Rollscan data file. "
                                "(TREE/maps/states.shp: GIS Map not valid!)\n";
        // A table cut inside its records once coloured nameless features as one; the library's own
        // complaints once reached stderr without the file's name.
        Row("attribute table cut short", senate, "maps/states.dbf", 200, 1, damaged);
        Row("attribute table emptied", senate, "maps/states.dbf", 0, 1, damaged);
        Row("index emptied", senate, "maps/states.shx", 0, 1, damaged);
        Row("shapes cut in the header", senate, "maps/states.shp", 50, 1, damaged);
        Row("drawn House, unmatched members", "--house --congress 102 --roll 1 --list-unmatched", "", 0, 2,
            "rollscan-cli usmap: --svg and --list-unmatched are for the shapefile map\n");
    }

    void refused()
    {
        QFETCH(QString, args);
        QFETCH(QString, file);
        QFETCH(int, keep);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        UsMapTree t;
        if (!file.isEmpty())
            QVERIFY(QFile::resize(t.dir.filePath(file), keep));
        const CliRun r = RunCli(Words("usmap TREE " + args, t.dir.path()));
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.startsWith(message.replace("TREE", t.dir.path())), qPrintable(r.err));
    }

    void mapsWritesStateListAndLayers()
    {
        QTemporaryDir geo, tree;
        // 50 states and DC; states admitted in the same year keep the table's order.
        QByteArray csv = "fips,postal,name,icpsr,admitted\n11,DC,District of Columbia,55,1801\n"
                         "09,CT,Connecticut,1,1788\n36,NY,New York,13,1788\n10,DE,Delaware,11,1787\n"
                         "38,ND,North Dakota,64,1889\n";
        for (int i = 0; i < 46; ++i)
            csv += QStringLiteral("%1,Z%2,Later State %1,%3,1900\n").arg(60 + i).arg(i % 10).arg(90 + i % 9).toLatin1();
        TreeBuilder(geo.path()).writeRaw("states.csv", csv);
        QDir(geo.path()).mkpath("shapefiles");
        const QStringList fields = {"STATE", "DISTRICT"};
        QVERIFY(WriteTestLayer(geo.filePath("shapefiles/states.shp"), {"STATE_FIPS", "STATE_NAME"},
                               {{{Box(0, 0, 1, 1)}, {"09", "Connecticut"}}}));
        for (const char *layer : {"cd104", "cd110"})
            QVERIFY(WriteTestLayer(geo.filePath("shapefiles/%1.shp").arg(QLatin1String(layer)), fields,
                                   {{{Box(0, 0, 1, 1)}, {"09", "0901"}}}));
        QVERIFY(WriteTestLayer(geo.filePath("shapefiles/other.shp"), fields, {}));

        const CliRun r = RunCli({"maps", geo.path(), tree.path()});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringLiteral("main/state list.dat\nmaps/cd104.shp\nmaps/cd104.shx\nmaps/cd104.dbf\n"
                                       "maps/cd110.shp\nmaps/cd110.shx\nmaps/cd110.dbf\nmaps/states.shp\n"
                                       "maps/states.shx\nmaps/states.dbf\n"));
        const StateList list = StateList::Read(tree.filePath("main/state list.dat"));
        QCOMPARE(list.records.size(), 50);
        const StateListRecord &nd = list.records.at(3);
        QCOMPARE(QStringList({list.records[0].name, list.records[1].name, list.records[2].postal, nd.shortName}),
                 Words("Delaware Connecticut NY NorthDak"));
        QCOMPARE(QList<int>({nd.order, nd.fips, nd.icpsr}), QList<int>({4, 38, 64}));
        QVERIFY(!list.findIcpsr(55));
        QCOMPARE(QFile(tree.filePath("maps/cd110.dbf")).size(), QFile(geo.filePath("shapefiles/cd110.dbf")).size());
    }
};

QTEST_GUILESS_MAIN(TestCliUsMap)
#include "tst_cli_usmap.moc"
