#include "gui/geomap/frmUSMap.h"

#include "core/app/Session.h"
#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/data/StateTable.h"
#include "core/geomap/MapTipText.h"
#include "core/geomap/UsMapTexts.h"
#include "core/ideology/IdeologyTexts.h"
#include "core/ideology/MapCaptions.h"
#include "core/ideology/QueueNavigation.h"
#include "core/import/DrawnImport.h"
#include "core/import/ImportedMap.h"
#include "core/report/RollCallText.h"
#include "gui/app/PaletteColour.h"
#include "gui/geomap/DrawnMapCanvas.h"
#include "gui/geomap/MapControl.h"
#include "gui/geomap/MapTip.h"
#include "gui/geomap/UsMapPictureFile.h"
#include "gui/geomap/frmState.h"
#include "gui/ideology/frmFind.h"
#include "gui/ideology/frmInquire.h"
#include "gui/ideology/frmJump.h"
#include "gui/import/DrawnCircles.h"
#include "gui/services/ScreenFit.h"
#include "gui/services/Services.h"
#include "gui/services/WaitGuard.h"
#include "gui/services/WaitProgress.h"
#include "gui/services/WindowTools.h"
#include <QBuffer>

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QSvgGenerator>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace rollscan {

namespace {
const QStringList kSaveFilters = {QStringLiteral("All Files (*.*)"), QStringLiteral("Output Files (*.txt)"),
                                  QStringLiteral("Bitmap Files (*.bmp)"), QStringLiteral("PNG Files (*.png)"),
                                  QStringLiteral("SVG Files (*.svg)")};
const QString kWhileDrawing = QStringLiteral(") has occurred while drawing the US map.");
// Members a tip looks at: three names at most are shown, the breakdown counts up to 60.
constexpr int kInquireMembers = 11;
constexpr int kBreakdownMembers = 60;
// Click zooms of the mode menus.
constexpr double kLargeZoom = 2.0;
constexpr double kSmallZoom = 1.25;

QFrame *swatch(const char *name)
{
    auto *f = Named(new QFrame, name);
    f->setFrameShape(QFrame::Box);
    f->setFixedSize(28, 16);
    f->setAutoFillBackground(true);
    return f;
}
} // namespace

frmUSMap::frmUSMap(Session &session, Services &services, QWidget *parent)
    : QMainWindow(parent), m_session(session), m_services(services), m_layer(std::make_unique<ShapeLayer>())
{
    setObjectName(QStringLiteral("frmUSMap"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_crossTab = m_session.crossTabRequested;
    setWindowTitle(UsMapText::kCaptionPrefix);
    buildControls();
    buildMenus();

    QSize size(1000, 760);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(16, 48));
    resize(size);
    CentreOnScreen(this);
    FitToScreen(this);
}

frmUSMap::~frmUSMap()
{
    if (m_find)
        m_find->close();
    if (m_inquire)
        m_inquire->close();
}

void frmUSMap::buildControls()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);

    lblTitle = Named(new QLabel, "lblTitle");
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(12);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblTitle->setTextFormat(Qt::PlainText);
    cmbInfo = Named(new QComboBox, "cmbInfo");
    cmbInfo->setToolTip(QStringLiteral("The roll call shown and its place in the selection queue."));
    cmbInfo->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    mapUS = Named(new MapControl, "mapUS");
    picUSMap = Named(new DrawnMapCanvas, "picUSMap");
    picUSMap->hide();
    lblRollCall = Named(new QLabel, "lblRollCall");
    lblRollCall->setTextFormat(Qt::PlainText);
    lblRollCall->hide();
    lblInquire = Named(new QLabel(picUSMap), "lblInquire");
    lblInquire->setFixedSize(6, 6);
    lblInquire->hide();

    pnlKey = Named(new QFrame, "pnlKey");
    auto *keyLayout = new QHBoxLayout(pnlKey);
    keyLayout->setContentsMargins(4, 2, 4, 2);
    static const char *const kPanels[] = {"pnlKey1", "pnlKey2", "pnlKey3", "pnlKey4", "pnlKey5"};
    static const char *const kLabels[] = {"lblKey1", "lblKey2", "lblKey3", "lblKey4", "lblKey5"};
    for (std::size_t i = 0; i < pnlKeys.size(); ++i) {
        pnlKeys[i] = swatch(kPanels[i]);
        lblKeys[i] = Named(new QLabel, kLabels[i]);
        keyLayout->addWidget(pnlKeys[i]);
        keyLayout->addWidget(lblKeys[i]);
        keyLayout->addSpacing(10);
    }
    keyLayout->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(lblTitle, 1);
    top->addWidget(cmbInfo);
    top->addWidget(lblRollCall);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addWidget(mapUS, 1);
    layout->addWidget(picUSMap, 1);
    layout->addWidget(pnlKey);

    // The hover tip: a small framed box over the window, above every other control.
    picToolTip = Named(new QFrame(central), "picToolTip");
    picToolTip->setFrameShape(QFrame::Box);
    picToolTip->setAutoFillBackground(true);
    QPalette tipPalette = picToolTip->palette();
    tipPalette.setColor(QPalette::Window, QColor(255, 255, 225));
    tipPalette.setColor(QPalette::WindowText, Qt::black);
    picToolTip->setPalette(tipPalette);
    lblToolTip = Named(new QLabel(picToolTip), "lblToolTip");
    lblToolTip->setTextFormat(Qt::PlainText);
    tmrToolTip = Named(new QTimer(this), "tmrToolTip");
    m_tip = new MapTip(this);
    m_tip->Initialize(mapUS, tmrToolTip, picToolTip, lblToolTip);
    m_tip->SetText([this](const QPointF &p) { return tipTextAt(p); });

    connect(mapUS, &MapControl::mouseMoved, this, [this](const QPoint &at) {
        if (mnuInquire->isChecked() || mnuBreakdown->isChecked())
            m_tip->MouseMove(at);
    });
    connect(mapUS, &MapControl::mouseLeft, m_tip, &MapTip::hide);
    connect(picUSMap, &DrawnMapCanvas::mouseMoved, this, &frmUSMap::drawnMouseMoved);
    connect(picUSMap, &DrawnMapCanvas::mouseDown, this, [this](Qt::MouseButton button, const QPointF &at) {
        if (button == Qt::LeftButton)
            drawnClick(at);
    });
    // A resize draws the map again at the new size, once the resizing has settled.
    auto *resizeTimer = new QTimer(this);
    resizeTimer->setSingleShot(true);
    resizeTimer->setInterval(30);
    connect(picUSMap, &DrawnMapCanvas::resized, resizeTimer, qOverload<>(&QTimer::start));
    connect(resizeTimer, &QTimer::timeout, this, [this] {
        if (m_mode == UsMapMode::Drawn && m_loaded && !isMinimized())
            redrawDrawn(false);
    });
    connect(mapUS, &MapControl::mouseDown, this, &frmUSMap::mapMouseDown);
    connect(mapUS, &MapControl::extentChanged, this, [this] {
        tbPan->setEnabled(true);
        mnuPan->setEnabled(true);
        tbZoomOut->setEnabled(true);
        rebuildLabels();
    });
}

namespace {
QAction *Checkable(QAction *action)
{
    action->setCheckable(true);
    return action;
}
} // namespace

void frmUSMap::buildMenus()
{
    buildMenuBar();
    buildToolbar();
    connectCommands();
}

void frmUSMap::buildMenuBar()
{
    mnuFile = Named(menuBar()->addMenu(QStringLiteral("&File")), "mnuFile");
    mnuSave = MenuEntry(mnuFile, "mnuSave", QStringLiteral("&Save As..."));
    mnuSave->setShortcut(QKeySequence::Save);
    mnuPrintMap = MenuEntry(mnuFile, "mnuPrintMap", QStringLiteral("&Print Map..."));
    mnuPrintMap->setShortcut(QKeySequence::Print);
    mnuFile->addSeparator();
    mnuDone = MenuEntry(mnuFile, "mnuDone", QStringLiteral("&Done"));

    mnuView = Named(menuBar()->addMenu(QStringLiteral("&View")), "mnuView");
    mnuFirst = MenuEntry(mnuView, "mnuFirst", QStringLiteral("&First Roll Call"));
    mnuPrevious = MenuEntry(mnuView, "mnuPrevious", QStringLiteral("&Previous Roll Call"));
    mnuPrevious->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Left));
    mnuNext = MenuEntry(mnuView, "mnuNext", QStringLiteral("&Next Roll Call"));
    mnuNext->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Right));
    mnuLast = MenuEntry(mnuView, "mnuLast", QStringLiteral("&Last Roll Call"));
    mnuJump = MenuEntry(mnuView, "mnuJump", QStringLiteral("&Jump to..."));
    mnuView->addSeparator();
    mnuFullMap = MenuEntry(mnuView, "mnuFullMap", QStringLiteral("F&ull Map"));
    mnuFullMap->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    mnuLabels = Checkable(MenuEntry(mnuView, "mnuLabels", QStringLiteral("&Labels")));
    mnuKey = Checkable(MenuEntry(mnuView, "mnuKey", QStringLiteral("Color &Key")));
    mnuKey->setChecked(true);
    mnuState = Checkable(MenuEntry(mnuView, "mnuState", QStringLiteral("&States...")));
    mnuCities = MenuEntry(mnuView, "mnuCities", QStringLiteral("&Cities..."));
    mnuCities->setVisible(false);

    mnuMode = Named(menuBar()->addMenu(QStringLiteral("&Zoom")), "mnuMode");
    mnuLargeZoomIn = Checkable(MenuEntry(mnuMode, "mnuLargeZoomIn", QStringLiteral("Zoom &In (Rectangle)")));
    mnuSmallZoomIn = Checkable(MenuEntry(mnuMode, "mnuSmallZoomIn", QStringLiteral("&Small Zoom In")));
    mnuLargeZoomOut = Checkable(MenuEntry(mnuMode, "mnuLargeZoomOut", QStringLiteral("Zoom &Out")));
    mnuSmallZoomOut = Checkable(MenuEntry(mnuMode, "mnuSmallZoomOut", QStringLiteral("S&mall Zoom Out")));
    mnuCenter = Checkable(MenuEntry(mnuMode, "mnuCenter", QStringLiteral("&Center")));
    mnuPan = Checkable(MenuEntry(mnuMode, "mnuPan", QStringLiteral("&Pan")));
    m_modeMenus = {mnuLargeZoomIn, mnuSmallZoomIn, mnuLargeZoomOut, mnuSmallZoomOut, mnuCenter, mnuPan};

    mnuOptions = Named(menuBar()->addMenu(QStringLiteral("&Options")), "mnuOptions");
    mnuInquire = Checkable(MenuEntry(mnuOptions, "mnuInquire", QStringLiteral("&Inquire")));
    mnuBreakdown = Checkable(MenuEntry(mnuOptions, "mnuBreakdown", QStringLiteral("&Breakdown")));
    mnuFind = MenuEntry(mnuOptions, "mnuFind", QStringLiteral("&Find..."));
    mnuFind->setShortcut(QKeySequence::Find);
    mnuOptions->addSeparator();
    mnuInfo = MenuEntry(mnuOptions, "mnuInfo", QStringLiteral("Roll Call I&nformation"));
    mnuStatistics = MenuEntry(mnuOptions, "mnuStatistics", QStringLiteral("Vote S&tatistics"));
    mnuIdMap = MenuEntry(mnuOptions, "mnuIdMap", QStringLiteral("I&deological Map Display"));
    mnuOptions->addSeparator();
    mnuText = MenuEntry(mnuOptions, "mnuText", QStringLiteral("&Text Attachment"));
    mnuAudio = MenuEntry(mnuOptions, "mnuAudio", QStringLiteral("&Audio Attachment"));
    mnuPicture = MenuEntry(mnuOptions, "mnuPicture", QStringLiteral("&Picture Attachment"));

    mnuHelp = Named(menuBar()->addMenu(QStringLiteral("&Help")), "mnuHelp");
    mnuExplain = MenuEntry(mnuHelp, "mnuExplain", QStringLiteral("&Explain This Window"));
    mnuExplain->setShortcut(QKeySequence::HelpContents);
}

// The toolbar, whose buttons repeat menu commands.
void frmUSMap::buildToolbar()
{
    USToolbar = Named(addToolBar(QStringLiteral("US Map")), "USToolbar");
    USToolbar->setMovable(false);
    auto button = [this](const char *name, const QString &text, const QString &tip, bool checkable = false) {
        QAction *a = Named(USToolbar->addAction(text), name);
        a->setToolTip(tip);
        a->setCheckable(checkable);
        return a;
    };
    tbFirst = button("tbFirst", QStringLiteral("First"), QStringLiteral("First Roll Call"));
    tbPrevious = button("tbPrevious", QStringLiteral("Previous"), QStringLiteral("Previous Roll Call"));
    tbNext = button("tbNext", QStringLiteral("Next"), QStringLiteral("Next Roll Call"));
    tbLast = button("tbLast", QStringLiteral("Last"), QStringLiteral("Last Roll Call"));
    USToolbar->addSeparator();
    tbInfo = button("tbInfo", QStringLiteral("Info"), QStringLiteral("Roll Call Information"));
    tbStatistics = button("tbStatistics", QStringLiteral("Statistics"), QStringLiteral("Vote Statistics"));
    tbInquire = button("tbInquire", QStringLiteral("Inquire"), QStringLiteral("Inquire"), true);
    tbFind = button("tbFind", QStringLiteral("Find"), QStringLiteral("Find Legislator"));
    USToolbar->addSeparator();
    tbFullExtent = button("tbFullExtent", QStringLiteral("Full Map"), QStringLiteral("Full Map"));
    tbPan = button("tbPan", QStringLiteral("Pan"), QStringLiteral("Pan: drag the map"), true);
    tbZoomIn = button("tbZoomIn", QStringLiteral("Zoom In"), QStringLiteral("Zoom In: drag a rectangle"), true);
    tbZoomOut = button("tbZoomOut", QStringLiteral("Zoom Out"), QStringLiteral("Zoom Out: click on the map"), true);
    USToolbar->addSeparator();
    tbIdMap = button("tbIdMap", QStringLiteral("Id Map"), QStringLiteral("Ideological Map Display"));
    tbSave = button("tbSave", QStringLiteral("Save"), QStringLiteral("Save As"));
    tbPrint = button("tbPrint", QStringLiteral("Print"), QStringLiteral("Print Map"));
    tbHelp = button("tbHelp", QStringLiteral("Help"), QStringLiteral("Help"));
    tbDone = button("tbDone", QStringLiteral("Done"), QStringLiteral("Done"));
}

void frmUSMap::connectCommands()
{
    connect(mnuSave, &QAction::triggered, this, &frmUSMap::saveAs);
    connect(mnuPrintMap, &QAction::triggered, this, &frmUSMap::printMap);
    connect(mnuDone, &QAction::triggered, this, &QWidget::close);
    connect(mnuFirst, &QAction::triggered, this, &frmUSMap::moveFirst);
    connect(mnuPrevious, &QAction::triggered, this, &frmUSMap::movePrevious);
    connect(mnuNext, &QAction::triggered, this, &frmUSMap::moveNext);
    connect(mnuLast, &QAction::triggered, this, &frmUSMap::moveLast);
    connect(mnuJump, &QAction::triggered, this, &frmUSMap::jump);
    connect(mnuFullMap, &QAction::triggered, this, &frmUSMap::fullMap);
    connect(mnuLabels, &QAction::toggled, this, &frmUSMap::setLabels);
    connect(mnuKey, &QAction::toggled, pnlKey, &QWidget::setVisible);
    // With imported data the key of the classes is a window of its own.
    connect(mnuKey, &QAction::triggered, this, [this] {
        if (!importShown())
            return;
        mnuKey->setChecked(true);
        emit colorKeyRequested();
    });
    connect(mnuState, &QAction::triggered, this, &frmUSMap::chooseStates);
    connect(mnuCities, &QAction::triggered, this, &frmUSMap::citiesRequested);
    for (QAction *m : m_modeMenus)
        connect(m, &QAction::triggered, this, [this, m](bool checked) { setMode(m, checked); });
    connect(mnuInquire, &QAction::toggled, this, &frmUSMap::setInquire);
    connect(mnuBreakdown, &QAction::toggled, this, &frmUSMap::setBreakdown);
    connect(mnuFind, &QAction::triggered, this, &frmUSMap::find);
    connect(mnuInfo, &QAction::triggered, this, [this] { requestSidePass(false); });
    connect(mnuStatistics, &QAction::triggered, this, [this] { requestSidePass(true); });
    connect(mnuIdMap, &QAction::triggered, this, &frmUSMap::ideologicalRequested);
    connect(mnuText, &QAction::triggered, this, [this] { emit attachmentRequested(AttachmentKind::Text); });
    connect(mnuAudio, &QAction::triggered, this, [this] { emit attachmentRequested(AttachmentKind::Sound); });
    connect(mnuPicture, &QAction::triggered, this, [this] { emit attachmentRequested(AttachmentKind::Picture); });
    connect(mnuExplain, &QAction::triggered, this, [this] { m_services.showHelp(this, QStringLiteral("frmUSMap")); });

    connect(tbFirst, &QAction::triggered, mnuFirst, &QAction::trigger);
    connect(tbPrevious, &QAction::triggered, mnuPrevious, &QAction::trigger);
    connect(tbNext, &QAction::triggered, mnuNext, &QAction::trigger);
    connect(tbLast, &QAction::triggered, mnuLast, &QAction::trigger);
    connect(tbInfo, &QAction::triggered, mnuInfo, &QAction::trigger);
    connect(tbStatistics, &QAction::triggered, mnuStatistics, &QAction::trigger);
    connect(tbInquire, &QAction::triggered, mnuInquire, &QAction::setChecked);
    connect(mnuInquire, &QAction::toggled, tbInquire, &QAction::setChecked);
    connect(tbFind, &QAction::triggered, mnuFind, &QAction::trigger);
    connect(tbFullExtent, &QAction::triggered, mnuFullMap, &QAction::trigger);
    // In drawn mode the map is moved by centring it on a click.
    connect(tbPan, &QAction::triggered, this,
            [this](bool checked) { setMode(m_mode == UsMapMode::Drawn ? mnuCenter : mnuPan, checked); });
    connect(tbZoomIn, &QAction::triggered, this, [this](bool checked) { setMode(mnuLargeZoomIn, checked); });
    connect(tbZoomOut, &QAction::triggered, this, [this](bool checked) { setMode(mnuLargeZoomOut, checked); });
    connect(tbIdMap, &QAction::triggered, mnuIdMap, &QAction::trigger);
    connect(tbSave, &QAction::triggered, mnuSave, &QAction::trigger);
    connect(tbPrint, &QAction::triggered, mnuPrintMap, &QAction::trigger);
    connect(tbHelp, &QAction::triggered, mnuExplain, &QAction::trigger);
    connect(tbDone, &QAction::triggered, this, &QWidget::close);
}

// Imported values are shown on a roll call of the chamber and congresses they were read for; any
// other roll call of the queue shows its votes.
bool frmUSMap::importShown() const
{
    return m_session.importedDataShown && m_session.importFits(m_pass.isHouse, m_pass.congress);
}

QString frmUSMap::keyField() const
{
    return m_pass.isHouse ? kDistrictField : kStateFipsField;
}

bool frmUSMap::start()
{
    DrawingRequest request;
    if (!RunReportingErrors(m_services, this,
                            [&] { request = DrawingRequestAt(m_session, m_session.queue.currentQueuePos()); }))
        return false;
    m_pass.isHouse = request.isHouse;
    m_mode = UsMapModeFor(request.isHouse, request.congress);
    if (m_mode == UsMapMode::Drawn) {
        SetupUSMap();
        m_loading = false;
        return loadDrawnAt(m_session.queue.currentQueuePos());
    }
    if (!SetUpGISMap())
        return false;
    if (!loadAt(m_session.queue.currentQueuePos()))
        return false;
    fullMap();
    return true;
}

void frmUSMap::SetupUSMap()
{
    cmbInfo->hide();
    mnuLabels->setEnabled(false);
    mapUS->hide();
    picUSMap->show();
    lblRollCall->show();
    mnuCities->setVisible(true);
    // Drawn mode zooms by clicks; there is nothing to drag.
    mnuPan->setEnabled(false);
    mnuLargeZoomIn->setText(QStringLiteral("Zoom &In"));
    tbZoomIn->setToolTip(QStringLiteral("Zoom In: click on the map"));
    tbPan->setToolTip(QStringLiteral("Center: click on the map"));
    picUSMap->setFocus();
}

DrawnFillPlan frmUSMap::drawnFillPlan() const
{
    if (importShown())
        return ImportFillPlan(m_drawnPass, m_session.importedData, m_session.importKey, m_drawnFilter);
    return VoteFillPlan(m_drawnPass, m_drawnFilter);
}

QImage frmUSMap::withImportCircles(QImage picture) const
{
    if (importShown() && m_session.importWithVotes)
        PaintDrawnCircles(picture, m_drawnView,
                          DrawnVoteCircles(m_drawnPass, m_session.importedData, m_session.Preferences, m_drawnFilter));
    return picture;
}

bool frmUSMap::loadDrawnAt(int position)
{
    m_session.queue.setCurrentQueuePos(position);
    const bool ok = RunReportingErrors(m_services, this, [&] {
        const WaitGuard wait(m_services, kLoadingText);
        const DrawingRequest request = DrawingRequestAt(m_session, position);
        m_session.loadCongressCounts(request.congress);
        // The outline files are read once per congress; roll calls of the same congress reuse them.
        if (!m_drawnData || m_drawnData->congress != request.congress) {
            m_drawnData = std::make_shared<DrawnMapData>(DrawnMapData::Load(m_session.dataRoot, request.congress));
            m_drawnPainter.setData(m_drawnData);
            m_drawnView = m_drawnData->designedView();
        }
        m_drawnPass = RunDrawnMapPass(request, WaitProgress(m_services, false));
        m_pass = m_drawnPass.votes;
        followDrawnFilter();
        if (m_tokens.records.isEmpty())
            m_tokens = TokenTable::Read(DataFileName(m_session.dataRoot, kMainDir, QStringLiteral("token.dat")));
    });
    if (!ok)
        return false;
    m_loaded = true;
    redrawDrawn(true);

    const QString description = m_pass.record.trimmedDescription();
    if (importShown())
        setWindowTitle(ImportedMapCaption(m_session.importedData.title, m_session.importWithVotes, description));
    else
        setWindowTitle(UsMapText::kCaptionPrefix + description);
    lblTitle->setText(description);
    lblRollCall->setText(
        MapTitle2(true, m_pass.congress, m_pass.rollCall, m_pass.record.date, position, m_session.queue.length()));
    followLoadedRollCall();
    return true;
}

void frmUSMap::redrawDrawn(bool wait)
{
    if (!m_drawnData)
        return;
    // The wait window lets timers run at its progress points: a resize settling then must not start
    // a second drawing into the same picture.
    if (m_drawing)
        return;
    m_drawing = true;
    const QSize size = picUSMap->pixelSize();
    RunReportingErrors(m_services, this, [&] {
        DrawnMapProgress progress;
        std::optional<WaitGuard> guard;
        if (wait) {
            guard.emplace(m_services, kDrawingStates);
            progress = [this, phase = kDrawingStates,
                        step = WaitProgress(m_services, true)](const QString &now, int percent, int number) mutable {
                if (now != phase)
                    m_services.showWait(phase = now);
                step(percent, number);
            };
        }
        picUSMap->setPicture(
            withImportCircles(m_drawnPainter.render(size, m_drawnView, drawnFillPlan(), m_drawnFilter, progress)),
            m_drawnView);
    });
    m_drawing = false;
}

void frmUSMap::drawnClick(const QPointF &mapPoint)
{
    DrawnClick mode = DrawnClick::None;
    if (mnuLargeZoomIn->isChecked())
        mode = DrawnClick::LargeZoomIn;
    else if (mnuSmallZoomIn->isChecked())
        mode = DrawnClick::SmallZoomIn;
    else if (mnuLargeZoomOut->isChecked())
        mode = DrawnClick::LargeZoomOut;
    else if (mnuSmallZoomOut->isChecked())
        mode = DrawnClick::SmallZoomOut;
    else if (mnuCenter->isChecked())
        mode = DrawnClick::Centre;
    if (!m_loaded)
        return;
    if (mode == DrawnClick::None) {
        // With no zoom mode a click inquires, as on the shapefile map.
        if (mnuInquire->isChecked())
            showInquireWindow(mapPoint);
        return;
    }
    m_drawnView = ClickView(m_drawnView, mode, mapPoint.x(), mapPoint.y());
    redrawDrawn(true);
}

QString frmUSMap::drawnTipAt(const QPointF &mapPoint) const
{
    if (!m_loaded)
        return {};
    if (importShown()) {
        QStringList lines;
        if (mnuInquire->isChecked())
            lines.append(DrawnInquireTip(m_drawnPass, mapPoint.x(), mapPoint.y()));
        lines.append(DrawnValueTip(m_drawnPass, m_session.importedData, mapPoint.x(), mapPoint.y()));
        lines.removeAll(QString());
        return lines.join(QLatin1Char('\n'));
    }
    if (mnuInquire->isChecked())
        return DrawnInquireTip(m_drawnPass, mapPoint.x(), mapPoint.y());
    if (mnuBreakdown->isChecked())
        return DrawnBreakdownTip(m_drawnPass, mapPoint.x(), mapPoint.y());
    return {};
}

void frmUSMap::drawnMouseMoved(const QPointF &mapPoint, const QPoint &position)
{
    if (!mnuInquire->isChecked() && !mnuBreakdown->isChecked() && !importShown())
        return;
    const QString tip = drawnTipAt(mapPoint);
    lblInquire->move(position - QPoint(3, 3));
    lblInquire->setToolTip(tip);
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(picUSMap->mapToGlobal(position), tip, picUSMap);
}

bool frmUSMap::openLayer(const QString &path)
{
    auto layer = std::make_unique<ShapeLayer>();
    if (!layer->open(path))
        return false;
    m_layer = std::move(layer);
    mapUS->setLayer(m_layer.get());
    mapUS->setToolTip(QString());
    cmbInfo->setToolTip(QStringLiteral("The roll call shown and its place in the selection queue. Map: ") +
                        QFileInfo(path).fileName());
    return true;
}

bool frmUSMap::SetUpGISMap()
{
    if (!m_pass.isHouse) {
        tbPan->setEnabled(false);
        mnuPan->setEnabled(false);
    }
    tbZoomOut->setEnabled(false);
    DrawingRequest request = DrawingRequestAt(m_session, m_session.queue.currentQueuePos());
    const QString path = UsMapLayerPath(m_session.dataRoot, request.isHouse, request.congress);
    if (!openLayer(path)) {
        m_services.message(this, UsMapText::kMapNotValid, UsMapText::kMapNotValidTitle, Services::Icon::Exclamation);
        emit endProgram();
        return false;
    }
    m_loading = false;
    return RunReportingErrors(m_services, this, [&] {
        m_stateList = StateList::Read(DataFileName(m_session.dataRoot, kMainDir, QStringLiteral("state list.dat")));
        m_tokens = TokenTable::Read(DataFileName(m_session.dataRoot, kMainDir, QStringLiteral("token.dat")));
    });
}

bool frmUSMap::loadAt(int position)
{
    m_session.queue.setCurrentQueuePos(position);
    const bool ok = RunReportingErrors(m_services, this, [&] {
        const WaitGuard wait(m_services, kLoadingText);
        const DrawingRequest request = DrawingRequestAt(m_session, position);
        m_session.loadCongressCounts(request.congress);
        // A House queue may span redistricting: each congress is drawn on its own district file.
        const QString path = UsMapLayerPath(m_session.dataRoot, request.isHouse, request.congress);
        if (path != m_layer->fileName() && !openLayer(path))
            throw FileError(FileErrorNumber::BadFormat, path, UsMapText::kMapNotValid);
        m_pass = RunUsMapPass(request, m_stateList, WaitProgress(m_services, false));
        if (importShown())
            m_colouring = ColourImported(m_pass, m_layer->values(keyField()), m_session.importedData,
                                         m_session.importKey, m_session.Preferences, m_filter);
        else
            m_colouring = ColourUsMap(m_pass, m_layer->values(keyField()), m_session.Preferences, m_filter);
    });
    if (!ok)
        return false;
    m_loaded = true;

    UsMapPicture picture = mapUS->picture();
    picture.fills = m_colouring.fills;
    picture.highlight = -1;
    picture.circles.clear();
    if (importShown() && m_session.importWithVotes) {
        for (const VoteCircle &c : VoteCircles(m_pass, m_colouring, m_session.importedData, m_session.Preferences))
            picture.circles.append(
                {c.feature, c.place, c.sideBySide, QColor(c.colour.red, c.colour.green, c.colour.blue)});
    }
    mapUS->setPicture(picture);

    const QString description = m_pass.record.trimmedDescription();
    if (importShown())
        setWindowTitle(ImportedMapCaption(m_session.importedData.title, m_session.importWithVotes, description));
    else
        setWindowTitle(UsMapText::kCaptionPrefix + description);
    lblTitle->setText(description);
    cmbInfo->clear();
    cmbInfo->addItem(UsMapShortCaption(m_pass.isHouse, m_pass.congress, m_pass.rollCall, m_pass.record.date, position,
                                       m_session.queue.length()));
    cmbInfo->show();
    followLoadedRollCall();
    return true;
}

// What follows the roll call shown in both modes: its attachments, the key, the buttons and an open
// Find list.
void frmUSMap::followLoadedRollCall()
{
    m_attachments = FindRollCallAttachments(m_session.dataRoot, m_pass.isHouse, m_pass.congress, m_pass.rollCall);
    if (importShown() != m_importWasShown)
        emit importShownChanged(m_importWasShown = importShown());
    showKey();
    SetupButtons();
    updateCommands();
    if (m_find) {
        QStringList labels;
        QList<int> colours;
        for (const UsMapMember &m : std::as_const(m_pass.GisVoteTable)) {
            labels.append(m.label());
            colours.append(m.colour);
        }
        m_find->fillUSMap(labels, colours);
    }
}

void frmUSMap::DoMap(bool updateOthers)
{
    if (m_mode == UsMapMode::Drawn) {
        if (loadDrawnAt(m_session.queue.currentQueuePos()) && updateOthers)
            emit otherForms();
        return;
    }
    if (!loadAt(m_session.queue.currentQueuePos()))
        return;
    rebuildLabels();
    if (updateOthers)
        emit otherForms();
}

void frmUSMap::ClearRenderers()
{
    UsMapPicture picture = mapUS->picture();
    picture.fills.clear();
    picture.labelField.clear();
    picture.labelHeight = 0.0;
    mapUS->setPicture(picture);
}

bool frmUSMap::AllowFill(const QString &code) const
{
    return rollscan::AllowFill(code, m_pass.isHouse, m_filter);
}

void frmUSMap::SetupButtons()
{
    const NavigationState nav = NavigationAt(m_session.queue.currentQueuePos(), m_session.queue.length());
    for (QAction *a : {mnuFirst, mnuPrevious, tbFirst, tbPrevious})
        a->setEnabled(nav.previousEnabled);
    for (QAction *a : {mnuNext, mnuLast, tbNext, tbLast})
        a->setEnabled(nav.nextEnabled);
}

void frmUSMap::updateCommands()
{
    const auto connected = [this](auto signal) { return isSignalConnected(QMetaMethod::fromSignal(signal)); };
    const bool ideological = connected(&frmUSMap::ideologicalRequested);
    mnuIdMap->setEnabled(m_loaded && ideological);
    tbIdMap->setEnabled(m_loaded && ideological);
    mnuInfo->setEnabled(m_loaded && connected(&frmUSMap::infoRequested));
    tbInfo->setEnabled(mnuInfo->isEnabled());
    mnuStatistics->setEnabled(m_loaded && connected(&frmUSMap::statisticsRequested));
    mnuCities->setEnabled(m_loaded && m_mode == UsMapMode::Drawn && connected(&frmUSMap::citiesRequested));
    tbStatistics->setEnabled(mnuStatistics->isEnabled());
    const bool attachments = connected(&frmUSMap::attachmentRequested);
    mnuText->setEnabled(attachments && m_attachments.text);
    mnuAudio->setEnabled(attachments && m_attachments.sound);
    mnuPicture->setEnabled(attachments && m_attachments.picture);
}

void frmUSMap::refreshAttachments()
{
    if (!m_loaded)
        return;
    m_attachments = FindRollCallAttachments(m_session.dataRoot, m_pass.isHouse, m_pass.congress, m_pass.rollCall);
    updateCommands();
}

void frmUSMap::showKey()
{
    const Preferences &p = m_session.Preferences;
    QList<int> colours;
    QStringList labels;
    if (importShown()) {
        // The classes are in the colour key window; the strip names the data set and its range.
        const QuantKey &key = m_session.importKey;
        for (int i = 0; i < int(pnlKeys.size()); ++i) {
            pnlKeys[i]->setVisible(i == 0 && !key.isEmpty());
            lblKeys[i]->setVisible(i == 0);
        }
        if (key.isEmpty())
            return;
        const Rgb low = key.colour(1), high = key.colour(key.intervals);
        QPalette pal = pnlKeys[0]->palette();
        QLinearGradient ramp(0, 0, pnlKeys[0]->width(), 0);
        ramp.setColorAt(0, QColor(low.red, low.green, low.blue));
        ramp.setColorAt(1, QColor(high.red, high.green, high.blue));
        pal.setBrush(QPalette::Window, ramp);
        pnlKeys[0]->setPalette(pal);
        lblKeys[0]->setText(
            QStringLiteral("%1: %2 to %3 in %4 classes (View > Color Key)")
                .arg(m_session.importedData.title, BoundText(key.bounds.first()), BoundText(key.bounds.last()))
                .arg(key.intervals));
        return;
    }
    if (m_crossTab) {
        colours = {p.yeaColour(), p.yeaNayColour(), p.nayYeaColour(), p.nayColour()};
        labels = UsMapText::kCrossTabKey.mid(0, 4);
        if (!m_pass.isHouse || (m_mode == UsMapMode::Drawn && !m_drawnPass.splitAtLarge.isEmpty())) {
            colours.append(p.splitColour());
            labels.append(UsMapText::kCrossTabKey.at(4));
        }
    } else if (m_pass.isHouse) {
        colours = {p.yeaColour(), p.nayColour(), p.notVotingColour()};
        labels = UsMapText::kHouseKey;
        if (m_mode == UsMapMode::Drawn && !m_drawnPass.splitAtLarge.isEmpty()) {
            // A state elected at large and split evenly is drawn in the split-delegation colour.
            colours.append(p.splitColour());
            labels.append(UsMapText::kSenateKey.at(1));
        }
    } else {
        colours = {p.yeaColour(), p.splitColour(), p.nayColour(), p.notVotingColour()};
        labels = UsMapText::kSenateKey;
    }
    for (int i = 0; i < int(pnlKeys.size()); ++i) {
        const bool used = i < colours.size();
        pnlKeys[i]->setVisible(used);
        lblKeys[i]->setVisible(used);
        if (!used)
            continue;
        QPalette pal = pnlKeys[i]->palette();
        pal.setColor(QPalette::Window, PaletteColour(colours.at(i)));
        pnlKeys[i]->setPalette(pal);
        lblKeys[i]->setText(labels.at(i));
    }
}

void frmUSMap::moveFirst()
{
    m_session.queue.setCurrentQueuePos(1);
    SetupButtons();
    DoMap(true);
}

void frmUSMap::movePrevious()
{
    if (m_session.queue.currentQueuePos() > 1)
        m_session.queue.setCurrentQueuePos(m_session.queue.currentQueuePos() - 1);
    SetupButtons();
    DoMap(true);
}

void frmUSMap::moveNext()
{
    if (m_session.queue.currentQueuePos() < m_session.queue.length())
        m_session.queue.setCurrentQueuePos(m_session.queue.currentQueuePos() + 1);
    SetupButtons();
    DoMap(true);
}

void frmUSMap::moveLast()
{
    m_session.queue.setCurrentQueuePos(m_session.queue.length());
    SetupButtons();
    DoMap(true);
}

void frmUSMap::jump()
{
    frmJump dialog(m_services, m_session.queue.length(), this);
    dialog.exec();
    jumpTo(dialog.entry());
}

void frmUSMap::jumpTo(const QString &entry)
{
    const JumpOutcome outcome = ParseJump(entry, m_session.queue.length());
    if (outcome.kind == JumpOutcome::OutOfRange) {
        ReportError(m_services, this, IdeologyText::kJumpOutOfRange);
    } else if (outcome.kind == JumpOutcome::Move) {
        m_session.queue.setCurrentQueuePos(outcome.position);
        DoMap(true);
    }
}

void frmUSMap::fullMap()
{
    if (m_mode == UsMapMode::Drawn) {
        for (QAction *a : {tbPan, tbZoomIn, tbZoomOut})
            a->setChecked(false);
        for (QAction *m : m_modeMenus)
            m->setChecked(false);
        if (m_drawnData) {
            m_drawnView = m_drawnData->designedView();
            redrawDrawn(true);
        }
        return;
    }
    mapUS->setExtent(FullMapExtent(*m_layer));
    const bool pan = m_pass.isHouse;
    tbPan->setEnabled(pan);
    mnuPan->setEnabled(pan);
    tbZoomOut->setEnabled(false);
    for (QAction *a : {tbPan, tbZoomIn, tbZoomOut})
        a->setChecked(false);
    for (QAction *m : m_modeMenus)
        m->setChecked(false);
    mapUS->setTracking(MapControl::Tracking::None);
    rebuildLabels();
}

void frmUSMap::setLabels(bool on)
{
    if (on) {
        LabelFeatures(m_pass.isHouse ? kDistrictField : kStateNameField);
    } else {
        mapUS->setLabels(QString(), 0.0);
    }
}

void frmUSMap::LabelFeatures(const QString &field)
{
    const double height = LabelHeight(mapUS->visibleExtent().width(), FullMapExtent(*m_layer).width());
    mapUS->setLabels(field, height);
}

void frmUSMap::rebuildLabels()
{
    if (mnuLabels->isChecked())
        setLabels(true);
}

void frmUSMap::setMode(QAction *modeMenu, bool on)
{
    // A mode turned on turns the other five off; the toolbar buttons follow the menus.
    for (QAction *m : m_modeMenus)
        m->setChecked(m == modeMenu && on);
    tbZoomIn->setChecked(mnuLargeZoomIn->isChecked());
    tbZoomOut->setChecked(mnuLargeZoomOut->isChecked());
    tbPan->setChecked(mnuPan->isChecked());
    if (mnuLargeZoomIn->isChecked())
        mapUS->setTracking(MapControl::Tracking::Rectangle);
    else if (mnuPan->isChecked())
        mapUS->setTracking(MapControl::Tracking::Pan);
    else
        mapUS->setTracking(MapControl::Tracking::None);
}

void frmUSMap::mapMouseDown(Qt::MouseButton button, const QPoint &at)
{
    if (button != Qt::LeftButton)
        return;
    double factor = 0.0;
    if (mnuSmallZoomIn->isChecked())
        factor = kSmallZoom;
    else if (mnuLargeZoomOut->isChecked())
        factor = 1.0 / kLargeZoom;
    else if (mnuSmallZoomOut->isChecked())
        factor = 1.0 / kSmallZoom;
    else if (mnuCenter->isChecked())
        factor = 1.0;
    if (factor > 0.0) {
        // The clicked point becomes the middle of the view.
        const QPointF centre = mapUS->ToMapPoint(QPointF(at));
        const MapExtent v = mapUS->visibleExtent();
        const double w = v.width() / factor / 2.0, h = v.height() / factor / 2.0;
        mapUS->setExtent({centre.x() - w, centre.y() - h, centre.x() + w, centre.y() + h});
        emit mapUS->extentChanged();
        return;
    }
    if (mnuInquire->isChecked() && mapUS->tracking() == MapControl::Tracking::None)
        showInquireWindow(mapUS->ToMapPoint(QPointF(at)));
}

void frmUSMap::setInquire(bool on)
{
    if (on)
        mnuBreakdown->setChecked(false);
    if (!mnuInquire->isChecked() && !mnuBreakdown->isChecked())
        m_tip->hide();
}

void frmUSMap::setBreakdown(bool on)
{
    if (on)
        mnuInquire->setChecked(false);
    if (!mnuInquire->isChecked() && !mnuBreakdown->isChecked())
        m_tip->hide();
}

int frmUSMap::featureOfKey(int key) const
{
    for (int i = 0; i < m_colouring.fills.size(); ++i)
        if (m_colouring.fills.at(i).key.toInt() == key && !m_colouring.fills.at(i).key.isEmpty())
            return i;
    return -1;
}

QList<UsMapMember> frmUSMap::membersOfFeature(int feature, int limit) const
{
    QList<UsMapMember> members;
    if (feature < 0 || feature >= m_colouring.fills.size())
        return members;
    const int key = m_colouring.fills.at(feature).key.toInt();
    for (int row : m_colouring.membersByKey.value(key)) {
        if (members.size() == limit)
            break;
        members.append(m_pass.GisVoteTable.at(row));
    }
    return members;
}

QString frmUSMap::tipTextAt(const QPointF &mapPoint) const
{
    if (!m_loaded)
        return {};
    const double tolerance = m_layer->isPolygon() ? 0.0 : mapUS->ToMapDistance(100.0 / 15.0);
    const QList<int> found = m_layer->search(mapPoint.x(), mapPoint.y(), tolerance);
    if (found.isEmpty())
        return {};
    const int feature = found.first();
    if (importShown()) {
        QStringList lines;
        if (mnuInquire->isChecked())
            lines.append(InquireText(membersOfFeature(feature, kInquireMembers), m_tokens, m_pass.congress));
        if (feature < m_colouring.fills.size() && m_colouring.fills.at(feature).graded)
            lines.append(ValueTipText(m_colouring.fills.at(feature).value));
        lines.removeAll(QString());
        return lines.join(QLatin1Char('\n'));
    }
    if (mnuInquire->isChecked())
        return InquireText(membersOfFeature(feature, kInquireMembers), m_tokens, m_pass.congress);
    if (mnuBreakdown->isChecked()) {
        const QList<UsMapMember> members = membersOfFeature(feature, kBreakdownMembers);
        if (members.isEmpty())
            return {};
        return BreakdownText(FeatureHeading(m_pass.isHouse, members.first()), members, m_session.Preferences);
    }
    return {};
}

void frmUSMap::showInquireWindow(const QPointF &mapPoint)
{
    QStringList names, votes;
    QString stateName, value;
    if (m_mode == UsMapMode::Drawn) {
        for (int row : DrawnInquireMembers(m_drawnPass, mapPoint.x(), mapPoint.y())) {
            const DrawnMember &m = m_drawnPass.DrawnVoteTable.at(row);
            names.append(m.name);
            votes.append(m.name + QStringLiteral(": ") + VoteClassName(m.voteClass));
            stateName = m.stateName;
        }
        if (importShown())
            value = DrawnValueTip(m_drawnPass, m_session.importedData, mapPoint.x(), mapPoint.y());
    } else {
        const QList<int> found = m_layer->search(mapPoint.x(), mapPoint.y());
        if (found.isEmpty())
            return;
        for (const UsMapMember &m : membersOfFeature(found.first(), kInquireMembers)) {
            names.append(m.name);
            votes.append(m.name + QStringLiteral(": ") + VoteClassName(m.voteClass));
            stateName = m.stateName;
        }
        const int feature = found.first();
        if (importShown() && feature < m_colouring.fills.size() && m_colouring.fills.at(feature).graded)
            value = ValueTipText(m_colouring.fills.at(feature).value);
    }
    if (names.isEmpty())
        return;
    // With imported values the window names the member's value, with his vote when the votes are shown.
    QString data = votes.join(QLatin1Char('\n'));
    if (importShown())
        data = m_session.importWithVotes && !value.isEmpty() ? data + QLatin1Char('\n') + value : value;
    if (!m_inquire)
        m_inquire = new frmInquire(m_pass.isHouse, this);
    m_inquire->layoutFor(m_pass.isHouse);
    m_inquire->setResult(names.join(QStringLiteral("; ")), stateName, data);
    m_inquire->show();
    m_inquire->raise();
}

void frmUSMap::PassVar(const QStringList &selectedStates)
{
    m_chosenStates = selectedStates;
    if (m_mode == UsMapMode::Drawn) {
        // The outline names go to the state codes of the legislator files through "state.dat".
        m_drawnFilter = {};
        if (!selectedStates.isEmpty()) {
            const StateTable states =
                StateTable::Read(DataFileName(m_session.dataRoot, kMainDir, QStringLiteral("state.dat")));
            m_drawnFilter.on = true;
            m_drawnFilter.states = DrawnStateCodes(selectedStates, states);
            followDrawnFilter();
        }
        mnuState->setChecked(m_drawnFilter.on);
        return;
    }
    m_filter.selectedFips = m_stateList.fipsOfNames(selectedStates);
    m_filter.on = !m_filter.selectedFips.isEmpty();
    mnuState->setChecked(m_filter.on);
}

// The outlines the filter draws depend on the congress: "Virginia" encloses West Virginia's districts
// from the 38th congress on.
void frmUSMap::followDrawnFilter()
{
    if (m_drawnFilter.on && m_drawnData)
        m_drawnFilter.outlineNames = DrawnFilterOutlines(m_chosenStates, m_drawnFilter.states, m_drawnData->states,
                                                         m_drawnData->congress, m_drawnPass);
}

void frmUSMap::chooseStates()
{
    const bool drawn = m_mode == UsMapMode::Drawn;
    if (drawn ? m_drawnFilter.on : m_filter.on) {
        // Choosing the checked menu turns the filter off.
        PassVar({});
        if (drawn)
            redrawDrawn(true);
        else
            DoMap(false);
        return;
    }
    QStringList names;
    if (drawn && m_drawnData) {
        for (const MapIndexRecord &r : m_drawnData->states.index)
            if (!r.name.trimmed().isEmpty() && !names.contains(r.name.trimmed()))
                names.append(r.name.trimmed());
    } else {
        names = m_stateList.names();
    }
    frmState dialog(m_services, names, this);
    dialog.PassVar(!drawn);
    dialog.select(m_chosenStates);
    if (dialog.exec() != QDialog::Accepted) {
        mnuState->setChecked(drawn ? m_drawnFilter.on : m_filter.on);
        return;
    }
    bool ok = true;
    if (drawn)
        ok = RunReportingErrors(m_services, this, [&] { PassVar(dialog.selectedNames()); });
    else
        PassVar(dialog.selectedNames());
    if (!ok)
        return;
    if (drawn)
        redrawDrawn(true);
    else
        DoMap(false);
}

void frmUSMap::find()
{
    if (!m_loaded)
        return;
    if (!m_find) {
        m_find = new frmFind(m_services, this);
        connect(m_find, &frmFind::findRequested, this, [this](int row) { findMember(row); });
        connect(m_find, &frmFind::flash, this, &frmUSMap::flashTick);
    }
    QStringList labels;
    QList<int> colours;
    for (const UsMapMember &m : std::as_const(m_pass.GisVoteTable)) {
        labels.append(m.label());
        colours.append(m.colour);
    }
    m_find->fillUSMap(labels, colours);
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
}

bool frmUSMap::findMember(int row)
{
    if (row < 0 || row >= m_pass.GisVoteTable.size())
        return false;
    const UsMapMember &m = m_pass.GisVoteTable.at(row);
    if (m_mode == UsMapMode::Drawn) {
        // The member's first seed (a member at large: his state's seed) is ringed.
        m_findPoint.reset();
        for (const DrawnMember &d : m_drawnPass.DrawnVoteTable) {
            if (d.recordNumber != m.recordNumber)
                continue;
            if (d.seedCount > 0)
                m_findPoint = QPointF(d.seedX[0], d.seedY[0]);
            for (const DrawnDistrict &r : m_drawnPass.DistrictTable)
                if (!m_findPoint && r.record.state == d.state && (r.record.extra[0] != 0 || r.record.extra[1] != 0))
                    m_findPoint = QPointF(r.record.extra[0], r.record.extra[1]);
        }
        m_flashTicks = 0;
        if (!m_findPoint) {
            if (m_find)
                m_find->tmrFind->stop();
            ReportError(m_services, this, IdeologyText::kLegislatorNotFound);
            return false;
        }
        picUSMap->setMarker(m_findPoint);
        return true;
    }
    m_findFeature = m.fips == 0 ? -1 : featureOfKey(m.featureKey(m_pass.isHouse));
    m_flashTicks = 0;
    if (m_findFeature < 0) {
        if (m_find)
            m_find->tmrFind->stop();
        ReportError(m_services, this, IdeologyText::kLegislatorNotFound);
        return false;
    }
    mapUS->setHighlight(m_findFeature);
    return true;
}

void frmUSMap::flashTick(bool visible)
{
    ++m_flashTicks;
    if (m_mode == UsMapMode::Drawn) {
        const bool shown = visible && m_flashTicks < frmFind::kFlashTicks;
        picUSMap->setMarker(shown ? m_findPoint : std::nullopt);
        return;
    }
    // After the last tick the map is shown as it was.
    if (m_flashTicks >= frmFind::kFlashTicks)
        mapUS->setHighlight(-1);
    else
        mapUS->setHighlight(visible ? m_findFeature : -1);
}

void frmUSMap::requestSidePass(bool statistics)
{
    if (!m_loaded)
        return;
    DrawingPass pass;
    const bool ok = RunReportingErrors(m_services, this, [&] {
        const WaitGuard wait(m_services, kLoadingText);
        pass = RunDrawingPass(DrawingRequestAt(m_session, m_session.queue.currentQueuePos()),
                              WaitProgress(m_services, false));
    });
    if (!ok)
        return;
    if (statistics)
        emit statisticsRequested(pass);
    else
        emit infoRequested(pass);
}

void frmUSMap::saveAs()
{
    if (!m_loaded)
        return;
    const QString fileName =
        m_services.saveFileName(this, QStringLiteral("Rollscan Disk Output"), kSaveFilters, QStringLiteral("TXT"));
    if (fileName.isEmpty())
        return;
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    const bool picture = suffix == QLatin1String("bmp") || suffix == QLatin1String("png") ||
                         suffix == QLatin1String("svg") || suffix == QLatin1String("wmf");
    QString target = fileName;
    if (suffix == QLatin1String("wmf"))
        // A metafile is written as SVG, the portable vector picture.
        target = QFileInfo(fileName).path() + QLatin1Char('/') + QFileInfo(fileName).completeBaseName() +
                 QStringLiteral(".svg");
    const bool ok = RunReportingErrors(m_services, this, [&] {
        if (picture && m_mode == UsMapMode::Drawn) {
            writeDrawnPicture(target);
        } else if (picture) {
            UsMapPicture shown = mapUS->picture();
            shown.view = mapUS->visibleExtent();
            shown.highlight = -1;
            WriteUsMapPicture(mapUS->painter(), shown, mapUS->size(), target);
        } else {
            const WaitGuard wait(m_services, kSavingText);
            SaveRollCallText(m_session, target, WaitProgress(m_services, false));
        }
    });
    if (ok)
        ReportSaved(m_services, this, target);
}

void frmUSMap::writeDrawnPicture(const QString &path) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QImage &picture = picUSMap->picture();
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        // The fills exist only as pixels, so the vector picture carries the drawn map as an image.
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(picture.size());
        svg.setViewBox(QRect(QPoint(0, 0), picture.size()));
        svg.setTitle(UsMapText::kCaptionPrefix + m_pass.record.trimmedDescription());
        QPainter p(&svg);
        QImage plain = picture;
        plain.setDevicePixelRatio(1.0);
        p.drawImage(QPoint(0, 0), plain);
    } else {
        const bool bmp = path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive);
        if (!picture.save(&buffer, bmp ? "BMP" : "PNG"))
            throw FileError(FileErrorNumber::AccessError, path, QStringLiteral("The picture could not be encoded"));
    }
    buffer.close();
    WriteWholeFile(path, bytes);
}

void frmUSMap::printMap()
{
    if (!m_loaded)
        return;
    QPrinter printer;
    printer.setDocName(UsMapText::kPrintDocument);
    if (!m_services.choosePrinter(this, printer))
        return;
    printer.setDocName(UsMapText::kPrintDocument);
    // Errors while printing the map are not reported.
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    QFont font = painter.font();
    font.setPointSize(12);
    painter.setFont(font);
    const double titleHeight = painter.fontMetrics().height() * 2.0;
    const bool drawn = m_mode == UsMapMode::Drawn;
    painter.drawText(QRectF(0, 0, page.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     windowTitle() + QStringLiteral("   ") + (drawn ? lblRollCall->text() : cmbInfo->currentText()));
    const QRectF area = page.adjusted(0, titleHeight, 0, 0);
    if (drawn) {
        printDrawnMap(painter, area);
    } else {
        UsMapPicture shown = mapUS->picture();
        shown.view = mapUS->visibleExtent();
        shown.highlight = -1;
        mapUS->painter().paint(painter, area, shown);
    }
    painter.end();
    // The window's own picture is drawn again at its size when the printed one replaced the outlines.
    if (drawn)
        redrawDrawn(false);
}

void frmUSMap::printDrawnMap(QPainter &painter, const QRectF &area)
{
    // The picture is drawn afresh for the page, at most 3000 pixels wide: enough for a printed line
    // of one pixel to show, without an image of the printer's full resolution.
    const double shrink = std::min(1.0, 3000.0 / std::max(1.0, area.width()));
    const QSize size = (area.size() * shrink).toSize().expandedTo(QSize(1, 1));
    const QImage picture = withImportCircles(m_drawnPainter.render(size, m_drawnView, drawnFillPlan(), m_drawnFilter));
    painter.drawImage(area, picture);
}

frmFind *frmUSMap::findWindow() const
{
    return m_find;
}

frmInquire *frmUSMap::inquireWindow() const
{
    return m_inquire;
}

void frmUSMap::keyPressEvent(QKeyEvent *event)
{
    QMainWindow::keyPressEvent(event);
}

void frmUSMap::closeEvent(QCloseEvent *event)
{
    if (m_crossTab) {
        m_session.crossTabRequested = false;
        emit displayClosed();
    }
    m_session.importedDataShown = false;
    emit closeStatistics();
    if (m_inquire)
        m_inquire->close();
    if (m_find)
        m_find->close();
    event->accept();
}

} // namespace rollscan
