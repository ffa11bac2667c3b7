// The US map window over a small tree: House and Senate roll calls with their keys, inquiry, the state
// filter; started from the roll-call list through the window director, beside the ideological map.
#include "support/GuiTestSupport.h"
#include "support/RecordingServices.h"
#include "support/UsMapFixture.h"

#include "gui/app/PaletteColour.h"
#include "gui/app/WindowDirector.h"
#include "gui/app/frmVoteStartup.h"
#include "gui/geomap/MapControl.h"
#include "gui/geomap/frmState.h"
#include "gui/geomap/frmUSMap.h"
#include "gui/ideology/frmIdeological.h"
#include "gui/ideology/frmInquire.h"
#include "gui/search/frmViewCalls.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

using namespace rollscan;
using namespace rollscan::test;

namespace {
// The colour drawn at a map point of the map control.
QColor colourAt(frmUSMap &map, double x, double y)
{
    const QImage image = map.mapUS->grab().toImage();
    const QPointF p = map.mapUS->transform().toControl(x, y);
    return image.pixelColor(int(p.x() * image.devicePixelRatio()), int(p.y() * image.devicePixelRatio()));
}

// The visible key: each label with the colour of its swatch.
QString key(frmUSMap &map)
{
    QStringList out;
    for (std::size_t i = 0; i < map.lblKeys.size(); ++i)
        if (map.lblKeys[i]->isVisibleTo(&map))
            out.append(map.lblKeys[i]->text() + QLatin1Char(' ') +
                       map.pnlKeys[i]->palette().color(QPalette::Window).name());
    return out.join(QStringLiteral(", "));
}

struct Program {
    UsMapTree t;
    RecordingServices services;
    frmVoteStartup main{t.session, services};
    WindowDirector director{t.session, services, main};
    frmViewCalls *list = nullptr;

    // The list of the Senate's two roll calls, both queued, the US map chosen.
    explicit Program(bool both = false)
    {
        t.session.isHouse = false;
        t.session.selectedCongresses = {107};
        list = director.showViewCalls();
        list->lstRollCalls->item(0)->setSelected(true);
        list->lstRollCalls->item(1)->setSelected(true);
        list->addSelected();
        list->mnuUS->trigger();
        if (both)
            list->mnuDouble->trigger();
    }
};
} // namespace

class TestUsMapWindow : public QObject {
    Q_OBJECT

private slots:
    void singleRollCall_data()
    {
        QTest::addColumn<bool>("house");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("shortCaption");
        QTest::addColumn<QString>("key"); // yea light blue, nay light red, not voting gray, split yellow
        QTest::newRow("House 110") << true << 3 << "H #110 RC #1  1/4/07  (1/1)"
                                   << "Yea Vote #0000ff, Nay Vote #ff0000, N/A Vote #808080";
        QTest::newRow("Senate 107") << false << 1 << "S #107 RC #1  3/1/01  (1/1)"
                                    << "Both Yea Votes #0000ff, Split Yea-Nay Vote #808000, Both Nay Votes #ff0000, "
                                       "Both N/A Votes #808080";
    }

    void singleRollCall()
    {
        QFETCH(bool, house);
        QFETCH(int, row);
        QFETCH(QString, shortCaption);
        UsMapTree t;
        t.queue(house, {row});
        RecordingServices services;
        auto map = std::make_unique<frmUSMap>(t.session, services);
        map->setAttribute(Qt::WA_DeleteOnClose, false);
        map->resize(1000, 760);
        QVERIFY(map->start());
        map->show();
        QVERIFY(QTest::qWaitForWindowExposed(map.get()));
        QVERIFY(!SaveScreenshot(map.get(), house ? QStringLiteral("usmap_house110") : QStringLiteral("usmap_senate107"))
                     .isEmpty());
        QCOMPARE(map->cmbInfo->currentText(), shortCaption);
        QTEST(key(*map), "key");
        const Preferences &p = t.session.Preferences;
        if (house) {
            QVERIFY(map->cmbInfo->toolTip().endsWith(QStringLiteral("cd110.shp")));
            QCOMPARE(colourAt(*map, -77, 43), PaletteColour(p.yeaColour()));
            QCOMPARE(colourAt(*map, -74, 43), PaletteColour(p.nayColour()));
            QCOMPARE(colourAt(*map, -86.5, 32.5), PaletteColour(p.notVotingColour()));
            QVERIFY(map->tbPan->isEnabled());
            // Inquire: a click on a district names its member and vote in the result window.
            map->mnuInquire->setChecked(true);
            QTest::mouseClick(map->mapUS, Qt::LeftButton, {}, map->mapUS->transform().toControl(-77, 43).toPoint());
            frmInquire *inquire = map->inquireWindow();
            QVERIFY(inquire && inquire->isVisible());
            QCOMPARE((QStringList{inquire->lblName->text(), inquire->lblState->text(), inquire->lblData->text()}),
                     (QStringList{"RANGEL", "New York", "RANGEL: Yea"}));
            SaveScreenshot(inquire, QStringLiteral("usmap_frmInquire"));
            return;
        }
        QCOMPARE(colourAt(*map, -75, 43), PaletteColour(p.splitColour()));
        QCOMPARE(colourAt(*map, -86.5, 32.5), PaletteColour(p.nayColour()));
        QCOMPARE(colourAt(*map, -77.05, 38.95), QColor(167, 151, 107)); // no senators: sand
        // Connecticut is hatched: both the Yea colour and the background show inside it.
        const QImage image = map->mapUS->grab().toImage();
        const QPointF a = map->mapUS->transform().toControl(-73.5, 41.9) * image.devicePixelRatio();
        const QPointF b = map->mapUS->transform().toControl(-72.0, 41.1) * image.devicePixelRatio();
        int yea = 0, other = 0;
        for (int x = int(a.x()) + 2; x < int(b.x()) - 2; ++x)
            for (int y = int(a.y()) + 2; y < int(b.y()) - 2; ++y)
                (image.pixelColor(x, y) == PaletteColour(p.yeaColour()) ? yea : other)++;
        QVERIFY(yea > 0 && other > yea);
        QVERIFY(!map->tbPan->isEnabled());

        // The state filter: the states left out are neither outlined nor filled.
        QStringList firsts;
        OnNextModal([&firsts](QWidget *w) {
            auto *dialog = qobject_cast<frmState *>(w);
            QVERIFY(dialog);
            firsts << QString::number(dialog->lstState->count()) << dialog->lstState->item(0)->text();
            dialog->optAlpha->click();
            firsts << dialog->lstState->item(0)->text();
            dialog->lstState->findItems(QStringLiteral("New York"), Qt::MatchExactly).first()->setSelected(true);
            SaveScreenshot(dialog, QStringLiteral("usmap_statelist"));
            dialog->btnOK->click();
        });
        map->mnuState->trigger();
        QCOMPARE(firsts, (QStringList{"50", "Connecticut", "Alabama"}));
        QVERIFY(map->mnuState->isChecked());
        QCOMPARE(map->stateFilter().selectedFips, QList<int>{36});
        QVERIFY(!SaveScreenshot(map.get(), QStringLiteral("usmap_statefilter")).isEmpty());
        QCOMPARE(colourAt(*map, -75, 43), PaletteColour(p.splitColour()));
        QCOMPARE(colourAt(*map, -86.5, 32.5), QColor(Qt::white));
        // Choosing the checked menu turns the filter off.
        map->mnuState->trigger();
        QVERIFY(!map->stateFilter().on);
        QCOMPARE(colourAt(*map, -86.5, 32.5), PaletteColour(p.nayColour()));
    }

    void startOpensTheUsMap()
    {
        Program p;
        QVERIFY(p.list->mnuUS->isChecked());
        p.list->btnStart->click();
        frmUSMap *map = p.director.usMapWindow();
        QVERIFY(map && map->isVisible());
        QVERIFY(!p.director.ideologicalWindow());
        QCOMPARE(map->windowTitle(), QStringLiteral("US Map Display - SENATE MAP VOTE"));
        QCOMPARE(map->cmbInfo->currentText(), QStringLiteral("S #107 RC #1  3/1/01  (1/2)"));
        QVERIFY(map->tbNext->isEnabled());
        QVERIFY(!map->tbPrevious->isEnabled());
        // Within the screen, beside the list that opened it or, with no room there, at the screen's right edge.
        const QRect available = map->screen()->availableGeometry();
        const QRect outer = map->frameGeometry(), list = p.list->frameGeometry();
        QVERIFY(available.contains(outer));
        QVERIFY(outer.left() > list.right() || outer.right() < list.left() || outer.right() > available.right() - 16);
        SaveScreenshot(map, QStringLiteral("usmap_started"));
        // Information opens from the US map as from the ideological map.
        QVERIFY(map->mnuInfo->isEnabled());
        map->mnuInfo->trigger();
        QVERIFY(p.director.infoWindow());
        // Cross Tab: the map shows the pair.
        p.list->btnCrossTab->click();
        QVERIFY(p.director.usMapWindow()->isCrossTab());
    }

    // Both views shown: a move in either shows the other on the same roll call; the map's moves redraw
    // the US map in place.
    void usMapFollowsIdeological()
    {
        Program p(true);
        p.list->btnStart->click();
        frmUSMap *map = p.director.usMapWindow();
        frmIdeological *ideological = p.director.ideologicalWindow();
        QVERIFY(map && ideological && ideological->mnuUSMap->isEnabled());
        const auto shows = [&](int rollCall) {
            const QString title =
                rollCall == 1 ? QStringLiteral("SENATE MAP VOTE") : QStringLiteral("SECOND SENATE VOTE");
            QCOMPARE(p.director.usMapWindow(), map);
            QCOMPARE(p.director.ideologicalWindow(), ideological);
            QCOMPARE(map->pass().rollCall, rollCall);
            QCOMPARE(ideological->lblTitle1->text(), title);
            QCOMPARE(map->windowTitle(), QStringLiteral("US Map Display - ") + title);
            QVERIFY(map->cmbInfo->currentText().endsWith(QStringLiteral("(%1/2)").arg(rollCall)));
        };
        // The US map's own move rebuilds the ideological map on the new roll call.
        map->moveNext();
        ideological = p.director.ideologicalWindow();
        QVERIFY(ideological);
        shows(2);
        ideological->movePrevious();
        shows(1);
        ideological->jumpTo(QStringLiteral("2"));
        shows(2);
        SaveScreenshot(map, QStringLiteral("usmap_follows_ideological"));
    }
};

QTEST_MAIN(TestUsMapWindow)
#include "tst_usmapwindow.moc"
