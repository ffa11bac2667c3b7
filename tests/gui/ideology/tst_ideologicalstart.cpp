// Starting the ideological map from the roll-call list through the window director: Start and Cross
// Tab open it, a new start replaces it, its side windows follow its moves, Done ends the cross tab,
// and a party the map cannot draw ends the program.
#include "support/GuiTestSupport.h"
#include "support/IdeologicalFixture.h"

#include "gui/app/WindowDirector.h"
#include "gui/app/frmVoteStartup.h"
#include "gui/ideology/frmInfo.h"
#include "gui/ideology/frmStatistics.h"
#include "gui/search/frmViewCalls.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

using namespace rollscan;
using namespace rollscan::test;

namespace {

struct Program {
    IdeologicalTree t;
    frmVoteStartup main{t.session, t.services};
    WindowDirector director{t.session, t.services, main};
    frmViewCalls *list = nullptr;

    // The list of the tree's four matches with the given rows (1-based) queued.
    explicit Program(const QList<int> &rows)
    {
        list = director.showViewCalls();
        for (const int row : rows) {
            list->lstRollCalls->clearSelection();
            list->lstRollCalls->item(row - 1)->setSelected(true);
            list->lstRollCalls->setCurrentRow(row - 1);
            list->addSelected();
        }
    }
};

} // namespace

class tst_ideologicalstart : public QObject {
    Q_OBJECT

private slots:
    void startOpensTheMap();
    void crossTabAndDone();
    void sideWindowsFollowTheMap();
    void undefinedPartyEndsTheProgram();
};

void tst_ideologicalstart::startOpensTheMap()
{
    Program p({1, 2, 3});
    QVERIFY(p.list->btnStart->isEnabled());
    QVERIFY(p.list->mnuIdeological->isEnabled());
    p.list->btnStart->click();
    frmIdeological *map = p.director.ideologicalWindow();
    QVERIFY(map);
    QVERIFY(map->isVisible());
    QVERIFY(!map->isCrossTab());
    QCOMPARE(map->lblTitle1->text(), QStringLiteral("FIRST VOTE"));
    QCOMPARE(p.t.session.queue.currentQueuePos(), 1);
    SaveScreenshot(map, QStringLiteral("ideological_started"));

    // Start again: the map is replaced, not doubled.
    map->moveLast();
    QPointer<frmIdeological> old = map;
    p.list->btnStart->click();
    QVERIFY(!old);
    QVERIFY(p.director.ideologicalWindow());
    QCOMPARE(p.director.ideologicalWindow()->lblTitle1->text(), QStringLiteral("FIRST VOTE"));
}

void tst_ideologicalstart::crossTabAndDone()
{
    Program p({1, 3});
    QVERIFY(p.list->btnCrossTab->isEnabled());
    p.list->btnCrossTab->click();
    frmIdeological *map = p.director.ideologicalWindow();
    QVERIFY(map);
    QVERIFY(map->isCrossTab());
    QVERIFY(map->mnuCrossStat->isEnabled());
    QVERIFY(p.list->mnuCrossTab->isChecked());
    QVERIFY(p.t.session.crossTabRequested);
    map->tbDone->trigger();
    QCoreApplication::processEvents();
    QVERIFY(!p.list->mnuCrossTab->isChecked());
    QVERIFY(!p.t.session.crossTabRequested);

    // A plain start after the cross tab shows the single view.
    p.list->btnStart->click();
    QVERIFY(p.director.ideologicalWindow());
    QVERIFY(!p.director.ideologicalWindow()->isCrossTab());
    QVERIFY(!p.director.ideologicalWindow()->mnuCrossStat->isEnabled());
}

void tst_ideologicalstart::sideWindowsFollowTheMap()
{
    Program p({1, 2, 3});
    p.list->btnStart->click();
    frmIdeological *map = p.director.ideologicalWindow();
    QVERIFY(map);
    QVERIFY(map->mnuInfo->isEnabled());
    QVERIFY(map->tbStatistics->isEnabled());
    map->tbInfo->trigger();
    map->mnuStatistics->trigger();
    QVERIFY(p.director.infoWindow());
    QVERIFY(p.director.statisticsWindow());
    // A move closes the statistics and keeps the information window, now on the new roll call.
    map->moveNext();
    QVERIFY(!p.director.statisticsWindow());
    QVERIFY(p.director.infoWindow());
    // Done closes what is left.
    map->close();
    QCoreApplication::processEvents();
    QVERIFY(!p.director.infoWindow() || !p.director.infoWindow()->isVisible());
}

void tst_ideologicalstart::undefinedPartyEndsTheProgram()
{
    Program p({4});
    QSignalSpy ended(&p.main, &frmVoteStartup::endProgram);
    p.list->btnStart->click();
    QCOMPARE(ended.count(), 1);
    QCOMPARE(p.t.services.errorTexts().size(), 1);
    QVERIFY(p.t.services.errorTexts().at(0).endsWith(
        QStringLiteral("is set as being in party 777 which is currently not defined in Rollscan.")));
    QVERIFY(!p.director.ideologicalWindow());
}

QTEST_MAIN(tst_ideologicalstart)
#include "tst_ideologicalstart.moc"
