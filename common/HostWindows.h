// The host's windows as the add-in arranges them: the window list of EnumHostWindows, placing a
// plan on it, and keeping a window on top.
#pragma once

#include "common/WindowArrangement.h"
#include "platform/WindowRegistry.h"

#include <optional>
#include <vector>

namespace qm::common {

/// The program-wide window list, rebuilt by every EnumHostWindows.
struct HostWindowList
{
    std::vector<platform::WindowHandle> windows; ///< numbered from 1 in the product's terms
    platform::WindowHandle projectWindow = 0;
};
HostWindowList &hostWindowList();

/// Walks the top-level windows in Z order and lists the host's windows: with find type 1 the
/// code windows (and the add-in's editor windows), without one every form, code, toolbox and
/// properties window (the project window is remembered, not listed). Returns the count.
int EnumHostWindows(std::optional<int> findType = std::nullopt);

/// The screen in pixels: the screen size in twips divided by the twips per pixel.
int screenWidthPixels();
int screenHeightPixels();

/// Places the listed windows as the plan says, or shows its refusal. A window that closed since
/// it was listed is skipped. Cascading gives the focus to the last window afterwards.
void applyArrangement(const ArrangementPlan &plan,
                      const std::vector<platform::WindowHandle> &windows,
                      bool focusLast);

/// SetOnTop and SetNotOnTop: make a window topmost or not, keeping its position and size; a
/// minimized window is left alone. A failure is shown as the system error report under the
/// operation's own name.
void SetOnTop(platform::WindowHandle window);
void SetNotOnTop(platform::WindowHandle window);

} // namespace qm::common

namespace qm::common {

/// The palette's window commands. Each records the host state first and stops silently at the
/// first failing statement.
void TileHorizontal();
void TileVertical();
void CascadeWindows();
/// Shows the project window, then closes the active host window once for it and once for each
/// listed window, so the project window is the one left.
void CloseWindows();

} // namespace qm::common
