#include "gui/app/frmVoteStartup.h"

#include "core/app/CongressList.h"
#include "core/app/Session.h"
#include "core/data/FileError.h"
#include "gui/app/ProgramInfo.h"
#include "gui/app/frmNewAbout.h"
#include "gui/services/Services.h"
#include "gui/services/WaitProgress.h"
#include "gui/services/WindowTools.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>

#include <cmath>

namespace rollscan {

namespace {

constexpr int kSmallScreenWidth = 800;
constexpr QSize kWindowSize(640, 460);
constexpr QSize kFlagSize(190, 100);

// A raised grey panel with dark blue text, the look of the window's captions.
void MakePanel(QFrame *panel)
{
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    panel->setPalette(palette);
}

QAction *Separator(QMenu *menu, const char *name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    return separator;
}

// A five-pointed star centred on `centre`.
QPolygonF Star(QPointF centre, qreal outer)
{
    const qreal inner = outer * 0.382;
    QPolygonF star;
    for (int k = 0; k < 10; ++k) {
        const qreal angle = -M_PI / 2 + k * M_PI / 5;
        const qreal r = (k % 2 == 0) ? outer : inner;
        star << QPointF(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
    }
    return star;
}

} // namespace

frmVoteStartup::frmVoteStartup(Session &session, Services &services, QWidget *parent)
    : QMainWindow(parent), m_session(session), m_services(services)
{
    setObjectName(QStringLiteral("frmVoteStartup"));
    setWindowTitle(kProgramTitle);
    buildPanels();
    buildMenus();
    resize(kWindowSize);
}

void frmVoteStartup::buildPanels()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    // Keys pressed anywhere on the window start a search, so the window itself takes the focus.
    central->setFocusPolicy(Qt::StrongFocus);
    setCentralWidget(central);

    pnlVoteTitle = new QLabel(kProgramTitle, central);
    pnlVoteTitle->setObjectName(QStringLiteral("pnlVoteTitle"));
    MakePanel(pnlVoteTitle);
    QFont titleFont = ScreenFont({"Times New Roman", "Liberation Serif", "DejaVu Serif"}, 26, QFont::Serif);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    pnlVoteTitle->setFont(titleFont);
    pnlVoteTitle->setAlignment(Qt::AlignCenter);
    pnlVoteTitle->setMargin(10);

    SSPanel1 = new QLabel(QStringLiteral("Roll Call Displays of the U.S. Congress, 1789-2000"), central);
    SSPanel1->setObjectName(QStringLiteral("SSPanel1"));
    MakePanel(SSPanel1);
    QFont subtitleFont = ScreenFont({"Arial", "Liberation Sans", "DejaVu Sans"}, 13);
    subtitleFont.setBold(true);
    SSPanel1->setFont(subtitleFont);
    SSPanel1->setAlignment(Qt::AlignCenter);
    SSPanel1->setMargin(6);

    SSPanel3 = new QFrame(central);
    SSPanel3->setObjectName(QStringLiteral("SSPanel3"));
    MakePanel(SSPanel3);

    imgFlag = new QLabel(SSPanel3);
    imgFlag->setObjectName(QStringLiteral("imgFlag"));
    imgFlag->setPixmap(FlagPicture(kFlagSize, devicePixelRatioF()));
    imgFlag->setFixedSize(kFlagSize);
    imgFlag->installEventFilter(this);

    const QStringList credits = {
        QStringLiteral("Rollscan"),
        QStringLiteral("Roll-call data: public records of the U.S. Congress"),
        QStringLiteral("Member positions: as stored with each congress's data"),
        QStringLiteral("Maps: public boundary files of districts and states"),
    };
    QLabel **labels[] = {&lblCredit1, &lblCredit2, &lblCredit3, &lblCredit4};
    auto *creditLayout = new QVBoxLayout;
    creditLayout->setSpacing(4);
    for (int i = 0; i < 4; ++i) {
        QLabel *label = new QLabel(credits.at(i), SSPanel3);
        label->setObjectName(QStringLiteral("lblCredit%1").arg(i + 1));
        label->setFont(ScreenFont({"Arial", "Liberation Sans", "DejaVu Sans"}, i == 0 ? 12 : 9));
        if (i == 0) {
            QFont f = label->font();
            f.setBold(true);
            label->setFont(f);
        }
        label->setWordWrap(true);
        creditLayout->addWidget(label);
        *labels[i] = label;
    }
    creditLayout->addStretch(1);

    auto *panel3Layout = new QHBoxLayout(SSPanel3);
    panel3Layout->setContentsMargins(12, 12, 12, 12);
    panel3Layout->setSpacing(14);
    panel3Layout->addWidget(imgFlag, 0, Qt::AlignTop);
    panel3Layout->addLayout(creditLayout, 1);

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(28, 24, 28, 24);
    layout->setSpacing(16);
    layout->addWidget(pnlVoteTitle);
    layout->addWidget(SSPanel1);
    layout->addStretch(1);
    layout->addWidget(SSPanel3);
    layout->addStretch(1);
}

void frmVoteStartup::buildMenus()
{
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuSearch = MenuEntry(mnuFile, "mnuSearch", QStringLiteral("Begin &Search"), QKeySequence(Qt::CTRL | Qt::Key_S));
    s1 = Separator(mnuFile, "s1");
    mnuEditPrefs =
        MenuEntry(mnuFile, "mnuEditPrefs", QStringLiteral("&Edit Preferences..."), QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuEditBookmarks = MenuEntry(mnuFile, "mnuEditBookmarks", QStringLiteral("Edit &Bookmarks..."),
                                 QKeySequence(Qt::CTRL | Qt::Key_B));
    mnuFileSep = Separator(mnuFile, "mnuFileSep");
    mnuUpdate = MenuEntry(mnuFile, "mnuUpdate", QStringLiteral("&Update Rollscan"));
    s4 = Separator(mnuFile, "s4");
    mnuNewData = MenuEntry(mnuFile, "mnuNewData", QStringLiteral("Use new Rollscan data"));
    mnuNewData->setCheckable(true);
    mnuNewData->setChecked(true);
    s5 = Separator(mnuFile, "s5");
    mnuExit = MenuEntry(mnuFile, "mnuExit", QStringLiteral("E&xit"));

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuVoteHelp = MenuEntry(mnuHelp, "mnuVoteHelp", QStringLiteral("&Help"));
    s2 = Separator(mnuHelp, "s2");
    mnuRollscanWeb = MenuEntry(mnuHelp, "mnuRollscanWeb", QStringLiteral("&Marrowick Rollscan Web Site"));
    mnuKestrelbyWeb = MenuEntry(mnuHelp, "mnuKestrelbyWeb", QStringLiteral("&Kestrelby Rollscan Web Site"));
    mnuEmailRollscanList = MenuEntry(mnuHelp, "mnuEmailRollscanList", QStringLiteral("&Email Rollscan Mailing List"));
    mnuEmailRollscanList->setEnabled(false);
    s3 = Separator(mnuHelp, "s3");
    mnuAbout = MenuEntry(mnuHelp, "mnuAbout", QStringLiteral("&About..."));

    mnuDevelopment = menuBar()->addMenu(QStringLiteral("&Development"));
    mnuDevelopment->setObjectName(QStringLiteral("mnuDevelopment"));
    mnuListTokens = MenuEntry(mnuDevelopment, "mnuListTokens", QStringLiteral("List Tokens"));
    mnuMatches = MenuEntry(mnuDevelopment, "mnuMatches", QStringLiteral("Check Vote Matches"));
    mnuSenMatches = MenuEntry(mnuDevelopment, "mnuSenMatches", QStringLiteral("Check Senate Matches"));
    // These three are placeholders of the data preparers and do nothing.
    mnuPartyTest = MenuEntry(mnuDevelopment, "mnuPartyTest", QStringLiteral("Party Test"));
    mnuTokenTest = MenuEntry(mnuDevelopment, "mnuTokenTest", QStringLiteral("Token Test"));
    mnuCode = MenuEntry(mnuDevelopment, "mnuCode", QStringLiteral("Code Test"));

    connect(mnuSearch, &QAction::triggered, this, &frmVoteStartup::searchRequested);
    connect(mnuEditPrefs, &QAction::triggered, this, &frmVoteStartup::preferencesRequested);
    connect(mnuEditBookmarks, &QAction::triggered, this, &frmVoteStartup::bookmarkEditorRequested);
    connect(mnuUpdate, &QAction::triggered, this, &frmVoteStartup::updateRequested);
    connect(mnuListTokens, &QAction::triggered, this, &frmVoteStartup::tokenListRequested);
    connect(mnuMatches, &QAction::triggered, this, &frmVoteStartup::voteMatchCheckRequested);
    connect(mnuSenMatches, &QAction::triggered, this, &frmVoteStartup::senateMatchCheckRequested);
    updateCommands();

    connect(mnuExit, &QAction::triggered, this, [this] {
        if (ConfirmQuit(m_services, this)) {
            m_quitConfirmed = true;
            emit endProgram();
        }
    });
    connect(mnuVoteHelp, &QAction::triggered, this, [this] { m_services.showHelp(this, HelpTopic()); });
    connect(mnuRollscanWeb, &QAction::triggered, this, [this] { openAddress(kRollscanWebSite); });
    connect(mnuKestrelbyWeb, &QAction::triggered, this, [this] { openAddress(kKestrelbyWebSite); });
    connect(mnuEmailRollscanList, &QAction::triggered, this, [this] { openAddress(kMailingListAddress); });
    connect(mnuAbout, &QAction::triggered, this, &frmVoteStartup::showAbout);
}

void frmVoteStartup::updateCommands()
{
    mnuSearch->setEnabled(isWired(&frmVoteStartup::searchRequested));
    mnuEditPrefs->setEnabled(isWired(&frmVoteStartup::preferencesRequested));
    mnuEditBookmarks->setEnabled(isWired(&frmVoteStartup::bookmarkEditorRequested));
    mnuUpdate->setEnabled(isWired(&frmVoteStartup::updateRequested));
    mnuListTokens->setEnabled(isWired(&frmVoteStartup::tokenListRequested));
    mnuMatches->setEnabled(isWired(&frmVoteStartup::voteMatchCheckRequested));
    mnuSenMatches->setEnabled(isWired(&frmVoteStartup::senateMatchCheckRequested));
}

void frmVoteStartup::beginSearch()
{
    if (mnuSearch->isEnabled())
        mnuSearch->trigger();
}

void frmVoteStartup::openAddress(const QString &address)
{
    if (!m_services.openAddress(address))
        ReportError(m_services, this, QStringLiteral("Rollscan could not open ") + address + QLatin1Char('.'));
}

void frmVoteStartup::showAbout()
{
    frmNewAbout about(m_services, this, m_session.dataRoot);
    about.exec();
}

void frmVoteStartup::showDevelopmentMenu(bool shown)
{
    mnuDevelopment->menuAction()->setVisible(shown);
}

bool frmVoteStartup::IsSmallScreen(int availableWidth)
{
    return availableWidth < kSmallScreenWidth;
}

void frmVoteStartup::CheckScreenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    // Only ever set: a wide screen leaves whatever the session already holds.
    if (screen && IsSmallScreen(screen->availableGeometry().width()))
        m_session.smallScreen = true;
}

bool frmVoteStartup::startUp()
{
    CheckScreenSize();
    if (m_session.smallScreen) {
        // The compact form: a smaller title so that the caption still fits on one line.
        QFont font = pnlVoteTitle->font();
        font.setPointSize(18);
        pnlVoteTitle->setFont(font);
    }

    // On a small screen the window shrinks to fit (leaving room for its frame) before it is centred.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        resize(size().boundedTo(screen->availableGeometry().size() - QSize(16, 48)));
    CentreOnScreen(this);
    show();
    pnlVoteTitle->setText(VersionedTitle(kProgramTitle, kVersionMajor, kVersionMinor, kVersionPatch));

    if (!loadTree())
        return false;
    m_session.newDataFormat = mnuNewData->isChecked();
    mnuDevelopment->menuAction()->setVisible(false);
    centralWidget()->setFocus();
    return true;
}

bool frmVoteStartup::loadTree()
{
    const QString preferences = m_session.preferencesPath();
    if (!QFileInfo::exists(preferences)) {
        ReportError(m_services, this,
                    QStringLiteral("The 'rollscan.prf' file is not in the Rollscan program directory. Place it there. "
                                   "Current directory: ") +
                        QDir::toNativeSeparators(QDir(m_session.dataRoot).absolutePath()));
        return false;
    }
    if (!RunReportingErrors(m_services, this, [&] { m_session.Preferences = Preferences::Read(preferences); }))
        return false;

    // Folder names are taken as they stand now, whatever their letter case.
    m_session.setDataRoot(m_session.dataRoot);
    m_session.findCongresses();
    SSPanel1->setText(CongressSpanCaption(m_session.houseList, m_session.senateList));
    if (m_session.houseCount() == 0)
        ReportError(m_services, this,
                    QStringLiteral("There are no Houses currently present in the HOUSE subdirectory. You will not be "
                                   "able to search through them."));
    if (m_session.senateCount() == 0)
        ReportError(m_services, this,
                    QStringLiteral("There are no Senates currently present in the SENATE subdirectory. You will not be "
                                   "able to search through them."));
    return true;
}

QPixmap frmVoteStartup::FlagPicture(const QSize &size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    const QColor red(178, 34, 52), white(255, 255, 255), blue(60, 59, 110);

    // Thirteen stripes, red at top and bottom.
    const qreal stripe = h / 13.0;
    for (int i = 0; i < 13; ++i)
        p.fillRect(QRectF(0, i * stripe, w, stripe + 0.5), i % 2 == 0 ? red : white);

    // The canton over seven stripes, two fifths of the width, with rows of six and five stars.
    const qreal cantonW = w * 0.4, cantonH = stripe * 7;
    p.fillRect(QRectF(0, 0, cantonW, cantonH), blue);
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    const qreal dx = cantonW / 12.0, dy = cantonH / 10.0;
    const qreal radius = std::min(dx, dy) * 0.8;
    for (int row = 0; row < 9; ++row) {
        const bool longRow = row % 2 == 0;
        for (int col = 0; col < (longRow ? 6 : 5); ++col) {
            const qreal x = dx * (longRow ? 1 + 2 * col : 2 + 2 * col);
            p.drawPolygon(Star(QPointF(x, dy * (row + 1)), radius));
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    return pixmap;
}

void frmVoteStartup::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect area = centralWidget() ? centralWidget()->geometry() : rect();
    PaintBlueGradient(painter, area);
    QMainWindow::paintEvent(event);
}

void frmVoteStartup::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        beginSearch();
        event->accept();
        return;
    }
    QMainWindow::mouseDoubleClickEvent(event);
}

void frmVoteStartup::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    // A modifier alone is the start of a shortcut or of menu navigation, not a request to search.
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        QMainWindow::keyPressEvent(event);
        return;
    default:
        break;
    }
    beginSearch();
    event->accept();
}

bool frmVoteStartup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == imgFlag && event->type() == QEvent::MouseButtonDblClick) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            beginSearch();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmVoteStartup::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program, so it asks first, as Exit does; once confirmed the
    // program's own closing of its windows does not ask again.
    if (!m_quitConfirmed && !ConfirmQuit(m_services, this)) {
        event->ignore();
        return;
    }
    m_quitConfirmed = true;
    event->accept();
    emit endProgram();
}

} // namespace rollscan
