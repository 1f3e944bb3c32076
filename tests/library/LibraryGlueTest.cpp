// The object library's operations against a fake host: what each asks the host for and in which
// order, what it pastes or inserts, which files it writes and backs up, and what the programmer
// is told when a step fails.
#include "library/LibraryGlue.h"

#include "common/ProgramState.h"
#include "tests/support/FakeCodeWindow.h"
#include "tests/support/FakeHost.h"
#include "tests/support/ShownMessages.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <set>

namespace qm::library {
namespace {

using Keys = std::vector<std::string>;

const std::string kActivate = std::string("activate ") + test::kHostCaption;

const std::string kForm = "VERSION 5.00\r\n"
                          "Begin VB.Form frmMain \r\n"
                          "   Caption         =   \"Main\"\r\n"
                          "   Begin VB.TextBox txtName \r\n"
                          "      Text            =   \"\"\r\n"
                          "   End\r\n"
                          "   Begin VB.CommandButton cmdOk \r\n"
                          "      Caption         =   \"OK\"\r\n"
                          "   End\r\n"
                          "End\r\n"
                          "Attribute VB_Name = \"frmMain\"\r\n"
                          "Private Sub txtName_Change()\r\n"
                          "    Beep\r\n"
                          "End Sub\r\n"
                          "Private Sub cmdOk_Click()\r\n"
                          "    Unload Me\r\n"
                          "End Sub\r\n";

const std::string kMenuForm = "VERSION 5.00\r\n"
                              "Begin VB.Form frmMenus \r\n"
                              "   Begin VB.Menu mnuFile \r\n"
                              "      Caption         =   \"&File\"\r\n"
                              "   End\r\n"
                              "End\r\n"
                              "Attribute VB_Name = \"frmMenus\"\r\n"
                              "Private Sub mnuFile_Click()\r\n"
                              "End Sub\r\n";

class LibraryGlue : public test::HostCommandTest
{
protected:
    void SetUp() override
    {
        HostCommandTest::SetUp();
        common::programState().host = &fakeHost;
        program.write("qm_procs.txt", "Fmt|PROC0001.txt|Formats a date\r\n");
        program.write("PROC0001.txt", "Function Fmt(d)\r\nEnd Function\r\n");
        program.write("qm_forms.txt", "");
        program.write("qm_ctrls.txt", "");
        project.write("Main.frm", kForm);
        project.write("Main.frx", "pictures");
        host.activeFormFile = project.file("Main.frm");
    }
    void TearDown() override
    {
        common::programState().host = nullptr;
        HostCommandTest::TearDown();
    }

    std::vector<std::string> messages() const { return test::shownMessages(ui); }
    void select(std::shared_ptr<test::PropertyControl> control)
    {
        fakeHost.selection.push_back(std::move(control));
    }
    static std::shared_ptr<test::PropertyControl> control(std::string name)
    {
        return std::make_shared<test::PropertyControl>(std::move(name),
                                                       std::set<std::string>{"Index"});
    }

    test::TempDir program;
    test::ScopedEnv appDir{"QM_APP_DIR", program.str()};
    test::TempDir project;
    test::FakeHost fakeHost;
};

TEST_F(LibraryGlue, PasteProcedurePastesTheStoredBytesIntoTheCodeWindow)
{
    // The window records the host when it opens; a paste goes to that window.
    common::recordHostState();
    PasteProcedure({"Fmt", "", "PROC0001.txt"});
    EXPECT_EQ(host.selection, "Function Fmt(d)\r\nEnd Function\r\n");
    EXPECT_EQ(host.log, (Keys{kActivate, "^v wait"}));

    // A stored object whose file is gone is told and nothing is pasted.
    PasteProcedure({"Gone", "", "PROC0009.txt"});
    EXPECT_EQ(messages(), Keys{"Get Object Failed: Can't open PROC0009.txt (16)"});
    EXPECT_EQ(host.pastes, 1);
}

TEST_F(LibraryGlue, PasteProcedureWithoutARecordedHostActivatesNothing)
{
    PasteProcedure({"Fmt", "", "PROC0001.txt"});
    EXPECT_TRUE(host.log.empty());
    EXPECT_EQ(host.pastes, 0);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0].find("\"pbPasteObject_Click\""), std::string::npos);
}

TEST_F(LibraryGlue, CaptureProcedureStoresTheSelectionUnderItsOwnName)
{
    host.selection = "Public Function Twice(x)\r\n    Twice = 2 * x\r\nEnd Function";
    int asked = 0;
    EXPECT_TRUE(CaptureProcedure([&] {
        ++asked;
        return std::optional<std::string>("Doubles");
    }));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(program.read("qm_procs.txt"),
              "Fmt|PROC0001.txt|Formats a date\r\nTwice|PROC0002.txt|Doubles\r\n");
    EXPECT_EQ(program.read("PROC0002.txt"),
              "Public Function Twice(x)\r\n    Twice = 2 * x\r\nEnd Function\r\n");
    EXPECT_EQ(host.log, (Keys{kActivate, "^c wait"}));
    EXPECT_EQ(host.pastes, 0);
}

TEST_F(LibraryGlue, CaptureProcedureStoresNothingWithoutAProcedureOrADescription)
{
    const auto described = [] {
        return std::optional<std::string>("text");
    };
    const auto cancelled = [] {
        return std::optional<std::string>();
    };
    const struct
    {
        const char *selection;
        std::function<std::optional<std::string>()> describe;
    } cases[] = {
        {"x = 1\r\n", described},                 // no Sub or Function header
        {"Sub Keep()\r\nEnd Sub\r\n", cancelled}, // the description was cancelled
        {"  \r\n", described}, // nothing selected, and the host copied no procedure either
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.selection);
        host.selection = c.selection;
        EXPECT_FALSE(CaptureProcedure(c.describe));
    }
    EXPECT_EQ(program.read("qm_procs.txt"), "Fmt|PROC0001.txt|Formats a date\r\n");
    EXPECT_FALSE(std::filesystem::exists(program.file("PROC0002.txt")));
    EXPECT_TRUE(messages().empty());
}

TEST_F(LibraryGlue, CaptureFileStoresTheSavedFormWithItsPictures)
{
    EXPECT_TRUE(CaptureFile(ObjectKind::Forms, [] {
        return std::optional<std::pair<std::string, std::string>>({"Main", "main window"});
    }));
    EXPECT_EQ(host.log, (Keys{kActivate, "^s wait"}));
    EXPECT_EQ(program.read("qm_forms.txt"), "Main|FORM0001.frm|main window\r\n");
    EXPECT_EQ(program.read("FORM0001.frm"), kForm);
    EXPECT_EQ(program.read("FORM0001.frx"), "pictures");

    // A cancelled description stores nothing; a host that saves nothing is told.
    EXPECT_FALSE(CaptureFile(ObjectKind::Forms,
                             [] { return std::optional<std::pair<std::string, std::string>>(); }));
    host.activeFormFile.clear();
    int asked = 0;
    EXPECT_FALSE(CaptureFile(ObjectKind::Forms, [&] {
        ++asked;
        return std::optional<std::pair<std::string, std::string>>({"X", ""});
    }));
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(messages(), Keys{"No Action: Quillmark can't capture ActiveForm name. (16)"});
    EXPECT_EQ(program.read("qm_forms.txt"), "Main|FORM0001.frm|main window\r\n");
}

TEST_F(LibraryGlue, TextBoxCodeGoesIntoTheActiveFormForEachSelectedControl)
{
    auto member = control("txtQty");
    member->values["Index"] = 2;
    select(control("txtName"));
    select(member);
    const TextBoxOptions options{true, false, true};
    PasteTextBoxCode(options);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(fakeHost.inserted, textBoxCode({{"txtName", {}}, {"txtQty", 2}}, options));
    EXPECT_NE(fakeHost.inserted.find("Private Sub txtQty_KeyDown(Index As Integer"),
              std::string::npos);
    EXPECT_EQ(host.log, (Keys{kActivate, "^s wait"}));
    // The temporary code file is gone again.
    EXPECT_FALSE(std::filesystem::exists(program.file("tempcode.txt")));
}

TEST_F(LibraryGlue, TextBoxCodeIsRefusedWithoutControlsOrASavedForm)
{
    PasteTextBoxCode({});
    select(control("txtName"));
    host.activeFormFile.clear();
    PasteTextBoxCode({});
    fakeHost.hasActiveForm = false;
    PasteTextBoxCode({});
    const std::vector<std::string> shown = messages();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], "No Action: No controls selected! (48)");
    EXPECT_EQ(shown[1], "Code Not Pasted: Quillmark can't capture the filename of\nthe destination "
                        "form, and the code can't\nbe pasted.  Please initiate the function\n"
                        "again.    (48)");
    EXPECT_NE(shown[2].find("\"pbPastetoForm_Click\""), std::string::npos);
    EXPECT_TRUE(fakeHost.inserted.empty());
}

TEST_F(LibraryGlue, DeleteControlsRewritesTheFormOutsideTheProjectAndKeepsBackups)
{
    select(control("txtName"));
    DeleteSelectedControls();
    EXPECT_EQ(messages(), Keys{"Controls && Code Deleted: Your old .FRM/.FRX Files are backed up "
                               "as name.BK$/BX$ (64)"});
    EXPECT_EQ(project.read("Main.frm"), deleteControls(kForm, {"txtName"}));
    EXPECT_EQ(project.read("Main.frm").find("txtName"), std::string::npos);
    EXPECT_EQ(project.read("Main.bk$"), kForm);
    EXPECT_EQ(project.read("Main.bx$"), "pictures");
    // Saved, taken out of the project, and added again once rewritten.
    EXPECT_EQ(host.log, (Keys{kActivate, "^s wait", kActivate, "^{DEL} wait"}));
    EXPECT_EQ(fakeHost.addedFiles, Keys{project.file("Main.frm")});
}

TEST_F(LibraryGlue, DeleteControlsThatCannotRewriteLeavesTheFormAndPutsItBack)
{
    // The backup cannot be written: the form stays as it was and comes back into the project.
    std::filesystem::create_directory(project.file("Main.bk$"));
    select(control("cmdOk"));
    DeleteSelectedControls();
    EXPECT_EQ(project.read("Main.frm"), kForm);
    EXPECT_EQ(fakeHost.addedFiles, Keys{project.file("Main.frm")});
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0].find("\"DeleteControlsProc\""), std::string::npos);

    // Nothing selected: nothing is sent to the host at all.
    fakeHost.selection.clear();
    host.log.clear();
    DeleteSelectedControls();
    EXPECT_EQ(messages().back(), "No Action: No controls selected for deletion! (48)");
    EXPECT_TRUE(host.log.empty());
}

TEST_F(LibraryGlue, CopiedControlsAndTheirCodeArePastedOntoAnotherForm)
{
    select(control("txtName"));
    const std::vector<std::string> copied = GetControlsAndCode();
    EXPECT_EQ(copied, Keys{"txtName"});
    EXPECT_EQ(program.read("tmp_code.cod"),
              "Private Sub txtName_Change()\r\n    Beep\r\nEnd Sub\r\n");
    EXPECT_EQ(host.log, (Keys{kActivate, "^c wait", kActivate, "^s wait"}));

    host.log.clear();
    project.write("Other.frm", "VERSION 5.00\r\n");
    host.activeFormFile = project.file("Other.frm");
    PasteControlsAndCode(copied);
    EXPECT_EQ(host.log, (Keys{kActivate, "^v wait", kActivate, "^s wait"}));
    EXPECT_EQ(fakeHost.inserted, program.read("tmp_code.cod"));
    EXPECT_EQ(messages(),
              (Keys{": Code and controls copied, select new form and Paste Controls. (64)",
                    "Object and Code Pasted: Controls and Code have been pasted to your form, but "
                    "the form has not been saved. (64)"}));
}

TEST_F(LibraryGlue, CopyAndPasteControlsRefuseWhatIsMissing)
{
    EXPECT_TRUE(GetControlsAndCode().empty());
    PasteControlsAndCode({});
    select(control("txtName"));
    host.activeFormFile.clear();
    EXPECT_TRUE(GetControlsAndCode().empty());
    const std::vector<std::string> shown = messages();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], "No Action: No controls selected to copy! (48)");
    EXPECT_EQ(shown[1], "Nothing To Paste: You have not Copied Controls prior to selecting\nthe "
                        "Paste option! (48)");
    EXPECT_EQ(shown[2].rfind("Controls Not Copied: Quillmark can't capture the filename\n", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(program.file("tmp_code.cod")));
    EXPECT_EQ(host.pastes, 0);
}

TEST_F(LibraryGlue, PasteMenuAddsTheMenusAndTheirCodeKeepingABackup)
{
    project.write("Menus.frm", kMenuForm);
    PasteMenuProc(project.file("Menus.frm"));
    EXPECT_EQ(messages(), Keys{"Paste Menu: Menu and code have been copied. (64)"});
    EXPECT_EQ(project.read("Main.frm"), pasteMenu(kMenuForm, kForm));
    EXPECT_NE(project.read("Main.frm").find("Begin VB.Menu mnuFile"), std::string::npos);
    EXPECT_EQ(project.read("Main.bk$"), kForm);
    EXPECT_FALSE(std::filesystem::exists(project.file("Main.bx$")));
    EXPECT_EQ(fakeHost.addedFiles, Keys{project.file("Main.frm")});
}

TEST_F(LibraryGlue, PasteMenuRefusesAMissingOrTheSameSource)
{
    PasteMenuProc("");
    PasteMenuProc(project.file("MAIN.FRM "));
    PasteMenuProc(project.file("Gone.frm"));
    EXPECT_EQ(messages(),
              (Keys{"Paste Menu Error: You must click Copy Menu before Paste Menu! (48)",
                    "File Name Error: Output Form Name can't be the same as the original! (48)",
                    "Paste Menu Error: Can't open " + project.file("Gone.frm") + " (48)"}));
    EXPECT_EQ(project.read("Main.frm"), kForm);
    EXPECT_TRUE(fakeHost.addedFiles.empty());
}

TEST_F(LibraryGlue, CloneWritesTheCloneWithItsPicturesAndAddsItToTheProject)
{
    ui.queueFileAnswer(project.file("Main.frm"));
    ui.queueFileAnswer(project.file("Copy.frm"));
    ui.queueInputBoxAnswer("frmCopy");
    ui.queueInputBoxAnswer("");
    CloneObject("frm");
    EXPECT_EQ(project.read("Copy.frm"),
              cloneObjectText(kForm, {"frmCopy", "Cloned from Main.frm", "Main.frx", "Copy.frx"}));
    EXPECT_EQ(project.read("Copy.frx"), "pictures");
    EXPECT_EQ(fakeHost.addedFiles, Keys{project.file("Copy.frm")});
    EXPECT_EQ(messages(), Keys{"Clone Complete: Main.frm has been cloned as Copy.frm\nand added to "
                               "your project. (64)"});
    const auto dialogs = ui.callsOf("save");
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].text, "*.frm|*.frm");
}

TEST_F(LibraryGlue, CloneRefusesNoNameTheSameFileOrAMissingSource)
{
    const std::string main = project.file("Main.frm");
    ui.queueFileAnswer(main);
    ui.queueFileAnswer(std::nullopt); // no target
    CloneObject("frm");
    ui.queueFileAnswer(main);
    ui.queueFileAnswer(main); // the source itself
    CloneObject("frm");
    ui.queueFileAnswer(project.file("New.bas"));
    ui.queueInputBoxAnswer(" ");
    CloneObject("bas", project.file("Gone.bas"));
    ui.queueFileAnswer(project.file("New.bas"));
    ui.queueInputBoxAnswer("modNew");
    CloneObject("bas", project.file("Gone.bas"));

    const std::vector<std::string> shown = messages();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0], "Input Error: You must select a Filename for your New Object! (48)");
    EXPECT_EQ(shown[1],
              "File Name Error: Cloned Form Name can't be the same as the original! (48)");
    EXPECT_EQ(shown[2], "Input Error: You must choose a name for Cloned Object! (48)");
    EXPECT_EQ(shown[3].rfind("CopyMenu Error: Copy/Delete has encountered an error.", 0), 0u);
    EXPECT_EQ(project.read("Main.frm"), kForm);
    EXPECT_FALSE(std::filesystem::exists(project.file("New.bas")));
    EXPECT_TRUE(fakeHost.addedFiles.empty());
}

TEST_F(LibraryGlue, ControlSetIsBuiltInTheHostAndRecorded)
{
    program.write("tmp_code.cod", "Private Sub txtName_Change()\r\nEnd Sub\r\n");
    EXPECT_TRUE(CaptureControlSet({"txtName"}, [] {
        return std::optional<std::pair<std::string, std::string>>({"Entry", "name box"});
    }));
    EXPECT_EQ(program.read("CTRL0001.frm"), controlSetHeader("CTRL0001"));
    EXPECT_EQ(fakeHost.addedFiles, Keys{program.file("CTRL0001.frm")});
    EXPECT_EQ(fakeHost.inserted, "Private Sub txtName_Change()\r\nEnd Sub\r\n");
    EXPECT_EQ(host.log, (Keys{kActivate, "^r wait", kActivate, "+{F7} wait", "^v wait", "^s wait",
                              "^{DEL} wait"}));
    EXPECT_EQ(program.read("qm_ctrls.txt"), "Entry|CTRL0001.frm|name box\r\n");

    // Nothing copied: told, and the description is never asked.
    int asked = 0;
    EXPECT_FALSE(CaptureControlSet({}, [&] {
        ++asked;
        return std::optional<std::pair<std::string, std::string>>();
    }));
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(messages().back(), "Nothing To Paste: You have not Copied Controls prior to "
                                 "selecting\nthe Paste option! (48)");
}

TEST_F(LibraryGlue, OpenControlSetReportsAFileTheHostRefuses)
{
    EXPECT_TRUE(OpenControlSet(program.file("CTRL0001.frm")));
    EXPECT_EQ(host.log, (Keys{kActivate, "^r wait", kActivate, "+({F7}) wait"}));
    fakeHost.refuseAdd = true;
    EXPECT_FALSE(OpenControlSet(program.file("CTRL0001.frm")));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(
        messages()[0].rfind("PasteObject Error: We have encountered the following error,\n", 0),
        0u);
}

TEST_F(LibraryGlue, ListsThatCannotBeReadAreToldAndDeletionAsksFirst)
{
    EXPECT_TRUE(LoadObjectList(ObjectKind::Modules).empty());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0].find("\"LoadObjectList\""), std::string::npos);

    ui.queueMsgBoxAnswer(platform::mb::No);
    EXPECT_FALSE(DeleteObject(ObjectKind::Procs, 0));
    EXPECT_EQ(LoadObjectList(ObjectKind::Procs).size(), 1u);
    ui.queueMsgBoxAnswer(platform::mb::Yes);
    EXPECT_TRUE(DeleteObject(ObjectKind::Procs, 0));
    EXPECT_TRUE(LoadObjectList(ObjectKind::Procs).empty());
    EXPECT_FALSE(std::filesystem::exists(program.file("PROC0001.txt")));
    EXPECT_EQ(messages()[1],
              "Confirm Object Deleteion: Are you absolutely sure you want to delete\n"
              "the selected object? (4)");
}

} // namespace
} // namespace qm::library
