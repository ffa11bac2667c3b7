#include "core/data/Preferences.h"

#include "core/data/Bytes.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"

#include <QFileInfo>
#include <QtEndian>

namespace rollscan {

namespace {
struct ColourEntry {
    const char *name;
    Rgb rgb;
};
constexpr ColourEntry kColours[kColourCount] = {
    {"Black", {0, 0, 0}},
    {"Blue", {0, 0, 128}},
    {"Green", {0, 128, 0}},
    {"Cyan", {0, 128, 128}},
    {"Red", {128, 0, 0}},
    {"Magenta", {128, 0, 128}},
    {"Yellow", {128, 128, 0}},
    {"White", {192, 192, 192}},
    {"Gray", {128, 128, 128}},
    {"Light Blue", {0, 0, 255}},
    {"Light Green", {0, 255, 0}},
    {"Light Cyan", {0, 255, 255}},
    {"Light Red", {255, 0, 0}},
    {"Light Magenta", {255, 0, 255}},
    {"Light Yellow", {255, 255, 0}},
    {"Bright White", {255, 255, 255}},
};
} // namespace

Rgb ColourOf(int index)
{
    return (index >= 0 && index < kColourCount) ? kColours[index].rgb : Rgb{};
}

QString ColourName(int index)
{
    return (index >= 0 && index < kColourCount) ? QString::fromLatin1(kColours[index].name) : QString();
}

Preferences::Preferences() : m_raw(kRecordLength, '\0') {}

Preferences Preferences::Read(const QString &path)
{
    const QByteArray data = ReadWholeFile(path);
    ByteReader(data, path).need(0, kRecordLength);
    return FromBytes(data.left(kRecordLength));
}

Preferences Preferences::FromBytes(const QByteArray &record)
{
    Q_ASSERT(record.size() == kRecordLength);
    Preferences p;
    p.m_raw = record;
    return p;
}

void Preferences::write(const QString &path) const
{
    // Record 1 is rewritten in place; anything after it in an existing file stays.
    QByteArray content = m_raw;
    if (QFileInfo::exists(path)) {
        const QByteArray old = ReadWholeFile(path);
        if (old.size() > kRecordLength)
            content.append(old.mid(kRecordLength));
    }
    WriteWholeFile(path, content);
}

QChar Preferences::displayKind() const
{
    return QLatin1Char(m_raw[kDisplayKind]);
}
void Preferences::setDisplayKind(QChar kind)
{
    m_raw[kDisplayKind] = kind.toLatin1();
}
QChar Preferences::tokenCase() const
{
    return QLatin1Char(m_raw[kTokenCase]);
}
void Preferences::setTokenCase(QChar c)
{
    m_raw[kTokenCase] = c.toLatin1();
}

bool Preferences::startWithHouse() const
{
    return qFromLittleEndian<qint16>(m_raw.constData() + kStartWithHouse) != 0;
}

void Preferences::setStartWithHouse(bool house)
{
    qToLittleEndian<qint16>(house ? -1 : 0, m_raw.data() + kStartWithHouse);
}

int Preferences::colour(int offset) const
{
    return qFromLittleEndian<qint32>(m_raw.constData() + offset);
}

void Preferences::setColour(int offset, int index)
{
    qToLittleEndian<qint32>(index, m_raw.data() + offset);
}

} // namespace rollscan
