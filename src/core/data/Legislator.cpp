#include "core/data/Legislator.h"

#include "core/data/Bytes.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"

namespace rollscan {

namespace {
// Standard record layout (the extended record adds 12 reserved bytes at 50..61).
constexpr int kName = 0, kNameWidth = 12;
constexpr int kState = 12;
constexpr int kDistrict = 14;
constexpr int kParty = 16;
constexpr int kCoord1 = 18;
constexpr int kCoord2 = 22;
constexpr int kId1 = 26;
constexpr int kId2 = 30;
constexpr int kReserved1 = 32;
constexpr int kReserved2 = 34;
constexpr int kSeedCount = 36;
constexpr int kSeeds = 38; // three (x, y) pairs of int16
constexpr int kStandardLength = 50;
constexpr int kExtendedLength = 62;
} // namespace

QString Legislator::trimmedName() const
{
    QString n = name;
    while (!n.isEmpty() && n.back() == QLatin1Char(' '))
        n.chop(1);
    return n;
}

int LegislatorRecordLength(bool newDataFormat)
{
    return newDataFormat ? kExtendedLength : kStandardLength;
}

QByteArray ToOldLegislator(const QByteArray &extended)
{
    const ByteReader in(extended, QStringLiteral("(legislator record)"));
    return EncodeLegislator(DecodeLegislator(in, 0), false);
}

Legislator DecodeLegislator(const ByteReader &in, qint64 offset)
{
    in.need(offset, kStandardLength);
    Legislator l;
    l.name = in.text(offset + kName, kNameWidth);
    l.stateCode = in.i16(offset + kState);
    l.district = in.i16(offset + kDistrict);
    l.partyCode = in.i16(offset + kParty);
    l.coord1 = in.f32(offset + kCoord1);
    l.coord2 = in.f32(offset + kCoord2);
    l.id1 = in.i32(offset + kId1);
    l.id2 = in.i16(offset + kId2);
    l.reserved1 = in.i16(offset + kReserved1);
    l.reserved2 = in.i16(offset + kReserved2);
    l.seedCount = in.i16(offset + kSeedCount);
    for (int i = 0; i < 3; ++i) {
        l.seedX[i] = in.i16(offset + kSeeds + 4 * i);
        l.seedY[i] = in.i16(offset + kSeeds + 4 * i + 2);
    }
    return l;
}

QByteArray EncodeLegislator(const Legislator &l, bool newDataFormat)
{
    ByteWriter w(LegislatorRecordLength(newDataFormat));
    w.setText(kName, l.name, kNameWidth);
    w.setI16(kState, l.stateCode);
    w.setI16(kDistrict, l.district);
    w.setI16(kParty, l.partyCode);
    w.setF32(kCoord1, l.coord1);
    w.setF32(kCoord2, l.coord2);
    w.setI32(kId1, l.id1);
    w.setI16(kId2, l.id2);
    w.setI16(kReserved1, l.reserved1);
    w.setI16(kReserved2, l.reserved2);
    w.setI16(kSeedCount, l.seedCount);
    for (int i = 0; i < 3; ++i) {
        w.setI16(kSeeds + 4 * i, l.seedX[i]);
        w.setI16(kSeeds + 4 * i + 2, l.seedY[i]);
    }
    return w.data();
}

QList<Legislator> ReadLegislators(const QString &path, int count, bool newDataFormat)
{
    if (count < 0)
        throw FileError(FileErrorNumber::BadFormat, path, QStringLiteral("Negative legislator count %1").arg(count));
    const QByteArray data = ReadWholeFile(path);
    const ByteReader in(data, path);
    const int len = LegislatorRecordLength(newDataFormat);
    in.need(0, qint64(count) * len);
    QList<Legislator> out;
    out.reserve(count);
    for (int m = 1; m <= count; ++m) {
        Legislator l = DecodeLegislator(in, qint64(m - 1) * len);
        l.recordNumber = m;
        out.append(std::move(l));
    }
    return out;
}

void WriteLegislators(const QString &path, const QList<Legislator> &legislators, bool newDataFormat)
{
    QByteArray out;
    out.reserve(legislators.size() * LegislatorRecordLength(newDataFormat));
    for (const Legislator &l : legislators)
        out.append(EncodeLegislator(l, newDataFormat));
    WriteWholeFile(path, out);
}

} // namespace rollscan
