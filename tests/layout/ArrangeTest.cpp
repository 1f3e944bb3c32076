// Alignment, sizing and spacing: what each operation writes where.
#include "layout/Arrange.h"

#include <gtest/gtest.h>

namespace qm::layout {
namespace {

using C = Coordinate;

std::vector<std::int32_t> lefts(const std::vector<Geometry> &g)
{
    std::vector<std::int32_t> out;
    for (const Geometry &x : g)
        out.push_back(x.left);
    return out;
}

TEST(Arrange, AlignsNearAndFarEdgesOnTheSelection)
{
    const std::vector<Geometry> three = {{300, 10, 100, 50}, {120, 20, 200, 60}, {480, 30, 50, 70}};
    EXPECT_EQ(lefts(applyWrites(three, alignControls(three, C::Left, std::nullopt, std::nullopt))),
              (std::vector<std::int32_t>{120, 120, 120}));

    // Right edges 1500 and 1800: both end at 1800.
    const std::vector<Geometry> two = {{1000, 0, 500, 10}, {1300, 0, 500, 10}};
    EXPECT_EQ(applyWrites(two, alignControls(two, C::Left, C::Width, std::nullopt)),
              (std::vector<Geometry>{{1300, 0, 500, 10}, {1300, 0, 500, 10}}));

    // Tops to the smallest, bottoms to the largest bottom.
    const std::vector<Geometry> rows = {{0, 400, 10, 100}, {0, 250, 10, 300}};
    EXPECT_EQ(alignControls(rows, C::Top, std::nullopt, std::nullopt),
              (Writes{{0, C::Top, 250}, {1, C::Top, 250}}));
    EXPECT_EQ(alignControls(rows, C::Top, C::Height, std::nullopt),
              (Writes{{0, C::Top, 450}, {1, C::Top, 250}}));
}

TEST(Arrange, AlignsOnTheReferenceWhichNeedNotBeSelected)
{
    const Geometry ref{600, 240, 1200, 300};
    const std::vector<Geometry> sel = {{100, 100, 400, 200}, {900, 50, 700, 500}};
    EXPECT_EQ(alignControls(sel, C::Left, std::nullopt, ref),
              (Writes{{0, C::Left, 600}, {1, C::Left, 600}}));
    EXPECT_EQ(alignControls(sel, C::Top, C::Height, ref),
              (Writes{{0, C::Top, 340}, {1, C::Top, 40}}));
    EXPECT_EQ(alignControls(sel, C::Left, C::Width, ref),
              (Writes{{0, C::Left, 1400}, {1, C::Left, 1100}}));
    // One control is not enough, with or without a reference.
    EXPECT_TRUE(alignControls({sel[0]}, C::Left, std::nullopt, ref).empty());
    EXPECT_TRUE(alignControls({}, C::Left, C::Width, std::nullopt).empty());
}

TEST(Arrange, FarEdgesAddInThirtyTwoBits)
{
    // 32500 + 700 is past 16 bits: the sum is still the largest edge.
    const std::vector<Geometry> sel = {{32500, 0, 700, 10}, {100, 0, 200, 10}};
    EXPECT_EQ(alignControls(sel, C::Left, C::Width, std::nullopt),
              (Writes{{0, C::Left, 32500}, {1, C::Left, 33000}}));
    // Negative coordinates take part as numbers.
    const std::vector<Geometry> negative = {{-300, 0, 10, 10}, {120, 0, 10, 10}};
    EXPECT_EQ(alignControls(negative, C::Left, std::nullopt, std::nullopt),
              (Writes{{0, C::Left, -300}, {1, C::Left, -300}}));
}

TEST(Arrange, SizesFromTheFirstControlOrTheReference)
{
    const std::vector<Geometry> sel = {{0, 0, 500, 300}, {0, 0, 100, 100}, {0, 0, 50, 60}};
    EXPECT_EQ(sizeControls(sel, SizeWidth, std::nullopt),
              (Writes{{1, C::Width, 500}, {2, C::Width, 500}}));
    EXPECT_EQ(sizeControls(sel, SizeHeight, std::nullopt),
              (Writes{{1, C::Height, 300}, {2, C::Height, 300}}));
    EXPECT_EQ(
        sizeControls(sel, SizeWidth | SizeHeight, std::nullopt),
        (Writes{{1, C::Width, 500}, {1, C::Height, 300}, {2, C::Width, 500}, {2, C::Height, 300}}));
    const Geometry ref{600, 240, 1200, 300};
    EXPECT_EQ(sizeControls({sel[0]}, SizeWidth | SizeHeight, ref),
              (Writes{{0, C::Width, 1200}, {0, C::Height, 300}}));
    EXPECT_TRUE(sizeControls({}, 3, ref).empty());
}

struct SpacingCase
{
    const char *what;
    Spacing spacing;
    std::vector<Geometry> before;
    std::vector<Geometry> after;
};

TEST(Arrange, SpacesDistributesAndFills)
{
    const std::vector<SpacingCase> cases = {
        {"space keeps the first gap",
         Spacing::Space,
         {{100, 0, 200, 1}, {500, 0, 100, 1}, {900, 0, 300, 1}, {1500, 0, 50, 1}},
         {{100, 0, 200, 1}, {500, 0, 100, 1}, {800, 0, 300, 1}, {1300, 0, 50, 1}}},
        {"space works in sorted order, not selection order",
         Spacing::Space,
         {{1500, 0, 50, 1}, {900, 0, 300, 1}, {100, 0, 200, 1}, {500, 0, 100, 1}},
         {{1300, 0, 50, 1}, {800, 0, 300, 1}, {100, 0, 200, 1}, {500, 0, 100, 1}}},
        {"space with two controls only measures",
         Spacing::Space,
         {{100, 0, 200, 1}, {900, 0, 300, 1}},
         {{100, 0, 200, 1}, {900, 0, 300, 1}}},
        {"distribute",
         Spacing::Distribute,
         {{100, 0, 200, 1}, {400, 0, 100, 1}, {1000, 0, 300, 1}},
         {{100, 0, 200, 1}, {600, 0, 100, 1}, {1000, 0, 300, 1}}},
        {"distribute rounds a half gap to the even twip",
         Spacing::Distribute,
         {{0, 0, 100, 1}, {150, 0, 100, 1}, {301, 0, 100, 1}},
         {{0, 0, 100, 1}, {150, 0, 100, 1}, {300, 0, 100, 1}}},
        {"distribute overlapping controls by a negative gap",
         Spacing::Distribute,
         {{0, 0, 300, 1}, {100, 0, 300, 1}, {200, 0, 300, 1}},
         {{0, 0, 300, 1}, {100, 0, 300, 1}, {200, 0, 300, 1}}},
        {"distribute one control", Spacing::Distribute, {{100, 0, 200, 1}}, {{100, 0, 200, 1}}},
        {"fill",
         Spacing::Fill,
         {{100, 0, 200, 1}, {400, 0, 100, 1}, {1000, 0, 300, 1}},
         {{100, 0, 400, 1}, {500, 0, 400, 1}, {900, 0, 400, 1}}},
        {"fill one control", Spacing::Fill, {{100, 0, 200, 1}}, {{100, 0, 200, 1}}},
        {"two controls starting together both take the first one's place",
         Spacing::Distribute,
         {{100, 0, 200, 1}, {100, 0, 100, 1}, {1000, 0, 300, 1}},
         {{100, 0, 200, 1}, {100, 0, 100, 1}, {1000, 0, 300, 1}}},
        {"the order is by text: -5 sorts before -300",
         Spacing::Space,
         {{-300, 0, 100, 1}, {-5, 0, 100, 1}, {200, 0, 100, 1}},
         {{-300, 0, 100, 1}, {-5, 0, 100, 1}, {-595, 0, 100, 1}}},
        {"a position past 16 bits leaves its control in place",
         Spacing::Space,
         {{32000, 0, 500, 1}, {32600, 0, 100, 1}, {32700, 0, 60, 1}},
         {{32000, 0, 500, 1}, {32600, 0, 100, 1}, {32700, 0, 60, 1}}},
    };
    for (const SpacingCase &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(applyWrites(c.before, spaceControls(c.before, c.spacing, Axis::Horizontal)),
                  c.after);
    }
}

TEST(Arrange, VerticalSpacingUsesTopAndHeight)
{
    const std::vector<Geometry> sel = {{7, 100, 1, 200}, {8, 400, 1, 100}, {9, 1000, 1, 300}};
    EXPECT_EQ(spaceControls(sel, Spacing::Fill, Axis::Vertical), (Writes{{0, C::Top, 100},
                                                                         {0, C::Height, 400},
                                                                         {1, C::Top, 500},
                                                                         {1, C::Height, 400},
                                                                         {2, C::Top, 900},
                                                                         {2, C::Height, 400}}));
}

TEST(Arrange, FormatsCoordinatesAsFiveDigits)
{
    EXPECT_EQ(formatCoordinate(0), "00000");
    EXPECT_EQ(formatCoordinate(120), "00120");
    EXPECT_EQ(formatCoordinate(100000), "100000");
    EXPECT_EQ(formatCoordinate(-5), "-00005");
}

} // namespace
} // namespace qm::layout
