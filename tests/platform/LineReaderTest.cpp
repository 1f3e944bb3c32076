#include "platform/LineReader.h"

#include "tests/support/PieceSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using qm::platform::findLineEnd;
using qm::platform::LineReader;
using qm::test::inPieces;

namespace {

std::vector<std::string> allLines(LineReader &reader)
{
    std::vector<std::string> lines;
    while (auto line = reader.next())
        lines.emplace_back(*line);
    return lines;
}

// Texts whose line ends fall on every kind of boundary: CR LF, lone LF, lone CR, CR CR LF,
// empty lines, no final line end, 8-bit bytes, a line longer than the smallest buffer.
const std::vector<std::string> kTexts = {
    "",
    "\r\n",
    "a",
    "a\r",
    "a\r\n",
    "a\n\nb\r\rc\r\r\nd",
    "  x  \r\n\tSub y\n\xe9\xff\r  End If",
    std::string(40, 'w') + "\r\n" + std::string(100, 'v') + "\r" + "\n" + std::string(17, 'u'),
    std::string("\0\r\n\0", 4),
};

} // namespace

TEST(LineReaderTest, SplitsAtEveryKindOfLineEnd)
{
    LineReader reader("one\r\ntwo\nthree\rfour\r\r\nfive");
    EXPECT_EQ(allLines(reader),
              (std::vector<std::string>{"one", "two", "three", "four", "", "five"}));

    LineReader ended("a\r\n");
    EXPECT_EQ(allLines(ended), std::vector<std::string>{"a"}); // no empty line after the end
    LineReader empty("");
    EXPECT_FALSE(empty.next());
    LineReader blank("\r\n\r\n");
    EXPECT_EQ(allLines(blank), (std::vector<std::string>{"", ""}));
}

TEST(LineReaderTest, PiecesGiveTheLinesOfTheWholeText)
{
    for (const std::string &text : kTexts) {
        LineReader whole(text);
        const std::vector<std::string> expected = allLines(whole);
        for (size_t piece : {1, 2, 3, 7, 64}) {
            for (size_t buffer : {16, 64, 4096}) {
                LineReader pieces(inPieces(text, piece), buffer);
                EXPECT_EQ(allLines(pieces), expected)
                    << "piece " << piece << ", buffer " << buffer << ", text \"" << text << "\"";
            }
        }
    }
}

TEST(LineReaderTest, CopyReadsOnFromTheSameLine)
{
    LineReader reader("a\r\nb\r\nc");
    reader.next();
    LineReader ahead = reader;
    EXPECT_EQ(*ahead.next(), "b");
    EXPECT_EQ(*ahead.next(), "c");
    EXPECT_EQ(*reader.next(), "b");

    // A copy of a reader over pieces reads what has arrived, from its own buffer.
    LineReader pieces(inPieces("x\r\ny\r\nz", 64), 64);
    EXPECT_EQ(*pieces.next(), "x");
    LineReader copy = pieces;
    EXPECT_EQ(*pieces.next(), "y");
    EXPECT_EQ(*copy.next(), "y");
}

TEST(LineReaderTest, FindLineEndMatchesAByteByByteSearch)
{
    // Line ends at every offset of a few 16-byte blocks, and texts with none at all.
    for (size_t length = 0; length < 50; ++length) {
        for (size_t at = 0; at <= length; ++at) {
            for (char end : {'\r', '\n', 'x'}) {
                std::string text(length, '\x8d');
                if (at < length)
                    text[at] = end;
                const char *begin = text.data();
                const char *found = findLineEnd(begin, begin + text.size());
                const char *expected = std::find_if(begin, begin + text.size(),
                                                    [](char c) { return c == '\r' || c == '\n'; });
                ASSERT_EQ(found, expected) << "length " << length << ", at " << at;
            }
        }
    }
}
