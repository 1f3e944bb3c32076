// Where a line engine writes its result: into one string, or on to a drain in pieces.
#pragma once

#include "common/TextHelpers.h"

#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace qm::common {

/// Collects an engine's output. Without a drain it holds the whole result (take() hands it
/// over); with one, it passes its buffer on at a line end once about `chunk` bytes have
/// gathered, and a text of a chunk or more straight through, so a large result never sits in
/// memory whole. Where the pieces fall never changes the bytes.
///
/// The buffer is written through a pointer: an append is a bounds test and a copy, and an
/// engine that knows a line's length asks for room() once and writes the line in place.
class TextSink
{
public:
    using Drain = std::function<void(std::string_view)>;

    TextSink() = default;
    explicit TextSink(Drain drain, size_t chunk = size_t{1} << 17)
        : m_drain(std::move(drain))
        , m_chunk(chunk)
    {
        grow(chunk + chunk / 2);
    }

    TextSink &append(std::string_view text)
    {
        if (m_drain && text.size() >= m_chunk) {
            flush();
            m_drain(text);
        } else if (!text.empty()) {
            std::memcpy(room(text.size()), text.data(), text.size());
            m_used += text.size();
        }
        return *this;
    }
    TextSink &append(size_t count, char c)
    {
        std::memset(room(count), c, count);
        m_used += count;
        return *this;
    }
    /// Ends the line with CR LF.
    void endLine()
    {
        char *at = room(2);
        at[0] = '\r';
        at[1] = '\n';
        m_used += 2;
        lineDone();
    }
    /// Marks the end of a line written with its own line end.
    void lineDone()
    {
        if (m_drain && m_used >= m_chunk)
            flush();
    }
    /// Writes one line: `blanks` spaces, `head`, `text` and CR LF, into room asked for once.
    void writeLine(size_t blanks, std::string_view head, std::string_view text)
    {
        const size_t size = blanks + head.size() + text.size() + 2;
        if (m_drain && size >= m_chunk) {
            append(blanks, ' ').append(head).append(text).endLine();
            return;
        }
        char *at = room(size);
        std::memset(at, ' ', blanks);
        at += blanks;
        if (!head.empty())
            std::memcpy(at, head.data(), head.size());
        at += head.size();
        if (!text.empty())
            std::memcpy(at, text.data(), text.size());
        at += text.size();
        at[0] = '\r';
        at[1] = '\n';
        m_used += size;
        lineDone();
    }
    /// Space for `count` more bytes after what was written: the engine writes up to `count`
    /// bytes there and then says how many with commit().
    char *room(size_t count)
    {
        if (m_text.size() - m_used < count)
            grow(count);
        return m_text.data() + m_used;
    }
    void commit(size_t count) { m_used += count; }
    /// Room for a whole result of about `capacity` bytes, when the sink holds it whole.
    void reserve(size_t capacity)
    {
        if (m_drain || capacity <= m_text.size())
            return;
        m_text.resize(m_used);
        reserveLarge(m_text, capacity);
        m_text.resize(capacity);
    }
    /// Passes on what has gathered; the owner calls it once the engine is done.
    void flush()
    {
        if (m_drain && m_used != 0) {
            m_drain(std::string_view(m_text.data(), m_used));
            m_used = 0;
        }
    }
    std::string take()
    {
        m_text.resize(m_used);
        m_used = 0;
        return std::move(m_text);
    }

private:
    // The buffer's size is its writable room; the bytes past m_used are not output yet.
    void grow(size_t count)
    {
        size_t size = m_text.size() < 128 ? 128 : 2 * m_text.size();
        if (size - m_used < count)
            size = m_used + count;
        m_text.resize(m_used); // what is past the output need not be copied
        m_text.resize(size);
    }

    std::string m_text;
    size_t m_used = 0;
    Drain m_drain;
    size_t m_chunk = 0;
};

} // namespace qm::common
