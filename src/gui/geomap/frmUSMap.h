#pragma once

#include "core/attach/RollCallAttachments.h"
#include "core/data/TokenTable.h"
#include "core/geomap/DrawnMapData.h"
#include "core/geomap/DrawnMapPass.h"
#include "core/geomap/ShapeLayer.h"
#include "core/geomap/StateList.h"
#include "core/geomap/UsMapColouring.h"
#include "core/geomap/UsMapPass.h"
#include "core/geomap/UsMapRules.h"
#include "core/ideology/DrawingPass.h"
#include "gui/geomap/DrawnMapPainter.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QPainter;
class QTimer;
class QToolBar;

namespace rollscan {

class DrawnMapCanvas;
class MapControl;
class MapTip;
class Services;
class Session;
class frmFind;
class frmInquire;

// The US map of the queue entry at session.queue.currentQueuePos() (with its cross-tab partner when
// session.crossTabRequested): the Senate by state and the House from the 103rd congress by district
// from shapefiles, the House up to the 102nd congress on its own drawn outlines (drawn mode), each
// district or state coloured by how its members voted. Zoom, pan, labels, hover tips, the state filter,
// Find, printing and saving. The display mode is fixed when the window loads.
class frmUSMap : public QMainWindow {
    Q_OBJECT

public:
    frmUSMap(Session &session, Services &services, QWidget *parent = nullptr);
    ~frmUSMap() override;

    // Loads and draws the roll call at session.queue.currentQueuePos(). False (after the report) when the
    // map cannot be shown; the caller then closes the window.
    bool start();

    UsMapMode mode() const { return m_mode; }
    bool isCrossTab() const { return m_crossTab; }
    const UsMapPass &pass() const { return m_pass; }
    const UsMapColouring &colouring() const { return m_colouring; }
    const ShapeLayer &layer() const { return *m_layer; }
    const StateFilter &stateFilter() const { return m_filter; }
    const RollCallAttachments &attachments() const { return m_attachments; }
    // Looks again for the attachment files of the roll call shown (a note has been written).
    void refreshAttachments();

    // The design's operations.
    void SetupUSMap();
    bool SetUpGISMap();
    void DoMap(bool updateOthers);
    void ClearRenderers();
    bool AllowFill(const QString &code) const;
    void SetupButtons();
    // Enables each command by the roll call shown and by whether its request has a receiver.
    void updateCommands();
    void LabelFeatures(const QString &field);
    void PassVar(const QStringList &selectedStates);

    // What the menus and buttons do.
    void moveFirst();
    void movePrevious();
    void moveNext();
    void moveLast();
    void jump();
    void jumpTo(const QString &entry);
    void fullMap();
    void setLabels(bool on);
    void setMode(QAction *modeMenu, bool on);
    void setInquire(bool on);
    void setBreakdown(bool on);
    void chooseStates();
    void find();
    // Flashes the district or state of vote-table row `row` (0-based); false when it is not on the map.
    bool findMember(int row);
    void saveAs();
    void printMap();
    // The hover text for a map point by the tip menu checked: inquire, breakdown, or none.
    QString tipTextAt(const QPointF &mapPoint) const;
    // Feature index of a key value of the layer's key field, or -1.
    int featureOfKey(int key) const;

    // Drawn mode.
    const DrawnMapPass &drawnPass() const { return m_drawnPass; }
    const DrawnMapView &drawnView() const { return m_drawnView; }
    const DrawnStateFilter &drawnFilter() const { return m_drawnFilter; }
    std::shared_ptr<const DrawnMapData> drawnData() const { return m_drawnData; }
    // What the drawn map fills: the vote classes of the roll call shown.
    DrawnFillPlan drawnFillPlan() const;
    // The drawn picture with the vote circles of imported data shown with the votes.
    QImage withImportCircles(QImage picture) const;
    // Draws the drawn map again at the canvas's size (the outlines only when the view, size or filter
    // changed); `wait` shows the phases in the wait window.
    void redrawDrawn(bool wait);
    // A click on the drawn map at a map point, by the checked mode menu.
    void drawnClick(const QPointF &mapPoint);
    // The hover text of the drawn map at a map point by the tip menu checked.
    QString drawnTipAt(const QPointF &mapPoint) const;

    frmFind *findWindow() const;
    frmInquire *inquireWindow() const;
    MapTip *mapTip() const { return m_tip; }

    QToolBar *USToolbar;
    QAction *tbFirst, *tbPrevious, *tbNext, *tbLast, *tbInfo, *tbStatistics, *tbInquire, *tbFind, *tbFullExtent, *tbPan,
        *tbZoomIn, *tbZoomOut, *tbIdMap, *tbSave, *tbPrint, *tbHelp, *tbDone;
    QMenu *mnuFile, *mnuView, *mnuMode, *mnuOptions, *mnuHelp;
    QAction *mnuSave, *mnuPrintMap, *mnuDone;
    QAction *mnuFirst, *mnuPrevious, *mnuNext, *mnuLast, *mnuJump, *mnuFullMap, *mnuLabels, *mnuKey, *mnuState,
        *mnuCities;
    QAction *mnuLargeZoomIn, *mnuSmallZoomIn, *mnuLargeZoomOut, *mnuSmallZoomOut, *mnuCenter, *mnuPan;
    QAction *mnuInquire, *mnuBreakdown, *mnuFind, *mnuInfo, *mnuStatistics, *mnuIdMap, *mnuText, *mnuAudio, *mnuPicture,
        *mnuExplain;
    QLabel *lblTitle;
    QComboBox *cmbInfo;
    MapControl *mapUS;
    DrawnMapCanvas *picUSMap; // the drawing surface of drawn mode
    QLabel *lblRollCall;      // drawn mode: "House #97 Roll Call #12  1/5/1981  (1/3)"
    QLabel *lblInquire;       // drawn mode: its tool tip is the hover text
    QFrame *pnlKey;
    std::array<QFrame *, 5> pnlKeys; // pnlKey1 .. pnlKey5
    std::array<QLabel *, 5> lblKeys; // lblKey1 .. lblKey5
    QFrame *picToolTip;
    QLabel *lblToolTip;
    QTimer *tmrToolTip;

signals:
    // The ideological map of the same roll call.
    void ideologicalRequested();
    // The city insets of the drawn map.
    void citiesRequested();
    // The roll call changed: an open ideological map follows it.
    void otherForms();
    // Side windows read the ideological tables of the roll call shown.
    void infoRequested(const DrawingPass &pass);
    void statisticsRequested(const DrawingPass &pass);
    void closeStatistics();
    void attachmentRequested(AttachmentKind kind);
    // The window closed; a cross-tab request of the list is over.
    void displayClosed();
    // The program must end (an unreadable map layer).
    void endProgram();
    // The colour key of the imported data shown.
    void colorKeyRequested();
    // The roll call now shown does (or no longer does) show the imported data: on a queue over
    // several congresses the data set only fits those of its own.
    void importShownChanged(bool shown);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void buildMenuBar();
    void buildToolbar();
    void connectCommands();
    bool openLayer(const QString &path);
    bool loadAt(int position);
    bool loadDrawnAt(int position);
    void drawnMouseMoved(const QPointF &mapPoint, const QPoint &position);
    void writeDrawnPicture(const QString &path) const;
    void printDrawnMap(QPainter &painter, const QRectF &area);
    void showKey();
    void followLoadedRollCall();
    void rebuildLabels();
    void mapMouseDown(Qt::MouseButton button, const QPoint &at);
    void showInquireWindow(const QPointF &mapPoint);
    QList<UsMapMember> membersOfFeature(int feature, int limit) const;
    void requestSidePass(bool statistics);
    void flashTick(bool visible);
    QString keyField() const;
    bool importShown() const;
    void followDrawnFilter();

    Session &m_session;
    Services &m_services;
    UsMapMode m_mode = UsMapMode::Shapefile;
    bool m_loading = true;
    bool m_loaded = false;
    bool m_importWasShown = false;
    bool m_crossTab = false;
    std::unique_ptr<ShapeLayer> m_layer;
    StateList m_stateList;
    TokenTable m_tokens;
    UsMapPass m_pass;
    UsMapColouring m_colouring;
    StateFilter m_filter;
    QStringList m_chosenStates;
    RollCallAttachments m_attachments;
    MapTip *m_tip = nullptr;
    QPointer<frmFind> m_find;
    QPointer<frmInquire> m_inquire;
    int m_findFeature = -1;
    int m_flashTicks = 0;
    std::array<QAction *, 6> m_modeMenus{};
    std::shared_ptr<DrawnMapData> m_drawnData;
    DrawnMapPainter m_drawnPainter;
    DrawnMapPass m_drawnPass;
    DrawnMapView m_drawnView;
    DrawnStateFilter m_drawnFilter;
    std::optional<QPointF> m_findPoint;
    bool m_drawing = false;
};

} // namespace rollscan
