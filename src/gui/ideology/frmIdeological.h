#pragma once

#include "core/attach/RollCallAttachments.h"
#include "core/ideology/DisplayFilter.h"
#include "core/ideology/DrawingPass.h"
#include "core/search/SubjectCodeTable.h"
#include "gui/ideology/IdeologicalPicture.h"

#include <QMainWindow>
#include <QMetaMethod>
#include <QPointer>

#include <array>
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

// The ideological map of the queue entry at session.queue.currentQueuePos() (with its cross-tab partner when
// session.crossTabRequested): tokens in their class colours, the cutting line(s), the colour key and
// the display filters; moving through the queue; the outputs of the roll call. Every drawing pass is
// computed by core and kept here for the side windows.
class frmIdeological : public QMainWindow {
    Q_OBJECT

public:
    frmIdeological(Session &session, Services &services, QWidget *parent = nullptr);
    ~frmIdeological() override;

    // Loads and draws the roll call at session.queue.currentQueuePos(). False (after the error report) when it
    // could not be drawn; the window is then of no use and the caller closes it.
    bool start();

    // The tables of the last drawing pass, for the side windows.
    const DrawingPass &pass() const { return m_pass; }
    bool isCrossTab() const { return m_crossTab; }

    // Enables the commands that the roll call shown allows and whose requests below have a receiver.
    void updateCommands();

    // The roll-call attachments that exist for the roll call shown.
    const RollCallAttachments &attachments() const { return m_attachments; }
    // Looks again for the attachment files of the roll call shown (a note has been written).
    void refreshAttachments();

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
    // The picture as saved and printed: titles, tally, plot, key and legend (never the inquiry label).
    QImage pictureImage() const;
    // The titles, tally, key and legend of the picture around the plot.
    PictureFrame pictureFrame() const;
    // The queue changed under the map: an emptied queue (a new search) closes the map, a shorter
    // one brings First, Previous, Next and Last in line with what is left.
    void queueChanged();

    frmFind *findWindow() const;
    // Circles legislator record `recordNumber` (1-based, file order) as Find does; false when he is
    // not on the map.
    bool findRecord(int recordNumber);

    QToolBar *IdToolbar;
    // Toolbar buttons, by their keys.
    QAction *tbFirst, *tbPrevious, *tbNext, *tbLast, *tbInfo, *tbStatistics, *tbInquire, *tbFind, *tbUSMap, *tbSave,
        *tbPrint, *tbHelp, *tbDone;
    QMenu *mnuFile, *mnuOptions, *mnuView, *mnuHelp;
    QAction *mnuSave, *mnuSheet, *mnuPrint, *mnuPrintMap, *mnuExit;
    QAction *mnuInfo, *mnuStatistics, *mnuCrossStat, *mnuInquire, *mnuFind, *mnuText, *mnuAudio, *mnuPicture,
        *mnuRedraw, *mnuUSMap;
    QAction *mnuNext, *mnuPrevious, *mnuFirst, *mnuLast, *mnuJump, *mnuVoters, *mnuErrors, *mnuNA, *mnuKey;
    QAction *mnuFit;
    QAction *mnuExplain;
    // Every cutting line of the queue's roll calls of this congress on one map.
    QAction *mnuAllLines;
    QLabel *lblWeight; // the second-dimension weight in use, in the status bar
    QLabel *lblTitle1, *lblTitle2, *lblCaptions, *lblCodes, *lblNoLine, *lblInquire;
    QLabel *lblTally;   // "Yea 171 · Nay 255 · Not voting 27" under the titles
    QLabel *lblLegend;  // in the key: each party token with its party name
    QLabel *lblKeyNote; // in the cross-tab key: which roll call each letter of a pair stands for
    QComboBox *cmbCodes;
    IdeologicalCanvas *picId;
    QFrame *pnlKey;
    std::array<QFrame *, 4> pnlKeys; // pnlKey1 .. pnlKey4
    std::array<QLabel *, 4> lblKeys; // lblKey1 .. lblKey4

signals:
    // The program must end (Exit confirmed, or a party the program cannot draw).
    void endProgram();
    // The window closed; the cross-tab request of the list is over and the side windows go with it.
    void displayClosed();

    // Requests answered by other windows, with the tables of the current drawing pass where they need
    // them. A command stays disabled while nothing is connected to its request.
    void infoRequested(const DrawingPass &pass);               // mnuInfo, tbInfo
    void statisticsRequested(const DrawingPass &pass);         // mnuStatistics, tbStatistics
    void crossTabStatisticsRequested(const DrawingPass &pass); // mnuCrossStat, in a cross-tabulation
    // The map moved to another roll call of the queue: the side windows follow it.
    void rollCallChanged(const DrawingPass &pass);
    void usMapRequested(); // mnuUSMap, tbUSMap
    // mnuAllLines: the cutting lines of the queued roll calls of `congress`, the one shown.
    void allLinesRequested(int congress);
    void textAttachmentRequested();
    void audioAttachmentRequested();
    void pictureAttachmentRequested();
    void fitRequested(bool isHouse, int congress); // mnuFit: the fit of the congress shown

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildColourKey();
    void buildMapArea();
    void layOutControls();
    void buildMenus();
    void buildMenuBar();
    void buildToolbar();
    void connectCommands();
    // Loads the roll call at `position` and draws it; false after reporting an error.
    bool loadAt(int position);
    void showCaptions();
    void showNavigation();
    void showAttachmentMenus();
    void showKey();
    void applyFilter();
    void otherForms();
    template <typename Signal> bool isWired(Signal request) const
    {
        return isSignalConnected(QMetaMethod::fromSignal(request));
    }
    const SubjectCodeTable *codeTable(int scheme);
    void placePicture();

    Session &m_session;
    Services &m_services;
    bool m_crossTab = false;
    DrawingPass m_pass;
    QList<LegendEntry> m_legend;
    bool m_loaded = false;
    DisplayFilter m_filter;
    RollCallAttachments m_attachments;
    std::array<std::optional<std::optional<SubjectCodeTable>>, 3> m_codeTables;
    QWidget *m_mapArea = nullptr;
    QPointer<frmFind> m_find;
    int m_flashTicks = 0;
};

} // namespace rollscan
