// The change report and the cleanup commands against a host that saves and removes forms,
// through the scripted runtime.
#include "changes/CleanupGlue.h"

#include "tests/changes/CleanupFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace qm;
namespace fs = std::filesystem;

namespace {

using test::CleanupGlue;

const std::string kForm = "VERSION 5.00\r\n"
                          "Begin VB.Form frmA\r\n"
                          "   Begin VB.CommandButton cmdKeep\r\n"
                          "   End\r\n"
                          "End\r\n"
                          "Private Sub cmdKeep_Click()\r\n"
                          "End Sub\r\n"
                          "Private Sub cmdGone_Click()\r\n"
                          "    Unload Me\r\n"
                          "End Sub\r\n";
const std::string kCleanForm = "VERSION 5.00\r\n"
                               "Begin VB.Form frmA\r\n"
                               "   Begin VB.CommandButton cmdKeep\r\n"
                               "   End\r\n"
                               "End\r\n"
                               "Private Sub cmdKeep_Click()\r\n"
                               "End Sub\r\n";

} // namespace

TEST_F(CleanupGlue, DeleteCommentsPastesTheCodeBackWithEitherOption)
{
    formHost.selection = "' note\r\n'* Block Added by dev on 12/08/2026\r\nx = 1\r\n";
    changes::DeleteCommentedCode(false);
    EXPECT_EQ(formHost.selection, "' note\r\nx = 1\r\n");
    changes::DeleteCommentedCode(true);
    EXPECT_EQ(formHost.selection, "x = 1\r\n");
    EXPECT_EQ(formHost.keys(),
              (std::vector<std::string>{"^c wait", "^v wait", "^c wait", "^v wait"}));

    formHost.selection = "";
    changes::DeleteCommentedCode(true);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].title, "No Selected Text");
    EXPECT_EQ(formHost.pastes, 2);
}

TEST_F(CleanupGlue, DeadEventsRewriteTheFormAfterItsBackupsAndAddItBack)
{
    fs::create_directories(work.path() / "my.app");
    work.write("my.app/frmA.frm", kForm);
    work.write("my.app/frmA.frx", "pictures");
    formHost.activeFile = work.file("my.app/frmA.frm");

    std::optional<changes::Notice> notice = changes::DeleteDeadEventsProc();
    ASSERT_TRUE(notice);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(work.read("my.app/frmA.frm"), kCleanForm);
    EXPECT_EQ(work.read("my.app/frmA.bk$"), kForm);
    EXPECT_EQ(work.read("my.app/frmA.bx$"), "pictures");
    EXPECT_EQ(dirs.program.read("tmp_code.cod"), kCleanForm);
    EXPECT_EQ(formHost.keys(), (std::vector<std::string>{"^s wait", "^{DEL} wait"}));
    EXPECT_EQ(formHost.added, std::vector<std::string>{formHost.activeFile});
    EXPECT_EQ(notice->caption, "Dead Events Deleted");
    EXPECT_EQ(notice->text, "Your old copy of \n" + formHost.activeFile + "\nis now called " +
                                work.file("my.app/frmA.bk$") + "\nin case you want to restore it.");
}

TEST_F(CleanupGlue, DeadEventsWaitBoundedForTheSaveAndKeepTheFormInTheProject)
{
    work.write("frmA.frm", kForm);
    formHost.activeFile = work.file("frmA.frm");
    formHost.silentSave = true;
    EXPECT_FALSE(changes::DeleteDeadEventsProc());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "Can't capture ActiveForm Filename, try again!");
    EXPECT_LE(ui.callsOf("wait").size(), 200u);
    EXPECT_EQ(formHost.keys(), std::vector<std::string>{"^s wait"}); // never removed

    // A text without "Begin " lines has no controls to go by: nothing is deleted.
    formHost.silentSave = false;
    work.write("frmA.frm", "Sub cmdA_Click()\r\nEnd Sub\r\n");
    EXPECT_FALSE(changes::DeleteDeadEventsProc());
    EXPECT_EQ(messages().back().text,
              "Can't find the controls of " + formHost.activeFile + "; nothing was deleted.");
    EXPECT_EQ(work.read("frmA.frm"), "Sub cmdA_Click()\r\nEnd Sub\r\n");
    EXPECT_EQ(formHost.added, std::vector<std::string>{formHost.activeFile});
    formHost.added.clear();
    work.write("frmA.frm", kForm);

    // A read-only form: nothing is rewritten, and the form goes back into the project.
    fs::permissions(work.path() / "frmA.frm", fs::perms::all & ~fs::perms::owner_write &
                                                  ~fs::perms::group_write &
                                                  ~fs::perms::others_write);
    EXPECT_FALSE(changes::DeleteDeadEventsProc());
    ASSERT_EQ(messages().size(), 3u);
    EXPECT_EQ(messages()[2].title, "Process Terminated");
    EXPECT_EQ(messages()[2].text, "Can't copy temporary code file!");
    EXPECT_EQ(work.read("frmA.frm"), kForm);
    EXPECT_EQ(formHost.added, std::vector<std::string>{formHost.activeFile});
}

TEST_F(CleanupGlue, ShowChangesOfTheCurrentFileOpensTheReport)
{
    work.write("modA.bas", "'* Block Added by dev on 12/08/2026\r\nx\r\n"
                           "'* End of Block Added by dev on 12/08/2026\r\n");
    formHost.activeFile = work.file("modA.bas");
    changes::ShowChangesRequest request{"dev", "12/08/2026", "12/08/2026", false};
    EXPECT_EQ(changes::runChangeReport(request), changes::ReportOutcome::Opened);
    EXPECT_EQ(ui.mousePointer(), 0);
    const std::string report = dirs.program.read("ChgdCode.Txt");
    EXPECT_EQ(report, "{Module: " + formHost.activeFile + "}\r\n" + std::string(35, '=') +
                          "\r\n*** [General Declarations] ***\r\n"
                          "'* Block Added by dev on 12/08/2026\r\nx\r\n"
                          "'* End of Block Added by dev on 12/08/2026\r\n \r\n");
    ASSERT_EQ(ui.callsOf("document").size(), 1u);
    EXPECT_EQ(ui.callsOf("document")[0].text, changes::changeReportPath());

    request.programmer = "Someone Else";
    EXPECT_EQ(changes::runChangeReport(request), changes::ReportOutcome::NoneFound);
    EXPECT_EQ(ui.callsOf("document").size(), 1u);
    EXPECT_EQ(dirs.program.read("ChgdCode.Txt"),
              "{Module: " + formHost.activeFile + "}\r\n" + std::string(35, '=') + "\r\n");
}

TEST_F(CleanupGlue, ShowChangesOfAllFilesAsksForAProjectTheHostDoesNotName)
{
    changes::ShowChangesRequest request{"", "", "", true};
    EXPECT_EQ(changes::runChangeReport(request), changes::ReportOutcome::Stopped);
    ASSERT_EQ(ui.callsOf("open").size(), 1u);
    EXPECT_EQ(ui.callsOf("open")[0].title, "Select Current Project Name");
    EXPECT_EQ(messages().back().text, "Can't Determine Project Filename!");

    work.write("P.vbp", "Form=frmA.frm\r\nModule=modGone; gone.bas\r\n");
    work.write("frmA.frm", kForm);
    ui.queueFileAnswer(work.file("P.vbp"));
    EXPECT_EQ(changes::runChangeReport(request), changes::ReportOutcome::NoneFound);
    EXPECT_EQ(common::programState().currentProjectFileName, work.file("P.vbp"));
    EXPECT_EQ(messages().back().title, "File Error");
    EXPECT_EQ(messages().back().text, "Can't open file: " + work.str() + "\\gone.bas");
    const std::string report = dirs.program.read("ChgdCode.Txt");
    EXPECT_NE(report.find("   No Changes in this module.\r\n"), std::string::npos);
}
