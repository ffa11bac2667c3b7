#include "core/search/KeywordMatcher.h"

#include "core/data/Cp1252.h"

namespace rollscan {

namespace {
KeywordCriteria upperCased(KeywordCriteria c)
{
    c.keyword1 = c.keyword1.toUpper();
    c.keyword2 = c.keyword2.toUpper();
    c.keyword3 = c.keyword3.toUpper();
    return c;
}
} // namespace

KeywordMatcher::Needle::Needle(const QString &keyword)
{
    const QByteArray bytes = EncodeCp1252(keyword);
    everywhere = keyword.isEmpty();
    // EncodeCp1252 turns unknown characters into '?', which would then match real question marks.
    nowhere = DecodeCp1252(bytes) != keyword;
    pattern = BytePattern(bytes);
}

bool KeywordMatcher::Needle::in(const Texts &texts) const
{
    if (everywhere)
        return true;
    if (nowhere)
        return false;
    // Texts that lie next to each other in memory (the header fields of a description entry) are
    // searched in one pass; a hit is kept only when it lies inside a single text.
    for (size_t first = 0; first < texts.size();) {
        size_t last = first;
        while (last + 1 < texts.size() && texts[last + 1].data() == texts[last].data() + texts[last].size() &&
               !texts[last + 1].isEmpty())
            ++last;
        const char *begin = texts[first].data();
        const QByteArrayView span(begin, texts[last].data() + texts[last].size() - begin);
        const qsizetype length = pattern.bytes().size();
        for (qsizetype at = pattern.findIn(span); at >= 0; at = pattern.findIn(span, at + 1)) {
            const char *hit = begin + at;
            size_t t = first;
            while (hit >= texts[t].data() + texts[t].size())
                ++t;
            if (hit + length <= texts[t].data() + texts[t].size())
                return true;
        }
        first = last + 1;
    }
    return false;
}

KeywordMatcher::KeywordMatcher(const KeywordCriteria &criteria)
    : m_criteria(upperCased(criteria)), m_keyword1(m_criteria.keyword1), m_keyword2(m_criteria.keyword2),
      m_keyword3(m_criteria.keyword3)
{
}

bool KeywordMatcher::kept(const Texts &texts) const
{
    // The same decision as KeywordDecision, looking for a keyword only when the outcome still
    // depends on it: AND and NOT keywords matter only while the primary part holds, OR keywords
    // only when it does not.
    const std::array<std::pair<KeywordOperator, const Needle *>, 2> others = {std::pair{m_criteria.op2, &m_keyword2},
                                                                              std::pair{m_criteria.op3, &m_keyword3}};
    bool required = m_keyword1.in(texts);
    for (const auto &[op, needle] : others) {
        if (!required)
            break;
        if (op == KeywordOperator::And)
            required = needle->in(texts);
        else if (op == KeywordOperator::Not)
            required = !needle->in(texts);
    }
    if (required)
        return true;
    for (const auto &[op, needle] : others)
        if (op == KeywordOperator::Or && needle->in(texts))
            return true;
    return false;
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
