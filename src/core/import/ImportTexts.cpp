#include "core/import/ImportTexts.h"

#include "core/data/FileError.h"

#include <QDir>

namespace rollscan {

QString ImportErrorText(const FileError &error)
{
    return QStringLiteral("An error (") + QString::number(error.number()) + ImportText::kWhileOpening +
           QLatin1Char('\n') + QDir::toNativeSeparators(error.path()) + QStringLiteral(": ") + error.description();
}

QString ImportPrintTitle(const QString &title)
{
    return QStringLiteral(" ('") + title + QStringLiteral("')");
}

} // namespace rollscan
