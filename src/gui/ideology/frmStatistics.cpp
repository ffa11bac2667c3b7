#include "gui/ideology/frmStatistics.h"

#include "core/app/Session.h"
#include "core/data/FileError.h"
#include "core/ideology/DrawingPass.h"
#include "core/ideology/IdeologyTexts.h"
#include "core/ideology/RollCallInfo.h"
#include "gui/services/ReportPrinter.h"
#include "gui/services/Services.h"
#include "gui/services/WaitGuard.h"
#include "gui/services/WaitProgress.h"
#include "gui/services/WindowTools.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace rollscan {

namespace {
QLabel *panel(const char *name, Qt::Alignment alignment)
{
    auto *label = Named(new QLabel, name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMargin(3);
    return label;
}

QLabel *columnHead(const QString &text, const char *name, Qt::Alignment alignment)
{
    auto *label = Named(new QLabel(text), name);
    label->setAlignment(alignment | Qt::AlignBottom);
    return label;
}

constexpr int kSmallWindowWidth = 513; // 7700 twips
} // namespace

frmStatistics::frmStatistics(Session &session, Services &services, QWidget *parent)
    : QDialog(parent), m_session(session), m_services(services)
{
    setObjectName(QStringLiteral("frmStatistics"));
    setWindowTitle(QStringLiteral("Roll Call Statistics"));
    setAttribute(Qt::WA_DeleteOnClose);

    tbrStatistics = Named(new QToolBar, "tbrStatistics");
    tbrStatistics->setToolButtonStyle(Qt::ToolButtonTextOnly);
    actSave = ToolEntry(tbrStatistics, QStringLiteral("Save"), "actSave", QKeySequence::Save);
    actPrint = ToolEntry(tbrStatistics, QStringLiteral("Print"), "actPrint", QKeySequence::Print);
    actHelp = ToolEntry(tbrStatistics, QStringLiteral("Help"), "actHelp", QKeySequence::HelpContents);
    actDone = ToolEntry(tbrStatistics, QStringLiteral("Done"), "actDone", QKeySequence());

    fraVotes = Named(new QGroupBox(QStringLiteral("Roll Call Votes")), "fraVotes");
    QStringList captions;
    for (int code = 0; code < 10; ++code)
        captions << StatisticsScreenCaption(code);
    lblRollCallCaptions = Named(new QLabel(captions.join(QLatin1Char('\n'))), "lblRollCallCaptions");
    lblRollCallCaptions->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The panel's frame would set its lines off against the captions' lines.
    lblRollCallCaptions->setMargin(3);
    lblRollCallCaptions->setFrameStyle(QFrame::Panel | QFrame::Plain);
    lblRollCallCaptions->setLineWidth(0);
    pnlBreakdown = panel("pnlBreakdown", Qt::AlignRight);
    auto *votes = new QHBoxLayout(fraVotes);
    votes->addWidget(lblRollCallCaptions, 0, Qt::AlignTop);
    votes->addWidget(pnlBreakdown, 1, Qt::AlignTop);

    fraParty = Named(new QGroupBox(QStringLiteral("Party Breakdown")), "fraParty");
    lblNum = columnHead(QStringLiteral("Members"), "lblNum", Qt::AlignRight);
    lblParty = columnHead(QStringLiteral("Party"), "lblParty", Qt::AlignLeft);
    lblYea = columnHead(QStringLiteral("Yea"), "lblYea", Qt::AlignRight);
    lblNay = columnHead(QStringLiteral("Nay"), "lblNay", Qt::AlignRight);
    pnlNum = panel("pnlNum", Qt::AlignRight);
    pnlParty = panel("pnlParty", Qt::AlignLeft);
    pnlYea = panel("pnlYea", Qt::AlignRight);
    pnlNay = panel("pnlNay", Qt::AlignRight);
    auto *party = new QGridLayout(fraParty);
    party->setHorizontalSpacing(6);
    QLabel *heads[] = {lblNum, lblParty, lblYea, lblNay};
    QLabel *panels[] = {pnlNum, pnlParty, pnlYea, pnlNay};
    for (int column = 0; column < 4; ++column) {
        party->addWidget(heads[column], 0, column);
        party->addWidget(panels[column], 1, column, Qt::AlignTop);
    }
    party->setColumnStretch(1, 1);
    party->setRowStretch(2, 1);
    // Wide enough for four-digit counts, or for the column head on a screen with room for it.
    const QString widest = m_session.smallScreen ? QStringLiteral("0000") : QStringLiteral("Members");
    for (QLabel *count : {pnlNum, pnlYea, pnlNay})
        count->setMinimumWidth(fontMetrics().horizontalAdvance(widest) + 8);
    pnlParty->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("     Southern Democrat")) + 16);

    auto *body = new QHBoxLayout;
    body->addWidget(fraVotes, 0);
    body->addWidget(fraParty, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(tbrStatistics);
    layout->addLayout(body, 1);

    connect(actSave, &QAction::triggered, this, &frmStatistics::save);
    connect(actPrint, &QAction::triggered, this, &frmStatistics::print);
    connect(actHelp, &QAction::triggered, this, [this] { m_services.showHelp(this, QStringLiteral("frmStatistics")); });
    connect(actDone, &QAction::triggered, this, &frmStatistics::reject);

    adjustSize();
    if (m_session.smallScreen)
        resize(kSmallWindowWidth, height());
    CentreOnScreen(this);
}

bool frmStatistics::load(const DrawingPass &pass)
{
    VoteStatistics stats;
    // The count runs under the wait window, which keeps user input out until it ends.
    if (!RunReportingErrors(m_services, this, [&] {
            const WaitGuard wait(m_services);
            stats = CountVoteStatistics(m_session.dataRoot, pass.isHouse, pass.congress, pass.rollCall,
                                        m_session.newDataFormat, WaitProgress(m_services, true));
        }))
        return false;
    showStatistics(HeadingOf(pass), stats);
    return true;
}

void frmStatistics::showStatistics(const ReportRollCall &heading, const VoteStatistics &stats)
{
    m_heading = heading;
    m_stats = stats;
    const StatisticsPanels panels = BuildStatisticsPanels(stats);
    pnlNum->setText(panels.pnlNum);
    pnlParty->setText(panels.pnlParty);
    pnlYea->setText(panels.pnlYea);
    pnlNay->setText(panels.pnlNay);
    pnlBreakdown->setText(panels.pnlBreakdown);
    QSize wanted = size().expandedTo(sizeHint());
    if (m_session.smallScreen)
        wanted.setWidth(std::max(kSmallWindowWidth, minimumSizeHint().width()));
    resize(wanted);
}

void frmStatistics::save()
{
    const QString file = m_services.saveFileName(this, QStringLiteral("Statistics Disk Output"),
                                                 IdeologyText::kTextReportFilters, QStringLiteral("TXT"));
    if (file.isEmpty())
        return;
    ErrorReporting how;
    how.fileErrorText = [](const FileError &error) {
        return IdeologyText::ErrorWhile(error.number(), IdeologyText::kWhileSavingStatistics);
    };
    if (!RunReportingErrors(
            m_services, this, [&] { WriteReportFile(file, StatisticsReportLines(m_heading, m_stats)); }, how))
        return;
    ReportSaved(m_services, this, file);
}

void frmStatistics::print()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!m_services.choosePrinter(this, printer))
        return;
    const QList<ReportPrinter::Line> lines = printedLines();
    WaitGuard wait(m_services, kPrintingText);
    const bool printed = ReportPrinter::print(printer, lines);
    wait.hide();
    if (!printed)
        ReportError(m_services, this,
                    IdeologyText::ErrorWhile(ReportPrinter::kErrorNumber, IdeologyText::kWhilePrinting));
}

QList<ReportPrinter::Line> frmStatistics::printedLines() const
{
    QList<ReportPrinter::Line> lines;
    for (const StatisticsPrintedLine &line : StatisticsPrintedLines(m_heading, m_stats)) {
        QFont font;
        switch (line.role) {
        case StatisticsLineRole::Title:
            font = ReportPrinter::arial(16);
            break;
        case StatisticsLineRole::Identification:
            font = ReportPrinter::arial(14);
            break;
        case StatisticsLineRole::Heading:
            font = ReportPrinter::arial(12, true);
            break;
        case StatisticsLineRole::Body:
            font = ReportPrinter::arial(12);
            break;
        }
        lines.append({line.text, font});
    }
    return lines;
}

} // namespace rollscan
