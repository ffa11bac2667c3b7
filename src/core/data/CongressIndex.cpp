#include "core/data/CongressIndex.h"

#include "core/data/Bytes.h"
#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"

namespace rollscan {

namespace {
// Field offsets of an index record.
constexpr int kLegislators = 0;
constexpr int kRollCalls = 2;
constexpr int kDistricts = 4;     // House
constexpr int kReserved = 6;      // House
constexpr int kOutlinePoints = 8; // House

CongressCounts decode(const ByteReader &in, qint64 offset, bool isHouse)
{
    CongressCounts c;
    c.legislatorCount = in.i16(offset + kLegislators);
    c.rollCallCount = in.i16(offset + kRollCalls);
    if (isHouse) {
        c.districtCount = in.i16(offset + kDistricts);
        c.reserved = in.i16(offset + kReserved);
        c.outlinePointCount = in.i16(offset + kOutlinePoints);
    }
    return c;
}
} // namespace

int CongressIndexRecordLength(bool isHouse)
{
    return isHouse ? 10 : 4;
}

QString CongressIndexFileName(const QString &root, bool isHouse)
{
    return DataFileName(root, kMainDir, isHouse ? QStringLiteral("houses.dat") : QStringLiteral("senates.dat"));
}

QList<CongressCounts> ReadCongressIndex(const QString &path, bool isHouse)
{
    const QByteArray data = ReadWholeFile(path);
    const ByteReader in(data, path);
    const int len = CongressIndexRecordLength(isHouse);
    if (data.size() % len != 0)
        throw FileError(FileErrorNumber::PastEnd, path,
                        QStringLiteral("Size %1 is not a whole number of %2-byte records").arg(data.size()).arg(len));
    QList<CongressCounts> out;
    for (qsizetype off = 0; off < data.size(); off += len)
        out.append(decode(in, off, isHouse));
    return out;
}

void WriteCongressIndex(const QString &path, bool isHouse, const QList<CongressCounts> &records)
{
    const int len = CongressIndexRecordLength(isHouse);
    QByteArray out;
    out.reserve(records.size() * len);
    for (const CongressCounts &c : records) {
        ByteWriter w(len);
        w.setI16(kLegislators, c.legislatorCount);
        w.setI16(kRollCalls, c.rollCallCount);
        if (isHouse) {
            w.setI16(kDistricts, c.districtCount);
            w.setI16(kReserved, c.reserved);
            w.setI16(kOutlinePoints, c.outlinePointCount);
        }
        out.append(w.data());
    }
    WriteWholeFile(path, out);
}

CongressCounts LoadCongressCounts(const QString &root, bool isHouse, int congress)
{
    const QString path = CongressIndexFileName(root, isHouse);
    const QByteArray data = ReadWholeFile(path);
    const ByteReader in(data, path);
    const int len = CongressIndexRecordLength(isHouse);
    if (congress < 1)
        throw FileError(FileErrorNumber::BadFileName, path, QStringLiteral("Bad record number %1").arg(congress));
    const CongressCounts c = decode(in, qint64(congress - 1) * len, isHouse);
    if (c.legislatorCount < 0 || c.rollCallCount < 0)
        throw FileError(FileErrorNumber::BadFormat, path,
                        QStringLiteral("Negative count in the record of congress %1").arg(congress));
    return c;
}

} // namespace rollscan
