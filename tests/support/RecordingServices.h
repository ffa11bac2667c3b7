#pragma once

#include "gui/services/Services.h"

#include <QList>
#include <QQueue>

namespace rollscan {

// Services for tests: nothing is shown and nothing blocks. Every message, question, dialog, wait
// window call, help topic and address is recorded in order; questions, file dialogs and printer
// dialogs are answered from queues the test prepares (an empty queue answers Cancel).
class RecordingServices : public Services {
public:
    struct Message {
        QString text;
        QString title;
        Icon icon = Icon::None;
    };
    struct FileDialogCall {
        bool save = false;
        QString caption;
        QStringList filters;
        QString defaultSuffix;
        QString folder; // the folder asked for, if any
        bool appending = false;
    };

    // Recorded calls.
    QList<Message> messages;  // message() calls
    QList<Message> questions; // question() calls (icon is Question)
    int beeps = 0;
    QList<FileDialogCall> fileDialogs;
    QStringList waitInfos;   // the text of each showWait()
    QList<int> waitPercents; // every percent set, in order
    QStringList waitNumbers; // every number text set, in order
    int waitShown = 0, waitHidden = 0;
    bool waitVisible = false;
    int printerDialogs = 0;
    QStringList helpTopics;
    QStringList shownTitles; // the title of each showText()
    // The beeps, messages and wait window calls in order ("beep", "message", "showWait", "hideWait"), for
    // tests that care about the order of events.
    QStringList log;

    // Prepared answers.
    QQueue<bool> questionAnswers; // true = OK
    QQueue<QString> fileNames;    // answers of the file dialogs; empty string = Cancel
    QQueue<bool> printerAnswers;  // true = print
    // When set, an accepted printer dialog sends the job to this PDF file instead of a printer.
    QString printerPdfFile;

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
    // Answered from fileNames, recorded in fileDialogs with the caption and the start folder.
    QString chooseFolder(QWidget *parent, const QString &caption, const QString &startFolder) override;
    void showWait(const QString &info) override;
    void setWaitPercent(int percent) override { waitPercents.append(percent); }
    void setWaitNumber(const QString &number) override { waitNumbers.append(number); }
    void hideWait() override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
    void showHelp(QWidget *, const QString &topic) override { helpTopics.append(topic); }
    void showText(QWidget *, const QString &title, const QString &) override { shownTitles.append(title); }
    // Nothing is opened or started.
    bool openAddress(const QString &) override { return true; }
    bool startProgram(const QString &) override { return true; }

    // The messages shown under "Rollscan Error", in order.
    QStringList errorTexts() const;
    // The last message (asserted to exist).
    const Message &lastMessage() const;

private:
    QString fileDialog(bool save, const QString &caption, const QStringList &filters, const QString &suffix,
                       const FileDialogPlace &place = {});
};

} // namespace rollscan
