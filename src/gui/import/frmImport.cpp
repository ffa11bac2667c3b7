#include "gui/import/frmImport.h"

#include "core/app/Session.h"
#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/StateTable.h"
#include "core/ideology/IdeologyTexts.h"
#include "core/import/ImportTexts.h"
#include "gui/services/ReportPrinter.h"
#include "gui/services/ScreenFit.h"
#include "gui/services/Services.h"
#include "gui/services/WaitGuard.h"
#include "gui/services/WaitProgress.h"
#include "gui/services/WindowTools.h"

#include <QAction>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

namespace rollscan {

frmImport::frmImport(Session &session, Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window), m_session(session), m_services(services)
{
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(QStringLiteral("Import Quantitative Data"));
    setAttribute(Qt::WA_DeleteOnClose);

    Toolbar = Named(new QToolBar, "Toolbar");
    Toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tbStart = ToolEntry(Toolbar, QStringLiteral("Start"), "tbStart", QKeySequence(Qt::CTRL | Qt::Key_Return),
                        QStringLiteral("Class the data and show them on the US map"));
    tbPrint = ToolEntry(Toolbar, QStringLiteral("Print"), "tbPrint", QKeySequence::Print,
                        QStringLiteral("Print the data set"));
    tbHelp = ToolEntry(Toolbar, QStringLiteral("Help"), "tbHelp", QKeySequence::HelpContents, QStringLiteral("Help"));
    tbDone = ToolEntry(Toolbar, QStringLiteral("Done"), "tbDone", QKeySequence(), QStringLiteral("Done"));

    txtTitle = Named(new QLineEdit, "txtTitle");
    txtTitle->setReadOnly(true);
    txtDetails = Named(new QPlainTextEdit, "txtDetails");
    txtData = Named(new QPlainTextEdit, "txtData");
    for (QPlainTextEdit *box : {txtDetails, txtData}) {
        box->setReadOnly(true);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
    }
    txtDetails->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The description is a few lines; the rows take the room that is left.
    txtDetails->setMaximumHeight(txtDetails->fontMetrics().lineSpacing() * 6 + 2 * txtDetails->frameWidth() + 8);
    txtData->setFont(ReportPrinter::courier(9));

    spnInterval = Named(new QSpinBox, "spnInterval");
    spnInterval->setRange(QuantKey::kMinIntervals, QuantKey::kMaxIntervals);
    spnInterval->setValue(QuantKey::kDefaultIntervals);
    spnInterval->setAccessibleName(QStringLiteral("Intervals"));
    // A two-digit count: the box keeps its own width instead of spanning the form.
    spnInterval->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    chkCrossTab = Named(new QCheckBox(QStringLiteral("Show the &votes of the roll call as well")), "chkCrossTab");
    chkCrossTab->setChecked(m_session.importWithVotes);
    btnSelect = Named(new QPushButton(QStringLiteral("&Select File...")), "btnSelect");

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Title:"), txtTitle);
    form->addRow(QStringLiteral("&Description:"), txtDetails);
    form->addRow(QStringLiteral("D&ata:"), txtData);
    form->addRow(QStringLiteral("&Intervals:"), spnInterval);
    form->addRow(QString(), chkCrossTab);
    for (QWidget *w : {static_cast<QWidget *>(txtTitle), static_cast<QWidget *>(txtDetails),
                       static_cast<QWidget *>(txtData), static_cast<QWidget *>(spnInterval)})
        if (auto *label = qobject_cast<QLabel *>(form->labelForField(w)))
            label->setBuddy(w);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnSelect);
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(Toolbar);
    layout->addLayout(form, 1);
    layout->addLayout(buttons);

    connect(btnSelect, &QPushButton::clicked, this, &frmImport::selectFile);
    connect(tbStart, &QAction::triggered, this, &frmImport::start);
    connect(tbPrint, &QAction::triggered, this, &frmImport::printData);
    connect(tbHelp, &QAction::triggered, this, [this] { m_services.showHelp(this, QStringLiteral("frmImport")); });
    connect(tbDone, &QAction::triggered, this, &QWidget::close);
    connect(chkCrossTab, &QCheckBox::toggled, this, [this](bool on) { m_session.importWithVotes = on; });

    // A data set read earlier stays loaded when the window is opened again.
    showData();
    resize(560, 520);
    FitToScreen(this);
    updateCommands();
}

void frmImport::showData()
{
    const QuantData &d = m_session.importedData;
    if (d.path.isEmpty()) {
        txtTitle->setText(ImportText::kNothingLoaded);
        txtDetails->clear();
        txtData->clear();
        return;
    }
    txtTitle->setText(d.title);
    txtDetails->setPlainText(d.descriptionText());
    txtData->setPlainText(d.previewText());
}

bool frmImport::readFile(const QString &path)
{
    ErrorReporting how;
    how.fileErrorText = [](const FileError &error) { return ImportErrorText(error); };
    return RunReportingErrors(
        m_services, this,
        [&] {
            const WaitGuard wait(m_services, kLoadingText);
            const StateTable states =
                StateTable::Read(DataFileName(m_session.dataRoot, kMainDir, QStringLiteral("state.dat")));
            QuantData data = QuantData::Read(path, states);
            data.isHouse = m_session.isHouse;
            data.congresses = m_session.selectedCongresses;
            // Only a whole data set replaces the one loaded; the map shows it again on the next Start.
            m_session.importedData = std::move(data);
            m_session.importKey = {};
            showData();
        },
        how);
}

void frmImport::selectFile()
{
    const QString path =
        m_services.openFileName(this, ImportText::kDialogTitle, QuantData::fileFilters(m_session.isHouse),
                                QuantData::defaultSuffix(m_session.isHouse));
    if (!path.isEmpty())
        readFile(path);
}

void frmImport::start()
{
    if (txtData->toPlainText().isEmpty() || m_session.importedData.isEmpty()) {
        ShowMessage(m_services, this, ImportText::kNoData, kProgramTitle);
        return;
    }
    m_session.importKey = MakeQuantKey(m_session.importedData, spnInterval->value(), m_session.Preferences);
    m_session.importWithVotes = chkCrossTab->isChecked();
    m_session.importedDataShown = true;
    emit mapRequested();
}

QStringList frmImport::printLines() const
{
    const QuantData &d = m_session.importedData;
    QStringList lines{ImportText::kPrintHeading, ImportPrintTitle(d.title), QString()};
    lines += d.description;
    lines.append(QString());
    for (const QuantRow &r : d.rows)
        lines.append(r.preview);
    return lines;
}

void frmImport::printData()
{
    if (m_session.importedData.path.isEmpty()) {
        ShowMessage(m_services, this, ImportText::kNoData, kProgramTitle);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!m_services.choosePrinter(this, printer))
        return;
    WaitGuard wait(m_services, kPrintingText);
    QList<ReportPrinter::Line> lines;
    const QStringList texts = printLines();
    for (int i = 0; i < texts.size(); ++i)
        lines.append({texts.at(i), i == 0 ? ReportPrinter::arial(14, true) : ReportPrinter::arial(10, i == 1)});
    if (!ReportPrinter::print(printer, lines)) {
        wait.hide();
        ReportError(m_services, this,
                    IdeologyText::ErrorWhile(ReportPrinter::kErrorNumber, IdeologyText::kWhilePrinting));
    }
}

void frmImport::updateCommands()
{
    tbStart->setEnabled(isSignalConnected(QMetaMethod::fromSignal(&frmImport::mapRequested)));
}

} // namespace rollscan
