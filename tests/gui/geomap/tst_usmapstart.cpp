// Starting the US map from the roll-call list through the window director, and its wiring to the
// ideological map and the side windows.
#include "support/GuiTestSupport.h"
#include "support/RecordingServices.h"
#include "support/UsMapFixture.h"

#include "gui/app/WindowDirector.h"
#include "gui/app/frmVoteStartup.h"
#include "gui/attach/frmAttach.h"
#include "gui/geomap/frmUSMap.h"
#include "gui/ideology/frmIdeological.h"
#include "gui/ideology/frmInfo.h"
#include "gui/search/frmViewCalls.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

using namespace rollscan;
using namespace rollscan::test;

namespace {
struct Program {
    UsMapTree t;
    RecordingServices services;
    frmVoteStartup main{t.session, services};
    WindowDirector director{t.session, services, main};
    frmViewCalls *list = nullptr;

    // The list of the Senate's two roll calls, both queued.
    Program()
    {
        t.session.isHouse = false;
        t.session.selectedCongresses = {107};
        // Only the Senate's rows: the House row would need another chamber.
        const MatchRow first = t.session.MatchTable.row(1);
        const MatchRow second = t.session.MatchTable.row(2);
        t.session.MatchTable.clear();
        t.session.MatchTable.append(first);
        t.session.MatchTable.append(second);
        list = director.showViewCalls();
        for (const int row : {1, 2}) {
            list->lstRollCalls->clearSelection();
            list->lstRollCalls->item(row - 1)->setSelected(true);
            list->lstRollCalls->setCurrentRow(row - 1);
            list->addSelected();
        }
    }
};
} // namespace

class TestUsMapStart : public QObject {
    Q_OBJECT

private slots:
    void startOpensTheUsMap();
    void bothViewsAndFollowing();
    void usMapFollowsIdeological_data();
    void usMapFollowsIdeological();
    void attachmentOfTheRollCallShown();
};

void TestUsMapStart::startOpensTheUsMap()
{
    Program p;
    QVERIFY(p.list->mnuUS->isEnabled());
    p.list->mnuUS->trigger();
    QVERIFY(p.list->mnuUS->isChecked());
    p.list->btnStart->click();
    frmUSMap *map = p.director.usMapWindow();
    QVERIFY(map);
    QVERIFY(map->isVisible());
    QCOMPARE(map->windowTitle(), QStringLiteral("US Map Display - SENATE MAP VOTE"));
    QCOMPARE(map->cmbInfo->currentText(), QStringLiteral("S #107 RC #1  3/1/01  (1/2)"));
    QVERIFY(map->tbNext->isEnabled());
    QVERIFY(!map->tbPrevious->isEnabled());
    // Within the screen, beside the list that opened it or, with no room there, at the screen's right
    // edge.
    const QRect available = map->screen()->availableGeometry();
    const QRect outer = map->frameGeometry();
    const QRect list = p.list->frameGeometry();
    QVERIFY(available.contains(outer));
    // The frame allowed for before showing is wider than the offscreen platform's.
    QVERIFY(outer.left() > list.right() || outer.right() < list.left() || outer.right() > available.right() - 16);
    SaveScreenshot(map, QStringLiteral("usmap_started"));

    // Information opens from the US map as from the ideological map.
    QVERIFY(map->mnuInfo->isEnabled());
    map->mnuInfo->trigger();
    QVERIFY(p.director.infoWindow());

    // Cross Tab: the map shows the pair; closing it unchecks the list's cross tab.
    p.list->btnCrossTab->click();
    map = p.director.usMapWindow();
    QVERIFY(map);
    QVERIFY(map->isCrossTab());
    QVERIFY(p.list->mnuCrossTab->isChecked());
    map->close();
    QVERIFY(!p.list->mnuCrossTab->isChecked());
}

void TestUsMapStart::bothViewsAndFollowing()
{
    Program p;
    p.list->mnuUS->trigger();
    p.list->mnuDouble->trigger();
    p.list->btnStart->click();
    frmUSMap *map = p.director.usMapWindow();
    QVERIFY(map);
    frmIdeological *ideological = p.director.ideologicalWindow();
    QVERIFY(ideological);
    QCOMPARE(ideological->lblTitle1->text(), QStringLiteral("SENATE MAP VOTE"));
    // The ideological map's US-map command reaches the US map.
    QVERIFY(ideological->mnuUSMap->isEnabled());

    // The ideological map follows the US map to the next roll call.
    map->moveNext();
    QVERIFY(p.director.ideologicalWindow());
    QCOMPARE(p.director.ideologicalWindow()->lblTitle1->text(), QStringLiteral("SECOND SENATE VOTE"));
    QCOMPARE(map->windowTitle(), QStringLiteral("US Map Display - SECOND SENATE VOTE"));
    SaveScreenshot(map, QStringLiteral("usmap_both_views"));
}

void TestUsMapStart::usMapFollowsIdeological_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("to");
    QTest::newRow("Next") << 1 << "next" << 2;
    QTest::newRow("Previous") << 2 << "previous" << 1;
    QTest::newRow("First") << 2 << "first" << 1;
    QTest::newRow("Last") << 1 << "last" << 2;
    QTest::newRow("Jump") << 1 << "2" << 2;
}

void TestUsMapStart::usMapFollowsIdeological()
{
    QFETCH(int, from);
    QFETCH(QString, command);
    QFETCH(int, to);
    Program p;
    p.list->mnuUS->trigger();
    p.list->mnuDouble->trigger();
    p.list->btnStart->click();
    frmUSMap *map = p.director.usMapWindow();
    QVERIFY(map);
    if (from == 2)
        map->moveNext();
    frmIdeological *ideological = p.director.ideologicalWindow();
    QVERIFY(ideological);
    QCOMPARE(map->pass().rollCall, from);

    if (command == QLatin1String("next"))
        ideological->moveNext();
    else if (command == QLatin1String("previous"))
        ideological->movePrevious();
    else if (command == QLatin1String("first"))
        ideological->moveFirst();
    else if (command == QLatin1String("last"))
        ideological->moveLast();
    else
        ideological->jumpTo(command);

    // The same windows: the US map redrew in place and did not rebuild the ideological map.
    QCOMPARE(p.director.usMapWindow(), map);
    QCOMPARE(p.director.ideologicalWindow(), ideological);
    QCOMPARE(map->pass().rollCall, to);
    const QString title = to == 1 ? QStringLiteral("SENATE MAP VOTE") : QStringLiteral("SECOND SENATE VOTE");
    QCOMPARE(ideological->lblTitle1->text(), title);
    QCOMPARE(map->windowTitle(), QStringLiteral("US Map Display - ") + title);
    QVERIFY(map->cmbInfo->currentText().startsWith(QStringLiteral("S #107 RC #%1  ").arg(to)));
    QVERIFY(map->cmbInfo->currentText().endsWith(QStringLiteral("(%1/2)").arg(to)));
    SaveScreenshot(map, QStringLiteral("usmap_follows_ideological"));
}

void TestUsMapStart::attachmentOfTheRollCallShown()
{
    Program p;
    // A note of the second roll call only: the menu follows the roll call on the map.
    p.t.tree.writeRaw(QStringLiteral("senate/107_2s.txt"), "Cloture invoked.");
    p.list->mnuUS->trigger();
    p.list->btnStart->click();
    frmUSMap *map = p.director.usMapWindow();
    QVERIFY(map);
    QVERIFY(!map->mnuText->isEnabled());
    map->moveNext();
    QVERIFY(map->mnuText->isEnabled());
    map->mnuText->trigger();
    frmAttach *attach = p.director.attachWindow();
    QVERIFY(attach);
    QCOMPARE(attach->fraText->title(), QStringLiteral("Text Attachment - Senate #107 Roll Call #2"));
    QCOMPARE(attach->txtAttach->toPlainText(), QStringLiteral("Cloture invoked."));
}

QTEST_MAIN(TestUsMapStart)
#include "tst_usmapstart.moc"
