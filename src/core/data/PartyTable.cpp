#include "core/data/PartyTable.h"

#include "core/data/Bytes.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"

namespace rollscan {

namespace {
constexpr int kCode = 0;
constexpr int kName = 2, kNameWidth = 31;
} // namespace

PartyTable PartyTable::Read(const QString &path)
{
    const QByteArray data = ReadWholeFile(path);
    if (data.size() % kRecordLength != 0)
        throw FileError(FileErrorNumber::PastEnd, path,
                        QStringLiteral("Size %1 is not a whole number of 33-byte records").arg(data.size()));
    const ByteReader in(data, path);
    PartyTable t;
    for (qsizetype off = 0; off < data.size() && t.records.size() < kMaxRecords; off += kRecordLength)
        t.records.append({in.i16(off + kCode), in.text(off + kName, kNameWidth).trimmed()});
    return t;
}

void PartyTable::write(const QString &path) const
{
    QByteArray out;
    for (const PartyRecord &r : records) {
        ByteWriter w(kRecordLength);
        w.setI16(kCode, r.code);
        w.setText(kName, r.name, kNameWidth);
        out.append(w.data());
    }
    WriteWholeFile(path, out);
}

QString PartyTable::name(int code) const
{
    for (const PartyRecord &r : records)
        if (r.code == code)
            return r.name;
    return {};
}

} // namespace rollscan
