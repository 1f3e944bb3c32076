// qm changes, strip-comments and dead-events: their options, output bytes and exit codes.
#include "changes/CleanupCli.h"

#include "tests/support/EngineTest.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using qm::test::QmRun;
using qm::test::TempDir;

namespace {

QmRun runQm(std::vector<std::string> args, const std::string &input = {})
{
    args.insert(args.begin(), {"--name", "dev"});
    return qm::test::runQmCommand(qm::changes::addCleanupCommands, args, input);
}

const std::string kRule = std::string(35, '=') + "\r\n";

// A project in a folder of its own: a form in a subfolder, a module with "_" in its file name,
// and a class that is not there.
struct ProjectFixture : ::testing::Test
{
    TempDir dir;
    void SetUp() override
    {
        std::filesystem::create_directories(dir.path() / "forms");
        dir.write("App.vbp", "Type=Exe\r\nForm=forms\\frmMain.frm\r\n"
                             "Module=modDB; db_access.bas\r\nClass=CGone; gone.cls\r\n");
        dir.write("forms/frmMain.frm", "Begin VB.Form frmMain\r\nEnd\r\n"
                                       "Private Sub cmdGo_Click()\r\n"
                                       "'* Block Changed by Ann on 03/05/2024\r\n"
                                       "    Go\r\n"
                                       "'* End of Block Changed by Ann on 03/05/2024\r\n"
                                       "End Sub\r\n");
        dir.write("db_access.bas", "'* Block Added by Bob on 03/06/2024\nDim db\n"
                                   "'* End of Block Added by Bob on 03/06/2024\n");
    }
};

} // namespace

using QmChanges = ProjectFixture;

TEST_F(QmChanges, ReportsAProjectUnderTheNamesItsLinesWrite)
{
    QmRun run =
        runQm({"changes", "--from", "2024-03-05", "--to", "03/05/2024", dir.file("App.VBP")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "{Module: forms\\frmMain.frm}\r\n" + kRule +
                           "*** [Sub cmdGo_Click] ***\r\n"
                           "'* Block Changed by Ann on 03/05/2024\r\n"
                           "    Go\r\n"
                           "'* End of Block Changed by Ann on 03/05/2024\r\n \r\n"
                           "{Module: db_access.bas}\r\n" +
                           kRule +
                           "   No Changes in this module.\r\n \r\n"
                           "{Module: gone.cls}\r\n" +
                           kRule + "   Can't open this module.\r\n \r\n");
    EXPECT_EQ(run.err, "File Error: Can't open file: gone.cls\n");

    QmRun csv = runQm({"changes", "--programmer", "Bob", "--format", "csv", dir.file("App.vbp")});
    EXPECT_EQ(csv.status, 0);
    EXPECT_EQ(csv.out, "file,kind,procedure,change,programmer,date,lines\r\n"
                       "db_access.bas,General,Declarations,Added,Bob,2024-03-06,1\r\n");
}

TEST_F(QmChanges, ReportsOneFileUnderThePathGiven)
{
    const std::string path = dir.file("db_access.bas");
    QmRun run = runQm({"changes", "--programmer", "Ann", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "{Module: " + path + "}\r\n" + kRule);
    run = runQm({"changes", "--from", "bad", "--to", "03/05/2024", path});
    EXPECT_EQ(run.out, "{Module: " + path + "}\r\n" + kRule +
                           "*** [General Declarations] ***\r\n"
                           "'* Block Added by Bob on 03/06/2024\r\nDim db\r\n"
                           "'* End of Block Added by Bob on 03/06/2024\r\n \r\n");
}

TEST_F(QmChanges, UsageErrorsAndProblems)
{
    const std::string project = dir.file("App.vbp");
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{"changes", "--from", "03/05/2024", project},
          {"changes", "--to", "03/05/2024", project},
          {"changes", "--format", "xml", project},
          {"changes"},
          {"strip-comments"},
          {"strip-comments", "--all", "--product"},
          {"dead-events", "--in-place"}}) {
        EXPECT_EQ(runQm(args, "x\r\n").status, 2) << args.size();
    }
    dir.write("Empty.mak", "\x01\x02\xff binary\r\n");
    QmRun empty = runQm({"changes", dir.file("Empty.mak")});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "No Action: Found no modules in Project File!\n");
}

TEST(QmStripComments, WritesTheCodeOrTellsAnEmptySelection)
{
    QmRun run = runQm({"strip-comments", "--product"}, "' mine\r\n'* theirs\r\nx = 1\r\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "' mine\r\nx = 1\r\n");
    run = runQm({"strip-comments", "--all"}, "' mine\r\n'* theirs\r\nx = 1\r\n");
    EXPECT_EQ(run.out, "x = 1\r\n");
    run = runQm({"strip-comments", "--all"}, "  ");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "No Selected Text: No text selected to delete comments!\n");
}

TEST(QmDeadEvents, RewritesTheFormInPlaceAfterItsBackups)
{
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "my.app");
    const std::string form = "Begin VB.Form frmA\r\nEnd\r\nSub cmdX_Click()\r\nEnd Sub\r\n";
    dir.write("my.app/frmA.frm", form);
    dir.write("my.app/frmA.frx", "binary");
    const std::string path = dir.file("my.app/frmA.frm");

    QmRun run = runQm({"dead-events", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Begin VB.Form frmA\r\nEnd\r\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(dir.read("my.app/frmA.frm"), form);

    run = runQm({"dead-events", "--in-place", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "cmdX_Click\n");
    EXPECT_EQ(dir.read("my.app/frmA.frm"), "Begin VB.Form frmA\r\nEnd\r\n");
    EXPECT_EQ(dir.read("my.app/frmA.bk$"), form);
    EXPECT_EQ(dir.read("my.app/frmA.bx$"), "binary");
}

TEST(QmDeadEvents, LeavesAReadOnlyFormAsItWas)
{
    TempDir dir;
    const std::string form = "Begin VB.Form frmA\r\nEnd\r\nSub cmdX_Click()\r\nEnd Sub\r\n";
    dir.write("frmA.frm", form);
    namespace fs = std::filesystem;
    fs::permissions(dir.path() / "frmA.frm",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    QmRun run = runQm({"dead-events", "--in-place", dir.file("frmA.frm")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("Process Terminated: Can't copy temporary code file!", 0), 0u);
    EXPECT_EQ(dir.read("frmA.frm"), form);
    EXPECT_FALSE(fs::exists(dir.path() / "frmA.bk$"));
}
