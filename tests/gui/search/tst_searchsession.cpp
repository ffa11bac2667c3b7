// A whole session through the main window and the window director: search, queue, bookmarks saved,
// appended, edited and searched again, keyword narrowing, spreadsheet and quick information.
#include "support/GuiTestSupport.h"
#include "support/SearchFixture.h"

#include "core/data/FileIO.h"
#include "gui/app/WindowDirector.h"
#include "gui/app/frmVoteStartup.h"
#include "gui/search/frmBookmark.h"
#include "gui/search/frmKeyword.h"
#include "gui/search/frmQuickInfo.h"
#include "gui/search/frmSelectSearch.h"
#include "gui/search/frmSubjectAccess.h"
#include "gui/search/frmViewCalls.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

using namespace rollscan;
using namespace rollscan::test;

class tst_searchsession : public QObject {
    Q_OBJECT

private slots:
    void wholeSession();
    void helpPages_data();
    void helpPages();
};

void tst_searchsession::wholeSession()
{
    SearchTree tree;
    Session session(tree.tree.root());
    RecordingServices &services = tree.services;
    frmVoteStartup main(session, services);
    WindowDirector director(session, services, main);
    QVERIFY(main.startUp());
    QVERIFY(main.mnuSearch->isEnabled());
    QVERIFY(main.mnuEditBookmarks->isEnabled());

    // The search dialog from the main window; the same one comes to the front when asked again.
    main.mnuSearch->trigger();
    frmSelectSearch *search = director.searchWindow();
    QVERIFY(search && search->isVisible());
    main.mnuSearch->trigger();
    QCOMPARE(director.searchWindow(), search);

    // A chronological search of the 97th House opens the list.
    search->lstHouse->item(0)->setSelected(true);
    QTest::mouseClick(search->btnStart, Qt::LeftButton);
    QPointer<frmViewCalls> list = director.viewCallsWindow();
    QVERIFY(list && list->isVisible());
    QCOMPARE(list->lstRollCalls->count(), 5);
    SaveScreenshot(search, QStringLiteral("session_frmSelectSearch"));

    // Queue rows 1 and 3 and save them as bookmarks; then append row 5.
    list->lstRollCalls->item(0)->setSelected(true);
    list->lstRollCalls->item(2)->setSelected(true);
    QTest::mouseClick(list->btnAdd, Qt::LeftButton);
    QCOMPARE(Lines(list->lstSelected),
             (QStringList{"234-190\tTO PASS H.R. 1 TAX CUT", "300-101\tBUDGET & APPROPRIATIONS"}));
    const QString marks = tree.tree.path(QStringLiteral("user/session.bmk"));
    services.fileNames.enqueue(marks);
    QTest::mouseClick(list->btnBookmark, Qt::LeftButton);
    QTest::mouseClick(list->btnClear, Qt::LeftButton);
    list->lstRollCalls->setCurrentRow(4);
    QTest::keyClick(list->lstRollCalls, Qt::Key_Space);
    services.fileNames.enqueue(marks);
    QTest::mouseClick(list->btnBookmark, Qt::LeftButton);
    QCOMPARE(ReadWholeFile(marks).size(), 3 * 87);
    SaveScreenshot(list, QStringLiteral("session_frmViewCalls_search"));

    // The editor from the list's menu: load, move the third up, remove the first, save elsewhere.
    list->mnuEditBookmarks->trigger();
    frmBookmark *editor = director.bookmarkWindow();
    QVERIFY(editor && editor->isVisible());
    services.fileNames.enqueue(marks);
    QTest::mouseClick(editor->btnLoad, Qt::LeftButton);
    QCOMPARE(Lines(editor->lstBookmark),
             (QStringList{"H# 97,\tRoll call 1", "H# 97,\tRoll call 3", "H# 97,\tRoll call 5"}));
    editor->lstBookmark->setCurrentRow(2);
    QTest::mouseClick(editor->btnMoveUp, Qt::LeftButton);
    editor->lstBookmark->setCurrentRow(0);
    QTest::mouseClick(editor->btnRemove, Qt::LeftButton);
    const QString edited = tree.tree.path(QStringLiteral("user/edited.bmk"));
    services.fileNames.enqueue(edited);
    QTest::mouseClick(editor->btnSave, Qt::LeftButton);
    QCOMPARE(editor->fraBookmark->title(), QStringLiteral("Current Bookmarks: ") + QDir::toNativeSeparators(edited));
    SaveScreenshot(editor, QStringLiteral("session_frmBookmark"));
    // The main window's entry brings the same editor to the front.
    main.mnuEditBookmarks->trigger();
    QCOMPARE(director.bookmarkWindow(), editor);
    QTest::mouseClick(editor->btnDone, Qt::LeftButton);
    QTRY_VERIFY(!director.bookmarkWindow());

    // A search from the edited bookmark file replaces the list.
    search->optBookmark->click();
    services.fileNames.enqueue(edited);
    QTest::mouseClick(search->btnStart, Qt::LeftButton);
    QVERIFY(list.isNull());
    list = director.viewCallsWindow();
    QVERIFY(list);
    QCOMPARE(Lines(list->lstRollCalls), (QStringList{"150-250\tFOREIGN AID", "300-101\tBUDGET & APPROPRIATIONS"}));
    QCOMPARE(list->lblMatches->text(), QStringLiteral("2"));
    QCOMPARE(list->lstSelected->count(), 0);
    // A bookmark search names no congress: no congress attachments.
    QVERIFY(!list->mnuText->isEnabled());

    // Keyword narrowing keeps FOREIGN AID (TAX in a heading field of its description entry).
    OnNextModal([](QWidget *modal) {
        auto *dialog = qobject_cast<frmKeyword *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        dialog->txtKeyword->setText(QStringLiteral("TAX"));
        QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
    });
    QTest::mouseClick(list->btnKeyword, Qt::LeftButton);
    QCOMPARE(Lines(list->lstRollCalls), QStringList{"150-250\tFOREIGN AID"});

    // The spreadsheet of the queue.
    QTest::mouseClick(list->btnAll, Qt::LeftButton);
    const QString sheet = tree.tree.path(QStringLiteral("aid.prn"));
    services.fileNames.enqueue(sheet);
    QTest::mouseClick(list->btnSpreadsheet, Qt::LeftButton);
    QCOMPARE(
        ReadWholeFile(sheet),
        QByteArray("May 6, 1981: Roll Call #5\r\nFOREIGN AID\r\nHouse #97, 1981-1982\r\n\r\n"
                   "\"H#\",\"ID1\",\"ID2\",\"SC\",\"CD\",\"STATE\",\"PARTY\",\"NAME\",\"XCOORD\",\"YCOORD\",\"RC#\","
                   "\"VOTE\"\r\n"
                   "97,1001,0,1,1,\"CONNECTICUT\",100,\"ADAMS       \", .100, .200,5,6\r\n"
                   "97,1002,0,41,2,\"ALABAMA\",200,\"SMITH  JOHN \", .123,-.456,5,9\r\n"));

    // Quick information of the listed roll call.
    list->lstRollCalls->setCurrentRow(0);
    list->showQuickInfo();
    QVERIFY(list->quickInfo());
    QCOMPARE(list->quickInfo()->lblLegislator->text(), QStringLiteral("INCOME TAX         "));
    QCOMPARE(list->quickInfo()->txtDetails->toPlainText().size(), 469);
    SaveScreenshot(list, QStringLiteral("session_frmViewCalls_narrowed"));
    SaveScreenshot(list->quickInfo(), QStringLiteral("session_frmQuickInfo"));

    QCOMPARE(services.errorTexts(), QStringList());
    QCOMPARE(services.waitShown, services.waitHidden);
}

void tst_searchsession::helpPages_data()
{
    QTest::addColumn<QString>("topic");
    for (const char *topic :
         {"frmSelectSearch", "frmSubjectAccess", "frmKeyword", "frmViewCalls", "frmBookmark", "frmQuickInfo"})
        QTest::newRow(topic) << QString::fromLatin1(topic);
}

void tst_searchsession::helpPages()
{
    QFETCH(QString, topic);
    SearchTree tree;
    frmKeyword keyword(tree.services);
    std::unique_ptr<QWidget> window;
    if (topic == QLatin1String("frmSelectSearch"))
        window = std::make_unique<frmSelectSearch>(tree.session, tree.services, keyword);
    else if (topic == QLatin1String("frmSubjectAccess"))
        window = std::make_unique<frmSubjectAccess>(tree.session, tree.services, SubjectCodeTable());
    else if (topic == QLatin1String("frmViewCalls"))
        window = std::make_unique<frmViewCalls>(tree.session, tree.services, keyword);
    else if (topic == QLatin1String("frmBookmark"))
        window = std::make_unique<frmBookmark>(tree.session, tree.services);
    else if (topic == QLatin1String("frmQuickInfo"))
        window = std::make_unique<frmQuickInfo>(tree.services, false);
    QWidget *owner = window ? window.get() : static_cast<QWidget *>(&keyword);
    owner->setAttribute(Qt::WA_DeleteOnClose, false);
    owner->show();
    auto *help = owner->findChild<QPushButton *>(QStringLiteral("btnHelp"));
    QVERIFY(help);
    QTest::mouseClick(help, Qt::LeftButton);
    QCOMPARE(tree.services.helpTopics, QStringList{topic});
    // The page is compiled in.
    QVERIFY(QFile::exists(QStringLiteral(":/help/") + topic + QStringLiteral(".html")));
    if (auto *list = qobject_cast<frmViewCalls *>(owner)) {
        list->mnuExplain->trigger();
        QCOMPARE(tree.services.helpTopics.size(), 2);
    }
}

QTEST_MAIN(tst_searchsession)
#include "tst_searchsession.moc"
