// A check for engines that qm feeds a piece at a time: reading the lines in pieces, from a pipe
// or from a file that a look ahead may read again, never changes a byte of the result.
#pragma once

#include "common/TextSink.h"
#include "platform/LineReader.h"

#include "tests/support/PieceSource.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace qm::test {

using LineEngine = std::function<void(platform::LineReader &, common::TextSink &)>;

/// Runs `engine` over `text` read whole, then read in pieces of 1, 3 and 16 bytes into a
/// 16-byte buffer, from a pipe and from a file: every run must give the same bytes.
inline void
expectSameBytesInPieces(const std::string &text, const std::string &name, const LineEngine &engine)
{
    common::TextSink whole;
    platform::LineReader wholeLines(text);
    engine(wholeLines, whole);
    const std::string expected = whole.take();
    for (size_t piece : {1, 3, 16}) {
        platform::LineReader pipe(inPieces(text, piece), 16);
        common::TextSink fromPipe;
        engine(pipe, fromPipe);
        EXPECT_EQ(fromPipe.take(), expected) << name << ", pieces of " << piece;
        SeekablePieces file = inSeekablePieces(text, piece);
        platform::LineReader reread(file.source, file.seek, 16);
        common::TextSink fromFile;
        engine(reread, fromFile);
        EXPECT_EQ(fromFile.take(), expected) << name << ", file in pieces of " << piece;
    }
}

} // namespace qm::test
