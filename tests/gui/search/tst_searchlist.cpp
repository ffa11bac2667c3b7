// The roll-call list: its lines and labels, the selection queue with its keys, the commands that
// depend on the queue, the spreadsheet and bookmark outputs, keyword narrowing and quick information.
#include "support/GuiTestSupport.h"
#include "support/SearchFixture.h"

#include "core/data/FileIO.h"
#include "core/search/RollCallSearch.h"
#include "gui/search/frmKeyword.h"
#include "gui/search/frmQuickInfo.h"
#include "gui/search/frmViewCalls.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDataStream>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

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
    QStringList started; // displays started through the hooks, with the queue position and cross-tab flag

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

    // Stands in for the display windows, which record what they were asked to show.
    void attachDisplays(bool ideological = true, bool usMap = true)
    {
        const auto display = [this](const QString &kind) {
            return [this, kind] {
                started.append(kind + QLatin1Char(' ') + QString::number(tree.session.queue.currentQueuePos()) +
                               (tree.session.crossTabRequested ? QStringLiteral(" crosstab") : QString()));
            };
        };
        if (ideological)
            QObject::connect(window.get(), &frmViewCalls::ideologicalRequested, display(QStringLiteral("ideological")));
        if (usMap)
            QObject::connect(window.get(), &frmViewCalls::usMapRequested, display(QStringLiteral("usmap")));
        window->updateCommands();
    }

    void select(const QList<int> &rows) const
    {
        QListWidget *list = window->lstRollCalls;
        list->clearSelection();
        for (int row : rows)
            list->item(row)->setSelected(true);
        if (!rows.isEmpty())
            list->setCurrentRow(rows.constFirst(), QItemSelectionModel::NoUpdate);
    }

    void clickRow(QListWidget *list, int row) const
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
};

// The bytes of one bookmark record, laid out field by field.
QByteArray BookmarkRecord(char chamber, qint16 congress, qint16 rollCall, const QDate &date, const QString &description,
                          qint16 yeas, qint16 nays, bool last)
{
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.setFloatingPointPrecision(QDataStream::DoublePrecision);
    s << qint8(chamber) << congress << rollCall << qint16(7) << double(QDate(1899, 12, 30).daysTo(date));
    s.writeRawData(description.leftJustified(60, QLatin1Char(' '), true).toLatin1().constData(), 60);
    s << yeas << nays << qint16(last ? -1 : 0);
    out.append(QByteArray(87 - out.size(), '\0'));
    return out;
}

} // namespace

class tst_searchlist : public QObject {
    Q_OBJECT

    // Data trees are written through files synced to disk; rows that only look share one list.
    std::unique_ptr<List> m_shared;
    List &shared()
    {
        if (!m_shared)
            m_shared = std::make_unique<List>();
        return *m_shared;
    }

private slots:
    void cleanupTestCase() { m_shared.reset(); }
    void opensWithTheSearchResult();
    void clickShowsRollCall();
    void addRemoveClear();
    void keysAddAndRemove();
    void startNeedsQueueAndDisplay();
    void crossTabAtExactlyTwo();
    void displayChoice();
    void usMapNeedsMapFiles_data();
    void usMapNeedsMapFiles();
    void attachmentsOfOneCongress();
    void quickEntry_data();
    void quickEntry();
    void smallScreenLines();
    void spreadsheetOfQueue();
    void bookmarkSaveAndAppend();
    void bookmarkMakesUserFolder();
    void keywordNarrowsList();
    void quickInfo_data();
    void quickInfo();
    void quickInfoOfSecondCongress();
};

void tst_searchlist::opensWithTheSearchResult()
{
    SearchTree tree;
    tree.session.selectedCongresses = {97};
    RunSearch(tree.session, {});
    // A queue left from an earlier list is emptied.
    tree.session.queue.add({1, 1, QStringLiteral("old")});
    tree.session.crossTabRequested = true;
    frmKeyword keyword(tree.services);
    frmViewCalls w(tree.session, tree.services, keyword);
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral("View Matching Roll Calls"));
    QCOMPARE(Lines(w.lstRollCalls), kLines97);
    QCOMPARE(w.lblMatches->text(), QStringLiteral("5"));
    QCOMPARE(w.lblTotalSel->text(), QStringLiteral("0"));
    QCOMPARE(w.lstSelected->count(), 0);
    QCOMPARE(tree.session.queue.length(), 0);
    QVERIFY(!tree.session.crossTabRequested);
    QCOMPARE(w.lblRollCall->text(), QStringLiteral("(none)"));
    QCOMPARE(w.lblDate->text(), QString());
    QCOMPARE(w.btnAmount->text(), QStringLiteral("Single"));
    QVERIFY(w.mnuSingle->isChecked());
    // The preferences choose the ideological map.
    QCOMPARE(w.btnMap->text(), QStringLiteral("Ideology"));
    QVERIFY(w.mnuIdeological->isChecked());
    for (QWidget *b : std::initializer_list<QWidget *>{w.btnTrack, w.btnRating, w.btnRemove, w.btnClear, w.btnCrossTab,
                                                       w.btnSpreadsheet})
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    QVERIFY(!w.mnuSpreadsheet->isEnabled());
    QVERIFY(w.btnAdd->isEnabled());
    QVERIFY(w.btnAll->isEnabled());
    QVERIFY(w.btnKeyword->isEnabled());
    QVERIFY(w.btnBookmark->isEnabled());
    QVERIFY(w.lstRollCalls->hasFocus() || !w.isActiveWindow());
    // Wide enough for both lists, but no wider than 80 % of the screen: longer lines scroll.
    QVERIFY(w.frameGeometry().width() <= w.screen()->availableGeometry().width());
    QVERIFY(w.lstRollCalls->width() >= w.lstRollCalls->fontMetrics().horizontalAdvance(kLines97.at(2)));
    SaveScreenshot(&w, QStringLiteral("search_frmViewCalls_open"));
}

void tst_searchlist::clickShowsRollCall()
{
    List l;
    l.clickRow(l.window->lstRollCalls, 2);
    // The ampersand is shown as it stands, not taken as a keyboard marker.
    QCOMPARE(l.window->lblRollCall->text(), QStringLiteral("BUDGET & APPROPRIATIONS"));
    QCOMPARE(l.window->lblRollCall->textFormat(), Qt::PlainText);
    QVERIFY(!l.window->lblRollCall->buddy());
    QCOMPARE(l.window->lblDate->text(), QStringLiteral("House #97 Roll Call #3  ") + ShortDate(1981, 3, 3));
    QCOMPARE(l.tree.services.beeps, 0);

    // Add with nothing highlighted beeps and changes nothing.
    l.window->lstRollCalls->clearSelection();
    QTest::mouseClick(l.window->btnAdd, Qt::LeftButton);
    QCOMPARE(l.tree.services.beeps, 1);
    QCOMPARE(l.tree.session.queue.length(), 0);
}

void tst_searchlist::addRemoveClear()
{
    List l;
    frmViewCalls &w = *l.window;
    // Rows 4 and 2 highlighted: added in list order.
    l.select({3, 1});
    QTest::mouseClick(w.btnAdd, Qt::LeftButton);
    QCOMPARE(Lines(w.lstSelected), (QStringList{kLines97[1], kLines97[3]}));
    QCOMPARE(l.tree.session.queue.rows(), (QList<int>{2, 4}));
    QCOMPARE(l.tree.session.queue.rollCalls(), (QList<int>{2, 4}));
    QCOMPARE(w.lblTotalSel->text(), QStringLiteral("2"));
    QCOMPARE(w.lblRollCall->text(), QStringLiteral("ELECT SPEAKER"));
    for (QWidget *b : std::initializer_list<QWidget *>{w.btnRemove, w.btnClear, w.btnSpreadsheet})
        QVERIFY(b->isEnabled());

    // The same roll call twice gives two entries; removing one keeps the other.
    l.select({1});
    QTest::mouseClick(w.btnAdd, Qt::LeftButton);
    QCOMPARE(l.tree.session.queue.rows(), (QList<int>{2, 4, 2}));
    w.lstSelected->setCurrentRow(0);
    QTest::mouseClick(w.btnRemove, Qt::LeftButton);
    QCOMPARE(Lines(w.lstSelected), (QStringList{kLines97[3], kLines97[1]}));
    QCOMPARE(l.tree.session.queue.rows(), (QList<int>{4, 2}));
    QCOMPARE(w.lblTotalSel->text(), QStringLiteral("2"));
    SaveScreenshot(&w, QStringLiteral("search_frmViewCalls_queue"));

    // Select All replaces the queue with every row.
    QTest::mouseClick(w.btnAll, Qt::LeftButton);
    QCOMPARE(Lines(w.lstSelected), kLines97);
    QCOMPARE(l.tree.session.queue.rows(), (QList<int>{1, 2, 3, 4, 5}));
    QCOMPARE(w.lblTotalSel->text(), QStringLiteral("5"));
    QCOMPARE(w.lblRollCall->text(), QStringLiteral("(none)"));
    QCOMPARE(w.lblDate->text(), QString());

    QTest::mouseClick(w.btnClear, Qt::LeftButton);
    QCOMPARE(w.lstSelected->count(), 0);
    QCOMPARE(l.tree.session.queue.length(), 0);
    QCOMPARE(w.lblTotalSel->text(), QStringLiteral("0"));
    for (QWidget *b : std::initializer_list<QWidget *>{w.btnRemove, w.btnClear, w.btnSpreadsheet, w.btnCrossTab})
        QVERIFY(!b->isEnabled());
    QVERIFY(!w.mnuSpreadsheet->isEnabled());
}

void tst_searchlist::keysAddAndRemove()
{
    List l;
    frmViewCalls &w = *l.window;
    w.lstRollCalls->setFocus();
    w.lstRollCalls->setCurrentRow(4);
    QTest::keyClick(w.lstRollCalls, Qt::Key_Space);
    l.clickRow(w.lstRollCalls, 0);
    QTest::mouseDClick(w.lstRollCalls->viewport(), Qt::LeftButton, {},
                       w.lstRollCalls->visualItemRect(w.lstRollCalls->item(0)).center());
    QCOMPARE(Lines(w.lstSelected), (QStringList{kLines97[4], kLines97[0]}));
    QCOMPARE(l.tree.session.queue.rollCalls(), (QList<int>{5, 1}));

    // Delete and Backspace in the queue remove the highlighted entry.
    w.lstSelected->setCurrentRow(0);
    QTest::keyClick(w.lstSelected, Qt::Key_Delete);
    QCOMPARE(Lines(w.lstSelected), QStringList{kLines97[0]});
    w.lstSelected->setCurrentRow(0);
    QTest::keyClick(w.lstSelected, Qt::Key_Backspace);
    QCOMPARE(w.lstSelected->count(), 0);
    QCOMPARE(w.lblTotalSel->text(), QStringLiteral("0"));
    // Nothing highlighted: nothing happens.
    QTest::keyClick(w.lstSelected, Qt::Key_Delete);
    QCOMPARE(l.tree.session.queue.length(), 0);
}

void tst_searchlist::startNeedsQueueAndDisplay()
{
    List l;
    frmViewCalls &w = *l.window;
    // No display window yet: Start and the display choice are not offered.
    for (QWidget *b : std::initializer_list<QWidget *>{w.btnStart, w.btnMap, w.btnAmount, w.btnCrossTab})
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    for (QAction *a : {w.mnuIdeological, w.mnuUS, w.mnuSingle, w.mnuDouble, w.mnuCrossTab})
        QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));

    l.attachDisplays(true, false);
    QVERIFY(w.btnStart->isEnabled());
    QTest::mouseClick(w.btnStart, Qt::LeftButton);
    QCOMPARE(l.tree.services.errorTexts(), QStringList{"You must select at least one roll call to view."});
    QVERIFY(l.started.isEmpty());

    l.select({2, 3});
    QTest::mouseClick(w.btnAdd, Qt::LeftButton);
    QTest::mouseClick(w.btnStart, Qt::LeftButton);
    QCOMPARE(l.started, QStringList{"ideological 1"});
    QCOMPARE(l.tree.session.queue.currentQueuePos(), 1);
}

void tst_searchlist::crossTabAtExactlyTwo()
{
    List l;
    frmViewCalls &w = *l.window;
    l.attachDisplays();
    const auto add = [&](int row) {
        l.select({row});
        QTest::mouseClick(w.btnAdd, Qt::LeftButton);
    };
    add(0);
    QVERIFY(!w.btnCrossTab->isEnabled());
    add(1);
    QVERIFY(w.btnCrossTab->isEnabled());
    QVERIFY(w.mnuCrossTab->isEnabled());
    add(2);
    QVERIFY(!w.btnCrossTab->isEnabled());
    QVERIFY(!w.mnuCrossTab->isEnabled());
    w.lstSelected->setCurrentRow(2);
    QTest::mouseClick(w.btnRemove, Qt::LeftButton);
    QVERIFY(w.btnCrossTab->isEnabled());

    QTest::mouseClick(w.btnCrossTab, Qt::LeftButton);
    QCOMPARE(l.started, QStringList{"ideological 1 crosstab"});
    QVERIFY(w.mnuCrossTab->isChecked());
    QVERIFY(l.tree.session.crossTabRequested);
}

void tst_searchlist::displayChoice()
{
    List l;
    l.tree.tree.writeRaw(QStringLiteral("main/map.dat"), "m");
    l.tree.tree.writeRaw(QStringLiteral("main/mapindex.dat"), "i");
    l.tree.tree.writeRaw(QStringLiteral("house/97.cds"), "c");
    l.open();
    frmViewCalls &w = *l.window;
    l.attachDisplays();
    QVERIFY(w.btnMap->isEnabled());
    QTest::mouseClick(w.btnMap, Qt::LeftButton);
    QCOMPARE(w.btnMap->text(), QStringLiteral("US"));
    QVERIFY(w.mnuUS->isChecked());
    QVERIFY(!w.mnuIdeological->isChecked());
    QTest::mouseClick(w.btnMap, Qt::LeftButton);
    QCOMPARE(w.btnMap->text(), QStringLiteral("Ideology"));
    QVERIFY(w.mnuIdeological->isChecked());
    w.mnuUS->trigger();
    QCOMPARE(w.btnMap->text(), QStringLiteral("US"));

    QTest::mouseClick(w.btnAmount, Qt::LeftButton);
    QCOMPARE(w.btnAmount->text(), QStringLiteral("Double"));
    QVERIFY(w.mnuDouble->isChecked());
    QVERIFY(!w.mnuSingle->isChecked());
    w.mnuSingle->trigger();
    QCOMPARE(w.btnAmount->text(), QStringLiteral("Single"));

    // Start shows the chosen display.
    QTest::mouseClick(w.btnAll, Qt::LeftButton);
    QTest::mouseClick(w.btnStart, Qt::LeftButton);
    QCOMPARE(l.started, QStringList{"usmap 1"});
}

void tst_searchlist::usMapNeedsMapFiles_data()
{
    QTest::addColumn<int>("congress");
    QTest::addColumn<bool>("mapFiles");
    QTest::addColumn<bool>("districtFile");
    QTest::addColumn<bool>("usMap");
    QTest::newRow("no map files") << 97 << false << true << false;
    QTest::newRow("102nd without .cds") << 102 << true << false << false;
    QTest::newRow("102nd with .cds") << 102 << true << true << true;
    QTest::newRow("103rd without .cds") << 103 << true << false << true;
}

void tst_searchlist::usMapNeedsMapFiles()
{
    QFETCH(int, congress);
    QFETCH(bool, mapFiles);
    QFETCH(bool, districtFile);
    QFETCH(bool, usMap);
    SearchTree tree(true);
    // The US map is the preferred display.
    Preferences prefs = tree.session.Preferences;
    prefs.setDisplayKind(QLatin1Char('u'));
    tree.session.Preferences = prefs;
    if (mapFiles) {
        tree.tree.writeRaw(QStringLiteral("main/map.dat"), "m");
        tree.tree.writeRaw(QStringLiteral("main/mapindex.dat"), "i");
    }
    if (districtFile)
        tree.tree.writeRaw(QStringLiteral("house/%1.cds").arg(congress), "c");
    tree.session.selectedCongresses = {congress};
    tree.session.MatchTable.append({1, QStringLiteral("ONE"), {}, 1, 1, qint16(congress)});
    frmKeyword keyword(tree.services);
    frmViewCalls w(tree.session, tree.services, keyword);
    connect(&w, &frmViewCalls::ideologicalRequested, this, [] {});
    connect(&w, &frmViewCalls::usMapRequested, this, [] {});
    w.updateCommands();
    QCOMPARE(w.mnuUS->isEnabled(), usMap);
    QCOMPARE(w.btnMap->isEnabled(), usMap);
    QCOMPARE(w.mnuUS->isChecked(), usMap);
    QCOMPARE(w.mnuIdeological->isChecked(), !usMap);
    QCOMPARE(w.btnMap->text(), usMap ? QStringLiteral("US") : QStringLiteral("Ideology"));
}

void tst_searchlist::attachmentsOfOneCongress()
{
    List l({97});
    l.tree.tree.writeRaw(QStringLiteral("house/97.txt"), "notes");
    l.tree.tree.writeRaw(QStringLiteral("house/97.wav"), "RIFF");
    l.open();
    int opened = 0;
    for (auto request : {&frmViewCalls::textAttachmentRequested, &frmViewCalls::pictureAttachmentRequested,
                         &frmViewCalls::audioAttachmentRequested})
        connect(l.window.get(), request, this, [&opened] { ++opened; });
    l.window->updateCommands();
    QVERIFY(l.window->mnuText->isEnabled());
    QVERIFY(l.window->mnuAudio->isEnabled());
    QVERIFY(!l.window->mnuPicture->isEnabled());
    l.window->mnuText->trigger();
    QCOMPARE(opened, 1);

    // Two congresses searched: no congress attachments.
    List two({97, 98});
    two.tree.tree.writeRaw(QStringLiteral("house/97.txt"), "notes");
    two.open();
    connect(two.window.get(), &frmViewCalls::textAttachmentRequested, this, [] {});
    two.window->updateCommands();
    QVERIFY(!two.window->mnuText->isEnabled());
    QCOMPARE(Lines(two.window->lstRollCalls).size(), 7);
}

void tst_searchlist::quickEntry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("after");
    QTest::newRow("3") << "3" << 2 << "3";
    QTest::newRow("leading zeros") << "004" << 3 << "4";
    QTest::newRow("0") << "0" << 0 << "0";
    QTest::newRow("beyond the list") << "6" << 0 << "6";
    QTest::newRow("letters refused") << "x" << 0 << "";
}

void tst_searchlist::quickEntry()
{
    QFETCH(QString, typed);
    QFETCH(int, row);
    QFETCH(QString, after);
    List &l = shared();
    QListWidget *list = l.window->lstRollCalls;
    list->setCurrentRow(0);
    l.window->mtxQuick->clear();
    QTest::keyClicks(l.window->mtxQuick, typed);
    QTest::keyClick(l.window->mtxQuick, Qt::Key_Space);
    QCOMPARE(list->currentRow(), row);
    QCOMPARE(l.window->mtxQuick->text(), after);
    if (row > 0) {
        QVERIFY(list->item(row)->isSelected());
        QCOMPARE(l.window->lblRollCall->text(), l.tree.session.MatchTable.row(row + 1).description);
    }
}

void tst_searchlist::smallScreenLines()
{
    List l({97}, true);
    frmViewCalls &w = *l.window;
    QCOMPARE(Lines(w.lstRollCalls).constFirst(), QStringLiteral("TO PASS H.R. 1 TAX CUT"));
    QCOMPARE(w.lstRollCalls->font().pointSize(), 7);
    l.select({2});
    QTest::mouseClick(w.btnAdd, Qt::LeftButton);
    QCOMPARE(Lines(w.lstSelected), QStringList{"BUDGET & APPROPRIATIONS"});
    // Select All always queues the long lines.
    QTest::mouseClick(w.btnAll, Qt::LeftButton);
    QCOMPARE(Lines(w.lstSelected), kLines97);
    QVERIFY(w.width() <= 640);
    SaveScreenshot(&w, QStringLiteral("search_frmViewCalls_small"));
}

void tst_searchlist::spreadsheetOfQueue()
{
    List l;
    frmViewCalls &w = *l.window;
    l.select({0, 2});
    QTest::mouseClick(w.btnAdd, Qt::LeftButton);
    const QString file = l.tree.tree.path(QStringLiteral("queue.prn"));
    l.tree.services.fileNames.enqueue(file);
    QTest::mouseClick(w.btnSpreadsheet, Qt::LeftButton);

    QCOMPARE(l.tree.services.fileDialogs.size(), 1);
    const RecordingServices::FileDialogCall &call = l.tree.services.fileDialogs.constFirst();
    QVERIFY(call.save);
    QCOMPARE(call.caption, QStringLiteral("Rollscan Spreadsheet Output"));
    QCOMPARE(call.filters, (QStringList{"All Files (*.*)", "Spreadsheet Files (*.prn)", "CSV for analysis (*.csv)"}));
    QCOMPARE(call.defaultSuffix, QStringLiteral("PRN"));
    QCOMPARE(l.tree.services.waitInfos, QStringList{"Saving, please wait..."});
    QCOMPARE(l.tree.services.waitHidden, 1);
    const QByteArray expected =
        "January 5, 1981: Roll Call #1\r\nTO PASS H.R. 1 TAX CUT\r\nHouse #97, 1981-1982\r\n\r\n"
        "March 3, 1981: Roll Call #3\r\nBUDGET & APPROPRIATIONS\r\nHouse #97, 1981-1982\r\n\r\n"
        "\"H#\",\"ID1\",\"ID2\",\"SC\",\"CD\",\"STATE\",\"PARTY\",\"NAME\",\"XCOORD\",\"YCOORD\",\"RC#\",\"VOTE\"\r\n"
        "97,1001,0,1,1,\"CONNECTICUT\",100,\"ADAMS       \", .100, .200,1,1,3,1\r\n"
        "97,1002,0,41,2,\"ALABAMA\",200,\"SMITH  JOHN \", .123,-.456,1,6,3,6\r\n";
    QCOMPARE(ReadWholeFile(file), expected);
    QCOMPARE(l.tree.services.messages.size(), 1);
    QCOMPARE(l.tree.services.lastMessage().text,
             QStringLiteral("Output operation was successful. ") + QChar(13) + QStringLiteral("File saved as ") + file);
    QCOMPARE(l.tree.services.lastMessage().title, QStringLiteral("Rollscan Output"));
}

void tst_searchlist::bookmarkSaveAndAppend()
{
    List l;
    frmViewCalls &w = *l.window;
    l.select({3, 0});
    QTest::mouseClick(w.btnAdd, Qt::LeftButton);
    const QString file = l.tree.tree.path(QStringLiteral("user/marks.bmk"));
    l.tree.services.fileNames.enqueue(file);
    QTest::mouseClick(w.btnBookmark, Qt::LeftButton);
    const RecordingServices::FileDialogCall &call = l.tree.services.fileDialogs.constLast();
    QVERIFY(call.save);
    QCOMPARE(call.caption, QStringLiteral("Save Bookmarks"));
    QCOMPARE(call.filters, (QStringList{"All Files (*.*)", "Bookmark Files (*.bmk)"}));
    QCOMPARE(call.defaultSuffix, QStringLiteral("BMK"));
    QCOMPARE(call.folder, l.tree.session.userDir);
    QVERIFY(call.appending);
    const QByteArray one = BookmarkRecord('h', 97, 1, QDate(1981, 1, 5), "TO PASS H.R. 1 TAX CUT", 234, 190, false);
    const QByteArray four = BookmarkRecord('h', 97, 4, QDate(1981, 4, 1), "ELECT SPEAKER", 220, 200, true);
    QCOMPARE(ReadWholeFile(file), one + four);
    QCOMPARE(l.tree.services.lastMessage().title, QStringLiteral("Rollscan Output"));

    // Appending three more: five records, the flag only on the last.
    QTest::mouseClick(w.btnClear, Qt::LeftButton);
    l.select({1, 2, 4});
    QTest::mouseClick(w.btnAdd, Qt::LeftButton);
    l.tree.services.fileNames.enqueue(file);
    QTest::mouseClick(w.btnBookmark, Qt::LeftButton);
    const QByteArray fourNotLast = BookmarkRecord('h', 97, 4, QDate(1981, 4, 1), "ELECT SPEAKER", 220, 200, false);
    const QByteArray expected =
        one + fourNotLast + BookmarkRecord('h', 97, 2, QDate(1981, 2, 10), "Tax cut amendment", 200, 210, false) +
        BookmarkRecord('h', 97, 3, QDate(1981, 3, 3), "BUDGET & APPROPRIATIONS", 300, 101, false) +
        BookmarkRecord('h', 97, 5, QDate(1981, 5, 6), "FOREIGN AID", 150, 250, true);
    QCOMPARE(ReadWholeFile(file), expected);

    // Cancelled: nothing written, nothing said.
    const int messages = int(l.tree.services.messages.size());
    QTest::mouseClick(w.btnBookmark, Qt::LeftButton);
    QCOMPARE(ReadWholeFile(file), expected);
    QCOMPARE(l.tree.services.messages.size(), messages);
}

void tst_searchlist::bookmarkMakesUserFolder()
{
    List l({97});
    QVERIFY(QDir(l.tree.tree.path(QStringLiteral("user"))).removeRecursively());
    l.tree.session.senateList.clear();
    // A Senate queue writes "s" in every record.
    l.tree.session.isHouse = false;
    l.tree.session.selectedCongresses = {97};
    RunSearch(l.tree.session, {});
    l.open();
    QTest::mouseClick(l.window->btnAll, Qt::LeftButton);
    const QString folder = l.tree.tree.path(QStringLiteral("User"));
    l.tree.services.fileNames.enqueue(folder + QStringLiteral("/senate.bmk"));
    QTest::mouseClick(l.window->btnBookmark, Qt::LeftButton);
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(l.tree.services.fileDialogs.constLast().folder, folder);
    const QByteArray bytes = ReadWholeFile(folder + QStringLiteral("/senate.bmk"));
    QCOMPARE(bytes.size(), 2 * 87);
    QCOMPARE(bytes.at(0), 's');
    QCOMPARE(bytes.at(87), 's');
}

void tst_searchlist::keywordNarrowsList()
{
    List l({97, 98});
    frmViewCalls &w = *l.window;
    // Queue: rows 2 (lower-case tax), 5 (FOREIGN AID, TAX in a heading field), 7 (TAX REFORM).
    l.select({1, 4, 6});
    QTest::mouseClick(w.btnAdd, Qt::LeftButton);
    l.clickRow(w.lstRollCalls, 3);
    OnNextModal([](QWidget *modal) {
        auto *dialog = qobject_cast<frmKeyword *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        dialog->txtKeyword->setText(QStringLiteral("tax"));
        QTest::keyClick(dialog->txtKeyword, Qt::Key_Return);
    });
    QTest::mouseClick(w.btnKeyword, Qt::LeftButton);
    QCOMPARE(Lines(w.lstRollCalls),
             (QStringList{"234-190\tTO PASS H.R. 1 TAX CUT", "150-250\tFOREIGN AID", "310-95\tTAX REFORM"}));
    QCOMPARE(w.lblMatches->text(), QStringLiteral("3"));
    QCOMPARE(w.lblRollCall->text(), QStringLiteral("(none)"));
    QCOMPARE(w.lblDate->text(), QString());
    // Entries of dropped roll calls leave the queue; the others follow their rows.
    QCOMPARE(Lines(w.lstSelected), (QStringList{"150-250\tFOREIGN AID", "310-95\tTAX REFORM"}));
    QCOMPARE(l.tree.session.queue.rows(), (QList<int>{2, 3}));
    QCOMPARE(w.lblTotalSel->text(), QStringLiteral("2"));
    QCOMPARE(l.tree.services.waitInfos, QStringList{"Calculating, please wait..."});
    QCOMPARE(l.tree.services.waitHidden, 1);
    QCOMPARE(l.tree.session.currentCongress, 98);
}

void tst_searchlist::quickInfo_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("scrolling");
    QTest::addColumn<QString>("text");
    QTest::newRow("parentheses removed") << 0
                                         << QStringList{"HR1          ", "PASSED     ", "BILL   ", "FINAL   ",
                                                        "ROSTENKOWSKI       "}
                                         << false << "To pass the tax cut bill.";
    QTest::newRow("470 scrolls") << 2
                                 << QStringList{"             ", "           ", "       ", "        ",
                                                "                   "}
                                 << true << LongText(470);
    QTest::newRow("469 plain") << 4
                               << QStringList{"HR9          ", "FAILED     ", "BILL   ", "AMEND   ",
                                              "INCOME TAX         "}
                               << false << LongText(469);
}

void tst_searchlist::quickInfo()
{
    QFETCH(int, row);
    QFETCH(QStringList, fields);
    QFETCH(bool, scrolling);
    QFETCH(QString, text);
    List &l = shared();
    QListWidget *list = l.window->lstRollCalls;
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mousePress(list->viewport(), Qt::RightButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, at);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &menu);

    frmQuickInfo *info = l.window->quickInfo();
    QVERIFY(info);
    QVERIFY(info->isVisible());
    QCOMPARE(info->windowTitle(), QStringLiteral("Quick Roll Call Information"));
    QCOMPARE(info->fraDetails->title(), QStringLiteral("Details"));
    QCOMPARE((QStringList{info->lblGField->text(), info->lblJField->text(), info->lblType->text(),
                          info->lblHField->text(), info->lblLegislator->text()}),
             fields);
    QCOMPARE(info->txtDetailsSB->isVisible(), scrolling);
    QCOMPARE(info->txtDetails->isVisible(), !scrolling);
    QCOMPARE((scrolling ? info->txtDetailsSB : info->txtDetails)->toPlainText(), text);
    SaveScreenshot(info, QStringLiteral("search_frmQuickInfo_%1").arg(row + 1));

    // Done puts the plain box back and closes the window.
    QPointer<frmQuickInfo> guard(info);
    QTest::mouseClick(info->btnOK, Qt::LeftButton);
    QVERIFY(!info->isVisible() || guard.isNull());
    if (guard) {
        QVERIFY(!guard->txtDetailsSB->isVisibleTo(guard));
        QVERIFY(guard->txtDetails->isVisibleTo(guard));
    }
    QTRY_VERIFY(guard.isNull());
}

void tst_searchlist::quickInfoOfSecondCongress()
{
    // The description comes from the files of the row's own congress, not of the last one searched.
    List l({98, 97});
    QCOMPARE(l.tree.session.currentCongress, 97);
    l.window->lstRollCalls->setCurrentRow(1);
    l.window->showQuickInfo();
    QVERIFY(l.window->quickInfo());
    QCOMPARE(l.window->quickInfo()->txtDetails->toPlainText(), QStringLiteral("TAX REFORM"));
    QVERIFY(l.tree.services.messages.isEmpty());

    // Without a current row: a beep, no window.
    List none;
    none.window->lstRollCalls->setCurrentRow(-1);
    none.window->showQuickInfo();
    QCOMPARE(none.tree.services.beeps, 1);
    QVERIFY(!none.window->quickInfo());
}

QTEST_MAIN(tst_searchlist)
#include "tst_searchlist.moc"
