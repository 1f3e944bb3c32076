// Reads the lines of a text one at a time; CR LF, a lone LF and a lone CR all end a line, and a
// final line end does not start another line.
#pragma once

#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qm::platform {

/// The first CR or LF in [from, end), or `end` when there is none. Lines of code are short, so
/// one pass looks for both bytes at once, sixteen bytes at a time, and never reads past `end`.
inline const char *findLineEnd(const char *from, const char *end)
{
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    while (end - from >= 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from));
        const int hits =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)));
        if (hits != 0)
            return from + __builtin_ctz(static_cast<unsigned>(hits));
        from += 16;
    }
#endif
    for (; from != end; ++from) {
        if (*from == '\r' || *from == '\n')
            return from;
    }
    return end;
}

/// Reads the lines of a whole text, or of one that arrives in pieces from a source (a file read
/// as it goes, so a large input is never held whole). A line it returns stays valid until the
/// next call of next().
class LineReader
{
public:
    /// Copies up to `room` more bytes of the text to `to` and says how many; 0 at its end.
    using Source = std::function<size_t(char *to, size_t room)>;
    /// Makes the source give the text again from a byte offset (a file read again); it throws
    /// when it cannot.
    using Seek = std::function<void(unsigned long long offset)>;

    explicit LineReader(std::string_view text)
        : m_text(text)
    {}
    /// Without a way to seek, a reader over pieces keeps what it reads after a mark; with one,
    /// rewind() reads the text again from the mark when the reader no longer holds it.
    explicit LineReader(Source source, size_t chunk = size_t{1} << 16)
        : LineReader(std::move(source), nullptr, chunk)
    {}
    LineReader(Source source, Seek seek, size_t chunk = size_t{1} << 16)
        : m_source(std::move(source))
        , m_seek(std::move(seek))
        , m_more(true)
        , m_capacity(chunk < 16 ? 16 : chunk)
        , m_buffer(new char[m_capacity])
    {}

    /// A copy reads on from the same line (a look ahead), without the mark. A copy of a reader
    /// over pieces reads only what has arrived so far: it has a copy of the buffer and no source.
    LineReader(const LineReader &other)
        : m_text(other.m_text)
        , m_pos(other.m_pos)
        , m_consumed(other.m_consumed)
    {
        copyBuffer(other);
    }
    LineReader &operator=(const LineReader &other)
    {
        if (this != &other) {
            m_text = other.m_text;
            m_pos = other.m_pos;
            m_consumed = other.m_consumed;
            m_mark = kNoMark;
            m_source = nullptr;
            m_seek = nullptr;
            m_more = false;
            copyBuffer(other);
        }
        return *this;
    }
    LineReader(LineReader &&) noexcept = default;
    LineReader &operator=(LineReader &&) noexcept = default;
    ~LineReader() = default;

    /// The next line without its line end, or nothing after the last line.
    std::optional<std::string_view> next()
    {
        for (;;) {
            const size_t size = m_text.size();
            const char *data = m_text.data();
            const size_t end =
                m_pos >= size ? size
                              : static_cast<size_t>(findLineEnd(data + m_pos, data + size) - data);
            // A line, or the CR of a CR LF, that reaches the end of what has arrived may go on
            // in the next piece.
            if (m_more && (end == size || (data[end] == '\r' && end + 1 == size))) {
                refill(); // the text moves: look again
                continue;
            }
            if (m_pos >= size) {
                m_endSize = 0;
                return std::nullopt;
            }
            std::string_view line(data + m_pos, end - m_pos);
            if (end == size) {
                m_pos = size;
                m_endSize = 0;
                return line;
            }
            m_pos = end + 1;
            if (data[end] == '\r' && m_pos < size && data[m_pos] == '\n')
                ++m_pos;
            m_endSize = m_pos - end;
            return line;
        }
    }

    /// The line end that followed the line next() returned last: CR LF, LF, CR, or nothing for
    /// a last line without one. It follows that line in memory, so the two make one view.
    std::string_view lineEnd() const
    {
        return std::string_view(m_text.data() + m_pos - m_endSize, m_endSize);
    }

    /// Offset of the first byte not yet read, in a whole text.
    size_t position() const { return m_pos; }

    /// Remembers where the next line starts, for rewind(). A reader over a source that cannot
    /// seek keeps everything it reads from here on, until the mark is dropped.
    void mark() { m_mark = m_consumed + m_pos; }
    void dropMark() { m_mark = kNoMark; }
    /// Reads on from the mark again; the mark is dropped. Without a mark it does nothing.
    void rewind()
    {
        const unsigned long long to = m_mark;
        if (to == kNoMark)
            return;
        m_mark = kNoMark;
        m_endSize = 0;
        if (to >= m_consumed) {
            m_pos = static_cast<size_t>(to - m_consumed); // still held
            return;
        }
        m_seek(to);
        m_consumed = to;
        m_text = std::string_view(m_buffer.get(), 0);
        m_pos = 0;
        m_more = true;
    }

private:
    static constexpr unsigned long long kNoMark = ~0ULL;

    // Keeps the unread rest of the buffer (from the mark, when the source cannot seek), moved
    // to its start, and appends what the source gives. A rest longer than half the buffer
    // doubles the buffer.
    void refill()
    {
        size_t keep = m_pos;
        if (m_mark != kNoMark && !m_seek && m_mark - m_consumed < keep)
            keep = static_cast<size_t>(m_mark - m_consumed);
        const size_t rest = m_text.size() - keep;
        if (rest > m_capacity / 2) {
            std::unique_ptr<char[]> larger(new char[2 * m_capacity]);
            std::memcpy(larger.get(), m_text.data() + keep, rest);
            m_buffer = std::move(larger);
            m_capacity *= 2;
        } else if (rest != 0) {
            std::memmove(m_buffer.get(), m_text.data() + keep, rest);
        }
        const size_t got = m_source(m_buffer.get() + rest, m_capacity - rest);
        m_text = std::string_view(m_buffer.get(), rest + got);
        m_consumed += keep;
        m_pos -= keep;
        if (got == 0)
            m_more = false;
    }

    void copyBuffer(const LineReader &other)
    {
        m_capacity = other.m_capacity;
        m_endSize = other.m_endSize;
        if (!other.m_buffer) {
            m_buffer.reset();
            return;
        }
        m_buffer.reset(new char[m_capacity]);
        if (!other.m_text.empty())
            std::memcpy(m_buffer.get(), other.m_text.data(), other.m_text.size());
        m_text = std::string_view(m_buffer.get(), other.m_text.size());
    }

    std::string_view m_text;
    size_t m_pos = 0;
    size_t m_endSize = 0;              // of the line next() returned last
    unsigned long long m_consumed = 0; // bytes of the source before m_text
    unsigned long long m_mark = kNoMark;
    Source m_source;
    Seek m_seek;
    bool m_more = false; // whether the source may give more
    size_t m_capacity = 0;
    std::unique_ptr<char[]> m_buffer;
};

/// Whether a text is blank as Trim sees it (nothing, or spaces only) from its first line as
/// next() gave it: a text with a line end holds more than blanks.
inline bool isBlankText(std::optional<std::string_view> first, const LineReader &lines)
{
    if (!first)
        return true;
    if (!lines.lineEnd().empty())
        return false;
    for (char c : *first) {
        if (c != ' ')
            return false;
    }
    return true;
}

} // namespace qm::platform
