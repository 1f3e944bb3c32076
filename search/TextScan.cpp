// Case-folded literal search and line-end search, sixteen bytes at a time where SSE2 is there.
#include "search/TextScan.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h> // SSE2 compares: the scan's speed comes from here
#endif

namespace qm::search {

namespace {

inline char lowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

inline char upperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - ('a' - 'A')) : c;
}

// Compares `count` bytes of the haystack with the lower-case needle, letter case ignored.
inline bool equalFolded(const char *hay, const char *lowerNeedle, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        if (lowerAscii(hay[i]) != lowerNeedle[i])
            return false;
    }
    return true;
}

#if defined(__SSE2__)
inline unsigned countTrailingZeros(unsigned mask)
{
    return static_cast<unsigned>(__builtin_ctz(mask));
}

inline __m128i matchEitherCase(__m128i block, __m128i lower, __m128i upper)
{
    return _mm_or_si128(_mm_cmpeq_epi8(block, lower), _mm_cmpeq_epi8(block, upper));
}

inline __m128i load(const char *p)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
}
#endif

} // namespace

FoldedText::FoldedText(std::string_view text)
{
    m_text.reserve(text.size());
    for (char c : text)
        m_text += lowerAscii(c);
}

const char *FoldedText::find(const char *begin, const char *end) const
{
    const size_t k = m_text.size();
    if (k == 0)
        return begin;
    if (static_cast<size_t>(end - begin) < k)
        return end;
    const char *lastStart = end - k; // the last position where the text still fits
    const char first = m_text[0];
    const char last = m_text[k - 1];
    const char *p = begin;
#if defined(__SSE2__)
    // Candidates are positions whose first and last bytes both match; only those are compared
    // in full. Both 16-byte loads stay inside [begin, end).
    const __m128i firstLower = _mm_set1_epi8(first);
    const __m128i firstUpper = _mm_set1_epi8(upperAscii(first));
    const __m128i lastLower = _mm_set1_epi8(last);
    const __m128i lastUpper = _mm_set1_epi8(upperAscii(last));
    while (lastStart - p >= 15) {
        __m128i head = matchEitherCase(load(p), firstLower, firstUpper);
        __m128i tail = matchEitherCase(load(p + k - 1), lastLower, lastUpper);
        auto mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(head, tail)));
        while (mask != 0) {
            const char *candidate = p + countTrailingZeros(mask);
            if (k <= 2 || equalFolded(candidate + 1, m_text.data() + 1, k - 2))
                return candidate;
            mask &= mask - 1;
        }
        p += 16;
    }
#endif
    for (; p <= lastStart; ++p) {
        if (lowerAscii(*p) == first && lowerAscii(p[k - 1]) == last &&
            equalFolded(p + 1, m_text.data() + 1, k > 2 ? k - 2 : 0))
            return p;
    }
    return end;
}

const char *findLineEnd(const char *begin, const char *end)
{
    const char *p = begin;
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    while (end - p >= 16) {
        __m128i block = load(p);
        auto mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, lf), _mm_cmpeq_epi8(block, cr))));
        if (mask != 0)
            return p + countTrailingZeros(mask);
        p += 16;
    }
#endif
    while (p < end && *p != '\n' && *p != '\r')
        ++p;
    return p;
}

const char *findLastLineEnd(const char *begin, const char *end)
{
    const char *p = end;
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    while (p - begin >= 16) {
        __m128i block = load(p - 16);
        auto mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, lf), _mm_cmpeq_epi8(block, cr))));
        if (mask != 0)
            return p - 16 + (31 - __builtin_clz(mask));
        p -= 16;
    }
#endif
    while (p > begin) {
        --p;
        if (*p == '\n' || *p == '\r')
            return p;
    }
    return nullptr;
}

bool containsFolded(std::string_view text, std::string_view part)
{
    FoldedText folded(part);
    const char *end = text.data() + text.size();
    return folded.find(text.data(), end) != end || (part.empty());
}

} // namespace qm::search
