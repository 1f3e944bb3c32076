// Local error traps: placing, removing, and the module error handler's exact text.
#include "generators/ErrorTrap.h"

#include "tests/support/EngineTest.h"

#include <gtest/gtest.h>

namespace qm::generators {
namespace {

const std::string kFoo = "Sub Foo()\r\n"
                         "   x = 1\r\n"
                         "   y = 2\r\n"
                         "End Sub\r\n";

const std::string kFooTrapped = "Sub Foo()\r\n"
                                "\r\n"
                                "   On Error GoTo ErrH_Foo\r\n"
                                "\r\n"
                                "   x = 1\r\n"
                                "   y = 2\r\n"
                                "   Exit Sub\r\n"
                                "\r\n"
                                "ErrH_Foo:\r\n"
                                "   ErrHandler Err, Error, \"Foo\", \"\"\r\n"
                                "   Exit Sub\r\n"
                                "End Sub\r\n";

TEST(ErrorTrap, WrapsSubInLocalTrap)
{
    EXPECT_EQ(GenLocalErrorTrap(kFoo), kFooTrapped);
}

TEST(ErrorTrap, RemovingTrapKeepsExitLine)
{
    EXPECT_EQ(RemoveLocalErrorHandler(kFooTrapped), "Sub Foo()\r\n"
                                                    "\r\n"
                                                    "\r\n"
                                                    "   x = 1\r\n"
                                                    "   y = 2\r\n"
                                                    "   Exit Sub\r\n"
                                                    "\r\n"
                                                    "End Sub\r\n");
}

TEST(ErrorTrap, HeaderGivesKindAndName)
{
    struct Case
    {
        const char *line;
        const char *kind;
        const char *name;
    };
    const Case cases[] = {
        {"Private Function Bar(ByVal a As Integer, b As String) As Long", "Function", "Bar"},
        {"Public Sub cmd_OK_Click()", "Sub", "cmd_OK_Click"},
        {"Function Total (n)", "Function", "Total"},
        {"' Sub helper", "Sub", "helper"},
        {"x = 1", "Function", ""},
    };
    for (const Case &c : cases) {
        const ProcedureHeader header = readProcedureHeader(c.line);
        EXPECT_EQ(header.kind, c.kind) << c.line;
        EXPECT_EQ(header.name, c.name) << c.line;
    }
}

TEST(ErrorTrap, FunctionWithDeclarationsAndComments)
{
    const std::string in = "Private Function Bar(a As Integer) As Long\r\n"
                           "   ' the total\r\n"
                           "   Dim t As Long\r\n"
                           "\r\n"
                           "   Bar = a * 2\r\n"
                           "End Function\r\n";
    EXPECT_EQ(GenLocalErrorTrap(in), "Private Function Bar(a As Integer) As Long\r\n"
                                     "   ' the total\r\n"
                                     "   Dim t As Long\r\n"
                                     "\r\n"
                                     "\r\n"
                                     "   On Error GoTo ErrH_Bar\r\n"
                                     "\r\n"
                                     "   Bar = a * 2\r\n"
                                     "   Exit Function\r\n"
                                     "\r\n"
                                     "ErrH_Bar:\r\n"
                                     "   ErrHandler Err, Error, \"Bar\", \"\"\r\n"
                                     "   Exit Function\r\n"
                                     "End Function\r\n");
}

TEST(ErrorTrap, ProcedureWithoutStatementsStaysAsItIs)
{
    const std::string in = "Sub Decl()\r\n   Dim a\r\n   ' nothing\r\n\r\nEnd Sub\r\n";
    EXPECT_EQ(GenLocalErrorTrap(in), in);
}

TEST(ErrorTrap, CodeAfterFirstProcedureIsKept)
{
    const std::string in = kFoo + "\r\nSub Other()\r\n   z = 3\r\nEnd Sub\r\n";
    EXPECT_EQ(GenLocalErrorTrap(in), kFooTrapped + "\r\nSub Other()\r\n   z = 3\r\nEnd Sub\r\n");
    EXPECT_EQ(RemoveLocalErrorHandler(GenLocalErrorTrap(in)),
              RemoveLocalErrorHandler(kFooTrapped) + "\r\nSub Other()\r\n   z = 3\r\nEnd Sub\r\n");
}

TEST(ErrorTrap, MissingEndLineGetsOnlyTheGoTo)
{
    EXPECT_EQ(GenLocalErrorTrap("Sub Foo()\nx = 1\n"),
              "Sub Foo()\r\n\r\n   On Error GoTo ErrH_Foo\r\n\r\nx = 1\r\n");
}

TEST(ErrorTrap, ContinuedHeaderStaysWhole)
{
    const std::string in = "Sub Foo(a As Integer, _\r\n"
                           "        b As Long)\r\n"
                           "   x = a\r\n"
                           "End Sub\r\n";
    EXPECT_EQ(GenLocalErrorTrap(in).substr(0, 74), "Sub Foo(a As Integer, _\r\n"
                                                   "        b As Long)\r\n"
                                                   "\r\n"
                                                   "   On Error GoTo ErrH_Foo\r\n");
}

TEST(ErrorTrap, BlankSelectionIsRefused)
{
    for (auto operation : {&GenLocalErrorTrap, &RemoveLocalErrorHandler}) {
        const common::UserMessage m = test::messageOf([&] { operation("  \r\n"); });
        EXPECT_EQ(m.title, "Proc Not Selected");
        EXPECT_EQ(m.text, "Entire Procedure must be selected!");
        EXPECT_EQ(m.style, 64);
    }
}

TEST(ErrorTrap, ModuleHandlerIsTenExactLines)
{
    EXPECT_EQ(moduleErrorHandler(),
              "Sub ErrHandler(pErr, pError, pProcName As string, pPN2 As String)\r\n"
              "   Dim sMsg as string\r\n"
              "   sMsg = \"\"\r\n"
              "   sMsg = sMsg & \"Err Code: \"& str$(pErr) & chr(10)\r\n"
              "   sMsg = sMsg & \"Err Desc: \"& pError & chr(10)\r\n"
              "   sMsg = sMsg & \"Procname: \"& pProcName & chr(10)\r\n"
              "   sMsg = sMsg & \"Sub Proc: \"& pPN2\r\n"
              "   MsgBox sMsg, vbCritical, \"Program Error\"\r\n"
              "   Err.Clear\r\n"
              "End Sub\r\n");
}

} // namespace
} // namespace qm::generators
