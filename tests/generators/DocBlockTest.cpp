// The procedure documentation block, exact bytes.
#include "generators/DocBlock.h"

#include "common/Settings.h"
#include "tests/support/DocBlockKeywords.h"
#include "tests/support/EngineTest.h"

#include <gtest/gtest.h>

namespace qm::generators {
namespace {

DocBlockSettings settings()
{
    DocBlockSettings s = test::docBlockSettings("'***********\n"
                                                "'* Name: ProcName\n"
                                                "'* Purpose\n"
                                                "'* Parameters\n"
                                                "'* Returns\n"
                                                "'* Author\n"
                                                "'* Copyright\n"
                                                "'* Date Created\n"
                                                "'***********\n",
                                                "3/7/2026");
    s.programmer = common::fixedWidthName("Ann");
    s.company = common::fixedWidthName("Acme");
    return s;
}

const std::string kAnn = "Ann" + std::string(27, ' ');
const std::string kAcme = "Acme" + std::string(26, ' ');

TEST(DocBlock, FunctionWithParametersCommentsAndReturnType)
{
    const std::string in = "' adds two numbers\r\n"
                           "'-----------\r\n"
                           "\r\n"
                           "Private Function Add(ByVal a As Integer, b As Long) As Long\r\n"
                           "\r\n"
                           "   '* keeps the sum\r\n"
                           "   Add = a + b\r\n"
                           "   ' inner comment stays\r\n"
                           "End Function\r\n";
    EXPECT_EQ(DocumentProcedure(in, settings()),
              "Private Function Add(ByVal a As Integer, b As Long) As Long\r\n"
              "'***********\r\n"
              "'* Name: Add\r\n"
              "'* Purpose \r\n"
              "'*   adds two numbers\r\n"
              "'*   keeps the sum\r\n"
              "'* Parameters \r\n"
              "'*   ByVal a As Integer\r\n"
              "'*   b As Long\r\n"
              "'* Returns Long\r\n"
              "'* Author " +
                  kAnn + "\r\n'* Copyright " + kAcme +
                  "\r\n"
                  "'* Date Created 3/7/2026\r\n"
                  "'***********\r\n"
                  "   Add = a + b\r\n"
                  "   ' inner comment stays\r\n"
                  "End Function\r\n");
}

TEST(DocBlock, SubWithoutParametersLeavesKeywordsAlone)
{
    DocBlockSettings s = settings();
    s.templateText = "' Parameters\r\n' Returns\r\n' Purpose\r\n";
    EXPECT_EQ(DocumentProcedure("Sub Foo()\r\n   x = 1\r\nEnd Sub\r\n", s),
              "Sub Foo()\r\n' Parameters\r\n' Returns\r\n' Purpose\r\n   x = 1\r\nEnd Sub\r\n");
}

TEST(DocBlock, RunningTwiceReplacesTheFirstBlock)
{
    DocBlockSettings s = settings();
    s.templateText = "'*****\r\n'* Purpose\r\n'*****\r\n";
    const std::string once = DocumentProcedure("Sub Foo()\r\n' old note\r\nx\r\nEnd Sub\r\n", s);
    EXPECT_EQ(once,
              "Sub Foo()\r\n'*****\r\n'* Purpose \r\n'*   old note\r\n'*****\r\nx\r\nEnd Sub\r\n");
    EXPECT_EQ(DocumentProcedure(once, s), "Sub Foo()\r\n"
                                          "'*****\r\n"
                                          "'* Purpose \r\n"
                                          "'*   Purpose\r\n"
                                          "'*   old note\r\n"
                                          "'*****\r\n"
                                          "x\r\n"
                                          "End Sub\r\n");
}

TEST(DocBlock, ContinuedHeaderStaysAboveTheBlock)
{
    DocBlockSettings s = settings();
    s.templateText = "' Parameters\r\n";
    EXPECT_EQ(DocumentProcedure("Sub Foo(a As Integer, _\r\n   b As Long)\r\nx\r\n", s),
              "Sub Foo(a As Integer, _\r\n"
              "   b As Long)\r\n"
              "' Parameters \r\n"
              "'*   a As Integer\r\n"
              "'*   b As Long\r\n"
              "x\r\n");
}

TEST(DocBlock, TextWithoutHeaderIsRefusedAndLosesNothing)
{
    for (const char *in : {"", "' just a comment\r\nx = 1\r\n"}) {
        const common::UserMessage m = test::messageOf([&] { DocumentProcedure(in, settings()); });
        EXPECT_EQ(m.title, "Proc Not Selected") << in;
    }
}

TEST(DocBlock, ProcedureEndingAtHeader)
{
    DocBlockSettings s = settings();
    s.templateText = "' ProcName\r\n";
    EXPECT_EQ(DocumentProcedure("Sub Foo_Bar()", s), "Sub Foo_Bar()\r\n' Foo_Bar\r\n");
}

} // namespace
} // namespace qm::generators
