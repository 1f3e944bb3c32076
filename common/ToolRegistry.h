// The tools' windows and frmApperTab pages as the tool folders register them: the shell builds
// the windows and the frame from these descriptions. Qt-free: a factory is only carried here.
#pragma once

#include "platform/qt/WidgetFactory.h" // a std::function type; no Qt headers

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qm::common {

/// What a menu command records of the host before it opens its tool window.
enum class HostRecording {
    ProjectAndCaption, ///< the host check, then the host caption (most commands)
    ProjectOnly,       ///< the host check only; the caption stays as it was
};

/// A tool window: its name (a constant of common/WindowNames.h or of the tool's own ui/), how
/// to build it, and what the menu command that opens it records first.
struct ToolWindow
{
    ToolWindow(std::string_view windowName, platform::WidgetFactory factory)
        : name(windowName)
        , create(std::move(factory))
    {}

    std::string name;
    platform::WidgetFactory create;
    HostRecording recording = HostRecording::ProjectAndCaption;
    /// The menu command does nothing while the window is open (instead of raising it).
    bool onlyWhenClosed = false;
    /// Failures while recording and opening are ignored (the command runs on regardless).
    bool ignoreErrors = false;
    /// Anything more the tool records when its menu command opens it; runs after `recording`.
    std::function<void()> beforeOpen;
    /// The window this one belongs to, by name: while that window is loaded this one is built as
    /// its child window and unloads with it. Empty for a window of its own.
    std::string owner;
};

/// A page of a tabbed frame window: the frame's name, the tab's object name (a constant of
/// common::page), and how to build its contents. The frame fixes the tab's caption and place.
struct ToolPage
{
    ToolPage(std::string_view frameName, std::string_view tabName, platform::WidgetFactory factory)
        : frame(frameName)
        , tab(tabName)
        , create(std::move(factory))
    {}

    std::string frame;
    std::string tab;
    platform::WidgetFactory create;
};

/// What one tool folder contributes, handed over in one call.
struct ToolContribution
{
    std::vector<ToolWindow> windows;
    std::vector<ToolPage> pages;
};

class ToolRegistry
{
public:
    /// How the shell shows a registered window by its name: builds it when it is not loaded
    /// (open flag, window-registry entry), shows and raises it; false when it cannot.
    using ShowWindow = std::function<bool(std::string_view name)>;

    /// Adds a folder's windows and pages; one registered again under its name replaces the old.
    void add(ToolContribution contribution);
    void add(ToolWindow window);
    void add(ToolPage page);

    /// The window registered under `name`, or nullptr.
    const ToolWindow *window(std::string_view name) const;
    /// The page registered for `tab` of `frame`, or nullptr.
    const ToolPage *page(std::string_view frame, std::string_view tab) const;
    const std::vector<ToolWindow> &windows() const { return m_windows; }

    /// Removes the windows and pages; the shell's ShowWindow stays.
    void clear();

    /// Shows the registered window `name` through the shell, as the shell shows the windows of
    /// its menu commands: a window that opens another does it this way, so that the other gets
    /// its open flag and its window-registry entry. False when no shell is there to show it or
    /// it has no such window.
    bool showWindow(std::string_view name) const;
    /// The shell installs its ShowWindow while its windows exist; returns the one it replaces.
    ShowWindow setShowWindow(ShowWindow show);

private:
    std::vector<ToolWindow> m_windows;
    std::vector<ToolPage> m_pages;
    ShowWindow m_showWindow;
};

/// The registry of the process.
ToolRegistry &toolRegistry();

} // namespace qm::common
