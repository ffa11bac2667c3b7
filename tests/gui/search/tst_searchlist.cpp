// The search dialog with its subject picker and keyword dialog; the roll-call list with its queue,
// commands, outputs and quick information; the bookmark editor; a session through the window director.
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
#include "gui/search/frmSubjectAccess.h"
#include "gui/search/frmViewCalls.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace rollscan;
using namespace rollscan::test;

namespace {

const QStringList kLines97 = {"234-190\tTO PASS H.R. 1 TAX CUT", "200-210\tTax cut amendment",
                              "300-101\tBUDGET & APPROPRIATIONS", "220-200\tELECT SPEAKER", "150-250\tFOREIGN AID"};

void SelectRows(QListWidget *list, const QList<int> &rows)
{
    list->clearSelection();
    for (int row : rows)
        list->item(row)->setSelected(true);
    if (!rows.isEmpty())
        list->setCurrentRow(rows.constFirst(), QItemSelectionModel::NoUpdate);
}

// A list window over a chronological search of the given Houses.
struct List {
    SearchTree tree;
    frmKeyword keyword{tree.services};
    std::unique_ptr<frmViewCalls> window;
    QStringList started; // displays asked for, with the queue position and cross-tab flag

    List()
    {
        tree.session.selectedCongresses = {97};
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
        SelectRows(window->lstRollCalls, rows);
        QTest::mouseClick(window->btnAdd, Qt::LeftButton);
    }
};

QStringList Descriptions(const Session &s)
{
    QStringList out;
    for (const MatchRow &row : s.MatchTable.rows())
        out.append(row.description);
    return out;
}

// Answers the subject picker: notes its caption and list, selects rows, presses Start.
void AnswerPicker(const QList<int> &rows, QStringList *seen)
{
    OnNextModal([=](QWidget *modal) {
        auto *picker = qobject_cast<frmSubjectAccess *>(modal);
        QVERIFY(picker);
        *seen = QStringList{picker->windowTitle()} + Lines(picker->lstSubject);
        for (int row : rows)
            picker->lstSubject->item(row)->setSelected(true);
        picker->lstSubject->setCurrentRow(rows.constLast(), QItemSelectionModel::NoUpdate);
        SaveScreenshot(picker, QStringLiteral("search_frmSubjectAccess"));
        QTest::mouseClick(picker->btnOK, Qt::LeftButton);
    });
}

struct Dialog {
    SearchTree tree;
    frmKeyword keyword{tree.services};
    frmSelectSearch *search = new frmSelectSearch(tree.session, tree.services, keyword);
    QSignalSpy completed{search, &frmSelectSearch::searchCompleted};

    explicit Dialog(bool startWithHouse = true) : tree(startWithHouse)
    {
        search->setAttribute(Qt::WA_DeleteOnClose, false);
        search->show();
    }
    ~Dialog() { delete search; }
    void start() { QTest::mouseClick(search->btnStart, Qt::LeftButton); }
};

} // namespace

Q_DECLARE_METATYPE(QList<int>)

class tst_searchlist : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheSearchResult()
    {
        // A queue left from an earlier list is emptied. The drawn map's files make the US map a choice.
        List l;
        SearchTree &tree = l.tree;
        for (const char *name : {"main/map.dat", "main/mapindex.dat", "house/97.cds"})
            tree.tree.writeRaw(QString::fromLatin1(name), "x");
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
        QCOMPARE(w.lblDate->text(), QStringLiteral("House #97 Roll Call #3  ") +
                                        QLocale::system().toString(QDate(1981, 3, 3), QLocale::ShortFormat));
        // A right click on that row shows its description of 470 characters in the scrolling box.
        const QPoint at = w.lstRollCalls->visualItemRect(w.lstRollCalls->item(2)).center();
        QTest::mousePress(w.lstRollCalls->viewport(), Qt::RightButton, {}, at);
        QTest::mouseRelease(w.lstRollCalls->viewport(), Qt::RightButton, {}, at);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, w.lstRollCalls->viewport()->mapToGlobal(at));
        QApplication::sendEvent(w.lstRollCalls->viewport(), &menu);
        QPointer<frmQuickInfo> info = w.quickInfo();
        QVERIFY(info && info->isVisible() && info->txtDetailsSB->isVisible());
        QCOMPARE(info->windowTitle(), QStringLiteral("Quick Roll Call Information"));
        QCOMPARE(info->txtDetailsSB->toPlainText(), QString(470, QLatin1Char('X')));
        SaveScreenshot(info, QStringLiteral("search_frmQuickInfo"));
        QTest::mouseClick(info->btnOK, Qt::LeftButton);
        QTRY_VERIFY(info.isNull());

        // The display choices, by button and by menu.
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
        // The spreadsheet holds every queued roll call, in queue order.
        const QString file = l.tree.tree.path("queue.prn");
        l.tree.services.fileNames.enqueue(file);
        QTest::mouseClick(w.btnSpreadsheet, Qt::LeftButton);
        QCOMPARE(l.tree.services.fileDialogs.constFirst().caption, QStringLiteral("Rollscan Spreadsheet Output"));
        QCOMPARE(l.tree.services.waitInfos, QStringList{"Saving, please wait..."});
        const QByteArray bytes = ReadWholeFile(file);
        QVERIFY(bytes.startsWith("April 1, 1981: Roll Call #4\r\nELECT SPEAKER\r\n"));
        QVERIFY(bytes.contains("\r\n\r\nFebruary 10, 1981: Roll Call #2\r\n"));
        // Select All replaces the queue with every row.
        QTest::mouseClick(w.btnAll, Qt::LeftButton);
        QCOMPARE(l.tree.session.queue.rows(), (QList<int>{1, 2, 3, 4, 5}));
        QCOMPARE(w.lblRollCall->text(), QStringLiteral("(none)"));
        QTest::mouseClick(w.btnClear, Qt::LeftButton);
        QCOMPARE(l.tree.session.queue.length(), 0);
        for (QWidget *b : std::initializer_list<QWidget *>{w.btnRemove, w.btnClear, w.btnSpreadsheet, w.btnCrossTab})
            QVERIFY(!b->isEnabled());
        QVERIFY(!w.mnuSpreadsheet->isEnabled());
        // Space and a double click add; Delete and Backspace remove the highlighted entry, with none nothing.
        w.lstRollCalls->setFocus();
        w.lstRollCalls->setCurrentRow(4);
        QTest::keyClick(w.lstRollCalls, Qt::Key_Space);
        const QPoint first = w.lstRollCalls->visualItemRect(w.lstRollCalls->item(0)).center();
        QTest::mouseClick(w.lstRollCalls->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseDClick(w.lstRollCalls->viewport(), Qt::LeftButton, {}, first);
        QCOMPARE(l.tree.session.queue.rollCalls(), (QList<int>{5, 1}));
        w.lstSelected->setCurrentRow(0);
        QTest::keyClick(w.lstSelected, Qt::Key_Delete);
        QCOMPARE(Lines(w.lstSelected), QStringList{kLines97[0]});
        w.lstSelected->setCurrentRow(0);
        QTest::keyClick(w.lstSelected, Qt::Key_Backspace);
        QCOMPARE(w.lblTotalSel->text(), QStringLiteral("0"));
        QTest::keyClick(w.lstSelected, Qt::Key_Delete);
        QCOMPARE(l.tree.session.queue.length(), 0);
    }

    void startAndCrossTabNeedTheirQueue()
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
        // Cross Tab is offered at exactly two queued roll calls.
        QList<bool> offered;
        for (int row = 0; row < 3; ++row) {
            l.add({row});
            offered << w.btnCrossTab->isEnabled() << w.mnuCrossTab->isEnabled();
        }
        QCOMPARE(offered, (QList<bool>{false, false, true, true, false, false}));
        QTest::mouseClick(w.btnStart, Qt::LeftButton);
        w.lstSelected->setCurrentRow(2);
        QTest::mouseClick(w.btnRemove, Qt::LeftButton);
        QVERIFY(w.btnCrossTab->isEnabled());
        QTest::mouseClick(w.btnCrossTab, Qt::LeftButton);
        QCOMPARE(l.started, (QStringList{"ideological 1", "ideological 1 crosstab"}));
        QVERIFY(w.mnuCrossTab->isChecked());
    }

    void bookmarkEditor()
    {
        SearchTree tree;
        // Marks 1 to 5: odd ones of the House, congress 100 + i, roll call 10 i.
        QList<BookmarkEntry> marks;
        for (int i = 1; i <= 5; ++i)
            marks.append({i % 2 == 1, qint16(100 + i), qint16(10 * i), TaggedDate::FromDate(QDate(1993, 1, i)),
                          QStringLiteral("MARK %1").arg(i), qint16(200 + i), qint16(100 + i)});
        const QString path = tree.tree.path("user/five.bmk");
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
        QVERIFY(!w.btnSave->isEnabled() && !w.btnMoveDown->isEnabled() && w.lblBookmarkCount->text() == "0");
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
        const QString marks = tree.tree.path("user/session.bmk");
        services.fileNames.enqueue(marks);
        QTest::mouseClick(list->btnBookmark, Qt::LeftButton);
        const RecordingServices::FileDialogCall &call = services.fileDialogs.constLast();
        QVERIFY(call.caption == QStringLiteral("Save Bookmarks") && call.folder == session.userDir && call.appending);
        // The records' bytes are the core's; the search of the file below reads both back into a new list,
        // with an empty queue.
        QCOMPARE(ReadWholeFile(marks).size(), 2 * 87);
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

    void opensWithPreferredChamber_data()
    {
        QTest::addColumn<bool>("house");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("countCaption");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("noneChosen");
        QTest::newRow("House") << true << QStringList{"97th\t1981-1982", "98th\t1983-1984", "99th\t1985-1986"}
                               << QStringLiteral("Number of Houses:") << QStringLiteral("3")
                               << QStringLiteral("You must enter or select a House number.");
        QTest::newRow("Senate") << false << QStringList{"97th\t1981-1982"} << QStringLiteral("Number of Senates:")
                                << QStringLiteral("1") << QStringLiteral("You must enter or select a Senate number.");
    }

    void opensWithPreferredChamber()
    {
        QFETCH(bool, house);
        QFETCH(QString, count);
        QFETCH(QString, noneChosen);
        Dialog d(house);
        frmSelectSearch *s = d.search;
        QCOMPARE(s->windowTitle(), QStringLiteral("Rollscan Search Type"));
        QCOMPARE(s->optHouse->isChecked(), house);
        QCOMPARE(s->fraHouse->isVisible(), house);
        QTEST(Lines(house ? s->lstHouse : s->lstSenate), "lines");
        QTEST(s->lblCongress->text(), "countCaption");
        QCOMPARE(s->lblNum->text(), count);
        SaveScreenshot(s, QStringLiteral("search_frmSelectSearch_") + QTest::currentDataTag());
        // Start with no congress chosen names the chamber, before any wait window.
        d.start();
        QCOMPARE(d.tree.services.errorTexts(), QStringList{noneChosen});
        QCOMPARE(d.tree.services.waitShown, 0);
        // Switching the chamber refills the other list.
        (house ? s->optSenate : s->optHouse)->click();
        QCOMPARE(d.tree.session.isHouse, !house);
        QCOMPARE(s->fraHouse->isVisible(), !house);
        QCOMPARE((house ? s->lstSenate : s->lstHouse)->count(), house ? 1 : 3);
    }

    void chronologicalSearchInListOrder()
    {
        Dialog d;
        // The 3rd and the 1st rows, the 3rd current, Enter: searched in list order.
        SelectRows(d.search->lstHouse, {2, 0});
        QTest::keyClick(d.search->lstHouse, Qt::Key_Return);
        QCOMPARE(d.completed.count(), 1);
        QCOMPARE(d.tree.session.selectedCongresses, (QList<int>{97, 99}));
        QCOMPARE(Descriptions(d.tree.session).size(), 6);
        QCOMPARE(Descriptions(d.tree.session).constLast(), QStringLiteral("FARM BILL"));
        QCOMPARE(d.tree.services.waitInfos, QStringList{"Loading, please wait..."});
        QCOMPARE(d.tree.services.waitPercents.constLast(), 100);
        QCOMPARE(d.tree.services.waitHidden, 1);
        QCOMPARE(d.tree.session.currentCongress, 99); // left at the last congress searched
    }

    void codeSearches_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("picker"); // caption, then the names listed
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QStringList>("found");
        const QStringList issues = {"Subject Access: Issue Codes", "Taxation", "Budget", "Appropriations",
                                    "Foreign aid"};
        // Code 10 is the second issue code of "Tax cut amendment" (extended record).
        QTest::newRow("issue 10") << "optIssue" << issues << QList<int>{0}
                                  << QStringList{"TO PASS H.R. 1 TAX CUT", "Tax cut amendment", "TAX REFORM"};
        // Code 9 is the second Peltzman code of "BUDGET & APPROPRIATIONS" and the first of "DEFENSE BUDGET".
        QTest::newRow("peltzman 9") << "optPeltzman"
                                    << QStringList{"Subject Access: Peltzman Codes", "Domestic social policy",
                                                   "Defense budget"}
                                    << QList<int>{1} << QStringList{"BUDGET & APPROPRIATIONS", "DEFENSE BUDGET"};
    }

    void codeSearches()
    {
        QFETCH(QString, option);
        QFETCH(QList<int>, rows);
        Dialog d;
        d.search->findChild<QRadioButton *>(option)->click();
        SelectRows(d.search->lstHouse, {0, 1});
        QStringList seen;
        AnswerPicker(rows, &seen);
        d.start();
        QTEST(seen, "picker");
        QCOMPARE(d.completed.count(), 1);
        QTEST(Descriptions(d.tree.session), "found");
        QCOMPARE(d.tree.session.chosenCodeNames.size(), rows.size());
        QVERIFY(d.tree.services.messages.isEmpty());
    }

    void keywordSearchThenFailedSearches()
    {
        Dialog d;
        d.search->optKeyword->click();
        SelectRows(d.search->lstHouse, {0, 1});
        // Keywords are capitals: the lower-case "Tax cut amendment" is not found; FOREIGN AID is found
        // through a heading field of its description entry.
        OnNextModal([](QWidget *modal) {
            auto *dialog = qobject_cast<frmKeyword *>(modal);
            QVERIFY(dialog);
            dialog->txtKeyword->setText(QStringLiteral("TAX"));
            dialog->txtKeyword2->setText(QStringLiteral("CUT"));
            dialog->cmbKey2->setCurrentText(QStringLiteral("NOT"));
            SaveScreenshot(dialog, QStringLiteral("search_frmKeyword"));
            QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
        });
        d.start();
        QCOMPARE(Descriptions(d.tree.session), (QStringList{"FOREIGN AID", "TAX REFORM"}));
        QCOMPARE(d.keyword.cmbKey2->currentText(), QStringLiteral("NOT")); // kept for the next search

        // A failed search keeps that result. Houses 98 and 99 know no Clausen codes 1 or 3: the chosen
        // names, last chosen first.
        SelectRows(d.search->lstHouse, {1, 2});
        d.search->optClausen->click();
        QStringList seen;
        AnswerPicker({0, 2}, &seen);
        d.start();
        const QChar cr(13);
        QCOMPARE(d.tree.services.errorTexts(),
                 QStringList{QStringLiteral("Failed search: No matches found for") + cr + cr + "Civil liberties" + cr +
                             "Government management" + cr + cr + "House(s) searched: 2"});
        QCOMPARE(d.completed.count(), 1);
        QCOMPARE(d.tree.services.waitHidden, d.tree.services.waitShown);
        QCOMPARE(Descriptions(d.tree.session), (QStringList{"FOREIGN AID", "TAX REFORM"}));

        // So does a file that is no bookmark file, reported with what is wrong in it.
        const QString file = d.tree.tree.path("user/notes.bmk");
        d.tree.tree.writeRaw("user/notes.bmk", QByteArray(87, 'x')); // a date of type "xx"
        d.tree.services.fileNames.enqueue(file);
        d.search->optBookmark->click();
        d.start();
        QCOMPARE(d.tree.services.errorTexts().size(), 2);
        const QString text = d.tree.services.errorTexts().constLast();
        QVERIFY2(text.startsWith(QStringLiteral("That file is not a bookmark file.\n\n") +
                                 QDir::toNativeSeparators(file) +
                                 QStringLiteral("\nDetail: Bookmark at byte 0 has a date of unknown type ")),
                 qPrintable(text));
        QCOMPARE(d.completed.count(), 1);
        QCOMPARE(Descriptions(d.tree.session).size(), 2);
    }
};

QTEST_MAIN(tst_searchlist)
#include "tst_searchlist.moc"
