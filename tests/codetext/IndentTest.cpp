// The indenter of the palette and the editor: levels by keyword, labels, comments, line ends.
#include "codetext/Indent.h"

#include "common/ErrorReports.h"

#include "tests/support/EngineTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <random>

using namespace qm::codetext;

namespace {

// Lines joined with CR LF after each, so every expected text shows its line ends.
std::string crlf(std::initializer_list<const char *> lines)
{
    std::string text;
    for (const char *line : lines)
        text.append(line).append("\r\n");
    return text;
}

} // namespace

// One line of code per line of the test.
// clang-format off
TEST(Indent, ProcedureIsIndentedByItsBlocks)
{
    const std::string input = crlf({
        "Sub Foo()",
        "Dim i As Integer",
        "    If a Then",
        "\t\tFor i = 1 To 3",
        "x = i",
        "  Next i",
        "ElseIf b Then",
        "y = 1",
        "Else",
        "y = 2",
        "End If",
        "Select Case i",
        "Case 1",
        "z = 1",
        "Case 2, 3",
        "z = 2",
        "Case Else",
        "z = 3",
        "End Select",
        "Do",
        "i = i + 1",
        "Loop",
        "Do While i > 0",
        "i = i - 1",
        "Loop",
        "      Retry:",
        "With frm",
        ".Caption = \"a\"",
        "End With",
        "While i < 3",
        "i = i + 1",
        "Wend",
        "End Sub",
    });
    const std::string expected = crlf({
        "Sub Foo()",
        "   Dim i As Integer",
        "   If a Then",
        "      For i = 1 To 3",
        "         x = i",
        "      Next i",
        "   ElseIf b Then",
        "      y = 1",
        "   Else",
        "      y = 2",
        "   End If",
        "   Select Case i",
        "      Case 1",
        "         z = 1",
        "      Case 2, 3",
        "         z = 2",
        "      Case Else",
        "         z = 3",
        "   End Select",
        "   Do",
        "      i = i + 1",
        "   Loop",
        "   Do While i > 0",
        "      i = i - 1",
        "   Loop",
        "Retry:",
        "   With frm",
        "      .Caption = \"a\"",
        "   End With",
        "   While i < 3",
        "      i = i + 1",
        "   Wend",
        "End Sub",
    });
    EXPECT_EQ(IndentBlock(input, 3), expected);
    EXPECT_EQ(IndentLines(input, 3), expected);
}
// clang-format on

TEST(Indent, KeywordRulesOneByOne)
{
    struct Case
    {
        const char *name;
        std::string input;
        std::string expected;
    };
    // A fragment that is not a procedure starts one level in.
    const Case cases[] = {
        {"single-line If keeps the level", crlf({"If a Then b = 1", "c = 2"}),
         crlf({"   If a Then b = 1", "   c = 2"})},
        {"If whose Then is followed by a comment opens a block",
         crlf({"If a Then ' open", "c = 1", "If b Then'x", "d", "End If", "End If"}),
         crlf({"   If a Then ' open", "      c = 1", "      If b Then'x", "         d",
               "      End If", "   End If"})},
        {"compiler directives", crlf({"#If Win32 Then", "d = 1", "#Else", "d = 2", "#End If"}),
         crlf({"   #If Win32 Then", "      d = 1", "   #Else", "      d = 2", "   #End If"})},
        {"loops closed on their own line open nothing",
         crlf({"For i = 1 To 2: Next", "While a: Wend", "Do: Loop", "DoEvents", "x"}),
         crlf({"   For i = 1 To 2: Next", "   While a: Wend", "   Do: Loop", "   DoEvents",
               "   x"})},
        {"Loop Until does not lower the level, Loop While does",
         crlf({"Do", "a", "Loop Until a", "b", "Loop While b", "c"}),
         crlf({"   Do", "      a", "      Loop Until a", "      b", "   Loop While b", "   c"})},
        {"Static Function and Static Sub reset the level",
         crlf({"x = 1", "Static Function F()", "y", "End Function", "Static Sub S()", "z",
               "End Sub"}),
         crlf({"   x = 1", "Static Function F()", "   y", "End Function", "Static Sub S()", "   z",
               "End Sub"})},
        {"nested Select: the outer Case after the inner block closes",
         crlf({"Select Case a", "Case 1", "Select Case b", "Case 2", "x", "End Select", "Case 3",
               "y", "End Select"}),
         crlf({"   Select Case a", "      Case 1", "         Select Case b", "            Case 2",
               "               x", "         End Select", "      Case 3", "         y",
               "   End Select"})},
    };
    for (const Case &c : cases)
        EXPECT_EQ(IndentBlock(c.input, 3), c.expected) << c.name;
}

TEST(Indent, CommentsLabelsAndBlankLines)
{
    // A comment in the first column and blank lines move nothing; an indented comment is code.
    EXPECT_EQ(IndentBlock(crlf({"If a Then", "'col1", "", "   ' inner", "b", "End If"}), 3),
              crlf({"   If a Then", "      'col1", "", "      ' inner", "      b", "   End If"}));
    // A colon followed by code is no label; a colon before a quote and an apostrophe is.
    EXPECT_EQ(IndentBlock(crlf({"x = 1: y = 2", "Done: x = \"a\" ' c", "z"}), 3),
              crlf({"   x = 1: y = 2", "Done: x = \"a\" ' c", "   z"}));
    // The palette does not take a line holding "Case" for a label; the editor does.
    const std::string withCase = crlf({"If a Then", "CaseDone:", "b"});
    EXPECT_EQ(IndentBlock(withCase, 3), crlf({"   If a Then", "      CaseDone:", "      b"}));
    EXPECT_EQ(IndentLines(withCase, 3), crlf({"   If a Then", "CaseDone:", "      b"}));
}

TEST(Indent, LineEndsBlanksAndTabs)
{
    // The last line gets its CR LF; LF and CR alone end lines; trailing blanks and tabs go.
    EXPECT_EQ(IndentBlock("Sub A()\nx = 1   \rEnd Sub", 3), "Sub A()\r\n   x = 1\r\nEnd Sub\r\n");
    // Tabs of indentation go, a tab inside a string stays, and a line of tabs is a blank line.
    EXPECT_EQ(IndentBlock("\t\tMsgBox \"a\tb\"\t\r\n\t\t\r\n", 3), "   MsgBox \"a\tb\"\r\n\r\n");
}

TEST(Indent, TabSizeIsTheIndentUnit)
{
    const std::string input = crlf({"Function F()", "If a Then", "b", "End If", "End Function"});
    EXPECT_EQ(IndentBlock(input, 4),
              crlf({"Function F()", "    If a Then", "        b", "    End If", "End Function"}));
    EXPECT_EQ(IndentLines(input, 0),
              crlf({"Function F()", "If a Then", "b", "End If", "End Function"}));
}

TEST(Indent, EmptyTextRaisesEachFlavoursMessage)
{
    const auto palette = qm::test::messageOf([] { IndentBlock("", 3); });
    EXPECT_EQ(palette.title, "Nothing Selected");
    EXPECT_EQ(palette.text, "No text selected to indent!");
    EXPECT_EQ(palette.style, 48);
    const auto editor = qm::test::messageOf([] { IndentLines("", 3); });
    EXPECT_EQ(editor.title, "Error");
    EXPECT_EQ(editor.text, "You have no text to indent!");
    EXPECT_EQ(editor.style, 48);
}

TEST(Indent, MovesLinesButNeverChangesOrLosesOne)
{
    // Random mixes of the keywords, labels and comments, with untidy indentation.
    const char *const pieces[] = {
        "If a Then",  "If a Then b", "Else",         "End If", "Select Case x", "Case 1",
        "End Select", "Do",          "Loop Until a", "Loop",   "Next",          "For i = 1 To 2",
        "Sub S()",    "End Sub",     "L1:",          "'c",     "x = \"a:b\"",   "",
        "\t",         "Wend",        "#If A Then",   "With f"};
    std::mt19937 random(3);
    for (int round = 0; round < 200; ++round) {
        std::string text, expected;
        for (size_t n = 1 + random() % 12; n > 0; --n) {
            std::string line = pieces[random() % std::size(pieces)];
            text += std::string(random() % 5, ' ') + line + (random() % 2 ? "  \r\n" : "\n");
            expected += (line == "\t" ? "" : line) + "\r\n";
        }
        std::string out = IndentBlock(text, 3);
        // Take the indent off every line written: what is left is the input, line for line.
        std::string stripped;
        for (size_t pos = 0; pos < out.size();) {
            size_t end = out.find("\r\n", pos);
            ASSERT_NE(end, std::string::npos) << out;
            size_t first = out.find_first_not_of(' ', pos);
            stripped.append(out, std::min(first, end), end + 2 - std::min(first, end));
            pos = end + 2;
        }
        ASSERT_EQ(stripped, expected) << text;
    }
}
