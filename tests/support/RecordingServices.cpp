#include "support/RecordingServices.h"

#include <QPrinter>

namespace rollscan {

void RecordingServices::message(QWidget *, const QString &text, const QString &title, Icon icon)
{
    messages.append({text, title, icon});
    log.append(QStringLiteral("message"));
}

bool RecordingServices::question(QWidget *, const QString &text, const QString &title)
{
    questions.append({text, title, Icon::Question});
    log.append(QStringLiteral("question"));
    return questionAnswers.isEmpty() ? false : questionAnswers.dequeue();
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
    log.append(QStringLiteral("file dialog"));
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
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
    log.append(QStringLiteral("showWait"));
}

void RecordingServices::setWaitPercent(int percent)
{
    waitPercents.append(percent);
    log.append(QStringLiteral("percent"));
}

void RecordingServices::setWaitNumber(const QString &number)
{
    waitNumbers.append(number);
    log.append(QStringLiteral("number"));
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
    log.append(QStringLiteral("printer"));
    return answer;
}

void RecordingServices::showHelp(QWidget *, const QString &topic)
{
    helpTopics.append(topic);
    log.append(QStringLiteral("help"));
}

void RecordingServices::showText(QWidget *, const QString &title, const QString &)
{
    shownTitles.append(title);
    log.append(QStringLiteral("text"));
}

// Nothing is opened or started; the call only joins the log.
bool RecordingServices::openAddress(const QString &)
{
    log.append(QStringLiteral("address"));
    return true;
}

bool RecordingServices::startProgram(const QString &)
{
    log.append(QStringLiteral("program"));
    return true;
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

} // namespace rollscan
