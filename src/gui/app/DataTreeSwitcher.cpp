#include "gui/app/DataTreeSwitcher.h"

#include "core/app/DataTreeChoice.h"
#include "core/app/Session.h"
#include "core/data/FileError.h"
#include "gui/app/frmVoteStartup.h"
#include "gui/services/Services.h"
#include "gui/services/WaitProgress.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace rollscan {

const QString DataTreeSwitcher::kLastTreeKey = QStringLiteral("dataTree/last");
const QString DataTreeSwitcher::kRecentTreesKey = QStringLiteral("dataTree/recent");

DataTreeSwitcher::DataTreeSwitcher(Session &session, Services &services, frmVoteStartup &main, QSettings &settings)
    : QObject(&main), m_session(session), m_services(services), m_main(main), m_settings(settings)
{
    // Beside the other commands that choose what to work on, before the preferences.
    mnuOpenTree = new QAction(QStringLiteral("&Open Data Tree..."), &main);
    mnuOpenTree->setObjectName(QStringLiteral("mnuOpenTree"));
    mnuOpenTree->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuRecentTrees = new QMenu(QStringLiteral("Recent Data &Trees"), &main);
    mnuRecentTrees->setObjectName(QStringLiteral("mnuRecentTrees"));
    main.mnuFile->insertAction(main.mnuEditPrefs, mnuOpenTree);
    main.mnuFile->insertMenu(main.mnuEditPrefs, mnuRecentTrees);
    main.mnuFile->insertSeparator(main.mnuEditPrefs)->setObjectName(QStringLiteral("mnuTreeSep"));
    connect(mnuOpenTree, &QAction::triggered, this, &DataTreeSwitcher::chooseTree);
    fillRecentMenu();
}

QStringList DataTreeSwitcher::recentTrees() const
{
    return m_settings.value(kRecentTreesKey).toStringList();
}

void DataTreeSwitcher::remember(const QString &tree)
{
    m_settings.setValue(kLastTreeKey, tree);
    m_settings.setValue(kRecentTreesKey, DataTreeChoice::AddRecent(recentTrees(), tree));
    m_settings.sync();
    fillRecentMenu();
}

void DataTreeSwitcher::fillRecentMenu()
{
    mnuRecentTrees->clear();
    const QStringList trees = recentTrees();
    for (int i = 0; i < trees.size(); ++i) {
        const QString tree = trees.at(i);
        // Numbered entries, so that the keyboard reaches each with one key.
        QAction *entry = mnuRecentTrees->addAction(QStringLiteral("&%1 ").arg(i + 1) + QDir::toNativeSeparators(tree));
        entry->setObjectName(QStringLiteral("mnuRecentTree%1").arg(i + 1));
        entry->setData(tree);
        connect(entry, &QAction::triggered, this, [this, tree] { openTree(tree); });
    }
    mnuRecentTrees->setEnabled(!trees.isEmpty());
}

void DataTreeSwitcher::chooseTree()
{
    const QString folder = m_services.chooseFolder(&m_main, QStringLiteral("Open Data Tree"),
                                                   QFileInfo(m_session.dataRoot).absolutePath());
    if (!folder.isEmpty())
        openTree(folder);
}

bool DataTreeSwitcher::openTree(const QString &folder)
{
    if (!DataTreeChoice::IsDataTree(folder)) {
        ReportError(m_services, &m_main, DataTreeChoice::NotATreeText(folder));
        return false;
    }
    const QString root = QFileInfo(folder).absoluteFilePath();
    // A preferences file that cannot be read keeps the current tree open too.
    if (!RunReportingErrors(m_services, &m_main, [&] { Preferences::Read(Session(root).preferencesPath()); }))
        return false;
    if (m_closeWindows)
        m_closeWindows();
    // A fresh session over the new tree; only what belongs to the screen carries over.
    const bool smallScreen = m_session.smallScreen;
    const bool newDataFormat = m_session.newDataFormat;
    m_session = Session(root);
    m_session.smallScreen = smallScreen;
    m_session.newDataFormat = newDataFormat;
    QDir::setCurrent(root);
    if (!m_main.loadTree())
        return false;
    remember(root);
    return true;
}

} // namespace rollscan
