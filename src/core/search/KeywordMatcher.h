#pragma once

#include "core/search/BytePattern.h"
#include "core/search/KeywordCriteria.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>

namespace rollscan {

// The keyword test of one roll call, prepared once per search. The seven texts of a roll call are
// the 60-character description of its record, the five header fields of its description entry and
// the entry's free text, each searched on its own (a keyword never spans two texts). Keywords are
// upper-cased; the texts are compared exactly, so only upper-case stored text matches. An empty
// keyword is found in every text.
class KeywordMatcher {
public:
    static constexpr int kTextCount = 7;
    using Texts = std::array<QByteArrayView, kTextCount>; // Windows-1252 bytes as stored

    explicit KeywordMatcher(const KeywordCriteria &criteria);

    const KeywordCriteria &criteria() const { return m_criteria; }
    // True when the roll call with these texts is kept.
    bool kept(const Texts &texts) const;
    // The same over decoded texts (any number; missing ones count as empty).
    bool kept(const QStringList &texts) const;

private:
    // One keyword, with its search table built once for the whole search.
    struct Needle {
        explicit Needle(const QString &keyword);
        bool in(const Texts &texts) const;

        bool everywhere = false; // the empty keyword
        bool nowhere = false;    // a keyword with a character the code page lacks
        BytePattern pattern;
    };

    KeywordCriteria m_criteria;
    Needle m_keyword1, m_keyword2, m_keyword3;
};

} // namespace rollscan
