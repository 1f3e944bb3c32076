#include "platform/WindowRegistry.h"

#include <gtest/gtest.h>

#include <vector>

using namespace qm::platform;

namespace {

class WindowRegistryTest : public ::testing::Test
{
protected:
    void SetUp() override { windowRegistry().clear(); }
    void TearDown() override { windowRegistry().clear(); }

    static std::vector<std::string> captionsInZOrder()
    {
        std::vector<std::string> out;
        for (WindowHandle h = GetWindow(0, gw::First); h != 0; h = GetWindow(h, gw::Next))
            out.push_back(windowCaption(h));
        return out;
    }
};

} // namespace

TEST_F(WindowRegistryTest, WalksZOrderAndReadsCaptionAndClass)
{
    WindowRegistry &reg = windowRegistry();
    WindowHandle main =
        reg.add("Project1 - Microsoft Visual Basic [design]", "wndclass_desked_gsk");
    WindowHandle code = reg.add("Form1.frm", "VBCodeWin");
    EXPECT_EQ(captionsInZOrder(), (std::vector<std::string>{
                                      "Form1.frm", "Project1 - Microsoft Visual Basic [design]"}));
    EXPECT_EQ(GetWindow(code, gw::Previous), 0);
    EXPECT_EQ(GetWindow(0, gw::Last), main);
    EXPECT_EQ(GetWindow(main, gw::Next), 0);
    EXPECT_EQ(GetWindow(12345, gw::Next), 0);

    EXPECT_EQ(GetWindowTextLengthA(code), 9);
    char buffer[6];
    EXPECT_EQ(GetWindowTextA(code, buffer, sizeof buffer), 5); // cut to the buffer, NUL-ended
    EXPECT_STREQ(buffer, "Form1");
    char cls[256];
    EXPECT_EQ(GetClassNameA(code, cls, sizeof cls), 9);
    EXPECT_STREQ(cls, "VBCodeWin");
    EXPECT_EQ(GetClassNameA(999, cls, sizeof cls), 0);
    EXPECT_STREQ(cls, "");
}

TEST_F(WindowRegistryTest, SetWindowPosFlagsAndInsertAfter)
{
    WindowRegistry &reg = windowRegistry();
    WindowHandle palette = reg.add("palette", "QMPalette", 10, 20, 300, 30);
    WindowHandle a = reg.add("a", "VBCodeWin");
    WindowHandle b = reg.add("b", "VBCodeWin");
    reg.activate(b);

    // 20: no Z order change, no activation; position and size taken.
    ASSERT_EQ(SetWindowPos(a, 0, 0, 0, 640, 240, 20), 1);
    EXPECT_EQ(captionsInZOrder(), (std::vector<std::string>{"b", "a", "palette"}));
    EXPECT_EQ(reg.activeWindow(), b);
    EXPECT_EQ(reg.find(a)->width, 640);

    // 0: to the top and active.
    SetWindowPos(a, 0, 0, 240, 640, 240, 0);
    EXPECT_EQ(captionsInZOrder(), (std::vector<std::string>{"a", "b", "palette"}));
    EXPECT_EQ(reg.activeWindow(), a);

    // Topmost with 80 (show, no activate) also moves and sizes: callers restore the geometry.
    SetWindowPos(palette, insertafter::TopMost, 0, 0, 0, 0, 80);
    EXPECT_TRUE(reg.find(palette)->topmost);
    EXPECT_EQ(reg.find(palette)->width, 0);
    EXPECT_EQ(reg.activeWindow(), a);
    // A topmost window stays ahead of windows brought to the top.
    SetWindowPos(b, 0, 0, 0, 10, 10, 0);
    EXPECT_EQ(captionsInZOrder(), (std::vector<std::string>{"palette", "b", "a"}));
    WindowHandle later = reg.add("later", "ThunderForm");
    EXPECT_EQ(captionsInZOrder(), (std::vector<std::string>{"palette", "later", "b", "a"}));

    SetWindowPos(palette, insertafter::NoTopMost, 0, 0, 0, 0,
                 swpflag::NoMove | swpflag::NoSize | 16);
    EXPECT_FALSE(reg.find(palette)->topmost);
    SetWindowPos(palette, insertafter::Bottom, 0, 0, 0, 0, 3 | 16);
    EXPECT_EQ(captionsInZOrder().back(), "palette");
    SetWindowPos(palette, later, 0, 0, 0, 0, 3 | 16);
    EXPECT_EQ(captionsInZOrder(), (std::vector<std::string>{"later", "palette", "b", "a"}));

    EXPECT_EQ(SetWindowPos(4242, 0, 0, 0, 1, 1, 0), 0);
}

TEST_F(WindowRegistryTest, FocusShowAndRemoval)
{
    WindowRegistry &reg = windowRegistry();
    WindowHandle a = reg.add("a", "VBCodeWin");
    WindowHandle b = reg.add("b", "VBCodeWin");
    reg.activate(b);
    EXPECT_EQ(SetFocus(a), b);
    EXPECT_EQ(reg.activeWindow(), a);
    EXPECT_EQ(GetWindow(0, gw::First), a);
    EXPECT_EQ(SetFocus(777), 0);

    int seen = 0;
    reg.setObserver(a, [&](const WindowInfo &info) {
        ++seen;
        EXPECT_FALSE(info.visible);
    });
    EXPECT_EQ(ShowWindow(a, sw::Hide), 1);
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(reg.activeWindow(), b); // the next visible window takes over
    reg.setObserver(a, nullptr);
    ShowWindow(a, sw::ShowNoActivate);
    EXPECT_EQ(reg.activeWindow(), b);
    ShowWindow(b, sw::Minimize);
    EXPECT_EQ(reg.find(b)->state, WindowState::Minimized);
    EXPECT_EQ(reg.activeWindow(), a);
    ShowWindow(b, sw::Restore);
    EXPECT_EQ(reg.activeWindow(), b);

    reg.remove(b);
    EXPECT_EQ(reg.activeWindow(), a);
    EXPECT_EQ(GetWindowTextLengthA(b), 0);
}

TEST_F(WindowRegistryTest, FindsByCaptionExactFirstThenPrefix)
{
    WindowRegistry &reg = windowRegistry();
    WindowHandle longer = reg.add("Project1 - Microsoft Visual Basic [design]", "main");
    WindowHandle exact = reg.add("Project1", "other");
    reg.activate(longer);
    EXPECT_EQ(reg.findByCaption("project1"), exact);
    EXPECT_EQ(reg.findByCaption("Project1 - Micro"), longer);
    EXPECT_EQ(reg.findByCaption("Nothing"), 0);
    EXPECT_EQ(reg.findByCaption(""), 0);
    EXPECT_EQ(reg.findByClass("other"), exact);
}
