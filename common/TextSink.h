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
    /// The buffer grows as the output does, so a short result touches little memory (fresh pages
    /// are what a short run mostly pays for).
    explicit TextSink(Drain drain, size_t chunk = size_t{1} << 16)
        : m_drain(std::move(drain))
        , m_chunk(chunk)
    {}

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
        fillBlanks(at, blanks);
        at += blanks;
        copyShort(at, head.data(), head.size());
        at += head.size();
        copyShort(at, text.data(), text.size());
        at += text.size();
        at[0] = '\r';
        at[1] = '\n';
        m_used += size;
        lineDone();
    }
    /// Writes one line as it is, with the line end it has (if any).
    void writeAsIs(std::string_view line)
    {
        if (m_drain && line.size() >= m_chunk) {
            append(line);
            return;
        }
        copyShort(room(line.size()), line.data(), line.size());
        m_used += line.size();
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
    // A line of code is a few dozen bytes: copied in two overlapping moves of a fixed width that
    // the compiler does inline, within [to, to + count) and [from, from + count) only, rather
    // than through a library call for each piece.
    static void copyShort(char *to, const char *from, size_t count)
    {
        if (count >= 16 && count <= 32) {
            std::memcpy(to, from, 16);
            std::memcpy(to + count - 16, from + count - 16, 16);
        } else if (count >= 8 && count < 16) {
            std::memcpy(to, from, 8);
            std::memcpy(to + count - 8, from + count - 8, 8);
        } else if (count >= 4 && count < 8) {
            std::memcpy(to, from, 4);
            std::memcpy(to + count - 4, from + count - 4, 4);
        } else if (count > 0 && count < 4) {
            to[0] = from[0];
            to[count / 2] = from[count / 2];
            to[count - 1] = from[count - 1];
        } else if (count > 32) {
            std::memcpy(to, from, count);
        }
    }
    static void fillBlanks(char *to, size_t count)
    {
        static constexpr char kBlanks[33] = "                                ";
        if (count <= 32)
            copyShort(to, kBlanks, count);
        else
            std::memset(to, ' ', count);
    }

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
