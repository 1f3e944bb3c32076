#include "shell/PaletteLogic.h"

#include <gtest/gtest.h>
#include <vector>

using namespace qm::shell;

TEST(PaletteLogic, PlacementKeepsStoredPositionOnlyInsideTheScreen)
{
    const int w = 15360, h = 11520; // 1024 x 768 pixels at 15 twips per pixel
    struct Case
    {
        int left, top, expectLeft, expectTop;
    } cases[] = {
        {2000, 100, 2000, 100}, {0, 100, 0, 0},           {2000, 0, 0, 0},
        {-120, 100, 0, 0},      {w - 4655, 100, 0, 0},    {w - 4656, 1, w - 4656, 1},
        {100, h - 330, 0, 0},   {1, h - 331, 1, h - 331},
    };
    for (const auto &c : cases) {
        PalettePlacement p = placePalette(c.left, c.top, w, h);
        EXPECT_EQ(p.left, c.expectLeft) << c.left << "," << c.top;
        EXPECT_EQ(p.top, c.expectTop) << c.left << "," << c.top;
        EXPECT_EQ(p.width, 4985);
    }
}

TEST(PaletteLogic, MoveKeepsThePointer165TwipsIntoTheButton)
{
    EXPECT_EQ(moveDeltaFor(165, 165).dx, 0);
    EXPECT_EQ(moveDeltaFor(100, 165).dx, -65);
    EXPECT_EQ(moveDeltaFor(300, 40).dx, 135);
    EXPECT_EQ(moveDeltaFor(300, 40).dy, -125);
}

// The find buttons look for the name alone again when the selection is their own last match.
TEST(PaletteLogic, FindTargetDropsTheSuffixOfTheLastMatch)
{
    struct Case
    {
        const char *selection, *suffix, *target;
    } cases[] = {
        {"sText", " As ", "sText"},
        {"sText As ", " As ", "sText"},
        {"sText As  As ", " As ", "sText As "},
        {"sText as ", " As ", "sText as "},
        {" As ", " As ", " As "},
        {"Total = ", " = ", "Total"},
        {"Total =", " = ", "Total ="},
        {"a = b = ", " = ", "a = b"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(findTargetOf(c.selection, c.suffix), c.target) << c.selection;
}

TEST(PaletteLogic, TooltipTexts)
{
    EXPECT_EQ(tooltipText(1), "Comment");
    EXPECT_EQ(tooltipText(5), "Concatenate/Clear Clipboard");
    EXPECT_EQ(tooltipText(13), "Controls/Obj Frameworks");
    EXPECT_EQ(tooltipText(15), "Minimize/Unload");
    EXPECT_EQ(tooltipText(0), "");
    EXPECT_EQ(tooltipText(16), "");
}

namespace {
// Ticks with the palette high on the screen; returns whether the tooltip is visible after each.
std::vector<bool> visibleAfterTicks(TooltipState &state, int ticks)
{
    std::vector<bool> visible;
    for (int i = 0; i < ticks; ++i) {
        TooltipTick t = state.tick(1000, 0, 400, 0, 11520);
        visible.push_back(t.show && !t.hideAfterwards);
    }
    return visible;
}
} // namespace

TEST(PaletteLogic, TooltipShowsForThreeTicksOnceThenNotAgainOnTheSameButton)
{
    TooltipState state;
    state.mouseMovedOver(1);
    EXPECT_EQ(visibleAfterTicks(state, 5), (std::vector<bool>{true, true, true, false, false}));
    EXPECT_EQ(state.tickCount(), 0);
    state.mouseMovedOver(1); // still the last shown button: nothing
    EXPECT_EQ(visibleAfterTicks(state, 2), (std::vector<bool>{false, false}));
    state.mouseMovedOver(2);
    state.mouseMovedOver(1); // moving to another button and back shows it again
    EXPECT_EQ(visibleAfterTicks(state, 1), (std::vector<bool>{true}));
}

TEST(PaletteLogic, TickCountCarriesOverBetweenButtons)
{
    TooltipState state;
    state.mouseMovedOver(1);
    visibleAfterTicks(state, 2); // count 2
    EXPECT_EQ(state.tickCount(), 2);
    state.mouseMovedOver(3);
    TooltipTick t = state.tick(1000, 0, 400, 2000, 11520);
    EXPECT_EQ(t.text, "Indent");
    EXPECT_FALSE(t.hideAfterwards);
    EXPECT_EQ(state.tickCount(), 3);
    EXPECT_EQ(state.shownTipNumber(), 3);
    t = state.tick(1000, 0, 400, 2000, 11520);
    EXPECT_TRUE(t.hideAfterwards); // the second button's tooltip lasted only the ticks left
    EXPECT_EQ(state.tipNumber(), 0);
}

TEST(PaletteLogic, TooltipGoesAboveThePaletteNearTheBottomOfTheScreen)
{
    TooltipState state;
    state.mouseMovedOver(4);
    TooltipTick low = state.tick(500, 10500, 400, 1200, 11520);
    EXPECT_EQ(low.left, 1700);
    EXPECT_EQ(low.top, 10500 + 400 - 800);
    TooltipState other;
    other.mouseMovedOver(4);
    TooltipTick high = other.tick(500, 100, 400, 1200, 11520);
    EXPECT_EQ(high.top, 100 + 400 + 100);
}

TEST(PaletteLogic, ATickWithoutTipResetsTheCount)
{
    TooltipState state;
    state.mouseMovedOver(1);
    visibleAfterTicks(state, 2);
    state.turnOff();
    TooltipTick t = state.tick(0, 0, 400, 0, 11520);
    EXPECT_FALSE(t.show);
    EXPECT_EQ(state.tickCount(), 0);
}

#include "shell/Version.h"

TEST(Version, RevisionShownOnlyAboveZero)
{
    EXPECT_EQ(splashVersionText({1, 2, 0}), "Quillmark 1.2");
    EXPECT_EQ(splashVersionText({1, 2, 3}), "Quillmark 1.2.3");
    EXPECT_EQ(aboutVersionText({4, 10, 0}), "Version 4.10");
    EXPECT_EQ(aboutVersionText({4, 0, 1}), "Version 4.0.1");
}
