// Tab order: keys, the automatic orders and the host's renumbering.
#include "layout/TabOrder.h"

#include <gtest/gtest.h>

namespace qm::layout {
namespace {

using Order = std::vector<std::size_t>;

TEST(TabOrder, OrdersByColumnsAndByRows)
{
    const std::vector<Geometry> three = {{120, 900, 0, 0}, {120, 300, 0, 0}, {2000, 100, 0, 0}};
    EXPECT_EQ(tabOrderKey(three[0], TabOrderBy::Columns), "0012000900");
    EXPECT_EQ(tabOrderKey(three[0], TabOrderBy::Rows), "0090000120");
    EXPECT_EQ(sortForTabOrder(three, TabOrderBy::Columns), (Order{1, 0, 2}));
    EXPECT_EQ(sortForTabOrder(three, TabOrderBy::Rows), (Order{2, 1, 0}));
}

TEST(TabOrder, EqualKeysKeepSelectionOrderAndKeysCompareAsText)
{
    const std::vector<Geometry> same = {{500, 500, 10, 10}, {100, 900, 0, 0}, {500, 500, 99, 99}};
    EXPECT_EQ(sortForTabOrder(same, TabOrderBy::Rows), (Order{0, 2, 1}));

    // 100000 twips makes a longer text ("100000..."), which sorts before "20000...";
    // a negative coordinate's minus sign sorts before every digit.
    const std::vector<Geometry> odd = {{20000, 0, 0, 0}, {100000, 0, 0, 0}, {-50, 0, 0, 0}};
    EXPECT_EQ(sortForTabOrder(odd, TabOrderBy::Columns), (Order{2, 1, 0}));
    EXPECT_TRUE(sortForTabOrder({}, TabOrderBy::Rows).empty());
}

TEST(TabOrder, MarkedControlsComeFirstInMarkingOrder)
{
    // A form of five controls in TabIndex order 0..4; A=3, B=1, C=4 are marked.
    Order order = {0, 1, 2, 3, 4};
    std::vector<TabSlot> slots(5);
    for (std::size_t i = 0; i < 5; ++i)
        slots[i] = {static_cast<std::int32_t>(i), i != 0};
    for (std::size_t control : {4, 1, 3}) // applied last marked first
        giveTabIndex(order, slots, control, 0);
    EXPECT_EQ(order, (Order{3, 1, 4, 0, 2}));
    EXPECT_EQ(slots[3].value, 0);
    EXPECT_EQ(slots[1].value, 1);
    EXPECT_EQ(slots[4].value, 2);
    EXPECT_EQ(slots[0].value, 3);
    EXPECT_TRUE(slots[0].written); // it left the default 0, so its file line appears
    EXPECT_EQ(slots[2].value, 4);
}

TEST(TabOrder, AControlMarkedTwiceKeepsItsFirstPlace)
{
    Order order = {0, 1, 2};
    std::vector<TabSlot> slots = {{0, false}, {1, true}, {2, true}};
    // Marks: 2, 0, 2 -> applied 2, 0, 2.
    for (std::size_t control : {2, 0, 2})
        giveTabIndex(order, slots, control, 0);
    EXPECT_EQ(order, (Order{2, 0, 1}));
    EXPECT_EQ(slots[0].value, 1);
    EXPECT_TRUE(slots[0].written);

    // A position past the end puts the control last.
    moveInTabOrder(order, 2, 99);
    EXPECT_EQ(order, (Order{0, 1, 2}));
}

} // namespace
} // namespace qm::layout
