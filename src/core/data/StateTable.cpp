#include "core/data/StateTable.h"

#include "core/data/Bytes.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"

namespace rollscan {

namespace {
constexpr int kName = 0, kNameWidth = 15;
constexpr int kPostal = 15, kPostalWidth = 2;
constexpr int kReserved = 17;
} // namespace

StateTable StateTable::Read(const QString &path)
{
    const QByteArray data = ReadWholeFile(path);
    if (data.size() % kRecordLength != 0)
        throw FileError(FileErrorNumber::PastEnd, path,
                        QStringLiteral("Size %1 is not a whole number of 19-byte records").arg(data.size()));
    const ByteReader in(data, path);
    StateTable t;
    t.path = path;
    for (qsizetype off = 0; off < data.size(); off += kRecordLength) {
        StateRecord r;
        r.name = in.text(off + kName, kNameWidth).trimmed();
        r.postal = in.text(off + kPostal, kPostalWidth);
        r.reserved = in.i16(off + kReserved);
        t.records.append(r);
    }
    return t;
}

void StateTable::write(const QString &target) const
{
    QByteArray out;
    for (const StateRecord &r : records) {
        ByteWriter w(kRecordLength);
        w.setText(kName, r.name, kNameWidth);
        w.setText(kPostal, r.postal, kPostalWidth);
        w.setI16(kReserved, r.reserved);
        out.append(w.data());
    }
    WriteWholeFile(target, out);
}

const StateRecord *StateTable::find(int code) const
{
    return (code >= 1 && code <= records.size()) ? &records[code - 1] : nullptr;
}

QString StateTable::name(int code) const
{
    if (const StateRecord *r = find(code))
        return r->name;
    throw FileError(FileErrorNumber::PastEnd, path, QStringLiteral("No record for state code %1").arg(code));
}

} // namespace rollscan
