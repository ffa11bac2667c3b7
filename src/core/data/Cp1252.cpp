#include "core/data/Cp1252.h"

#include <array>

namespace rollscan {

namespace {
// Code points of bytes 0x80..0x9F; the rest of the code page is identical to Latin-1.
// Bytes the code page leaves undefined map to the same-numbered control character.
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char encodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}
} // namespace

QString DecodeCp1252(QByteArrayView bytes)
{
    // Searches decode tens of thousands of descriptions: take Qt's vectorised Latin-1 path and patch
    // the few bytes where the code page differs from Latin-1.
    QString out = QString::fromLatin1(bytes);
    QChar *d = nullptr;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b >= 0x80 && b < 0xA0) {
            if (!d)
                d = out.data();
            d[i] = QChar(kHigh[b - 0x80]);
        }
    }
    return out;
}

QByteArray EncodeCp1252(const QString &text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = encodeChar(text[i].unicode());
    return out;
}

QByteArray EncodeFixedText(const QString &text, int width)
{
    QByteArray out = EncodeCp1252(text.left(width));
    if (out.size() < width)
        out.append(width - out.size(), ' ');
    return out;
}

} // namespace rollscan
