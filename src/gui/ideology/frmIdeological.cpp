#include "gui/ideology/frmIdeological.h"

#include "gui/services/ReportPrinter.h"

#include "core/app/Session.h"
#include "core/data/FileError.h"
#include "core/ideology/FitText.h"
#include "core/ideology/IdeologyTexts.h"
#include "core/ideology/MapCaptions.h"
#include "core/ideology/MapLookup.h"
#include "core/ideology/QueueNavigation.h"
#include "core/ideology/UndefinedPartyError.h"
#include "core/report/RollCallSheet.h"
#include "core/report/RollCallText.h"
#include "core/report/Spreadsheet.h"
#include "core/report/TidyCsv.h"
#include "gui/app/PaletteColour.h"
#include "gui/ideology/IdeologicalCanvas.h"
#include "gui/ideology/frmFind.h"
#include "gui/ideology/frmJump.h"
#include "gui/services/ScreenFit.h"
#include "gui/services/Services.h"
#include "gui/services/WaitGuard.h"
#include "gui/services/WaitProgress.h"
#include "gui/services/WindowTools.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QSvgGenerator>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace rollscan {

namespace {
// Which picture a Save as writes, by the name's ending; anything else is the text table.
enum class PictureKind { None, Bitmap, Png, Svg };
PictureKind pictureKindOf(const QString &fileName)
{
    switch (RollCallSaveKindOf(fileName)) {
    case RollCallSaveKind::Bitmap:
        return PictureKind::Bitmap;
    case RollCallSaveKind::Metafile:
        return PictureKind::Svg;
    case RollCallSaveKind::Text:
        break;
    }
    if (fileName.endsWith(QStringLiteral("png"), Qt::CaseInsensitive))
        return PictureKind::Png;
    if (fileName.endsWith(QStringLiteral("svg"), Qt::CaseInsensitive))
        return PictureKind::Svg;
    return PictureKind::None;
}

const QStringList kSaveFilters = {QStringLiteral("All Files (*.*)"),      QStringLiteral("Output Files (*.txt)"),
                                  QStringLiteral("Bitmap Files (*.bmp)"), QStringLiteral("PNG Files (*.png)"),
                                  QStringLiteral("SVG Files (*.svg)"),    kTidyCsvFilter};
const QStringList kSheetFilters = {QStringLiteral("All Files (*.*)"), QStringLiteral("Spreadsheet Files (*.prn)")};

} // namespace

frmIdeological::frmIdeological(Session &session, Services &services, QWidget *parent)
    : QMainWindow(parent), m_session(session), m_services(services)
{
    setObjectName(QStringLiteral("frmIdeological"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_crossTab = m_session.crossTabRequested;
    setWindowTitle(m_crossTab ? IdeologyText::kCrossTabCaption : IdeologyText::kMapCaption);
    buildControls();
    buildMenus();

    // The key explains the colours and letters, so a new user sees it from the start.
    setColourKey(true);

    QSize size(900, 900);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(16, 48));
    resize(size);
    CentreOnScreen(this);
    FitToScreen(this);
}

frmIdeological::~frmIdeological()
{
    if (m_find)
        m_find->close();
}

void frmIdeological::buildControls()
{
    setCentralWidget(new QWidget(this));

    lblTitle1 = Named(new QLabel, "lblTitle1");
    lblTitle1->setFont(ScreenFont({"Arial", "Liberation Sans", "DejaVu Sans"}, 14, QFont::SansSerif, true));
    lblTitle2 = Named(new QLabel, "lblTitle2");
    lblTitle2->setFont(ScreenFont({"Tahoma", "DejaVu Sans", "Liberation Sans"}, 10));
    lblTally = Named(new QLabel, "lblTally");
    for (QLabel *title : {lblTitle1, lblTitle2, lblTally}) {
        title->setTextFormat(Qt::PlainText);
        title->setAlignment(Qt::AlignHCenter);
        title->setWordWrap(true);
    }
    lblCaptions = Named(new QLabel(IdeologyText::kCodeCaptions), "lblCaptions");
    lblCodes = Named(new QLabel, "lblCodes");
    for (QLabel *codes : {lblCaptions, lblCodes}) {
        codes->setTextFormat(Qt::PlainText);
        codes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    cmbCodes = Named(new QComboBox, "cmbCodes");
    cmbCodes->setFont(ScreenFont({"Verdana", "DejaVu Sans", "Liberation Sans"}, 9));
    cmbCodes->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cmbCodes->setVisible(false);

    buildColourKey();
    buildMapArea();
    layOutControls();
}

// The colour key: four swatches with their counts, a note and the party legend.
void frmIdeological::buildColourKey()
{
    pnlKey = Named(new QFrame, "pnlKey");
    pnlKey->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *keyLayout = new QGridLayout(pnlKey);
    static const char *const swatchNames[] = {"pnlKey1", "pnlKey2", "pnlKey3", "pnlKey4"};
    static const char *const labelNames[] = {"lblKey1", "lblKey2", "lblKey3", "lblKey4"};
    for (int i = 0; i < 4; ++i) {
        pnlKeys[i] = Named(new QFrame, swatchNames[i]);
        pnlKeys[i]->setFrameStyle(QFrame::Box | QFrame::Plain);
        pnlKeys[i]->setFixedSize(28, 18);
        pnlKeys[i]->setAutoFillBackground(true);
        lblKeys[i] = Named(new QLabel, labelNames[i]);
        lblKeys[i]->setAlignment(Qt::AlignHCenter);
        keyLayout->addWidget(pnlKeys[i], 0, i, Qt::AlignHCenter);
        keyLayout->addWidget(lblKeys[i], 1, i, Qt::AlignHCenter);
    }
    lblKeyNote = Named(new QLabel, "lblKeyNote");
    lblKeyNote->setTextFormat(Qt::PlainText);
    lblKeyNote->setVisible(false);
    keyLayout->addWidget(lblKeyNote, 2, 0, 1, 4);
    lblLegend = Named(new QLabel, "lblLegend");
    lblLegend->setTextFormat(Qt::RichText);
    keyLayout->addWidget(lblLegend, 3, 0, 1, 4);
    pnlKey->setVisible(false);
}

void frmIdeological::buildMapArea()
{
    lblNoLine = Named(new QLabel(IdeologyText::kNoLine), "lblNoLine");
    lblNoLine->setAlignment(Qt::AlignHCenter);
    lblNoLine->setStyleSheet(QStringLiteral("color: #a00000; font-weight: bold;"));
    lblNoLine->setVisible(false);

    m_mapArea = new QWidget;
    // Small, so that a small window shrinks the picture instead of cutting it off.
    m_mapArea->setMinimumSize(120, 120);
    m_mapArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_mapArea->installEventFilter(this);
    picId = Named(new IdeologicalCanvas(m_mapArea), "picId");
    picId->setPreferences(m_session.Preferences);
    picId->setCursor(Qt::ArrowCursor);
    lblInquire = Named(new QLabel(picId), "lblInquire");
    lblInquire->setTextFormat(Qt::PlainText);
    lblInquire->setStyleSheet(
        QStringLiteral("background: #ffffe0; border: 1px solid #404040; padding: 1px 3px; color: black;"));
    lblInquire->setVisible(false);
    connect(picId, &IdeologicalCanvas::pressedAt, this, &frmIdeological::inquireAt);
}

void frmIdeological::layOutControls()
{
    auto *codesRow = new QHBoxLayout;
    codesRow->addWidget(lblCaptions);
    codesRow->addWidget(lblCodes, 1);
    codesRow->addWidget(cmbCodes, 0, Qt::AlignTop);
    // The key stands beside the picture, so that its legend never takes height from the map.
    auto *mapRow = new QHBoxLayout;
    mapRow->addWidget(m_mapArea, 1);
    mapRow->addWidget(pnlKey, 0, Qt::AlignTop);

    auto *layout = new QVBoxLayout(centralWidget());
    layout->setContentsMargins(8, 4, 8, 8);
    layout->addWidget(lblTitle1);
    layout->addWidget(lblTitle2);
    layout->addWidget(lblTally);
    layout->addLayout(codesRow);
    layout->addWidget(lblNoLine);
    layout->addLayout(mapRow, 1);
}

void frmIdeological::buildMenus()
{
    buildMenuBar();
    buildToolbar();
    connectCommands();
    updateCommands();
}

void frmIdeological::buildMenuBar()
{
    mnuFile = Named(menuBar()->addMenu(QStringLiteral("&File")), "mnuFile");
    mnuSave = MenuEntry(mnuFile, "mnuSave", QStringLiteral("&Save as..."));
    mnuSheet = MenuEntry(mnuFile, "mnuSheet", QStringLiteral("S&preadsheet output..."));
    mnuPrint = MenuEntry(mnuFile, "mnuPrint", QStringLiteral("&Print"), QKeySequence(QStringLiteral("Ctrl+P")));
    mnuPrintMap = MenuEntry(mnuFile, "mnuPrintMap", QStringLiteral("Print Ideological &Map"),
                            QKeySequence(QStringLiteral("Ctrl+M")));
    mnuFile->addSeparator();
    mnuExit = MenuEntry(mnuFile, "mnuExit", QStringLiteral("E&xit"));

    mnuOptions = Named(menuBar()->addMenu(QStringLiteral("&Options")), "mnuOptions");
    mnuInfo = MenuEntry(mnuOptions, "mnuInfo", QStringLiteral("&Roll Call Information"));
    mnuStatistics = MenuEntry(mnuOptions, "mnuStatistics", QStringLiteral("&Statistics"));
    mnuCrossStat = MenuEntry(mnuOptions, "mnuCrossStat", QStringLiteral("&Cross Tab Statistics"));
    mnuInquire =
        MenuEntry(mnuOptions, "mnuInquire", QStringLiteral("&Inquire"), QKeySequence(QStringLiteral("Ctrl+I")));
    mnuInquire->setCheckable(true);
    mnuFind = MenuEntry(mnuOptions, "mnuFind", QStringLiteral("&Find"));
    mnuAllLines = MenuEntry(mnuOptions, "mnuAllLines", QStringLiteral("All &Lines"));
    mnuOptions->addSeparator();
    mnuText = MenuEntry(mnuOptions, "mnuText", QStringLiteral("&Text Attachment"));
    mnuAudio = MenuEntry(mnuOptions, "mnuAudio", QStringLiteral("&Audio Attachment"));
    mnuPicture = MenuEntry(mnuOptions, "mnuPicture", QStringLiteral("&Picture Attachment"));
    for (QAction *a : {mnuText, mnuAudio, mnuPicture})
        a->setCheckable(true);
    mnuOptions->addSeparator();
    mnuRedraw = MenuEntry(mnuOptions, "mnuRedraw", QStringLiteral("Re&draw"));
    mnuUSMap = MenuEntry(mnuOptions, "mnuUSMap", QStringLiteral("&US Map Display"));

    mnuView = Named(menuBar()->addMenu(QStringLiteral("&View")), "mnuView");
    // Paging keys move through the queue, as they move through a document.
    mnuNext = MenuEntry(mnuView, "mnuNext", QStringLiteral("&Next"), QKeySequence(Qt::Key_PageDown));
    mnuPrevious = MenuEntry(mnuView, "mnuPrevious", QStringLiteral("&Previous"), QKeySequence(Qt::Key_PageUp));
    mnuFirst = MenuEntry(mnuView, "mnuFirst", QStringLiteral("&First"), QKeySequence(Qt::CTRL | Qt::Key_Home));
    mnuLast = MenuEntry(mnuView, "mnuLast", QStringLiteral("&Last"), QKeySequence(Qt::CTRL | Qt::Key_End));
    mnuJump = MenuEntry(mnuView, "mnuJump", QStringLiteral("&Jump to..."));
    mnuView->addSeparator();
    mnuVoters = MenuEntry(mnuView, "mnuVoters", QStringLiteral("&Voters"));
    mnuErrors = MenuEntry(mnuView, "mnuErrors", QStringLiteral("&Errors Only"));
    mnuNA = MenuEntry(mnuView, "mnuNA", QStringLiteral("Not &Available"));
    mnuView->addSeparator();
    mnuKey = MenuEntry(mnuView, "mnuKey", QStringLiteral("Color &Key"), QKeySequence(QStringLiteral("Ctrl+K")));
    mnuView->addSeparator();
    mnuFit = MenuEntry(mnuView, "mnuFit", QStringLiteral("Congress &Fit"));
    for (QAction *a : {mnuVoters, mnuErrors, mnuNA, mnuKey})
        a->setCheckable(true);
    mnuVoters->setChecked(true);

    mnuHelp = Named(menuBar()->addMenu(QStringLiteral("&Help")), "mnuHelp");
    mnuExplain = MenuEntry(mnuHelp, "mnuExplain", QStringLiteral("&Explain"), QKeySequence::HelpContents);
}

// The weight in the status bar and the toolbar, whose buttons repeat menu commands.
void frmIdeological::buildToolbar()
{
    lblWeight = Named(new QLabel, "lblWeight");
    statusBar()->addPermanentWidget(lblWeight);

    IdToolbar = Named(addToolBar(QStringLiteral("Ideological map")), "IdToolbar");
    IdToolbar->setMovable(false);
    IdToolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto button = [this](const char *name, const QString &caption, const QString &tip) {
        QAction *a = Named(IdToolbar->addAction(caption), name);
        a->setToolTip(tip);
        return a;
    };
    tbFirst = button("tbFirst", QStringLiteral("First"), QStringLiteral("First roll call"));
    tbPrevious = button("tbPrevious", QStringLiteral("Previous"), QStringLiteral("Previous roll call"));
    tbNext = button("tbNext", QStringLiteral("Next"), QStringLiteral("Next roll call"));
    tbLast = button("tbLast", QStringLiteral("Last"), QStringLiteral("Last roll call"));
    IdToolbar->addSeparator();
    tbInfo = button("tbInfo", QStringLiteral("Info"), QStringLiteral("Roll Call Information"));
    tbStatistics = button("tbStatistics", QStringLiteral("Statistics"), QStringLiteral("Statistics"));
    tbInquire = button("tbInquire", QStringLiteral("Inquire"), QStringLiteral("Inquire"));
    tbInquire->setCheckable(true);
    tbFind = button("tbFind", QStringLiteral("Find"), QStringLiteral("Find"));
    tbUSMap = button("tbUSMap", QStringLiteral("US Map"), QStringLiteral("US Map Display"));
    IdToolbar->addSeparator();
    tbSave = button("tbSave", QStringLiteral("Save"), QStringLiteral("Save"));
    tbPrint = button("tbPrint", QStringLiteral("Print"), QStringLiteral("Print ideological map"));
    tbHelp = button("tbHelp", QStringLiteral("Help"), QStringLiteral("Help"));
    tbDone = button("tbDone", QStringLiteral("Done"), QStringLiteral("Done"));
}

void frmIdeological::connectCommands()
{
    connect(mnuSave, &QAction::triggered, this, &frmIdeological::saveAs);
    connect(mnuSheet, &QAction::triggered, this, &frmIdeological::saveSpreadsheet);
    connect(mnuPrint, &QAction::triggered, this, &frmIdeological::printRollCall);
    connect(mnuPrintMap, &QAction::triggered, this, &frmIdeological::printMap);
    connect(mnuExit, &QAction::triggered, this, &frmIdeological::exitProgram);
    // Side windows describe a drawn roll call, so there is nothing to ask for before the first one.
    connect(mnuInfo, &QAction::triggered, this, [this] {
        if (m_loaded)
            emit infoRequested(m_pass);
    });
    connect(mnuStatistics, &QAction::triggered, this, [this] {
        if (m_loaded)
            emit statisticsRequested(m_pass);
    });
    connect(mnuCrossStat, &QAction::triggered, this, [this] {
        if (m_loaded)
            emit crossTabStatisticsRequested(m_pass);
    });
    connect(mnuInquire, &QAction::triggered, this, &frmIdeological::setInquire);
    connect(mnuFind, &QAction::triggered, this, &frmIdeological::find);
    connect(mnuAllLines, &QAction::triggered, this, [this] { emit allLinesRequested(m_pass.congress); });
    connect(mnuText, &QAction::triggered, this, [this] {
        mnuText->setChecked(m_attachments.text);
        emit textAttachmentRequested();
    });
    connect(mnuAudio, &QAction::triggered, this, [this] {
        mnuAudio->setChecked(m_attachments.sound);
        emit audioAttachmentRequested();
    });
    connect(mnuPicture, &QAction::triggered, this, [this] {
        mnuPicture->setChecked(m_attachments.picture);
        emit pictureAttachmentRequested();
    });
    connect(mnuRedraw, &QAction::triggered, this, &frmIdeological::redraw);
    connect(mnuUSMap, &QAction::triggered, this, &frmIdeological::usMapRequested);
    connect(mnuNext, &QAction::triggered, this, &frmIdeological::moveNext);
    connect(mnuPrevious, &QAction::triggered, this, &frmIdeological::movePrevious);
    connect(mnuFirst, &QAction::triggered, this, &frmIdeological::moveFirst);
    connect(mnuLast, &QAction::triggered, this, &frmIdeological::moveLast);
    connect(mnuJump, &QAction::triggered, this, &frmIdeological::jump);
    connect(mnuFit, &QAction::triggered, this, [this] {
        if (m_loaded)
            emit fitRequested(m_pass.isHouse, m_pass.congress);
    });
    connect(mnuVoters, &QAction::triggered, this, &frmIdeological::setVoters);
    connect(mnuErrors, &QAction::triggered, this, &frmIdeological::setErrorsOnly);
    connect(mnuNA, &QAction::triggered, this, &frmIdeological::setNotAvailable);
    connect(mnuKey, &QAction::triggered, this, &frmIdeological::setColourKey);
    connect(mnuExplain, &QAction::triggered, this,
            [this] { m_services.showHelp(this, QStringLiteral("frmIdeological")); });

    connect(tbFirst, &QAction::triggered, this, &frmIdeological::moveFirst);
    connect(tbPrevious, &QAction::triggered, this, &frmIdeological::movePrevious);
    connect(tbNext, &QAction::triggered, this, &frmIdeological::moveNext);
    connect(tbLast, &QAction::triggered, this, &frmIdeological::moveLast);
    connect(tbInfo, &QAction::triggered, mnuInfo, &QAction::trigger);
    connect(tbStatistics, &QAction::triggered, mnuStatistics, &QAction::trigger);
    connect(tbInquire, &QAction::triggered, this, &frmIdeological::setInquire);
    connect(tbFind, &QAction::triggered, mnuFind, &QAction::trigger);
    connect(tbUSMap, &QAction::triggered, mnuUSMap, &QAction::trigger);
    connect(tbSave, &QAction::triggered, this, &frmIdeological::saveAs);
    connect(tbPrint, &QAction::triggered, this, &frmIdeological::printMap);
    connect(tbHelp, &QAction::triggered, mnuExplain, &QAction::trigger);
    connect(tbDone, &QAction::triggered, this, &QWidget::close);
}

void frmIdeological::updateCommands()
{
    const bool others = m_filter.otherItemsEnabled();
    mnuInfo->setEnabled(isWired(&frmIdeological::infoRequested));
    tbInfo->setEnabled(isWired(&frmIdeological::infoRequested));
    mnuStatistics->setEnabled(isWired(&frmIdeological::statisticsRequested));
    tbStatistics->setEnabled(isWired(&frmIdeological::statisticsRequested));
    mnuCrossStat->setEnabled(m_crossTab && isWired(&frmIdeological::crossTabStatisticsRequested));
    mnuUSMap->setEnabled(isWired(&frmIdeological::usMapRequested));
    mnuFit->setEnabled(isWired(&frmIdeological::fitRequested));
    tbUSMap->setEnabled(isWired(&frmIdeological::usMapRequested));
    mnuFind->setEnabled(others);
    mnuAllLines->setEnabled(isWired(&frmIdeological::allLinesRequested));
    tbFind->setEnabled(others);
    mnuVoters->setEnabled(others);
    mnuNA->setEnabled(others);
    showAttachmentMenus();
}

void frmIdeological::refreshAttachments()
{
    if (m_pass.congress <= 0)
        return;
    m_attachments = FindRollCallAttachments(m_session.dataRoot, m_pass.isHouse, m_pass.congress, m_pass.rollCall);
    showAttachmentMenus();
}

void frmIdeological::showAttachmentMenus()
{
    // The check marks tell which attachments exist; the items open them once the attachment window
    // is part of the program.
    mnuText->setChecked(m_attachments.text);
    mnuText->setEnabled(isWired(&frmIdeological::textAttachmentRequested));
    mnuAudio->setChecked(m_attachments.sound);
    mnuAudio->setEnabled(m_attachments.sound && isWired(&frmIdeological::audioAttachmentRequested));
    mnuPicture->setChecked(m_attachments.picture);
    mnuPicture->setEnabled(m_attachments.picture && isWired(&frmIdeological::pictureAttachmentRequested));
}

bool frmIdeological::start()
{
    return loadAt(std::max(1, m_session.queue.currentQueuePos()));
}

const SubjectCodeTable *frmIdeological::codeTable(int scheme)
{
    auto &slot = m_codeTables[std::size_t(scheme)];
    if (!slot) {
        // A missing or unreadable code table leaves the codes as numbers; the map is still worth drawing.
        slot = SubjectCodeTable::ReadIfReadable(m_session.mainFileName(SubjectCodeFileName(SubjectScheme(scheme))));
    }
    return *slot ? &**slot : nullptr;
}

void frmIdeological::showCaptions()
{
    const MatchRow &row = m_session.MatchTable.row(m_session.queue.at(m_session.queue.currentQueuePos()).row);
    lblTitle1->setText(row.description);
    setWindowTitle(MapWindowCaption(row.description));
    lblTitle2->setText(MapTitle2(m_pass.isHouse, m_pass.congress, m_pass.rollCall, row.date,
                                 m_session.queue.currentQueuePos(), m_session.queue.length()));

    auto lookup = [this](SubjectScheme scheme) -> CodeLookup {
        return [this, scheme](int code) {
            if (const SubjectCodeTable *table = codeTable(int(scheme)))
                for (const SubjectCode &c : table->rows())
                    if (c.code == code)
                        return c.name;
            return QString();
        };
    };
    const RollCall &rc = m_pass.record;
    SubjectCodeTexts texts;
    texts.issue1 = SubjectCodeText(rc.issueCode, lookup(SubjectScheme::Issue));
    texts.clausen = SubjectCodeText(rc.clausenCode, lookup(SubjectScheme::Clausen));
    texts.peltzman1 = SubjectCodeText(rc.peltzmanCode1, lookup(SubjectScheme::Peltzman));
    texts.peltzman2 = SubjectCodeText(rc.peltzmanCode2, lookup(SubjectScheme::Peltzman));
    if (!m_pass.isHouse) {
        if (const auto codes = ReadSenateIssueCodes(m_session.dataRoot, m_pass.congress, m_pass.rollCall)) {
            texts.fromIssueFile = true;
            texts.issue1 = SubjectCodeText(codes->first, lookup(SubjectScheme::Issue));
            texts.issue2 = SubjectCodeText(codes->second, lookup(SubjectScheme::Issue));
        }
    }
    const CodeCaptions captions = BuildCodeCaptions(texts);
    lblCodes->setText(captions.lblCodes);
    if (captions.replaceCombo) {
        cmbCodes->clear();
        cmbCodes->addItems(captions.cmbCodes);
        cmbCodes->setCurrentIndex(cmbCodes->count() > 0 ? 0 : -1);
    }
    cmbCodes->setVisible(cmbCodes->count() > 0);
}

void frmIdeological::showNavigation()
{
    const NavigationState nav = NavigationAt(m_session.queue.currentQueuePos(), m_session.queue.length());
    mnuPrevious->setEnabled(nav.previousEnabled);
    tbFirst->setEnabled(nav.previousEnabled);
    tbPrevious->setEnabled(nav.previousEnabled);
    mnuNext->setEnabled(nav.nextEnabled);
    tbNext->setEnabled(nav.nextEnabled);
    tbLast->setEnabled(nav.nextEnabled);
}

bool frmIdeological::loadAt(int position)
{
    ErrorReporting how;
    // A party the program cannot draw means its tables are out of date: the program ends, after the
    // user has read why.
    how.afterReport = [this](const std::exception &error) {
        if (dynamic_cast<const UndefinedPartyError *>(&error))
            emit endProgram();
    };
    // The queue moves only once the roll call is drawn, so a failure leaves it where it was.
    const bool drawn = RunReportingErrors(
        m_services, this,
        [&] {
            const WaitGuard wait(m_services);
            DrawingPass pass = RunDrawingPass(DrawingRequestAt(m_session, position), WaitProgress(m_services, true));
            m_session.queue.setCurrentQueuePos(position);
            m_pass = std::move(pass);
            m_loaded = true;
        },
        how);
    if (!drawn)
        return false;

    m_session.currentCongress = m_pass.congress;
    m_session.legislatorCount = m_pass.counts.legislatorCount;
    m_session.rollCallCount = m_pass.counts.rollCallCount;
    m_attachments = FindRollCallAttachments(m_session.dataRoot, m_pass.isHouse, m_pass.congress, m_pass.rollCall);
    showCaptions();
    showNavigation();
    updateCommands();
    lblNoLine->setText(NoLineText(m_pass.yeaCount(), m_pass.nayCount()));
    lblNoLine->setVisible(m_pass.line.noLine);
    lblWeight->setText(m_pass.weightText());
    lblTally->setText(TallyText(m_pass.yeaCount(), m_pass.nayCount(), m_pass.notAvailableCount()));
    m_legend = LoadPartyLegend(m_pass, m_session.dataRoot);
    lblInquire->setVisible(false);
    picId->clearCircles();
    picId->setPreferences(m_session.Preferences);
    picId->setFilter(m_filter);
    picId->setPass(&m_pass);
    showKey();
    if (m_find)
        m_find->fillIdeological(m_pass.PlottedList);
    return true;
}

void frmIdeological::otherForms()
{
    if (m_loaded)
        emit rollCallChanged(m_pass);
}

void frmIdeological::moveFirst()
{
    if (loadAt(1))
        otherForms();
}

void frmIdeological::movePrevious()
{
    if (m_session.queue.currentQueuePos() > 1 && loadAt(m_session.queue.currentQueuePos() - 1))
        otherForms();
}

void frmIdeological::moveNext()
{
    if (m_session.queue.currentQueuePos() < m_session.queue.length() && loadAt(m_session.queue.currentQueuePos() + 1))
        otherForms();
}

void frmIdeological::moveLast()
{
    if (m_session.queue.length() > 0 && loadAt(m_session.queue.length()))
        otherForms();
}

void frmIdeological::jump()
{
    frmJump dialog(m_services, m_session.queue.length(), this);
    dialog.exec();
    jumpTo(dialog.entry());
}

void frmIdeological::jumpTo(const QString &entryText)
{
    const JumpOutcome outcome = ParseJump(entryText, m_session.queue.length());
    switch (outcome.kind) {
    case JumpOutcome::Nothing:
        return;
    case JumpOutcome::OutOfRange:
        ReportError(m_services, this, IdeologyText::kJumpOutOfRange);
        return;
    case JumpOutcome::Move:
        if (loadAt(outcome.position))
            otherForms();
        return;
    }
}

void frmIdeological::redraw()
{
    if (m_loaded)
        loadAt(m_session.queue.currentQueuePos());
}

void frmIdeological::applyFilter()
{
    mnuVoters->setChecked(m_filter.voters);
    mnuNA->setChecked(m_filter.notAvailable);
    mnuErrors->setChecked(m_filter.errorsOnly);
    updateCommands();
    picId->clearCircles();
    lblInquire->setVisible(false);
    picId->setFilter(m_filter);
}

void frmIdeological::setVoters(bool on)
{
    m_filter.voters = on;
    applyFilter();
}

void frmIdeological::setErrorsOnly(bool on)
{
    m_filter.errorsOnly = on;
    applyFilter();
}

void frmIdeological::setNotAvailable(bool on)
{
    m_filter.notAvailable = on;
    applyFilter();
}

void frmIdeological::showKey()
{
    const QList<KeySwatch> key = ColourKey(m_crossTab, m_session.Preferences);
    for (int i = 0; i < 4; ++i) {
        const KeySwatch swatch = i < key.size() ? key.at(i) : KeySwatch{0, QString(), QString(), false};
        QPalette palette = pnlKeys[i]->palette();
        palette.setColor(QPalette::Window, swatch.used ? PaletteColour(swatch.colour) : QColor(Qt::transparent));
        pnlKeys[i]->setPalette(palette);
        pnlKeys[i]->setFrameStyle(swatch.used ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
        pnlKeys[i]->setToolTip(swatch.toolTip);
        lblKeys[i]->setText(swatch.label);
        // The single view's two empty places would only widen the panel.
        pnlKeys[i]->setVisible(swatch.used);
        lblKeys[i]->setVisible(swatch.used);
    }
    const PictureFrame frame = pictureFrame();
    lblKeyNote->setText(frame.keyNotes.join(QLatin1Char('\n')));
    lblKeyNote->setVisible(!frame.keyNotes.isEmpty());
    QStringList legend;
    for (const LegendEntry &e : m_legend)
        legend.append(QStringLiteral("<b>%1</b>&nbsp;%2").arg(e.token.toHtmlEscaped(), e.name.toHtmlEscaped()));
    lblLegend->setText(legend.join(QStringLiteral("<br>")));
    lblLegend->setVisible(!legend.isEmpty());
}

PictureFrame frmIdeological::pictureFrame() const
{
    PictureFrame frame;
    frame.title = lblTitle1->text();
    frame.title2 = lblTitle2->text();
    frame.tally = lblTally->text();
    if (m_loaded && m_pass.line.noLine)
        frame.noLine = lblNoLine->text();
    frame.key = ColourKey(m_crossTab, m_session.Preferences);
    if (m_crossTab && m_pass.partner)
        frame.keyNotes = CrossTabKeyNotes(m_pass.rollCall, m_pass.partner->rollCall);
    frame.legend = m_legend;
    return frame;
}

void frmIdeological::queueChanged()
{
    if (m_session.queue.length() == 0) {
        close();
        return;
    }
    if (m_session.queue.currentQueuePos() > m_session.queue.length())
        m_session.queue.setCurrentQueuePos(m_session.queue.length());
    showNavigation();
    if (m_loaded)
        showCaptions();
}

void frmIdeological::setColourKey(bool on)
{
    mnuKey->setChecked(on);
    if (on)
        showKey();
    pnlKey->setVisible(on);
}

void frmIdeological::setInquire(bool on)
{
    // The menu item and the toolbar button show one state, whichever of them was used.
    mnuInquire->setChecked(on);
    tbInquire->setChecked(on);
    if (!on)
        lblInquire->setVisible(false);
}

void frmIdeological::inquireAt(double x, double y)
{
    if (!mnuInquire->isChecked() || !m_loaded)
        return;
    const std::optional<InquiryHit> hit = InquireAt(m_pass, x, y, m_filter.notAvailable);
    if (!hit) {
        lblInquire->setVisible(false);
        ReportError(m_services, this, IdeologyText::kLegislatorNotFound);
        return;
    }
    lblInquire->setToolTip(hit->toolTip);
    // The name is written on the label as well, so that the answer needs no second move of the mouse.
    lblInquire->setText(hit->toolTip);
    lblInquire->adjustSize();
    const QPointF at = IdeologicalCanvas::ToPixel(hit->at, std::min(picId->width(), picId->height()));
    // Kept inside the picture so that a click near the right or bottom edge still shows the whole name.
    const int left = std::clamp(int(at.x()), 0, std::max(0, picId->width() - lblInquire->width()));
    const int top = std::clamp(int(at.y()), 0, std::max(0, picId->height() - lblInquire->height()));
    lblInquire->move(left, top);
    lblInquire->setVisible(true);
    lblInquire->raise();
}

void frmIdeological::find()
{
    if (!m_loaded || !m_filter.otherItemsEnabled())
        return;
    if (!m_find) {
        m_find = new frmFind(m_services, this);
        connect(m_find, &frmFind::findRequested, this, &frmIdeological::findLegislator);
        connect(m_find, &frmFind::flash, picId, &IdeologicalCanvas::setLastCircleVisible);
    }
    m_find->fillIdeological(m_pass.PlottedList);
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
}

void frmIdeological::findLegislator(int plottedIndex)
{
    if (const std::optional<MapPoint> centre = FindCircleCentre(m_pass, plottedIndex))
        picId->addCircle(*centre);
    else if (m_find)
        m_find->tmrFind->stop();
}

bool frmIdeological::findRecord(int recordNumber)
{
    const QList<PlottedEntry> &plotted = m_pass.PlottedList;
    const auto it = std::find_if(plotted.cbegin(), plotted.cend(),
                                 [&](const PlottedEntry &e) { return e.legislatorIndex == recordNumber; });
    if (it == plotted.cend())
        return false;
    // A legislator named from outside the map is circled whatever his vote, so the user sees where
    // he stands even when the filters hide his token.
    picId->clearCircles();
    picId->addCircle(it->point);
    return true;
}

frmFind *frmIdeological::findWindow() const
{
    return m_find;
}

QImage frmIdeological::pictureImage() const
{
    const int side = std::max(200, std::min(picId->width(), picId->height()));
    const PictureFrame frame = pictureFrame();
    const QSize size = IdeologicalPicture::SizeFor(side, frame, picId->font());
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    IdeologicalPicture::Paint(painter, size, frame, m_pass, m_filter, m_session.Preferences, picId->font());
    return image;
}

void frmIdeological::saveAs()
{
    if (!m_loaded)
        return;
    QString fileName =
        m_services.saveFileName(this, QStringLiteral("Rollscan Disk Output"), kSaveFilters, QStringLiteral("TXT"));
    if (fileName.isEmpty())
        return;
    const bool saved = RunReportingErrors(m_services, this, [&] {
        const PictureKind kind = pictureKindOf(fileName);
        if (IsTidyCsvName(fileName)) {
            // The analysis file holds the whole queue, one line per legislator and roll call.
            const WaitGuard wait(m_services, kSavingText);
            WriteTidyCsv(m_session, fileName, WaitProgress(m_services, false));
        } else if (kind == PictureKind::Svg) {
            // A metafile is written as SVG, the portable vector picture; a ".wmf" name gets ".svg".
            if (!fileName.endsWith(QStringLiteral("svg"), Qt::CaseInsensitive))
                fileName = QFileInfo(fileName).path() + QLatin1Char('/') + QFileInfo(fileName).completeBaseName() +
                           QStringLiteral(".svg");
            const int side = std::max(200, std::min(picId->width(), picId->height()));
            const PictureFrame frame = pictureFrame();
            const QSize size = IdeologicalPicture::SizeFor(side, frame, picId->font());
            QSvgGenerator svg;
            svg.setFileName(fileName);
            svg.setSize(size);
            svg.setViewBox(QRect(QPoint(0, 0), size));
            svg.setTitle(lblTitle1->text());
            QPainter painter;
            if (!painter.begin(&svg))
                throw FileError(FileErrorNumber::BadAccess, fileName);
            IdeologicalPicture::Paint(painter, size, frame, m_pass, m_filter, m_session.Preferences, picId->font());
            painter.end();
            if (!QFileInfo(fileName).isFile())
                throw FileError(FileErrorNumber::BadAccess, fileName);
        } else if (kind != PictureKind::None) {
            const char *format = kind == PictureKind::Bitmap ? "BMP" : "PNG";
            if (!pictureImage().save(fileName, format))
                throw FileError(FileErrorNumber::BadAccess, fileName);
        } else {
            const WaitGuard wait(m_services, kSavingText);
            SaveRollCallText(m_session, fileName, WaitProgress(m_services, false));
        }
    });
    if (saved)
        ReportSaved(m_services, this, fileName);
}

void frmIdeological::saveSpreadsheet()
{
    if (!m_loaded)
        return;
    const QString fileName = m_services.saveFileName(this, QStringLiteral("Rollscan Spreadsheet Output"), kSheetFilters,
                                                     QStringLiteral("PRN"));
    if (fileName.isEmpty())
        return;
    if (!RunReportingErrors(m_services, this, [&] {
            const WaitGuard wait(m_services, kSavingText);
            WriteSpreadsheet(m_session, fileName, false, WaitProgress(m_services, true));
        }))
        return;
    ReportSaved(m_services, this, fileName);
}

void frmIdeological::printRollCall()
{
    if (!m_loaded)
        return;
    QPrinter printer;
    if (!m_services.choosePrinter(this, printer))
        return;
    ErrorReporting how;
    how.fileErrorText = [](const FileError &error) {
        return IdeologyText::ErrorWhile(error.number(), IdeologyText::kWhilePrinting);
    };
    RunReportingErrors(
        m_services, this,
        [&] {
            const WaitGuard wait(m_services, kPrintingText);
            const RollCallSheet sheet = LoadQueueEntrySheet(m_session, m_session.queue.currentQueuePos());
            const QList<PrintedLine> lines = PrintedRollCallPage(sheet, WaitProgress(m_services, false));
            QFont title = ReportPrinter::arial(16, true);
            title.setUnderline(true);
            const QFont heading = ReportPrinter::arial(14);
            const QFont table = ReportPrinter::courier(10);
            QList<ReportPrinter::Line> printed;
            for (const PrintedLine &line : lines)
                printed.append({line.text, line.role == PrintRole::Title     ? title
                                           : line.role == PrintRole::Heading ? heading
                                                                             : table});
            if (!ReportPrinter::print(printer, printed))
                throw FileError(ReportPrinter::kErrorNumber, printer.outputFileName());
        },
        how);
}

void frmIdeological::printMap()
{
    if (!m_loaded)
        return;
    QPrinter printer;
    if (!m_services.choosePrinter(this, printer))
        return;
    // The page carries the picture as a file does: titles, tally, plot, key and legend, without the
    // toolbar and the window's controls.
    QPainter painter;
    bool printed = false;
    if (painter.begin(&printer)) {
        const int side = std::max(200, std::min(picId->width(), picId->height()));
        const PictureFrame frame = pictureFrame();
        const QSize size = IdeologicalPicture::SizeFor(side, frame, picId->font());
        const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
        const double scale = std::min(page.width() / size.width(), page.height() / size.height());
        painter.scale(scale, scale);
        IdeologicalPicture::Paint(painter, size, frame, m_pass, m_filter, m_session.Preferences, picId->font());
        printed = painter.end();
    }
    if (!printed)
        ReportError(m_services, this,
                    IdeologyText::ErrorWhile(FileErrorNumber::DiskError, IdeologyText::kWhilePrintingMap));
}

void frmIdeological::exitProgram()
{
    if (ConfirmQuit(m_services, this))
        emit endProgram();
}

void frmIdeological::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    placePicture();
}

bool frmIdeological::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_mapArea && event->type() == QEvent::Resize)
        placePicture();
    return QMainWindow::eventFilter(watched, event);
}

void frmIdeological::placePicture()
{
    if (!m_mapArea)
        return;
    // The picture is square, as large as the room below the titles allows, centred across the window.
    const QSize room = m_mapArea->size();
    const int side = std::max(50, std::min(room.width(), room.height()));
    if (picId->size() != QSize(side, side))
        lblInquire->setVisible(false); // its place belonged to the picture before the resize
    picId->setGeometry((room.width() - side) / 2, 0, side, side);
}

void frmIdeological::closeEvent(QCloseEvent *event)
{
    if (m_find)
        m_find->close();
    m_filter.errorsOnly = false;
    m_session.crossTabRequested = false;
    emit displayClosed();
    QMainWindow::closeEvent(event);
}

} // namespace rollscan
