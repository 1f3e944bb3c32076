// The focus a window manager gives a window it has just mapped can arrive after the program
// activated another window: the host's windows keep the program's later choice.
#include "platform/WindowRegistry.h"
#include "platform/qt/WindowBinding.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <gtest/gtest.h>

using namespace qm;
using platform::windowRegistry;

namespace {

struct UiLateFocus : ::testing::Test
{
    void SetUp() override { windowRegistry().clear(); }
    void TearDown() override { windowRegistry().clear(); }
    // What the system says when it hands a window the focus.
    static void systemActivates(QWidget &w)
    {
        QEvent event(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&w, &event);
    }
};

TEST_F(UiLateFocus, AWindowFocusedLateAfterItWasShownDoesNotTakeTheActivation)
{
    QWidget code;
    QWidget tool;
    const platform::WindowHandle codeHandle = platform::registerWindow(code, "VBCodeWin");
    const platform::WindowHandle toolHandle = platform::registerWindow(tool, "QuillmarkForm");
    code.show();
    tool.show();
    // The tool window gets the focus first, as a new window does.
    systemActivates(tool);
    EXPECT_EQ(windowRegistry().activeWindow(), toolHandle);
    // The program activates the code window; the window manager's focus for the tool window,
    // asked for before it was mapped, comes after.
    windowRegistry().activate(codeHandle);
    platform::WindowBinding::of(code)->apply();
    systemActivates(tool);
    EXPECT_EQ(windowRegistry().activeWindow(), codeHandle);

    // A window shown while nothing else became active takes the focus it is given.
    QWidget other;
    const platform::WindowHandle otherHandle = platform::registerWindow(other, "QuillmarkForm");
    other.show();
    systemActivates(other);
    EXPECT_EQ(windowRegistry().activeWindow(), otherHandle);
}

} // namespace
