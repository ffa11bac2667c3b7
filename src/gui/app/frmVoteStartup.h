#pragma once

#include <QMainWindow>
#include <QMetaMethod>

class QAction;
class QFrame;
class QLabel;
class QMenu;

namespace rollscan {

class Services;
class Session;

// The main window: brings the program up (screen size, preferences, congresses present) and holds
// the menus that lead everywhere else. Closing it, or Exit confirmed, ends the program.
class frmVoteStartup : public QMainWindow {
    Q_OBJECT

public:
    frmVoteStartup(Session &session, Services &services, QWidget *parent = nullptr);

    // Brings the program up: screen size, centring and showing the window, version caption,
    // preferences, congress lists with their warnings, data format, development menu hidden.
    // False when the program cannot run (the user has been told why) and must end.
    bool startUp();
    // The part of startUp() that reads the session's data tree: preferences, folder names and the
    // congresses of each chamber with their warnings. False when the tree has no usable preferences
    // (the user has been told why).
    bool loadTree();

    // The Development menu is hidden at start-up; `rollscan --development` shows it.
    void showDevelopmentMenu(bool shown);

    // True when an available screen width (pixels) calls for the compact layouts.
    static bool IsSmallScreen(int availableWidth);
    // The flag picture of the window, drawn at `size` logical pixels.
    static QPixmap FlagPicture(const QSize &size, qreal devicePixelRatio = 1.0);
    // The help topic of this window.
    static QString HelpTopic() { return QStringLiteral("frmVoteStartup"); }

    QLabel *pnlVoteTitle, *SSPanel1, *imgFlag;
    QFrame *SSPanel3;
    QLabel *lblCredit1, *lblCredit2, *lblCredit3, *lblCredit4;

    QMenu *mnuFile, *mnuHelp, *mnuDevelopment;
    QAction *mnuSearch, *s1, *mnuEditPrefs, *mnuEditBookmarks, *mnuFileSep, *mnuUpdate, *s4, *mnuNewData, *s5, *mnuExit;
    QAction *mnuVoteHelp, *s2, *mnuRollscanWeb, *mnuKestrelbyWeb, *mnuEmailRollscanList, *s3, *mnuAbout;
    QAction *mnuListTokens, *mnuMatches, *mnuSenMatches, *mnuPartyTest, *mnuTokenTest, *mnuCode;

    // Enables each entry whose request below has a receiver.
    void updateCommands();

signals:
    // The program must end now (Exit confirmed, or the window closed).
    void endProgram();

    // Requests answered by other windows. Each menu entry stays disabled while nothing is connected to
    // its request, so an entry whose window is not part of the program cannot be chosen.
    void searchRequested();           // mnuSearch, and the keys and double clicks that begin a search
    void preferencesRequested();      // mnuEditPrefs
    void bookmarkEditorRequested();   // mnuEditBookmarks
    void updateRequested();           // mnuUpdate
    void tokenListRequested();        // mnuListTokens
    void voteMatchCheckRequested();   // mnuMatches
    void senateMatchCheckRequested(); // mnuSenMatches

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPanels();
    void buildMenus();
    void CheckScreenSize();
    void beginSearch();
    template <typename Signal> bool isWired(Signal request) const
    {
        return isSignalConnected(QMetaMethod::fromSignal(request));
    }
    void openAddress(const QString &address);
    void showAbout();

    Session &m_session;
    Services &m_services;
    bool m_quitConfirmed = false; // the user agreed to end the program
};

} // namespace rollscan
