#pragma once

#include <QByteArray>
#include <QString>

namespace rollscan {

// Finds `relative` (components separated by '/') below `root`. A component missing under its exact
// name is matched case-insensitively, since data trees are often copied from case-insensitive file
// systems ("HOUSE/97.LCR"). Components that exist under no spelling are kept as written, so the
// result also serves as the path of a file about to be created.
QString ResolvePath(const QString &root, const QString &relative);

// Reads a whole file. Throws FileError 53 (missing file), 76 (missing folder) or 54/75 (unreadable).
QByteArray ReadWholeFile(const QString &path);

// Writes a whole file through QSaveFile: either the complete new content lands or the old file
// stays as it was. Throws FileError (76 missing folder, 61 disk full, 75 otherwise).
void WriteWholeFile(const QString &path, const QByteArray &content);

} // namespace rollscan
