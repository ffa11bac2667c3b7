#include "ByteSearch.h"

#include <string_view>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define ROLLSCAN_SSE2 1
#endif

namespace rollscan {

namespace {
qsizetype findScalar(const char *s, qsizetype n, const char *k, qsizetype m, qsizetype from)
{
    const std::string_view hay(s, size_t(n));
    const size_t at = hay.find(std::string_view(k, size_t(m)), size_t(from));
    return at == std::string_view::npos ? -1 : qsizetype(at);
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

qsizetype FindBytes(QByteArrayView haystack, QByteArrayView needle, qsizetype from)
{
    const char *s = haystack.data();
    const qsizetype n = haystack.size();
    const char *k = needle.data();
    const qsizetype m = needle.size();
    if (from < 0)
        from = 0;
    if (m == 0)
        return from <= n ? from : -1;
    if (m > n - from)
        return -1;
#ifdef ROLLSCAN_SSE2
    // Candidates are positions whose first and last bytes both match; only those are compared in full.
    // A final block overlapping the previous one covers the end, so only texts shorter than one block
    // are searched byte by byte.
    if (m >= 2 && n - from >= m - 1 + 16) {
        const __m128i first = _mm_set1_epi8(k[0]);
        const __m128i last = _mm_set1_epi8(k[m - 1]);
        const qsizetype lastBlock = n - (m - 1) - 16;
        for (qsizetype i = from;; i += 16) {
            unsigned skip = 0; // positions of the overlapping block already tested
            if (i > lastBlock) {
                skip = unsigned(i - lastBlock);
                i = lastBlock;
            }
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + i));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + i + m - 1));
            unsigned mask =
                unsigned(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
            mask &= ~0u << skip;
            while (mask != 0) {
                const qsizetype at = i + trailingZeros(mask);
                qsizetype j = 1;
                while (j < m - 1 && s[at + j] == k[j])
                    ++j;
                if (j >= m - 1)
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

} // namespace rollscan
