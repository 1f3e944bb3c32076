// qm errtrap, analyze, document and newproc: syntax, output bytes and exit codes.
#include "generators/ProcedureCli.h"

#include "tests/support/EngineTest.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace qm::generators {
namespace {

using test::runQmCommand;

TEST(ProcedureCommands, ErrTrapAddRemoveAndHandler)
{
    const std::string foo = "Sub Foo()\nx = 1\nEnd Sub\n";
    const test::QmRun added = runQmCommand(addProcedureCommands, {"errtrap", "add"}, foo);
    EXPECT_EQ(added.status, 0);
    EXPECT_EQ(added.out,
              "Sub Foo()\r\n\r\n   On Error GoTo ErrH_Foo\r\n\r\nx = 1\r\n   Exit Sub\r\n"
              "\r\nErrH_Foo:\r\n   ErrHandler Err, Error, \"Foo\", \"\"\r\n"
              "   Exit Sub\r\nEnd Sub\r\n");
    const test::QmRun removed =
        runQmCommand(addProcedureCommands, {"errtrap", "remove"}, added.out);
    EXPECT_EQ(removed.out, "Sub Foo()\r\n\r\n\r\nx = 1\r\n   Exit Sub\r\n\r\nEnd Sub\r\n");

    const test::QmRun handler = runQmCommand(addProcedureCommands, {"errtrap", "handler"});
    EXPECT_EQ(handler.status, 0);
    EXPECT_EQ(handler.out.substr(0, 20), "Sub ErrHandler(pErr,");

    const test::QmRun blank = runQmCommand(addProcedureCommands, {"errtrap", "remove"}, "\n");
    EXPECT_EQ(blank.status, 1);
    EXPECT_EQ(blank.out, "");
    EXPECT_EQ(blank.err, "Proc Not Selected: Entire Procedure must be selected!\n");
}

TEST(ProcedureCommands, Analyze)
{
    const test::QmRun run = runQmCommand(addProcedureCommands, {"analyze"}, "If a Then\nEnd If\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, " 1  If a Then\r\n 1  End If\r\n");
}

class ProcedureTemplateCommands : public ::testing::Test
{
protected:
    test::TempDir dir;
    test::ScopedEnv windows{"WINDIR", dir.str()}; // no settings file: the shipped keywords
};

TEST_F(ProcedureTemplateCommands, NewProcAppliesStepsInOrder)
{
    dir.write("np.txt", "' Author\r\n' Date Created\r\nProcedure ProcName()\r\nEnd Procedure\r\n");
    const test::QmRun run =
        runQmCommand(addProcedureCommands,
                     {"--today", "2026-03-07", "--name", "Ann", "newproc", "--template",
                      dir.file("np.txt"), "--proc-name", "Total", "--function", "--private"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "' Author Ann\r\n' Date Created 3/7/2026\r\n"
                       "Private Function Total()\r\nEnd Function\r\n");

    const test::QmRun plain = runQmCommand(
        addProcedureCommands, {"newproc", "--template", dir.file("np.txt"), "--public"});
    EXPECT_NE(plain.out.find("Public Sub NewProcName()\r\nEnd Sub\r\n"), std::string::npos);
}

TEST_F(ProcedureTemplateCommands, NewProcRefusesBothScopesAndMissingTemplate)
{
    EXPECT_EQ(runQmCommand(addProcedureCommands, {"newproc", "--private", "--public"}).status, 2);
    const test::QmRun missing =
        runQmCommand(addProcedureCommands, {"newproc", "--template", dir.file("none.txt")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "File Error: Can't open file: " + dir.file("none.txt") + "\n");
}

TEST_F(ProcedureTemplateCommands, DocumentUsesCompanyAndNameFields)
{
    dir.write("doc.txt", "' ProcName\n' Author\n' Copyright\n' Date Created\n");
    const test::QmRun run = runQmCommand(addProcedureCommands,
                                         {"--today", "2026-12-09", "--name", "Ann", "document",
                                          "--template", dir.file("doc.txt"), "--company", "Acme"},
                                         "Sub Foo()\nEnd Sub\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Sub Foo()\r\n' Foo\r\n' Author Ann" + std::string(27, ' ') +
                           "\r\n' Copyright Acme" + std::string(26, ' ') +
                           "\r\n' Date Created 12/9/2026\r\nEnd Sub\r\n");
}

} // namespace
} // namespace qm::generators
