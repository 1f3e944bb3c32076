// The output sink of the line engines: whole, or passed on in pieces, the same bytes.
#include "common/TextSink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using qm::common::TextSink;

namespace {

// Writes the same lines through every kind of write the sink offers.
void writeSample(TextSink &out)
{
    out.writeLine(4, "'* ", "If a Then");
    out.append("x = 1").endLine();
    out.writeLine(0, {}, {});
    out.append(3, ' ').append("\xe9t\xe9\t'").endLine();
    out.append(std::string(40, 'L')).append("\n");
    out.lineDone();
    char *at = out.room(3);
    at[0] = 'e';
    at[1] = '\r';
    at[2] = '\n';
    out.commit(3);
    out.lineDone();
    out.writeLine(2, "x", std::string(30, 'y'));
}

} // namespace

TEST(TextSink, PiecesJoinToTheWholeResultAndBreakOnlyAtLineEnds)
{
    TextSink whole;
    writeSample(whole);
    const std::string expected = whole.take();
    ASSERT_EQ(expected.substr(0, 18), "    '* If a Then\r\n");
    ASSERT_EQ(expected.size(), 18 + 7 + 2 + 10 + 41 + 3 + 35u);

    for (size_t chunk : {1, 2, 7, 16, 40, 64, 4096}) {
        std::vector<std::string> pieces;
        TextSink sink([&](std::string_view piece) { pieces.emplace_back(piece); }, chunk);
        writeSample(sink);
        sink.flush();
        std::string joined;
        for (const auto &piece : pieces) {
            joined += piece;
            // A text of a chunk or more goes on as it is; the sink's own pieces end lines.
            if (chunk > 41) {
                EXPECT_TRUE(piece.ends_with('\n')) << "chunk " << chunk;
            }
        }
        EXPECT_EQ(joined, expected) << "chunk " << chunk;
    }
}

TEST(TextSink, ReservedRoomHoldsNoStrayBytesAndGrowsPastItsHint)
{
    TextSink out;
    out.reserve(4);
    out.append("ab");
    out.reserve(1 << 20);
    for (int i = 0; i < 1000; ++i)
        out.writeLine(1, "'", "code");
    std::string text = out.take();
    EXPECT_EQ(text.size(), 2 + 1000 * 8u);
    EXPECT_EQ(text.substr(0, 10), "ab 'code\r\n");
    EXPECT_TRUE(text.ends_with(" 'code\r\n"));
}
