#pragma once

#include <QByteArray>
#include <QString>

namespace rollscan {

struct Rgb {
    int red = 0, green = 0, blue = 0;
    bool operator==(const Rgb &) const = default;
};

// Number of entries of the fixed colour table; colours are stored as indexes 0..15 into it.
constexpr int kColourCount = 16;

// The colour of table index `index` (0..15); an index outside the table gives black.
Rgb ColourOf(int index);
// The name shown in the colour lists ("Black" .. "Bright White"); empty outside the table.
QString ColourName(int index);

// The 270-byte settings record of "rollscan.prf". The whole record is held as read, so every
// reserved byte is written back exactly as it came in.
class Preferences {
public:
    static constexpr int kRecordLength = 270;

    Preferences(); // all bytes zero
    // Throws FileError 53 when missing, 62 when shorter than one record.
    static Preferences Read(const QString &path);
    // Writes the record as the file's first record; bytes the file holds beyond it are kept.
    void write(const QString &path) const;

    const QByteArray &bytes() const { return m_raw; }
    static Preferences FromBytes(const QByteArray &record); // exactly 270 bytes (asserted)

    QChar displayKind() const; // 'i' ideological map, 'u' US map
    void setDisplayKind(QChar kind);
    QChar tokenCase() const; // 'u' as stored, anything else lower case
    void setTokenCase(QChar c);
    bool lowerCaseTokens() const { return tokenCase() != QLatin1Char('u'); }
    bool startWithHouse() const; // int16 -1 true, 0 false
    void setStartWithHouse(bool house);

    int yeaColour() const { return colour(kYea); }
    int nayColour() const { return colour(kNay); }
    int notVotingColour() const { return colour(kNotVoting); }
    int backgroundColour() const { return colour(kBackground); }
    int yeaNayColour() const { return colour(kYeaNay); }
    int nayYeaColour() const { return colour(kNayYea); }
    int gradientStartColour() const { return colour(kGradientStart); }
    int gradientEndColour() const { return colour(kGradientEnd); }
    int noMatchColour() const { return colour(kNoMatch); }
    int splitColour() const { return colour(kSplit); }

    void setYeaColour(int i) { setColour(kYea, i); }
    void setNayColour(int i) { setColour(kNay, i); }
    void setNotVotingColour(int i) { setColour(kNotVoting, i); }
    void setBackgroundColour(int i) { setColour(kBackground, i); }
    void setYeaNayColour(int i) { setColour(kYeaNay, i); }
    void setNayYeaColour(int i) { setColour(kNayYea, i); }
    void setGradientStartColour(int i) { setColour(kGradientStart, i); }
    void setGradientEndColour(int i) { setColour(kGradientEnd, i); }
    void setNoMatchColour(int i) { setColour(kNoMatch, i); }
    void setSplitColour(int i) { setColour(kSplit, i); }

    bool operator==(const Preferences &) const = default;

private:
    // Field offsets of the record.
    static constexpr int kDisplayKind = 60;
    static constexpr int kTokenCase = 61;
    static constexpr int kYea = 62;
    static constexpr int kNay = 66;
    static constexpr int kNotVoting = 70;
    static constexpr int kBackground = 74;
    static constexpr int kYeaNay = 116;
    static constexpr int kNayYea = 120;
    static constexpr int kStartWithHouse = 124;
    static constexpr int kGradientStart = 144;
    static constexpr int kGradientEnd = 148;
    static constexpr int kNoMatch = 152;
    static constexpr int kSplit = 156;

    int colour(int offset) const;
    void setColour(int offset, int index);

    QByteArray m_raw;
};

} // namespace rollscan
