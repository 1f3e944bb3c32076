// A line source that hands out a text a few bytes at a time, as a pipe may: for tests and fuzz
// targets of what reads its input in pieces.
#pragma once

#include "platform/LineReader.h"

#include <algorithm>
#include <memory>
#include <string>

namespace qm::test {

/// Gives `text` at most `piece` bytes per call (a copy of the text is kept).
inline platform::LineReader::Source inPieces(std::string text, size_t piece)
{
    return [text = std::move(text), piece, at = size_t{0}](char *to, size_t room) mutable {
        const size_t count = std::min({piece, room, text.size() - at});
        text.copy(to, count, at);
        at += count;
        return count;
    };
}

/// A text read a few bytes at a time from a source that can seek, as a regular file can.
struct SeekablePieces
{
    platform::LineReader::Source source;
    platform::LineReader::Seek seek;
    std::shared_ptr<size_t> seeks = std::make_shared<size_t>(0); ///< how often it was sought
};

inline SeekablePieces inSeekablePieces(std::string text, size_t piece)
{
    auto at = std::make_shared<size_t>(0);
    SeekablePieces pieces;
    pieces.source = [text = std::move(text), piece, at](char *to, size_t room) {
        const size_t count = std::min({piece, room, text.size() - std::min(*at, text.size())});
        if (count != 0)
            text.copy(to, count, *at);
        *at += count;
        return count;
    };
    pieces.seek = [at, seeks = pieces.seeks](unsigned long long offset) {
        *at = static_cast<size_t>(offset);
        ++*seeks;
    };
    return pieces;
}

} // namespace qm::test
