#pragma once

#include "gui/services/FolderMemory.h"
#include "gui/services/Services.h"

#include <QPointer>

namespace rollscan {

class HelpWindow;
class frmWait;

// The services of the running program: message boxes, file and printer dialogs, the wait window,
// the help window and the system's handlers for addresses and programs.
class QtServices : public Services {
public:
    QtServices();
    ~QtServices() override;
    QtServices(const QtServices &) = delete;
    QtServices &operator=(const QtServices &) = delete;

    void message(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
    bool question(QWidget *parent, const QString &text, const QString &title) override;
    void beep() override;

    QString openFileName(QWidget *parent, const QString &caption, const QStringList &filters,
                         const QString &defaultSuffix) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QStringList &filters,
                         const QString &defaultSuffix) override;
    QString openFileNameIn(QWidget *parent, const QString &caption, const QStringList &filters,
                           const QString &defaultSuffix, const FileDialogPlace &place) override;
    QString saveFileNameIn(QWidget *parent, const QString &caption, const QStringList &filters,
                           const QString &defaultSuffix, const FileDialogPlace &place) override;

    QString chooseFolder(QWidget *parent, const QString &caption, const QString &startFolder) override;

    void showWait(const QString &info) override;
    void setWaitPercent(int percent) override;
    void setWaitNumber(const QString &number) override;
    void hideWait() override;

    bool choosePrinter(QWidget *parent, QPrinter &printer) override;

    void showHelp(QWidget *parent, const QString &topic) override;
    void showText(QWidget *parent, const QString &title, const QString &text) override;
    bool openAddress(const QString &address) override;
    bool startProgram(const QString &program) override;

    // The wait window, made on first use and kept for the rest of the run.
    frmWait *waitWindow();
    // The help window once it has been opened, else null.
    HelpWindow *helpWindow() const;

private:
    QString fileName(QWidget *parent, const QString &caption, const QStringList &filters, const QString &defaultSuffix,
                     bool save, const FileDialogPlace &place = {});

    QPointer<frmWait> m_wait;
    FolderMemory m_folders; // where each kind of file dialog opens next
    QPointer<HelpWindow> m_help;
    bool m_busyCursor = false;
};

} // namespace rollscan
