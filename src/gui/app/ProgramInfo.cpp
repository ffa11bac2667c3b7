#include "gui/app/ProgramInfo.h"

// The icon is compiled into the library; a static library's resources must be registered by hand.
static void RegisterProgramResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(dist);
        return true;
    }();
    Q_UNUSED(registered);
}

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

QIcon ProgramIcon()
{
    RegisterProgramResources();
    return QIcon(QStringLiteral(":/dist/rollscan.svg"));
}

} // namespace rollscan
