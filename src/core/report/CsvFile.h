#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace rollscan {

// Comma-separated values for statistics programs and spreadsheets: UTF-8, one record per line ended
// by CR LF, a field quoted (with its quotes doubled) when it holds a comma, a quote, a CR or an LF.
QByteArray CsvBytes(const QList<QStringList> &records);

// Writes the records through a save file. Throws FileError.
void WriteCsvFile(const QString &path, const QList<QStringList> &records);

} // namespace rollscan
