// A Qt window tied to its window-registry entry: an owning binding makes and removes the entry
// and writes the window's own changes into it; a following binding keeps to an entry someone
// else owns (the IDE model), takes its caption and visibility from it, and leaves it behind.
#include "platform/qt/WindowBinding.h"

#include "platform/WindowRegistry.h"
#include "platform/qt/QtText.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace qm;
using platform::WindowBinding;
using platform::windowRegistry;

namespace {

struct WindowBindingTest : ::testing::Test
{
    void SetUp() override { windowRegistry().clear(); }
    void TearDown() override { windowRegistry().clear(); }
};

} // namespace

TEST_F(WindowBindingTest, AnOwningBindingMakesTheEntryAndRemovesItWithTheWindow)
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("Controls"));
    const platform::WindowHandle handle = platform::registerWindow(*window, "QuillmarkForm");
    const platform::WindowInfo *info = windowRegistry().find(handle);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->caption, "Controls");
    EXPECT_EQ(info->className, "QuillmarkForm");
    EXPECT_FALSE(info->visible);
    ASSERT_NE(WindowBinding::of(*window), nullptr);
    EXPECT_TRUE(WindowBinding::of(*window)->isOwning());

    // The window's own changes reach the entry: caption, showing and hiding.
    window->setWindowTitle(QStringLiteral("Other"));
    EXPECT_EQ(windowRegistry().find(handle)->caption, "Other");
    window->show();
    EXPECT_TRUE(windowRegistry().find(handle)->visible);
    window->hide();
    EXPECT_FALSE(windowRegistry().find(handle)->visible);

    window.reset();
    EXPECT_FALSE(windowRegistry().contains(handle));
}

TEST_F(WindowBindingTest, AFollowingBindingTakesItsEntryAndLeavesIt)
{
    const platform::WindowHandle handle = windowRegistry().add("Module1 (Code)", "VBCodeWin");
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("old"));
    WindowBinding::follow(*window, handle)->apply();
    ASSERT_NE(WindowBinding::of(*window), nullptr);
    EXPECT_FALSE(WindowBinding::of(*window)->isOwning());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Module1 (Code)")); // the entry names it

    // The model's changes reach the window; the window's caption and hiding stay the model's.
    windowRegistry().setCaption(handle, "Module1 (Code) - renamed");
    WindowBinding::of(*window)->apply(); // the owner brings its windows up to date
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Module1 (Code) - renamed"));
    windowRegistry().showWindow(handle, platform::sw::ShowNormal);
    EXPECT_TRUE(window->isVisible());
    window->setWindowTitle(QStringLiteral("typed"));
    EXPECT_EQ(windowRegistry().find(handle)->caption, "Module1 (Code) - renamed");
    window->hide();
    EXPECT_TRUE(windowRegistry().find(handle)->visible);
    windowRegistry().showWindow(handle, platform::sw::ShowNormal);

    // Moving the window moves its entry, in both modes.
    window->move(40, 50);
    EXPECT_EQ(windowRegistry().find(handle)->left, 40);
    EXPECT_EQ(windowRegistry().find(handle)->top, 50);

    window.reset();
    ASSERT_TRUE(windowRegistry().contains(handle));           // the model removes its own entries
    windowRegistry().setCaption(handle, "no window to tell"); // and nothing follows it any more
}

TEST_F(WindowBindingTest, AFollowingBindingKeepsTheWindowsSizeForAnEntryWithoutOne)
{
    const platform::WindowHandle handle = windowRegistry().add("Form1", "ThunderForm");
    QWidget window;
    window.resize(200, 100);
    WindowBinding::follow(window, handle)->apply();
    EXPECT_EQ(window.size(), QSize(200, 100));
}
