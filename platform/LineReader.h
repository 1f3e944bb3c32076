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

    explicit LineReader(std::string_view text)
        : m_text(text)
    {}
    explicit LineReader(Source source, size_t chunk = size_t{1} << 16)
        : m_source(std::move(source))
        , m_capacity(chunk < 16 ? 16 : chunk)
        , m_buffer(new char[m_capacity])
    {}

    /// A copy reads on from the same line (a look ahead). A copy of a reader over pieces reads
    /// only what has arrived so far: it has a copy of the buffer and no source.
    LineReader(const LineReader &other)
        : m_text(other.m_text)
        , m_pos(other.m_pos)
    {
        copyBuffer(other);
    }
    LineReader &operator=(const LineReader &other)
    {
        if (this != &other) {
            m_text = other.m_text;
            m_pos = other.m_pos;
            m_source = nullptr;
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
            if (m_source && (end == size || (data[end] == '\r' && end + 1 == size))) {
                refill(); // the text moves: look again
                continue;
            }
            if (m_pos >= size)
                return std::nullopt;
            std::string_view line(data + m_pos, end - m_pos);
            if (end == size) {
                m_pos = size;
                return line;
            }
            m_pos = end + 1;
            if (data[end] == '\r' && m_pos < size && data[m_pos] == '\n')
                ++m_pos;
            return line;
        }
    }

    /// Offset of the first byte not yet read, in a whole text.
    size_t position() const { return m_pos; }

private:
    // Keeps the unread rest of the buffer, moved to its start, and appends what the source
    // gives; the source is dropped once it is done. A line longer than half the buffer doubles
    // the buffer.
    void refill()
    {
        const size_t rest = m_text.size() - m_pos;
        if (rest > m_capacity / 2) {
            std::unique_ptr<char[]> larger(new char[2 * m_capacity]);
            std::memcpy(larger.get(), m_text.data() + m_pos, rest);
            m_buffer = std::move(larger);
            m_capacity *= 2;
        } else if (rest != 0) {
            std::memmove(m_buffer.get(), m_text.data() + m_pos, rest);
        }
        const size_t got = m_source(m_buffer.get() + rest, m_capacity - rest);
        m_text = std::string_view(m_buffer.get(), rest + got);
        m_pos = 0;
        if (got == 0)
            m_source = nullptr;
    }

    void copyBuffer(const LineReader &other)
    {
        m_capacity = other.m_capacity;
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
    Source m_source;
    size_t m_capacity = 0;
    std::unique_ptr<char[]> m_buffer;
};

} // namespace qm::platform
