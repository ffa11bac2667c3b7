// The US map window offscreen over a small tree: House and Senate roll calls, a cross-tabulation,
// the state filter, labels after a zoom, a hover tip and the flash of Find. Each test saves a
// screenshot of the window it opens.
#include "support/GuiTestSupport.h"
#include "support/RecordingServices.h"
#include "support/UsMapFixture.h"

#include "core/geomap/UsMapTexts.h"
#include "gui/app/PaletteColour.h"
#include "gui/geomap/MapControl.h"
#include "gui/geomap/MapTip.h"
#include "gui/geomap/frmState.h"
#include "gui/geomap/frmUSMap.h"
#include "gui/ideology/frmFind.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace rollscan;
using namespace rollscan::test;

namespace {
RecordingServices services;

std::unique_ptr<frmUSMap> openMap(UsMapTree &t)
{
    auto map = std::make_unique<frmUSMap>(t.session, services);
    map->setAttribute(Qt::WA_DeleteOnClose, false);
    map->resize(1000, 760);
    if (!map->start())
        return {};
    map->show();
    if (!QTest::qWaitForWindowExposed(map.get()))
        return {};
    return map;
}

// The colour drawn at a map point of the map control.
QColor colourAt(frmUSMap &map, double x, double y)
{
    const QImage image = map.mapUS->grab().toImage();
    const QPointF p = map.mapUS->transform().toControl(x, y);
    return image.pixelColor(int(p.x() * image.devicePixelRatio()), int(p.y() * image.devicePixelRatio()));
}

QStringList keyLabels(frmUSMap &map)
{
    QStringList out;
    for (QLabel *l : map.lblKeys)
        if (l->isVisibleTo(&map))
            out.append(l->text());
    return out;
}
} // namespace

class TestUsMapWindow : public QObject {
    Q_OBJECT

private slots:
    void singleRollCall_data();
    void singleRollCall();
    void crossTab();
    void stateFilter();
    void labelsAfterZoom();
    void hoverTip();
    void findFlashes();
};

void TestUsMapWindow::singleRollCall_data()
{
    QTest::addColumn<bool>("house");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("shortCaption");
    QTest::addColumn<QStringList>("key");
    QTest::addColumn<QString>("shot");
    QTest::newRow("House 110") << true << 3 << "H #110 RC #1  1/4/07  (1/1)" << UsMapText::kHouseKey
                               << "usmap_house110";
    QTest::newRow("Senate 107") << false << 1 << "S #107 RC #1  3/1/01  (1/1)" << UsMapText::kSenateKey
                                << "usmap_senate107";
}

void TestUsMapWindow::singleRollCall()
{
    QFETCH(bool, house);
    QFETCH(int, row);
    QFETCH(QString, shortCaption);
    QFETCH(QStringList, key);
    QFETCH(QString, shot);
    UsMapTree t;
    t.queue(house, {row});
    auto map = openMap(t);
    QVERIFY(map);
    QVERIFY(!SaveScreenshot(map.get(), shot).isEmpty());
    QCOMPARE(map->cmbInfo->currentText(), shortCaption);
    QCOMPARE(keyLabels(*map), key);
    QVERIFY(map->windowTitle().startsWith(QStringLiteral("US Map Display - ")));
    QVERIFY(!map->tbFirst->isEnabled());
    QVERIFY(!map->tbNext->isEnabled());
    const Preferences &p = t.session.Preferences;
    const QColor sand(167, 151, 107);
    if (house) {
        QVERIFY(map->cmbInfo->toolTip().endsWith(QStringLiteral("cd110.shp")));
        QCOMPARE(colourAt(*map, -77, 43), PaletteColour(p.yeaColour()));
        QCOMPARE(colourAt(*map, -74, 43), PaletteColour(p.nayColour()));
        QCOMPARE(colourAt(*map, -86.5, 32.5), PaletteColour(p.notVotingColour()));
        QVERIFY(map->tbPan->isEnabled());
    } else {
        QCOMPARE(colourAt(*map, -75, 43), PaletteColour(p.splitColour()));
        QCOMPARE(colourAt(*map, -86.5, 32.5), PaletteColour(p.nayColour()));
        QCOMPARE(colourAt(*map, -77.05, 38.95), sand);
        // Connecticut is hatched: both the Yea colour and the background show inside it.
        const QImage image = map->mapUS->grab().toImage();
        const QPointF a = map->mapUS->transform().toControl(-73.5, 41.9);
        const QPointF b = map->mapUS->transform().toControl(-72.0, 41.1);
        int yea = 0, other = 0;
        for (int x = int(a.x()) + 2; x < int(b.x()) - 2; ++x)
            for (int y = int(a.y()) + 2; y < int(b.y()) - 2; ++y)
                (image.pixelColor(x, y) == PaletteColour(p.yeaColour()) ? yea : other)++;
        QVERIFY(yea > 0);
        QVERIFY(other > yea);
        QVERIFY(!map->tbPan->isEnabled());
    }
}

void TestUsMapWindow::crossTab()
{
    UsMapTree t;
    t.queue(false, {1, 2}, 1, true);
    auto map = openMap(t);
    QVERIFY(map);
    QVERIFY(!SaveScreenshot(map.get(), QStringLiteral("usmap_crosstab")).isEmpty());
    QCOMPARE(keyLabels(*map), UsMapText::kCrossTabKey);
    QCOMPARE(colourAt(*map, -86.5, 32.5), PaletteColour(t.session.Preferences.nayYeaColour()));
    QSignalSpy closed(map.get(), &frmUSMap::displayClosed);
    map->close();
    QCOMPARE(closed.count(), 1);
    QVERIFY(!t.session.crossTabRequested);
}

void TestUsMapWindow::stateFilter()
{
    UsMapTree t;
    t.queue(false, {1});
    auto map = openMap(t);
    QVERIFY(map);
    const Preferences &p = t.session.Preferences;
    // Cancel leaves the map without a filter, as it was.
    OnNextModal([](QWidget *w) {
        auto *dialog = qobject_cast<frmState *>(w);
        QVERIFY(dialog);
        dialog->lstState->item(0)->setSelected(true);
        dialog->btnCancel->click();
    });
    map->mnuState->trigger();
    QVERIFY(!map->stateFilter().on);
    QVERIFY(!map->mnuState->isChecked());

    OnNextModal([](QWidget *w) {
        auto *dialog = qobject_cast<frmState *>(w);
        QVERIFY(dialog);
        QCOMPARE(dialog->lstState->count(), 50);
        QCOMPARE(dialog->lstState->item(0)->text(), QStringLiteral("Connecticut"));
        dialog->optAlpha->click();
        QCOMPARE(dialog->lstState->item(0)->text(), QStringLiteral("Alabama"));
        dialog->lstState->findItems(QStringLiteral("New York"), Qt::MatchExactly).first()->setSelected(true);
        SaveScreenshot(dialog, QStringLiteral("usmap_statelist"));
        dialog->btnOK->click();
    });
    map->mnuState->trigger();
    QVERIFY(map->mnuState->isChecked());
    QCOMPARE(map->stateFilter().selectedFips, QList<int>{36});
    QVERIFY(!SaveScreenshot(map.get(), QStringLiteral("usmap_statefilter")).isEmpty());
    QCOMPARE(colourAt(*map, -75, 43), PaletteColour(p.splitColour()));
    QCOMPARE(colourAt(*map, -86.5, 32.5), QColor(Qt::white));

    // Choosing the checked menu turns the filter off.
    map->mnuState->trigger();
    QVERIFY(!map->stateFilter().on);
    QVERIFY(!map->mnuState->isChecked());
    QCOMPARE(colourAt(*map, -86.5, 32.5), PaletteColour(p.nayColour()));
}

void TestUsMapWindow::labelsAfterZoom()
{
    UsMapTree t;
    t.queue(true, {3});
    auto map = openMap(t);
    QVERIFY(map);
    map->mnuLabels->setChecked(true);
    const double fullWidth = FullMapExtent(map->layer()).width();
    QVERIFY(qAbs(map->mapUS->picture().labelHeight - map->mapUS->visibleExtent().width() / 30.0) < 1e-9);
    // A rectangle drag over New York with the zoom-in button pressed.
    map->tbZoomIn->trigger();
    QVERIFY(map->tbZoomIn->isChecked());
    const QPoint from = map->mapUS->transform().toControl(-79, 45).toPoint();
    const QPoint to = map->mapUS->transform().toControl(-72, 40.5).toPoint();
    QTest::mousePress(map->mapUS, Qt::LeftButton, {}, from);
    QTest::mouseMove(map->mapUS, to);
    QTest::mouseRelease(map->mapUS, Qt::LeftButton, {}, to);
    const double width = map->mapUS->visibleExtent().width();
    QVERIFY(width / fullWidth < 0.6);
    QVERIFY(qAbs(map->mapUS->picture().labelHeight - width / 60.0) < 1e-9);
    QCOMPARE(map->mapUS->picture().labelField, QStringLiteral("DISTRICT"));
    QVERIFY(map->tbZoomOut->isEnabled());
    QVERIFY(!SaveScreenshot(map.get(), QStringLiteral("usmap_labels_zoomed")).isEmpty());
    map->mnuFullMap->trigger();
    QCOMPARE(map->mapUS->extent(), FullMapExtent(map->layer()));
    QVERIFY(!map->tbZoomIn->isChecked());
}

void TestUsMapWindow::hoverTip()
{
    UsMapTree t;
    t.queue(true, {3});
    auto map = openMap(t);
    QVERIFY(map);
    map->mnuInquire->setChecked(true);
    const QPoint over = map->mapUS->transform().toControl(-77, 43).toPoint();
    map->mapTip()->MouseMove(over);
    // Still moving: the next tick only notes the new place; a tip needs one tick at rest.
    map->mapTip()->MouseMove(over + QPoint(1, 0));
    QVERIFY(!map->picToolTip->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(map->picToolTip->isVisible(), 2000);
    QCOMPARE(map->lblToolTip->text(), QStringLiteral("RANGEL (D), NY"));
    QVERIFY(!SaveScreenshot(map.get(), QStringLiteral("usmap_tip")).isEmpty());

    map->mnuBreakdown->setChecked(true);
    QVERIFY(!map->mnuInquire->isChecked());
    QCOMPARE(map->tipTextAt(QPointF(-74, 43)), QStringLiteral("NY District 2 Votes (Y-N-N/A): 0-1-0"));
    QCOMPARE(map->tipTextAt(QPointF(-60, 43)), QString());
}

void TestUsMapWindow::findFlashes()
{
    UsMapTree t;
    t.queue(true, {3});
    auto map = openMap(t);
    QVERIFY(map);
    map->mnuFind->trigger();
    frmFind *find = map->findWindow();
    QVERIFY(find);
    QCOMPARE(find->lstFind->count(), 4);
    QCOMPARE(find->lstFind->item(1)->text(), QStringLiteral("KING, NY"));
    QVERIFY(find->lblFirst->isVisible());
    find->lstFind->setCurrentRow(1);
    find->btnStart->click();
    const int feature = map->featureOfKey(3602);
    QCOMPARE(map->mapUS->picture().highlight, feature);
    QVERIFY(!SaveScreenshot(map.get(), QStringLiteral("usmap_find_flash")).isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(!find->tmrFind->isActive(), 5000);
    QCOMPARE(map->mapUS->picture().highlight, -1);
}

QTEST_MAIN(TestUsMapWindow)
#include "tst_usmapwindow.moc"
