// The control structure analyzer's listing, exact bytes.
#include "generators/Analyzer.h"

#include <gtest/gtest.h>

namespace qm::generators {
namespace {

TEST(Analyzer, NumbersBalancedBlocksAndEndSubGoesToMinusOne)
{
    const std::string in = "Sub Foo()\r\n"
                           "   If a Then\r\n"
                           "      b = 1\r\n"
                           "   ElseIf c Then\r\n"
                           "      b = 2\r\n"
                           "   End If\r\n"
                           "End Sub\r\n";
    EXPECT_EQ(AnalyzeControlStructures(in), "    Sub Foo()\r\n"
                                            " 1     If a Then\r\n"
                                            "           b = 1\r\n"
                                            " 1     ElseIf c Then\r\n"
                                            "           b = 2\r\n"
                                            " 1     End If\r\n"
                                            "0  End Sub\r\n");
}

TEST(Analyzer, IfInsideForGivesNextWithoutFor)
{
    const std::string in = "For i = 1 To 3\r\n"
                           "If x Then\r\n"
                           "y\r\n"
                           "End If\r\n"
                           "Next i\r\n"
                           "End Sub\r\n";
    EXPECT_EQ(AnalyzeControlStructures(in), " 1  For i = 1 To 3\r\n"
                                            "  2  If x Then\r\n"
                                            "      y\r\n"
                                            "  2  End If\r\n"
                                            " 1  Next i\r\n"
                                            "** Next without For **\r\n"
                                            "0  End Sub\r\n"
                                            "** Next without For **\r\n");
}

TEST(Analyzer, SingleLineStatementsKeepTheLevel)
{
    const std::string in = "Do\r\n"
                           "For i = 1 To 3: x = x + i: Next\r\n"
                           "If a Then b = 1\r\n"
                           "If a Then ' only a comment\r\n"
                           "End If\r\n"
                           "Loop\r\n";
    EXPECT_EQ(AnalyzeControlStructures(in), " 1  Do\r\n"
                                            "    For i = 1 To 3: x = x + i: Next\r\n"
                                            "     If a Then b = 1\r\n"
                                            "  2  If a Then ' only a comment\r\n"
                                            "  2  End If\r\n"
                                            " 1  Loop\r\n"
                                            "** Loop without Do **\r\n");
}

TEST(Analyzer, MismatchNotesOfEachCloser)
{
    struct Case
    {
        const char *line;
        const char *note;
    };
    const Case cases[] = {
        {"Wend", "** Wend without While **"},           {"End With", "** End With without With **"},
        {"End Select", "** End Select without Select"}, {"Else", "** Else without If"},
        {"Loop Until x", "** Loop without Do **"},
    };
    for (const Case &c : cases) {
        const std::string out =
            AnalyzeControlStructures(std::string("For i = 1 To 2\r\n") + c.line + "\r\n");
        EXPECT_EQ(out.substr(out.size() - std::string(c.note).size() - 2),
                  std::string(c.note) + "\r\n")
            << c.line;
    }
}

TEST(Analyzer, NegativeLevelAndPlainText)
{
    EXPECT_EQ(AnalyzeControlStructures("Next\r\nEnd\r\nx = 1\r\n"), "0  Next\r\n"
                                                                    "** Next without For **\r\n"
                                                                    "-1 End\r\n"
                                                                    "** Next without For **\r\n"
                                                                    "    x = 1\r\n");
    EXPECT_EQ(AnalyzeControlStructures("a\nb"), "    a\r\n    b\r\n");
    EXPECT_EQ(AnalyzeControlStructures(""), "");
}

TEST(Analyzer, TenThousandLines)
{
    std::string in;
    for (int i = 0; i < 2500; ++i)
        in += "With a\r\nEnd With\r\nDo While x\r\nLoop\r\n";
    const std::string out = AnalyzeControlStructures(in);
    EXPECT_EQ(out.find("**"), std::string::npos);
    EXPECT_EQ(out.substr(out.size() - 10), " 1  Loop\r\n");
}

} // namespace
} // namespace qm::generators
