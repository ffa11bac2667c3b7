#include "gui/analysis/frmTrack.h"

#include "core/app/Session.h"
#include "gui/services/Services.h"
#include "gui/services/WaitGuard.h"
#include "gui/services/WaitProgress.h"
#include "gui/services/WindowTools.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace rollscan {

frmTrack::frmTrack(Session &session, Services &services, QWidget *parent)
    : QDialog(parent), m_session(session), m_services(services)
{
    setObjectName(QStringLiteral("frmTrack"));
    setWindowTitle(QStringLiteral("Legislator Tracking"));
    setAttribute(Qt::WA_DeleteOnClose);

    fraTrack = Named(new QGroupBox(QStringLiteral("Choose legislator(s) to track:")), "fraTrack");
    lstTrack = Named(new QListWidget, "lstTrack");
    lstTrack->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Names are padded with blanks before the state; a fixed-pitch face keeps the states in a column.
    lstTrack->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    lstTrack->setToolTip(QStringLiteral("This lists all legislators in the selected Congress(es). Select the ones you "
                                        "want to track, then click OK."));
    (new QVBoxLayout(fraTrack))->addWidget(lstTrack);

    btnStart = Named(new QPushButton(QStringLiteral("Start")), "btnStart");
    btnStart->setToolTip(QStringLiteral(
        "Click on this button to track the votes of the selected legislator(s) on the selected roll calls."));
    btnStart->setEnabled(false);
    btnCancel = Named(new QPushButton(QStringLiteral("Done")), "btnCancel");
    btnHelp = Named(new QPushButton(QStringLiteral("Help")), "btnHelp");
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {btnStart, btnCancel, btnHelp}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    // Enter tracks the selection.
    btnStart->setDefault(true);
    buttons->addStretch(1);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(fraTrack, 1);
    layout->addLayout(buttons);

    // Start needs a pick: tracking nobody would only show an empty list.
    connect(lstTrack, &QListWidget::itemSelectionChanged, this,
            [this] { btnStart->setEnabled(!lstTrack->selectedItems().isEmpty()); });
    connect(btnStart, &QPushButton::clicked, this, &frmTrack::start);
    connect(lstTrack, &QListWidget::itemDoubleClicked, this, &frmTrack::start);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::close);
    connect(btnHelp, &QPushButton::clicked, this, [this] { m_services.showHelp(this, QStringLiteral("frmTrack")); });

    // Room for a 14-character name, the state and a long party name without scrolling.
    lstTrack->setMinimumWidth(lstTrack->fontMetrics().horizontalAdvance(QString(48, QLatin1Char('M'))));
    resize(sizeHint().width(), 460);
    CentreOnScreen(this);
    lstTrack->setFocus();
}

bool frmTrack::load()
{
    return RunReportingErrors(m_services, this, [&] {
        const WaitGuard wait(m_services);
        m_table = BuildTrackTable(m_session.dataRoot, m_session.isHouse, m_session.selectedCongresses,
                                  m_session.newDataFormat);
        QStringList rows;
        rows.reserve(m_table.size());
        for (const TrackEntry &entry : m_table)
            rows.append(TrackListRow(entry));
        lstTrack->clear();
        lstTrack->addItems(rows);
    });
}

bool frmTrack::start()
{
    TrackRun run;
    run.isHouse = m_session.isHouse;
    run.congresses = m_session.selectedCongresses;
    run.table = m_table;
    for (int k = 0; k < lstTrack->count(); ++k)
        if (lstTrack->item(k)->isSelected())
            run.picked.append(k);
    if (run.picked.isEmpty())
        return true;
    const bool done = RunReportingErrors(m_services, this, [&] {
        const WaitGuard wait(m_services);
        run.result = ComputeTracking(m_session.dataRoot, run.isHouse, run.table, run.picked, QueueOf(m_session));
    });
    if (done)
        emit trackingComputed(run);
    return done;
}

} // namespace rollscan
