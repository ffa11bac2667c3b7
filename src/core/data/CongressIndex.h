#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

namespace rollscan {

// One record of "houses.dat" (10 bytes) or "senates.dat" (4 bytes); record number = congress.
struct CongressCounts {
    qint16 legislatorCount = 0;
    qint16 rollCallCount = 0;
    qint16 districtCount = 0;     // House only
    qint16 reserved = 0;          // House only; carried, never interpreted
    qint16 outlinePointCount = 0; // House only

    bool operator==(const CongressCounts &) const = default;
};

// Record length of the index file of a chamber: 10 for the House, 4 for the Senate.
int CongressIndexRecordLength(bool isHouse);

// Path of "main/houses.dat" or "main/senates.dat" below `root`.
QString CongressIndexFileName(const QString &root, bool isHouse);

// Reads every record of an index file; element 0 is congress 1. Throws FileError (53, 62 when the
// file's size is not a whole number of records).
QList<CongressCounts> ReadCongressIndex(const QString &path, bool isHouse);

// Writes an index file whose record n describes congress n (element n - 1).
void WriteCongressIndex(const QString &path, bool isHouse, const QList<CongressCounts> &records);

// The counts of congress `congress` from the chamber's index file below `root`. A record beyond the
// file's end raises FileError 62; negative counts raise FileError 321.
CongressCounts LoadCongressCounts(const QString &root, bool isHouse, int congress);

} // namespace rollscan
