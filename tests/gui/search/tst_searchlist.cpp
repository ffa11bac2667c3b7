// The roll-call list: its lines and labels, the selection queue with its keys, the commands
// that depend on the queue, the spreadsheet and bookmark outputs, keyword narrowing, quick information;
// the bookmark editor; a session through the window director.
#include "support/GuiTestSupport.h"
#include "support/SearchFixture.h"

#include "core/data/FileIO.h"
#include "core/search/BookmarkFile.h"
#include "core/search/RollCallSearch.h"
#include "gui/app/WindowDirector.h"
#include "gui/app/frmVoteStartup.h"
#include "gui/search/frmBookmark.h"
#include "gui/search/frmKeyword.h"
#include "gui/search/frmQuickInfo.h"
#include "gui/search/frmSelectSearch.h"
#include "gui/search/frmViewCalls.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

using namespace rollscan;
using namespace rollscan::test;

namespace {

const QStringList kLines97 = {"234-190\tTO PASS H.R. 1 TAX CUT", "200-210\tTax cut amendment",
                              "300-101\tBUDGET & APPROPRIATIONS", "220-200\tELECT SPEAKER", "150-250\tFOREIGN AID"};

// A list window over a chronological search of the given Houses.
struct List {
    SearchTree tree;
    frmKeyword keyword{tree.services};
    std::unique_ptr<frmViewCalls> window;
    QStringList started; // displays asked for, with the queue position and cross-tab flag

    explicit List(const QList<int> &congresses = {97}, bool smallScreen = false)
    {
        tree.session.smallScreen = smallScreen;
        tree.session.selectedCongresses = congresses;
        RunSearch(tree.session, {});
        open();
    }

    void open()
    {
        window = std::make_unique<frmViewCalls>(tree.session, tree.services, keyword);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
    }

    // Stands in for the display windows.
    void attachDisplays(bool usMap = true)
    {
        const auto display = [this](const QString &kind) {
            return [this, kind] {
                started.append(kind + QLatin1Char(' ') + QString::number(tree.session.queue.currentQueuePos()) +
                               (tree.session.crossTabRequested ? QStringLiteral(" crosstab") : QString()));
            };
        };
        QObject::connect(window.get(), &frmViewCalls::ideologicalRequested, display(QStringLiteral("ideological")));
        if (usMap)
            QObject::connect(window.get(), &frmViewCalls::usMapRequested, display(QStringLiteral("usmap")));
        window->updateCommands();
    }

    // Highlights list rows (0-based) and presses Add.
    void add(const QList<int> &rows) const
    {
        QListWidget *list = window->lstRollCalls;
        list->clearSelection();
        for (int row : rows)
            list->item(row)->setSelected(true);
        if (!rows.isEmpty())
            list->setCurrentRow(rows.constFirst(), QItemSelectionModel::NoUpdate);
        QTest::mouseClick(window->btnAdd, Qt::LeftButton);
    }
};

BookmarkEntry Mark(int rollCall, const QDate &date, const char *description, int yeas, int nays)
{
    return {true,         97,          qint16(rollCall), TaggedDate::FromDate(date), QString::fromLatin1(description),
            qint16(yeas), qint16(nays)};
}

} // namespace

class tst_searchlist : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheSearchResult()
    {
        // A queue left from an earlier list is emptied.
        List l;
        SearchTree &tree = l.tree;
        tree.session.queue.add({1, 1, QStringLiteral("old")});
        tree.session.crossTabRequested = true;
        l.open();
        frmViewCalls &w = *l.window;
        QCOMPARE(w.windowTitle(), QStringLiteral("View Matching Roll Calls"));
        QCOMPARE(Lines(w.lstRollCalls), kLines97);
        QCOMPARE(w.lblMatches->text(), QStringLiteral("5"));
        QCOMPARE(tree.session.queue.length(), 0);
        QVERIFY(!tree.session.crossTabRequested);
        QCOMPARE(w.btnMap->text(), QStringLiteral("Ideology")); // as the preferences choose
        for (QWidget *b : std::initializer_list<QWidget *>{w.btnTrack, w.btnRating, w.btnRemove, w.btnClear,
                                                           w.btnCrossTab, w.btnSpreadsheet})
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
        SaveScreenshot(&w, QStringLiteral("search_frmViewCalls_open"));

        // A click shows the roll call; the ampersand as it stands, not as a keyboard marker.
        QTest::mouseClick(w.lstRollCalls->viewport(), Qt::LeftButton, {},
                          w.lstRollCalls->visualItemRect(w.lstRollCalls->item(2)).center());
        QCOMPARE(w.lblRollCall->text(), QStringLiteral("BUDGET & APPROPRIATIONS"));
        QCOMPARE(w.lblDate->text(), QStringLiteral("House #97 Roll Call #3  ") + ShortDate(1981, 3, 3));
    }

    void addRemoveClear()
    {
        List l;
        frmViewCalls &w = *l.window;
        // Rows 4 and 2 highlighted: added in list order.
        l.add({3, 1});
        QCOMPARE(Lines(w.lstSelected), (QStringList{kLines97[1], kLines97[3]}));
        QCOMPARE(w.lblRollCall->text(), QStringLiteral("ELECT SPEAKER"));
        // The same roll call twice gives two entries; removing one keeps the other.
        l.add({1});
        w.lstSelected->setCurrentRow(0);
        QTest::mouseClick(w.btnRemove, Qt::LeftButton);
        QCOMPARE(Lines(w.lstSelected), (QStringList{kLines97[3], kLines97[1]}));
        QCOMPARE(w.lblTotalSel->text(), QStringLiteral("2"));
        SaveScreenshot(&w, QStringLiteral("search_frmViewCalls_queue"));
        // Select All replaces the queue with every row.
        QTest::mouseClick(w.btnAll, Qt::LeftButton);
        QCOMPARE(l.tree.session.queue.rows(), (QList<int>{1, 2, 3, 4, 5}));
        QCOMPARE(w.lblRollCall->text(), QStringLiteral("(none)"));
        QTest::mouseClick(w.btnClear, Qt::LeftButton);
        QCOMPARE(l.tree.session.queue.length(), 0);
        for (QWidget *b : std::initializer_list<QWidget *>{w.btnRemove, w.btnClear, w.btnSpreadsheet, w.btnCrossTab})
            QVERIFY(!b->isEnabled());
        QVERIFY(!w.mnuSpreadsheet->isEnabled());
    }

    void keysAddAndRemove()
    {
        List l;
        frmViewCalls &w = *l.window;
        w.lstRollCalls->setFocus();
        w.lstRollCalls->setCurrentRow(4);
        QTest::keyClick(w.lstRollCalls, Qt::Key_Space);
        const QPoint first = w.lstRollCalls->visualItemRect(w.lstRollCalls->item(0)).center();
        QTest::mouseClick(w.lstRollCalls->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseDClick(w.lstRollCalls->viewport(), Qt::LeftButton, {}, first);
        QCOMPARE(l.tree.session.queue.rollCalls(), (QList<int>{5, 1}));
        // Delete and Backspace in the queue remove the highlighted entry; with none, nothing happens.
        w.lstSelected->setCurrentRow(0);
        QTest::keyClick(w.lstSelected, Qt::Key_Delete);
        QCOMPARE(Lines(w.lstSelected), QStringList{kLines97[0]});
        w.lstSelected->setCurrentRow(0);
        QTest::keyClick(w.lstSelected, Qt::Key_Backspace);
        QCOMPARE(w.lblTotalSel->text(), QStringLiteral("0"));
        QTest::keyClick(w.lstSelected, Qt::Key_Delete);
        QCOMPARE(l.tree.session.queue.length(), 0);
    }

    void startNeedsQueueAndDisplay()
    {
        List l;
        frmViewCalls &w = *l.window;
        // No display window connected: Start and the display choice are not offered.
        for (QWidget *b : std::initializer_list<QWidget *>{w.btnStart, w.btnMap, w.btnAmount, w.btnCrossTab})
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
        for (QAction *a : {w.mnuIdeological, w.mnuUS, w.mnuSingle, w.mnuDouble, w.mnuCrossTab})
            QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
        l.attachDisplays(false);
        QVERIFY(w.btnStart->isEnabled());
        QTest::mouseClick(w.btnStart, Qt::LeftButton);
        QCOMPARE(l.tree.services.errorTexts(), QStringList{"You must select at least one roll call to view."});
        QVERIFY(l.started.isEmpty());
        l.add({2, 3});
        QTest::mouseClick(w.btnStart, Qt::LeftButton);
        QCOMPARE(l.started, QStringList{"ideological 1"});
    }

    void crossTabAtExactlyTwo()
    {
        List l;
        frmViewCalls &w = *l.window;
        l.attachDisplays();
        QList<bool> offered;
        for (int row = 0; row < 3; ++row) {
            l.add({row});
            offered << w.btnCrossTab->isEnabled() << w.mnuCrossTab->isEnabled();
        }
        QCOMPARE(offered, (QList<bool>{false, false, true, true, false, false}));
        w.lstSelected->setCurrentRow(2);
        QTest::mouseClick(w.btnRemove, Qt::LeftButton);
        QVERIFY(w.btnCrossTab->isEnabled());
        QTest::mouseClick(w.btnCrossTab, Qt::LeftButton);
        QCOMPARE(l.started, QStringList{"ideological 1 crosstab"});
        QVERIFY(w.mnuCrossTab->isChecked());
    }

    void displayChoice()
    {
        List l;
        for (const char *name : {"main/map.dat", "main/mapindex.dat", "house/97.cds"})
            l.tree.tree.writeRaw(QString::fromLatin1(name), "x");
        l.open();
        frmViewCalls &w = *l.window;
        l.attachDisplays();
        QTest::mouseClick(w.btnMap, Qt::LeftButton);
        QCOMPARE(w.btnMap->text(), QStringLiteral("US"));
        QTest::mouseClick(w.btnMap, Qt::LeftButton);
        QCOMPARE(w.btnMap->text(), QStringLiteral("Ideology"));
        w.mnuUS->trigger();
        QCOMPARE(w.btnMap->text(), QStringLiteral("US"));
        QTest::mouseClick(w.btnAmount, Qt::LeftButton);
        QCOMPARE(w.btnAmount->text(), QStringLiteral("Double"));
        w.mnuSingle->trigger();
        QCOMPARE(w.btnAmount->text(), QStringLiteral("Single"));
        QTest::mouseClick(w.btnAll, Qt::LeftButton);
        QTest::mouseClick(w.btnStart, Qt::LeftButton);
        QCOMPARE(l.started, QStringList{"usmap 1"});
    }

    void spreadsheetOfQueue()
    {
        List l;
        l.add({0, 2});
        const QString file = l.tree.tree.path(QStringLiteral("queue.prn"));
        l.tree.services.fileNames.enqueue(file);
        QTest::mouseClick(l.window->btnSpreadsheet, Qt::LeftButton);
        const RecordingServices::FileDialogCall &call = l.tree.services.fileDialogs.constFirst();
        QCOMPARE(call.caption, QStringLiteral("Rollscan Spreadsheet Output"));
        QCOMPARE(l.tree.services.waitInfos, QStringList{"Saving, please wait..."});
        // Every queued roll call, in queue order.
        const QByteArray bytes = ReadWholeFile(file);
        QVERIFY(bytes.startsWith("January 5, 1981: Roll Call #1\r\nTO PASS H.R. 1 TAX CUT\r\n"));
        QVERIFY(bytes.contains("\r\n\r\nMarch 3, 1981: Roll Call #3\r\n"));
    }

    void bookmarkSaveAndAppend()
    {
        List l;
        frmViewCalls &w = *l.window;
        l.add({3, 0});
        const QString file = l.tree.tree.path(QStringLiteral("user/marks.bmk"));
        l.tree.services.fileNames.enqueue(file);
        QTest::mouseClick(w.btnBookmark, Qt::LeftButton);
        const RecordingServices::FileDialogCall &call = l.tree.services.fileDialogs.constLast();
        QCOMPARE(call.caption, QStringLiteral("Save Bookmarks"));
        QCOMPARE(call.folder, l.tree.session.userDir);
        QVERIFY(call.save && call.appending);
        const BookmarkEntry one = Mark(1, QDate(1981, 1, 5), "TO PASS H.R. 1 TAX CUT", 234, 190);
        const BookmarkEntry four = Mark(4, QDate(1981, 4, 1), "ELECT SPEAKER", 220, 200);
        QCOMPARE(ReadWholeFile(file), BookmarkFile::EncodeRecord(one, false) + BookmarkFile::EncodeRecord(four, true));
    }

    void quickInfo()
    {
        // Row 3's description fills the scrolling box: 470 characters or more.
        const int row = 2;
        List l;
        QListWidget *list = l.window->lstRollCalls;
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mousePress(list->viewport(), Qt::RightButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, at);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &menu);
        QPointer<frmQuickInfo> info = l.window->quickInfo();
        QVERIFY(info && info->isVisible());
        QCOMPARE(info->windowTitle(), QStringLiteral("Quick Roll Call Information"));
        QVERIFY(info->txtDetailsSB->isVisible());
        QCOMPARE(info->txtDetailsSB->toPlainText(), LongText(470));
        SaveScreenshot(info, QStringLiteral("search_frmQuickInfo"));
        // Done closes the window.
        QTest::mouseClick(info->btnOK, Qt::LeftButton);
        QTRY_VERIFY(info.isNull());
    }

    void bookmarkEditor()
    {
        SearchTree tree;
        // Marks 1 to 5: odd ones of the House, congress 100 + i, roll call 10 i.
        QList<BookmarkEntry> marks;
        for (int i = 1; i <= 5; ++i)
            marks.append({i % 2 == 1, qint16(100 + i), qint16(10 * i), TaggedDate::FromDate(QDate(1993, 1, i)),
                          QStringLiteral("MARK %1").arg(i), qint16(200 + i), qint16(100 + i)});
        const QString path = tree.tree.path(QStringLiteral("user/five.bmk"));
        BookmarkFile::Append(path, marks);
        const QByteArray before = ReadWholeFile(path);
        frmBookmark w(tree.session, tree.services);
        w.setAttribute(Qt::WA_DeleteOnClose, false);
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Edit Bookmarks"));
        tree.services.fileNames.enqueue(path);
        QTest::mouseClick(w.btnLoad, Qt::LeftButton);
        const RecordingServices::FileDialogCall &open = tree.services.fileDialogs.constFirst();
        QCOMPARE(open.caption, QStringLiteral("Open Bookmark File"));
        QCOMPARE(open.folder, tree.session.userDir);
        QCOMPARE(Lines(w.lstBookmark).mid(0, 2), (QStringList{"H# 101,\tRoll call 10", "S# 102,\tRoll call 20"}));
        QCOMPARE(w.fraBookmark->title(), QStringLiteral("Current Bookmarks: ") + QDir::toNativeSeparators(path));
        SaveScreenshot(&w, QStringLiteral("search_frmBookmark_loaded"));
        // Remove the first; Delete removes the row that took its place; the third moves up.
        w.lstBookmark->setCurrentRow(0);
        QTest::mouseClick(w.btnRemove, Qt::LeftButton);
        QTest::keyClick(w.lstBookmark, Qt::Key_Delete);
        w.lstBookmark->setCurrentRow(2);
        QTest::mouseClick(w.btnMoveUp, Qt::LeftButton);
        QCOMPARE(Lines(w.lstBookmark),
                 (QStringList{"H# 103,\tRoll call 30", "H# 105,\tRoll call 50", "S# 104,\tRoll call 40"}));
        QCOMPARE(w.lblBookmarkCount->text(), QStringLiteral("3"));
        // Saved over the longer file: the three records rewritten, the flag on the third, 4 and 5 kept.
        tree.services.fileNames.enqueue(path);
        QTest::mouseClick(w.btnSave, Qt::LeftButton);
        QCOMPARE(ReadWholeFile(path), BookmarkFile::EncodeRecord(marks[2], false) +
                                          BookmarkFile::EncodeRecord(marks[4], false) +
                                          BookmarkFile::EncodeRecord(marks[3], true) + before.mid(3 * 87));
        QTest::mouseClick(w.btnClear, Qt::LeftButton);
        QCOMPARE(w.lblBookmarkCount->text(), QStringLiteral("0"));
        QVERIFY(!w.btnSave->isEnabled() && !w.btnMoveDown->isEnabled() && !w.btnClear->isEnabled());
        QVERIFY(tree.services.messages.isEmpty());
    }

    void wholeSession()
    {
        SearchTree tree;
        Session session(tree.tree.root());
        RecordingServices &services = tree.services;
        frmVoteStartup main(session, services);
        WindowDirector director(session, services, main);
        QVERIFY(main.startUp());
        // The search dialog from the main window; the same one comes to the front when asked again.
        main.mnuSearch->trigger();
        frmSelectSearch *search = director.searchWindow();
        QVERIFY(search && search->isVisible());
        main.mnuSearch->trigger();
        QCOMPARE(director.searchWindow(), search);
        // A chronological search of the 97th House opens the list; rows 1 and 3 saved as bookmarks.
        search->lstHouse->item(0)->setSelected(true);
        QTest::mouseClick(search->btnStart, Qt::LeftButton);
        QPointer<frmViewCalls> list = director.viewCallsWindow();
        QVERIFY(list && list->isVisible());
        list->lstRollCalls->item(0)->setSelected(true);
        list->lstRollCalls->item(2)->setSelected(true);
        QTest::mouseClick(list->btnAdd, Qt::LeftButton);
        const QString marks = tree.tree.path(QStringLiteral("user/session.bmk"));
        services.fileNames.enqueue(marks);
        QTest::mouseClick(list->btnBookmark, Qt::LeftButton);
        // A search of the bookmark file replaces the list, with an empty queue.
        search->optBookmark->click();
        services.fileNames.enqueue(marks);
        QTest::mouseClick(search->btnStart, Qt::LeftButton);
        QVERIFY(list.isNull());
        list = director.viewCallsWindow();
        QCOMPARE(Lines(list->lstRollCalls),
                 (QStringList{"234-190\tTO PASS H.R. 1 TAX CUT", "300-101\tBUDGET & APPROPRIATIONS"}));
        QCOMPARE(list->lstSelected->count(), 0);
        QVERIFY(!list->mnuText->isEnabled()); // a bookmark search names no congress
        SaveScreenshot(list, QStringLiteral("session_frmViewCalls_bookmarks"));
        QCOMPARE(services.errorTexts(), QStringList());
    }
};

QTEST_MAIN(tst_searchlist)
#include "tst_searchlist.moc"
