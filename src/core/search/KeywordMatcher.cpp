#include "KeywordMatcher.h"

#include "data/Cp1252.h"

namespace rollscan {

KeywordMatcher::KeywordMatcher(const KeywordCriteria &criteria) : m_criteria(criteria)
{
    m_criteria.keyword1 = criteria.keyword1.toUpper();
    m_criteria.keyword2 = criteria.keyword2.toUpper();
    m_criteria.keyword3 = criteria.keyword3.toUpper();
    m_keyword1 = encode(m_criteria.keyword1);
    m_keyword2 = encode(m_criteria.keyword2);
    m_keyword3 = encode(m_criteria.keyword3);
}

std::optional<QByteArray> KeywordMatcher::encode(const QString &keyword)
{
    // EncodeCp1252 turns unknown characters into '?', which would then match real question marks.
    QByteArray bytes = EncodeCp1252(keyword);
    if (DecodeCp1252(bytes) != keyword)
        return std::nullopt;
    return bytes;
}

bool KeywordMatcher::found(const std::optional<QByteArray> &keyword, const Texts &texts) const
{
    if (!keyword)
        return false;
    for (const QByteArrayView &text : texts)
        if (text.indexOf(*keyword) >= 0)
            return true;
    return false;
}

bool KeywordMatcher::kept(const Texts &texts) const
{
    const bool f1 = found(m_keyword1, texts);
    const bool f2 = m_criteria.use2() && found(m_keyword2, texts);
    const bool f3 = m_criteria.use3() && found(m_keyword3, texts);
    return KeywordDecision(m_criteria, f1, f2, f3);
}

bool KeywordMatcher::kept(const QStringList &texts) const
{
    std::array<QByteArray, kTextCount> encoded;
    Texts views;
    for (int i = 0; i < kTextCount; ++i) {
        if (i < texts.size())
            encoded[i] = EncodeCp1252(texts.at(i));
        views[i] = encoded[i];
    }
    return kept(views);
}

} // namespace rollscan
