#include "common/HostWindows.h"

#include "common/Settings.h"
#include "platform/ScriptedUi.h"

#include "tests/support/RecordingKeyboard.h"

#include <gtest/gtest.h>

using namespace qm::common;
using namespace qm::platform;

namespace {

struct HostWindowsTest : ::testing::Test
{
    ScriptedUi ui;
    ScopedUi installed{ui};
    WindowRegistry &registry = windowRegistry();

    void SetUp() override { registry.clear(); }
    void TearDown() override { registry.clear(); }

    // Adds windows so that Z order (front to back) is the order given.
    std::vector<WindowHandle>
    addInZOrder(const std::vector<std::pair<std::string, std::string>> &windows)
    {
        std::vector<WindowHandle> handles;
        for (auto it = windows.rbegin(); it != windows.rend(); ++it)
            handles.insert(handles.begin(), registry.add(it->first, it->second, 10, 10, 100, 100));
        return handles;
    }
};

} // namespace

TEST_F(HostWindowsTest, ListsHostWindowsInZOrderAndRemembersTheProjectWindow)
{
    auto h = addInZOrder({{"Project1 - Microsoft Visual Basic [design]", "ThunderMain"},
                          {"ToolTips", "QuillmarkTooltip"},
                          {"Quillmark", "QuillmarkPalette"},
                          {"Form1 (Code)", "VBCodeWin"},
                          {"Project1", "PROJECT"},
                          {"Form1", "ThunderForm"},
                          {"QM: a.bas", "QuillmarkEditor"},
                          {"Properties", "wndclass_pbrs"},
                          {"Module1 (Code)", "VBCodeWin"}});
    EXPECT_EQ(EnumHostWindows(), 4);
    EXPECT_EQ(hostWindowList().windows, (std::vector<WindowHandle>{h[3], h[5], h[7], h[8]}));
    EXPECT_EQ(hostWindowList().projectWindow, h[4]);
    EXPECT_EQ(EnumHostWindows(1), 3);
    EXPECT_EQ(hostWindowList().windows, (std::vector<WindowHandle>{h[3], h[6], h[8]}));
}

TEST_F(HostWindowsTest, FiveWindowsTileThreeLeftTwoRight)
{
    std::vector<std::pair<std::string, std::string>> code;
    for (int i = 1; i <= 5; ++i)
        code.push_back({"Module" + std::to_string(i) + " (Code)", "VBCodeWin"});
    addInZOrder(code);
    ASSERT_EQ(EnumHostWindows(1), 5);
    auto listed = hostWindowList().windows;
    applyArrangement(planTileVertical(5, screenWidthPixels(), screenHeightPixels()), listed, false);
    const WindowInfo *first = registry.find(listed[0]);
    const WindowInfo *fifth = registry.find(listed[4]);
    EXPECT_EQ(first->left, 0);
    EXPECT_EQ(first->height, 256);
    EXPECT_EQ(fifth->left, 512);
    EXPECT_EQ(fifth->top, 384);
    EXPECT_EQ(fifth->height, 384);
}

TEST_F(HostWindowsTest, ARefusedPlanShowsItsMessageAndMovesNothing)
{
    auto h = addInZOrder({{"Module1 (Code)", "VBCodeWin"}});
    EnumHostWindows(1);
    applyArrangement(planTileHorizontal(1, 1024, 768), hostWindowList().windows, false);
    ASSERT_EQ(ui.callsOf("msgbox").size(), 1u);
    EXPECT_EQ(ui.callsOf("msgbox")[0].text, "No Windows to Tile!");
    EXPECT_EQ(registry.find(h[0])->left, 10);
}

TEST_F(HostWindowsTest, CascadeSkipsClosedWindowsAndFocusesTheLast)
{
    auto h = addInZOrder(
        {{"A (Code)", "VBCodeWin"}, {"B (Code)", "VBCodeWin"}, {"C (Code)", "VBCodeWin"}});
    EnumHostWindows(1);
    auto listed = hostWindowList().windows;
    registry.remove(h[1]);
    applyArrangement(planCascade(3, 1024, 768), listed, true);
    EXPECT_EQ(registry.find(h[0])->left, 68);
    EXPECT_EQ(registry.find(h[2])->left, 136);
    EXPECT_EQ(registry.focusWindow(), h[2]);
}

TEST_F(HostWindowsTest, OnTopKeepsPositionAndSizeAndSkipsMinimizedWindows)
{
    auto h = addInZOrder({{"Form1", "ThunderForm"}, {"Quillmark", "QuillmarkPalette"}});
    registry.setGeometry(h[1], 300, 40, 332, 30);
    SetOnTop(h[1]);
    const WindowInfo *palette = registry.find(h[1]);
    EXPECT_TRUE(palette->topmost);
    EXPECT_EQ(registry.zOrder().front(), h[1]);
    EXPECT_EQ(palette->left, 300);
    EXPECT_EQ(palette->width, 332);
    SetNotOnTop(h[1]);
    EXPECT_FALSE(registry.find(h[1])->topmost);
    EXPECT_EQ(registry.find(h[1])->height, 30);

    ShowWindow(h[0], sw::Minimize);
    SetOnTop(h[0]);
    EXPECT_FALSE(registry.find(h[0])->topmost);
    EXPECT_TRUE(ui.callsOf("msgbox").empty());

    SetOnTop(9999); // no such window: reported under the operation's name
    ASSERT_EQ(ui.callsOf("msgbox").size(), 1u);
    EXPECT_NE(ui.callsOf("msgbox")[0].text.find("\"SetOnTop\""), std::string::npos);
}

TEST_F(HostWindowsTest, CloseWindowsLeavesTheProjectWindow)
{
    qm::test::RecordingKeyboard keyboard;
    ui.setKeyboardTarget(&keyboard);
    qm::common::settings().keys.VBDesignName = "[design]";
    qm::common::settings().keys.ViewProject = "^r";
    qm::common::settings().keys.CloseWindows = "^{F4}";
    addInZOrder({{"Project1 - Microsoft Visual Basic [design]", "ThunderMain"},
                 {"Form1 (Code)", "VBCodeWin"},
                 {"Form1", "ThunderForm"},
                 {"Project1", "PROJECT"}});
    CloseWindows();
    const std::string host = "activate Project1 - Microsoft Visual Basic [design]";
    EXPECT_EQ(keyboard.log,
              (std::vector<std::string>{host, "^r wait", "^{F4} wait", host, "^{F4} wait", host,
                                        "^{F4} wait"}));
}

TEST_F(HostWindowsTest, WindowCommandsStopSilentlyWhenTheHostIsGone)
{
    addInZOrder({{"Form1 (Code)", "VBCodeWin"}});
    CloseWindows(); // no keyboard target: activating fails
    TileVertical(); // one window: its own message, nothing else
    ASSERT_EQ(ui.callsOf("msgbox").size(), 1u);
    EXPECT_EQ(ui.callsOf("msgbox")[0].text, "No Windows to Tile!");
}
