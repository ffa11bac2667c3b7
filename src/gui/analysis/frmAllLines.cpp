#include "gui/analysis/frmAllLines.h"

#include "core/app/Session.h"
#include "core/data/FileError.h"
#include "core/ideology/IdeologyTexts.h"
#include "core/report/CsvFile.h"
#include "gui/analysis/AllLinesCanvas.h"
#include "gui/ideology/IdeologicalCanvas.h"
#include "gui/services/ReportPrinter.h"
#include "gui/services/Services.h"
#include "gui/services/WaitGuard.h"
#include "gui/services/WaitProgress.h"
#include "gui/services/WindowTools.h"

#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QScreen>
#include <QSvgGenerator>
#include <QToolBar>
#include <QVBoxLayout>

namespace rollscan {

namespace {
const QStringList kPictureFilters = {QStringLiteral("PNG Files (*.png)"), QStringLiteral("SVG Files (*.svg)")};
const QStringList kListFilters = {QStringLiteral("All Files (*.*)"), QStringLiteral("Comma-Separated Values (*.csv)")};
constexpr int kPictureSide = 800;

void commit(QSaveFile &file)
{
    if (!file.commit())
        throw FileError(FileErrorNumber::BadAccess, file.fileName(), file.errorString());
}
} // namespace

frmAllLines::frmAllLines(Session &session, Services &services, QWidget *parent)
    : QDialog(parent), m_session(session), m_services(services)
{
    setObjectName(QStringLiteral("frmAllLines"));
    setWindowTitle(QStringLiteral("All Cutting Lines"));
    setAttribute(Qt::WA_DeleteOnClose);

    tbrAllLines = Named(new QToolBar, "tbrAllLines");
    tbrAllLines->setToolButtonStyle(Qt::ToolButtonTextOnly);
    actSavePicture = ToolEntry(tbrAllLines, QStringLiteral("Save Picture"), "actSavePicture", QKeySequence::Save);
    actSaveList = ToolEntry(tbrAllLines, QStringLiteral("Save List"), "actSaveList", QKeySequence());
    actPrint = ToolEntry(tbrAllLines, QStringLiteral("Print"), "actPrint", QKeySequence::Print);
    actHelp = ToolEntry(tbrAllLines, QStringLiteral("Help"), "actHelp", QKeySequence::HelpContents);
    actDone = ToolEntry(tbrAllLines, QStringLiteral("Done"), "actDone", QKeySequence());

    picLines = Named(new AllLinesCanvas, "picLines");
    lblTitle = Named(new QLabel, "lblTitle");
    lblTitle->setTextFormat(Qt::PlainText);
    lstLines = Named(new QListWidget, "lstLines");
    lstLines->setToolTip(QStringLiteral("The queued roll calls of this congress with the reduction in error of their "
                                        "cutting lines. Select one to pick its line out on the map."));

    auto *side = new QVBoxLayout;
    side->addWidget(lblTitle);
    side->addWidget(lstLines, 1);
    auto *body = new QHBoxLayout;
    body->addWidget(picLines, 3);
    body->addLayout(side, 2);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(tbrAllLines);
    layout->addLayout(body, 1);

    connect(actSavePicture, &QAction::triggered, this, &frmAllLines::savePicture);
    connect(actSaveList, &QAction::triggered, this, &frmAllLines::saveList);
    connect(actPrint, &QAction::triggered, this, &frmAllLines::print);
    connect(actHelp, &QAction::triggered, this, [this] { m_services.showHelp(this, QStringLiteral("frmAllLines")); });
    connect(actDone, &QAction::triggered, this, &QDialog::close);
    connect(lstLines, &QListWidget::currentRowChanged, picLines, &AllLinesCanvas::setHighlighted);
    connect(picLines, &AllLinesCanvas::lineHovered, this, &frmAllLines::showLine);

    const QRect screen = (this->screen() ? this->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    resize(std::min(1000, screen.width()), std::min(640, screen.height()));
    CentreOnScreen(this);
}

bool frmAllLines::load(int congress)
{
    return RunReportingErrors(m_services, this, [&] {
        WaitGuard wait(m_services);
        m_view = ComputeAllLines(m_session.dataRoot, m_session.isHouse, congress, QueueOf(m_session),
                                 m_session.newDataFormat, m_session.Preferences.lowerCaseTokens(),
                                 WaitProgress(m_services, true));
        wait.hide();
        picLines->setView(&m_view);
        QStringList rows;
        for (const QueuedCuttingLine &l : m_view.lines)
            rows.append(AllLinesListRow(l));
        lstLines->clear();
        lstLines->addItems(rows);
        FitListScroll(lstLines);
        lblTitle->setText(AllLinesTitle(m_view));
    });
}

void frmAllLines::showLine(int line)
{
    const QSignalBlocker blocker(lstLines);
    lstLines->setCurrentRow(line);
}

void frmAllLines::savePicture()
{
    QString fileName = m_services.saveFileName(this, QStringLiteral("Rollscan Picture Output"), kPictureFilters,
                                               QStringLiteral("PNG"));
    if (fileName.isEmpty())
        return;
    const bool saved = RunReportingErrors(m_services, this, [&] {
        QSaveFile file(fileName);
        if (!file.open(QIODevice::WriteOnly))
            throw FileError(FileErrorNumber::BadAccess, fileName, file.errorString());
        const QFont font = IdeologicalCanvas::TokenFont(picLines->font(), kPictureSide);
        if (fileName.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
            QSvgGenerator svg;
            svg.setOutputDevice(&file);
            svg.setSize(QSize(kPictureSide, kPictureSide));
            svg.setViewBox(QRect(0, 0, kPictureSide, kPictureSide));
            svg.setTitle(lblTitle->text());
            QPainter painter(&svg);
            AllLinesCanvas::Paint(painter, kPictureSide, m_view, font, -1);
        } else {
            QImage image(kPictureSide, kPictureSide, QImage::Format_RGB32);
            QPainter painter(&image);
            AllLinesCanvas::Paint(painter, kPictureSide, m_view, font, -1);
            painter.end();
            if (!image.save(&file, "PNG"))
                throw FileError(FileErrorNumber::BadAccess, fileName);
        }
        commit(file);
    });
    if (saved)
        ReportSaved(m_services, this, fileName);
}

void frmAllLines::saveList()
{
    const QString fileName =
        m_services.saveFileName(this, QStringLiteral("Rollscan Disk Output"), kListFilters, QStringLiteral("CSV"));
    if (fileName.isEmpty())
        return;
    if (RunReportingErrors(m_services, this, [&] { WriteCsvFile(fileName, AllLinesCsvRecords(m_view)); }))
        ReportSaved(m_services, this, fileName);
}

void frmAllLines::print()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!m_services.choosePrinter(this, printer))
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        ReportError(m_services, this,
                    IdeologyText::ErrorWhile(ReportPrinter::kErrorNumber, IdeologyText::kWhilePrinting));
        return;
    }
    const double side = std::min(printer.width(), printer.height());
    AllLinesCanvas::Paint(painter, side, m_view, IdeologicalCanvas::TokenFont(picLines->font(), side), -1);
    painter.end();
}

} // namespace rollscan
