#include "gui/services/Services.h"

#include "core/data/FileError.h"
#include "core/data/FileErrorExplanation.h"

#include <QDir>

namespace rollscan {

QString Services::openFileNameIn(QWidget *parent, const QString &caption, const QStringList &filters,
                                 const QString &defaultSuffix, const FileDialogPlace &)
{
    return openFileName(parent, caption, filters, defaultSuffix);
}

QString Services::saveFileNameIn(QWidget *parent, const QString &caption, const QStringList &filters,
                                 const QString &defaultSuffix, const FileDialogPlace &)
{
    return saveFileName(parent, caption, filters, defaultSuffix);
}

QString Services::chooseFolder(QWidget *, const QString &, const QString &)
{
    return {};
}

void Services::showText(QWidget *parent, const QString &title, const QString &text)
{
    message(parent, text, title, Icon::Information);
}

void ReportError(Services &services, QWidget *parent, const QString &text)
{
    services.beep();
    services.message(parent, text, kErrorTitle, Services::Icon::Exclamation);
}

void ReportFileError(Services &services, QWidget *parent, const FileError &error)
{
    // The fixed sentence first; the file it concerns on a line of its own so the user can act on it,
    // what is wrong with it in plain words, and the technical detail last for whoever mends the file.
    QString text = error.sentence();
    QStringList below;
    if (!error.path().isEmpty())
        below << QDir::toNativeSeparators(error.path());
    if (const QString plain = FileErrorExplanation(error.number()); !plain.isEmpty())
        below << plain;
    if (error.description() != FileErrorDescription(error.number()))
        below << QStringLiteral("Detail: ") + error.description();
    if (!below.isEmpty())
        text += QStringLiteral("\n\n") + below.join(QLatin1Char('\n'));
    ReportError(services, parent, text);
}

void ShowMessage(Services &services, QWidget *parent, const QString &text, const QString &title)
{
    services.message(parent, text, title, Services::Icon::None);
}

void ReportSaved(Services &services, QWidget *parent, const QString &fileName)
{
    ShowMessage(services, parent,
                QStringLiteral("Output operation was successful. ") + QChar(13) + QStringLiteral("File saved as ") +
                    fileName,
                kOutputTitle);
}

bool ConfirmQuit(Services &services, QWidget *parent)
{
    return services.question(parent, QStringLiteral("Are you sure you want to quit Rollscan for Windows?"),
                             kProgramTitle);
}

void ShowWait(Services &services)
{
    services.showWait(kCalculatingText);
}

void HideWait(Services &services)
{
    services.hideWait();
}

} // namespace rollscan
