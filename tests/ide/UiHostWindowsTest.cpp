// The host's Qt windows and their registry entries move together, both ways.
#include "platform/qt/WindowBinding.h"

#include "ide/Ide.h"
#include "ide/ui/HostUi.h"
#include "ide/ui/ProjectWindow.h"
#include "ide/ui/ToolboxWindow.h"
#include "platform/ScriptedUi.h"
#include "platform/WindowRegistry.h"

#include <gtest/gtest.h>

using namespace qm;

namespace {

TEST(UiHostWindows, TheWindowFunctionsMoveShowAndNameTheHostsWindows)
{
    platform::ScriptedUi ui;
    platform::ScopedUi installed(ui);
    ide::Ide model;
    ide::HostUi host(model);
    platform::WindowRegistry &registry = platform::windowRegistry();
    QWidget &project = host.projectWindow();
    ASSERT_TRUE(project.isVisible());

    platform::SetWindowPos(model.projectWindow(), 0, 10, 20, 300, 200, platform::swpflag::NoZOrder);
    EXPECT_EQ(project.pos(), QPoint(10, 20));
    EXPECT_EQ(project.size(), QSize(300, 200));

    platform::ShowWindow(model.toolboxWindow(), platform::sw::Hide);
    EXPECT_FALSE(host.toolboxWindow().isVisible());
    platform::ShowWindow(model.toolboxWindow(), platform::sw::ShowNormal);
    EXPECT_TRUE(host.toolboxWindow().isVisible());

    registry.setCaption(model.toolboxWindow(), "Tools");
    host.sync();
    EXPECT_EQ(host.toolboxWindow().windowTitle(), QStringLiteral("Tools"));

    // And the other way: a window moved by a person updates its entry.
    project.move(50, 60);
    const platform::WindowInfo *info = registry.find(model.projectWindow());
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->left, 50);
    EXPECT_EQ(info->top, 60);
    project.resize(320, 240);
    EXPECT_EQ(info->width, 320);
    EXPECT_EQ(info->height, 240);
}

TEST(UiHostWindows, AWindowTheModelClosesLosesItsEntryAndItsView)
{
    platform::ScriptedUi ui;
    platform::ScopedUi installed(ui);
    ide::Ide model;
    ide::HostUi host(model);
    ide::ComponentPtr form = model.project()->components().front();
    ide::CodeWindow &cw = model.showCode(form);
    const platform::WindowHandle handle = cw.window;
    host.sync();
    QWidget *view = host.widgetOf(handle);
    ASSERT_NE(view, nullptr);
    ASSERT_NE(platform::WindowBinding::of(*view), nullptr);
    model.closeWindow(handle);
    host.sync();
    EXPECT_EQ(host.widgetOf(handle), nullptr);
    EXPECT_FALSE(platform::windowRegistry().contains(handle));
}

} // namespace
