#include "core/data/Bytes.h"

#include "core/data/Cp1252.h"
#include "core/data/FileError.h"

#include <QtEndian>
#include <cstring>

namespace rollscan {

void ByteReader::throwPastEnd(qint64 offset, qint64 length) const
{
    throw FileError(FileErrorNumber::PastEnd, m_path,
                    QStringLiteral("Input past end of file (%1 bytes at offset %2 of %3)")
                        .arg(length)
                        .arg(offset)
                        .arg(m_data.size()));
}

quint8 ByteReader::u8(qint64 offset) const
{
    need(offset, 1);
    return static_cast<quint8>(m_data[offset]);
}

float ByteReader::f32(qint64 offset) const
{
    const quint32 bits = static_cast<quint32>(i32(offset));
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

double ByteReader::f64(qint64 offset) const
{
    need(offset, 8);
    const quint64 bits = qFromLittleEndian<quint64>(m_data.data() + offset);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

QByteArrayView ByteReader::bytes(qint64 offset, qint64 length) const
{
    need(offset, length);
    return m_data.sliced(offset, length);
}

QString ByteReader::text(qint64 offset, qint64 length) const
{
    return DecodeCp1252(bytes(offset, length));
}

void ByteWriter::setI16(qsizetype offset, qint16 value)
{
    Q_ASSERT(offset >= 0 && offset + 2 <= m_data.size());
    qToLittleEndian<qint16>(value, m_data.data() + offset);
}

void ByteWriter::setI32(qsizetype offset, qint32 value)
{
    Q_ASSERT(offset >= 0 && offset + 4 <= m_data.size());
    qToLittleEndian<qint32>(value, m_data.data() + offset);
}

void ByteWriter::setF32(qsizetype offset, float value)
{
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    setI32(offset, static_cast<qint32>(bits));
}

void ByteWriter::setF64(qsizetype offset, double value)
{
    Q_ASSERT(offset >= 0 && offset + 8 <= m_data.size());
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    qToLittleEndian<quint64>(bits, m_data.data() + offset);
}

void ByteWriter::setBytes(qsizetype offset, QByteArrayView bytes)
{
    Q_ASSERT(offset >= 0 && offset + bytes.size() <= m_data.size());
    std::memcpy(m_data.data() + offset, bytes.data(), static_cast<size_t>(bytes.size()));
}

void ByteWriter::setText(qsizetype offset, const QString &text, int width)
{
    setBytes(offset, EncodeFixedText(text, width));
}

} // namespace rollscan
