// Reads the lines of a text one at a time; CR LF, a lone LF and a lone CR all end a line, and a
// final line end does not start another line.
#pragma once

#include <cstring>
#include <optional>
#include <string_view>

namespace qm::platform {

class LineReader
{
public:
    explicit LineReader(std::string_view text)
        : m_text(text)
        , m_cr(find('\r', 0))
        , m_lf(find('\n', 0))
    {}

    /// The next line without its line end, or nothing after the last line.
    std::optional<std::string_view> next()
    {
        if (m_pos >= m_text.size())
            return std::nullopt;
        // The nearest CR and the nearest LF are each kept until the reader passes them, so
        // every byte is searched at most once for each (memchr goes many bytes at a time).
        if (m_cr < m_pos)
            m_cr = find('\r', m_pos);
        if (m_lf < m_pos)
            m_lf = find('\n', m_pos);
        const size_t end = m_cr < m_lf ? m_cr : m_lf;
        if (end == m_text.size()) {
            std::string_view line = m_text.substr(m_pos);
            m_pos = m_text.size();
            return line;
        }
        std::string_view line = m_text.substr(m_pos, end - m_pos);
        m_pos = end + 1;
        if (m_text[end] == '\r' && m_pos < m_text.size() && m_text[m_pos] == '\n')
            ++m_pos;
        return line;
    }

    /// Offset of the first byte not yet read.
    size_t position() const { return m_pos; }

private:
    // The offset of the first `c` at or after `from`; the text's length when there is none.
    size_t find(char c, size_t from) const
    {
        if (from >= m_text.size())
            return m_text.size();
        const void *at = std::memchr(m_text.data() + from, c, m_text.size() - from);
        return at == nullptr ? m_text.size()
                             : static_cast<size_t>(static_cast<const char *>(at) - m_text.data());
    }

    std::string_view m_text;
    size_t m_pos = 0;
    size_t m_cr = 0; // the nearest CR at or after where it was last looked for
    size_t m_lf = 0;
};

} // namespace qm::platform
