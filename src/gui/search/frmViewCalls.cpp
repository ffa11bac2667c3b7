#include "gui/search/frmViewCalls.h"

#include "core/app/Session.h"
#include "core/data/Description.h"
#include "core/data/FileError.h"
#include "core/report/Spreadsheet.h"
#include "core/report/TidyCsv.h"
#include "core/search/BookmarkFile.h"
#include "core/search/MatchTable.h"
#include "core/search/RollCallSearch.h"
#include "core/search/SelectionQueue.h"
#include "gui/search/RollCallListColumns.h"
#include "gui/search/frmKeyword.h"
#include "gui/search/frmQuickInfo.h"
#include "gui/services/ScreenFit.h"
#include "gui/services/Services.h"
#include "gui/services/WaitGuard.h"
#include "gui/services/WaitProgress.h"
#include "gui/services/WindowTools.h"

#include <QAction>
#include <QActionGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace rollscan {

namespace {
QPushButton *button(const char *name, const QString &caption, const QString &tip = {})
{
    auto *b = Named(new QPushButton(caption), name);
    b->setAutoDefault(false);
    if (!tip.isEmpty())
        b->setToolTip(tip);
    return b;
}

const QString kNone = QStringLiteral("(none)");
const QString kIdeology = QStringLiteral("Ideology");
const QString kUS = QStringLiteral("US");
const QString kSingle = QStringLiteral("Single");
const QString kDouble = QStringLiteral("Double");
const QStringList kSpreadsheetFilters = {QStringLiteral("All Files (*.*)"), QStringLiteral("Spreadsheet Files (*.prn)"),
                                         kTidyCsvFilter};

constexpr QSize kListSize(400, 330);
constexpr int kWindowHeight = 600;
// Both lists grow to show whole lines (a 60-character description after its tallies), up to this.
constexpr int kWidestList = 620;
// The compact layout of small screens: lists 4200 × 1500 twips, the window 7400 × 6000.
constexpr QSize kCompactListSize(280, 100);
constexpr QSize kCompactWindowSize(493, 400);
} // namespace

frmViewCalls::frmViewCalls(Session &session, Services &services, frmKeyword &keyword, QWidget *parent)
    : QMainWindow(parent), m_session(session), m_services(services), m_keyword(keyword)
{
    setObjectName(QStringLiteral("frmViewCalls"));
    setWindowTitle(QStringLiteral("View Matching Roll Calls"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    buildMenus();

    m_wantIdeological = m_session.Preferences.displayKind() == QLatin1Char('i');
    setDisplayChoice(m_wantIdeological);
    btnAmount->setText(kSingle);
    mnuSingle->setChecked(true);

    m_session.crossTabRequested = false;
    // The queue named rows of the table this window lists; a fresh list starts with an empty queue.
    m_session.queue.clear();

    fillRollCalls();
    m_extras = FindCongressExtras(m_session);
    if (!m_extras.usMap)
        DisableUSMap();
    showQueue();

    if (m_session.smallScreen) {
        resize(kCompactWindowSize);
    } else {
        const QList<int> widths = ListLineWidths(lstRollCalls);
        const int widest = widths.isEmpty() ? 0 : *std::max_element(widths.cbegin(), widths.cend());
        const int margin = lstRollCalls->frameWidth() * 2 + lstRollCalls->verticalScrollBar()->sizeHint().width() + 8;
        // Everything beside the two lists keeps its own width; the lists share the rest equally, as
        // wide as their longest line but the window no wider than 80 % of the screen: longer lines scroll.
        centralWidget()->layout()->activate();
        const int others = minimumSizeHint().width() - lstRollCalls->minimumWidth() - lstSelected->minimumWidth();
        int widestWindow = others + 2 * kWidestList;
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            widestWindow = screen->availableGeometry().width() * 4 / 5;
        const int listWidth =
            std::clamp(widest + margin, kListSize.width(), std::max(kListSize.width(), (widestWindow - others) / 2));
        QSize size(others + 2 * listWidth, kWindowHeight);
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            size = size.boundedTo(screen->availableGeometry().size() - QSize(16, 48));
        resize(size.expandedTo(minimumSizeHint()));
    }
    CentreOnScreen(this);
    FitToScreen(this);
    lstRollCalls->setFocus();
}

void frmViewCalls::buildControls()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);
    buildLists();
    buildButtons();
    layOut(central);
    connectControls();
}

// The two lists, their counts, the line of the chosen roll call and the quick number.
void frmViewCalls::buildLists()
{
    fraRollCalls = Named(new QGroupBox(QStringLiteral("Choose &roll call to view:")), "fraRollCalls");
    lstRollCalls = Named(new QListWidget, "lstRollCalls");
    lstRollCalls->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstRollCalls->setContextMenuPolicy(Qt::CustomContextMenu);
    lstRollCalls->setToolTip(QStringLiteral(
        "Double-click a roll call or press the space bar to add it to the selection. Right-click it to read its "
        "description."));
    lstRollCalls->installEventFilter(this);
    fraSelected = Named(new QGroupBox(QStringLiteral("Selected roll calls")), "fraSelected");
    lstSelected = Named(new QListWidget, "lstSelected");
    lstSelected->setSelectionMode(QAbstractItemView::SingleSelection);
    lstSelected->setToolTip(QStringLiteral("Press Delete or Backspace to remove the highlighted roll call."));
    lstSelected->installEventFilter(this);

    lblMatchesTag = Named(new QLabel(QStringLiteral("Matches to your search request:")), "lblMatchesTag");
    lblMatches = Named(new QLabel(QStringLiteral("0")), "lblMatches");
    lblTotalSelTag = Named(new QLabel(QStringLiteral("Total roll calls selected:")), "lblTotalSelTag");
    lblTotalSel = Named(new QLabel(QStringLiteral("0")), "lblTotalSel");
    lblRollCall = Named(new QLabel(kNone), "lblRollCall");
    // Descriptions are shown as stored: "&" is an ampersand, "<" is no markup.
    lblRollCall->setTextFormat(Qt::PlainText);
    lblRollCall->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblDate = Named(new QLabel, "lblDate");
    lblDate->setTextFormat(Qt::PlainText);
    lblDate->setTextInteractionFlags(Qt::TextSelectableByMouse);
    for (QLabel *label : {lblRollCall, lblDate}) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumHeight(label->fontMetrics().height() + 8);
    }

    mtxQuick = Named(new QLineEdit, "mtxQuick");
    mtxQuick->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,5}")), mtxQuick));
    mtxQuick->setMaxLength(5);
    mtxQuick->setMaximumWidth(mtxQuick->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    mtxQuick->setToolTip(QStringLiteral("Type a roll-call number and press the space bar to jump to it in the list."));
    mtxQuick->installEventFilter(this);
    lblQuick = Named(new QLabel(QStringLiteral("Roll call &number:")), "lblQuick");
    lblQuick->setBuddy(mtxQuick);
}

void frmViewCalls::buildButtons()
{
    btnAdd =
        button("btnAdd", QStringLiteral("&Add"), QStringLiteral("Add the highlighted roll calls to the selection."));
    btnAll = button("btnAll", QStringLiteral("Se&lect All"), QStringLiteral("Select every roll call in the list."));
    btnRemove = button("btnRemove", QStringLiteral("&Remove"),
                       QStringLiteral("Remove the highlighted roll call from the selection."));
    btnClear = button("btnClear", QStringLiteral("&Clear"), QStringLiteral("Empty the selection."));
    btnStart = button("btnStart", QStringLiteral("&Start"), QStringLiteral("Display the selected roll calls."));
    btnMap = button("btnMap", kIdeology, QStringLiteral("Choose the display: ideological map or US map."));
    btnAmount = button("btnAmount", QStringLiteral("Amount"),
                       QStringLiteral("Show one roll call at a time, or two side by side."));
    btnCrossTab = button("btnCrossTab", QStringLiteral("Cross &Tab"),
                         QStringLiteral("Cross-tabulate the two selected roll calls."));
    btnTrack = button("btnTrack", QStringLiteral("Track"));
    btnRating = button("btnRating", QStringLiteral("Rating"));
    btnSpreadsheet = button("btnSpreadsheet", QStringLiteral("Sp'sheet"),
                            QStringLiteral("Save the votes on the selected roll calls as a spreadsheet file."));
    btnBookmark = button("btnBookmark", QStringLiteral("&Bookmark"),
                         QStringLiteral("Save the selected roll calls in a bookmark file."));
    btnKeyword = button("btnKeyword", QStringLiteral("&Keyword"),
                        QStringLiteral("Keep only the listed roll calls that contain keywords."));
    btnImport = button("btnImport", QStringLiteral("Import"));
    btnCancel = button("btnCancel", QStringLiteral("Done"));
    btnHelp = button("btnHelp", QStringLiteral("Help"));
}

void frmViewCalls::layOut(QWidget *central)
{
    const bool compact = m_session.smallScreen;
    auto *rollCallsLayout = new QVBoxLayout(fraRollCalls);
    rollCallsLayout->setSpacing(0);
    rollCallsLayout->addWidget(RollCallListColumns::Install(lstRollCalls));
    rollCallsLayout->addWidget(lstRollCalls, 1);
    rollCallsLayout->addSpacing(6);
    auto *matchLine = new QHBoxLayout;
    matchLine->addWidget(lblMatchesTag);
    matchLine->addWidget(lblMatches);
    matchLine->addStretch(1);
    matchLine->addWidget(lblQuick);
    matchLine->addWidget(mtxQuick);
    rollCallsLayout->addLayout(matchLine);

    auto *selectedLayout = new QVBoxLayout(fraSelected);
    selectedLayout->setSpacing(0);
    selectedLayout->addWidget(RollCallListColumns::Install(lstSelected));
    selectedLayout->addWidget(lstSelected, 1);
    selectedLayout->addSpacing(6);
    auto *totalLine = new QHBoxLayout;
    totalLine->addWidget(lblTotalSelTag);
    totalLine->addWidget(lblTotalSel);
    totalLine->addStretch(1);
    selectedLayout->addLayout(totalLine);

    auto *queueButtons = new QVBoxLayout;
    queueButtons->addStretch(1);
    for (QPushButton *b : {btnAdd, btnAll, btnRemove, btnClear})
        queueButtons->addWidget(b);
    queueButtons->addStretch(1);

    auto *commandButtons = new QVBoxLayout;
    for (QPushButton *b : {btnStart, btnMap, btnAmount, btnCrossTab})
        commandButtons->addWidget(b);
    commandButtons->addSpacing(10);
    for (QPushButton *b : {btnKeyword, btnBookmark, btnSpreadsheet, btnRating, btnTrack, btnImport})
        commandButtons->addWidget(b);
    commandButtons->addStretch(1);
    commandButtons->addWidget(btnCancel);
    commandButtons->addWidget(btnHelp);

    auto *grid = new QGridLayout(central);
    if (compact) {
        // Small screens: the two lists one above the other, small print, the commands beside them.
        const QFont font = ScreenFont({"Arial", "Liberation Sans", "DejaVu Sans"}, 7);
        for (QWidget *w :
             std::initializer_list<QWidget *>{lstRollCalls, lstSelected, lblMatchesTag, lblMatches, lblTotalSelTag,
                                              lblTotalSel, lblRollCall, lblDate, lblQuick, mtxQuick})
            w->setFont(font);
        lstRollCalls->setMinimumSize(kCompactListSize);
        lstSelected->setMinimumSize(kCompactListSize);
        auto *queueRow = new QHBoxLayout;
        queueRow->addStretch(1);
        for (QPushButton *b : {btnAdd, btnAll, btnRemove, btnClear})
            queueRow->addWidget(b);
        delete queueButtons;
        grid->addWidget(fraRollCalls, 0, 0);
        grid->addLayout(queueRow, 1, 0);
        grid->addWidget(fraSelected, 2, 0);
        grid->addWidget(lblRollCall, 3, 0);
        grid->addWidget(lblDate, 4, 0);
        grid->addLayout(commandButtons, 0, 1, 5, 1);
        grid->setColumnStretch(0, 1);
    } else {
        lstRollCalls->setMinimumSize(kListSize);
        lstSelected->setMinimumSize(kListSize);
        grid->addWidget(fraRollCalls, 0, 0);
        grid->addLayout(queueButtons, 0, 1);
        grid->addWidget(fraSelected, 0, 2);
        grid->addLayout(commandButtons, 0, 3, 3, 1);
        grid->addWidget(lblRollCall, 1, 0, 1, 3);
        grid->addWidget(lblDate, 2, 0, 1, 3);
        grid->setColumnStretch(0, 1);
        grid->setColumnStretch(2, 1);
        grid->setRowStretch(0, 1);
    }
}

void frmViewCalls::connectControls()
{
    connect(lstRollCalls, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showRollCall();
    });
    connect(lstRollCalls, &QListWidget::itemDoubleClicked, this, &frmViewCalls::addCurrent);
    connect(lstRollCalls, &QListWidget::customContextMenuRequested, this, &frmViewCalls::showQuickInfo);
    connect(btnAdd, &QPushButton::clicked, this, &frmViewCalls::addSelected);
    connect(btnAll, &QPushButton::clicked, this, &frmViewCalls::addAll);
    connect(btnRemove, &QPushButton::clicked, this, &frmViewCalls::removeSelected);
    connect(btnClear, &QPushButton::clicked, this, &frmViewCalls::clearQueue);
    connect(btnStart, &QPushButton::clicked, this, &frmViewCalls::start);
    connect(btnMap, &QPushButton::clicked, this, [this] { chooseDisplay(btnMap->text() != kIdeology); });
    connect(btnAmount, &QPushButton::clicked, this, [this] { chooseAmount(btnAmount->text() != kSingle); });
    connect(btnCrossTab, &QPushButton::clicked, this, &frmViewCalls::crossTab);
    connect(btnRating, &QPushButton::clicked, this, &frmViewCalls::ratingRequested);
    connect(btnTrack, &QPushButton::clicked, this, &frmViewCalls::trackRequested);
    connect(btnImport, &QPushButton::clicked, this, &frmViewCalls::importRequested);
    connect(btnSpreadsheet, &QPushButton::clicked, this, &frmViewCalls::saveSpreadsheet);
    connect(btnBookmark, &QPushButton::clicked, this, &frmViewCalls::saveBookmarks);
    connect(btnKeyword, &QPushButton::clicked, this, &frmViewCalls::narrowByKeyword);
    connect(btnCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(btnHelp, &QPushButton::clicked, this,
            [this] { m_services.showHelp(this, QStringLiteral("frmViewCalls")); });
}

void frmViewCalls::buildMenus()
{
    mnuOptions = menuBar()->addMenu(QStringLiteral("&Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    mnuRating = MenuEntry(mnuOptions, "mnuRating", QStringLiteral("&Rating"));
    mnuTrack = MenuEntry(mnuOptions, "mnuTrack", QStringLiteral("T&rack"));
    mnuAllLines = MenuEntry(mnuOptions, "mnuAllLines", QStringLiteral("All &Lines"));
    mnuSpreadsheet = MenuEntry(mnuOptions, "mnuSpreadsheet", QStringLiteral("&Spreadsheet output..."));
    mnuCrossTab = MenuEntry(mnuOptions, "mnuCrossTab", QStringLiteral("&Cross Tab"));
    mnuCrossTab->setCheckable(true);
    mnuOptions->addSeparator();
    mnuText = MenuEntry(mnuOptions, "mnuText", QStringLiteral("&Text Attachment"));
    mnuPicture = MenuEntry(mnuOptions, "mnuPicture", QStringLiteral("&Picture Attachment"));
    mnuAudio = MenuEntry(mnuOptions, "mnuAudio", QStringLiteral("&Audio Attachment"));
    mnuOptions->addSeparator();
    mnuImport = MenuEntry(mnuOptions, "mnuImport", QStringLiteral("Import &Data"));
    mnuEditBookmarks = MenuEntry(mnuOptions, "mnuEditBookmarks", QStringLiteral("Edit &Bookmarks"));
    mnuOptions->addSeparator();
    mnuExit = MenuEntry(mnuOptions, "mnuExit", QStringLiteral("E&xit"));

    mnuView = menuBar()->addMenu(QStringLiteral("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuIdeological = MenuEntry(mnuView, "mnuIdeological", QStringLiteral("&Ideological Map"));
    mnuUS = MenuEntry(mnuView, "mnuUS", QStringLiteral("&U.S. Map"));
    mnuView->addSeparator();
    mnuSingle = MenuEntry(mnuView, "mnuSingle", QStringLiteral("&Single"));
    mnuDouble = MenuEntry(mnuView, "mnuDouble", QStringLiteral("&Double"));
    auto *displays = new QActionGroup(this);
    auto *amounts = new QActionGroup(this);
    for (QAction *a : {mnuIdeological, mnuUS}) {
        a->setCheckable(true);
        displays->addAction(a);
    }
    for (QAction *a : {mnuSingle, mnuDouble}) {
        a->setCheckable(true);
        amounts->addAction(a);
    }

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuExplain = MenuEntry(mnuHelp, "mnuExplain", QStringLiteral("&Explain..."));

    connect(mnuRating, &QAction::triggered, this, &frmViewCalls::ratingRequested);
    connect(mnuTrack, &QAction::triggered, this, &frmViewCalls::trackRequested);
    connect(mnuAllLines, &QAction::triggered, this, &frmViewCalls::allLinesRequested);
    connect(mnuSpreadsheet, &QAction::triggered, this, &frmViewCalls::saveSpreadsheet);
    connect(mnuCrossTab, &QAction::triggered, this, &frmViewCalls::crossTabFromMenu);
    connect(mnuText, &QAction::triggered, this, &frmViewCalls::textAttachmentRequested);
    connect(mnuPicture, &QAction::triggered, this, &frmViewCalls::pictureAttachmentRequested);
    connect(mnuAudio, &QAction::triggered, this, &frmViewCalls::audioAttachmentRequested);
    connect(mnuImport, &QAction::triggered, this, &frmViewCalls::importRequested);
    connect(mnuEditBookmarks, &QAction::triggered, this, &frmViewCalls::bookmarkEditorRequested);
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(mnuIdeological, &QAction::triggered, this, [this] { chooseDisplay(true); });
    connect(mnuUS, &QAction::triggered, this, [this] { chooseDisplay(false); });
    connect(mnuSingle, &QAction::triggered, this, [this] { chooseAmount(true); });
    connect(mnuDouble, &QAction::triggered, this, [this] { chooseAmount(false); });
    connect(mnuExplain, &QAction::triggered, this,
            [this] { m_services.showHelp(this, QStringLiteral("frmViewCalls")); });
}

void frmViewCalls::fillRollCalls()
{
    lstRollCalls->setUpdatesEnabled(false);
    lstRollCalls->clear();
    lstRollCalls->addItems(MatchListLines(m_session.MatchTable, m_session.smallScreen));
    for (int i = 0; i < lstRollCalls->count(); ++i)
        RollCallListColumns::SetColumns(lstRollCalls->item(i),
                                        ListColumnsOf(m_session.MatchTable.row(i + 1), lstRollCalls->item(i)->text()));
    RollCallListColumns::Of(lstRollCalls)->fitColumns();
    lstRollCalls->setUpdatesEnabled(true);
    FitListScroll(lstRollCalls);
    lblMatches->setText(QString::number(m_session.MatchTable.matchCount()));
}

void frmViewCalls::showQueue()
{
    // The list mirrors the session's queue; adding only appends, so only the new lines are added.
    const QStringList &lines = m_session.queue.lines();
    bool prefix = lstSelected->count() <= lines.size();
    for (int i = 0; prefix && i < lstSelected->count(); ++i)
        prefix = lstSelected->item(i)->text() == lines.at(i);
    lstSelected->setUpdatesEnabled(false);
    if (!prefix)
        lstSelected->clear();
    lstSelected->addItems(lines.mid(lstSelected->count()));
    for (int i = 0; i < lstSelected->count(); ++i) {
        const int row = i < m_session.queue.length() ? m_session.queue.at(i + 1).row : 0;
        if (row >= 1 && row <= m_session.MatchTable.matchCount())
            RollCallListColumns::SetColumns(lstSelected->item(i),
                                            ListColumnsOf(m_session.MatchTable.row(row), lstSelected->item(i)->text()));
    }
    RollCallListColumns::Of(lstSelected)->fitColumns();
    lstSelected->setUpdatesEnabled(true);
    FitListScroll(lstSelected);
    lblTotalSel->setText(QString::number(m_session.queue.length()));
    updateCommands();
    emit queueChanged();
}

void frmViewCalls::showRollCall()
{
    const int row = lstRollCalls->currentRow();
    if (row < 0 || row >= m_session.MatchTable.matchCount()) {
        m_services.beep();
        return;
    }
    const MatchRow &match = m_session.MatchTable.row(row + 1);
    lblRollCall->setText(match.description);
    lblDate->setText(RollCallIdLine(m_session.isHouse, match));
}

void frmViewCalls::DisableUSMap()
{
    m_usMapDisabled = true;
    m_wantIdeological = true;
    updateCommands();
}

void frmViewCalls::updateCommands()
{
    const int queued = m_session.queue.length();
    const bool ideological = isWired(&frmViewCalls::ideologicalRequested);
    const bool usMap = isWired(&frmViewCalls::usMapRequested) && !m_usMapDisabled;

    // The choice made (by the preferences or the user) stands while its display can be shown;
    // otherwise the other display stands in for it.
    if (m_wantIdeological ? (ideological || !usMap) : (usMap || !ideological))
        setDisplayChoice(m_wantIdeological);
    else
        setDisplayChoice(!m_wantIdeological);
    mnuIdeological->setEnabled(ideological);
    mnuUS->setEnabled(usMap);
    btnMap->setEnabled(ideological && usMap);
    const bool anyDisplay = ideological || usMap;
    btnAmount->setEnabled(anyDisplay);
    mnuSingle->setEnabled(anyDisplay);
    mnuDouble->setEnabled(anyDisplay);
    const bool display = mnuIdeological->isChecked() ? ideological : usMap;
    btnStart->setEnabled(display);
    btnCrossTab->setEnabled(display && m_session.queue.crossTabAvailable());
    mnuCrossTab->setEnabled(display && m_session.queue.crossTabAvailable());

    for (QWidget *w : std::initializer_list<QWidget *>{btnRemove, btnClear, btnSpreadsheet})
        w->setEnabled(queued > 0);
    mnuSpreadsheet->setEnabled(queued > 0);
    const bool rating = queued > 0 && isWired(&frmViewCalls::ratingRequested);
    btnRating->setEnabled(rating);
    mnuRating->setEnabled(rating);
    const bool track = queued > 0 && isWired(&frmViewCalls::trackRequested);
    btnTrack->setEnabled(track);
    mnuTrack->setEnabled(track);
    btnImport->setEnabled(isWired(&frmViewCalls::importRequested));
    mnuImport->setEnabled(isWired(&frmViewCalls::importRequested));
    mnuText->setEnabled(m_extras.text && isWired(&frmViewCalls::textAttachmentRequested));
    mnuPicture->setEnabled(m_extras.picture && isWired(&frmViewCalls::pictureAttachmentRequested));
    mnuAudio->setEnabled(m_extras.audio && isWired(&frmViewCalls::audioAttachmentRequested));
    mnuEditBookmarks->setEnabled(isWired(&frmViewCalls::bookmarkEditorRequested));
    mnuAllLines->setEnabled(queued > 0 && isWired(&frmViewCalls::allLinesRequested));
}

void frmViewCalls::refreshAttachments()
{
    // Only the attachments: whether the US map can be drawn was settled when the list was filled.
    const CongressExtras extras = FindCongressExtras(m_session);
    m_extras.text = extras.text;
    m_extras.audio = extras.audio;
    m_extras.picture = extras.picture;
    updateCommands();
}

QList<int> frmViewCalls::selectedRows() const
{
    QList<int> rows;
    const QList<QListWidgetItem *> items = lstRollCalls->selectedItems();
    for (const QListWidgetItem *item : items)
        rows.append(lstRollCalls->row(item) + 1);
    std::sort(rows.begin(), rows.end());
    return rows;
}

void frmViewCalls::addSelected()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty()) {
        m_services.beep();
        return;
    }
    // A full queue takes no more: the beep says that some were not added.
    if (m_session.queue.addRows(m_session.MatchTable, rows, m_session.smallScreen) < rows.size())
        m_services.beep();
    showRollCall();
    showQueue();
}

void frmViewCalls::addCurrent()
{
    const int row = lstRollCalls->currentRow();
    if (row < 0) {
        m_services.beep();
        return;
    }
    if (m_session.queue.addRows(m_session.MatchTable, {row + 1}, m_session.smallScreen) == 0)
        m_services.beep();
    showRollCall();
    showQueue();
}

void frmViewCalls::addAll()
{
    m_session.queue.addAll(m_session.MatchTable);
    lblRollCall->setText(kNone);
    lblDate->clear();
    showQueue();
    btnStart->setFocus();
}

void frmViewCalls::removeSelected()
{
    const int row = lstSelected->currentRow();
    if (row < 0 || !lstSelected->item(row)->isSelected())
        return;
    m_session.queue.remove(row + 1);
    showQueue();
    // The next entry takes the removed one's place, so Delete can be pressed again.
    if (lstSelected->count() > 0)
        lstSelected->setCurrentRow(std::min(row, lstSelected->count() - 1));
}

void frmViewCalls::clearQueue()
{
    m_session.queue.clear();
    showQueue();
}

void frmViewCalls::quickEntry()
{
    const std::optional<int> row = QuickEntryRow(mtxQuick->text(), m_session.rollCallCount, lstRollCalls->count());
    if (!row)
        return;
    lstRollCalls->setCurrentRow(*row - 1);
    lstRollCalls->scrollToItem(lstRollCalls->item(*row - 1));
    mtxQuick->setText(QString::number(*row));
}

void frmViewCalls::start()
{
    if (!m_session.queue.start()) {
        ReportError(m_services, this, QStringLiteral("You must select at least one roll call to view."));
        return;
    }
    if (mnuIdeological->isChecked())
        emit ideologicalRequested();
    else
        emit usMapRequested();
}

void frmViewCalls::crossTab()
{
    mnuCrossTab->setChecked(true);
    m_session.crossTabRequested = true;
    start();
}

void frmViewCalls::crossTabFromMenu()
{
    if (m_session.queue.crossTabAvailable()) {
        crossTab();
        return;
    }
    mnuCrossTab->setChecked(m_session.crossTabRequested);
    ReportError(m_services, this, QStringLiteral("You must have two roll calls in your selection queue to cross tab."));
}

void frmViewCalls::setDisplayChoice(bool ideological)
{
    (ideological ? mnuIdeological : mnuUS)->setChecked(true);
    btnMap->setText(ideological ? kIdeology : kUS);
}

void frmViewCalls::chooseDisplay(bool ideological)
{
    m_wantIdeological = ideological;
    updateCommands();
}

void frmViewCalls::chooseAmount(bool single)
{
    (single ? mnuSingle : mnuDouble)->setChecked(true);
    btnAmount->setText(single ? kSingle : kDouble);
}

void frmViewCalls::saveSpreadsheet()
{
    if (m_session.queue.length() == 0) {
        m_services.beep();
        return;
    }
    const QString file = m_services.saveFileName(this, QStringLiteral("Rollscan Spreadsheet Output"),
                                                 kSpreadsheetFilters, QStringLiteral("PRN"));
    if (file.isEmpty())
        return;
    if (!RunReportingErrors(m_services, this, [&] {
            const WaitGuard wait(m_services, kSavingText);
            // A ".csv" name asks for the analysis file; every other name gets the spreadsheet.
            if (IsTidyCsvName(file))
                WriteTidyCsv(m_session, file, WaitProgress(m_services, false));
            else
                WriteSpreadsheet(m_session, file, true, WaitProgress(m_services, true));
        }))
        return;
    ReportSaved(m_services, this, file);
}

void frmViewCalls::narrowByKeyword()
{
    if (!m_keyword.ask())
        return;
    const KeywordCriteria criteria = m_keyword.criteria();
    if (criteria.keyword1.isEmpty())
        return;

    if (!RunReportingErrors(m_services, this, [&] {
            const WaitGuard wait(m_services);
            NarrowByKeyword(m_session, criteria, WaitProgress(m_services, true));
            fillRollCalls();
            lblRollCall->setText(kNone);
            lblDate->clear();
            // Entries of roll calls that were dropped have left the queue; the rest follow their rows.
            showQueue();
        }))
        return;
    // The search was started from this list, so the refreshed list stays in front of the others.
    raise();
    activateWindow();
    btnStart->setFocus();
}

void frmViewCalls::saveBookmarks()
{
    if (m_session.queue.length() == 0) {
        m_services.beep();
        return;
    }
    if (!RunReportingErrors(m_services, this, [this] { EnsureUserFolder(m_session); }))
        return;
    const QString file = m_services.saveFileNameIn(this, QStringLiteral("Save Bookmarks"), kBookmarkFilters,
                                                   QStringLiteral("BMK"), {m_session.userDir, true});
    if (file.isEmpty())
        return;
    if (!RunReportingErrors(m_services, this, [&] { BookmarkFile::Append(file, BookmarkEntriesFromQueue(m_session)); }))
        return;
    ReportSaved(m_services, this, file);
}

frmQuickInfo *frmViewCalls::quickInfo() const
{
    return m_quickInfo;
}

void frmViewCalls::showQuickInfo()
{
    const int row = lstRollCalls->currentRow();
    if (row < 0) {
        m_services.beep();
        return;
    }
    Description description;
    if (!RunReportingErrors(m_services, this, [&] { description = ReadRowDescription(m_session, row + 1); }))
        return;
    if (!m_quickInfo)
        m_quickInfo = new frmQuickInfo(m_services, m_session.smallScreen, this);
    m_quickInfo->showDescription(description);
    m_quickInfo->show();
    m_quickInfo->raise();
    m_quickInfo->activateWindow();
}

bool frmViewCalls::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == lstRollCalls && key == Qt::Key_Space) {
        addCurrent();
        return true;
    }
    if (watched == lstSelected && (key == Qt::Key_Backspace || key == Qt::Key_Delete)) {
        removeSelected();
        return true;
    }
    if (watched == mtxQuick && (key == Qt::Key_Space || enter)) {
        if (!mtxQuick->text().isEmpty())
            quickEntry();
        return true;
    }
    if ((watched == lstRollCalls || watched == lstSelected) && enter) {
        if (btnStart->isEnabled())
            start();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace rollscan
