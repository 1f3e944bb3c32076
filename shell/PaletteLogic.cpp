// Placement, moving and tooltip ticks of the tool palette.
#include "shell/PaletteLogic.h"

#include <array>

namespace qm::shell {

std::string_view tooltipText(int tipNumber)
{
    static constexpr std::array<std::string_view, kButtonCount> texts = {
        "Comment",
        "Uncomment",
        "Indent",
        "Print",
        "Concatenate/Clear Clipboard",
        "Close/Cascade",
        "Tile Vert/Horz",
        "Last Proc/Help",
        "Find Variable Def",
        "Find Variable Modifiers",
        "Find All Occurrences",
        "Toggle Toolbox",
        "Controls/Obj Frameworks",
        "Move Toolbar",
        "Minimize/Unload",
    };
    if (tipNumber < 1 || tipNumber > kButtonCount)
        return {};
    return texts[static_cast<size_t>(tipNumber - 1)];
}

PalettePlacement placePalette(int storedLeft, int storedTop, int screenWidth, int screenHeight)
{
    if (storedLeft > 0 && storedLeft < screenWidth - 4655 && storedTop > 0 &&
        storedTop < screenHeight - 330)
        return {storedLeft, storedTop, kPaletteWidth};
    return {0, 0, kPaletteWidth};
}

MoveDelta moveDeltaFor(int x, int y)
{
    // Left decreases by 165 - x when x < 165 and increases by x - 165 when x > 165: both are
    // x - 165.
    return {x - 165, y - 165};
}

std::string_view findTargetOf(std::string_view selection, std::string_view suffix)
{
    if (selection.size() > suffix.size() && selection.ends_with(suffix))
        selection.remove_suffix(suffix.size());
    return selection;
}

void TooltipState::mouseMovedOver(int tipNumber)
{
    if (tipNumber != m_shown)
        m_tip = static_cast<std::int16_t>(tipNumber);
}

TooltipTick TooltipState::tick(
    int paletteLeft, int paletteTop, int paletteHeight, int buttonLeft, int screenHeight)
{
    TooltipTick result;
    const int offset = paletteTop + paletteHeight + 800 > screenHeight ? -800 : 100;
    if (m_tip == 0) {
        m_ticks = 0;
        return result; // hidden, caption "ToolTips"
    }
    result.show = true;
    result.text = tooltipText(m_tip);
    result.left = paletteLeft + buttonLeft;
    result.top = paletteTop + paletteHeight + offset;
    if (m_ticks > 2) {
        m_ticks = 0;
        m_tip = 0;
        result.hideAfterwards = true;
    } else if (m_tip == m_shown) {
        ++m_ticks;
    } else {
        m_shown = m_tip;
        ++m_ticks;
    }
    return result;
}

} // namespace qm::shell
