#pragma once

#include "core/search/CongressExtras.h"

#include <QMainWindow>
#include <QMetaMethod>
#include <QPointer>

class QAction;
class QActionGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace rollscan {

class Services;
class Session;
class frmKeyword;
class frmQuickInfo;

// The roll-call list: every roll call the last search found, the selection queue built from them,
// and the commands that work on the queue (displays, spreadsheet, bookmarks, keyword narrowing).
// The queue itself lives in the session; this window shows it and changes it through core.
class frmViewCalls : public QMainWindow {
    Q_OBJECT

public:
    // Fills the list from session.MatchTable and empties the queue.
    frmViewCalls(Session &session, Services &services, frmKeyword &keyword, QWidget *parent = nullptr);

    // The US map cannot be drawn: the ideological map becomes the choice and the US map is offered
    // no more.
    void DisableUSMap();
    // Brings the commands in line with the queue (those that need a queue, and Cross Tab at exactly two
    // entries) and with the requests below that have a receiver.
    void updateCommands();
    // Looks again for the congress attachments (a note has been written).
    void refreshAttachments();

    // The quick-information window, while it is open.
    frmQuickInfo *quickInfo() const;

    // What the buttons, keys and menus do.
    void addSelected();
    void addCurrent();
    void addAll();
    void removeSelected();
    void clearQueue();
    void quickEntry();
    void start();
    void crossTab();
    void crossTabFromMenu();
    void chooseDisplay(bool ideological);
    void chooseAmount(bool single);
    void saveSpreadsheet();
    void narrowByKeyword();
    void saveBookmarks();
    void showQuickInfo();

    QGroupBox *fraRollCalls, *fraSelected;
    QListWidget *lstRollCalls, *lstSelected;
    QLabel *lblMatchesTag, *lblMatches, *lblTotalSelTag, *lblTotalSel, *lblRollCall, *lblDate, *lblQuick;
    QLineEdit *mtxQuick;
    QPushButton *btnAdd, *btnAll, *btnRemove, *btnClear, *btnStart, *btnMap, *btnAmount, *btnCrossTab, *btnTrack,
        *btnRating, *btnSpreadsheet, *btnBookmark, *btnKeyword, *btnImport, *btnCancel, *btnHelp;
    QMenu *mnuOptions, *mnuView, *mnuHelp;
    QAction *mnuRating, *mnuTrack, *mnuSpreadsheet, *mnuCrossTab, *mnuText, *mnuPicture, *mnuAudio, *mnuImport,
        *mnuEditBookmarks, *mnuExit;
    QAction *mnuIdeological, *mnuUS, *mnuSingle, *mnuDouble, *mnuExplain;
    // Every cutting line of the queue on one map.
    QAction *mnuAllLines;

signals:
    // Requests answered by other windows. A command stays disabled while nothing is connected to its
    // request. The displays read the queue, session.queue.currentQueuePos(), session.crossTabRequested and the
    // check marks of mnuUS and mnuDouble.
    void ideologicalRequested(); // btnStart, btnCrossTab, mnuCrossTab with the ideological map chosen
    void usMapRequested();       // the same with the US map chosen
    void ratingRequested();      // btnRating, mnuRating
    void trackRequested();       // btnTrack, mnuTrack
    void importRequested();      // btnImport, mnuImport
    void textAttachmentRequested();
    void pictureAttachmentRequested();
    void audioAttachmentRequested();
    void bookmarkEditorRequested(); // mnuEditBookmarks
    void allLinesRequested();       // mnuAllLines
    // The queue changed (entries added, removed, dropped by a narrowing search, or emptied).
    void queueChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildLists();
    void buildButtons();
    void layOut(QWidget *central);
    void connectControls();
    void buildMenus();
    void fillRollCalls();
    void showQueue();
    // Shows the current row's description and identification; beeps when no row is current.
    void showRollCall();
    void setDisplayChoice(bool ideological);
    template <typename Signal> bool isWired(Signal request) const
    {
        return isSignalConnected(QMetaMethod::fromSignal(request));
    }
    QList<int> selectedRows() const;

    Session &m_session;
    Services &m_services;
    frmKeyword &m_keyword;
    CongressExtras m_extras;
    bool m_usMapDisabled = false;
    bool m_wantIdeological = true; // the display chosen, shown whenever it is available
    QPointer<frmQuickInfo> m_quickInfo;
};

} // namespace rollscan
