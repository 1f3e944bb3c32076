// A line source that hands out a text a few bytes at a time, as a pipe may: for tests and fuzz
// targets of what reads its input in pieces.
#pragma once

#include "platform/LineReader.h"

#include <algorithm>
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

} // namespace qm::test
