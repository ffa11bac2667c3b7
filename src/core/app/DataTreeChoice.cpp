#include "core/app/DataTreeChoice.h"

#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace rollscan {

namespace {
QString canonical(const QString &folder)
{
    const QString c = QFileInfo(folder).canonicalFilePath();
    return c.isEmpty() ? QDir::cleanPath(QFileInfo(folder).absoluteFilePath()) : c;
}

// Copies every file below `from` into `to`, which must not exist yet.
void copyTree(const QString &from, const QString &to)
{
    const QDir source(from);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    if (!QDir().mkpath(to))
        throw FileError(FileErrorNumber::PathNotFound, to, QStringLiteral("The folder could not be made"));
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = QDir(to).filePath(source.relativeFilePath(path));
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(target))
                throw FileError(FileErrorNumber::PathNotFound, target, QStringLiteral("The folder could not be made"));
        } else if (!QFile::copy(path, target)) {
            throw FileError(FileErrorNumber::AccessError, target, QStringLiteral("The file could not be copied"));
        }
    }
    // Copies of read-only files are read-only too; the copy exists to be written.
    QDirIterator files(to, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner | QFile::ReadOwner);
    }
}
} // namespace

bool DataTreeChoice::IsDataTree(const QString &folder)
{
    return !folder.isEmpty() && QFileInfo(folder).isDir() && QFileInfo(ResolvePath(folder, kPreferencesFile)).isFile();
}

QString DataTreeChoice::StartTree(const QString &commandLine, const QString &lastUsed, const QString &sample)
{
    if (!commandLine.isEmpty())
        return commandLine;
    if (IsDataTree(lastUsed))
        return lastUsed;
    return sample;
}

QStringList DataTreeChoice::AddRecent(const QStringList &recent, const QString &tree)
{
    const QString key = canonical(tree);
    QStringList out{key};
    for (const QString &entry : recent) {
        if (out.size() == kRecentCount)
            break;
        if (!entry.isEmpty() && canonical(entry) != key)
            out.append(entry);
    }
    return out;
}

QString DataTreeChoice::WritableTree(const QString &tree, bool readOnly, const QString &copyFolder)
{
    if (!readOnly)
        return tree;
    // A copy made before holds the user's preferences and notes: it is never replaced.
    if (IsDataTree(copyFolder))
        return copyFolder;
    const QString partial = copyFolder + QStringLiteral(".partial");
    QDir(partial).removeRecursively();
    try {
        copyTree(tree, partial);
    } catch (const FileError &) {
        QDir(partial).removeRecursively();
        throw;
    }
    QDir(copyFolder).removeRecursively();
    if (!QDir().rename(partial, copyFolder)) {
        QDir(partial).removeRecursively();
        throw FileError(FileErrorNumber::AccessError, copyFolder, QStringLiteral("The copy could not be put in place"));
    }
    return copyFolder;
}

QString DataTreeChoice::NotATreeText(const QString &folder)
{
    return QStringLiteral("The folder ") + QDir::toNativeSeparators(folder) +
           QStringLiteral(
               " is not a Rollscan data tree: it has no 'rollscan.prf' file. The current data tree stays open.");
}

} // namespace rollscan
