#include "support/GuiTestSupport.h"
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/FileError.h"
#include "gui/app/ProgramInfo.h"
#include "gui/app/WindowDirector.h"
#include "gui/app/frmNewAbout.h"
#include "gui/app/frmVoteStartup.h"
#include "support/RecordingServices.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace rollscan;
using rollscan::test::OnNextModal;
using rollscan::test::SaveScreenshot;
using rollscan::test::TreeBuilder;

namespace {

const QString kNoHouses = QStringLiteral(
    "There are no Houses currently present in the HOUSE subdirectory. You will not be able to search through them.");
const QString kNoSenates = QStringLiteral(
    "There are no Senates currently present in the SENATE subdirectory. You will not be able to search through them.");

// A tree with the standard tables, "rollscan.prf" and one small congress of each chamber.
void WriteStandardTree(TreeBuilder &tree)
{
    tree.writeStandardTables();
    test::CongressData data;
    data.legislators = {TreeBuilder::legislator(QStringLiteral("ADAMS"), 1, 1, 100, 0.1f, 0.2f, 1001),
                        TreeBuilder::legislator(QStringLiteral("BAKER"), 1, 2, 200, -0.3f, 0.4f, 1002)};
    data.rollCalls = {TreeBuilder::rollCall(QStringLiteral("TO PASS H.R. 1"), QDate(1981, 3, 4), 1, 1)};
    data.voteRows = {QStringLiteral("1"), QStringLiteral("6")};
    tree.addCongress(true, 97, data, true);
    tree.addCongress(false, 97, data, true);
    tree.writeIndexes();
}

// Empty legislator files under the given names: start-up only looks at the names. Plain creation,
// as hundreds of synced safe-saves would make the test slow for nothing.
void WriteNames(TreeBuilder &tree, const QString &folder, const QStringList &names)
{
    for (const QString &name : names) {
        QFile file(tree.path(folder + QLatin1Char('/') + name));
        QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.fileName()));
    }
}

} // namespace

class tst_startup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startsWithPreferences();
    void missingPreferences();
    void shortPreferences();
    void upperCasePreferencesName();
    void congressWarnings_data();
    void congressWarnings();
    void congressLists_data();
    void congressLists();
    void smallScreen_data();
    void smallScreen();
    void newDataFormatTakenAtStart();
    void exitAsksFirst_data();
    void exitAsksFirst();
    void closingAsksAsExitDoes_data();
    void closingAsksAsExitDoes();
    void beginSearchFromWindow_data();
    void beginSearchFromWindow();
    void requestsEnableEntries_data();
    void requestsEnableEntries();
    void answerErrorsAreReported();
    void helpAndWebEntries_data();
    void helpAndWebEntries();
    void webAddressFailureReported();
    void aboutBox();

private:
    // A standard tree that start-up only reads, shared by the tests that need nothing special.
    QTemporaryDir m_standard;
};

void tst_startup::initTestCase()
{
    QVERIFY(m_standard.isValid());
    TreeBuilder tree(m_standard.path());
    WriteStandardTree(tree);
}

void tst_startup::startsWithPreferences()
{
    Session session(m_standard.path());
    RecordingServices services;
    frmVoteStartup window(session, services);

    QVERIFY(window.startUp());
    QVERIFY(services.messages.isEmpty());
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("Rollscan for Windows"));
    QCOMPARE(window.pnlVoteTitle->text(), QStringLiteral("Rollscan for Windows v") + ProgramVersion());
    // The span of the congresses present (the 97th House and Senate), not the whole history.
    QCOMPARE(window.SSPanel1->text(), QStringLiteral("Roll Call Displays of the U.S. Congress, 1981-1982"));
    QCOMPARE(session.Preferences, TreeBuilder::standardPreferences());
    QCOMPARE(session.houseList, QList<int>{97});
    QCOMPARE(session.senateList, QList<int>{97});
    QVERIFY(session.newDataFormat);
    QVERIFY(!window.mnuDevelopment->menuAction()->isVisible());
    QVERIFY(window.pnlVoteTitle->font().styleHint() == QFont::Serif);

    // Centred on the screen it lives on.
    const QRect available = window.screen()->availableGeometry();
    QVERIFY(qAbs(window.frameGeometry().center().x() - available.center().x()) <= 2);
    QVERIFY(available.contains(window.frameGeometry()));

    // The flag is drawn: red stripes and a blue canton.
    const QImage flag = window.imgFlag->pixmap().toImage();
    QVERIFY(!flag.isNull());
    QVERIFY(flag.pixelColor(flag.width() - 3, 2).red() > 150);
    QVERIFY(flag.pixelColor(3, 3).blue() > flag.pixelColor(3, 3).red());

    // The background is the blue gradient: bright at the top, dark at the bottom.
    const QImage picture = window.grab().toImage();
    const QRect area = window.centralWidget()->geometry();
    const QColor top = picture.pixelColor(area.left() + 2, area.top() + 1);
    const QColor bottom = picture.pixelColor(area.left() + 2, area.bottom() - 1);
    QCOMPARE(top.red(), 0);
    QVERIFY(top.blue() >= 250);
    QVERIFY(bottom.blue() <= 5);
    SaveScreenshot(&window, QStringLiteral("startup_frmVoteStartup"));
}

void tst_startup::missingPreferences()
{
    QTemporaryDir dir;
    TreeBuilder tree(dir.path()); // folders only, no "rollscan.prf"
    Session session(dir.path());
    RecordingServices services;
    frmVoteStartup window(session, services);

    QVERIFY(!window.startUp());
    QCOMPARE(services.messages.size(), 1); // nothing after it: the program ends here
    QCOMPARE(services.lastMessage().text,
             QStringLiteral("The 'rollscan.prf' file is not in the Rollscan program directory. Place it there. "
                            "Current directory: ") +
                 QDir::toNativeSeparators(QDir(dir.path()).absolutePath()));
    QCOMPARE(services.lastMessage().title, QStringLiteral("Rollscan Error"));
    QCOMPARE(services.lastMessage().icon, Services::Icon::Exclamation);
    QCOMPARE(services.beeps, 1);
    SaveScreenshot(&window, QStringLiteral("startup_no_preferences"));
}

void tst_startup::shortPreferences()
{
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    WriteStandardTree(tree);
    tree.writeRaw(QStringLiteral("rollscan.prf"), QByteArray(100, 'x'));
    Session session(dir.path());
    RecordingServices services;
    frmVoteStartup window(session, services);

    QVERIFY(!window.startUp());
    QCOMPARE(services.messages.size(), 1);
    QVERIFY2(services.lastMessage().text.startsWith(
                 QStringLiteral("This file has a non-standard end-of-file marker, or an attempt was made")),
             qPrintable(services.lastMessage().text));
    QVERIFY(services.lastMessage().text.contains(QStringLiteral("rollscan.prf")));
    QCOMPARE(services.lastMessage().title, QStringLiteral("Rollscan Error"));
}

void tst_startup::upperCasePreferencesName()
{
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    WriteStandardTree(tree);
    Preferences prefs = TreeBuilder::standardPreferences();
    prefs.setYeaColour(12);
    tree.writeRaw(QStringLiteral("ROLLSCAN.PRF"), prefs.bytes());
    QVERIFY(QFile::remove(tree.path(QStringLiteral("rollscan.prf"))));
    Session session(dir.path());
    RecordingServices services;
    frmVoteStartup window(session, services);
    QVERIFY(window.startUp());
    QVERIFY(services.messages.isEmpty());
    QCOMPARE(session.Preferences.yeaColour(), 12);
}

void tst_startup::congressWarnings_data()
{
    QTest::addColumn<QStringList>("houseFiles");
    QTest::addColumn<QStringList>("senateFiles");
    QTest::addColumn<QStringList>("warnings");
    QTest::newRow("both present") << QStringList{"97.lcr"} << QStringList{"97s.lcr"} << QStringList{};
    QTest::newRow("empty House, Senate present")
        << QStringList{} << QStringList{"97s.lcr", "98s.lcr"} << QStringList{kNoHouses};
    QTest::newRow("House present, empty Senate") << QStringList{"1.lcr"} << QStringList{} << QStringList{kNoSenates};
    QTest::newRow("both empty, House first") << QStringList{} << QStringList{} << QStringList{kNoHouses, kNoSenates};
    QTest::newRow("House names in the Senate folder")
        << QStringList{"5.lcr"} << QStringList{"5.lcr", "notes.txt"} << QStringList{kNoSenates};
}

void tst_startup::congressWarnings()
{
    QFETCH(QStringList, houseFiles);
    QFETCH(QStringList, senateFiles);
    QFETCH(QStringList, warnings);
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    tree.writeStandardTables();
    WriteNames(tree, QStringLiteral("house"), houseFiles);
    WriteNames(tree, QStringLiteral("senate"), senateFiles);
    Session session(dir.path());
    RecordingServices services;
    frmVoteStartup window(session, services);

    QVERIFY(window.startUp()); // the program stays up
    QCOMPARE(services.errorTexts(), warnings);
    QCOMPARE(services.messages.size(), warnings.size());
    QCOMPARE(services.beeps, warnings.size());
    QVERIFY(!window.mnuDevelopment->menuAction()->isVisible());
}

void tst_startup::congressLists_data()
{
    QTest::addColumn<QStringList>("houseFiles");
    QTest::addColumn<QStringList>("senateFiles");
    QTest::addColumn<QList<int>>("houses");
    QTest::addColumn<QList<int>>("senates");
    QTest::newRow("numeric order, not name order")
        << QStringList{"10.lcr", "9.lcr", "105.lcr", "notes.lcr", "10.vot", "9.rif"} << QStringList{"97s.lcr"}
        << QList<int>{9, 10, 105} << QList<int>{97};
    QTest::newRow("senate names drop the s")
        << QStringList{"1.lcr"} << QStringList{"97s.lcr", "1s.lcr", "100s.lcr", "99.lcr", "xs.lcr"} << QList<int>{1}
        << QList<int>{1, 97, 100};
    QTest::newRow("upper-case names") << QStringList{"12.LCR", "3.Lcr"} << QStringList{"7S.LCR"} << QList<int>{3, 12}
                                      << QList<int>{7};
    QTest::newRow("more than 250 congresses") <<
        [] {
            QStringList names;
            for (int i = 1; i <= 300; ++i)
                names.append(QString::number(i) + QStringLiteral(".lcr"));
            return names;
        }() << QStringList{"2s.lcr"} <<
        [] {
            QList<int> numbers;
            for (int i = 1; i <= 300; ++i)
                numbers.append(i);
            return numbers;
        }() << QList<int>{2};
}

void tst_startup::congressLists()
{
    QFETCH(QStringList, houseFiles);
    QFETCH(QStringList, senateFiles);
    QFETCH(QList<int>, houses);
    QFETCH(QList<int>, senates);
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    tree.writeStandardTables();
    WriteNames(tree, QStringLiteral("house"), houseFiles);
    WriteNames(tree, QStringLiteral("senate"), senateFiles);
    Session session(dir.path());
    RecordingServices services;
    frmVoteStartup window(session, services);

    QVERIFY(window.startUp());
    QCOMPARE(session.houseList, houses);
    QCOMPARE(session.houseCount(), int(houses.size()));
    QCOMPARE(session.senateList, senates);
    QVERIFY(services.messages.isEmpty());
}

void tst_startup::smallScreen_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("small");
    QTest::newRow("799") << 799 << true;
    QTest::newRow("800") << 800 << false;
    QTest::newRow("640") << 640 << true;
    QTest::newRow("1920") << 1920 << false;
}

void tst_startup::smallScreen()
{
    QFETCH(int, width);
    QFETCH(bool, small);
    QCOMPARE(frmVoteStartup::IsSmallScreen(width), small);

    // Start-up reads the primary screen's available width.
    Session session(m_standard.path());
    RecordingServices services;
    frmVoteStartup window(session, services);
    QVERIFY(window.startUp());
    QCOMPARE(session.smallScreen,
             frmVoteStartup::IsSmallScreen(QGuiApplication::primaryScreen()->availableGeometry().width()));
}

void tst_startup::newDataFormatTakenAtStart()
{
    Session session(m_standard.path());
    RecordingServices services;
    frmVoteStartup window(session, services);
    window.mnuNewData->setChecked(false);
    QVERIFY(window.startUp());
    QVERIFY(!session.newDataFormat);
    // Later toggles only move the check mark.
    window.mnuNewData->trigger();
    QVERIFY(window.mnuNewData->isChecked());
    QVERIFY(!session.newDataFormat);
}

void tst_startup::exitAsksFirst_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK ends") << true;
    QTest::newRow("Cancel keeps running") << false;
}

void tst_startup::exitAsksFirst()
{
    QFETCH(bool, ok);
    Session session(m_standard.path());
    RecordingServices services;
    frmVoteStartup window(session, services);
    QVERIFY(window.startUp());
    QSignalSpy ending(&window, &frmVoteStartup::endProgram);

    services.questionAnswers.enqueue(ok);
    window.mnuExit->trigger();
    QCOMPARE(services.questions.size(), 1);
    QCOMPARE(services.questions.first().text, QStringLiteral("Are you sure you want to quit Rollscan for Windows?"));
    QCOMPARE(services.questions.first().title, QStringLiteral("Rollscan for Windows"));
    QCOMPARE(ending.count(), ok ? 1 : 0);
    QVERIFY(window.isVisible());
    QVERIFY(services.messages.isEmpty());
}

void tst_startup::closingAsksAsExitDoes_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("confirmed") << true;
    QTest::newRow("cancelled") << false;
}

void tst_startup::closingAsksAsExitDoes()
{
    QFETCH(bool, ok);
    Session session(m_standard.path());
    RecordingServices services;
    frmVoteStartup window(session, services);
    QVERIFY(window.startUp());
    QSignalSpy ending(&window, &frmVoteStartup::endProgram);
    services.questionAnswers.enqueue(ok);
    QCOMPARE(window.close(), ok);
    QCOMPARE(services.questions.size(), 1);
    QCOMPARE(services.questions.first().text, QStringLiteral("Are you sure you want to quit Rollscan for Windows?"));
    QCOMPARE(ending.count(), ok ? 1 : 0);
    QCOMPARE(window.isVisible(), !ok);
    if (ok) {
        // Once confirmed, the program's own closing of its windows asks no more.
        QVERIFY(window.close());
        QCOMPARE(services.questions.size(), 1);
    }
}

void tst_startup::beginSearchFromWindow_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<bool>("attached");
    QTest::addColumn<int>("searches");
    QTest::newRow("letter key") << "key" << true << 1;
    QTest::newRow("Enter key") << "enter" << true << 1;
    QTest::newRow("Shift alone") << "shift" << true << 0;
    QTest::newRow("double click on window") << "doubleclick" << true << 1;
    QTest::newRow("double click on flag") << "flag" << true << 1;
    QTest::newRow("Ctrl+S") << "ctrl+s" << true << 1;
    QTest::newRow("menu entry") << "menu" << true << 1;
    QTest::newRow("key, no search window") << "key" << false << 0;
    QTest::newRow("double click, no search window") << "doubleclick" << false << 0;
}

void tst_startup::beginSearchFromWindow()
{
    QFETCH(QString, gesture);
    QFETCH(bool, attached);
    QFETCH(int, searches);
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
    else if (gesture == QLatin1String("enter"))
        QTest::keyClick(central, Qt::Key_Return);
    else if (gesture == QLatin1String("shift"))
        QTest::keyClick(central, Qt::Key_Shift);
    else if (gesture == QLatin1String("doubleclick"))
        QTest::mouseDClick(central, Qt::LeftButton, {}, QPoint(8, central->height() - 8));
    else if (gesture == QLatin1String("flag"))
        QTest::mouseDClick(window.imgFlag, Qt::LeftButton);
    else if (gesture == QLatin1String("ctrl+s"))
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    else if (gesture == QLatin1String("menu"))
        window.mnuSearch->trigger();
    QCOMPARE(opened, searches);
    QVERIFY(services.messages.isEmpty());
}

void tst_startup::requestsEnableEntries_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QString>("entry");
    QTest::newRow("search") << QByteArray(SIGNAL(searchRequested())) << "mnuSearch";
    QTest::newRow("preferences") << QByteArray(SIGNAL(preferencesRequested())) << "mnuEditPrefs";
    QTest::newRow("bookmarks") << QByteArray(SIGNAL(bookmarkEditorRequested())) << "mnuEditBookmarks";
    QTest::newRow("updater") << QByteArray(SIGNAL(updateRequested())) << "mnuUpdate";
    QTest::newRow("list tokens") << QByteArray(SIGNAL(tokenListRequested())) << "mnuListTokens";
    QTest::newRow("House check") << QByteArray(SIGNAL(voteMatchCheckRequested())) << "mnuMatches";
    QTest::newRow("Senate check") << QByteArray(SIGNAL(senateMatchCheckRequested())) << "mnuSenMatches";
}

void tst_startup::requestsEnableEntries()
{
    QFETCH(QByteArray, request);
    QFETCH(QString, entry);
    Session session;
    RecordingServices services;
    frmVoteStartup window(session, services);
    auto *action = window.findChild<QAction *>(entry);
    QVERIFY(action);
    QVERIFY(!action->isEnabled());

    auto spy = std::make_unique<QSignalSpy>(&window, request.constData());
    window.updateCommands();
    QVERIFY(action->isEnabled());
    action->trigger();
    QCOMPARE(spy->count(), 1);

    // Nobody listens any more: the entry goes grey again.
    spy.reset();
    window.updateCommands();
    QVERIFY(!action->isEnabled());
}

void tst_startup::answerErrorsAreReported()
{
    Session session;
    RecordingServices services;
    frmVoteStartup window(session, services);
    WindowDirector director(session, services, window);
    // The updater entry is the one request the director itself leaves unanswered; each answer reports
    // its own error.
    director.answer(&window, &frmVoteStartup::updateRequested,
                    [] { throw FileError(FileErrorNumber::NotFound, QStringLiteral("/tree/user/a.bmk")); });
    director.answer(&window, &frmVoteStartup::updateRequested,
                    [] { throw DataError(QStringLiteral("No congress was chosen.")); });
    window.mnuUpdate->trigger();
    QCOMPARE(services.errorTexts(), (QStringList{QStringLiteral("That file doesn't exist.\n\n") +
                                                     QDir::toNativeSeparators(QStringLiteral("/tree/user/a.bmk")),
                                                 QStringLiteral("No congress was chosen.")}));
}

void tst_startup::helpAndWebEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("topics");
    QTest::addColumn<QStringList>("addresses");
    QTest::newRow("help") << "mnuVoteHelp" << QStringList{"frmVoteStartup"} << QStringList{};
    QTest::newRow("first site") << "mnuRollscanWeb" << QStringList{} << QStringList{kRollscanWebSite};
    QTest::newRow("second site") << "mnuKestrelbyWeb" << QStringList{} << QStringList{kKestrelbyWebSite};
}

void tst_startup::helpAndWebEntries()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, topics);
    QFETCH(QStringList, addresses);
    Session session;
    RecordingServices services;
    frmVoteStartup window(session, services);
    window.findChild<QAction *>(entry)->trigger();
    QCOMPARE(services.helpTopics, topics);
    QCOMPARE(services.openedAddresses, addresses);
    QVERIFY(services.messages.isEmpty());
}

void tst_startup::webAddressFailureReported()
{
    Session session;
    RecordingServices services;
    services.openAddressResult = false;
    frmVoteStartup window(session, services);
    window.mnuRollscanWeb->trigger();
    QCOMPARE(services.errorTexts(),
             QStringList{QStringLiteral("Rollscan could not open ") + kRollscanWebSite + QLatin1Char('.')});
}

void tst_startup::aboutBox()
{
    Session session(m_standard.path());
    RecordingServices services;
    frmVoteStartup window(session, services);
    QVERIFY(window.startUp());

    QString title, version;
    bool modal = false;
    OnNextModal([&](QWidget *w) {
        auto *about = qobject_cast<frmNewAbout *>(w);
        if (about) {
            title = about->windowTitle();
            version = about->lblVersion->text();
            modal = about->isModal();
            SaveScreenshot(about, QStringLiteral("startup_frmNewAbout"));
        }
        w->close();
    });
    window.mnuAbout->trigger();
    QCOMPARE(title, QStringLiteral("About Rollscan for Windows"));
    QCOMPARE(version, QStringLiteral("Version ") + ProgramVersion());
    QVERIFY(modal);
}

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
