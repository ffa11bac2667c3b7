#pragma once

#include <QByteArray>
#include <QString>

namespace rollscan {

// What the header of a waveform sound file says about it, read without decoding the sound, so that
// its length is known even where nothing can play it.
struct WaveInfo {
    int channels = 0;
    int sampleRate = 0; // samples per second
    int bitsPerSample = 0;
    qint64 byteRate = 0;  // bytes per second of sound
    qint64 dataBytes = 0; // size of the sound data (cut to what the file holds)

    // Length of the sound in milliseconds (0 when the byte rate is 0).
    qint64 durationMs() const;

    // Reads a RIFF/WAVE header from the bytes of a file. Throws FileError 321 (bad format) naming
    // `path` when the bytes are not a waveform file or a chunk runs past the end.
    static WaveInfo FromBytes(const QByteArray &bytes, const QString &path = {});
    // Reads the header of a file. Throws FileError.
    static WaveInfo Read(const QString &path);
};

// Seconds with two decimals, as the sound frame shows them: 1234 ms → "1.23".
QString FormatSeconds(qint64 milliseconds);

} // namespace rollscan
