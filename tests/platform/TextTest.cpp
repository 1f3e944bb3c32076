#include "platform/Text.h"

#include <gtest/gtest.h>

using namespace qm::platform;

TEST(Text, TrimRemovesSpacesButNotTabs)
{
    EXPECT_EQ(trimBlanks("  a b  "), "a b");
    EXPECT_EQ(trimBlanks("\ta\t"), "\ta\t");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_EQ(trimLeadingBlanks("  x "), "x ");
    EXPECT_EQ(trimTrailingBlanks("  x "), "  x");
}

TEST(Text, CaseInsensitiveSearchLeavesHighBytesAlone)
{
    EXPECT_EQ(findIgnoreCase("Hello World", "WORLD"), 6u);
    EXPECT_EQ(findIgnoreCase("abcabc", "ABC", 1), 3u);
    EXPECT_EQ(findIgnoreCase("abc", "", 2), 2u);
    EXPECT_EQ(findIgnoreCase("abc", "x"), std::string_view::npos);
    EXPECT_EQ(findIgnoreCase("abc", "a", 9), std::string_view::npos);
    EXPECT_FALSE(equalsIgnoreCase("\xE9", "\xC9")); // é and É are distinct bytes
    EXPECT_EQ(toUpper("mIx\xE9"), "MIX\xE9");
    EXPECT_TRUE(startsWithIgnoreCase("Form=a.frm", "FORM="));
    EXPECT_TRUE(endsWithIgnoreCase("A.FRX", ".frx"));
}
