// qm taborder and qm layout over the sample form.
#include "layout/LayoutCli.h"

#include "ide/Form.h"
#include "layout/FormText.h"
#include "platform/FileSystem.h"
#include "tests/support/EngineTest.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sstream>

namespace qm::layout {
namespace {

using test::runQmCommand;

std::string samplePath()
{
    return std::string(QM_SOURCE_DIR) + "/examples/sample/frmOrder.frm";
}

std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The lines that differ between two texts of the same number of lines.
std::vector<std::string> changedLines(const std::string &before, const std::string &after)
{
    const auto a = linesOf(before), b = linesOf(after);
    EXPECT_EQ(a.size(), b.size());
    std::vector<std::string> changed;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i])
            changed.push_back(b[i]);
    return changed;
}

std::int32_t tabIndexOf(const std::string &form, const char *name)
{
    FormText text(form);
    return text.number(*text.findControl(name), "TabIndex").value_or(-1);
}

TEST(LayoutCli, OrdersTabsByRowsColumnsOrMarksChangingOnlyTabIndexLines)
{
    const std::string before = platform::readFile(samplePath());
    struct Case
    {
        const char *by;
        std::vector<const char *> expected; // by TabIndex from 0
    };
    const std::vector<Case> cases = {
        {"rows", {"txtCustomer", "chkGift", "lstNotes", "fraOrder"}},
        {"columns", {"txtCustomer", "chkGift", "lstNotes", "fraOrder"}},
        {"marks", {"lstNotes", "chkGift", "txtCustomer", "fraOrder"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.by);
        const auto run = runQmCommand(addLayoutCommands, {"taborder", "--by", c.by, samplePath(),
                                                          "lstNotes", "chkGift", "txtCustomer"});
        ASSERT_EQ(run.status, 0) << run.err;
        for (std::size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_EQ(tabIndexOf(run.out, c.expected[i]), static_cast<std::int32_t>(i));
        for (const std::string &line : changedLines(before, run.out))
            EXPECT_NE(line.find("TabIndex"), std::string::npos) << line;
        EXPECT_NO_THROW(ide::FormFile::parse(run.out, "frmOrder.frm"));
    }
}

TEST(LayoutCli, ArrangesChangingOnlyTheChangedLines)
{
    const std::string before = platform::readFile(samplePath());
    struct Case
    {
        std::vector<std::string> args;
        std::vector<std::string> changed;
    };
    const std::vector<Case> cases = {
        {{"align-left", "lblCustomer", "txtCustomer"}, {"         Left            =   240\r"}},
        {{"--ref", "lstNotes", "same-width", "txtQuantity"},
         {"         Width           =   1695\r"}},
        {{"align-top", "txtCustomer"}, {}},
        {{"3d", "chkGift"}, {}},
        {{"flat", "lblQuantity"},
         {"         Appearance      =   0  'Flat\r",
          "         BackStyle       =   0  'Transparent\r"}},
        {{"clear-text", "txtQuantity"}, {"         Text            =   \"\"\r"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.front());
        std::vector<std::string> args = {"layout"};
        std::size_t operation = c.args.front() == "--ref" ? 2 : 0;
        args.insert(args.end(), c.args.begin(), c.args.begin() + static_cast<long>(operation) + 1);
        args.push_back(samplePath());
        args.insert(args.end(), c.args.begin() + static_cast<long>(operation) + 1, c.args.end());
        const auto run = runQmCommand(addLayoutCommands, args);
        ASSERT_EQ(run.status, 0) << run.err;
        if (c.changed.empty() || c.args.front() != "flat") {
            EXPECT_EQ(changedLines(before, run.out), c.changed);
            continue;
        }
        // Flat adds the two lines the label did not have.
        EXPECT_EQ(linesOf(run.out).size(), linesOf(before).size() + 2);
        for (const std::string &line : c.changed)
            EXPECT_NE(run.out.find(line), std::string::npos) << line;
    }
}

TEST(LayoutCli, ReportsBadInput)
{
    struct Case
    {
        std::vector<std::string> args;
        int status;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"layout", "align-left", samplePath(), "txtCustomer", "nope"},
         1,
         "Error: The form has no control named \"nope\"\n"},
        {{"layout", "--ref", "ghost", "align-left", samplePath(), "txtCustomer"},
         1,
         "Error: The form has no control named \"ghost\"\n"},
        {{"taborder", "--by", "marks", samplePath(), "optSize"},
         1,
         "Error: The form has no control named \"optSize\"\n"},
        {{"layout", "tilt", samplePath()}, 2, ""},
        {{"taborder", "--by", "diagonal", samplePath()}, 2, ""},
        {{"taborder", samplePath()}, 2, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args[1]);
        const auto run = runQmCommand(addLayoutCommands, c.args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_TRUE(run.out.empty());
        if (!c.err.empty()) {
            EXPECT_EQ(run.err, c.err);
        }
    }
    const auto notAForm = runQmCommand(addLayoutCommands, {"layout", "bold", "-", "x"},
                                       "Private Sub Form_Load()\r\nEnd Sub\r\n");
    EXPECT_EQ(notAForm.status, 1);
    EXPECT_EQ(notAForm.err, "File Error: Not a form description: no 'Begin' line\n");
}

TEST(LayoutCli, RewritesInPlaceAfterBackingUpTheFormAndItsFrx)
{
    test::TempDir dir;
    const std::string original = platform::readFile(samplePath());
    dir.write("frmOrder.frm", original);
    dir.write("frmOrder.frx", "binary");
    const auto run = runQmCommand(addLayoutCommands, {"layout", "--in-place", "bold",
                                                      dir.file("frmOrder.frm"), "cmdAction(1)"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(dir.read("frmOrder.bk$"), original);
    EXPECT_EQ(dir.read("frmOrder.bx$"), "binary");
    const std::string rewritten = dir.read("frmOrder.frm");
    EXPECT_NE(rewritten, original);
    EXPECT_NE(rewritten.find("Weight          =   700"), std::string::npos);
    EXPECT_NO_THROW(ide::FormFile::parse(rewritten, "frmOrder.frm"));

    const auto stdinRun = runQmCommand(
        addLayoutCommands, {"layout", "--in-place", "bold", "-", "cmdAction(1)"}, original);
    EXPECT_EQ(stdinRun.status, 2);

    // A read-only form is the programmer's protection: it stays as it was, without backups.
    dir.write("frmRo.frm", original);
    std::filesystem::permissions(dir.path() / "frmRo.frm", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    const auto readOnly = runQmCommand(
        addLayoutCommands, {"layout", "--in-place", "bold", dir.file("frmRo.frm"), "cmdAction(1)"});
    EXPECT_EQ(readOnly.status, 1);
    EXPECT_EQ(readOnly.err, "File Error: " + dir.file("frmRo.frm") + ": Permission denied\n");
    EXPECT_EQ(dir.read("frmRo.frm"), original);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "frmRo.bk$"));
}

} // namespace
} // namespace qm::layout
