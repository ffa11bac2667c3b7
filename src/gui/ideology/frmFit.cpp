#include "gui/ideology/frmFit.h"

#include "core/app/Session.h"
#include "core/data/FileError.h"
#include "core/ideology/IdeologyTexts.h"
#include "core/ideology/ReportLine.h"
#include "core/report/FitReport.h"
#include "gui/services/ReportPrinter.h"
#include "gui/services/Services.h"
#include "gui/services/WaitGuard.h"
#include "gui/services/WaitProgress.h"
#include "gui/services/WindowTools.h"

#include <QAction>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace rollscan {

namespace {
const QStringList kSheetFilters = {QStringLiteral("All Files (*.*)"), QStringLiteral("Spreadsheet Files (*.csv)")};
const QString kWhileSavingFit = QStringLiteral(") has occurred while saving the congress fit.");
const QString kWhilePrintingFit = QStringLiteral(") has occurred while printing the congress fit.");
// Enough rows to judge a congress at a glance without filling a laptop screen.
constexpr int kVisibleRows = 24;

// Sorts numeric columns by value and the others by text, so that 9 comes before 10 and an
// unscaled member's empty rate sorts below every rate.
class FitItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem &other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        const QVariant mine = data(column, Qt::UserRole), theirs = other.data(column, Qt::UserRole);
        if (mine.isValid() && theirs.isValid() && mine != theirs)
            return mine.toDouble() < theirs.toDouble();
        if (mine.isValid() != theirs.isValid())
            return !mine.isValid();
        return text(column).localeAwareCompare(other.text(column)) < 0;
    }
};

// A file the fit report cannot be written to is reported as the window's own error.
ErrorReporting savingFit()
{
    ErrorReporting how;
    how.fileErrorText = [](const FileError &error) {
        return IdeologyText::ErrorWhile(error.number(), kWhileSavingFit);
    };
    return how;
}
} // namespace

frmFit::frmFit(Session &session, Services &services, QWidget *parent)
    : QDialog(parent), m_session(session), m_services(services)
{
    setObjectName(QStringLiteral("frmFit"));
    setWindowTitle(QStringLiteral("Congress Fit"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A list window beside the map, not a modal question.
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    tbrFit = Named(new QToolBar, "tbrFit");
    tbrFit->setToolButtonStyle(Qt::ToolButtonTextOnly);
    actSaveText = ToolEntry(tbrFit, QStringLiteral("Save Text"), "actSaveText", QKeySequence::Save,
                            QStringLiteral("Save the fit as a text report"));
    actSaveSheet =
        ToolEntry(tbrFit, QStringLiteral("Save CSV"), "actSaveSheet", QKeySequence(QStringLiteral("Ctrl+Shift+S")),
                  QStringLiteral("Save the fit as a spreadsheet"));
    actPrint =
        ToolEntry(tbrFit, QStringLiteral("Print"), "actPrint", QKeySequence::Print, QStringLiteral("Print the fit"));
    actHelp = ToolEntry(tbrFit, QStringLiteral("Help"), "actHelp", QKeySequence::HelpContents, QStringLiteral("Help"));
    actDone = ToolEntry(tbrFit, QStringLiteral("Done"), "actDone", QKeySequence(), QStringLiteral("Done"));

    lblHeading = Named(new QLabel, "lblHeading");
    lblFigures = Named(new QLabel, "lblFigures");
    for (QLabel *label : {lblHeading, lblFigures}) {
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // Wrapping lets the window shrink to a small screen instead of pushing past it.
        label->setWordWrap(true);
    }
    QFont bold = lblFigures->font();
    bold.setBold(true);
    lblFigures->setFont(bold);

    lstFit = Named(new QTreeWidget, "lstFit");
    lstFit->setRootIsDecorated(false);
    lstFit->setUniformRowHeights(true);
    lstFit->setAlternatingRowColors(true);
    lstFit->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Party"), QStringLiteral("State"),
                             QStringLiteral("Votes"), QStringLiteral("Errors"), QStringLiteral("Error rate")});
    lstFit->header()->setSortIndicator(-1, Qt::AscendingOrder);
    lstFit->setSortingEnabled(true);
    lstFit->header()->setSortIndicatorShown(true);
    lstFit->header()->setStretchLastSection(true);
    lstFit->setToolTip(QStringLiteral("Double-click a legislator to find him on the map."));

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(tbrFit);
    layout->addWidget(lblHeading);
    layout->addWidget(lblFigures);
    layout->addWidget(lstFit, 1);

    connect(actSaveText, &QAction::triggered, this, &frmFit::saveText);
    connect(actSaveSheet, &QAction::triggered, this, &frmFit::saveSpreadsheet);
    connect(actPrint, &QAction::triggered, this, &frmFit::printFit);
    connect(actHelp, &QAction::triggered, this, [this] { m_services.showHelp(this, QStringLiteral("frmFit")); });
    connect(actDone, &QAction::triggered, this, &frmFit::reject);
    // Double-click and Enter both ask for the legislator; where a style reports a double-click as an
    // activation too, asking twice circles the same legislator again and changes nothing.
    auto choose = [this](QTreeWidgetItem *item) {
        if (item)
            emit legislatorChosen(item->data(ColName, Qt::UserRole + 1).toInt());
    };
    connect(lstFit, &QTreeWidget::itemActivated, this, choose);
    connect(lstFit, &QTreeWidget::itemDoubleClicked, this, choose);
}

bool frmFit::load(bool isHouse, int congress)
{
    CongressFit fit;
    if (!RunReportingErrors(m_services, this, [&] {
            const WaitGuard wait(m_services);
            fit = ComputeCongressFit(m_session.dataRoot, isHouse, congress, m_session.newDataFormat,
                                     WaitProgress(m_services, false));
        }))
        return false;
    m_fit = std::move(fit);
    fill();
    return true;
}

void frmFit::fill()
{
    lblHeading->setText(
        FitHeading(m_fit) +
        QStringLiteral("\n%1 of %2 roll calls have a cutting line").arg(m_fit.rollCallsWithLine).arg(m_fit.rollCalls));
    lblFigures->setText(FitFigureLines(m_fit).join(QStringLiteral("     ")));

    lstFit->setSortingEnabled(false);
    lstFit->clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(m_fit.legislators.size());
    for (const FitLegislator &l : m_fit.legislators) {
        auto *item = new FitItem;
        item->setText(ColName, l.name);
        item->setData(ColName, Qt::UserRole + 1, l.recordNumber);
        item->setText(ColParty, l.partyName.isEmpty() ? QString::number(l.partyCode) : l.partyName);
        item->setText(ColState, l.state);
        item->setText(ColVotes, QString::number(l.votes));
        item->setData(ColVotes, Qt::UserRole, l.votes);
        item->setText(ColErrors, QString::number(l.errors));
        item->setData(ColErrors, Qt::UserRole, l.errors);
        item->setText(ColRate, FitRateText(l.votes, l.errors));
        if (l.votes > 0)
            item->setData(ColRate, Qt::UserRole, l.errorRate());
        for (int c : {ColVotes, ColErrors, ColRate})
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        if (!l.scaled)
            item->setToolTip(ColName, QStringLiteral("No coordinates: not on the map"));
        items.append(item);
    }
    lstFit->addTopLevelItems(items);
    // File order until the user clicks a header.
    lstFit->header()->setSortIndicator(-1, Qt::AscendingOrder);
    lstFit->setSortingEnabled(true);
    for (int c = 0; c < ColumnCount; ++c)
        lstFit->resizeColumnToContents(c);

    // Wide enough for every column, tall enough for a screenful of rows, within the screen.
    const int listWidth = lstFit->header()->length() + lstFit->frameWidth() * 2 + 24;
    const int rowHeight = std::max(lstFit->sizeHintForRow(0), fontMetrics().height());
    QSize wanted(std::max(listWidth + 24, tbrFit->sizeHint().width() + 24),
                 kVisibleRows * rowHeight + lstFit->header()->height() + tbrFit->sizeHint().height() +
                     lblHeading->sizeHint().height() + lblFigures->sizeHint().height() + 60);
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen)
        wanted = wanted.boundedTo(screen->availableGeometry().size() - QSize(40, 60));
    resize(wanted);
    CentreOnScreen(this);
}

void frmFit::saveText()
{
    const QString file = m_services.saveFileName(this, QStringLiteral("Congress Fit Disk Output"),
                                                 IdeologyText::kTextReportFilters, QStringLiteral("TXT"));
    if (file.isEmpty())
        return;
    if (!RunReportingErrors(
            m_services, this, [&] { WriteReportFile(file, FitReportLines(m_fit)); }, savingFit()))
        return;
    ReportSaved(m_services, this, file);
}

void frmFit::saveSpreadsheet()
{
    const QString file = m_services.saveFileName(this, QStringLiteral("Congress Fit Spreadsheet Output"), kSheetFilters,
                                                 QStringLiteral("CSV"));
    if (file.isEmpty())
        return;
    if (!RunReportingErrors(
            m_services, this, [&] { WriteReportFile(file, FitSpreadsheetLines(m_fit)); }, savingFit()))
        return;
    ReportSaved(m_services, this, file);
}

void frmFit::printFit()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!m_services.choosePrinter(this, printer))
        return;
    QList<ReportPrinter::Line> lines;
    const QFont font = ReportPrinter::courier(10);
    for (const QString &text : FitReportLines(m_fit))
        lines.append({text, font});
    if (!ReportPrinter::print(printer, lines))
        ReportError(m_services, this, IdeologyText::ErrorWhile(ReportPrinter::kErrorNumber, kWhilePrintingFit));
}

} // namespace rollscan
