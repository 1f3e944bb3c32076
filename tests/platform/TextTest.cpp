#include "platform/Text.h"
#include "platform/FormLines.h"

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

TEST(Text, TrimSpaceRemovesBlanksAndTabsAndStaysInTheText)
{
    EXPECT_EQ(trimSpace(" \ta b\t "), "a b");
    EXPECT_EQ(trimLeadingSpace("\t x\t"), "x\t");
    EXPECT_EQ(trimTrailingSpace("\t x\t"), "\t x");
    // Nothing left is still a place in the text, so offsets into it can be measured.
    const std::string_view blank = "  \t ";
    EXPECT_EQ(trimLeadingSpace(blank).data(), blank.data() + blank.size());
    EXPECT_EQ(trimTrailingSpace(blank).data(), blank.data());
    EXPECT_TRUE(trimSpace(blank).empty());
}

TEST(Text, HexDigitsAndBasicLiterals)
{
    EXPECT_EQ(hexDigitValue('0'), 0);
    EXPECT_EQ(hexDigitValue('9'), 9);
    EXPECT_EQ(hexDigitValue('a'), 10);
    EXPECT_EQ(hexDigitValue('F'), 15);
    for (char c : {'g', 'G', ' ', '/', ':', '@', '`', '\xC1'})
        EXPECT_EQ(hexDigitValue(c), -1) << c;
    EXPECT_EQ(quoteText(""), "\"\"");
    EXPECT_EQ(quoteText("Say \"Hi\""), "\"Say \"\"Hi\"\"\"");
    EXPECT_EQ(quoteText("\""), "\"\"\"\"");
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

TEST(FormLines, PropertyNamesPadToSixteenColumnsAndALongerOneGetsOneBlank)
{
    EXPECT_EQ(qm::platform::propertyLineLead("      ", "Caption"), "      Caption         =   ");
    EXPECT_EQ(qm::platform::propertyLineLead("   ", "ClipControls0123"),
              "   ClipControls0123 =   ");
    EXPECT_EQ(qm::platform::propertyLineLead("", "AutoRedrawAndMore"), "AutoRedrawAndMore =   ");
}
