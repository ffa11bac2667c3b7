#pragma once

#include "core/attach/RollCallAttachments.h"
#include "core/ideology/DisplayFilter.h"
#include "core/ideology/DrawingPass.h"
#include "core/search/SubjectCodeTable.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QToolBar;

namespace rollscan {

class IdeologicalCanvas;
class Services;
class Session;
class frmFind;

// The ideological map of the queue entry at session.currentQueuePos (with its cross-tab partner when
// session.crossTabRequested): tokens in their class colours, the cutting line(s), the colour key and
// the display filters; moving through the queue; the outputs of the roll call. Every drawing pass is
// computed by core and kept here for the side windows.
class frmIdeological : public QMainWindow {
    Q_OBJECT

public:
    frmIdeological(Session &session, Services &services, QWidget *parent = nullptr);
    ~frmIdeological() override;

    // Loads and draws the roll call at session.currentQueuePos. False (after the error report) when it
    // could not be drawn; the window is then of no use and the caller closes it.
    bool start();

    // The tables of the last drawing pass, for the side windows.
    const DrawingPass &pass() const { return m_pass; }
    bool isCrossTab() const { return m_crossTab; }

    // Commands whose windows live elsewhere. Each menu item and toolbar button stays disabled until
    // its action is attached. The pass actions get the tables of the current drawing pass.
    enum class PassHook { Info, Statistics, CrossStat, OtherForms };
    void attach(PassHook hook, std::function<void(const DrawingPass &)> action);
    enum class Hook { USMap, TextAttachment, AudioAttachment, PictureAttachment, CloseSideWindows };
    void attach(Hook hook, std::function<void()> action);
    bool isAttached(PassHook hook) const;
    bool isAttached(Hook hook) const;

    // The roll-call attachments that exist for the roll call shown.
    const RollCallAttachments &attachments() const { return m_attachments; }

    // What the menus and buttons do.
    void moveFirst();
    void movePrevious();
    void moveNext();
    void moveLast();
    void jump();
    // Acts on the text of the jump box: moves, reports the range message, or does nothing.
    void jumpTo(const QString &entry);
    void redraw();
    void setVoters(bool on);
    void setErrorsOnly(bool on);
    void setNotAvailable(bool on);
    void setColourKey(bool on);
    void setInquire(bool on);
    // An inquiry click at (x, y) in map units.
    void inquireAt(double x, double y);
    void find();
    // Draws the find circle round plotted entry `plottedIndex` (nothing for a not-available legislator).
    void findLegislator(int plottedIndex);
    void saveAs();
    void saveSpreadsheet();
    void printRollCall();
    void printMap();
    void exitProgram();
    // The picture box as it stands, for saving.
    QImage pictureImage() const;

    frmFind *findWindow() const;

    // Placement after a resize is done by the layouts, so there is nothing left to do here.
    void MoveControls() {}

    QToolBar *IdToolbar;
    // Toolbar buttons, by their keys.
    QAction *tbFirst, *tbPrevious, *tbNext, *tbLast, *tbInfo, *tbStatistics, *tbInquire, *tbFind, *tbUSMap, *tbSave,
        *tbPrint, *tbHelp, *tbDone;
    QMenu *mnuFile, *mnuOptions, *mnuView, *mnuHelp;
    QAction *mnuSave, *mnuSheet, *mnuPrint, *mnuPrintMap, *mnuExit;
    QAction *mnuInfo, *mnuStatistics, *mnuCrossStat, *mnuInquire, *mnuFind, *mnuText, *mnuAudio, *mnuPicture,
        *mnuRedraw, *mnuUSMap;
    QAction *mnuNext, *mnuPrevious, *mnuFirst, *mnuLast, *mnuJump, *mnuVoters, *mnuErrors, *mnuNA, *mnuKey;
    QAction *mnuExplain;
    QLabel *lblTitle1, *lblTitle2, *lblCaptions, *lblCodes, *lblNoLine, *lblInquire;
    QComboBox *cmbCodes;
    IdeologicalCanvas *picId;
    QFrame *pnlKey;
    std::array<QFrame *, 4> pnlKeys; // pnlKey1 .. pnlKey4
    std::array<QLabel *, 4> lblKeys; // lblKey1 .. lblKey4

signals:
    // The program must end (Exit confirmed, or a party the program cannot draw).
    void endProgram();
    // The window closed; the cross-tab request of the list is over.
    void displayClosed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    // Loads the roll call at `position` and draws it; false after reporting an error.
    bool loadAt(int position);
    void showCaptions();
    void showNavigation();
    void showAttachmentMenus();
    void showKey();
    void applyFilter();
    void updateCommands();
    void otherForms();
    void runPassHook(PassHook hook);
    void runHook(Hook hook);
    const SubjectCodeTable *codeTable(int scheme);
    void placePicture();

    Session &m_session;
    Services &m_services;
    bool m_crossTab = false;
    DrawingPass m_pass;
    bool m_loaded = false;
    DisplayFilter m_filter;
    RollCallAttachments m_attachments;
    std::array<std::function<void(const DrawingPass &)>, 4> m_passHooks;
    std::array<std::function<void()>, 5> m_hooks;
    std::array<std::optional<std::optional<SubjectCodeTable>>, 3> m_codeTables;
    QWidget *m_mapArea = nullptr;
    QPointer<frmFind> m_find;
    int m_flashTicks = 0;
};

} // namespace rollscan
