// The comment and uncomment engines of the palette and the editor, byte for byte.
#include "codetext/Comment.h"

#include "codetext/CodeTextCli.h"
#include "codetext/Indent.h"
#include "common/ErrorReports.h"
#include "common/TextHelpers.h"
#include "platform/LineReader.h"
#include "platform/Text.h"

#include "tests/support/EngineTest.h"
#include "tests/support/PieceEngines.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <vector>

using namespace qm::codetext;

namespace {

const char *const kHeader = "'** Commented on 12/8/26 by dev **\r\n";
const char *const kTrailer = "'** End of Block Commented **\r\n";

using qm::test::messageOf;

} // namespace

TEST(CommentBlock, DateIsMonthDayTwoDigitYearWithTheSystemSeparator)
{
    EXPECT_EQ(commentDate({2026, 12, 8}, '/'), "12/8/26");
    EXPECT_EQ(commentDate({2005, 3, 4}, '-'), "3-4-05");
}

TEST(CommentBlock, WritesHeaderLinesAndTrailerAtTheFirstLinesIndent)
{
    struct Case
    {
        const char *name;
        std::string input;
        std::string expected;
    };
    const std::string four = "    ";
    const Case cases[] = {
        {"deeper second line keeps its extra indent", "    Dim a\r\n        a = 1\r\n",
         four + kHeader + "    '* Dim a\r\n" + "    '*     a = 1\r\n" + four + kTrailer},
        {"shallower line loses its indent, keeps its text", "    If x Then\r\n  y\r\n",
         four + kHeader + "    '* If x Then\r\n" + "    '* y\r\n" + four + kTrailer},
        {"single character last line without CR LF", "a = 1\r\nb",
         std::string(kHeader) + "'* a = 1\r\n" + "'* b\r\n" + kTrailer},
        {"empty and blank lines", "  a\r\n\r\n      \r\n  b\r\n",
         "  " + std::string(kHeader) + "  '* a\r\n  '* \r\n  '* \r\n  '* b\r\n  " + kTrailer},
        {"trailing blanks go, tabs stay", "x = 1   \r\n\ty\r\n",
         std::string(kHeader) + "'* x = 1\r\n'* \ty\r\n" + kTrailer},
        {"lone LF and CR end lines too", "a\nb\rc",
         std::string(kHeader) + "'* a\r\n'* b\r\n'* c\r\n" + kTrailer},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CommentBlock(c.input, "12/8/26", "dev"), c.expected) << c.name;
}

TEST(CommentBlock, TrimsTheProgrammerName)
{
    EXPECT_EQ(CommentBlock("x\r\n", "1/2/03", "  Ann Lee "),
              "'** Commented on 1/2/03 by Ann Lee **\r\n'* x\r\n" + std::string(kTrailer));
}

TEST(CommentEngines, EmptyInputRaisesTheMessages)
{
    auto comment = messageOf([] { CommentBlock("", "12/8/26", "dev"); });
    EXPECT_EQ(comment.title, "Comment Error");
    EXPECT_EQ(comment.text, "No text selected.");
    EXPECT_EQ(comment.style, 16);
    auto uncomment = messageOf([] { UncommentBlock(""); });
    EXPECT_EQ(uncomment.title, "Nothing Selected");
    EXPECT_EQ(uncomment.text, "No text selected to uncomment!");
    EXPECT_EQ(uncomment.style, 48);
    EXPECT_EQ(CommentLines(""), "");
    EXPECT_EQ(UncommentLines(""), "");
}

TEST(UncommentBlock, TakesOffTheFirstMatchingMark)
{
    struct Case
    {
        const char *input;
        const char *expected;
    };
    const Case cases[] = {
        {"    '* x = 1\r\n", "    x = 1\r\n"},
        {"    '*x = 1\r\n", "    x = 1\r\n"},
        {"  '  x\r\n", "   x\r\n"}, // "' " goes, the second blank stays
        {"'x\r\n", "x\r\n"},
        {"x = 1 ' note\r\n", "x = 1 ' note\r\n"}, // a comment after code is not a mark
        {"'* '* twice\r\n", "'* twice\r\n"},      // one mark per line
        {"\r\n", "\r\n"},
        {"last", "last\r\n"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(UncommentBlock(c.input), c.expected) << c.input;
}

TEST(UncommentBlock, DropsCommentAndChangeMarkersInAnyLetterCase)
{
    const std::string input = "'** Commented on 12/8/26 by dev **\r\n"
                              "'* Block Added by dev on 12/08/2026\r\n"
                              "'* kept\r\n"
                              "'* END OF BLOCK added by dev on 12/08/2026\r\n"
                              "'* block changed BY dev on 12/08/2026\r\n"
                              "'* Block Deleted by dev on 12/08/2026\r\n"
                              "'** End of Block Commented **\r\n"
                              "'** COMMENTED ON 1/2/03 by ann **\r\n"
                              "    BlockCount = 1 ' a block, not a marker\r\n";
    EXPECT_EQ(UncommentBlock(input), "kept\r\n    BlockCount = 1 ' a block, not a marker\r\n");
}

TEST(UncommentBlock, RestoresWhatCommentBlockCommentedOut)
{
    const std::string original = "    If a Then\r\n"
                                 "        b = \"'* x\"   \r\n"
                                 "\r\n"
                                 "    End If\r\n";
    std::string back = UncommentBlock(CommentBlock(original, "12/8/26", "dev"));
    // Trailing blanks go; the empty line comes back blank (the indent and the blank of its mark).
    EXPECT_EQ(back, "    If a Then\r\n"
                    "        b = \"'* x\"\r\n"
                    "     \r\n"
                    "    End If\r\n");
}

TEST(CommentLines, PutsAnApostropheAtEachLinesIndent)
{
    EXPECT_EQ(CommentLines("  a = 1  \r\n\r\nb\n    "), "  'a = 1\r\n'\r\n'b\r\n    '\r\n");
}

TEST(UncommentLines, TakesTheFirstApostropheOfCommentLinesAndTrailingBlanks)
{
    EXPECT_EQ(UncommentLines("  ''a  \r\nx = 1 ' c \r\n\r\n\t'tab"),
              "  'a\r\nx = 1 ' c\r\n\r\n\t'tab\r\n");
    EXPECT_EQ(UncommentLines(CommentLines("    If a Then\r\n        b\r\n")),
              "    If a Then\r\n        b\r\n");
}

TEST(UncommentBlock, RoundTripLosesNoLineOfRandomCode)
{
    // Lines of blanks, tabs, apostrophes, stars and letters, none forming a marker text.
    const std::string alphabet = "   \t'*ax";
    std::mt19937 random(6);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::string> lines(1 + random() % 6);
        for (auto &line : lines) {
            for (size_t n = random() % 8; n > 0; --n)
                line += alphabet[random() % alphabet.size()];
        }
        std::string text;
        for (const auto &line : lines)
            text += line + "\r\n";
        const size_t indent = qm::common::LeadingBlanks(lines.front());
        std::string expected;
        for (const auto &line : lines) {
            std::string_view code = qm::platform::trimBlanks(line);
            size_t own = qm::common::LeadingBlanks(line);
            // A blank line comes back as the block's indent and the blank of its mark.
            expected += code.empty() ? std::string(indent + 1, ' ')
                                     : std::string(std::max(own, indent), ' ') + std::string(code);
            expected += "\r\n";
        }
        ASSERT_EQ(UncommentBlock(CommentBlock(text, "1/2/03", "dev")), expected) << text;
    }
}

TEST(UncommentBlock, KeepsCodeWhoseCommentMentionsAMarkerText)
{
    // A marker text counts only where the line's text begins, after its comment mark.
    struct Case
    {
        const char *input;
        const char *expected;
    };
    const Case cases[] = {
        {"    If r <> 0 Then WriteBits 0 'append EOB (end of block)\r\n",
         "    If r <> 0 Then WriteBits 0 'append EOB (end of block)\r\n"},
        {"x = 1 ' see Block Added by the old tool\r\n",
         "x = 1 ' see Block Added by the old tool\r\n"},
        {"'* x = 1 ' Block Deleted by ann\r\n", "x = 1 ' Block Deleted by ann\r\n"},
        {"  '* Call Log(\"* Commented on\")\r\n", "  Call Log(\"* Commented on\")\r\n"},
        {"Block Added by = 1\r\n", "Block Added by = 1\r\n"}, // no mark: code, whatever it says
        // Marker lines still go, however many blanks and stars open them.
        {"  '*   Block Changed by dev on 12/08/2026\r\n", ""},
        {"'*** Commented on 1/2/03 by ann **\r\n", ""},
        {"' * End of Block Commented **\r\n", ""},
        {"'* '* Block Added by dev on 12/08/2026\r\n", ""}, // a commented-out marker line
    };
    for (const Case &c : cases)
        EXPECT_EQ(UncommentBlock(c.input), c.expected) << c.input;
}

TEST(UncommentBlock, RestoresCommentedCodeWithMarkerTextsInItsComments)
{
    const std::string original = "    If r <> 0 Then WriteBits 0 'append EOB (end of block)\r\n"
                                 "    x = 1 ' see Block Added by the old tool\r\n";
    EXPECT_EQ(UncommentBlock(CommentBlock(original, "12/8/26", "dev")), original);
}

TEST(QmUncomment, KeepsCodeWhoseCommentMentionsAMarkerText)
{
    qm::test::SandboxDirs dirs;
    const std::string block = "    '** Commented on 12/8/26 by dev **\r\n"
                              "    '* If r <> 0 Then WriteBits 0 'append EOB (end of block)\r\n"
                              "    '* x = 1 ' see Block Added by the old tool\r\n"
                              "    '** End of Block Commented **\r\n";
    qm::test::QmRun run =
        qm::test::runQmCommand(qm::codetext::addCommentCommands, {"uncomment"}, block);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "    If r <> 0 Then WriteBits 0 'append EOB (end of block)\r\n"
                       "    x = 1 ' see Block Added by the old tool\r\n");
}

TEST(LineEngines, OddLinesGiveExactBytesWholeAndInPieces)
{
    // Mixed line ends, a lone CR, tabs, 8-bit bytes and no final line end.
    const std::string odd = "  a = 1  \r\n\tb\n\r   ' c\xe9  \r\r\n   \n'x\xff";
    struct Case
    {
        const char *name;
        std::string (*whole)(std::string_view);
        void (*pieces)(std::string_view, qm::common::TextSink &);
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"CommentLines", CommentLines, CommentLines,
         "  'a = 1\r\n'\tb\r\n'\r\n   '' c\xe9\r\n'\r\n   '\r\n''x\xff\r\n"},
        {"UncommentLines", UncommentLines, UncommentLines,
         "  a = 1\r\n\tb\r\n\r\n    c\xe9\r\n\r\n\r\nx\xff\r\n"},
        {"UncommentBlock", UncommentBlock, UncommentBlock,
         "  a = 1  \r\n\tb\r\n\r\n   c\xe9  \r\n\r\n   \r\nx\xff\r\n"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.whole(odd), c.expected) << c.name;
        std::string joined;
        qm::common::TextSink out([&](std::string_view piece) { joined += piece; }, 5);
        c.pieces(odd, out);
        out.flush();
        EXPECT_EQ(joined, c.expected) << c.name;
    }
    EXPECT_EQ(CommentBlock("  a\r\n\tb\r\n     c  \n\xe9\r", "12/8/26", "dev"),
              "  '** Commented on 12/8/26 by dev **\r\n"
              "  '* a\r\n"
              "  '* \tb\r\n"
              "  '*    c\r\n"
              "  '* \xe9\r\n"
              "  '** End of Block Commented **\r\n");
}

TEST(LineEngines, ReadingTheLinesInPiecesChangesNoByte)
{
    // qm reads a file for these engines a piece at a time; a piece may end inside a line or
    // between the CR and the LF of one.
    const std::string text = "  a = 1  \r\n\tb\n\r   ' c\xe9  \r\r\n'* x\r\n"
                             "    '** Commented on 12/8/26 by dev **\r\nSub Go()\r\n"
                             "If x Then\ry = 1\r\nEnd If\r\nEnd Sub\n'x\xff";
    const std::vector<std::pair<const char *, qm::test::LineEngine>> engines = {
        {"CommentBlock",
         [](auto &lines, auto &out) { CommentBlock(lines, "12/8/26", "dev", out); }},
        {"UncommentBlock", [](auto &lines, auto &out) { UncommentBlock(lines, out); }},
        {"CommentLines", [](auto &lines, auto &out) { CommentLines(lines, out); }},
        {"UncommentLines", [](auto &lines, auto &out) { UncommentLines(lines, out); }},
        {"IndentBlock", [](auto &lines, auto &out) { IndentBlock(lines, 4, out); }},
        {"IndentLines", [](auto &lines, auto &out) { IndentLines(lines, 4, out); }},
    };
    for (const auto &[name, engine] : engines)
        qm::test::expectSameBytesInPieces(text, name, engine);
}

TEST(QmLineCommands, LargeFileReadInPiecesGivesTheWholeTextResult)
{
    // FILE is read a piece at a time: lines and CR LF pairs cross the pieces' edges, and one
    // line is longer than a piece.
    qm::test::SandboxDirs dirs;
    qm::test::TempDir dir;
    std::string text;
    for (int i = 0; text.size() < 300000; ++i) {
        text += i % 7 == 0   ? "If x" + std::to_string(i) + " Then"
                : i % 7 == 4 ? std::string("End If")
                             : "  y = " + std::to_string(i);
        text += i % 5 == 0 ? "\n" : "\r\n";
    }
    text += "If z Then\r\n" + std::string(200000, 'z') + "\r\nEnd If";
    dir.write("big.bas", text);
    const std::vector<std::pair<std::string, std::string>> commands = {
        {"comment-lines", CommentLines(text)},
        {"uncomment-lines", UncommentLines(text)},
        {"indent-lines", IndentLines(text, 3)},
        {"uncomment", UncommentBlock(text)},
        {"indent", IndentBlock(text, 3)},
    };
    for (const auto &[command, expected] : commands) {
        qm::test::QmRun run = qm::test::runQmCommand(
            qm::codetext::addCommentCommands, {"--tab-size", "3", command, dir.file("big.bas")});
        EXPECT_EQ(run.status, 0) << command << ": " << run.err;
        EXPECT_TRUE(run.out == expected) << command; // a 500 kB text: no byte dump on failure
    }
    qm::test::QmRun missing = qm::test::runQmCommand(qm::codetext::addCommentCommands,
                                                     {"comment-lines", dir.file("none.bas")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
}
