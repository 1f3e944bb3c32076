#include "codetext/PaletteGlue.h"

#include "tests/support/FakeCodeWindow.h"
#include "tests/support/ShownMessages.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace qm;

namespace {
using PaletteCommands = test::HostCommandTest;
} // namespace

TEST_F(PaletteCommands, CommentCopiesTheSelectionAndPastesTheBlockBack)
{
    host.selection = "    a = 1\r\n        b = 2\r\n";
    codetext::StartComment();
    EXPECT_EQ(host.selection, "    '** Commented on 12/8/26 by dev **\r\n"
                              "    '* a = 1\r\n"
                              "    '*     b = 2\r\n"
                              "    '** End of Block Commented **\r\n");
    const std::string activate = std::string("activate ") + test::kHostCaption;
    EXPECT_EQ(host.log, (std::vector<std::string>{activate, "^c wait", activate, "^v"}));
    EXPECT_EQ(common::programState().hostCaption, test::kHostCaption);

    codetext::StartUncomment();
    EXPECT_EQ(host.selection, "    a = 1\r\n        b = 2\r\n");
}

TEST_F(PaletteCommands, EmptySelectionShowsTheMessageAndPastesNothing)
{
    host.selection = "";
    codetext::StartComment();
    codetext::StartUncomment();
    EXPECT_EQ(test::shownMessages(ui),
              (std::vector<std::string>{"Comment Error: No text selected. (16)",
                                        "Nothing Selected: No text selected to uncomment! (48)"}));
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
