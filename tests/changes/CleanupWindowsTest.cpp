// frmShowChanges, the Cleanup page and the notice window, driven through their controls.
#include "changes/CleanupGlue.h"
#include "changes/ui/CleanupPage.h"
#include "changes/ui/TrackChangesPage.h"
#include "changes/ui/frmPleaseWait.h"
#include "changes/ui/frmShowChanges.h"

#include "common/ProgramState.h"
#include "common/WindowNames.h"

#include "tests/changes/CleanupFixture.h"
#include "tests/support/ToolWindowFixture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace qm;
using changes::frmPleaseWait;

namespace {

struct CleanupWindows : test::CleanupGlue
{
    std::vector<std::pair<std::string, std::string>> notices; // caption, text

    void SetUp() override
    {
        CleanupGlue::SetUp();
        frmPleaseWait::setNoticeHook([this](frmPleaseWait &notice) {
            notices.emplace_back(notice.windowTitle().toStdString(),
                                 notice.lblMessage->text().toStdString());
            EXPECT_TRUE(notice.isModal());
        });
    }
    void TearDown() override
    {
        frmPleaseWait::setNoticeHook({});
        CleanupGlue::TearDown();
    }
};

const std::string kBlock = "'* Block Changed by dev on 12/08/2026\r\n    x = 2\r\n"
                           "'* End of Block Changed by dev on 12/08/2026\r\n";

} // namespace

TEST_F(CleanupWindows, ShowChangesStartsWithTheOwnNameAndToday)
{
    common::settings().programmerName = common::fixedWidthName("  Ann Smith");
    test::ToolWindowFixture windows;
    QPointer<changes::frmShowChanges> window =
        windows.openAs<changes::frmShowChanges>(common::window::ShowChanges);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->objectName(), "frmShowChanges");
    EXPECT_EQ(window->windowTitle(), "Show Changes");
    EXPECT_EQ(window->txtProgrammer->text(), "Ann Smith");
    EXPECT_EQ(window->txtStartDate->text(), "12/08/2026");
    EXPECT_EQ(window->txtEndDate->text(), "12/08/2026");
    EXPECT_TRUE(window->rbCurrentFile->isChecked());
    EXPECT_TRUE(common::programState().isWindowOpen("frmShowChanges"));

    // Enter moves on to the next box, which takes its whole text.
    window->show();
    QApplication::setActiveWindow(window);
    window->txtProgrammer->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(window->txtProgrammer, &enter);
    EXPECT_TRUE(window->txtStartDate->hasFocus());
    EXPECT_EQ(window->txtStartDate->selectedText(), "12/08/2026");
    window->pbCancel->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_FALSE(common::programState().isWindowOpen("frmShowChanges"));
}

TEST_F(CleanupWindows, ShowChangesOpensOnceFromTheTrackChangesPage)
{
    // The shell opens it: a second click raises the one that is open, and the open flag follows
    // the window until it is closed.
    test::ToolWindowFixture windows;
    changes::TrackChangesPage page;
    page.pbShowChanges->click();
    QPointer<QWidget> first = windows.shell().toolWindow(common::window::ShowChanges);
    ASSERT_TRUE(first);
    page.pbShowChanges->click();
    EXPECT_EQ(windows.shell().toolWindow(common::window::ShowChanges), first.data());
    auto *dialog = qobject_cast<changes::frmShowChanges *>(first.data());
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(common::programState().isWindowOpen(common::window::ShowChanges));
    dialog->pbCancel->click();
    EXPECT_TRUE(test::isGone(first));
    EXPECT_FALSE(common::programState().isWindowOpen(common::window::ShowChanges));
}

TEST_F(CleanupWindows, ShowChangesRunsOverEachScope)
{
    work.write("modA.bas", "Sub Main()\r\n" + kBlock + "End Sub\r\n");
    work.write("P.vbp", "Module=modA; modA.bas\r\nForm=frmNone.frm\r\n");
    work.write("frmNone.frm", "Begin VB.Form frmNone\r\nEnd\r\n");
    formHost.activeFile = work.file("modA.bas");
    formHost.project = work.file("P.vbp");

    QPointer<changes::frmShowChanges> window = new changes::frmShowChanges;
    window->pbOk->click();
    EXPECT_TRUE(notices.empty());
    ASSERT_EQ(ui.callsOf("document").size(), 1u);
    EXPECT_EQ(dirs.program.read("ChgdCode.Txt"),
              "{Module: " + formHost.activeFile + "}\r\n" + std::string(35, '=') +
                  "\r\n*** [Sub Main] ***\r\n" + kBlock + " \r\n");

    window = new changes::frmShowChanges;
    window->rbAllFiles->setChecked(true);
    window->txtProgrammer->setText("Bob");
    window->pbOk->click();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].second, "No changes were found!");
    EXPECT_EQ(ui.callsOf("document").size(), 1u);
    const std::string report = dirs.program.read("ChgdCode.Txt");
    EXPECT_EQ(report.find("{Module: " + work.str() + "\\modA.bas}\r\n"), 0u);
    EXPECT_NE(report.find("{Module: " + work.str() + "\\frmNone.frm}\r\n"), std::string::npos);
}

TEST_F(CleanupWindows, CleanupPageRunsBothCommands)
{
    changes::CleanupPage page;
    EXPECT_EQ(page.objectName(), "tabCleanup");
    formHost.selection = "' mine\r\n'** Commented on 12/8/26 by dev **\r\nx = 1\r\n";
    page.pbDeleteCommentedCode->click();
    EXPECT_EQ(formHost.selection, "' mine\r\nx = 1\r\n");
    page.rbAllComments->setChecked(true);
    page.pbDeleteCommentedCode->click();
    EXPECT_EQ(formHost.selection, "x = 1\r\n");

    work.write("frmA.frm", "Begin VB.Form frmA\r\nEnd\r\nSub cmdGone_Click()\r\nEnd Sub\r\n");
    formHost.activeFile = work.file("frmA.frm");
    page.pbDeleteDeadEvents->click();
    EXPECT_TRUE(page.pbDeleteDeadEvents->isEnabled());
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].first, "Dead Events Deleted");
    EXPECT_EQ(notices[0].second.rfind("Your old copy of \n" + formHost.activeFile, 0), 0u);
    EXPECT_EQ(work.read("frmA.frm"), "Begin VB.Form frmA\r\nEnd\r\n");
}
