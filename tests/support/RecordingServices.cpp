#include "support/RecordingServices.h"

#include <QPrinter>

namespace rollscan {

void RecordingServices::message(QWidget *, const QString &text, const QString &title, Icon icon)
{
    messages.append({text, title, icon});
    log.append(QStringLiteral("message: ") + title + QStringLiteral(": ") + text);
}

bool RecordingServices::question(QWidget *, const QString &text, const QString &title)
{
    questions.append({text, title, Icon::Question});
    const bool answer = questionAnswers.isEmpty() ? false : questionAnswers.dequeue();
    log.append(QStringLiteral("question: ") + title + QStringLiteral(": ") + text +
               (answer ? QStringLiteral(" -> OK") : QStringLiteral(" -> Cancel")));
    return answer;
}

void RecordingServices::beep()
{
    ++beeps;
    log.append(QStringLiteral("beep"));
}

QString RecordingServices::fileDialog(bool save, const QString &caption, const QStringList &filters,
                                      const QString &suffix, const FileDialogPlace &place)
{
    fileDialogs.append({save, caption, filters, suffix, place.folder, place.appending});
    const QString answer = fileNames.isEmpty() ? QString() : fileNames.dequeue();
    log.append((save ? QStringLiteral("save dialog: ") : QStringLiteral("open dialog: ")) + caption +
               QStringLiteral(" -> ") + (answer.isEmpty() ? QStringLiteral("Cancel") : answer));
    return answer;
}

QString RecordingServices::chooseFolder(QWidget *, const QString &caption, const QString &startFolder)
{
    return fileDialog(false, caption, {}, {}, FileDialogPlace{startFolder, false});
}

QString RecordingServices::openFileName(QWidget *, const QString &caption, const QStringList &filters,
                                        const QString &defaultSuffix)
{
    return fileDialog(false, caption, filters, defaultSuffix);
}

QString RecordingServices::saveFileName(QWidget *, const QString &caption, const QStringList &filters,
                                        const QString &defaultSuffix)
{
    return fileDialog(true, caption, filters, defaultSuffix);
}

QString RecordingServices::openFileNameIn(QWidget *, const QString &caption, const QStringList &filters,
                                          const QString &defaultSuffix, const FileDialogPlace &place)
{
    return fileDialog(false, caption, filters, defaultSuffix, place);
}

QString RecordingServices::saveFileNameIn(QWidget *, const QString &caption, const QStringList &filters,
                                          const QString &defaultSuffix, const FileDialogPlace &place)
{
    return fileDialog(true, caption, filters, defaultSuffix, place);
}

void RecordingServices::showWait(const QString &info)
{
    waitInfos.append(info);
    waitNumbers.append(QString());
    ++waitShown;
    waitVisible = true;
    log.append(QStringLiteral("showWait: ") + info);
}

void RecordingServices::setWaitPercent(int percent)
{
    waitPercents.append(percent);
    log.append(QStringLiteral("percent: ") + QString::number(percent));
}

void RecordingServices::setWaitNumber(const QString &number)
{
    waitNumbers.append(number);
    log.append(QStringLiteral("number: ") + number);
}

void RecordingServices::hideWait()
{
    ++waitHidden;
    waitVisible = false;
    log.append(QStringLiteral("hideWait"));
}

bool RecordingServices::choosePrinter(QWidget *, QPrinter &printer)
{
    ++printerDialogs;
    const bool answer = printerAnswers.isEmpty() ? false : printerAnswers.dequeue();
    if (answer && !printerPdfFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printerPdfFile);
    }
    log.append(answer ? QStringLiteral("printer: OK") : QStringLiteral("printer: Cancel"));
    return answer;
}

void RecordingServices::showHelp(QWidget *, const QString &topic)
{
    helpTopics.append(topic);
    log.append(QStringLiteral("help: ") + topic);
}

void RecordingServices::showText(QWidget *, const QString &title, const QString &text)
{
    shownTexts.append({title, text});
    log.append(QStringLiteral("text: ") + title);
}

bool RecordingServices::openAddress(const QString &address)
{
    openedAddresses.append(address);
    log.append(QStringLiteral("address: ") + address);
    return openAddressResult;
}

bool RecordingServices::startProgram(const QString &program)
{
    startedPrograms.append(program);
    log.append(QStringLiteral("program: ") + program);
    return startProgramResult;
}

QStringList RecordingServices::errorTexts() const
{
    QStringList out;
    for (const Message &m : messages) {
        if (m.title == kErrorTitle)
            out.append(m.text);
    }
    return out;
}

const RecordingServices::Message &RecordingServices::lastMessage() const
{
    Q_ASSERT(!messages.isEmpty());
    return messages.constLast();
}

void RecordingServices::clearRecords()
{
    messages.clear();
    questions.clear();
    beeps = 0;
    fileDialogs.clear();
    waitInfos.clear();
    waitPercents.clear();
    waitNumbers.clear();
    waitShown = waitHidden = 0;
    waitVisible = false;
    printerDialogs = 0;
    helpTopics.clear();
    shownTexts.clear();
    openedAddresses.clear();
    startedPrograms.clear();
    log.clear();
}

} // namespace rollscan
