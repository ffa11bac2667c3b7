#include "core/geomap/StateList.h"

#include "core/data/Bytes.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"

namespace rollscan {

namespace {
// Field layout of one 33-byte record.
constexpr int kName = 0, kNameWidth = 15;
constexpr int kPostal = 15, kPostalWidth = 2;
constexpr int kOrder = 17;
constexpr int kFips = 19;
constexpr int kIcpsr = 21;
constexpr int kReserved = 23;
constexpr int kShort = 25, kShortWidth = 8;
} // namespace

StateList StateList::Read(const QString &path)
{
    const QByteArray data = ReadWholeFile(path);
    if (data.size() != qsizetype(kRecordLength) * kRecords)
        throw FileError(FileErrorNumber::PastEnd, path,
                        QStringLiteral("Size %1 is not 50 records of 33 bytes").arg(data.size()));
    const ByteReader in(data, path);
    StateList list;
    for (qsizetype off = 0; off < data.size(); off += kRecordLength) {
        StateListRecord r;
        r.name = in.text(off + kName, kNameWidth).trimmed();
        r.postal = in.text(off + kPostal, kPostalWidth);
        r.order = in.i16(off + kOrder);
        r.fips = in.i16(off + kFips);
        r.icpsr = in.i16(off + kIcpsr);
        r.reserved = in.i16(off + kReserved);
        r.shortName = in.text(off + kShort, kShortWidth).trimmed();
        list.records.append(r);
    }
    return list;
}

void StateList::write(const QString &path) const
{
    QByteArray out;
    for (const StateListRecord &r : records) {
        ByteWriter w(kRecordLength);
        w.setText(kName, r.name, kNameWidth);
        w.setText(kPostal, r.postal, kPostalWidth);
        w.setI16(kOrder, r.order);
        w.setI16(kFips, r.fips);
        w.setI16(kIcpsr, r.icpsr);
        w.setI16(kReserved, r.reserved);
        w.setText(kShort, r.shortName, kShortWidth);
        out.append(w.data());
    }
    WriteWholeFile(path, out);
}

const StateListRecord *StateList::findIcpsr(int icpsr) const
{
    for (const StateListRecord &r : records)
        if (r.icpsr == icpsr)
            return &r;
    return nullptr;
}

const StateListRecord *StateList::findFips(int fips) const
{
    for (const StateListRecord &r : records)
        if (r.fips == fips)
            return &r;
    return nullptr;
}

QList<int> StateList::fipsOfNames(const QStringList &names) const
{
    QList<int> out;
    for (const StateListRecord &r : records)
        if (names.contains(r.name, Qt::CaseInsensitive))
            out.append(r.fips);
    return out;
}

QStringList StateList::names() const
{
    QStringList out;
    for (const StateListRecord &r : records)
        out.append(r.name);
    return out;
}

} // namespace rollscan
