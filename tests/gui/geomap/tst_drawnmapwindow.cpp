// The US map in drawn mode offscreen over a small tree of square states: the fills of a single roll
// call and of a cross-tabulation, zoom clicks, the state filter (nothing of an unselected state is
// outlined or filled), hover texts, saving and printing the picture, and the city insets. Each test
// saves a screenshot of the window it opens.
#include "support/DrawnMapFixture.h"
#include "support/GuiTestSupport.h"
#include "support/RecordingServices.h"

#include "core/app/Session.h"
#include "core/data/FileIO.h"
#include "core/data/Preferences.h"
#include "core/geomap/DrawnMapView.h"
#include "core/import/QuantKey.h"
#include "gui/app/PaletteColour.h"
#include "gui/geomap/DrawnMapCanvas.h"
#include "gui/geomap/MapControl.h"
#include "gui/geomap/frmCities.h"
#include "gui/geomap/frmState.h"
#include "gui/geomap/frmUSMap.h"
#include "gui/ideology/frmInquire.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QtTest>

#include <memory>

using namespace rollscan;
using namespace rollscan::test;

namespace {
// The fixture with rows of its match table queued, and the map window over it, opened by open().
struct Window {
    DrawnMapTree t;
    RecordingServices services;
    std::unique_ptr<frmUSMap> map;

    explicit Window(const QList<int> &rows = {1}, bool crossTab = false)
    {
        t.queue(rows, 1, crossTab);
        map = std::make_unique<frmUSMap>(t.session, services);
        map->setAttribute(Qt::WA_DeleteOnClose, false);
        map->resize(1000, 760);
    }
    bool open()
    {
        map->show();
        return QTest::qWaitForWindowExposed(map.get()) && map->start();
    }
};

// The widget pixel of a map point.
QPoint pixelOf(const frmUSMap &map, double x, double y)
{
    const DrawnTransform t = DrawnTransform::Fit(map.drawnView(), map.picUSMap->width(), map.picUSMap->height());
    return {int(t.toPixelX(x)), int(t.toPixelY(y))};
}

// The colour of the drawn picture at a map point.
QColor colourAt(const frmUSMap &map, double x, double y)
{
    const QImage &picture = map.picUSMap->picture();
    const DrawnTransform t = DrawnTransform::Fit(map.picUSMap->view(), picture.width(), picture.height());
    return picture.pixelColor(int(std::floor(t.toPixelX(x))), int(std::floor(t.toPixelY(y))));
}

QColor Colour(const Rgb &c)
{
    return QColor(c.red, c.green, c.blue);
}

// Map points of the fixture and what each shows on the first roll call.
struct Probe {
    const char *what;
    double x, y;
};
const QList<Probe> kProbes = {{"Connecticut 1", -350, -150}, {"Connecticut 2", -230, -30},
                              {"New York", -150, -150},      {"Delaware", 80, -120},
                              {"Texas", -300, 200},          {"outside", 300, 300},
                              {"state border", -200, -100},  {"Connecticut's west edge", -400, -100}};

QStringList colours(const frmUSMap &map)
{
    QStringList out;
    for (const Probe &p : kProbes)
        out << QString::fromLatin1(p.what) + QLatin1Char(' ') + colourAt(map, p.x, p.y).name();
    return out;
}

QStringList expected(const QList<QColor> &shown)
{
    QStringList out;
    for (int i = 0; i < kProbes.size(); ++i)
        out << QString::fromLatin1(kProbes.at(i).what) + QLatin1Char(' ') + shown.at(i).name();
    return out;
}
} // namespace

class TestDrawnMapWindow : public QObject {
    Q_OBJECT

private slots:
    void singleRollCall()
    {
        Window w;
        QVERIFY(w.open());
        auto &[t, services, map] = w;
        const Preferences &p = t.session.Preferences;
        QCOMPARE(map->mode(), UsMapMode::Drawn);
        QVERIFY(map->picUSMap->isVisible() && !map->mapUS->isVisible());
        QCOMPARE(map->drawnView(), (DrawnMapView{2.7, -450, 0}));
        QCOMPARE(map->lblRollCall->text(), QStringLiteral("House #97 Roll Call #1  3/4/1981  (1/1)"));
        QCOMPARE(map->windowTitle(), QStringLiteral("US Map Display - DRAWN MAP VOTE"));
        // New York's second member (Nay) finds the district filled by the first (Yea); Delaware's two
        // members at large make a Yea majority; Texas has nobody.
        const QColor yea = PaletteColour(p.yeaColour()), nay = PaletteColour(p.nayColour());
        QCOMPARE(colours(*map), expected({yea, nay, yea, yea, Qt::white, Qt::white, Qt::black, Qt::black}));
        for (const char *phase : {"Drawing States", "Drawing Districts", "Filling Districts"})
            QVERIFY2(services.waitInfos.contains(phase), qPrintable(services.waitInfos.join(',')));
        QVERIFY(!services.waitVisible);
        // The city rectangle, in palette colour 14, after the fills.
        QCOMPARE(colourAt(*map, -410, -100), PaletteColour(14));
        // A House key: no split entry while no delegation at large is split evenly.
        QStringList key;
        for (const QLabel *label : map->lblKeys)
            if (label->isVisibleTo(map.get()))
                key << label->text();
        QCOMPARE(key, (QStringList{"Yea Vote", "Nay Vote", "N/A Vote"}));
        SaveScreenshot(map.get(), QStringLiteral("drawnmap_single"));

        // The next roll call fills again over the same outlines.
        t.queue({1, 2}, 2);
        map->DoMap(false);
        QCOMPARE(colourAt(*map, -350, -150), nay);
        QCOMPARE(colourAt(*map, -230, -30), yea);
    }

    void crossTab()
    {
        Window w({1, 2}, true);
        QVERIFY(w.open());
        auto &[t, services, map] = w;
        const Preferences &p = t.session.Preferences;
        const QColor yeaNay = PaletteColour(p.yeaNayColour()), nayYea = PaletteColour(p.nayYeaColour());
        QCOMPARE(colours(*map).mid(0, 4), expected({yeaNay, nayYea, yeaNay, yeaNay, {}, {}, {}, {}}).mid(0, 4));
        SaveScreenshot(map.get(), QStringLiteral("drawnmap_crosstab"));
    }

    void zoom()
    {
        Window w;
        QVERIFY(w.open());
        auto &[t, services, map] = w;
        map->mnuLargeZoomIn->trigger();
        QVERIFY(map->tbZoomIn->isChecked());
        // A real click: the origin moves to the point under the mouse.
        QTest::mouseClick(map->picUSMap, Qt::LeftButton, {}, pixelOf(*map, -250, -100));
        QCOMPARE(map->drawnView().F, 1.7);
        QVERIFY(std::abs(map->drawnView().x + 250) < 2 && std::abs(map->drawnView().y + 100) < 2);
        QCOMPARE(colourAt(*map, -350, -150), PaletteColour(t.session.Preferences.yeaColour()));
        SaveScreenshot(map.get(), QStringLiteral("drawnmap_zoomed"));
        map->drawnClick({-250, -100});
        QCOMPARE(map->drawnView().F, 0.7);
        map->drawnClick({-250, -100}); // one more step would leave nothing to see
        QCOMPARE(map->drawnView().F, 0.7);
        map->mnuFullMap->trigger();
        QCOMPARE(map->drawnView(), (DrawnMapView{2.7, -450, 0}));
        QVERIFY(!map->mnuLargeZoomIn->isChecked());
    }

    void stateFilter()
    {
        Window w;
        QVERIFY(w.open());
        auto &[t, services, map] = w;
        QStringList listed;
        OnNextModal([&](QWidget *w) {
            auto *dialog = qobject_cast<frmState *>(w);
            for (int i = 0; i < dialog->lstState->count(); ++i) {
                listed << dialog->lstState->item(i)->text();
                dialog->lstState->item(i)->setSelected(listed.last() == QLatin1String("New York"));
            }
            dialog->btnOK->click();
        });
        map->mnuState->trigger();
        QCOMPARE(listed, (QStringList{"Connecticut", "New York", "Delaware", "Texas"}));
        QVERIFY(map->mnuState->isChecked());
        QCOMPARE(map->drawnFilter().states, QList<int>{13});
        // Connecticut, Delaware and Texas are neither outlined nor filled; New York keeps its border.
        const QColor yea = PaletteColour(t.session.Preferences.yeaColour());
        QCOMPARE(colours(*map),
                 expected({Qt::white, Qt::white, yea, Qt::white, Qt::white, Qt::white, Qt::black, Qt::white}));
        QCOMPARE(colourAt(*map, -300, 100), QColor(Qt::white));  // Texas's outline
        QCOMPARE(colourAt(*map, -410, -100), QColor(Qt::white)); // no city rectangle
        SaveScreenshot(map.get(), QStringLiteral("drawnmap_filtered"));
        map->mnuState->trigger(); // checked: the filter goes
        QVERIFY(!map->mnuState->isChecked());
        QCOMPARE(colourAt(*map, -400, -100), QColor(Qt::black));
    }

    void hoverTips_data()
    {
        QTest::addColumn<bool>("inquire");
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<QString>("tip");
        QTest::newRow("inquire") << true << QPointF(-260, -90) << "CTTWO, CONNECTICUT";
        QTest::newRow("breakdown, two members") << false << QPointF(-90, -80) << "NY (MM District): 1-1";
        QTest::newRow("nothing near") << true << QPointF(-1000, 600) << "";
    }
    void hoverTips()
    {
        QFETCH(bool, inquire);
        QFETCH(QPointF, at);
        QFETCH(QString, tip);
        Window w;
        QVERIFY(w.open());
        auto &[t, services, map] = w;
        (inquire ? map->mnuInquire : map->mnuBreakdown)->setChecked(true);
        // Sent, not moved with the test cursor, which misses the widget at a scale factor of 2.
        const QPointF local = pixelOf(*map, at.x(), at.y());
        QMouseEvent move(QEvent::MouseMove, local, map->picUSMap->mapToGlobal(local), Qt::NoButton, {}, {});
        QCoreApplication::sendEvent(map->picUSMap, &move);
        QCOMPARE(map->lblInquire->toolTip(), tip);
    }

    // A click with Inquire opens the result window; with imported data it names the district's value.
    void inquireClick_data()
    {
        QTest::addColumn<int>("import"); // 0 none, 1 values, 2 values with the votes
        QTest::addColumn<QString>("data");
        QTest::newRow("votes") << 0 << "NYFIRST: Yea\nNYSECOND: Nay";
        QTest::newRow("imported") << 1 << "Value: 25";
        QTest::newRow("imported with votes") << 2 << "NYFIRST: Yea\nNYSECOND: Nay\nValue: 25";
    }
    void inquireClick()
    {
        QFETCH(int, import);
        QFETCH(QString, data);
        Window w;
        auto &[t, services, map] = w;
        QuantData &d = t.session.importedData;
        d = {QStringLiteral("v.hqd"), true, {}, {}, {}, {{13, 1, 25.0, {}}, {1, 1, 10.0, {}}}, 10.0, 25.0};
        t.session.importKey = MakeQuantKey(d, 2, t.session.Preferences);
        t.session.importedDataShown = import > 0;
        t.session.importWithVotes = import == 2;
        QVERIFY(w.open());
        SaveScreenshot(map.get(), QStringLiteral("drawnmap_import%1").arg(import));
        // The window's choice of picture (the classes and circles are the command line's test): the classes'
        // colours, and with the votes NYSECOND's Nay as a black circle on his seed.
        if (import > 0) {
            QCOMPARE(colourAt(*map, -350, -150), Colour(t.session.importKey.colour(1)));
            QCOMPARE(colourAt(*map, -150, -150), Colour(t.session.importKey.colour(2)));
            QCOMPARE(colourAt(*map, -60, -60) == QColor(Qt::black), import == 2);
            QCOMPARE(map->drawnTipAt(QPointF(-90, -80)), QStringLiteral("Value: 25"));
        }
        map->mnuInquire->setChecked(true);
        QTest::mouseClick(map->picUSMap, Qt::LeftButton, {}, pixelOf(*map, -90, -80));
        frmInquire *inquire = map->inquireWindow();
        QVERIFY(inquire && inquire->isVisible());
        QCOMPARE(inquire->lblName->text() + '|' + inquire->lblState->text() + '|' + inquire->lblData->text(),
                 "NYFIRST; NYSECOND|NEW YORK|" + data);
        QVERIFY(inquire->lblData->height() > inquire->fontMetrics().height() * data.count('\n'));
    }

    // A data set shows only on roll calls of its own congresses; the map says so once per change,
    // for the colour key to follow.
    void importShownFollowsCongress()
    {
        Window w({1, 2});
        auto &[t, services, map] = w;
        t.session.importedData = {QStringLiteral("v.hqd"), true, {}, {}, {}, {{13, 1, 25.0, {}}}, 25.0, 25.0};
        t.session.importedData.congresses = {97};
        t.session.importKey = MakeQuantKey(t.session.importedData, 2, t.session.Preferences);
        t.session.importedDataShown = true;
        QSignalSpy shown(map.get(), &frmUSMap::importShownChanged);
        QVERIFY(w.open());
        t.session.importedData.congresses = {96};
        map->DoMap(false);
        map->DoMap(false);
        t.session.importedData.congresses = {97, 96};
        map->mnuNext->trigger();
        QCOMPARE(shown.size(), 3);
        QCOMPARE(QList<bool>({shown.at(0).at(0).toBool(), shown.at(1).at(0).toBool(), shown.at(2).at(0).toBool()}),
                 QList<bool>({true, false, true}));
    }

    // Saved as a picture, a text or printed to a PDF file.
    void savePicture_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QByteArray>("head");
        QTest::newRow("bitmap") << "bmp" << QByteArray("BM");
        QTest::newRow("png") << "png" << QByteArray("\x89PNG");
        QTest::newRow("svg") << "svg" << QByteArray("<?xml");
        QTest::newRow("text") << "txt" << QByteArray("Roll Call");
        QTest::newRow("printed") << "pdf" << QByteArray("%PDF-");
    }
    void savePicture()
    {
        QFETCH(QString, suffix);
        QFETCH(QByteArray, head);
        Window w;
        QVERIFY(w.open());
        auto &[t, services, map] = w;
        const QString path = t.dir.filePath(QStringLiteral("map.") + suffix);
        if (suffix == QLatin1String("pdf")) {
            services.printerAnswers.enqueue(true);
            services.printerPdfFile = path;
            map->mnuPrintMap->trigger();
        } else {
            services.fileNames.enqueue(path);
            map->mnuSave->trigger();
        }
        const QByteArray bytes = ReadWholeFile(path);
        if (suffix == QLatin1String("txt")) {
            QVERIFY2(bytes.contains(head), bytes.left(200).constData());
            return;
        }
        QVERIFY(bytes.startsWith(head));
        if (suffix == QLatin1String("pdf")) {
            // The page's picture was drawn apart: the window shows its own again.
            QVERIFY(bytes.size() > 2000);
            QCOMPARE(colourAt(*map, -350, -150), PaletteColour(t.session.Preferences.yeaColour()));
        } else if (suffix != QLatin1String("svg")) {
            // The file holds the picture the window shows, pixel for pixel, at any scale factor (a file
            // keeps no device pixel ratio).
            QImage shown = map->picUSMap->picture().convertToFormat(QImage::Format_RGB32);
            shown.setDevicePixelRatio(1);
            QCOMPARE(QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32), shown);
        }
    }

    void cities()
    {
        Window w;
        QVERIFY(w.open());
        auto &[t, services, map] = w;
        frmCities cities(services);
        cities.setAttribute(Qt::WA_DeleteOnClose, false);
        QVERIFY(cities.showCities(t.dir.path(), map->drawnData(), map->drawnPass().DistrictTable));
        cities.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cities));
        QCOMPARE(cities.lblCity.size(), 1);
        QCOMPARE(cities.lblCity.first()->text(), QStringLiteral("Hartford"));
        // The inset: district 1 (left) in Yea, district 2 (right) in Nay, as on the map.
        const QImage inset = cities.picCity.first()->pixmap().toImage();
        const Preferences &p = t.session.Preferences;
        QCOMPARE(inset.pixelColor(inset.width() / 4, inset.height() / 2), PaletteColour(p.yeaColour()));
        QCOMPARE(inset.pixelColor(inset.width() * 3 / 4, inset.height() / 2), PaletteColour(p.nayColour()));
        SaveScreenshot(&cities, QStringLiteral("drawnmap_cities"));

        QFile::remove(CongressFileName(t.dir.path(), true, 97, QStringLiteral(".cit")));
        frmCities missing(services);
        QVERIFY(!missing.showCities(t.dir.path(), map->drawnData(), map->drawnPass().DistrictTable));
        QCOMPARE(services.errorTexts().last(), QStringLiteral("An error (53) has occurred while drawing cities."));
    }

    // The sample's Houses at nearly the screen's size, for anyone to look at: the 97th filtered on
    // "Virginia" (whose old outline encloses West Virginia, left out whole), the 102nd's city insets.
    void sampleHouses_data()
    {
        QTest::addColumn<int>("congress");
        QTest::newRow("House 97") << 97;
        QTest::newRow("House 102") << 102;
    }
    void sampleHouses()
    {
        QFETCH(int, congress);
        Session session(QStringLiteral(ROLLSCAN_SOURCE_DIR "/sample"));
        session.Preferences = Preferences::Read(session.preferencesPath());
        session.MatchTable.append(MatchRow{5, {}, {}, 0, 0, qint16(congress)});
        session.queue.addRows(session.MatchTable, {1}, false);
        session.queue.setCurrentQueuePos(1);
        RecordingServices services;
        frmUSMap map(session, services);
        map.setAttribute(Qt::WA_DeleteOnClose, false);
        const QRect screen = map.screen()->availableGeometry();
        map.resize(screen.size() * 0.9);
        map.show();
        QVERIFY(QTest::qWaitForWindowExposed(&map) && map.start());
        const QString name = QStringLiteral("drawnmap_sample_h%1").arg(congress);
        SaveScreenshot(&map, name);
        if (congress == 97) {
            map.PassVar({QStringLiteral("Virginia")});
            map.redrawDrawn(false);
            QVERIFY(map.drawnFilter().outlineNames.isEmpty());
            SaveScreenshot(&map, name + QStringLiteral("_virginia"));
            // Nothing is drawn west of a West Virginian's seed: no old outline of Virginia there.
            const QImage &picture = map.picUSMap->picture();
            const DrawnTransform t = DrawnTransform::Fit(map.picUSMap->view(), picture.width(), picture.height());
            const auto wv = std::find_if(map.drawnPass().DrawnVoteTable.cbegin(), map.drawnPass().DrawnVoteTable.cend(),
                                         [](const DrawnMember &m) { return m.state == 56 && m.seedCount > 0; });
            QVERIFY(wv != map.drawnPass().DrawnVoteTable.cend());
            const QImage row = picture.copy(0, int(t.toPixelY(wv->seedY[0])), int(t.toPixelX(wv->seedX[0])), 1);
            for (int x = 0; x < row.width(); ++x)
                QCOMPARE(row.pixelColor(x, 0), QColor(Qt::white));
            return;
        }
        frmCities cities(services);
        cities.setAttribute(Qt::WA_DeleteOnClose, false);
        QVERIFY(cities.showCities(session.dataRoot, map.drawnData(), map.drawnPass().DistrictTable));
        cities.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cities));
        SaveScreenshot(&cities, name + QStringLiteral("_cities"));
        QVERIFY(cities.lblCity.size() > 1 && !cities.findChild<QScrollArea *>());
        QVERIFY(screen.contains(cities.frameGeometry()));
        // Fifteen insets in half a screen at scale 2 shrink to five columns of 110 x 84 pixels.
        const frmCities::InsetGrid grid = frmCities::GridFor(15, QSize(600, 400), 20, 10);
        QCOMPARE(grid.columns, 5);
        QCOMPARE(grid.inset, QSize(110, 84));
    }
};

QTEST_MAIN(TestDrawnMapWindow)
#include "tst_drawnmapwindow.moc"
