// Where a line engine writes its result: into one string, or on to a drain in pieces.
#pragma once

#include "common/TextHelpers.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace qm::common {

/// Collects an engine's output. Without a drain it holds the whole result (take() hands it
/// over); with one, it passes its buffer on at a line end once about `chunk` bytes have
/// gathered, and a text of a chunk or more straight through, so a large result never sits in
/// memory whole. Where the pieces fall never changes the bytes.
class TextSink
{
public:
    using Drain = std::function<void(std::string_view)>;

    TextSink() = default;
    explicit TextSink(Drain drain, size_t chunk = size_t{1} << 17)
        : m_drain(std::move(drain))
        , m_chunk(chunk)
    {
        m_text.reserve(chunk + chunk / 2);
    }

    TextSink &append(std::string_view text)
    {
        if (m_drain && text.size() >= m_chunk) {
            flush();
            m_drain(text);
        } else {
            m_text.append(text);
        }
        return *this;
    }
    TextSink &append(size_t count, char c)
    {
        m_text.append(count, c);
        return *this;
    }
    /// Ends the line with CR LF.
    void endLine()
    {
        m_text.append("\r\n");
        lineDone();
    }
    /// Marks the end of a line written with its own line end.
    void lineDone()
    {
        if (m_drain && m_text.size() >= m_chunk)
            flush();
    }
    /// Room for a whole result of about `capacity` bytes, when the sink holds it whole.
    void reserve(size_t capacity)
    {
        if (!m_drain)
            reserveLarge(m_text, capacity);
    }
    /// Passes on what has gathered; the owner calls it once the engine is done.
    void flush()
    {
        if (m_drain && !m_text.empty()) {
            m_drain(m_text);
            m_text.clear();
        }
    }
    std::string take() { return std::move(m_text); }

private:
    std::string m_text;
    Drain m_drain;
    size_t m_chunk = 0;
};

} // namespace qm::common
