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

TEST(LineReaderTest, EachLineWithItsLineEndIsTheTextAgain)
{
    for (const std::string &text : kTexts) {
        for (size_t piece : {1, 3, 64}) {
            LineReader reader(inPieces(text, piece), 16);
            std::string again;
            while (auto line = reader.next()) {
                const std::string_view end = reader.lineEnd();
                ASSERT_EQ(end.data(), line->data() + line->size()); // one view with the line
                ASSERT_TRUE(end.empty() || end == "\r\n" || end == "\n" || end == "\r");
                again.append(*line).append(end);
            }
            EXPECT_TRUE(reader.lineEnd().empty());
            EXPECT_EQ(again, text) << "piece " << piece;
        }
    }
}

TEST(LineReaderTest, RewindReadsOnFromTheMarkAgain)
{
    // Far enough past the mark that a 16-byte buffer no longer holds it: a source that cannot
    // seek keeps what was read after the mark; one that can is read again from it.
    std::string text = "before\r\n";
    for (int i = 0; i < 40; ++i)
        text += "line " + std::to_string(i) + (i % 3 == 0 ? "\n" : "\r\n");
    auto readOn = [](LineReader &reader) {
        reader.next();
        reader.mark();
        std::vector<std::string> first = allLines(reader);
        reader.rewind();
        EXPECT_EQ(allLines(reader), first);
        EXPECT_EQ(first.size(), 40u);
        reader.rewind(); // the mark went with the first rewind
        EXPECT_FALSE(reader.next());
    };
    LineReader whole(text);
    readOn(whole);
    for (size_t piece : {1, 5, 64}) {
        LineReader kept(inPieces(text, piece), 16);
        readOn(kept);
        qm::test::SeekablePieces file = qm::test::inSeekablePieces(text, piece);
        LineReader reread(file.source, file.seek, 16);
        readOn(reread);
        EXPECT_EQ(*file.seeks, 1u) << "piece " << piece;
    }

    // A mark still inside the buffer needs no seek, and a dropped mark keeps nothing back.
    qm::test::SeekablePieces file = qm::test::inSeekablePieces("a\r\nb\r\nc", 64);
    LineReader near(file.source, file.seek);
    near.next();
    near.mark();
    EXPECT_EQ(*near.next(), "b");
    near.rewind();
    EXPECT_EQ(*near.next(), "b");
    EXPECT_EQ(*file.seeks, 0u);
    near.mark();
    near.dropMark();
    EXPECT_EQ(*near.next(), "c");
    near.rewind();
    EXPECT_FALSE(near.next());
}

TEST(LineReaderTest, BlankTextIsNothingOrSpacesOnly)
{
    for (const auto &[text, blank] : std::vector<std::pair<std::string, bool>>{
             {"", true}, {"   ", true}, {" ", true}, {"\r\n", false}, {"   \n", false},
             {"\t", false}, {"  a", false}, {"\r", false}, {"  \r\n  ", false}}) {
        for (size_t piece : {1, 64}) {
            LineReader reader(inPieces(text, piece), 16);
            auto first = reader.next();
            EXPECT_EQ(qm::platform::isBlankText(first, reader), blank) << "\"" << text << "\"";
        }
    }
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
