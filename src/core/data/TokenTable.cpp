#include "core/data/TokenTable.h"

#include "core/data/Bytes.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"

namespace rollscan {

namespace {
constexpr int kSymbol = 0;
constexpr int kValue = 1;
constexpr int kName = 3, kNameWidth = 30;
} // namespace

TokenTable TokenTable::Read(const QString &path)
{
    const QByteArray data = ReadWholeFile(path);
    if (data.size() % kRecordLength != 0 || data.size() < kMinRecords * kRecordLength)
        throw FileError(FileErrorNumber::PastEnd, path,
                        QStringLiteral("Size %1 does not hold at least 38 whole 33-byte records").arg(data.size()));
    const ByteReader in(data, path);
    TokenTable t;
    for (qsizetype off = 0; off < data.size(); off += kRecordLength)
        t.records.append(
            {in.text(off + kSymbol, 1).at(0), in.i16(off + kValue), in.text(off + kName, kNameWidth).trimmed()});
    return t;
}

void TokenTable::write(const QString &path) const
{
    QByteArray out;
    for (const TokenRecord &r : records) {
        ByteWriter w(kRecordLength);
        w.setText(kSymbol, QString(r.symbol), 1);
        w.setI16(kValue, r.value);
        w.setText(kName, r.name, kNameWidth);
        out.append(w.data());
    }
    WriteWholeFile(path, out);
}

const TokenRecord *TokenTable::find(int index) const
{
    return (index >= 1 && index <= records.size()) ? &records[index - 1] : nullptr;
}

} // namespace rollscan
