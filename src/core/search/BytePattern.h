#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace rollscan {

// A byte string to look for in many texts, prepared once. Keyword searches test every text of every
// roll call, so the search tests sixteen positions at a time where the processor allows it, taking
// as candidates only the positions where the pattern's two least common bytes match.
class BytePattern {
public:
    explicit BytePattern(QByteArray pattern = {});

    const QByteArray &bytes() const { return m_pattern; }
    // The position of the first occurrence in `haystack` at or after `from`, or -1. An empty pattern
    // is found at `from` (when from <= size). Bytes are compared exactly.
    qsizetype findIn(QByteArrayView haystack, qsizetype from = 0) const;

private:
    QByteArray m_pattern;
    qsizetype m_rare1 = 0; // positions of the two least common bytes
    qsizetype m_rare2 = 0;
};

// The same for a single search.
qsizetype FindBytes(QByteArrayView haystack, QByteArrayView needle, qsizetype from = 0);

} // namespace rollscan
