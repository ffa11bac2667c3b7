// The main window at start-up: preferences, congresses and warnings, beginning a search, quitting, the
// about box, the Development menu, opening another data tree; the preferences dialog.
#include "support/GuiTestSupport.h"
#include "support/TreeBuilder.h"

#include "core/app/DataTreeChoice.h"
#include "core/app/Session.h"
#include "core/data/FileIO.h"
#include "gui/app/DataTreeSwitcher.h"
#include "gui/app/PaletteColour.h"
#include "gui/app/ProgramInfo.h"
#include "gui/app/WindowDirector.h"
#include "gui/app/frmNewAbout.h"
#include "gui/app/frmPreferences.h"
#include "gui/app/frmVoteStartup.h"
#include "support/RecordingServices.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <utility>

using namespace rollscan;
using rollscan::test::OnNextModal;
using rollscan::test::SaveScreenshot;
using rollscan::test::TreeBuilder;

namespace {

const QString kNoHouses = QStringLiteral(
    "There are no Houses currently present in the HOUSE subdirectory. You will not be able to search through them.");
const QString kNoSenates = QStringLiteral(
    "There are no Senates currently present in the SENATE subdirectory. You will not be able to search through them.");

// A tree with the standard tables and empty legislator files under the given names: start-up only
// looks at the names.
void WriteNames(const QString &root, const QStringList &houseFiles, const QStringList &senateFiles)
{
    TreeBuilder tree(root);
    tree.writeStandardTables();
    for (const auto &[folder, names] :
         {std::pair{QStringLiteral("house"), houseFiles}, std::pair{QStringLiteral("senate"), senateFiles}})
        for (const QString &name : names)
            tree.writeRaw(folder + QLatin1Char('/') + name, QByteArray());
}

// A tree with one House congress and one Senate congress, `congress`; the second of its two House roll
// calls disagrees with its votes.
void WriteTree(const QString &root, int congress)
{
    TreeBuilder tree(root);
    tree.writeStandardTables();
    test::CongressData d;
    d.legislators = {TreeBuilder::legislator(QStringLiteral("ADAMS"), 1, 1, 100, 0.1f, 0.2f, 1001),
                     TreeBuilder::legislator(QStringLiteral("BAKER"), 1, 2, 200, -0.3f, 0.4f, 1002)};
    d.rollCalls = {TreeBuilder::rollCall(QStringLiteral("ONE"), QDate(1995, 1, 4), 1, 1),
                   TreeBuilder::rollCall(QStringLiteral("TWO"), QDate(1995, 1, 5), 2, 0)};
    d.voteRows = {QStringLiteral("11"), QStringLiteral("66")};
    tree.addCongress(true, congress, d, true);
    d.rollCalls[1].yeas = 1;
    d.rollCalls[1].nays = 1;
    tree.addCongress(false, congress, d, true);
    tree.writeIndexes();
}

// "rollscan.prf" with content in its reserved bytes that a rewrite must keep, and a background colour
// that is shown but never edited.
struct PreferencesFile {
    QTemporaryDir dir;
    QByteArray original = [] {
        QByteArray raw = TreeBuilder::standardPreferences().bytes();
        for (int i = 0; i < 60; ++i)
            raw[i] = char('A' + i % 26);
        raw[74] = 3;
        return raw;
    }();
    QString path = dir.filePath(QStringLiteral("rollscan.prf"));
    Session session{dir.path()};
    RecordingServices services;

    PreferencesFile()
    {
        WriteWholeFile(path, original);
        session.Preferences = Preferences::Read(path);
    }
};
} // namespace

class tst_startup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { WriteTree(m_standard.path(), 97); }

    void startsWithPreferences()
    {
        Session session(m_standard.path());
        RecordingServices services;
        frmVoteStartup window(session, services);
        QVERIFY(window.startUp());
        QVERIFY(services.messages.isEmpty());
        QCOMPARE(window.pnlVoteTitle->text(), QStringLiteral("Rollscan for Windows v") + ProgramVersion());
        // The span of the congresses present, not the whole history.
        QCOMPARE(window.SSPanel1->text(), QStringLiteral("Roll Call Displays of the U.S. Congress, 1981-1982"));
        QCOMPARE(session.Preferences, TreeBuilder::standardPreferences());
        // Centred on the screen it lives on.
        QVERIFY(qAbs(window.frameGeometry().center().x() - window.screen()->availableGeometry().center().x()) <= 2);
        // The ground: the blue gradient, bright to dark.
        const QImage picture = window.grab().toImage();
        const QRect area = window.centralWidget()->geometry();
        const QColor top = picture.pixelColor(area.left() + 2, area.top() + 1);
        QVERIFY(top.red() == 0 && top.blue() >= 250);
        QVERIFY(picture.pixelColor(area.left() + 2, area.bottom() - 1).blue() <= 5);
        SaveScreenshot(&window, QStringLiteral("startup_frmVoteStartup"));
        // The about box, modal, names the tree in use.
        QString seen;
        OnNextModal([&](QWidget *w) {
            if (auto *about = qobject_cast<frmNewAbout *>(w)) {
                seen = about->lblDataTree->text();
                if (!about->isModal() || about->imgIcon->pixmap().isNull())
                    seen.append(QStringLiteral(": modeless or without its icon"));
                SaveScreenshot(about, QStringLiteral("startup_frmNewAbout"));
            }
            w->close();
        });
        window.mnuAbout->trigger();
        QCOMPARE(seen, QStringLiteral("Data tree: ") + QDir::toNativeSeparators(m_standard.path()));
    }

    // A preferences file missing or cut short ends the program after one message, naming the file.
    void missingPreferences_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file
        QTest::addColumn<QString>("start");
        QTest::newRow("missing") << QByteArray()
                                 << QStringLiteral("The 'rollscan.prf' file is not in the Rollscan program "
                                                   "directory. Place it there. Current directory: ");
        QTest::newRow("cut short") << QByteArray(100, 'x')
                                   << QStringLiteral(
                                          "This file has a non-standard end-of-file marker, or an attempt was made");
    }

    void missingPreferences()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, start);
        QTemporaryDir dir;
        TreeBuilder tree(dir.path()); // folders only
        if (!content.isEmpty())
            tree.writeRaw(QStringLiteral("rollscan.prf"), content);
        Session session(dir.path());
        RecordingServices services;
        frmVoteStartup window(session, services);
        QVERIFY(!window.startUp());
        QCOMPARE(services.messages.size(), 1); // nothing after it: the program ends here
        const QString text = services.lastMessage().text;
        QVERIFY2(text.startsWith(start), qPrintable(text));
        QVERIFY(content.isEmpty() ? text == start + QDir::toNativeSeparators(QDir(dir.path()).absolutePath())
                                  : text.contains(QStringLiteral("rollscan.prf")));
        QCOMPARE(services.lastMessage().title, QStringLiteral("Rollscan Error"));
        QCOMPARE(services.beeps, 1);
    }

    void congressLists_data()
    {
        QTest::addColumn<QStringList>("houseFiles");
        QTest::addColumn<QStringList>("senateFiles");
        QTest::addColumn<QList<int>>("houses");
        QTest::addColumn<QList<int>>("senates");
        QTest::addColumn<QStringList>("warnings");
        QTest::newRow("numeric order, not name order")
            << QStringList{"10.lcr", "9.lcr", "105.lcr", "notes.lcr", "10.vot", "9.rif"} << QStringList{"97s.lcr"}
            << QList<int>{9, 10, 105} << QList<int>{97} << QStringList{};
        QStringList names;
        QList<int> all;
        for (int i = 1; i <= 300; ++i) {
            all << i;
            names << QString::number(i) + QStringLiteral(".lcr");
        }
        QTest::newRow("more than 250 congresses")
            << names << QStringList{"2s.lcr"} << all << QList<int>{2} << QStringList{};
        QTest::newRow("both empty, House first")
            << QStringList{} << QStringList{} << QList<int>{} << QList<int>{} << QStringList{kNoHouses, kNoSenates};
    }

    void congressLists()
    {
        QFETCH(QStringList, houseFiles);
        QFETCH(QStringList, senateFiles);
        QFETCH(QList<int>, houses);
        QFETCH(QStringList, warnings);
        QTemporaryDir dir;
        WriteNames(dir.path(), houseFiles, senateFiles);
        Session session(dir.path());
        RecordingServices services;
        frmVoteStartup window(session, services);
        QVERIFY(window.startUp()); // the program stays up, warned or not
        QCOMPARE(session.houseList, houses);
        QTEST(session.senateList, "senates");
        QCOMPARE(services.errorTexts(), warnings);
        QCOMPARE(services.beeps, warnings.size());
    }

    void quitAsks_data()
    {
        QTest::addColumn<bool>("viaMenu");
        QTest::addColumn<bool>("ok");
        QTest::newRow("Exit, OK ends") << true << true;
        QTest::newRow("closing, cancelled") << false << false;
    }

    void quitAsks()
    {
        QFETCH(bool, viaMenu);
        QFETCH(bool, ok);
        Session session(m_standard.path());
        RecordingServices services;
        frmVoteStartup window(session, services);
        QVERIFY(window.startUp());
        QSignalSpy ending(&window, &frmVoteStartup::endProgram);
        services.questionAnswers.enqueue(ok);
        if (viaMenu)
            window.mnuExit->trigger();
        else
            QCOMPARE(window.close(), ok);
        QCOMPARE(services.questions.size(), 1);
        QCOMPARE(services.questions.first().text,
                 QStringLiteral("Are you sure you want to quit Rollscan for Windows?"));
        QCOMPARE(ending.count(), ok ? 1 : 0);
        QCOMPARE(window.isVisible(), viaMenu || !ok);
        // Once confirmed, the program's own closing of its windows asks no more.
        if (ok) {
            QVERIFY(window.close());
            QCOMPARE(services.questions.size(), 1);
        }
    }

    void beginSearchFromWindow_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<bool>("attached");
        QTest::addColumn<int>("searches");
        QTest::newRow("letter key") << "key" << true << 1;
        QTest::newRow("double click on window") << "doubleclick" << true << 1;
        QTest::newRow("double click, no search window") << "doubleclick" << false << 0;
    }

    void beginSearchFromWindow()
    {
        QFETCH(QString, gesture);
        QFETCH(bool, attached);
        Session session(m_standard.path());
        RecordingServices services;
        frmVoteStartup window(session, services);
        int opened = 0;
        if (attached) {
            connect(&window, &frmVoteStartup::searchRequested, this, [&opened] { ++opened; });
            window.updateCommands();
        }
        QVERIFY(window.startUp());
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget *central = window.centralWidget();
        if (gesture == QLatin1String("key"))
            QTest::keyClick(central, Qt::Key_A);
        else
            QTest::mouseDClick(central, Qt::LeftButton, {}, QPoint(8, central->height() - 8));
        QTEST(opened, "searches");
        QVERIFY(services.messages.isEmpty());
    }

    void developmentMenu()
    {
        QTemporaryDir dir;
        WriteTree(dir.path(), 104);
        Session session(dir.path());
        RecordingServices services;
        frmVoteStartup main(session, services);
        WindowDirector director(session, services, main);
        QVERIFY(main.startUp());
        main.showDevelopmentMenu(true);
        QVERIFY(main.mnuDevelopment->menuAction()->isVisible());
        for (QAction *entry : {main.mnuMatches, main.mnuSenMatches, main.mnuListTokens})
            entry->trigger();
        QCOMPARE(services.shownTitles, (QStringList{"hmatch.txt", "smatch.txt", "token.dat"}));
        // Each check shows its progress over all 104 congresses and puts the wait window away before its report.
        QCOMPARE(services.waitPercents.count(100), 2);
        QCOMPARE(services.waitNumbers.last(), QStringLiteral("104"));
        QCOMPARE(services.waitHidden, services.waitShown);
        main.showDevelopmentMenu(false);
        QVERIFY(!main.mnuDevelopment->menuAction()->isVisible());
    }

    void openAnotherTree()
    {
        QTemporaryDir dir;
        const QString a = dir.filePath(QStringLiteral("a")), b = dir.filePath(QStringLiteral("b"));
        WriteTree(a, 97);
        WriteTree(b, 104);
        Session session(a);
        QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        RecordingServices services;
        frmVoteStartup window(session, services);
        QVERIFY(window.startUp());
        DataTreeSwitcher switcher(session, services, window, settings);
        int closes = 0;
        switcher.setCloseWindows([&closes] { ++closes; });
        switcher.remember(a);
        const auto canonical = [](const QString &path) { return QFileInfo(path).canonicalFilePath(); };
        // A folder without preferences is not a tree: the current one stays, with its windows.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("empty")));
        QVERIFY(!switcher.openTree(dir.filePath(QStringLiteral("empty"))));
        QCOMPARE(services.errorTexts(),
                 QStringList{DataTreeChoice::NotATreeText(dir.filePath(QStringLiteral("empty")))});
        QCOMPARE(session.houseList, QList<int>{97});
        QCOMPARE(closes, 0);
        // Through the dialog, which starts beside the tree in use.
        services.fileNames.enqueue(b);
        switcher.mnuOpenTree->trigger();
        QCOMPARE(services.fileDialogs.last().caption, QStringLiteral("Open Data Tree"));
        QCOMPARE(services.fileDialogs.last().folder, dir.path());
        QCOMPARE(closes, 1);
        QCOMPARE(session.houseList, QList<int>{104});
        QCOMPARE(settings.value(DataTreeSwitcher::kLastTreeKey).toString(), b);
        // The recent list, newest first, numbered for the keyboard; choosing an entry opens it.
        const QList<QAction *> entries = switcher.mnuRecentTrees->actions();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.at(0)->text(), QStringLiteral("&1 ") + QDir::toNativeSeparators(canonical(b)));
        QCOMPARE(entries.at(1)->text(), QStringLiteral("&2 ") + QDir::toNativeSeparators(canonical(a)));
        entries.at(1)->trigger();
        QCOMPARE(session.houseList, QList<int>{97});
        switcher.mnuRecentTrees->popup(QPoint(0, 0));
        SaveScreenshot(switcher.mnuRecentTrees, QStringLiteral("frmVoteStartup_recent_trees"));
        switcher.mnuRecentTrees->close();
    }

    void preferencesButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("applied");
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("blocked"); // a folder where the file should be makes the write fail
        QTest::newRow("Done applies without writing") << "btnOK" << true << false << false;
        QTest::newRow("Save applies and writes") << "btnSave" << true << true << false;
        QTest::newRow("Cancel changes nothing") << "btnCancel" << false << false << false;
        QTest::newRow("Save fails: applied, the window stays") << "btnSave" << true << false << true;
    }

    void preferencesButtons()
    {
        QFETCH(QString, button);
        QFETCH(bool, applied);
        QFETCH(bool, written);
        QFETCH(bool, blocked);
        PreferencesFile f;
        if (blocked)
            QVERIFY(QFile::remove(f.path) && QDir().mkdir(f.path));
        const Preferences before = f.session.Preferences;
        QPointer<frmPreferences> dialog = new frmPreferences(f.session, f.services);
        dialog->show();
        // A colour's label is written in that colour.
        auto *label = dialog->findChild<QLabel *>(QStringLiteral("lblYeaColor"));
        QCOMPARE(label->palette().color(QPalette::WindowText), PaletteColour(9));
        dialog->cmbYeaColor->setCurrentIndex(12);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        SaveScreenshot(dialog, QStringLiteral("frmPreferences"));
        dialog->cmbNoMatch->setCurrentIndex(11);
        dialog->optUS->setChecked(true);
        dialog->chkCase->setChecked(true);
        dialog->optSenate->setChecked(true);
        dialog->cmbBackColor->setCurrentIndex(15); // previewed only, never stored
        QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
        const Preferences &p = f.session.Preferences;
        if (applied) {
            QCOMPARE((QList<int>{p.yeaColour(), p.noMatchColour(), p.nayColour()}), (QList<int>{12, 11, 12}));
            QCOMPARE(p.displayKind(), QChar::fromLatin1('u'));
            QCOMPARE(p.tokenCase(), QChar::fromLatin1('l'));
            QVERIFY(!p.startWithHouse());
        } else {
            QCOMPARE(p, before);
        }
        // What a save writes is what is in force, the bytes the window never edits included; a save that
        // fails is reported and the window stays open for another try.
        if (blocked) {
            QCOMPARE(f.services.errorTexts().size(), 1);
            QVERIFY(f.services.errorTexts().first().startsWith(QStringLiteral("An error (")));
            QVERIFY(
                f.services.errorTexts().first().endsWith(QStringLiteral(") has occurred while saving preferences.")));
            QVERIFY(dialog && dialog->isVisible());
            delete dialog;
        } else if (written) {
            QCOMPARE(Preferences::Read(f.path), p);
        } else {
            QCOMPARE(ReadWholeFile(f.path), f.original);
        }
    }

private:
    // A standard tree that start-up only reads, shared by the tests that need nothing special.
    QTemporaryDir m_standard;
};

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
