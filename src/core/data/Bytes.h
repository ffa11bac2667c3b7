#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtEndian>
#include <QtGlobal>

namespace rollscan {

// Little-endian field decoding over a file held in memory. Every read is bounds-checked: a field
// that reaches past the end raises FileError 62 naming the file, never a read out of bounds.
class ByteReader {
public:
    ByteReader(QByteArrayView data, QString path) : m_data(data), m_path(std::move(path)) {}

    qsizetype size() const { return m_data.size(); }
    const QString &path() const { return m_path; }

    // Throws FileError 62 unless bytes [offset, offset + length) lie inside the data.
    // Inline, since searches check every field of every record.
    void need(qint64 offset, qint64 length) const
    {
        if (offset < 0 || length < 0 || offset > m_data.size() || length > m_data.size() - offset)
            throwPastEnd(offset, length);
    }

    quint8 u8(qint64 offset) const;
    qint16 i16(qint64 offset) const
    {
        need(offset, 2);
        return qFromLittleEndian<qint16>(m_data.data() + offset);
    }
    qint32 i32(qint64 offset) const
    {
        need(offset, 4);
        return qFromLittleEndian<qint32>(m_data.data() + offset);
    }
    float f32(qint64 offset) const;
    double f64(qint64 offset) const;
    QByteArrayView bytes(qint64 offset, qint64 length) const;
    // `length` single-byte characters decoded as Windows-1252, padding kept.
    QString text(qint64 offset, qint64 length) const;

private:
    [[noreturn]] void throwPastEnd(qint64 offset, qint64 length) const;

    QByteArrayView m_data;
    QString m_path;
};

// Little-endian field encoding into a buffer of fixed size (one record). Writing outside the
// buffer is a programming error and asserts.
class ByteWriter {
public:
    explicit ByteWriter(qsizetype size, char fill = '\0') : m_data(size, fill) {}
    explicit ByteWriter(QByteArray initial) : m_data(std::move(initial)) {}

    void setI16(qsizetype offset, qint16 value);
    void setI32(qsizetype offset, qint32 value);
    void setF32(qsizetype offset, float value);
    void setF64(qsizetype offset, double value);
    void setBytes(qsizetype offset, QByteArrayView bytes);
    // Writes `text` as exactly `width` Windows-1252 bytes, space padded.
    void setText(qsizetype offset, const QString &text, int width);

    const QByteArray &data() const { return m_data; }

private:
    QByteArray m_data;
};

} // namespace rollscan
