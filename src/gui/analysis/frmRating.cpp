#include "gui/analysis/frmRating.h"

#include "core/app/Session.h"
#include "gui/services/Services.h"
#include "gui/services/WaitGuard.h"
#include "gui/services/WaitProgress.h"
#include "gui/services/WindowTools.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace rollscan {

namespace {
const QString kAllNay = QStringLiteral("&All Nay");
const QString kAllYea = QStringLiteral("&All Yea");

VoteSide flipped(VoteSide side)
{
    return side == VoteSide::Yea ? VoteSide::Nay : VoteSide::Yea;
}
} // namespace

frmRating::frmRating(Session &session, Services &services, QWidget *parent)
    : QDialog(parent), m_session(session), m_services(services)
{
    setObjectName(QStringLiteral("frmRating"));
    setWindowTitle(QStringLiteral("Roll Call Ratings"));
    setAttribute(Qt::WA_DeleteOnClose);

    for (const QueuedRollCall &entry : QueueOf(session))
        m_settings.append({entry, VoteSide::Yea});

    fraRating = Named(new QGroupBox(QStringLiteral("Select votes to compile rating:")), "fraRating");
    lstRating = Named(new QListWidget, "lstRating");
    lstRating->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstRating->setToolTip(QStringLiteral(
        "This lists the selected roll calls, with the current 'positive' vote setting to the left of each roll "
        "call. Double-click to toggle (reverse) the setting on each roll call."));
    auto *frame = new QVBoxLayout(fraRating);
    frame->addWidget(lstRating);

    btnToggle = Named(new QPushButton(QStringLiteral("&Toggle")), "btnToggle");
    btnToggle->setToolTip(QStringLiteral("This button toggles (reverses) the positive vote for the currently selected "
                                         "roll call. Double-clicking on a roll call accomplishes the same thing."));
    btnReverse = Named(new QPushButton(QStringLiteral("&Reverse")), "btnReverse");
    btnReverse->setToolTip(QStringLiteral("This button reverses the positive vote settings for all roll calls."));
    btnSetAll = Named(new QPushButton(kAllNay), "btnSetAll");
    btnSetAll->setToolTip(QStringLiteral(
        "This button changes the positive vote setting for all roll calls, irrespective of the previous setting."));
    btnOK = Named(new QPushButton(QStringLiteral("Start")), "btnOK");
    btnOK->setToolTip(
        QStringLiteral("Click on this button to calculate legislator ratings based on your desired settings."));
    btnCancel = Named(new QPushButton(QStringLiteral("Done")), "btnCancel");
    btnHelp = Named(new QPushButton(QStringLiteral("Help")), "btnHelp");
    // Enter starts the rating wherever the focus is; the other buttons have their access keys.
    for (QPushButton *b : {btnToggle, btnReverse, btnSetAll, btnOK, btnCancel, btnHelp})
        b->setAutoDefault(false);
    btnOK->setDefault(true);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {btnToggle, btnReverse, btnSetAll})
        buttons->addWidget(b);
    buttons->addStretch(1);
    for (QPushButton *b : {btnOK, btnCancel, btnHelp})
        buttons->addWidget(b);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(fraRating, 1);
    layout->addLayout(buttons);

    connect(btnToggle, &QPushButton::clicked, this, &frmRating::toggleSelected);
    connect(lstRating, &QListWidget::itemDoubleClicked, this, &frmRating::toggleSelected);
    connect(btnReverse, &QPushButton::clicked, this, &frmRating::reverseAll);
    connect(btnSetAll, &QPushButton::clicked, this, &frmRating::setAll);
    connect(btnOK, &QPushButton::clicked, this, &frmRating::start);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::close);
    connect(btnHelp, &QPushButton::clicked, this, [this] { m_services.showHelp(this, QStringLiteral("frmRating")); });

    showRows();
    // Wide enough for the longest description, within the screen; narrower on a small screen.
    const QRect screen = (this->screen() ? this->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const int wanted = m_session.smallScreen ? 480 : 720;
    resize(std::min(wanted, screen.width()), std::min(420, screen.height()));
    CentreOnScreen(this);
    lstRating->setFocus();
    if (lstRating->count() > 0)
        lstRating->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

void frmRating::showRows()
{
    const int current = lstRating->currentRow();
    QList<int> selected;
    for (int i = 0; i < lstRating->count(); ++i)
        if (lstRating->item(i)->isSelected())
            selected.append(i);
    lstRating->clear();
    for (const RatingSetting &s : m_settings)
        lstRating->addItem(RatingRowText(s));
    for (int i : selected)
        lstRating->item(i)->setSelected(true);
    if (current >= 0)
        lstRating->setCurrentRow(current, QItemSelectionModel::NoUpdate);
    FitListScroll(lstRating);
}

void frmRating::toggleSelected()
{
    for (int i = 0; i < lstRating->count(); ++i)
        if (lstRating->item(i)->isSelected())
            m_settings[i].positive = flipped(m_settings[i].positive);
    showRows();
}

void frmRating::reverseAll()
{
    for (RatingSetting &s : m_settings)
        s.positive = flipped(s.positive);
    showRows();
}

void frmRating::setAll()
{
    const bool toNay = btnSetAll->text() == kAllNay;
    for (RatingSetting &s : m_settings)
        s.positive = toNay ? VoteSide::Nay : VoteSide::Yea;
    btnSetAll->setText(toNay ? kAllYea : kAllNay);
    showRows();
}

bool frmRating::start()
{
    RatingRun run;
    run.isHouse = m_session.isHouse;
    run.congresses = m_session.selectedCongresses;
    run.settings = m_settings;
    const bool done = RunReportingErrors(m_services, this, [&] {
        const int total = TotalLegislators(m_session.dataRoot, run.isHouse, run.congresses);
        const WaitGuard wait(m_services, kCalculatingText + EstimatedTimeText(total, int(run.settings.size())));
        run.result = ComputeRatings(m_session.dataRoot, run.isHouse, run.congresses, run.settings,
                                    m_session.newDataFormat, WaitProgress(m_services, true));
    });
    if (done)
        emit ratingsComputed(run);
    return done;
}

} // namespace rollscan
