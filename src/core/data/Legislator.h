#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>

namespace rollscan {

class ByteReader;

// One member of a congress as every display reads it: the fields of the standard 50-byte record
// plus the record number it came from (which is also its row in the vote file).
struct Legislator {
    QString name;         // 12 characters as stored, padding kept; see trimmedName()
    qint16 stateCode = 0; // also the record number of the state in "state.dat"
    qint16 district = 0;
    qint16 partyCode = 0;
    float coord1 = 0.0f; // first spatial coordinate, -1..1
    float coord2 = 0.0f; // second spatial coordinate, -1..1
    qint32 id1 = 0;
    qint16 id2 = 0;
    qint16 reserved1 = 0;
    qint16 reserved2 = 0;
    qint16 seedCount = 0; // fill-seed points of the district on the drawn US map, 0..3
    std::array<qint16, 3> seedX{};
    std::array<qint16, 3> seedY{};
    int recordNumber = 0; // 1-based

    QString trimmedName() const;
    bool operator==(const Legislator &) const = default;
};

// 62 bytes for the extended layout, 50 for the standard one.
int LegislatorRecordLength(bool newDataFormat);

// The standard 50-byte record made from an extended 62-byte one (its first 50 bytes, field by field).
QByteArray ToOldLegislator(const QByteArray &extended);

// Decodes the standard record at `offset`; the record number is left 0.
Legislator DecodeLegislator(const ByteReader &in, qint64 offset);

// Encodes `l` in the standard or the extended layout (extended reserved bytes are zero).
QByteArray EncodeLegislator(const Legislator &l, bool newDataFormat);

// Reads records 1..count of a legislator file. Throws FileError 53 when missing, 62 when the file
// holds fewer than `count` records, 321 when `count` is negative.
QList<Legislator> ReadLegislators(const QString &path, int count, bool newDataFormat);

void WriteLegislators(const QString &path, const QList<Legislator> &legislators, bool newDataFormat);

} // namespace rollscan
