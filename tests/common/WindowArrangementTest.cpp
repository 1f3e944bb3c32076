#include "common/WindowArrangement.h"

#include <gtest/gtest.h>

using namespace qm::common;

namespace {
constexpr int W = 1024, H = 768;
using P = WindowPlacement;
} // namespace

TEST(WindowArrangement, TileRefusesFewerThanTwoAndMoreThanSix)
{
    for (auto plan :
         {planTileHorizontal(0, W, H), planTileHorizontal(1, W, H), planTileVertical(1, W, H)}) {
        ASSERT_TRUE(plan.refusal);
        EXPECT_EQ(plan.refusal->title, "No Open Code Windows");
        EXPECT_EQ(plan.refusal->text, "No Windows to Tile!");
        EXPECT_EQ(plan.refusal->style, 16);
        EXPECT_TRUE(plan.placements.empty());
    }
    for (int n = 7; n <= 16; ++n) {
        for (auto plan : {planTileHorizontal(n, W, H), planTileVertical(n, W, H)}) {
            ASSERT_TRUE(plan.refusal) << n;
            EXPECT_EQ(plan.refusal->title, "Too Many Windows Open");
            EXPECT_EQ(plan.refusal->text, "Can't tile more than 6 windows!");
        }
    }
}

TEST(WindowArrangement, TwoAndThreeInRowsOrColumns)
{
    EXPECT_EQ(planTileHorizontal(2, W, H).placements,
              (std::vector<P>{{0, 0, W, 384, 20}, {0, 384, W, 384, 0}}));
    EXPECT_EQ(planTileHorizontal(3, W, H).placements,
              (std::vector<P>{{0, 0, W, 256, 0}, {0, 256, W, 256, 0}, {0, 512, W, 256, 0}}));
    EXPECT_EQ(planTileVertical(2, W, H).placements,
              (std::vector<P>{{0, 0, 512, H, 20}, {512, 0, 512, H, 0}}));
    EXPECT_EQ(planTileVertical(3, 1000, H).placements,
              (std::vector<P>{{0, 0, 333, H, 0}, {333, 0, 333, H, 0}, {666, 0, 333, H, 0}}));
}

TEST(WindowArrangement, FourToSixInAGridFilledColumnByColumn)
{
    EXPECT_EQ(planTileHorizontal(4, W, H).placements, (std::vector<P>{{0, 0, 512, 384, 0},
                                                                      {0, 384, 512, 384, 0},
                                                                      {512, 0, 512, 384, 0},
                                                                      {512, 384, 512, 384, 0}}));
    // Five: three on the left, two taller ones on the right.
    EXPECT_EQ(planTileVertical(5, W, H).placements, (std::vector<P>{{0, 0, 512, 256, 0},
                                                                    {0, 256, 512, 256, 0},
                                                                    {0, 512, 512, 256, 0},
                                                                    {512, 0, 512, 384, 0},
                                                                    {512, 384, 512, 384, 0}}));
    EXPECT_EQ(planTileHorizontal(6, W, H).placements, (std::vector<P>{{0, 0, 512, 256, 0},
                                                                      {0, 256, 512, 256, 0},
                                                                      {0, 512, 512, 256, 0},
                                                                      {512, 0, 512, 256, 0},
                                                                      {512, 256, 512, 256, 0},
                                                                      {512, 512, 512, 256, 0}}));
    EXPECT_EQ(planTileHorizontal(5, W, H).placements, planTileVertical(5, W, H).placements);
}

TEST(WindowArrangement, CascadeStepsFromTheTopLeftForOneToFifteen)
{
    ASSERT_TRUE(planCascade(0, W, H).refusal);
    EXPECT_EQ(planCascade(0, W, H).refusal->text, "No Windows to Tile!");
    auto refused = planCascade(16, W, H);
    ASSERT_TRUE(refused.refusal);
    EXPECT_EQ(refused.refusal->text, "Can't tile more than 15 windows!");
    EXPECT_EQ(refused.refusal->title, "Too Many Windows Open");

    EXPECT_EQ(planCascade(1, W, H).placements, (std::vector<P>{{68, 106, 768, 459, 16}}));
    auto seven = planCascade(7, W, H);
    ASSERT_FALSE(seven.refusal);
    ASSERT_EQ(seven.placements.size(), 7u);
    EXPECT_EQ(seven.placements[6], (P{34 + 7 * 34, 76 + 7 * 30, 768, 459, 16}));
    EXPECT_EQ(planCascade(15, W, H).placements.size(), 15u);
}

TEST(WindowArrangement, OwnWindowsAndTheMainWindowAreNeverListed)
{
    using V = WindowVerdict;
    struct Case
    {
        const char *caption;
        const char *cls;
        V all;
        V code;
    } cases[] = {
        {"Form1 (Code)", "VBCodeWin", V::List, V::List},
        {"Form1", "ThunderForm", V::List, V::Skip},
        {"Project1", "PROJECT", V::ProjectWindow, V::Skip},
        {"Toolbox", "ToolsPalette", V::List, V::Skip},
        {"Properties - Form1", "wndclass_pbrs", V::List, V::Skip},
        {"QM: C:\\src\\a.bas", "QuillmarkEditor", V::Skip, V::List},
        {"ToolTips", "VBCodeWin", V::Skip, V::Skip},
        {"  tooltips ", "VBCodeWin", V::Skip, V::Skip},
        {"Project1 - Microsoft Visual Basic [design]", "VBCodeWin", V::Skip, V::Skip},
        {"quillmrk palette", "ThunderForm", V::Skip, V::Skip},
        {"x qmtimer", "VBCodeWin", V::Skip, V::Skip},
        {"   ", "VBCodeWin", V::Skip, V::Skip},
        {"Notes", "Notepad", V::Skip, V::Skip},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(classifyWindow(c.caption, c.cls, WindowSelection::HostWindows), c.all)
            << c.caption;
        EXPECT_EQ(classifyWindow(c.caption, c.cls, WindowSelection::CodeWindows), c.code)
            << c.caption;
    }
}
