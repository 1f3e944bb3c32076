// qm library, clone, textbox-code, delete-controls and paste-menu: output bytes, exit codes
// and the files they leave.
#include "library/LibraryCli.h"

#include "ide/Form.h"
#include "tests/support/EngineTest.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qm::library {
namespace {

using test::runQmCommand;

std::string sampleForm()
{
    return std::string(QM_SOURCE_DIR) + "/examples/sample/frmOrder.frm";
}

struct LibraryCli : ::testing::Test
{
    test::TempDir dir;
    test::QmRun qm(std::vector<std::string> args)
    {
        args.insert(args.begin() + 1, {"--dir", dir.str()});
        return runQmCommand(addLibraryCommands, args);
    }
};

TEST_F(LibraryCli, AddListGetAndDeleteAProcedure)
{
    dir.write("qm_procs.txt", "Fmt|PROC0001.txt|Formats a date|with a bar\r\n");
    dir.write("twice.bas", "Public Function Twice(x)\r\n    Twice = 2 * x\r\nEnd Function");
    const auto added = qm({"library", "add", "procs", dir.file("twice.bas"), "--desc", "Doubles"});
    EXPECT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(added.out, "PROC0002.txt\n");

    const auto list = qm({"library", "list", "procs"});
    EXPECT_EQ(list.out,
              "Fmt\tPROC0001.txt\tFormats a date|with a bar\nTwice\tPROC0002.txt\tDoubles\n");

    const auto get = qm({"library", "get", "procs", "TWICE"});
    EXPECT_EQ(get.out, "Public Function Twice(x)\r\n    Twice = 2 * x\r\nEnd Function\r\n");

    EXPECT_EQ(qm({"library", "delete", "procs", "Twice"}).status, 0);
    EXPECT_EQ(dir.read("qm_procs.txt"), "Fmt|PROC0001.txt|Formats a date|with a bar\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("PROC0002.txt")));
}

TEST_F(LibraryCli, ProblemsAndMistakes)
{
    dir.write("qm_forms.txt", "Gone|FORM0001.frm|its file is missing\r\n");
    dir.write("plain.txt", "x = 1\r\n");
    struct Case
    {
        std::vector<std::string> args;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {{"library", "get", "forms", "Gone"}, 1, "Get Object Failed: Can't open FORM0001.frm\n"},
        {{"library", "get", "forms", "Other"},
         1,
         "No Object Selected: The library holds no object named Other.\n"},
        {{"library", "add", "procs", dir.file("plain.txt"), "--desc", "d"},
         1,
         "No Action: The file holds no Sub or Function header.\n"},
        {{"library", "add", "forms", dir.file("plain.txt"), "--desc", "d"},
         1,
         "Input Error: A name is needed (--lib-name).\n"},
        {{"library", "list", "modules"}, 1, ""},
    };
    for (const Case &c : cases) {
        const auto run = qm(c.args);
        EXPECT_EQ(run.status, c.status) << c.args[1] << " " << c.args[3];
        if (!c.err.empty()) {
            EXPECT_EQ(run.err, c.err);
        }
    }
    EXPECT_EQ(qm({"library", "list", "bogus"}).status, 2);
    EXPECT_EQ(qm({"library", "frob", "forms"}).status, 2);
}

TEST_F(LibraryCli, CloneWritesTheFormAndItsFrxAndRefusesTheSourceItself)
{
    std::filesystem::copy_file(sampleForm(), dir.file("frmOrder.frm"));
    dir.write("frmOrder.frx", "bin");
    const auto same = runQmCommand(
        addLibraryCommands, {"clone", dir.file("frmOrder.frm"), dir.file("FRMORDER.FRM"), "X"});
    EXPECT_EQ(same.status, 1);
    EXPECT_EQ(same.err, "File Name Error: Cloned Form Name can't be the same as the original!\n");

    const auto run =
        runQmCommand(addLibraryCommands, {"clone", "--caption", "Copy", dir.file("frmOrder.frm"),
                                          dir.file("frmCopy.frm"), "frmCopy"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(dir.read("frmCopy.frx"), "bin");
    const std::string clone = dir.read("frmCopy.frm");
    EXPECT_NE(clone.find("Begin VB.Form frmCopy\r\n   Caption     =  \"Copy\"\r\n"),
              std::string::npos);
    EXPECT_EQ(ide::FormFile::parse(clone, "frmCopy.frm")->text(), clone);

    const auto again = runQmCommand(addLibraryCommands, {"clone", dir.file("frmOrder.frm"),
                                                         dir.file("frmCopy.frm"), "frmCopy"});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(dir.read("frmCopy.frm"), clone);
}

TEST_F(LibraryCli, DeleteControlsInPlaceKeepsBackups)
{
    std::filesystem::copy_file(sampleForm(), dir.file("frmOrder.frm"));
    dir.write("frmOrder.frx", "bin");
    const std::string before = dir.read("frmOrder.frm");
    const auto out =
        runQmCommand(addLibraryCommands, {"delete-controls", dir.file("frmOrder.frm"), "tmrClock"});
    ASSERT_EQ(out.status, 0) << out.err;
    EXPECT_EQ(out.out.find("tmrClock"), std::string::npos);

    const auto run = runQmCommand(addLibraryCommands, {"delete-controls", "--in-place",
                                                       dir.file("frmOrder.frm"), "tmrClock"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(dir.read("frmOrder.bk$"), before);
    EXPECT_EQ(dir.read("frmOrder.bx$"), "bin");
    EXPECT_EQ(dir.read("frmOrder.frm"), out.out);

    const auto none =
        runQmCommand(addLibraryCommands, {"delete-controls", dir.file("frmOrder.frm")});
    EXPECT_EQ(none.err, "No Action: No controls selected for deletion!\n");
    // A read-only form is refused and left as it was, its backups untouched.
    const std::string rewritten = dir.read("frmOrder.frm");
    std::filesystem::permissions(dir.path() / "frmOrder.frm", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    const auto readOnly =
        runQmCommand(addLibraryCommands,
                     {"delete-controls", "--in-place", dir.file("frmOrder.frm"), "txtCustomer"});
    EXPECT_EQ(readOnly.status, 1);
    EXPECT_EQ(readOnly.err, "File Error: " + dir.file("frmOrder.frm") + ": Permission denied\n");
    EXPECT_EQ(dir.read("frmOrder.frm"), rewritten);
    EXPECT_EQ(dir.read("frmOrder.bk$"), before);
}

TEST_F(LibraryCli, PasteMenuAndTextBoxCode)
{
    const auto same = runQmCommand(addLibraryCommands, {"paste-menu", sampleForm(), sampleForm()});
    EXPECT_EQ(same.err, "File Name Error: Output Form Name can't be the same as the original!\n");

    dir.write("frmD.frm", "VERSION 5.00\r\nBegin VB.Form frmD\r\nEnd\r\n"
                          "Attribute VB_Name = \"frmD\"\r\n");
    dir.write("frmD.frx", "bin"); // the menu changes no picture: no .bx$ backup
    const auto run = runQmCommand(addLibraryCommands,
                                  {"paste-menu", "--in-place", sampleForm(), dir.file("frmD.frm")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(dir.read("frmD.bk$"), "VERSION 5.00\r\nBegin VB.Form frmD\r\nEnd\r\n"
                                    "Attribute VB_Name = \"frmD\"\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "frmD.bx$"));
    const std::string after = dir.read("frmD.frm");
    EXPECT_NE(after.find("   Begin VB.Menu mnuHelpAbout \r\n"), std::string::npos);
    EXPECT_NE(after.find("Private Sub mnuFileExit_Click()"), std::string::npos);
    EXPECT_EQ(ide::FormFile::parse(after, "frmD.frm")->text(), after);

    const auto code =
        runQmCommand(addLibraryCommands, {"textbox-code", "--kill-beep", "txtA", "txtN(3)"});
    EXPECT_EQ(code.out, "Private Sub txtA_KeyPress(KeyAscii As Integer)\r\n"
                        "   If KeyAscii = 13 Then KeyAscii = 0\r\n"
                        "End Sub\r\n"
                        "Private Sub txtN_KeyPress(Index As Integer, KeyAscii As Integer)\r\n"
                        "   If KeyAscii = 13 Then KeyAscii = 0\r\n"
                        "End Sub\r\n");
    EXPECT_EQ(runQmCommand(addLibraryCommands, {"textbox-code", "txt(x"}).status, 2);
}

} // namespace
} // namespace qm::library
