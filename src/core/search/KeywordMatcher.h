#pragma once

#include "KeywordCriteria.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <optional>

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
    // std::nullopt for a keyword with a character the code page lacks: such a keyword is in no text.
    static std::optional<QByteArray> encode(const QString &keyword);
    bool found(const std::optional<QByteArray> &keyword, const Texts &texts) const;

    KeywordCriteria m_criteria;
    std::optional<QByteArray> m_keyword1, m_keyword2, m_keyword3;
};

} // namespace rollscan
