// The tool palette's rules that need no window: where it opens, how the move button moves it,
// and the tooltip timer, tick for tick.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm::shell {

inline constexpr int kPaletteWidth = 4985; ///< twips
inline constexpr int kButtonCount = 15;

/// The tooltip text of a palette button by its tip number (1-15); empty for any other number.
std::string_view tooltipText(int tipNumber);

struct PalettePlacement
{
    int left;
    int top;
    int width;
};

/// Where the palette opens: at the stored position when it lies inside the screen
/// (0 < left < screenWidth - 4655 and 0 < top < screenHeight - 330), else at (0, 0).
/// All values in twips.
PalettePlacement placePalette(int storedLeft, int storedTop, int screenWidth, int screenHeight);

/// How far the palette moves for a mouse move over the move button at (x, y) twips inside the
/// button: the pointer is kept 165 twips from the button's left and top edges.
struct MoveDelta
{
    int dx;
    int dy;
};
MoveDelta moveDeltaFor(int x, int y);

/// What Find Definition (suffix " As ") and Find Modifiers (" = ") look for, before the suffix
/// is typed after it: the copied selection, less the suffix when it already ends in it. After
/// one press the host selects the match, suffix and all; the next press looks for the same name
/// again, so it goes on to the next definition instead of a name followed by the suffix twice.
std::string_view findTargetOf(std::string_view selection, std::string_view suffix);

/// What one tooltip timer tick does to the tooltip window.
struct TooltipTick
{
    bool show = false; ///< show Label1 with `text` at (left, top), without activating
    std::string_view text;
    int left = 0; ///< twips
    int top = 0;
    bool hideAfterwards = false; ///< the tooltip expired in this tick: hide, caption "ToolTips"
};

/// The tooltip state the buttons and the timer share.
class TooltipState
{
public:
    /// A mouse move over button `tipNumber`: it becomes the tip number unless it is the button
    /// whose tooltip was shown last.
    void mouseMovedOver(int tipNumber);
    /// The move button clears the tip while the palette is being dragged.
    void clearTip() { m_tip = 0; }
    /// TurnOffToolTips: no tip.
    void turnOff() { m_tip = 0; }

    /// One timer tick. `paletteTop` and `paletteHeight` and `screenHeight` in twips; `buttonLeft`
    /// is the left of the tip's button inside the palette.
    TooltipTick
    tick(int paletteLeft, int paletteTop, int paletteHeight, int buttonLeft, int screenHeight);

    int tipNumber() const { return m_tip; }
    int shownTipNumber() const { return m_shown; }
    int tickCount() const { return m_ticks; }

private:
    std::int16_t m_tip = 0;
    std::int16_t m_shown = 0;
    std::int16_t m_ticks = 0;
};

} // namespace qm::shell
