// Reads the lines of a text one at a time; CR LF, a lone LF and a lone CR all end a line, and a
// final line end does not start another line.
#pragma once

#include <optional>
#include <string_view>

namespace qm::platform {

class LineReader
{
public:
    explicit LineReader(std::string_view text)
        : m_text(text)
    {}

    /// The next line without its line end, or nothing after the last line.
    std::optional<std::string_view> next()
    {
        if (m_pos >= m_text.size())
            return std::nullopt;
        // A plain scan: find_first_of over a two-byte set costs a library call per byte.
        size_t end = m_pos;
        while (end < m_text.size() && m_text[end] != '\r' && m_text[end] != '\n')
            ++end;
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
    std::string_view m_text;
    size_t m_pos = 0;
};

} // namespace qm::platform
