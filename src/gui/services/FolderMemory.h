#pragma once

#include <QHash>
#include <QString>

namespace rollscan {

// The folder each kind of file dialog (told apart by its caption) last took a file from, for the
// rest of the session: the next dialog of that kind opens there instead of the working directory.
class FolderMemory {
public:
    // The folder to open a dialog of `kind` in: the one asked for when it exists, else the
    // remembered one when it still exists, else `fallback`.
    QString folderFor(const QString &kind, const QString &asked, const QString &fallback) const;
    // Remembers the folder of `chosenFile`; an empty name (a cancelled dialog) changes nothing.
    void remember(const QString &kind, const QString &chosenFile);

private:
    QHash<QString, QString> m_folders;
};

} // namespace rollscan
