#include "gui/services/QtServices.h"

#include "gui/services/HelpWindow.h"
#include "gui/services/WindowTools.h"
#include "gui/services/frmWait.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QProgressBar>
#include <QUrl>

namespace rollscan {

QtServices::QtServices() = default;

QtServices::~QtServices()
{
    if (m_busyCursor)
        QApplication::restoreOverrideCursor();
    delete m_wait.data();
    delete m_help.data();
}

void QtServices::message(QWidget *parent, const QString &text, const QString &title, Icon icon)
{
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (icon) {
    case Icon::None:
        boxIcon = QMessageBox::NoIcon;
        break;
    case Icon::Exclamation:
        boxIcon = QMessageBox::Warning;
        break;
    case Icon::Question:
        boxIcon = QMessageBox::Question;
        break;
    case Icon::Information:
        boxIcon = QMessageBox::Information;
        break;
    }
    QMessageBox box(boxIcon, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    // The wait window's busy pointer must not hide that the program now waits for the user.
    if (m_busyCursor)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (m_busyCursor)
        QApplication::restoreOverrideCursor();
}

bool QtServices::question(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("questionBox"));
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

void QtServices::beep()
{
    QApplication::beep();
}

QString QtServices::openFileName(QWidget *parent, const QString &caption, const QStringList &filters,
                                 const QString &defaultSuffix)
{
    return fileName(parent, caption, filters, defaultSuffix, false);
}

QString QtServices::saveFileName(QWidget *parent, const QString &caption, const QStringList &filters,
                                 const QString &defaultSuffix)
{
    return fileName(parent, caption, filters, defaultSuffix, true);
}

QString QtServices::openFileNameIn(QWidget *parent, const QString &caption, const QStringList &filters,
                                   const QString &defaultSuffix, const FileDialogPlace &place)
{
    return fileName(parent, caption, filters, defaultSuffix, false, place);
}

QString QtServices::saveFileNameIn(QWidget *parent, const QString &caption, const QStringList &filters,
                                   const QString &defaultSuffix, const FileDialogPlace &place)
{
    return fileName(parent, caption, filters, defaultSuffix, true, place);
}

QString QtServices::fileName(QWidget *parent, const QString &caption, const QStringList &filters,
                             const QString &defaultSuffix, bool save, const FileDialogPlace &place)
{
    // The dialog may move the working directory; the data tree is found relative to it, so it is
    // put back whatever the user does.
    const QString workingDirectory = QDir::currentPath();
    QFileDialog dialog(parent, caption, m_folders.folderFor(caption, place.folder, workingDirectory));
    if (save && place.appending)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setObjectName(QStringLiteral("fileDialog"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.at(filters.size() >= 2 ? 1 : 0));
    }
    QString suffix = defaultSuffix;
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);

    QString result;
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        result = dialog.selectedFiles().constFirst();
    m_folders.remember(caption, result);
    QDir::setCurrent(workingDirectory);
    return result;
}

QString QtServices::chooseFolder(QWidget *parent, const QString &caption, const QString &startFolder)
{
    const QString workingDirectory = QDir::currentPath();
    QFileDialog dialog(parent, caption, startFolder);
    dialog.setObjectName(QStringLiteral("folderDialog"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    QString result;
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        result = dialog.selectedFiles().constFirst();
    QDir::setCurrent(workingDirectory);
    return result;
}

frmWait *QtServices::waitWindow()
{
    if (!m_wait)
        m_wait = new frmWait;
    return m_wait;
}

void QtServices::showWait(const QString &info)
{
    frmWait *wait = waitWindow();
    wait->pnlInfo->setText(info);
    wait->pnlNum->clear();
    if (!wait->isVisible())
        CentreOnScreen(wait);
    wait->show();
    wait->raise();
    wait->repaint();
    if (!m_busyCursor) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_busyCursor = true;
    }
    // Once, so the window is on screen before the long work starts.
    QCoreApplication::processEvents();
}

void QtServices::setWaitPercent(int percent)
{
    waitWindow()->pnlWait->setValue(qBound(0, percent, 100));
}

void QtServices::setWaitNumber(const QString &number)
{
    waitWindow()->pnlNum->setText(number);
}

void QtServices::hideWait()
{
    frmWait *wait = waitWindow();
    wait->pnlWait->setValue(100);
    wait->hide();
    wait->pnlWait->setValue(0);
    if (m_busyCursor) {
        QApplication::restoreOverrideCursor();
        m_busyCursor = false;
    }
}

bool QtServices::choosePrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("printDialog"));
    return dialog.exec() == QDialog::Accepted;
}

HelpWindow *QtServices::helpWindow() const
{
    return m_help;
}

void QtServices::showHelp(QWidget *, const QString &topic)
{
    if (!m_help)
        m_help = new HelpWindow;
    m_help->showPage(HelpWindow::TopicUrl(topic));
}

void QtServices::showText(QWidget *, const QString &title, const QString &text)
{
    if (!m_help)
        m_help = new HelpWindow;
    m_help->showText(title, text);
}

bool QtServices::openAddress(const QString &address)
{
    const QUrl url(address);
    if (!url.isValid() || url.isEmpty())
        return false;
    if (HelpWindow::IsHelpAddress(url)) {
        if (!m_help)
            m_help = new HelpWindow;
        m_help->showPage(url);
        return true;
    }
    return QDesktopServices::openUrl(url);
}

bool QtServices::startProgram(const QString &program)
{
    return QProcess::startDetached(program, {}, QFileInfo(program).absolutePath());
}

} // namespace rollscan
