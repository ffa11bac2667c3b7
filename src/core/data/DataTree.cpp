#include "core/data/DataTree.h"

#include "core/data/FileIO.h"

namespace rollscan {

QString CongressFileName(const QString &root, bool isHouse, int congress, const QString &extension)
{
    const QString name = QString::number(congress) + (isHouse ? QString() : QStringLiteral("s")) + extension;
    return DataFileName(root, isHouse ? kHouseDir : kSenateDir, name);
}

QString DataFileName(const QString &root, const QString &folder, const QString &name)
{
    return ResolvePath(root, folder + QLatin1Char('/') + name);
}

QString DataFolder(const QString &root, const QString &folder)
{
    return ResolvePath(root, folder);
}

} // namespace rollscan
