#include "core/data/Description.h"

#include "core/data/Bytes.h"
#include "core/data/Cp1252.h"
#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"

namespace rollscan {

namespace {
constexpr int kIndexRecordLength = 4;
constexpr int kLengthOffset = 58; // int16 length of the free text
constexpr int kTextOffset = 60;

DescriptionBytes entryBytes(const ByteReader &dbn, qint32 position)
{
    if (position < 1)
        throw FileError(FileErrorNumber::PastEnd, dbn.path(),
                        QStringLiteral("Description position %1 lies outside the file").arg(position));
    const qint64 at = qint64(position) - 1;
    DescriptionBytes b;
    qint64 field = at;
    for (int i = 0; i < 5; ++i) {
        b.header[i] = dbn.bytes(field, Description::kHeaderWidths[i]);
        field += Description::kHeaderWidths[i];
    }
    const qint16 length = dbn.i16(at + kLengthOffset);
    if (length < 0)
        throw FileError(FileErrorNumber::BadFormat, dbn.path(),
                        QStringLiteral("Description at position %1 has a negative length").arg(position));
    b.text = dbn.bytes(at + kTextOffset, length);
    return b;
}

Description decodeEntry(const ByteReader &dbn, qint32 position)
{
    const DescriptionBytes b = entryBytes(dbn, position);
    Description d;
    for (int i = 0; i < 5; ++i)
        d.header[i] = DecodeCp1252(b.header[i]);
    d.text = DecodeCp1252(b.text);
    return d;
}
} // namespace

Description ReadDescription(const QString &root, bool isHouse, int congress, int r)
{
    return ReadDescriptionFiles(CongressFileName(root, isHouse, congress, QStringLiteral(".din")),
                                CongressFileName(root, isHouse, congress, QStringLiteral(".dbn")), r);
}

Description ReadDescriptionFiles(const QString &dinPath, const QString &dbnPath, int r)
{
    const QByteArray din = ReadWholeFile(dinPath);
    const ByteReader index(din, dinPath);
    if (r < 1)
        throw FileError(FileErrorNumber::BadFileName, dinPath, QStringLiteral("Bad record number %1").arg(r));
    const qint32 position = index.i32(qint64(r - 1) * kIndexRecordLength);
    const QByteArray dbn = ReadWholeFile(dbnPath);
    return decodeEntry(ByteReader(dbn, dbnPath), position);
}

QList<Description> ReadAllDescriptions(const QString &dinPath, const QString &dbnPath, int count)
{
    const QByteArray din = ReadWholeFile(dinPath);
    const ByteReader index(din, dinPath);
    if (count < 0)
        throw FileError(FileErrorNumber::BadFormat, dinPath, QStringLiteral("Negative count %1").arg(count));
    index.need(0, qint64(count) * kIndexRecordLength);
    const QByteArray dbnData = ReadWholeFile(dbnPath);
    const ByteReader dbn(dbnData, dbnPath);
    QList<Description> out;
    out.reserve(count);
    for (int r = 1; r <= count; ++r)
        out.append(decodeEntry(dbn, index.i32(qint64(r - 1) * kIndexRecordLength)));
    return out;
}

DescriptionBytes DescriptionEntryBytes(const ByteReader &din, const ByteReader &dbn, int r)
{
    if (r < 1)
        throw FileError(FileErrorNumber::BadFileName, din.path(), QStringLiteral("Bad record number %1").arg(r));
    return entryBytes(dbn, din.i32(qint64(r - 1) * kIndexRecordLength));
}

void WriteDescriptions(const QString &dinPath, const QString &dbnPath, const QList<Description> &entries)
{
    QByteArray din;
    QByteArray dbn;
    for (const Description &d : entries) {
        ByteWriter index(kIndexRecordLength);
        index.setI32(0, qint32(dbn.size() + 1));
        din.append(index.data());
        ByteWriter entry(kTextOffset + d.text.size());
        int field = 0;
        for (int i = 0; i < 5; ++i) {
            entry.setText(field, d.header[i], Description::kHeaderWidths[i]);
            field += Description::kHeaderWidths[i];
        }
        if (d.text.size() > 32767)
            throw DataError(QStringLiteral("A description text is longer than 32767 characters"));
        entry.setI16(kLengthOffset, qint16(d.text.size()));
        entry.setText(kTextOffset, d.text, int(d.text.size()));
        dbn.append(entry.data());
    }
    WriteWholeFile(dinPath, din);
    WriteWholeFile(dbnPath, dbn);
}

} // namespace rollscan
