#include "convert/CsvReader.h"

#include "core/data/FileError.h"
#include "core/data/FileIO.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace rollscan {

namespace {
bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

// Line breaks in [begin, end): LF, CR LF and a lone CR each count once.
int countLineBreaks(const char *begin, const char *end)
{
    int lines = 0;
    for (const char *p = begin; p < end; ++p) {
        if (*p == '\n')
            ++lines;
        else if (*p == '\r' && (p + 1 == end || p[1] != '\n'))
            ++lines;
    }
    return lines;
}

QByteArrayView trimmed(QByteArrayView v)
{
    while (!v.isEmpty() && (v.front() == ' ' || v.front() == '\t'))
        v = v.sliced(1);
    while (!v.isEmpty() && (v.back() == ' ' || v.back() == '\t'))
        v.chop(1);
    return v;
}

constexpr qsizetype kLongestQuote = 40;

QString shown(QByteArrayView v)
{
    // Enough bytes for 41 characters of any width: a longer field still gets its "...".
    return CsvReader::Quoted(QString::fromUtf8(v.first(std::min(v.size(), (kLongestQuote + 1) * 4))));
}
} // namespace

QString CsvReader::Quoted(const QString &field)
{
    if (field.size() <= kLongestQuote)
        return field;
    return field.first(kLongestQuote) + QStringLiteral("...");
}

CsvReader::CsvReader(QByteArray data, QString path) : m_data(std::move(data)), m_path(std::move(path))
{
    if (m_data.startsWith("\xEF\xBB\xBF"))
        m_pos = 3;
    if (!readRecord())
        failAt(1, QStringLiteral("the table is empty: a header line is needed"));
    for (int i = 0; i < int(m_fields.size()); ++i) {
        const QString name = text(i);
        if (m_columns.contains(name))
            failAt(m_recordLine, QStringLiteral("the header names the column \"%1\" twice").arg(Quoted(name)));
        m_header.append(name);
        m_columns.insert(name, i);
    }
}

CsvReader CsvReader::Open(const QString &path)
{
    return CsvReader(ReadWholeFile(path), path);
}

int CsvReader::requireColumn(const QString &name) const
{
    const int c = column(name);
    if (c < 0)
        failAt(1, QStringLiteral("the table has no column \"%1\"").arg(name));
    return c;
}

bool CsvReader::next()
{
    if (!readRecord())
        return false;
    if (int(m_fields.size()) != columnCount())
        fail(QStringLiteral("the record has %1 fields; the header has %2").arg(m_fields.size()).arg(columnCount()));
    return true;
}

bool CsvReader::readRecord()
{
    m_fields.clear();
    m_buffer.clear();
    const char *d = m_data.constData();
    const qsizetype n = m_data.size();

    while (m_pos < n && isLineEnd(d[m_pos])) {
        if (d[m_pos] == '\r' && m_pos + 1 < n && d[m_pos + 1] == '\n')
            ++m_pos;
        ++m_pos;
        ++m_line;
    }
    if (m_pos >= n)
        return false;
    m_recordLine = m_line;

    for (;;) {
        FieldRef f;
        if (m_pos < n && d[m_pos] == '"') {
            const int openedOn = m_line;
            ++m_pos;
            f.inBuffer = true;
            f.start = m_buffer.size();
            for (;;) {
                const void *q = std::memchr(d + m_pos, '"', size_t(n - m_pos));
                if (!q)
                    failAt(openedOn, QStringLiteral("a quoted field is not closed"));
                const qsizetype at = static_cast<const char *>(q) - d;
                m_line += countLineBreaks(d + m_pos, d + at);
                m_buffer.append(d + m_pos, at - m_pos);
                m_pos = at + 1;
                if (m_pos < n && d[m_pos] == '"') {
                    m_buffer.append('"');
                    ++m_pos;
                    continue;
                }
                break;
            }
            f.length = m_buffer.size() - f.start;
            if (m_pos < n && d[m_pos] != ',' && !isLineEnd(d[m_pos]))
                failAt(m_line, QStringLiteral("text follows the closing quote of a field"));
        } else {
            const qsizetype start = m_pos;
            while (m_pos < n && d[m_pos] != ',' && !isLineEnd(d[m_pos]))
                ++m_pos;
            f.start = start;
            f.length = m_pos - start;
        }
        m_fields.push_back(f);
        if (m_pos >= n)
            break;
        if (d[m_pos] == ',') {
            ++m_pos;
            continue;
        }
        if (d[m_pos] == '\r' && m_pos + 1 < n && d[m_pos + 1] == '\n')
            ++m_pos;
        ++m_pos;
        ++m_line;
        break;
    }
    return true;
}

QByteArrayView CsvReader::field(int column) const
{
    Q_ASSERT(column >= 0 && column < int(m_fields.size()));
    const FieldRef &f = m_fields[size_t(column)];
    const QByteArray &source = f.inBuffer ? m_buffer : m_data;
    return QByteArrayView(source.constData() + f.start, f.length);
}

QString CsvReader::text(int column) const
{
    return QString::fromUtf8(field(column)).trimmed();
}

bool CsvReader::isEmpty(int column) const
{
    return trimmed(field(column)).isEmpty();
}

qint64 CsvReader::integer(int column, const QString &name) const
{
    const QByteArrayView v = trimmed(field(column));
    if (v.isEmpty())
        fail(QStringLiteral("the %1 field is empty").arg(name));
    const char *begin = v.data();
    const char *end = begin + v.size();
    qint64 value = 0;
    const auto [ptr, ec] = std::from_chars(begin + (*begin == '+' ? 1 : 0), end, value);
    bool ok = ec == std::errc() && ptr != begin;
    if (ok && ptr != end) {
        // "1.0": a whole number written as a real, as some tables write district codes.
        ok = *ptr == '.' && ptr + 1 < end;
        for (const char *p = ptr + 1; ok && p < end; ++p)
            ok = *p == '0';
    }
    if (!ok)
        fail(QStringLiteral("the %1 field \"%2\" is not a whole number").arg(name, shown(v)));
    return value;
}

double CsvReader::real(int column, const QString &name, double fallback) const
{
    const QByteArrayView v = trimmed(field(column));
    if (v.isEmpty())
        return fallback;
    const char *begin = v.data() + (v.front() == '+' ? 1 : 0);
    const char *end = v.data() + v.size();
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end || begin == end || !std::isfinite(value))
        fail(QStringLiteral("the %1 field \"%2\" is not a number").arg(name, shown(v)));
    return value;
}

void CsvReader::fail(const QString &message) const
{
    failAt(m_recordLine, message);
}

void CsvReader::failAt(int line, const QString &message) const
{
    throw DataError(QStringLiteral("%1:%2: %3").arg(m_path).arg(line).arg(message));
}

} // namespace rollscan
