#pragma once

// Shared parts of the libFuzzer targets: a private folder for the files a reader must open, and the
// rule that a reader may refuse input only with the program's own file and data errors. Anything
// else it throws escapes the target and is reported as a crash.
#include "core/data/FileError.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace rollscan::fuzz {

// A folder that lives as long as the fuzzing process.
inline const QString &WorkFolder()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/rollscan-fuzz-XXXXXX"));
    static const QString path = dir.path();
    return path;
}

// Writes `bytes` to `name` in the work folder and returns its path.
inline QString PutFile(const QString &name, const QByteArray &bytes)
{
    const QString path = WorkFolder() + QLatin1Char('/') + name;
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
    return path;
}

// Reads the input in order: small numbers first, the rest as file contents.
class Input {
public:
    Input(const uint8_t *data, size_t size) : m_data(reinterpret_cast<const char *>(data)), m_size(size) {}

    // The next byte, or 0 past the end.
    int byte() { return m_at < m_size ? static_cast<unsigned char>(m_data[m_at++]) : 0; }
    // The next two bytes as a little-endian number 0..65535.
    int word() { return byte() | (byte() << 8); }
    // The next `n` bytes (fewer at the end).
    QByteArray take(size_t n)
    {
        const size_t k = n < m_size - m_at ? n : m_size - m_at;
        QByteArray out(m_data + m_at, qsizetype(k));
        m_at += k;
        return out;
    }
    QByteArray rest() { return take(m_size - m_at); }

private:
    const char *m_data;
    size_t m_size;
    size_t m_at = 0;
};

// Runs `body`, accepting the refusals the program reports to the user.
template <typename F> void Refusable(F &&body)
{
    try {
        body();
    } catch (const FileError &) {
    } catch (const DataError &) {
    }
}

} // namespace rollscan::fuzz
