#include "core/search/BytePattern.h"

#include <string_view>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define ROLLSCAN_SSE2 1
#if defined(_MSC_VER) && !defined(__clang__)
#include <intrin.h>
#endif
#endif

namespace rollscan {

namespace {
qsizetype findScalar(const char *s, qsizetype n, const char *k, qsizetype m, qsizetype from)
{
    const std::string_view hay(s, size_t(n));
    const size_t at = hay.find(std::string_view(k, size_t(m)), size_t(from));
    return at == std::string_view::npos ? -1 : qsizetype(at);
}

// How common a byte is in the texts searched (upper-case English and blanks): lower is rarer. The
// two rarest bytes of a keyword make the fewest false candidates.
int commonness(unsigned char c)
{
    static constexpr char kByFrequency[] = " ETAOINSHRDLCUMWFGYPBVKJXQZ";
    if (c >= 'a' && c <= 'z')
        c = static_cast<unsigned char>(c - 'a' + 'A');
    for (int i = 0; kByFrequency[i] != 0; ++i)
        if (static_cast<unsigned char>(kByFrequency[i]) == c)
            return 40 - i;
    return (c >= '0' && c <= '9') ? 10 : 0;
}

#ifdef ROLLSCAN_SSE2
int trailingZeros(unsigned v)
{
#if defined(_MSC_VER) && !defined(__clang__)
    unsigned long index;
    _BitScanForward(&index, v);
    return int(index);
#else
    return __builtin_ctz(v);
#endif
}
#endif
} // namespace

BytePattern::BytePattern(QByteArray pattern) : m_pattern(std::move(pattern))
{
    const qsizetype m = m_pattern.size();
    const auto rarity = [this](qsizetype j) { return commonness(uchar(m_pattern[j])); };
    for (qsizetype j = 1; j < m; ++j)
        if (rarity(j) < rarity(m_rare1))
            m_rare1 = j;
    m_rare2 = (m_rare1 == 0 && m > 1) ? 1 : 0;
    for (qsizetype j = 0; j < m; ++j)
        if (j != m_rare1 && rarity(j) < rarity(m_rare2))
            m_rare2 = j;
}

qsizetype BytePattern::findIn(QByteArrayView haystack, qsizetype from) const
{
    const char *s = haystack.data();
    const qsizetype n = haystack.size();
    const char *k = m_pattern.constData();
    const qsizetype m = m_pattern.size();
    if (from < 0)
        from = 0;
    if (m == 0)
        return from <= n ? from : -1;
    if (m > n - from)
        return -1;
#ifdef ROLLSCAN_SSE2
    // Only positions where both rare bytes match are compared in full. A final block overlapping
    // the previous one covers the end, so only texts shorter than one block go byte by byte.
    if (m >= 2 && n - from >= m - 1 + 16) {
        const __m128i byte1 = _mm_set1_epi8(k[m_rare1]);
        const __m128i byte2 = _mm_set1_epi8(k[m_rare2]);
        const qsizetype lastBlock = n - (m - 1) - 16;
        for (qsizetype i = from;; i += 16) {
            unsigned skip = 0; // positions of the overlapping block already tested
            if (i > lastBlock) {
                skip = unsigned(i - lastBlock);
                i = lastBlock;
            }
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + i + m_rare1));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + i + m_rare2));
            unsigned mask =
                unsigned(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, byte1), _mm_cmpeq_epi8(b, byte2))));
            mask &= ~0u << skip;
            while (mask != 0) {
                const qsizetype at = i + trailingZeros(mask);
                qsizetype j = 0;
                while (j < m && s[at + j] == k[j])
                    ++j;
                if (j == m)
                    return at;
                mask &= mask - 1;
            }
            if (i == lastBlock)
                return -1;
        }
    }
#endif
    return findScalar(s, n, k, m, from);
}

qsizetype FindBytes(QByteArrayView haystack, QByteArrayView needle, qsizetype from)
{
    return BytePattern(needle.toByteArray()).findIn(haystack, from);
}

} // namespace rollscan
