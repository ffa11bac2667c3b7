#include "gui/analysis/frmResults.h"

#include "core/ideology/ReportLine.h"
#include "core/report/CsvFile.h"
#include "gui/analysis/AnalysisOutput.h"
#include "gui/services/Services.h"
#include "gui/services/WaitProgress.h"
#include "gui/services/WindowTools.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace rollscan {

namespace {
QLabel *infoColumn(const char *name, const QString &text, Qt::Alignment alignment)
{
    auto *label = Named(new QLabel(text), name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}
} // namespace

frmResults::frmResults(const RatingRun &run, Services &services, const QString &dataRoot, QWidget *parent)
    : QDialog(parent), m_run(run), m_services(services), m_dataRoot(dataRoot)
{
    setObjectName(QStringLiteral("frmResults"));
    setWindowTitle(QStringLiteral("Rating Results"));
    setAttribute(Qt::WA_DeleteOnClose);

    fraResults = Named(new QGroupBox(QStringLiteral("Results")), "fraResults");
    lstResults = Named(new QListWidget, "lstResults");
    // The rows line their ratings up with blanks after the names.
    lstResults->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QStringList rows;
    rows.reserve(run.result.legislators.size());
    for (const LegislatorRating &r : run.result.legislators)
        rows.append(RatingResultRow(r));
    lstResults->addItems(rows);
    (new QVBoxLayout(fraResults))->addWidget(lstResults);

    const RatingInfoColumns info = RatingInfo(run.result);
    fraInfo = Named(new QGroupBox(QStringLiteral("Info")), "fraInfo");
    lblCaptions = infoColumn("lblCaptions", QStringLiteral("High:\nLow:\nAverage:"), Qt::AlignLeft);
    lblNames = infoColumn("lblNames", info.names, Qt::AlignLeft);
    lblCounts = infoColumn("lblCounts", info.counts, Qt::AlignRight);
    lblValues = infoColumn("lblValues", info.values, Qt::AlignRight);
    auto *panel = new QHBoxLayout(fraInfo);
    for (QLabel *l : {lblCaptions, lblNames, lblCounts, lblValues})
        panel->addWidget(l);
    panel->addStretch(1);

    btnSave = Named(new QPushButton(QStringLiteral("&Save")), "btnSave");
    btnPrint = Named(new QPushButton(QStringLiteral("&Print")), "btnPrint");
    btnOK = Named(new QPushButton(QStringLiteral("Done")), "btnOK");
    btnHelp = Named(new QPushButton(QStringLiteral("Help")), "btnHelp");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton *b : {btnSave, btnPrint, btnOK, btnHelp}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }

    auto *side = new QVBoxLayout;
    side->addWidget(fraInfo);
    side->addStretch(1);
    side->addLayout(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(fraResults, 1);
    layout->addLayout(side);

    connect(btnSave, &QPushButton::clicked, this, &frmResults::save);
    connect(btnPrint, &QPushButton::clicked, this, &frmResults::print);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::close);
    connect(btnHelp, &QPushButton::clicked, this, [this] { m_services.showHelp(this, QStringLiteral("frmResults")); });

    const int listWidth = lstResults->fontMetrics().horizontalAdvance(QString(26, QLatin1Char('M')));
    lstResults->setMinimumWidth(listWidth);
    resize(sizeHint().width(), 460);
    CentreOnScreen(this);
    lstResults->setFocus();
}

void frmResults::save()
{
    const QString file = m_services.saveFileName(this, QStringLiteral("Rollscan Disk Output"), AnalysisSaveFilters(),
                                                 QStringLiteral("TXT"));
    if (file.isEmpty())
        return;
    const bool saved = RunReportingErrors(m_services, this, [&] {
        if (IsCsvFileName(file))
            WriteCsvFile(file, RatingCsvRecords(m_run.result, MemberTables::Read(m_dataRoot)));
        else
            WriteReportFile(file, RatingReportLines(m_run.isHouse, m_run.congresses, m_run.settings, m_run.result));
    });
    if (saved)
        ReportSaved(m_services, this, file);
}

void frmResults::print()
{
    PrintAnalysisReport(m_services, this,
                        RatingReportLines(m_run.isHouse, m_run.congresses, m_run.settings, m_run.result),
                        int(m_run.congresses.size()));
}

} // namespace rollscan
