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
    return answer;
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
