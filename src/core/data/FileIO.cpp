#include "core/data/FileIO.h"

#include "core/data/FileError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace rollscan {

QString ResolvePath(const QString &root, const QString &relative)
{
    QString current = root.isEmpty() ? QStringLiteral(".") : root;
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    bool found = true;
    for (const QString &part : parts) {
        const QString exact = current + QLatin1Char('/') + part;
        if (!found || QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        QString match;
        const QStringList entries =
            QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString &entry : entries) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                match = entry;
                break;
            }
        }
        if (match.isEmpty()) {
            found = false;
            current = exact;
        } else {
            current += QLatin1Char('/') + match;
        }
    }
    return current;
}

QByteArray ReadWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const QFileInfo info(path);
        if (!info.exists()) {
            const bool folderExists = info.absoluteDir().exists();
            throw FileError(folderExists ? FileErrorNumber::NotFound : FileErrorNumber::PathNotFound, path);
        }
        if (info.isDir())
            throw FileError(FileErrorNumber::BadAccess, path, QStringLiteral("Is a folder"));
        throw FileError(FileErrorNumber::AccessError, path, file.errorString());
    }
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(FileErrorNumber::DiskError, path, file.errorString());
    return content;
}

void WriteWholeFile(const QString &path, const QByteArray &content)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        throw FileError(FileErrorNumber::PathNotFound, path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(info.isDir() ? FileErrorNumber::BadAccess : FileErrorNumber::AccessError, path,
                        file.errorString());
    if (file.write(content) != content.size() || !file.flush()) {
        const bool full = file.error() == QFileDevice::ResourceError;
        throw FileError(full ? FileErrorNumber::DiskFull : FileErrorNumber::AccessError, path, file.errorString());
    }
    // A write cut short by a file-size limit or a full disk can come back without an error; the
    // size on disk tells. The new file then never replaces the old one.
    if (file.size() != content.size())
        throw FileError(FileErrorNumber::DiskFull, path,
                        QStringLiteral("Only %1 of %2 bytes could be written").arg(file.size()).arg(content.size()));
    if (!file.commit()) {
        const bool full = file.error() == QFileDevice::ResourceError;
        throw FileError(full ? FileErrorNumber::DiskFull : FileErrorNumber::AccessError, path, file.errorString());
    }
}

} // namespace rollscan
