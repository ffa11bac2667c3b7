// The import window, the colour key and the US map showing imported values, over the small US map
// tree and the bundled sample's 110th congress.
#include "support/GuiTestSupport.h"
#include "support/RecordingServices.h"
#include "support/UsMapFixture.h"

#include "core/data/FileIO.h"
#include "core/import/ImportTexts.h"
#include "gui/app/WindowDirector.h"
#include "gui/app/frmVoteStartup.h"
#include "gui/geomap/MapControl.h"
#include "gui/geomap/frmUSMap.h"
#include "gui/import/frmColorKey.h"
#include "gui/import/frmImport.h"
#include "gui/search/frmViewCalls.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QtTest>

using namespace rollscan;
using namespace rollscan::test;

namespace {
// The colour drawn at a map point, moved by `dx` pixels.
QColor colourAt(frmUSMap &map, double x, double y, double dx = 0.0)
{
    const QImage image = map.mapUS->grab().toImage();
    const QPointF p = map.mapUS->transform().toControl(x, y) + QPointF(dx, 0.0);
    return image.pixelColor(int(p.x() * image.devicePixelRatio()), int(p.y() * image.devicePixelRatio()));
}

QColor Colour(const Rgb &c)
{
    return QColor(c.red, c.green, c.blue);
}

QStringList Labels(const frmColorKey &key)
{
    QStringList out;
    for (int k = 0; k < frmColorKey::kPanels; ++k)
        if (key.lblNum[k]->isVisibleTo(&key))
            out.append(key.lblNum[k]->text());
    return out;
}
} // namespace

class TestImportWindows : public QObject {
    Q_OBJECT

private slots:
    void importShowsValuesOnTheSenateMap()
    {
        UsMapTree t;
        RecordingServices services;
        frmVoteStartup main{t.session, services};
        WindowDirector director{t.session, services, main};
        t.session.isHouse = false;
        t.session.selectedCongresses = {107};
        frmViewCalls *list = director.showViewCalls();
        list->lstRollCalls->item(0)->setSelected(true);
        list->addSelected();
        list->btnImport->click();
        frmImport *import = director.importWindow();
        QVERIFY(import && import->isVisible());
        QCOMPARE(import->txtTitle->text(), ImportText::kNothingLoaded);
        QCOMPARE(
            (QList<int>{import->spnInterval->value(), import->spnInterval->minimum(), import->spnInterval->maximum()}),
            (QList<int>{8, 2, 50}));
        import->tbStart->trigger();
        QCOMPARE(services.lastMessage().text, QStringLiteral("There's no data to read!"));
        QVERIFY(!director.usMapWindow());

        // Connecticut's senators 10 and 30 (mean 20), New York's both 50, Alabama's Sessions 90.
        const QString good = t.dir.filePath(QStringLiteral("values.sqd"));
        WriteWholeFile(good, "Test values\nMade for the test.\n-\n1,101,10\n1,102,30\n13,0,50\n41,105,90\n");
        services.fileNames.enqueue(good);
        import->btnSelect->click();
        QCOMPARE(services.fileDialogs.last().caption, QStringLiteral("Quantitative Variable Data Import"));
        QCOMPARE(services.fileDialogs.last().filters,
                 (QStringList{QStringLiteral("All Files (*.*)"), QStringLiteral("Import Files (*.sqd)")}));
        QCOMPARE(services.fileDialogs.last().defaultSuffix, QStringLiteral("SQD"));
        QCOMPARE(import->txtTitle->text(), QStringLiteral("Test values"));
        QCOMPARE(import->txtDetails->toPlainText(), QStringLiteral("Made for the test."));
        QCOMPARE(import->txtData->toPlainText(), QStringLiteral("1,101,10\n1,102,30\n13,0,50\n41,105,90"));
        QCOMPARE(import->printLines().mid(0, 2),
                 (QStringList{"Rollscan for Windows Quantitative Variable Data File", " ('Test values')"}));

        // A bad file is reported and the data set read before stays.
        const QString bad = t.dir.filePath(QStringLiteral("bad.sqd"));
        WriteWholeFile(bad, "Bad\n-\n1,101,ten\n");
        services.fileNames.enqueue(bad);
        import->btnSelect->click();
        QCOMPARE(services.errorTexts().last(),
                 QStringLiteral("An error (13) has occurred while opening the file you requested.\n") +
                     QDir::toNativeSeparators(bad) + QStringLiteral(": line 3: the value \"ten\" is not a number"));
        QCOMPARE(import->txtTitle->text(), QStringLiteral("Test values"));
        QCOMPARE(t.session.importedData.rows.size(), 4);
        QVERIFY(!SaveScreenshot(import, QStringLiteral("import_frmImport")).isEmpty());

        import->spnInterval->setValue(4);
        import->chkCrossTab->setChecked(true);
        import->tbStart->trigger();
        frmUSMap *map = director.usMapWindow();
        QVERIFY2(map && t.session.importedDataShown, qPrintable(services.errorTexts().join(QLatin1Char('\n'))));
        QVERIFY(QTest::qWaitForWindowExposed(map));
        QCOMPARE(map->windowTitle(), QStringLiteral("US Map Display - Test values, SENATE MAP VOTE"));
        frmColorKey *key = director.colorKeyWindow();
        QVERIFY(key && key->isVisible());
        // Fewer classes than panels: no scroll bar, the other panels hidden.
        QCOMPARE(Labels(*key), (QStringList{"1 (10)", "2 (30)", "3 (50)", "4 (70)"}));
        QVERIFY(!key->hscColor->isVisibleTo(key));
        SaveScreenshot(map, QStringLiteral("import_senate_map"));
        const QuantKey &classes = t.session.importKey;
        // Mean 20 in class 1, 50 on a bound in class 3, the maximum in class 4.
        QCOMPARE(colourAt(*map, -73.4, 41.2), Colour(classes.colour(1)));
        QCOMPARE(colourAt(*map, -78.5, 41.0), Colour(classes.colour(3)));
        QCOMPARE(colourAt(*map, -87.5, 30.5), Colour(classes.colour(4)));
        // New York's two circles side by side: Schumer voted Yea (white), Clinton Nay (black).
        QCOMPARE(colourAt(*map, -76.4, 42.75, -7.5), QColor(Qt::white));
        QCOMPARE(colourAt(*map, -76.4, 42.75, 7.5), QColor(Qt::black));
        QCOMPARE(map->tipTextAt(QPointF(-78.5, 41.0)), QStringLiteral("Value: 50"));
        QVERIFY(!SaveScreenshot(map, QStringLiteral("import_usmap_senate_fixture")).isEmpty());
        QVERIFY(!SaveScreenshot(key, QStringLiteral("import_frmColorKey")).isEmpty());

        // Closing the map ends the imported display and its key.
        map->close();
        QCoreApplication::processEvents();
        QVERIFY(!t.session.importedDataShown);
        QVERIFY(!director.colorKeyWindow());

        // A search of the House drops the Senate's data set; the map and its key go with it.
        import->tbStart->trigger();
        QVERIFY(director.usMapWindow() && director.colorKeyWindow());
        t.session.isHouse = true;
        director.showViewCalls();
        QVERIFY(!director.usMapWindow() && !director.colorKeyWindow());
        QVERIFY(t.session.importedData.isEmpty() && !t.session.importedDataShown);
        QCOMPARE(import->txtTitle->text(), ImportText::kNothingLoaded);
    }

    void colourKeyScrollsThroughFiftyClasses()
    {
        RecordingServices services;
        frmColorKey key(services);
        key.setAttribute(Qt::WA_DeleteOnClose, false);
        key.setKey(MakeQuantKey(1.0, 1001.0, 50, Rgb{255, 255, 0}, Rgb{128, 0, 0}));
        key.show();
        QVERIFY(QTest::qWaitForWindowExposed(&key));
        QVERIFY(key.hscColor->isVisible());
        QCOMPARE(key.hscColor->minimum(), 0);
        QCOMPARE(key.hscColor->maximum(), 42);
        QCOMPARE(Labels(key).first(), QStringLiteral("1 (1)"));
        key.hscColor->setValue(42);
        QCOMPARE(Labels(key), (QStringList{"43 (841)", "44 (861)", "45 (881)", "46 (901)", "47 (921)", "48 (941)",
                                           "49 (961)", "50 (981)"}));
        QCOMPARE(key.pnlColor[7]->palette().color(QPalette::Window), QColor(128, 0, 0));
        QVERIFY(!SaveScreenshot(&key, QStringLiteral("import_frmColorKey_50")).isEmpty());
    }

    void sampleDataSetsOnTheMap_data()
    {
        QTest::addColumn<bool>("house");
        QTest::addColumn<QString>("file");
        QTest::newRow("House 110") << true << "votes-cast-h110.hqd";
        QTest::newRow("Senate 110") << false << "votes-cast-s110.sqd";
    }

    void sampleDataSetsOnTheMap()
    {
        QFETCH(bool, house);
        QFETCH(QString, file);
        const QString sample = QStringLiteral(ROLLSCAN_SOURCE_DIR "/sample");
        Session session(sample);
        session.Preferences = Preferences::Read(session.preferencesPath());
        session.newDataFormat = true;
        session.isHouse = house;
        session.MatchTable.append(TreeBuilder::matchRow(5, "Roll call 5", QDate(2007, 1, 1), 110));
        session.queue.addRows(session.MatchTable, {1}, false);
        session.queue.setCurrentQueuePos(1);

        RecordingServices services;
        frmVoteStartup main{session, services};
        WindowDirector director{session, services, main};
        frmImport *import = director.showImport();
        QVERIFY(import->readFile(sample + QStringLiteral("/user/") + file));
        import->chkCrossTab->setChecked(!house);
        import->tbStart->trigger();
        frmUSMap *map = director.usMapWindow();
        QVERIFY2(map, qPrintable(services.errorTexts().join(QLatin1Char('\n'))));
        map->resize(1000, 700);
        QVERIFY(QTest::qWaitForWindowExposed(map));
        // Every seat of the House has a value; in the Senate every state but the District of Columbia.
        int graded = 0;
        for (const FeatureFill &f : map->colouring().fills)
            graded += f.graded ? 1 : 0;
        QCOMPARE(graded, house ? 435 : 50);
        const QString name = house ? QStringLiteral("import_usmap_house110") : QStringLiteral("import_usmap_senate110");
        QVERIFY(!SaveScreenshot(import, name + QStringLiteral("_frmImport")).isEmpty());
        QVERIFY(!SaveScreenshot(map, name).isEmpty());
        QVERIFY(!SaveScreenshot(director.colorKeyWindow(), name + QStringLiteral("_key")).isEmpty());
        map->close();
    }
};

QTEST_MAIN(TestImportWindows)
#include "tst_importwindows.moc"
