#include "codetext/PaletteCommands.h"

#include "common/ProgramState.h"
#include "common/Settings.h"
#include "platform/ScriptedUi.h"
#include "platform/WindowRegistry.h"
#include "tests/support/TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace qm;

namespace {

// A host whose selection is a text: copy puts it on the clipboard, paste replaces it.
struct FakeHostKeys : platform::KeyboardTarget
{
    platform::ScriptedUi &ui;
    std::string selection;
    std::vector<std::string> log;
    explicit FakeHostKeys(platform::ScriptedUi &runtime) : ui(runtime) {}
    void activate(std::string_view caption) override { log.push_back("activate " + std::string(caption)); }
    void sendKeys(std::string_view keys, bool wait) override
    {
        log.push_back(std::string(keys) + (wait ? " wait" : ""));
        if (keys == "^c")
            ui.clipboardSetText(selection);
        else if (keys == "^v")
            selection = ui.clipboardText();
    }
};

struct PaletteCommands : ::testing::Test
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
        common::settings().keys.VBDesignName = "[design]";
        common::settings().keys.CopyToClipboard = "^c";
        common::settings().keys.PasteFromClipboard = "^v";
        platform::windowRegistry().clear();
        platform::windowRegistry().add("Sample - Microsoft Visual Basic [design]", "ThunderMain");
    }
    void TearDown() override { platform::windowRegistry().clear(); }
};

} // namespace

TEST_F(PaletteCommands, CommentCopiesTheSelectionAndPastesTheBlockBack)
{
    host.selection = "    a = 1\r\n        b = 2\r\n";
    codetext::StartComment();
    EXPECT_EQ(host.selection, "    '** Commented on 12/8/26 by dev **\r\n"
                              "    '* a = 1\r\n"
                              "    '*     b = 2\r\n"
                              "    '** End of Block Commented **\r\n");
    const std::string activate = "activate Sample - Microsoft Visual Basic [design]";
    EXPECT_EQ(host.log, (std::vector<std::string>{activate, "^c wait", activate, "^v"}));
    EXPECT_EQ(common::programState().hostCaption, "Sample - Microsoft Visual Basic [design]");

    codetext::StartUncomment();
    EXPECT_EQ(host.selection, "    a = 1\r\n        b = 2\r\n");
}

TEST_F(PaletteCommands, EmptySelectionShowsTheMessageAndPastesNothing)
{
    host.selection = "";
    codetext::StartComment();
    codetext::StartUncomment();
    auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].title, "Comment Error");
    EXPECT_EQ(boxes[1].title, "Nothing Selected");
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "^v"), 0);
    // Uncomment asked the host for the selection a second time.
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "^c wait"), 3);
}

TEST_F(PaletteCommands, IndentUsesTheTabSize)
{
    common::settings().tabSize = 2;
    host.selection = "If a Then\r\nb\r\nEnd If\r\n";
    codetext::StartIndent();
    // Code outside a procedure header starts one level in.
    EXPECT_EQ(host.selection, "  If a Then\r\n    b\r\n  End If\r\n");
}

TEST_F(PaletteCommands, ANegativeTabSizeFromTheSettingsIndentsNothingAndLosesNothing)
{
    common::settings().tabSize = -3;
    host.selection = "If a Then\r\n    b\r\nEnd If\r\n";
    codetext::StartIndent();
    EXPECT_EQ(host.selection, "If a Then\r\nb\r\nEnd If\r\n");
}
