#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class QPrinter;

namespace rollscan {

class FileError;

// Titles and texts every window shares.
inline const QString kErrorTitle = QStringLiteral("Rollscan Error");
inline const QString kOutputTitle = QStringLiteral("Rollscan Output");
inline const QString kProgramTitle = QStringLiteral("Rollscan for Windows");
inline const QString kCalculatingText = QStringLiteral("Calculating, please wait...");
inline const QString kLoadingText = QStringLiteral("Loading, please wait...");
inline const QString kSavingText = QStringLiteral("Saving, please wait...");
inline const QString kPrintingText = QStringLiteral("Printing, please wait...");
// The file dialogs' entries wherever a bookmark file is opened or saved.
inline const QStringList kBookmarkFilters = {QStringLiteral("All Files (*.*)"),
                                             QStringLiteral("Bookmark Files (*.bmk)")};

// Where a file dialog opens, and whether a save dialog's caller adds to an existing file (so that
// choosing one is not a replacement to confirm).
struct FileDialogPlace {
    QString folder;         // empty: the working directory
    bool appending = false; // save dialogs only
};

// Everything that would otherwise block on a modal box or reach the platform goes through here:
// messages, questions, file dialogs, the wait window, printing, help and outside addresses.
// The program installs the real implementation; tests install a recording one that answers with
// prepared values and keeps every message for assertions.
class Services {
public:
    virtual ~Services() = default;

    // A modal message box with an OK button. `icon` is the kind of box.
    enum class Icon { None, Exclamation, Question, Information };
    virtual void message(QWidget *parent, const QString &text, const QString &title, Icon icon) = 0;
    // A question with OK and Cancel; true for OK.
    virtual bool question(QWidget *parent, const QString &text, const QString &title) = 0;
    virtual void beep() = 0;

    // File dialogs. `filters` are the dialog's filter entries ("Text Files (*.txt)"); the second is
    // preselected when there are two or more. An empty result means the user cancelled. The working
    // directory is the same after the call as before.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QStringList &filters,
                                 const QString &defaultSuffix) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QStringList &filters,
                                 const QString &defaultSuffix) = 0;
    // The same dialogs opening in a chosen folder. Services that cannot place a dialog use the plain
    // ones above.
    virtual QString openFileNameIn(QWidget *parent, const QString &caption, const QStringList &filters,
                                   const QString &defaultSuffix, const FileDialogPlace &place);
    virtual QString saveFileNameIn(QWidget *parent, const QString &caption, const QStringList &filters,
                                   const QString &defaultSuffix, const FileDialogPlace &place);

    // A folder dialog opening in `startFolder`; an empty result means the user cancelled. Services
    // without one answer Cancel.
    virtual QString chooseFolder(QWidget *parent, const QString &caption, const QString &startFolder);

    // The shared wait window.
    virtual void showWait(const QString &info) = 0;
    virtual void setWaitPercent(int percent) = 0;
    virtual void setWaitNumber(const QString &number) = 0;
    virtual void hideWait() = 0;

    // Asks for a printer; false when the user cancelled. The printer is set up for the job.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;

    // Opens the help window at a topic (a page name under help/, without extension).
    virtual void showHelp(QWidget *parent, const QString &topic) = 0;
    // Shows a plain-text report (a tally check, the token list) in the help window's viewer.
    // Services without a viewer show it as a message.
    virtual void showText(QWidget *parent, const QString &title, const QString &text);
    // Opens an outside address (web site, mail) with the system's handler; an address of a help page
    // ("qrc:/help/...") opens in the help window instead. False when nothing could open it.
    virtual bool openAddress(const QString &address) = 0;
    // Starts an outside program without waiting for it; false when it could not be started.
    virtual bool startProgram(const QString &program) = 0;
};

// The design's shared routines, over a Services object.
void ReportError(Services &services, QWidget *parent, const QString &text);
void ReportFileError(Services &services, QWidget *parent, const FileError &error);
void ShowMessage(Services &services, QWidget *parent, const QString &text, const QString &title);
void ReportSaved(Services &services, QWidget *parent, const QString &fileName);
// True when the user confirmed; the caller then ends the program.
bool ConfirmQuit(Services &services, QWidget *parent);
// The wait window with its usual text ("Calculating, please wait..."), and its end.
void ShowWait(Services &services);
void HideWait(Services &services);

} // namespace rollscan
