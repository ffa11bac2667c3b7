// Opening another data tree while the program runs: the folder dialog, a folder that is not a
// tree, and the recent list.
#include "support/GuiTestSupport.h"
#include "support/RecordingServices.h"
#include "support/TreeBuilder.h"

#include "core/app/DataTreeChoice.h"
#include "core/app/Session.h"
#include "gui/app/DataTreeSwitcher.h"
#include "gui/app/frmVoteStartup.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace rollscan;
using rollscan::test::SaveScreenshot;
using rollscan::test::TreeBuilder;

namespace {
// A tree holding one House congress, `congress`.
void WriteTree(const QString &root, int congress)
{
    TreeBuilder tree(root);
    tree.writeStandardTables();
    test::CongressData d;
    d.legislators = {TreeBuilder::legislator(QStringLiteral("ADAMS"), 1, 1, 100, 0.1f, 0.2f, 1001)};
    d.rollCalls = {TreeBuilder::rollCall(QStringLiteral("ONE"), QDate(1995, 1, 4), 1, 0)};
    d.voteRows = {QStringLiteral("1")};
    tree.addCongress(true, congress, d, true);
    tree.addCongress(false, congress, d, true);
    tree.writeIndexes();
}
} // namespace

class TestOpenTree : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void folderWithoutPreferencesKeepsCurrentTree_data();
    void folderWithoutPreferencesKeepsCurrentTree();
    void openThroughDialog();
    void cancelledDialogChangesNothing();
    void recentList();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<frmVoteStartup> m_window;
    std::unique_ptr<DataTreeSwitcher> m_switcher;
    RecordingServices m_services;
    int m_closes = 0;
    QString m_a, m_b;
};

void TestOpenTree::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_a = m_dir->filePath(QStringLiteral("a"));
    m_b = m_dir->filePath(QStringLiteral("b"));
    WriteTree(m_a, 97);
    WriteTree(m_b, 104);
    m_session = std::make_unique<Session>(m_a);
    m_settings = std::make_unique<QSettings>(m_dir->filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    m_services.clearRecords();
    m_window = std::make_unique<frmVoteStartup>(*m_session, m_services);
    QVERIFY(m_window->startUp());
    m_switcher = std::make_unique<DataTreeSwitcher>(*m_session, m_services, *m_window, *m_settings);
    m_closes = 0;
    m_switcher->setCloseWindows([this] { ++m_closes; });
    m_switcher->remember(m_a);
}

void TestOpenTree::cleanup()
{
    m_switcher.reset();
    m_window.reset();
}

void TestOpenTree::folderWithoutPreferencesKeepsCurrentTree_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QByteArray>("preferences"); // written as rollscan.prf when not empty
    QTest::newRow("no preferences") << "empty" << QByteArray();
    QTest::newRow("no such folder") << "nowhere" << QByteArray();
    QTest::newRow("preferences cut short") << "short" << QByteArray("short");
}

void TestOpenTree::folderWithoutPreferencesKeepsCurrentTree()
{
    QFETCH(QString, folder);
    QFETCH(QByteArray, preferences);
    const QString path = m_dir->filePath(folder);
    if (folder != QLatin1String("nowhere"))
        QDir().mkpath(path);
    if (!preferences.isEmpty()) {
        QFile f(path + QStringLiteral("/rollscan.prf"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(preferences);
    }
    QVERIFY(!m_switcher->openTree(path));
    QCOMPARE(m_services.errorTexts().size(), 1);
    if (preferences.isEmpty())
        QCOMPARE(m_services.errorTexts().first(), DataTreeChoice::NotATreeText(path));
    QVERIFY(m_services.errorTexts().first().contains(QDir::toNativeSeparators(path)));
    QCOMPARE(m_session->dataRoot, m_a);
    QCOMPARE(m_session->houseList, QList<int>{97});
    QCOMPARE(m_closes, 0);
    QCOMPARE(m_switcher->recentTrees(), QStringList{QFileInfo(m_a).canonicalFilePath()});
}

void TestOpenTree::openThroughDialog()
{
    m_services.fileNames.enqueue(m_b);
    m_window->mnuFile->popup(m_window->mapToGlobal(QPoint(0, 0)));
    QVERIFY(!SaveScreenshot(m_window->mnuFile, QStringLiteral("frmVoteStartup_file_menu")).isEmpty());
    m_window->mnuFile->close();
    m_switcher->mnuOpenTree->trigger();
    QCOMPARE(m_services.fileDialogs.size(), 1);
    QCOMPARE(m_services.fileDialogs.first().caption, QStringLiteral("Open Data Tree"));
    QCOMPARE(m_services.fileDialogs.first().folder, m_dir->path()); // beside the tree in use
    QCOMPARE(m_closes, 1);
    QCOMPARE(m_session->dataRoot, m_b);
    QCOMPARE(m_session->houseList, QList<int>{104});
    QCOMPARE(m_session->senateList, QList<int>{104});
    QVERIFY(m_services.errorTexts().isEmpty());
    QCOMPARE(m_settings->value(DataTreeSwitcher::kLastTreeKey).toString(), m_b);
    QCOMPARE(m_switcher->recentTrees(),
             (QStringList{QFileInfo(m_b).canonicalFilePath(), QFileInfo(m_a).canonicalFilePath()}));
}

void TestOpenTree::cancelledDialogChangesNothing()
{
    m_switcher->mnuOpenTree->trigger();
    QCOMPARE(m_services.fileDialogs.size(), 1);
    QCOMPARE(m_closes, 0);
    QCOMPARE(m_session->dataRoot, m_a);
    QVERIFY(m_services.messages.isEmpty());
}

void TestOpenTree::recentList()
{
    QVERIFY(m_switcher->openTree(m_b));
    const QList<QAction *> entries = m_switcher->mnuRecentTrees->actions();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.at(0)->text(),
             QStringLiteral("&1 ") + QDir::toNativeSeparators(QFileInfo(m_b).canonicalFilePath()));
    QCOMPARE(entries.at(1)->text(),
             QStringLiteral("&2 ") + QDir::toNativeSeparators(QFileInfo(m_a).canonicalFilePath()));
    entries.at(1)->trigger();
    QCOMPARE(m_session->houseList, QList<int>{97});
    QCOMPARE(m_switcher->mnuRecentTrees->actions().at(0)->data().toString(), QFileInfo(m_a).canonicalFilePath());
    m_switcher->mnuRecentTrees->popup(QPoint(0, 0));
    QVERIFY(!SaveScreenshot(m_switcher->mnuRecentTrees, QStringLiteral("frmVoteStartup_recent_trees")).isEmpty());
    m_switcher->mnuRecentTrees->close();
}

QTEST_MAIN(TestOpenTree)
#include "tst_opentree.moc"
