#include "common/TextHelpers.h"

#include <gtest/gtest.h>

using namespace qm::common;

TEST(TextHelpers, LeadingBlanksCountsSpacesOnly)
{
    EXPECT_EQ(LeadingBlanks("   x"), 3u);
    EXPECT_EQ(LeadingBlanks("\t  x"), 0u);
    EXPECT_EQ(LeadingBlanks("  \tx"), 2u);
    EXPECT_EQ(LeadingBlanks("    "), 4u);
    EXPECT_EQ(LeadingBlanks(""), 0u);
}

TEST(TextHelpers, ReserveLargeKeepsTheTextAndTakesEveryWrite)
{
    // Small and several-megabyte reserves, into an empty string and after text already there:
    // the advice on the untouched part must never lose or change a byte.
    for (size_t capacity : {size_t{0}, size_t{100}, size_t{5} << 20, size_t{9} << 20}) {
        for (std::string start : {std::string(), std::string("keep\r\n"), std::string(40, 'x')}) {
            std::string out = start;
            reserveLarge(out, capacity);
            EXPECT_EQ(out, start);
            EXPECT_GE(out.capacity(), capacity);
            std::string expected = start;
            for (size_t i = 0; out.size() < capacity + 64; ++i) {
                const char c = static_cast<char>('a' + i % 26);
                out.push_back(c);
                expected.push_back(c);
            }
            EXPECT_EQ(out, expected);
        }
    }
}

TEST(TextHelpers, SplitLinesOverEveryMixOfLineEnds)
{
    // Line ends of one kind after long runs of the other, a CR LF split across kinds, a CR
    // as the very last byte: where each kind is next found must never skip or merge a line.
    struct Case
    {
        std::string text;
        std::vector<std::string_view> lines;
    };
    const std::string longLine(5000, 'x');
    const std::vector<Case> cases = {
        {"a\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\rb\rc\nd\r\n", {"a", "b", "c", "d"}},
        {"\n\r\r\n\n", {"", "", "", ""}},
        {"a\r", {"a"}},
        {"\r\n", {""}},
        {"a\n\rb", {"a", "", "b"}},
        {longLine + "\n" + longLine + "\r" + "end", {longLine, longLine, "end"}},
        {"one\r\ntwo\nthree\rfour\r\n\r\nsix", {"one", "two", "three", "four", "", "six"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(splitLines(c.text), c.lines) << c.text.substr(0, 40);
}

TEST(TextHelpers, ReplaceFirstIgnoresCase)
{
    EXPECT_EQ(ReplaceFirst("Dim a AS Integer as", "as", "As"), "Dim a As Integer as");
    EXPECT_EQ(ReplaceFirst("abc", "x", "y"), "abc");
    EXPECT_EQ(ReplaceFirst("abc", "", "y"), "abc");
}

TEST(TextHelpers, ReplaceAllDoesNotRescanItsReplacement)
{
    EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(ReplaceAll("a.b.c", ".", ".."), "a..b..c");
    EXPECT_EQ(ReplaceAll("xAx", "a", "b"), "xAx"); // exact letter case
    EXPECT_EQ(ReplaceAll("abab", "ab", "b"), "bb");
    EXPECT_EQ(ReplaceAll("aaaa", "aa", "a"), "aa");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceAllText("xAxa", "a", "bb"), "xbbxbb");
    EXPECT_EQ(ReplaceAllText("''''", "''", "'"), "''");
}

TEST(TextHelpers, LinesEndWithCrLfAndAcceptLoneLfAndCr)
{
    EXPECT_EQ(CountLines(""), 0u);
    EXPECT_EQ(CountLines("a"), 1u);
    EXPECT_EQ(CountLines("a\r\n"), 1u);
    EXPECT_EQ(CountLines("a\r\nb"), 2u);
    EXPECT_EQ(CountLines("a\r\n\r\n"), 2u);
    EXPECT_EQ(CountLines("a\nb\rc\r\n"), 3u);
    EXPECT_EQ(GetLine("one\r\ntwo\r\nthree", 2), "two");
    EXPECT_EQ(GetLine("one\r\ntwo\r\n", 3), "");
    EXPECT_EQ(GetLine("one\ntwo", 2), "two");
    EXPECT_EQ(GetLine("x", 0), "");
    auto lines = splitLines("a\r\n\r\nb\n");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(joinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(TextHelpers, NextWordConsumesOneDelimiter)
{
    struct Case
    {
        std::string text;
        std::string extra;
        std::string word;
        std::string rest;
    } cases[] = {
        {"Dim  x As", "", "Dim", " x As"},
        {"  x As", "", "x", "As"},
        {"(a_b, c)", "_", "a_b", " c)"},
        {"(a_b, c)", "", "a", "b, c)"},
        {"word", "", "word", ""},
        {"word   ", "", "word", "   "}, // trailing blanks stop the loop before the delimiter
        {"   ", "", "", "   "},
        {"", "", "", ""},
        {"+-*", "", "", ""},
        {"x$ = 1", "$", "x$", "= 1"},
        {"a b", " ", "a b", ""},
    };
    for (auto &c : cases) {
        std::string text = c.text;
        EXPECT_EQ(NextWord(text, c.extra), c.word) << c.text;
        EXPECT_EQ(text, c.rest) << c.text;
    }
}

TEST(TextHelpers, NextWordWalksAWholeTextInOrder)
{
    std::string_view text = "If a1 > b Then  c = d   ";
    std::vector<std::string> words;
    for (std::string w = NextWord(text); !w.empty(); w = NextWord(text))
        words.push_back(w);
    EXPECT_EQ(words, (std::vector<std::string>{"If", "a1", "b", "Then", "c", "d"}));
}

TEST(TextHelpers, BlankTest)
{
    EXPECT_TRUE(isBlank(""));
    EXPECT_TRUE(isBlank("   "));
    EXPECT_FALSE(isBlank("\t"));
    EXPECT_FALSE(isBlank(" x "));
    EXPECT_TRUE(isBlank(0.0));
    EXPECT_FALSE(isBlank(0.5));
    EXPECT_TRUE(isBlank(qm::platform::Date{1901, 1, 1}));
    EXPECT_FALSE(isBlank(qm::platform::Date{1901, 1, 2}));
    EXPECT_TRUE(isBlank(false));
    EXPECT_FALSE(isBlank(true));
}
