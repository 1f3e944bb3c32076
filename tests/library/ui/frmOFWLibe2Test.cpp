// The Object Frameworks window driven through its controls, over a library in a scratch
// program directory.
#include "library/ui/frmOFWLibe2.h"

#include "common/ProgramState.h"
#include "common/WindowNames.h"
#include "library/ui/LibraryDialogs.h"
#include "platform/qt/QtText.h"
#include "tests/support/TempDir.h"
#include "tests/support/ToolWindowFixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QListWidget>

#include <gtest/gtest.h>

#include <filesystem>

namespace qm::library {
namespace {

using test::click;
using test::control;

std::string text(const QString &s)
{
    return platform::fromQString(s);
}

struct LibraryWindow : test::ToolWindowTest
{
    test::TempDir program;
    test::ScopedEnv appDir{"QM_APP_DIR", program.str()};
    QPointer<frmOFWLibe2> window;

    void SetUp() override
    {
        ToolWindowTest::SetUp();
        program.write("qm_procs.txt", "Fmt|PROC0001.txt|Formats a date|with a bar\r\n"
                                      "Twice|PROC0002.txt|Doubles\r\n");
        program.write("PROC0001.txt", "Function Fmt(d)\r\nEnd Function\r\n");
        program.write("PROC0002.txt", "Function Twice(x)\r\n    Twice = 2 * x\r\nEnd Function\r\n");
        program.write("qm_forms.txt", "Order|FORM0001.frm|order entry\r\n");
        program.write("FORM0001.frm", "VERSION 5.00\r\n");
        program.write("FORM0001.frx", "bin");
        for (const char *list : {"qm_ctrls.txt", "qm_modls.txt", "qm_class.txt"})
            program.write(list, "");
        window = windows.openAs<frmOFWLibe2>(common::window::Library);
        ASSERT_TRUE(window);
    }
    void TearDown() override
    {
        delete window.data();
        ToolWindowTest::TearDown();
    }

    QListWidgetItem *item(int record) { return window->Outline1->item(record + 1); }
    std::vector<std::string> outline()
    {
        std::vector<std::string> names;
        for (int i = 0; i < window->Outline1->count(); ++i)
            names.push_back(text(window->Outline1->item(i)->text()));
        return names;
    }
};

TEST_F(LibraryWindow, ShowsEachKindWithItsLabelAndDescriptions)
{
    EXPECT_EQ(text(window->windowTitle()), "Object Frameworks");
    ASSERT_EQ(window->SSTab1->count(), 6);
    EXPECT_EQ(text(window->SSTab1->tabText(5)), "Clone && Gen Code");
    EXPECT_EQ(text(window->lblListType->text()), "Procedure List");
    EXPECT_EQ(outline(), (std::vector<std::string>{"Procedures", "Fmt", "Twice"}));
    EXPECT_EQ(text(window->txtProcDesc->toPlainText()), "Formats a date|with a bar");

    window->Outline1->setCurrentItem(item(1));
    EXPECT_EQ(text(window->txtProcDesc->toPlainText()), "Doubles");

    window->SSTab1->setCurrentIndex(2);
    EXPECT_EQ(text(window->lblListType->text()), "Forms List");
    EXPECT_EQ(outline(), (std::vector<std::string>{"Forms", "Order"}));
    EXPECT_EQ(window->listType(), ObjectKind::Forms);

    click(window, "pbStayOnTop");
    EXPECT_EQ(text(window->pbStayOnTop->text()), "Set Not On Top");
    click(window, "pbStayOnTop");
    EXPECT_EQ(text(window->pbStayOnTop->text()), "Set Stay On Top");
}

TEST_F(LibraryWindow, PastingNeedsASelectedObjectAndPastesTheStoredProcedure)
{
    click(window, "pbPasteObject");
    ASSERT_EQ(runtime.callsOf("msgbox").size(), 1u);
    EXPECT_EQ(runtime.callsOf("msgbox")[0].title, "No Object Selected");
    EXPECT_EQ(runtime.callsOf("msgbox")[0].text, "Please click on the name of an object.");

    window->Outline1->setCurrentItem(item(1));
    click(window, "pbPasteObject");
    EXPECT_EQ(runtime.clipboardText(),
              "Function Twice(x)\r\n    Twice = 2 * x\r\nEnd Function\r\n");
    EXPECT_EQ(host.keys().back().substr(0, 9), "+{INSERT}");
}

TEST_F(LibraryWindow, DeletingAsksFirstAndRemovesBothFilesOfAForm)
{
    window->SSTab1->setCurrentIndex(2);
    window->Outline1->setCurrentItem(item(0));
    runtime.queueMsgBoxAnswer(platform::mb::No);
    click(window, "pbDeleteObject");
    EXPECT_EQ(runtime.callsOf("msgbox").back().title, "Confirm Object Deleteion");
    EXPECT_TRUE(std::filesystem::exists(program.file("FORM0001.frm")));

    runtime.queueMsgBoxAnswer(platform::mb::Yes);
    click(window, "pbDeleteObject");
    EXPECT_FALSE(std::filesystem::exists(program.file("FORM0001.frm")));
    EXPECT_FALSE(std::filesystem::exists(program.file("FORM0001.frx")));
    EXPECT_EQ(program.read("qm_forms.txt"), "");
    EXPECT_EQ(outline(), (std::vector<std::string>{"Forms"}));
}

TEST_F(LibraryWindow, PasteMenuWithoutCopyMenuChangesNothing)
{
    window->SSTab1->setCurrentIndex(5);
    click(window, "pbPasteMenu");
    ASSERT_FALSE(runtime.callsOf("msgbox").empty());
    EXPECT_EQ(runtime.callsOf("msgbox").back().title, "Paste Menu Error");
    EXPECT_EQ(runtime.callsOf("msgbox").back().text, "You must click Copy Menu before Paste Menu!");
    EXPECT_TRUE(host.keys().empty());
}

TEST_F(LibraryWindow, NewProcedureIsOneWindowWhoseOpenFlagFollowsIt)
{
    program.write("newproc.txt", "Public Procedure ProcName()\r\nEnd Procedure\r\n");
    auto isOpen = [] {
        return common::programState().isWindowOpen(common::window::NewProcedure);
    };
    click(window, "pbNewProcedure");
    QPointer<QWidget> first = windows.shell().toolWindow(common::window::NewProcedure);
    ASSERT_TRUE(first);
    EXPECT_TRUE(isOpen());
    click(window, "pbNewProcedure");
    EXPECT_EQ(windows.shell().toolWindow(common::window::NewProcedure), first.data());
    first->close();
    EXPECT_TRUE(test::isGone(first));
    EXPECT_FALSE(isOpen());
}

} // namespace
} // namespace qm::library

namespace qm::library {
namespace {

TEST(EditClonedProcedure, ANewNameReachesTheFunctionsReturns)
{
    frmEditProc editor(
        "Private Function Calc(x As Long) As Long\r\n    Calc = x * 2\r\nEnd Function\r\n");
    EXPECT_EQ(text(editor.windowTitle()), "Edit Cloned Procedure");
    editor.txtProc->setPlainText(
        "Private Function Twice(x As Long) As Long\n    Calc = x * 2\nEnd Function\n");
    EXPECT_EQ(editor.editedText(),
              "Private Function Twice(x As Long) As Long\r\n    Twice = x * 2\r\nEnd Function\r\n");
}

} // namespace
} // namespace qm::library
