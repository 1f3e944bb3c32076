#include "changes/TrackChangesCommands.h"

#include "common/ProgramState.h"
#include "common/Settings.h"
#include "platform/ScriptedUi.h"
#include "platform/VbError.h"
#include "platform/WindowRegistry.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace qm;

namespace {

struct FakeHostKeys : platform::KeyboardTarget
{
    platform::ScriptedUi &ui;
    std::string selection;
    bool failPaste = false;
    int pastes = 0;
    explicit FakeHostKeys(platform::ScriptedUi &runtime) : ui(runtime) {}
    void activate(std::string_view) override {}
    void sendKeys(std::string_view keys, bool) override
    {
        if (keys == "^c")
            ui.clipboardSetText(selection);
        if (keys == "^v") {
            if (failPaste)
                throw platform::VbError(5);
            selection = ui.clipboardText();
            ++pastes;
        }
    }
};

struct TrackChanges : ::testing::Test
{
    test::ScopedEnv today{"QM_TODAY", "2026-12-08"};
    test::ScopedEnv separator{"QM_DATE_SEPARATOR", "/"};
    platform::ScriptedUi ui;
    platform::ScopedUi installed{ui};
    FakeHostKeys host{ui};

    void SetUp() override
    {
        ui.setKeyboardTarget(&host);
        common::settings() = common::ProgramSettings();
        common::settings().programmerName = common::fixedWidthName("dev");
        common::settings().keys.CopyToClipboard = "^c";
        common::settings().keys.PasteFromClipboard = "^v";
        platform::windowRegistry().clear();
        platform::windowRegistry().add("Sample - Microsoft Visual Basic [design]", "ThunderMain");
    }
    void TearDown() override { platform::windowRegistry().clear(); }
};

} // namespace

TEST_F(TrackChanges, ChangeThenDeleteBlockingGivesTheCodeBack)
{
    host.selection = "    a = 1\r\n";
    changes::pbChangeBlock_Click();
    EXPECT_EQ(host.selection, "\r\n'* Block Changed by dev on 12/08/2026\r\n    a = 1\r\n"
                              "'* End of Block Changed by dev on 12/08/2026\r\n\r\n");
    changes::SSCommand3_Click();
    EXPECT_EQ(host.selection, "\r\n    a = 1\r\n\r\n");
}

TEST_F(TrackChanges, AdditionAndDeletion)
{
    changes::pbBlockanAdd_Click();
    EXPECT_EQ(host.selection, "'* Block Added by dev on 12/08/2026\r\n\r\n\r\n"
                              "'* End of Block Added by dev on 12/08/2026\r\n");
    host.selection = "  x = 2\r\n";
    changes::pbCommentDeletion_Click();
    EXPECT_EQ(host.selection, "'* Block Deleted by dev on 12/08/2026\r\n'*   x = 2\r\n"
                              "'* End of Block Deleted by dev on 12/08/2026\r\n");
    changes::SSCommand3_Click();
    EXPECT_EQ(host.selection, "");
}

TEST_F(TrackChanges, BlankSelectionSaysSoAndPastesNothing)
{
    host.selection = "   ";
    changes::pbChangeBlock_Click();
    changes::pbCommentDeletion_Click();
    changes::SSCommand3_Click();
    auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "No change text selected!");
    EXPECT_EQ(boxes[1].text, "No deletion text selected!");
    EXPECT_EQ(boxes[2].text, "No text selected to unblock!");
    EXPECT_EQ(boxes[2].title, "No Action");
    EXPECT_EQ(boxes[2].style, 48);
    EXPECT_EQ(host.pastes, 0);
}

TEST_F(TrackChanges, AFailureIsReportedUnderTheHandlersName)
{
    host.failPaste = true;
    changes::pbBlockanAdd_Click();
    auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Quillmark: System Error");
    EXPECT_NE(boxes[0].text.find("\"pbBlockanAdd_Click\""), std::string::npos);
}
