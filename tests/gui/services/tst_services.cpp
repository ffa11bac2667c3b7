#include "support/GuiTestSupport.h"

#include "core/data/FileError.h"
#include "gui/services/FolderMemory.h"
#include "gui/services/HelpWindow.h"
#include "gui/services/QtServices.h"
#include "gui/services/Services.h"
#include "gui/services/WaitGuard.h"
#include "gui/services/WaitProgress.h"
#include "gui/services/WindowTools.h"
#include "gui/services/frmWait.h"
#include "support/RecordingServices.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace rollscan;
using rollscan::test::OnNextModal;
using rollscan::test::SaveScreenshot;

class tst_services : public QObject {
    Q_OBJECT

private slots:
    void fileErrorSentence_data();
    void fileErrorSentence();
    void fileErrorNamesTheFile();
    void damagedFileReport_data();
    void damagedFileReport();
    void dialogsRememberTheirFolder();
    void reportSaved();
    void showMessageHasNoIcon();
    void confirmQuit_data();
    void confirmQuit();

    void messageBoxes_data();
    void messageBoxes();
    void questionBox_data();
    void questionBox();
    void fileDialog_data();
    void fileDialog();

    void waitWindow();
    void waitWindowClampsPercent_data();
    void waitWindowClampsPercent();
    void recordedWaitCalls();
    void errorReportAfterWait_data();
    void errorReportAfterWait();
    void waitGuardHiddenEarly();

    void helpWindowTopics_data();
    void helpWindowTopics();
    void helpAddressOpensInHelpWindow();
    void helpLinksStayInHelpWindow();

    void isFormLoaded_data();
    void isFormLoaded();
    void listScrollExtent_data();
    void listScrollExtent();
    void fitListScrollNarrowList();
    void fitListScrollWideList();
    void blueGradient_data();
    void blueGradient();
};

// ---- the shared reports -------------------------------------------------------------------

void tst_services::fileErrorSentence_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("52") << 52 << "That file name is illegal or doesn't exist.";
    QTest::newRow("53") << 53 << "That file doesn't exist.";
    QTest::newRow("54") << 54 << "Can't open your file for that type of access.";
    QTest::newRow("55") << 55 << "This file is already open.";
    QTest::newRow("57") << 57 << "Internal disk error.";
    QTest::newRow("61") << 61 << "Disk is full. Free some room and try again.";
    QTest::newRow("62 one sentence")
        << 62
        << "This file has a non-standard end-of-file marker, or an attempt was made to read beyound the end-of-file "
           "marker.";
    QTest::newRow("64") << 64 << "That file name is illegal or doesn't exist.";
    QTest::newRow("68") << 68 << "That drive is not available.";
    QTest::newRow("71") << 71 << "Insert a disk in the drive and close the door.";
    QTest::newRow("76") << 76 << "That path doesn't exist.";
    // Every number core raises has words of its own; only numbers nothing raises fall back.
    QTest::newRow("70") << 70 << "You don't have permission to use that file.";
    QTest::newRow("75") << 75 << "That file or folder can't be used.";
    QTest::newRow("321") << 321 << "That file is damaged or is not a Rollscan data file.";
    QTest::newRow("322") << 322 << "That file is not a bookmark file.";
    QTest::newRow("99 unlisted") << 99
                                 << "Unrecognized error #99 (Application-defined or object-defined error) has "
                                    "occurred.";
}

void tst_services::fileErrorSentence()
{
    QFETCH(int, number);
    QFETCH(QString, text);
    RecordingServices services;
    ReportFileError(services, nullptr, FileError(number, QString()));
    QCOMPARE(services.messages.size(), 1);
    QCOMPARE(services.lastMessage().text.section(QStringLiteral("\n\n"), 0, 0), text);
    QCOMPARE(services.lastMessage().title, QStringLiteral("Rollscan Error"));
    QCOMPARE(services.lastMessage().icon, Services::Icon::Exclamation);
    QCOMPARE(services.beeps, 1);
    QCOMPARE(services.log.first(), QStringLiteral("beep")); // the beep sounds before the box
}

void tst_services::fileErrorNamesTheFile()
{
    RecordingServices services;
    ReportFileError(services, nullptr, FileError(53, QStringLiteral("/data/house/97.rif")));
    QCOMPARE(services.lastMessage().text, QStringLiteral("That file doesn't exist.\n\n") +
                                              QDir::toNativeSeparators(QStringLiteral("/data/house/97.rif")));
}

void tst_services::damagedFileReport_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("below");
    QTest::newRow("short file") << 62 << "Input past end of file (4 bytes at offset 96 of 98)"
                                << "The file ends before the data it should hold: it is damaged or was cut short.\n"
                                   "Detail: Input past end of file (4 bytes at offset 96 of 98)";
    QTest::newRow("bad value")
        << 321 << "Negative roll-call count -3"
        << "A value in the file is not one Rollscan can read.\nDetail: Negative roll-call count -3";
    QTest::newRow("not a bookmark") << 322 << "Bookmark at byte 0 has a date of unknown type 25972"
                                    << "Detail: Bookmark at byte 0 has a date of unknown type 25972";
    QTest::newRow("plain missing file") << 53 << ""
                                        << "";
}

void tst_services::damagedFileReport()
{
    QFETCH(int, number);
    QFETCH(QString, detail);
    QFETCH(QString, below);
    RecordingServices services;
    const QString path = QStringLiteral("/data/house/97.rif");
    ReportFileError(services, nullptr, FileError(number, path, detail));
    QString expected = FileErrorSentence(number, {}) + QStringLiteral("\n\n") + QDir::toNativeSeparators(path);
    if (!below.isEmpty())
        expected += QLatin1Char('\n') + below;
    QCOMPARE(services.lastMessage().text, expected);
}

void tst_services::dialogsRememberTheirFolder()
{
    QTemporaryDir dir;
    const QString reports = dir.filePath(QStringLiteral("reports"));
    const QString pictures = dir.filePath(QStringLiteral("pictures"));
    QDir().mkpath(reports);
    QDir().mkpath(pictures);
    FolderMemory memory;
    const QString work = QStringLiteral("/work");
    QCOMPARE(memory.folderFor(QStringLiteral("Rollscan Disk Output"), QString(), work), work);
    memory.remember(QStringLiteral("Rollscan Disk Output"), reports + QStringLiteral("/a.txt"));
    memory.remember(QStringLiteral("Rollscan Spreadsheet Output"), pictures + QStringLiteral("/b.prn"));
    memory.remember(QStringLiteral("Rollscan Disk Output"), QString()); // cancelled: nothing changes
    QCOMPARE(memory.folderFor(QStringLiteral("Rollscan Disk Output"), QString(), work), reports);
    QCOMPARE(memory.folderFor(QStringLiteral("Rollscan Spreadsheet Output"), QString(), work), pictures);
    // A folder the caller asks for wins; a remembered folder that is gone falls back.
    QCOMPARE(memory.folderFor(QStringLiteral("Rollscan Disk Output"), pictures, work), pictures);
    QVERIFY(QDir(reports).removeRecursively());
    QCOMPARE(memory.folderFor(QStringLiteral("Rollscan Disk Output"), QString(), work), work);
}

void tst_services::reportSaved()
{
    RecordingServices services;
    ReportSaved(services, nullptr, QStringLiteral("C:/out/report.txt"));
    QCOMPARE(services.messages.size(), 1);
    QCOMPARE(services.lastMessage().text,
             QStringLiteral("Output operation was successful. \rFile saved as C:/out/report.txt"));
    QCOMPARE(services.lastMessage().text.at(33).unicode(), ushort(13));
    QCOMPARE(services.lastMessage().title, QStringLiteral("Rollscan Output"));
    QCOMPARE(services.lastMessage().icon, Services::Icon::None);
    QCOMPARE(services.beeps, 0);
}

void tst_services::showMessageHasNoIcon()
{
    RecordingServices services;
    ShowMessage(services, nullptr, QStringLiteral("12 roll calls"), QStringLiteral("Matches"));
    QCOMPARE(services.lastMessage().icon, Services::Icon::None);
    QCOMPARE(services.lastMessage().title, QStringLiteral("Matches"));
}

void tst_services::confirmQuit_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void tst_services::confirmQuit()
{
    QFETCH(bool, answer);
    RecordingServices services;
    services.questionAnswers.enqueue(answer);
    QCOMPARE(ConfirmQuit(services, nullptr), answer);
    QCOMPARE(services.questions.size(), 1);
    QCOMPARE(services.questions.first().text, QStringLiteral("Are you sure you want to quit Rollscan for Windows?"));
    QCOMPARE(services.questions.first().title, QStringLiteral("Rollscan for Windows"));
}

// ---- the real boxes and dialogs -------------------------------------------------------------

void tst_services::messageBoxes_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("boxIcon");
    QTest::newRow("error") << int(Services::Icon::Exclamation) << int(QMessageBox::Warning);
    QTest::newRow("plain") << int(Services::Icon::None) << int(QMessageBox::NoIcon);
    QTest::newRow("information") << int(Services::Icon::Information) << int(QMessageBox::Information);
}

void tst_services::messageBoxes()
{
    QFETCH(int, icon);
    QFETCH(int, boxIcon);
    QtServices services;
    QString seenTitle, seenText;
    int seenIcon = -1;
    QList<QAbstractButton *> buttons;
    OnNextModal([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            modal->close();
            return;
        }
        seenTitle = box->windowTitle();
        seenText = box->text();
        seenIcon = int(box->icon());
        buttons = box->buttons();
        SaveScreenshot(box, QStringLiteral("services_message_") + QTest::currentDataTag());
        box->button(QMessageBox::Ok)->click();
    });
    services.message(nullptr, QStringLiteral("That file doesn't exist."), QStringLiteral("Rollscan Error"),
                     Services::Icon(icon));
    QCOMPARE(seenTitle, QStringLiteral("Rollscan Error"));
    QCOMPARE(seenText, QStringLiteral("That file doesn't exist."));
    QCOMPARE(seenIcon, boxIcon);
    QCOMPARE(buttons.size(), 1);
}

void tst_services::questionBox_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void tst_services::questionBox()
{
    QFETCH(bool, ok);
    QtServices services;
    int seenIcon = -1;
    bool hasOk = false, hasCancel = false;
    OnNextModal([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            modal->close();
            return;
        }
        seenIcon = int(box->icon());
        hasOk = box->button(QMessageBox::Ok);
        hasCancel = box->button(QMessageBox::Cancel);
        if (ok)
            SaveScreenshot(box, QStringLiteral("services_question"));
        box->button(ok ? QMessageBox::Ok : QMessageBox::Cancel)->click();
    });
    const bool answer = ConfirmQuit(services, nullptr);
    QCOMPARE(answer, ok);
    QCOMPARE(seenIcon, int(QMessageBox::Question));
    QVERIFY(hasOk);
    QVERIFY(hasCancel);
}

void tst_services::fileDialog_data()
{
    QTest::addColumn<QStringList>("filters");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expectedFilter");
    QTest::addColumn<QString>("expectedName"); // empty: cancelled
    const QStringList two = {QStringLiteral("All Files (*)"), QStringLiteral("Text Files (*.txt)")};
    QTest::newRow("second filter, suffix added") << two << "report"
                                                 << "Text Files (*.txt)"
                                                 << "report.txt";
    QTest::newRow("own suffix kept") << two << "report.csv"
                                     << "Text Files (*.txt)"
                                     << "report.csv";
    QTest::newRow("single filter") << QStringList{QStringLiteral("Bookmarks (*.bmk)")} << "marks"
                                   << "Bookmarks (*.bmk)"
                                   << "marks.txt";
    QTest::newRow("cancel") << two << ""
                            << "Text Files (*.txt)"
                            << "";
}

void tst_services::fileDialog()
{
    QFETCH(QStringList, filters);
    QFETCH(QString, typed);
    QFETCH(QString, expectedFilter);
    QFETCH(QString, expectedName);
    QTemporaryDir work, elsewhere;
    const QString before = QDir::currentPath();
    QDir::setCurrent(work.path());

    QtServices services;
    QString seenFilter;
    OnNextModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        seenFilter = dialog->selectedNameFilter();
        // Whatever the dialog does to the working directory must be undone afterwards.
        QDir::setCurrent(elsewhere.path());
        if (typed.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(typed);
        // Typed into the name box, as a user would (selectFile() ignores names the filter hides).
        if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            edit->setText(typed);
        static_cast<QDialog *>(dialog)->accept();
        if (dialog->isVisible()) // not accepted: fail below instead of hanging here
            dialog->reject();
    });
    const QString name = services.saveFileName(nullptr, QStringLiteral("Save Report"), filters, QStringLiteral(".txt"));
    const QString after = QDir::currentPath();
    QDir::setCurrent(before);

    QCOMPARE(seenFilter, expectedFilter);
    QCOMPARE(QDir(after).canonicalPath(), QDir(work.path()).canonicalPath());
    if (expectedName.isEmpty())
        QVERIFY(name.isEmpty());
    else
        QCOMPARE(QFileInfo(name).fileName(), expectedName);
}

// ---- wait window ----------------------------------------------------------------------------

void tst_services::waitWindow()
{
    QtServices services;
    frmWait *wait = services.waitWindow();
    QVERIFY(!wait->isVisible());
    QCOMPARE(wait->windowTitle(), QStringLiteral("Rollscan for Windows"));

    services.setWaitNumber(QStringLiteral("99")); // left over from an earlier job
    services.showWait(QStringLiteral("Loading, please wait..."));
    QVERIFY(wait->isVisible());
    QVERIFY(IsFormLoaded(QStringLiteral("frmWait")));
    QCOMPARE(wait->pnlInfo->text(), QStringLiteral("Loading, please wait..."));
    QCOMPARE(wait->pnlNum->text(), QString());
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

    services.setWaitPercent(40);
    services.setWaitNumber(QStringLiteral("17"));
    QCOMPARE(wait->pnlWait->value(), 40);
    QCOMPARE(wait->pnlNum->text(), QStringLiteral("17"));
    QVERIFY(!wait->imgWatch->pixmap().isNull());
    SaveScreenshot(wait, QStringLiteral("services_frmWait"));

    // Shown again while up: still one busy pointer to take away.
    ShowWait(services);
    QCOMPARE(wait->pnlInfo->text(), QStringLiteral("Calculating, please wait..."));
    HideWait(services);
    QVERIFY(!wait->isVisible());
    QCOMPARE(wait->pnlWait->value(), 0);
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(services.waitWindow(), wait); // hidden, not destroyed
}

void tst_services::waitWindowClampsPercent_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("shown");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("100") << 100 << 100;
    QTest::newRow("above") << 250 << 100;
    QTest::newRow("below") << -3 << 0;
}

void tst_services::waitWindowClampsPercent()
{
    QFETCH(int, percent);
    QFETCH(int, shown);
    QtServices services;
    services.showWait(kCalculatingText);
    services.setWaitPercent(percent);
    QCOMPARE(services.waitWindow()->pnlWait->value(), shown);
    services.hideWait();
}

void tst_services::recordedWaitCalls()
{
    RecordingServices services;
    services.showWait(kLoadingText);
    services.setWaitPercent(50);
    services.setWaitNumber(QStringLiteral("3"));
    HideWait(services);
    QCOMPARE(services.log,
             (QStringList{QStringLiteral("showWait: Loading, please wait..."), QStringLiteral("percent: 50"),
                          QStringLiteral("number: 3"), QStringLiteral("hideWait")}));
    QCOMPARE(services.waitPercents, QList<int>{50});
    QVERIFY(!services.waitVisible);
}

// ---- the one error path --------------------------------------------------------------------------

// Whatever the work throws, the wait window it showed is gone before the report, which would
// otherwise sit under it; the window's own wording replaces the sentence only for file errors.
void tst_services::errorReportAfterWait_data()
{
    QTest::addColumn<int>("thrown");
    QTest::addColumn<bool>("ownWording");
    QTest::addColumn<QString>("report");
    QTest::newRow("no error") << 0 << false << QString();
    QTest::newRow("file error") << 1 << false << QStringLiteral("That file doesn't exist.\n\nx.rif");
    QTest::newRow("file error, own wording") << 1 << true << QStringLiteral("An error (53) while drawing");
    QTest::newRow("data error, own wording unused") << 2 << true << QStringLiteral("Roll call 9 is not there.");
    QTest::newRow("unforeseen") << 3 << false << QStringLiteral("bad allocation");
}

void tst_services::errorReportAfterWait()
{
    QFETCH(int, thrown);
    QFETCH(bool, ownWording);
    QFETCH(QString, report);
    RecordingServices services;
    ErrorReporting how;
    if (ownWording)
        how.fileErrorText = [](const FileError &e) {
            return QStringLiteral("An error (%1) while drawing").arg(e.number());
        };
    int afterReports = 0;
    how.afterReport = [&](const std::exception &) { ++afterReports; };
    const bool done = RunReportingErrors(
        services, nullptr,
        [&] {
            const WaitGuard wait(services, kLoadingText);
            if (thrown == 1)
                throw FileError(53, QStringLiteral("x.rif"));
            if (thrown == 2)
                throw DataError(QStringLiteral("Roll call 9 is not there."));
            if (thrown == 3)
                throw std::runtime_error("bad allocation");
        },
        how);
    QCOMPARE(done, thrown == 0);
    QCOMPARE(services.waitShown, 1);
    QCOMPARE(services.waitHidden, 1);
    QVERIFY(!services.waitVisible);
    QCOMPARE(services.log.at(1), QStringLiteral("hideWait"));
    QCOMPARE(afterReports, thrown == 0 ? 0 : 1);
    if (report.isEmpty()) {
        QCOMPARE(services.messages.size(), 0);
        return;
    }
    QCOMPARE(services.messages.size(), 1);
    QCOMPARE(services.lastMessage().text, report);
}

// A guard ended early hides the window once, not again when its scope ends.
void tst_services::waitGuardHiddenEarly()
{
    RecordingServices services;
    {
        WaitGuard wait(services);
        wait.hide();
        QVERIFY(!services.waitVisible);
        services.setWaitPercent(10);
    }
    QCOMPARE(services.log, (QStringList{QStringLiteral("showWait: Calculating, please wait..."),
                                        QStringLiteral("hideWait"), QStringLiteral("percent: 10")}));
}

// ---- help -----------------------------------------------------------------------------------

void tst_services::helpWindowTopics_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("heading");
    QTest::newRow("main window") << "frmVoteStartup"
                                 << "qrc:/help/frmVoteStartup.html"
                                 << "The main window";
    QTest::newRow("contents") << "index"
                              << "qrc:/help/index.html"
                              << "Rollscan Help";
    QTest::newRow("no page yet") << "frmNoSuchWindow"
                                 << "qrc:/help/index.html"
                                 << "Rollscan Help";
}

void tst_services::helpWindowTopics()
{
    QFETCH(QString, topic);
    QFETCH(QString, page);
    QFETCH(QString, heading);
    QtServices services;
    services.showHelp(nullptr, topic);
    HelpWindow *help = services.helpWindow();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->txtHelp->source(), QUrl(page));
    QVERIFY2(help->txtHelp->toPlainText().contains(heading), qPrintable(help->txtHelp->toPlainText().left(80)));
    if (topic == QLatin1String("frmVoteStartup"))
        SaveScreenshot(help, QStringLiteral("services_help"));
}

void tst_services::helpAddressOpensInHelpWindow()
{
    QtServices services;
    QVERIFY(services.openAddress(QStringLiteral("qrc:/help/index.html#web")));
    QVERIFY(services.helpWindow());
    QCOMPARE(services.helpWindow()->txtHelp->source().path(), QStringLiteral("/help/index.html"));
    QVERIFY(!services.openAddress(QString()));
}

void tst_services::helpLinksStayInHelpWindow()
{
    QtServices services;
    services.showHelp(nullptr, QStringLiteral("frmVoteStartup"));
    HelpWindow *help = services.helpWindow();
    QVERIFY(!help->btnBack->isEnabled());
    emit help->txtHelp->anchorClicked(QUrl(QStringLiteral("index.html#web")));
    QCOMPARE(help->txtHelp->source(), QUrl(QStringLiteral("qrc:/help/index.html#web")));
    QVERIFY(help->btnBack->isEnabled());
    QTest::mouseClick(help->btnBack, Qt::LeftButton);
    QCOMPARE(help->txtHelp->source(), QUrl(QStringLiteral("qrc:/help/frmVoteStartup.html")));
    QCOMPARE(help->windowTitle(), QStringLiteral("Rollscan Help - The main window"));
    help->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(help));
    QTest::keyClick(help->txtHelp, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
}

// ---- window tools ---------------------------------------------------------------------------

void tst_services::isFormLoaded_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("loaded");
    QTest::newRow("exact") << "frmSample" << true;
    QTest::newRow("other case") << "frmsample" << false;
    QTest::newRow("prefix") << "frmSamp" << false;
    QTest::newRow("child control") << "btnInside" << false;
}

void tst_services::isFormLoaded()
{
    QFETCH(QString, name);
    QFETCH(bool, loaded);
    {
        QWidget window;
        window.setObjectName(QStringLiteral("frmSample"));
        auto *button = new QPushButton(&window);
        button->setObjectName(QStringLiteral("btnInside"));
        QCOMPARE(IsFormLoaded(name), loaded); // hidden windows are loaded too
    }
    QVERIFY(!IsFormLoaded(QStringLiteral("frmSample")));
}

void tst_services::listScrollExtent_data()
{
    QTest::addColumn<int>("widest");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("extent");
    QTest::newRow("fits") << 300 << 0 << 1024 << 300;
    QTest::newRow("unchanged") << 300 << 300 << 1024 << 300;
    QTest::newRow("shorter now") << 120 << 300 << 1024 << 120;
    QTest::newRow("wider than screen") << 3000 << 0 << 1024 << 1004;
    QTest::newRow("exactly the cap") << 1004 << 0 << 1024 << 1004;
    QTest::newRow("one past the cap") << 1005 << 0 << 1024 << 1004;
    QTest::newRow("empty list") << 0 << 0 << 1024 << 0;
    QTest::newRow("tiny screen") << 50 << 0 << 10 << 0;
}

void tst_services::listScrollExtent()
{
    QFETCH(int, widest);
    QFETCH(int, current);
    QFETCH(int, screen);
    QFETCH(int, extent);
    QCOMPARE(ListScrollExtent(widest, current, screen), extent);
}

void tst_services::fitListScrollNarrowList()
{
    QListWidget list;
    list.resize(300, 120);
    list.addItems({QStringLiteral("97"), QStringLiteral("98"), QStringLiteral("99")});
    list.show();
    const QList<int> widths = ListLineWidths(&list);
    QCOMPARE(widths.size(), 3);
    QCOMPARE(widths.at(0), list.fontMetrics().horizontalAdvance(QStringLiteral("97")));
    const int extent = FitListScroll(&list);
    QCOMPARE(extent, *std::max_element(widths.cbegin(), widths.cend()));
    QCoreApplication::processEvents();
    QCOMPARE(list.horizontalScrollBar()->maximum(), 0);
    QCOMPARE(FitListScroll(&list), extent); // asked again: kept
}

void tst_services::fitListScrollWideList()
{
    QListWidget list;
    list.resize(300, 120);
    const QString wide(400, QLatin1Char('W'));
    list.addItems({QStringLiteral("short"), wide, QStringLiteral("another")});
    list.show();
    const int screenWidth = list.screen()->geometry().width();
    QVERIFY(list.fontMetrics().horizontalAdvance(wide) > screenWidth);

    QCOMPARE(FitListScroll(&list), screenWidth - 20);
    QCoreApplication::processEvents();
    QScrollBar *bar = list.horizontalScrollBar();
    QVERIFY(bar->maximum() > 0);
    // The range ends at the cap, not at the end of the very long line.
    QVERIFY2(bar->maximum() + list.viewport()->width() <= screenWidth - 20 + 10,
             qPrintable(QString::number(bar->maximum())));
    SaveScreenshot(&list, QStringLiteral("services_list_scroll"));
}

void tst_services::blueGradient_data()
{
    QTest::addColumn<int>("height");
    QTest::newRow("512") << 512;
    QTest::newRow("256") << 256;
    QTest::newRow("100, fewer rows than bands") << 100;
    QTest::newRow("1000") << 1000;
}

void tst_services::blueGradient()
{
    QFETCH(int, height);
    QImage image(40, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    {
        QPainter painter(&image);
        PaintBlueGradient(painter, image.rect());
    }
    QCOMPARE(image.pixelColor(0, 0), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(39, height - 1), QColor(0, 0, 0));
    int previous = 256;
    QSet<int> blues;
    for (int y = 0; y < height; ++y) {
        const QColor c = image.pixelColor(20, y);
        QCOMPARE(c.red(), 0);
        QCOMPARE(c.green(), 0);
        QVERIFY(c.blue() <= previous); // darker going down, every row covered
        previous = c.blue();
        blues.insert(c.blue());
        QCOMPARE(image.pixelColor(0, y), c); // bands run the full width
    }
    // Every one of the 256 bands shows when there is room for it.
    QCOMPARE(int(blues.size()), std::min(height, 256));
}

QTEST_MAIN(tst_services)
#include "tst_services.moc"
