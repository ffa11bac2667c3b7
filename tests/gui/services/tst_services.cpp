// The shared services: the error window's words, the real message boxes and file dialog, the wait
// window, the one error path, the help window and the window tools.
#include "support/GuiTestSupport.h"

#include "core/data/FileError.h"
#include "gui/services/HelpWindow.h"
#include "gui/services/QtServices.h"
#include "gui/services/Services.h"
#include "gui/services/WaitGuard.h"
#include "gui/services/WaitProgress.h"
#include "gui/services/frmWait.h"
#include "support/RecordingServices.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

using namespace rollscan;
using rollscan::test::OnNextModal;
using rollscan::test::SaveScreenshot;

class tst_services : public QObject {
    Q_OBJECT

private slots:
    // The sentence, the file on a line of its own, what is wrong in plain words, the detail last.
    void damagedFileReport_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("words");
        QTest::newRow("short file") << 62 << QStringLiteral("Input past end of file (4 bytes at offset 96 of 98)")
                                    << QStringLiteral("The file ends before the data it should hold: it is damaged or "
                                                      "was cut short.\n");
        QTest::newRow("bad value") << 321 << QStringLiteral("Negative roll-call count -3")
                                   << QStringLiteral("A value in the file is not one Rollscan can read.\n");
        QTest::newRow("not a bookmark") << 322 << QStringLiteral("Bookmark at byte 0 has a date of unknown type 25972")
                                        << QString();
    }

    void damagedFileReport()
    {
        QFETCH(int, number);
        QFETCH(QString, detail);
        QFETCH(QString, words);
        RecordingServices services;
        const QString path = QStringLiteral("/data/house/97.rif");
        ReportFileError(services, nullptr, FileError(number, path, detail));
        QCOMPARE(services.lastMessage().text, FileErrorSentence(number, {}) + QStringLiteral("\n\n") +
                                                  QDir::toNativeSeparators(path) + QLatin1Char('\n') + words +
                                                  QStringLiteral("Detail: ") + detail);
        QCOMPARE(services.lastMessage().title, QStringLiteral("Rollscan Error"));
        QCOMPARE(services.lastMessage().icon, Services::Icon::Exclamation);
        QCOMPARE(services.log.first(), QStringLiteral("beep")); // the beep sounds before the box
    }

    void fileDialog_data()
    {
        QTest::addColumn<QStringList>("filters");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expectedFilter");
        QTest::addColumn<QString>("expectedName"); // empty: cancelled
        const QStringList two = {QStringLiteral("All Files (*)"), QStringLiteral("Text Files (*.txt)")};
        const auto row = [&two](const char *tag, const QStringList &filters, const char *typed, const char *filter,
                                const char *name) {
            QTest::newRow(tag) << filters << QString::fromLatin1(typed) << QString::fromLatin1(filter)
                               << QString::fromLatin1(name);
        };
        row("second filter, suffix added", two, "report", "Text Files (*.txt)", "report.txt");
        row("own suffix kept", two, "report.csv", "Text Files (*.txt)", "report.csv");
        row("single filter", {QStringLiteral("Bookmarks (*.bmk)")}, "marks", "Bookmarks (*.bmk)", "marks.txt");
        row("cancel", two, "", "Text Files (*.txt)", "");
    }

    void fileDialog()
    {
        QFETCH(QStringList, filters);
        QFETCH(QString, typed);
        QTemporaryDir work, elsewhere;
        const QString before = QDir::currentPath();
        QDir::setCurrent(work.path());
        QtServices services;
        QString seenFilter;
        OnNextModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            QVERIFY(dialog);
            seenFilter = dialog->selectedNameFilter();
            // Whatever the dialog does to the working directory must be undone afterwards.
            QDir::setCurrent(elsewhere.path());
            if (typed.isEmpty())
                return dialog->reject();
            // Typed into the name box, as a user would (selectFile() ignores names the filter hides).
            dialog->selectFile(typed);
            if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                edit->setText(typed);
            static_cast<QDialog *>(dialog)->accept();
            if (dialog->isVisible()) // not accepted: fail below instead of hanging here
                dialog->reject();
        });
        const QString name =
            services.saveFileName(nullptr, QStringLiteral("Save Report"), filters, QStringLiteral(".txt"));
        const QString after = QDir::currentPath();
        QDir::setCurrent(before);
        QTEST(seenFilter, "expectedFilter");
        QCOMPARE(QDir(after).canonicalPath(), QDir(work.path()).canonicalPath());
        QTEST(QFileInfo(name).fileName(), "expectedName");
    }

    void waitWindow()
    {
        QtServices services;
        frmWait *wait = services.waitWindow();
        QVERIFY(!wait->isVisible());
        QCOMPARE(wait->windowTitle(), QStringLiteral("Rollscan for Windows"));
        services.setWaitNumber(QStringLiteral("99")); // left over from an earlier job
        services.showWait(kLoadingText);
        QVERIFY(wait->isVisible());
        QCOMPARE(wait->pnlInfo->text(), QStringLiteral("Loading, please wait..."));
        QCOMPARE(wait->pnlNum->text(), QString());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QList<int> shown;
        for (int percent : {250, -3, 40}) { // clamped to 0..100
            services.setWaitPercent(percent);
            shown << wait->pnlWait->value();
        }
        QCOMPARE(shown, (QList<int>{100, 0, 40}));
        services.setWaitNumber(QStringLiteral("17"));
        QCOMPARE(wait->pnlNum->text(), QStringLiteral("17"));
        QVERIFY(!wait->imgWatch->pixmap().isNull());
        SaveScreenshot(wait, QStringLiteral("services_frmWait"));
        HideWait(services);
        QVERIFY(!wait->isVisible());
        QCOMPARE(wait->pnlWait->value(), 0);
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(services.waitWindow(), wait); // hidden, not destroyed
    }

    // Whatever the work throws, the wait window it showed is gone before the report, which would
    // otherwise sit under it; the window's own wording replaces the sentence only for file errors.
    void errorReportAfterWait_data()
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

    void errorReportAfterWait()
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
        const auto work = [&] {
            const WaitGuard wait(services, kLoadingText);
            if (thrown == 1)
                throw FileError(53, QStringLiteral("x.rif"));
            if (thrown == 2)
                throw DataError(QStringLiteral("Roll call 9 is not there."));
            if (thrown == 3)
                throw std::runtime_error("bad allocation");
        };
        QCOMPARE(RunReportingErrors(services, nullptr, work, how), thrown == 0);
        QCOMPARE(services.waitShown, 1);
        QCOMPARE(services.waitHidden, 1);
        QCOMPARE(services.log.at(1), QStringLiteral("hideWait"));
        QCOMPARE(afterReports, thrown == 0 ? 0 : 1);
        QCOMPARE(services.errorTexts(), report.isEmpty() ? QStringList() : QStringList{report});
    }

    void helpLinksStayInHelpWindow()
    {
        // A window without a page of its own gets the contents.
        QtServices services;
        services.showHelp(nullptr, QStringLiteral("frmNoSuchWindow"));
        HelpWindow *help = services.helpWindow();
        QCOMPARE(help->txtHelp->source(), QUrl(QStringLiteral("qrc:/help/index.html")));
        services.showHelp(nullptr, QStringLiteral("frmVoteStartup"));
        QVERIFY(help->isVisible());
        QVERIFY(help->txtHelp->toPlainText().contains(QStringLiteral("The main window")));
        QCOMPARE(help->windowTitle(), QStringLiteral("Rollscan Help - The main window"));
        SaveScreenshot(help, QStringLiteral("services_help"));
        emit help->txtHelp->anchorClicked(QUrl(QStringLiteral("index.html#web")));
        QCOMPARE(help->txtHelp->source(), QUrl(QStringLiteral("qrc:/help/index.html#web")));
        QTest::mouseClick(help->btnBack, Qt::LeftButton);
        QCOMPARE(help->txtHelp->source(), QUrl(QStringLiteral("qrc:/help/frmVoteStartup.html")));
        // An address of the help pages opens there too.
        QVERIFY(services.openAddress(QStringLiteral("qrc:/help/index.html#web")));
        QCOMPARE(help->txtHelp->source().path(), QStringLiteral("/help/index.html"));
        QVERIFY(!services.openAddress(QString()));
        help->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(help));
        QTest::keyClick(help->txtHelp, Qt::Key_Escape);
        QVERIFY(!help->isVisible());
    }
};

QTEST_MAIN(tst_services)
#include "tst_services.moc"
