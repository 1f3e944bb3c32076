// The registry of top-level windows (the stand-in for the window manager) and the window
// functions the product calls on it: Z-order walk, caption, class name, position, focus, show.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::platform {

/// A window handle; 0 is no window.
using WindowHandle = std::int32_t;

/// GetWindow relations.
namespace gw {
inline constexpr int First = 0;
inline constexpr int Last = 1;
inline constexpr int Next = 2;
inline constexpr int Previous = 3;
} // namespace gw

/// SetWindowPos flags.
namespace swpflag {
inline constexpr int NoSize = 1;
inline constexpr int NoMove = 2;
inline constexpr int NoZOrder = 4;
inline constexpr int NoRedraw = 8;
inline constexpr int NoActivate = 16;
inline constexpr int FrameChanged = 32;
inline constexpr int ShowWindow = 64;
inline constexpr int HideWindow = 128;
} // namespace swpflag

/// SetWindowPos insert-after values besides a window handle.
namespace insertafter {
inline constexpr WindowHandle Top = 0;
inline constexpr WindowHandle Bottom = 1;
inline constexpr WindowHandle TopMost = -1;
inline constexpr WindowHandle NoTopMost = -2;
} // namespace insertafter

/// ShowWindow commands.
namespace sw {
inline constexpr int Hide = 0;
inline constexpr int ShowNormal = 1;
inline constexpr int ShowMinimized = 2;
inline constexpr int ShowMaximized = 3;
inline constexpr int ShowNoActivate = 4;
inline constexpr int Show = 5;
inline constexpr int Minimize = 6;
inline constexpr int ShowMinNoActive = 7;
inline constexpr int ShowNa = 8;
inline constexpr int Restore = 9;
} // namespace sw

enum class WindowState { Normal, Minimized, Maximized };

struct WindowInfo
{
    WindowHandle handle = 0;
    std::string caption;
    std::string className;
    int left = 0; ///< pixels
    int top = 0;
    int width = 0;
    int height = 0;
    bool topmost = false;
    bool visible = true;
    WindowState state = WindowState::Normal;
};

/// Every top-level window registers here (the host's windows with the host's class names, the
/// add-in's with a class of its own). Z order runs front to back, topmost windows first.
class WindowRegistry
{
public:
    /// Registers a window at the front of the non-topmost windows; it does not become active.
    WindowHandle add(std::string caption,
                     std::string className,
                     int left = 0,
                     int top = 0,
                     int width = 0,
                     int height = 0);
    /// Forgets a window; the next visible window in Z order becomes active if it was.
    void remove(WindowHandle handle);
    void clear();

    bool contains(WindowHandle handle) const { return find(handle) != nullptr; }
    /// The window, or nullptr for a handle that is not (or no longer) registered.
    const WindowInfo *find(WindowHandle handle) const;
    /// Handles front to back.
    const std::vector<WindowHandle> &zOrder() const { return m_order; }

    void setCaption(WindowHandle handle, std::string caption);
    void setGeometry(WindowHandle handle, int left, int top, int width, int height);

    /// Brings a window to the front of its band and makes it the active window and the focus.
    void activate(WindowHandle handle);
    WindowHandle activeWindow() const { return m_active; }
    WindowHandle focusWindow() const { return m_active; }

    /// AppActivate's choice: a window whose caption equals `caption` (letter case ignored), else
    /// the first in Z order whose caption starts with it; 0 when none does.
    WindowHandle findByCaption(std::string_view caption) const;
    /// The first window in Z order with this class name, or 0.
    WindowHandle findByClass(std::string_view className) const;

    /// Calls `observer` after every change the window functions make to this window (position,
    /// size, Z order, visibility, state, activation): how a real window follows its entry.
    void setObserver(WindowHandle handle, std::function<void(const WindowInfo &)> observer);

    // The window functions, with the results of the system's own.
    WindowHandle getWindow(WindowHandle handle, int relation) const;
    bool setWindowPos(
        WindowHandle handle, WindowHandle insertAfter, int x, int y, int cx, int cy, int flags);
    /// Returns the window that had the focus before, or 0 when `handle` is not a window.
    WindowHandle setFocus(WindowHandle handle);
    /// Returns whether the window was visible before.
    bool showWindow(WindowHandle handle, int command);

private:
    struct Entry
    {
        WindowInfo info;
        std::function<void(const WindowInfo &)> observer;
    };
    Entry *entry(WindowHandle handle);
    void unlink(WindowHandle handle);
    void placeFront(WindowHandle handle); // front of its band
    void placeBack(WindowHandle handle);
    void placeAfter(WindowHandle handle, WindowHandle after);
    void activateNextVisible(WindowHandle leaving);
    void notify(WindowHandle handle);

    std::vector<Entry> m_windows;
    std::vector<WindowHandle> m_order;
    WindowHandle m_active = 0;
    WindowHandle m_nextHandle = 0x1000;
};

/// The registry of this process.
WindowRegistry &windowRegistry();

// The window functions as the product calls them, over windowRegistry().
WindowHandle GetWindow(WindowHandle handle, int relation);
/// Caption length and caption; the text is cut to `bufferSize` - 1 characters and NUL-ended.
/// Returns the number of characters copied (0 for no window).
int GetWindowTextLengthA(WindowHandle handle);
int GetWindowTextA(WindowHandle handle, char *buffer, int bufferSize);
int GetClassNameA(WindowHandle handle, char *buffer, int bufferSize);
int SetWindowPos(
    WindowHandle handle, WindowHandle insertAfter, int x, int y, int cx, int cy, int flags);
WindowHandle SetFocus(WindowHandle handle);
int ShowWindow(WindowHandle handle, int command);

/// The caption and class name as strings (empty for no window).
std::string windowCaption(WindowHandle handle);
std::string windowClassName(WindowHandle handle);

} // namespace qm::platform
