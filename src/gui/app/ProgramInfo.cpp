#include "gui/app/ProgramInfo.h"

namespace rollscan {

QString VersionText(int major, int minor, int patch)
{
    return QString::number(major) + QLatin1Char('.') + QString::number(minor) + QLatin1Char('.') +
           QString::number(patch);
}

QString VersionedTitle(const QString &caption, int major, int minor, int patch)
{
    return caption + QStringLiteral(" v") + VersionText(major, minor, patch);
}

QString ProgramVersion()
{
    return VersionText(kVersionMajor, kVersionMinor, kVersionPatch);
}

} // namespace rollscan
