#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QAction;
class QMenu;
class QSettings;

namespace rollscan {

class Services;
class Session;
class frmVoteStartup;

// Opens another data tree while the program runs: "Open Data Tree..." and "Recent Data Trees" in the
// main window's File menu. The tree in use and the recent list are kept in the settings for the
// next start.
class DataTreeSwitcher : public QObject {
    Q_OBJECT

public:
    DataTreeSwitcher(Session &session, Services &services, frmVoteStartup &main, QSettings &settings);

    // What closes every window that shows data of the tree in use, before another tree opens.
    void setCloseWindows(std::function<void()> close) { m_closeWindows = std::move(close); }

    // Asks for a folder and opens it; nothing happens when the user cancels.
    void chooseTree();
    // Opens the tree in `folder`. A folder that is not a tree is reported and the current tree
    // stays open; true when the new tree is in use.
    bool openTree(const QString &folder);
    // Notes `tree` as the tree in use: last used, and first of the recent list.
    void remember(const QString &tree);

    QStringList recentTrees() const;

    QAction *mnuOpenTree;
    QMenu *mnuRecentTrees;

    static const QString kLastTreeKey;
    static const QString kRecentTreesKey;

private:
    void fillRecentMenu();

    Session &m_session;
    Services &m_services;
    frmVoteStartup &m_main;
    QSettings &m_settings;
    std::function<void()> m_closeWindows;
};

} // namespace rollscan
