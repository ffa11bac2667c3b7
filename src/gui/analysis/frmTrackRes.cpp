#include "gui/analysis/frmTrackRes.h"

#include "core/ideology/ReportLine.h"
#include "core/report/CsvFile.h"
#include "gui/analysis/AnalysisOutput.h"
#include "gui/services/Services.h"
#include "gui/services/WaitProgress.h"
#include "gui/services/WindowTools.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace rollscan {

namespace {
constexpr int kSmallListWidth = 387;  // 5800 twips
constexpr int kSmallButtonWidth = 57; // 850 twips
} // namespace

frmTrackRes::frmTrackRes(const TrackRun &run, Services &services, const QString &dataRoot, bool smallScreen,
                         QWidget *parent)
    : QDialog(parent), m_run(run), m_services(services), m_dataRoot(dataRoot)
{
    setObjectName(QStringLiteral("frmTrackRes"));
    setWindowTitle(QStringLiteral("Legislator Track Results"));
    setAttribute(Qt::WA_DeleteOnClose);

    fraTrackRes = Named(new QGroupBox(QStringLiteral("Legislator Track Results")), "fraTrackRes");
    lstTrackRes = Named(new QListWidget, "lstTrackRes");
    lstTrackRes->setToolTip(
        QStringLiteral("This lists the votes of the selected legislator(s) on the list of selected roll calls."));
    lstTrackRes->addItems(run.result.rows);
    (new QVBoxLayout(fraTrackRes))->addWidget(lstTrackRes);
    FitListScroll(lstTrackRes);

    pnlTotals = Named(new QFrame, "pnlTotals");
    pnlTotals->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlTotals->setToolTip(QStringLiteral("This lists the number of yea, nay, and unavailable votes for the "
                                         "legislator(s) on the selected roll calls."));
    lblCaptions = Named(new QLabel(QStringLiteral("Yea:\nNay:\nn/a:")), "lblCaptions");
    lblNums = Named(new QLabel(run.result.totalsText()), "lblNums");
    lblNums->setAlignment(Qt::AlignRight | Qt::AlignTop);
    auto *totals = new QHBoxLayout(pnlTotals);
    totals->addWidget(lblCaptions);
    totals->addWidget(lblNums);

    btnPrint = Named(new QPushButton(QStringLiteral("&Print")), "btnPrint");
    btnSave = Named(new QPushButton(QStringLiteral("&Save")), "btnSave");
    btnDone = Named(new QPushButton(QStringLiteral("Done")), "btnDone");
    btnHelp = Named(new QPushButton(QStringLiteral("Help")), "btnHelp");
    auto *side = new QVBoxLayout;
    side->addWidget(pnlTotals);
    side->addStretch(1);
    for (QPushButton *b : {btnPrint, btnSave, btnDone, btnHelp}) {
        b->setAutoDefault(false);
        if (smallScreen)
            b->setFixedWidth(kSmallButtonWidth);
        side->addWidget(b);
    }
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(fraTrackRes, 1);
    layout->addLayout(side);

    connect(btnSave, &QPushButton::clicked, this, &frmTrackRes::save);
    connect(btnPrint, &QPushButton::clicked, this, &frmTrackRes::print);
    connect(btnDone, &QPushButton::clicked, this, &QDialog::close);
    connect(btnHelp, &QPushButton::clicked, this, [this] { m_services.showHelp(this, QStringLiteral("frmTrackRes")); });

    if (smallScreen)
        lstTrackRes->setFixedWidth(kSmallListWidth);
    else
        lstTrackRes->setMinimumWidth(lstTrackRes->fontMetrics().horizontalAdvance(QString(60, QLatin1Char('x'))));
    resize(sizeHint().width(), 460);
    CentreOnScreen(this);
    lstTrackRes->setFocus();
}

QStringList frmTrackRes::reportLines() const
{
    return TrackingReportLines(m_run.isHouse, m_run.congresses, m_run.table, m_run.picked, m_run.result);
}

void frmTrackRes::save()
{
    const QString file = m_services.saveFileName(this, QStringLiteral("Legislator Tracking Disk Output"),
                                                 AnalysisSaveFilters(), QStringLiteral("TXT"));
    if (file.isEmpty())
        return;
    const bool saved = RunReportingErrors(m_services, this, [&] {
        if (IsCsvFileName(file))
            WriteCsvFile(file, TrackingCsvRecords(m_run.table, m_run.result, MemberTables::Read(m_dataRoot)));
        else
            WriteReportFile(file, reportLines());
    });
    if (saved)
        ReportSaved(m_services, this, file);
}

void frmTrackRes::print()
{
    PrintAnalysisReport(m_services, this, reportLines(), int(m_run.congresses.size()));
}

} // namespace rollscan
