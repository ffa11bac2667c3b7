#include "gui/ideology/frmCrossTab.h"

#include "core/app/Session.h"
#include "core/data/FileError.h"
#include "core/ideology/VoteStatistics.h"
#include "gui/app/PaletteColour.h"
#include "gui/services/Services.h"
#include "gui/services/WaitProgress.h"
#include "gui/services/WindowTools.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

namespace rollscan {

namespace {
QLabel *cell(const char *name)
{
    auto *label = Named(new QLabel, name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    label->setLineWidth(2);
    label->setAutoFillBackground(true);
    label->setMinimumSize(150, 48);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// The captions the four cells show before a party is chosen.
const QString kEmptyCells[] = {QStringLiteral("Yea-Yea:"), QStringLiteral("Nay-Yea:"), QStringLiteral("Yea-Nay:"),
                               QStringLiteral("Nay-Nay:")};
} // namespace

frmCrossTab::frmCrossTab(Session &session, Services &services, QWidget *parent)
    : QDialog(parent), m_session(session), m_services(services)
{
    setObjectName(QStringLiteral("frmCrossTab"));
    setWindowTitle(QStringLiteral("View Cross Tab"));
    setAttribute(Qt::WA_DeleteOnClose);

    fraParty = Named(new QGroupBox(QStringLiteral("Choose Party")), "fraParty");
    lstParty = Named(new QListWidget, "lstParty");
    lstParty->setToolTip(QStringLiteral("Click on party names to view cross-tab statistics by party."));
    lstParty->setMinimumWidth(180);
    auto *partyLayout = new QVBoxLayout(fraParty);
    partyLayout->addWidget(lstParty);

    pnlYea1 = cell("pnlYea1");
    pnlNay1 = cell("pnlNay1");
    pnlYea2 = cell("pnlYea2");
    pnlNay2 = cell("pnlNay2");
    QLabel *cells[] = {pnlYea1, pnlNay1, pnlYea2, pnlNay2};
    for (int i = 0; i < 4; ++i)
        cells[i]->setText(kEmptyCells[i]);
    // Rows: this roll call's vote; columns: the other roll call's vote.
    auto *table = new QGridLayout;
    table->addWidget(pnlYea1, 0, 0);
    table->addWidget(pnlYea2, 0, 1);
    table->addWidget(pnlNay1, 1, 0);
    table->addWidget(pnlNay2, 1, 1);

    pnlCrossTab = Named(new QFrame, "pnlCrossTab");
    pnlCrossTab->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlCrossTab->setToolTip(QStringLiteral("This displays the chi-square and Yule's Q for the selected party."));
    lblStats = Named(new QLabel, "lblStats");
    lblStats->setTextFormat(Qt::PlainText);
    lblStats->setAlignment(Qt::AlignCenter);
    lblStats->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblStats->setMinimumHeight(lblStats->fontMetrics().height() + 8);
    auto *statsLayout = new QHBoxLayout(pnlCrossTab);
    statsLayout->addWidget(lblStats);

    btnOK = Named(new QPushButton(QStringLiteral("Done")), "btnOK");
    btnOK->setDefault(true);
    btnHelp = Named(new QPushButton(QStringLiteral("Help")), "btnHelp");
    btnHelp->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnHelp);

    auto *right = new QVBoxLayout;
    right->addLayout(table, 1);
    right->addWidget(pnlCrossTab);
    auto *body = new QHBoxLayout;
    body->addWidget(fraParty);
    body->addLayout(right, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    // Arrow keys move through the parties as well as clicks do.
    connect(lstParty, &QListWidget::currentRowChanged, this, &frmCrossTab::showParty);
    connect(btnOK, &QPushButton::clicked, this, &frmCrossTab::reject);
    connect(btnHelp, &QPushButton::clicked, this, [this] { m_services.showHelp(this, QStringLiteral("frmCrossTab")); });

    colourPanels();
    adjustSize();
    CentreOnScreen(this);
}

bool frmCrossTab::fill(const DrawingPass &pass)
{
    PartyTable table;
    // An empty party table would leave the list blank with no word of why: name the file instead.
    if (!RunReportingErrors(m_services, this, [&] {
            const QString partyPath = m_session.mainFileName(QStringLiteral("party.dat"));
            table = PartyTable::Read(partyPath);
            RequirePartiesListed(table, partyPath, pass.legislators,
                                 m_session.congressFileName(pass.congress, QStringLiteral(".lcr")));
        })) {
        fill(pass, {});
        return false;
    }
    fill(pass, table.records);
    return true;
}

void frmCrossTab::fill(const DrawingPass &pass, const QList<PartyRecord> &parties)
{
    m_table = pass.LegislatorVoteTable;
    m_parties = CrossTabParties(pass.legislators, parties);
    const QSignalBlocker quiet(lstParty);
    lstParty->clear();
    for (const PartyRecord &party : m_parties)
        lstParty->addItem(party.name);
    lstParty->setCurrentRow(-1);
    showParty(-1);
}

void frmCrossTab::refresh(const DrawingPass &pass)
{
    const int row = lstParty->currentRow();
    const std::optional<int> chosen =
        row >= 0 && row < m_parties.size() ? std::optional<int>(m_parties.at(row).code) : std::nullopt;
    if (!fill(pass) || !chosen)
        return;
    for (int i = 0; i < m_parties.size(); ++i)
        if (m_parties.at(i).code == *chosen)
            lstParty->setCurrentRow(i);
}

void frmCrossTab::colourPanels()
{
    const Preferences &prefs = m_session.Preferences;
    const QColor background = PaletteColour(prefs.backgroundColour());
    const std::pair<QLabel *, int> colours[] = {{pnlYea1, prefs.yeaColour()},
                                                {pnlNay1, prefs.nayYeaColour()},
                                                {pnlYea2, prefs.yeaNayColour()},
                                                {pnlNay2, prefs.nayColour()}};
    for (const auto &[label, colour] : colours) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, PaletteColour(colour));
        // The map's own background, against which the user chose the vote colours.
        palette.setColor(QPalette::Window, background);
        label->setPalette(palette);
    }
}

void frmCrossTab::showParty(int row)
{
    if (row < 0 || row >= m_parties.size()) {
        QLabel *cells[] = {pnlYea1, pnlNay1, pnlYea2, pnlNay2};
        for (int i = 0; i < 4; ++i)
            cells[i]->setText(kEmptyCells[i]);
        lblStats->clear();
        return;
    }
    const CrossTabCounts counts = CountCrossTab(m_table, m_parties.at(row).code);
    const CrossTabPanels panels = BuildCrossTabPanels(counts);
    pnlYea1->setText(panels.pnlYea1);
    pnlNay1->setText(panels.pnlNay1);
    pnlYea2->setText(panels.pnlYea2);
    pnlNay2->setText(panels.pnlNay2);
    lblStats->setText(CrossTabStatsText(counts));
}

} // namespace rollscan
