#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <array>

namespace rollscan {

class ByteReader;

// The entry of one roll call in a ".dbn" file: five fixed header fields and a free text.
struct Description {
    static constexpr std::array<int, 5> kHeaderWidths = {13, 11, 7, 8, 19};

    std::array<QString, 5> header; // as stored, padding kept
    QString text;

    bool operator==(const Description &) const = default;
};

// Reads the description of roll call r (1-based) of a congress: the 1-based position from record r
// of the ".din" file, then the entry at that position of the ".dbn" file. Throws FileError 53 for a
// missing file, 62 for an index shorter than r records or a position or text outside the ".dbn" file.
Description ReadDescription(const QString &root, bool isHouse, int congress, int r);

// The same over explicit file paths.
Description ReadDescriptionFiles(const QString &dinPath, const QString &dbnPath, int r);

// Reads every entry 1..count once (for searches that look at all descriptions of a congress).
QList<Description> ReadAllDescriptions(const QString &dinPath, const QString &dbnPath, int count);

// The undecoded bytes of one entry, as views into the ".dbn" data (valid while that data lives):
// what a search reads when it only compares Windows-1252 bytes and need not build strings.
struct DescriptionBytes {
    std::array<QByteArrayView, 5> header;
    QByteArrayView text;
};

// The entry of roll call r (1-based) through the index `din` into `dbn`. Throws FileError 62 when the
// index has fewer than r records or the entry lies outside the ".dbn" data, 321 for a negative length.
DescriptionBytes DescriptionEntryBytes(const ByteReader &din, const ByteReader &dbn, int r);

// Writes the ".din" and ".dbn" files: entries one after another from byte position 1.
void WriteDescriptions(const QString &dinPath, const QString &dbnPath, const QList<Description> &entries);

} // namespace rollscan
