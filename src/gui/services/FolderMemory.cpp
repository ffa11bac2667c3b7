#include "gui/services/FolderMemory.h"

#include <QFileInfo>

namespace rollscan {

QString FolderMemory::folderFor(const QString &kind, const QString &asked, const QString &fallback) const
{
    if (!asked.isEmpty() && QFileInfo(asked).isDir())
        return asked;
    const QString remembered = m_folders.value(kind);
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    return fallback;
}

void FolderMemory::remember(const QString &kind, const QString &chosenFile)
{
    if (!chosenFile.isEmpty())
        m_folders.insert(kind, QFileInfo(chosenFile).absolutePath());
}

} // namespace rollscan
