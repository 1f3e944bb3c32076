// The geometry of tiling and cascading the host's code windows, in screen pixels, and the rule
// that picks the windows to arrange by caption and class.
#pragma once

#include "common/ErrorReports.h"

#include <optional>
#include <string_view>
#include <vector>

namespace qm::common {

/// SetWindowPos flags the arrangement uses.
namespace swp {
inline constexpr int NoZOrderNoActivate = 20; ///< SWP_NOZORDER | SWP_NOACTIVATE
inline constexpr int NoActivate = 16;
inline constexpr int ShowNoActivate = 80; ///< SWP_SHOWWINDOW | SWP_NOACTIVATE, with no move/size
inline constexpr int Activate = 0;
} // namespace swp

struct WindowPlacement
{
    int left;
    int top;
    int width;
    int height;
    int flags;

    friend bool operator==(const WindowPlacement &, const WindowPlacement &) = default;
};

/// Either one placement per window in list order, or the message that refuses the arrangement.
struct ArrangementPlan
{
    std::vector<WindowPlacement> placements;
    std::optional<UserMessage> refusal;
};

/// TileHorizontal (rows) and TileVertical (columns) of `count` windows on a screen of
/// `width` x `height` pixels: 2 or 3 in rows or columns, 4 to 6 in a grid filled column by column.
ArrangementPlan planTileHorizontal(int count, int width, int height);
ArrangementPlan planTileVertical(int count, int width, int height);
/// CascadeWindows of 1 to 15 windows.
ArrangementPlan planCascade(int count, int width, int height);

/// Which windows EnumHostWindows lists.
enum class WindowSelection {
    HostWindows, ///< forms, code, project, toolbox and properties windows
    CodeWindows, ///< find type 1: the host's code windows and the add-in's editor windows
};

/// The verdict on one top-level window.
enum class WindowVerdict {
    Skip,
    List,
    ProjectWindow, ///< not listed, but remembered as the project window
};

/// Whether a window with this caption and class takes part: the add-in's own windows (captions
/// "ToolTips", containing "QMTimer" or "QUILLMRK") and the host's main window (caption containing
/// "Microsoft Visual Basic") never do.
WindowVerdict
classifyWindow(std::string_view caption, std::string_view className, WindowSelection selection);

} // namespace qm::common
