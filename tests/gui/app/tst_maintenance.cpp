// The Development menu's tools, the about box, and the help window's index and search.
#include "support/GuiTestSupport.h"
#include "support/RecordingServices.h"
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "gui/app/MaintenanceTools.h"
#include "gui/app/ProgramInfo.h"
#include "gui/app/frmNewAbout.h"
#include "gui/app/frmVoteStartup.h"
#include "gui/services/HelpWindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace rollscan;
using rollscan::test::SaveScreenshot;
using rollscan::test::TreeBuilder;

namespace {
// A tree with one House congress past the old bound of 99 whose second roll call disagrees with
// its votes, and one agreeing Senate congress.
void WriteTree(TreeBuilder &tree)
{
    tree.writeStandardTables();
    test::CongressData d;
    d.legislators = {TreeBuilder::legislator(QStringLiteral("ADAMS"), 1, 1, 100, 0.1f, 0.2f, 1001),
                     TreeBuilder::legislator(QStringLiteral("BAKER"), 1, 2, 200, -0.3f, 0.4f, 1002)};
    d.rollCalls = {TreeBuilder::rollCall(QStringLiteral("ONE"), QDate(1995, 1, 4), 1, 1),
                   TreeBuilder::rollCall(QStringLiteral("TWO"), QDate(1995, 1, 5), 2, 0)};
    d.voteRows = {QStringLiteral("11"), QStringLiteral("66")};
    tree.addCongress(true, 104, d, true);
    d.rollCalls[1].yeas = 1;
    d.rollCalls[1].nays = 1;
    tree.addCongress(false, 104, d, true);
    tree.writeIndexes();
}
} // namespace

class TestMaintenance : public QObject {
    Q_OBJECT

private slots:
    void developmentMenuShownOnRequest_data();
    void developmentMenuShownOnRequest();
    void checkWritesAndShowsReport_data();
    void checkWritesAndShowsReport();
    void listTokens();
    void missingTokenTableReported();
    void aboutBox();
    void helpIndexAndSearch_data();
    void helpIndexAndSearch();
};

void TestMaintenance::developmentMenuShownOnRequest_data()
{
    QTest::addColumn<bool>("development");
    QTest::newRow("plain start") << false;
    QTest::newRow("--development") << true;
}

void TestMaintenance::developmentMenuShownOnRequest()
{
    QFETCH(bool, development);
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    WriteTree(tree);
    Session session(dir.path());
    RecordingServices services;
    frmVoteStartup window(session, services);
    QVERIFY(window.startUp());
    window.showDevelopmentMenu(development);
    QCOMPARE(window.mnuDevelopment->menuAction()->isVisible(), development);
    QStringList captions;
    for (const QAction *a : window.menuBar()->actions())
        if (a->isVisible())
            captions.append(a->text());
    QCOMPARE(captions.contains(QStringLiteral("&Development")), development);
    if (development) {
        window.menuBar()->setActiveAction(window.mnuDevelopment->menuAction());
        QTRY_VERIFY(window.mnuDevelopment->isVisible());
        QVERIFY(!SaveScreenshot(window.mnuDevelopment, QStringLiteral("frmVoteStartup_development_menu")).isEmpty());
        QVERIFY(!SaveScreenshot(&window, QStringLiteral("frmVoteStartup_development")).isEmpty());
        window.mnuDevelopment->close();
    }
}

void TestMaintenance::checkWritesAndShowsReport_data()
{
    QTest::addColumn<bool>("isHouse");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("mismatchLines");
    QTest::newRow("house") << true << "hmatch.txt"
                           << "List of Mismatches between RIF and LCR files in Houses 1-104" << 1;
    QTest::newRow("senate") << false << "smatch.txt"
                            << "List of Mismatches between RIF and LCR files in Senates 1-104" << 0;
}

void TestMaintenance::checkWritesAndShowsReport()
{
    QFETCH(bool, isHouse);
    QFETCH(QString, file);
    QFETCH(QString, title);
    QFETCH(int, mismatchLines);
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    WriteTree(tree);
    Session session(dir.path());
    session.setDataRoot(dir.path());
    RecordingServices services;
    QVERIFY(MaintenanceTools::CheckMatches(session, services, nullptr, isHouse));

    const QByteArray written = tree.readRaw((isHouse ? QStringLiteral("house/") : QStringLiteral("senate/")) + file);
    QVERIFY(written.startsWith(title.toLatin1() + "\r\n"));
    QCOMPARE(services.shownTexts.size(), 1);
    QCOMPARE(services.shownTexts.first().title, file);
    const QString shown = services.shownTexts.first().text;
    QCOMPARE(shown, QString::fromLatin1(written).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(int(shown.count(QStringLiteral("Mismatch!"))), mismatchLines);
    if (isHouse)
        QVERIFY(shown.contains(QStringLiteral(
            "Mismatch! House #104, roll call #2 has a vote tally of  2 - 0  in its RIF file and  1 - 1  tally")));
    // The wait window showed the progress over all 104 congresses and went away before the report.
    QCOMPARE(services.waitShown, 1);
    QCOMPARE(services.waitHidden, 1);
    QCOMPARE(services.waitPercents.size(), 104);
    QCOMPARE(services.waitPercents.last(), 100);
    QCOMPARE(services.waitNumbers.last(), QStringLiteral("104"));
    QCOMPARE(services.log.last(), QStringLiteral("text: ") + file);
    QCOMPARE(services.beeps, 2);
    QVERIFY(services.errorTexts().isEmpty());
}

void TestMaintenance::listTokens()
{
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    WriteTree(tree);
    Session session(dir.path());
    session.setDataRoot(dir.path());
    RecordingServices services;
    QVERIFY(MaintenanceTools::ListTokens(session, services, nullptr));
    QCOMPARE(services.shownTexts.size(), 1);
    const QStringList lines = services.shownTexts.first().text.split(QLatin1Char('\n'));
    QCOMPARE(lines.at(0), QStringLiteral("List of Tokens in token.dat"));
    QCOMPARE(lines.at(1), QString(27, QLatin1Char('-')));
    QCOMPARE(lines.at(3), QStringLiteral("Record  Symbol  Value  Name"));
    QCOMPARE(lines.at(4), QStringLiteral("     1  F           1  Token 1"));
    QCOMPARE(lines.at(41), QStringLiteral("    38  c          38  Token 38"));
    QCOMPARE(lines.size(), 4 + 38 + 1); // the text ends with a line end
}

void TestMaintenance::missingTokenTableReported()
{
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    Session session(dir.path());
    session.setDataRoot(dir.path());
    RecordingServices services;
    QVERIFY(!MaintenanceTools::ListTokens(session, services, nullptr));
    QVERIFY(services.shownTexts.isEmpty());
    QCOMPARE(services.errorTexts().size(), 1);
    QVERIFY2(services.errorTexts().first().contains(QStringLiteral("token.dat")),
             qPrintable(services.errorTexts().first()));
}

void TestMaintenance::aboutBox()
{
    RecordingServices services;
    frmNewAbout about(services, nullptr, QStringLiteral("/home/user/congress-tree"));
    about.show();
    QCOMPARE(about.windowTitle(), QStringLiteral("About Rollscan for Windows"));
    QCOMPARE(about.lblVersion->text(), QStringLiteral("Version ") + ProgramVersion());
    QCOMPARE(about.lblQtVersion->text(), QStringLiteral("Qt ") + QString::fromLatin1(qVersion()));
    QCOMPARE(about.lblDataTree->text(), QStringLiteral("Data tree: /home/user/congress-tree"));
    QVERIFY(about.lblDataTree->isVisible());
    QVERIFY(!about.imgIcon->pixmap().isNull());
    QVERIFY(!SaveScreenshot(&about, QStringLiteral("frmNewAbout")).isEmpty());
}

void TestMaintenance::helpIndexAndSearch_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("firstTitle");
    QTest::addColumn<bool>("everyPage");
    QTest::newRow("index") << ""
                           << "" << true;
    QTest::newRow("one word") << "havn"
                              << "" << false; // no page has the misspelling
    QTest::newRow("attachments") << "picture NOTE sound"
                                 << "Attachments" << false;
}

void TestMaintenance::helpIndexAndSearch()
{
    QFETCH(QString, query);
    QFETCH(QString, firstTitle);
    QFETCH(bool, everyPage);
    HelpWindow help;
    help.show();
    const int pages = int(QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}).size());
    QVERIFY(pages >= 16);
    QTest::keyClicks(help.txtSearch, query);
    if (everyPage) {
        QCOMPARE(help.lstTopics->count(), pages);
        QVERIFY(!SaveScreenshot(&help, QStringLiteral("HelpWindow_index")).isEmpty());
        return;
    }
    if (firstTitle.isEmpty()) {
        QCOMPARE(help.lstTopics->count(), 0);
        return;
    }
    QVERIFY(help.lstTopics->count() >= 1);
    QCOMPARE(help.lstTopics->item(0)->text(), firstTitle);
    QTest::keyClick(help.txtSearch, Qt::Key_Return);
    QCOMPARE(help.txtHelp->source(), QUrl(QStringLiteral("qrc:/help/frmAttach.html")));
    QVERIFY(!SaveScreenshot(&help, QStringLiteral("HelpWindow_search")).isEmpty());
}

QTEST_MAIN(TestMaintenance)
#include "tst_maintenance.moc"
