#include "gui/ideology/frmInfo.h"

#include "core/app/Session.h"
#include "core/data/FileError.h"
#include "core/ideology/DrawingPass.h"
#include "core/ideology/IdeologyTexts.h"
#include "gui/services/ReportPrinter.h"
#include "gui/services/Services.h"
#include "gui/services/WaitProgress.h"
#include "gui/services/WindowTools.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace rollscan {

namespace {
QLabel *valueLabel(const char *name)
{
    auto *label = Named(new QLabel, name);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// Room for a text just short of the scrolling length without a scroll bar.
constexpr QSize kDetailsSize(440, 220);
constexpr QSize kSmallDetailsSize(287, 220); // 4300 twips on a small screen
constexpr int kSmallDetailsFrameWidth = 303; // 4550 twips
constexpr int kSmallWindowWidth = 510;       // 7650 twips
} // namespace

frmInfo::frmInfo(Session &session, Services &services, QWidget *parent)
    : QDialog(parent), m_session(session), m_services(services)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Roll Call Information"));
    setAttribute(Qt::WA_DeleteOnClose);

    tbrInfo = Named(new QToolBar, "tbrInfo");
    tbrInfo->setToolButtonStyle(Qt::ToolButtonTextOnly);
    actSave = ToolEntry(tbrInfo, QStringLiteral("Save"), "actSave", QKeySequence::Save,
                        QStringLiteral("Save roll call information"));
    actPrint = ToolEntry(tbrInfo, QStringLiteral("Print"), "actPrint", QKeySequence::Print,
                         QStringLiteral("Print roll call information"));
    actHelp = ToolEntry(tbrInfo, QStringLiteral("Help"), "actHelp", QKeySequence::HelpContents, QStringLiteral("Help"));
    // Escape closes the window through reject(), like Done.
    actDone = ToolEntry(tbrInfo, QStringLiteral("Done"), "actDone", QKeySequence(), QStringLiteral("Done"));

    fraInfo = Named(new QGroupBox(QStringLiteral("Roll Call Information")), "fraInfo");
    fraInfo->setToolTip(QStringLiteral("This lists the amount of legislators voting Yea, Nay, those not voting, "
                                       "TRISCALE Scaling errors, and the P.R.E. for the roll call."));
    lblYeaTag = Named(new QLabel(QStringLiteral("Yea:")), "lblYeaTag");
    lblNayTag = Named(new QLabel(QStringLiteral("Nay:")), "lblNayTag");
    lblYea = valueLabel("lblYea");
    lblNay = valueLabel("lblNay");
    lblInfoTags = Named(new QLabel(QStringLiteral("N/A:\nErrors:\nP.R.E.:")), "lblInfoTags");
    lblInfo = valueLabel("lblInfo");
    auto *infoLayout = new QGridLayout(fraInfo);
    infoLayout->addWidget(lblYeaTag, 0, 0);
    infoLayout->addWidget(lblYea, 0, 1);
    infoLayout->addWidget(lblNayTag, 1, 0);
    infoLayout->addWidget(lblNay, 1, 1);
    infoLayout->addWidget(lblInfoTags, 2, 0, Qt::AlignTop);
    infoLayout->addWidget(lblInfo, 2, 1, Qt::AlignTop);
    infoLayout->setColumnStretch(1, 1);
    // The five values read as one list, whether they stand in one label or in two.
    infoLayout->setVerticalSpacing(0);

    fraNotShown = Named(new QGroupBox(QStringLiteral("Not Shown")), "fraNotShown");
    fraNotShown->setToolTip(QStringLiteral("This lists all legislators in the current Congress who are not shown."));
    lblCol1 = valueLabel("lblCol1");
    lblCol2 = valueLabel("lblCol2");
    auto *columns = new QHBoxLayout(fraNotShown);
    columns->addWidget(lblCol1, 1, Qt::AlignTop);
    columns->addWidget(lblCol2, 1, Qt::AlignTop);
    // Keeps the frame as wide as two columns of names even while it is empty.
    if (!m_session.smallScreen)
        fraNotShown->setMinimumWidth(fontMetrics().horizontalAdvance(QString(30, QLatin1Char('M'))) / 2 + 40);

    static_cast<DetailsFrame &>(*this) = DetailsFrame::Build(m_session.smallScreen ? kSmallDetailsSize : kDetailsSize);
    if (m_session.smallScreen)
        fraDetails->setFixedWidth(kSmallDetailsFrameWidth);

    auto *left = new QVBoxLayout;
    left->addWidget(fraInfo);
    left->addWidget(fraNotShown, 1);
    auto *body = new QHBoxLayout;
    body->addLayout(left);
    body->addWidget(fraDetails, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(tbrInfo);
    layout->addLayout(body, 1);

    connect(actSave, &QAction::triggered, this, &frmInfo::save);
    connect(actPrint, &QAction::triggered, this, &frmInfo::PrintInfo);
    connect(actHelp, &QAction::triggered, this, [this] { m_services.showHelp(this, QStringLiteral("frmInfo")); });
    connect(actDone, &QAction::triggered, this, &frmInfo::reject);

    adjustSize();
    if (m_session.smallScreen)
        resize(kSmallWindowWidth, height());
    CentreOnScreen(this);
}

void frmInfo::fill(const DrawingPass &pass)
{
    // The tallies and the not-shown list stand without the description; why the description is
    // missing is reported rather than left as an empty Details frame.
    RollCallInfo info = BuildRollCallInfo(pass, Description{}, HeadingOf(pass));
    info.descriptionRead = false;
    RunReportingErrors(m_services, this, [&] { info = LoadRollCallInfo(pass, m_session.dataRoot); });
    showInfo(info);
}

void frmInfo::showInfo(const RollCallInfo &info)
{
    m_info = info;
    lblYea->setText(QString::number(info.yea));
    lblNay->setText(QString::number(info.nay));
    lblInfo->setText(info.infoText());
    lblCol1->setText(info.column1.join(QLatin1Char('\n')));
    lblCol2->setText(info.column2.join(QLatin1Char('\n')));

    showDetails(info.headerFields, info.details, info.scrolling);
    // A longer not-shown list makes the window taller; it never shrinks below what the user chose.
    QSize wanted = size().expandedTo(sizeHint());
    if (m_session.smallScreen)
        wanted.setWidth(std::max(kSmallWindowWidth, minimumSizeHint().width()));
    resize(wanted);
}

void frmInfo::save()
{
    const QString file = m_services.saveFileName(this, QStringLiteral("Information Disk Output"),
                                                 IdeologyText::kTextReportFilters, QStringLiteral("TXT"));
    if (file.isEmpty())
        return;
    ErrorReporting how;
    how.fileErrorText = [](const FileError &error) {
        return IdeologyText::ErrorWhile(error.number(), IdeologyText::kWhileSavingInfo);
    };
    if (!RunReportingErrors(
            m_services, this, [&] { WriteReportFile(file, InfoReportLines(m_info)); }, how))
        return;
    ReportSaved(m_services, this, file);
}

void frmInfo::PrintInfo()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!m_services.choosePrinter(this, printer))
        return;
    if (!ReportPrinter::print(printer, printedLines()))
        ReportError(m_services, this,
                    IdeologyText::ErrorWhile(ReportPrinter::kErrorNumber, IdeologyText::kWhilePrintingInfo));
}

QList<ReportPrinter::Line> frmInfo::printedLines() const
{
    QList<ReportPrinter::Line> lines;
    const QFont font = ReportPrinter::courier(10);
    for (const QString &text : InfoPrintedLines(m_info))
        lines.append({text, font});
    return lines;
}

void frmInfo::reject()
{
    resetDetails();
    QDialog::reject();
}

} // namespace rollscan
