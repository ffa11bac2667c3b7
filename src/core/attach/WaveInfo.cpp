#include "core/attach/WaveInfo.h"

#include "core/data/FileError.h"
#include "core/data/FileIO.h"

#include <QtEndian>

namespace rollscan {

namespace {
// RIFF header: "RIFF", the size of the rest, "WAVE"; then chunks of a 4-byte tag and a 4-byte size.
constexpr int kRiffHeader = 12;
constexpr int kChunkHeader = 8;
// The "fmt " chunk: format (2), channels (2), sample rate (4), byte rate (4), block align (2),
// bits per sample (2).
constexpr int kFmtChannels = 2;
constexpr int kFmtSampleRate = 4;
constexpr int kFmtByteRate = 8;
constexpr int kFmtBits = 14;
constexpr int kFmtMinSize = 16;

[[noreturn]] void bad(const QString &path, const QString &what)
{
    throw FileError(FileErrorNumber::BadFormat, path, what);
}

quint32 u32(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 u16(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}
} // namespace

qint64 WaveInfo::durationMs() const
{
    return byteRate > 0 ? dataBytes * 1000 / byteRate : 0;
}

WaveInfo WaveInfo::FromBytes(const QByteArray &bytes, const QString &path)
{
    if (bytes.size() < kRiffHeader || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        bad(path, QStringLiteral("Not a waveform sound file"));
    WaveInfo info;
    bool haveFormat = false, haveData = false;
    qsizetype at = kRiffHeader;
    while (at + kChunkHeader <= bytes.size() && !(haveFormat && haveData)) {
        const QByteArray tag = bytes.mid(at, 4);
        const qint64 size = u32(bytes, at + 4);
        const qsizetype body = at + kChunkHeader;
        if (tag == "fmt ") {
            if (size < kFmtMinSize || body + kFmtMinSize > bytes.size())
                bad(path, QStringLiteral("The sound format chunk is too short"));
            info.channels = u16(bytes, body + kFmtChannels);
            info.sampleRate = int(u32(bytes, body + kFmtSampleRate));
            info.byteRate = u32(bytes, body + kFmtByteRate);
            info.bitsPerSample = u16(bytes, body + kFmtBits);
            haveFormat = true;
        } else if (tag == "data") {
            // Recorders that were stopped abruptly leave a size larger than the file: count what is there.
            info.dataBytes = std::min<qint64>(size, bytes.size() - body);
            haveData = true;
        }
        // Chunks are padded to an even size.
        at = body + size + (size & 1);
    }
    if (!haveFormat || !haveData)
        bad(path, QStringLiteral("The sound file has no format or no data"));
    return info;
}

WaveInfo WaveInfo::Read(const QString &path)
{
    return FromBytes(ReadWholeFile(path), path);
}

QString FormatSeconds(qint64 milliseconds)
{
    return QString::number(double(milliseconds) / 1000.0, 'f', 2);
}

} // namespace rollscan
