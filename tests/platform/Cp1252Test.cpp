#include "platform/Cp1252.h"

#include <gtest/gtest.h>

using namespace qm::platform;

TEST(Cp1252, EveryByteRoundTrips)
{
    for (int b = 0; b < 256; ++b) {
        auto byte = static_cast<unsigned char>(b);
        auto back = unicodeToCp1252(cp1252ToUnicode(byte));
        ASSERT_TRUE(back.has_value()) << b;
        EXPECT_EQ(*back, byte) << b;
    }
}

TEST(Cp1252, HighBlockMapsToTypographicCharacters)
{
    EXPECT_EQ(cp1252ToUnicode(0x80), u'\u20AC');
    EXPECT_EQ(cp1252ToUnicode(0x93), u'\u201C');
    EXPECT_EQ(cp1252ToUnicode(0x81), u'\u0081'); // undefined byte kept as its C1 control
    EXPECT_EQ(cp1252ToUnicode(0xE9), u'\u00E9');
    EXPECT_FALSE(unicodeToCp1252(u'\u0100').has_value());
    EXPECT_FALSE(unicodeToCp1252(u'\u0080').has_value()); // 0x80 is the euro sign, not U+0080
}
