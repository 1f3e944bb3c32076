// Tile and cascade geometry and the window selection of EnumHostWindows.
#include "common/WindowArrangement.h"

#include "platform/Text.h"
#include "platform/UiRuntime.h"

namespace qm::common {
using platform::containsIgnoreCase;

namespace {

UserMessage tooMany(int limit)
{
    return {"Too Many Windows Open", "Can't tile more than " + std::to_string(limit) + " windows!",
            platform::mb::Critical};
}

UserMessage noWindows()
{
    return {"No Open Code Windows", "No Windows to Tile!", platform::mb::Critical};
}

// The grid of 4 to 6 windows, filled column by column, left column first.
std::vector<WindowPlacement> grid(int count, int w, int h)
{
    const int leftRows = count == 4 ? 2 : 3;
    const int rightRows = count - leftRows;
    std::vector<WindowPlacement> placements;
    for (int k = 0; k < leftRows; ++k)
        placements.push_back({0, k * (h / leftRows), w / 2, h / leftRows, swp::Activate});
    for (int k = 0; k < rightRows; ++k)
        placements.push_back({w / 2, k * (h / rightRows), w / 2, h / rightRows, swp::Activate});
    return placements;
}

// The first window of a two-window row or column keeps its Z order and is not activated.
int lineFlags(int count, int k)
{
    return count == 2 && k == 0 ? swp::NoZOrderNoActivate : swp::Activate;
}

std::optional<UserMessage> tileRefusal(int count)
{
    if (count > 6)
        return tooMany(6);
    if (count < 2)
        return noWindows();
    return std::nullopt;
}

} // namespace

namespace {

// Two or three windows in rows (or columns), four to six in the grid.
ArrangementPlan planTile(int count, int width, int height, bool inColumns)
{
    ArrangementPlan plan;
    if ((plan.refusal = tileRefusal(count)))
        return plan;
    if (count >= 4) {
        plan.placements = grid(count, width, height);
        return plan;
    }
    for (int k = 0; k < count; ++k) {
        const int flags = lineFlags(count, k);
        plan.placements.push_back(
            inColumns ? WindowPlacement{k * (width / count), 0, width / count, height, flags}
                      : WindowPlacement{0, k * (height / count), width, height / count, flags});
    }
    return plan;
}

} // namespace

ArrangementPlan planTileHorizontal(int count, int width, int height)
{
    return planTile(count, width, height, false);
}

ArrangementPlan planTileVertical(int count, int width, int height)
{
    return planTile(count, width, height, true);
}

ArrangementPlan planCascade(int count, int width, int height)
{
    ArrangementPlan plan;
    if (count > 15) {
        plan.refusal = tooMany(15);
        return plan;
    }
    if (count < 1) {
        plan.refusal = noWindows();
        return plan;
    }
    const int w = (width / 4) * 3;
    const int h = (height / 5) * 3;
    int left = width / 30;
    int top = height / 10;
    for (int k = 0; k < count; ++k) {
        left += width / 30;
        top += height / 25;
        plan.placements.push_back({left, top, w, h, swp::NoActivate});
    }
    return plan;
}

WindowVerdict
classifyWindow(std::string_view caption, std::string_view className, WindowSelection selection)
{
    std::string_view trimmed = platform::trimBlanks(caption);
    if (containsIgnoreCase(caption, "QMTimer") || trimmed.empty() ||
        platform::equalsIgnoreCase(trimmed, "ToolTips") ||
        containsIgnoreCase(caption, "Microsoft Visual Basic") ||
        containsIgnoreCase(caption, "QUILLMRK"))
        return WindowVerdict::Skip;
    if (selection == WindowSelection::CodeWindows) {
        bool code = className == "VBCodeWin" || containsIgnoreCase(caption, "QM:");
        return code ? WindowVerdict::List : WindowVerdict::Skip;
    }
    if (className == "PROJECT")
        return WindowVerdict::ProjectWindow;
    if (className == "ThunderForm" || className == "VBCodeWin" || className == "ToolsPalette" ||
        className == "wndclass_pbrs")
        return WindowVerdict::List;
    return WindowVerdict::Skip;
}

} // namespace qm::common
