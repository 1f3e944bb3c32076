// Property values: reading the texts files hold and writing them as the file writer does.
#include "ide/Property.h"
#include "platform/VbError.h"

#include <gtest/gtest.h>

using namespace qm::ide;

namespace {

TEST(PropertyValue, ReadsTheTextsFilesHold)
{
    struct Case
    {
        const char *raw;
        Value value;
        PropertyType type;
    };
    const Case cases[] = {
        {"\"Caption\"", std::string("Caption"), PropertyType::Text},
        {"\"Say \"\"hi\"\"\"", std::string("Say \"hi\""), PropertyType::Text},
        {"\"\"", std::string(), PropertyType::Text},
        {"-1  'True", true, PropertyType::Boolean},
        {"0   'False", false, PropertyType::Boolean},
        {"3  'Windows Default", std::int32_t(3), PropertyType::Enum},
        {"1215", std::int32_t(1215), PropertyType::Integer},
        {"-60", std::int32_t(-60), PropertyType::Integer},
        {"8.25", 8.25, PropertyType::Single},
        {"&H8000000F&", std::int32_t(0x8000000F - 0x100000000LL), PropertyType::Color},
        {"&H00FFFFFF&", std::int32_t(0xFFFFFF), PropertyType::Color},
        {"\"Form1.frx\":0000", std::string("\"Form1.frx\":0000"), PropertyType::Binary},
        {"$\"Form1.frx\":01A2", std::string("$\"Form1.frx\":01A2"), PropertyType::Binary},
        {"^O", std::string("^O"), PropertyType::Other},
        {"99999999999", 99999999999.0, PropertyType::Single},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.raw);
        EXPECT_EQ(parseValue(c.raw), c.value);
        EXPECT_EQ(guessType(c.raw), c.type);
    }
    auto ref = parseFrxReference("$\"Form1.frx\":01A2");
    ASSERT_TRUE(ref);
    EXPECT_EQ(ref->file, "Form1.frx");
    EXPECT_EQ(ref->offset, 0x1A2u);
    EXPECT_TRUE(ref->dollar);
    EXPECT_EQ(formatFrxReference(*ref), "$\"Form1.frx\":01A2");
    EXPECT_FALSE(parseFrxReference("\"Form1.frx\""));
    EXPECT_FALSE(unquoteText("\"a\" \"b\""));
}

TEST(PropertyValue, WritesAsTheFileWriterDoes)
{
    EXPECT_EQ(formatValue(PropertyType::Text, std::string("a\"b")), "\"a\"\"b\"");
    EXPECT_EQ(formatValue(PropertyType::Boolean, true), "-1  'True");
    EXPECT_EQ(formatValue(PropertyType::Boolean, std::string("false")), "0   'False");
    EXPECT_EQ(formatValue(PropertyType::Enum, 0, "Flat"), "0  'Flat");
    EXPECT_EQ(formatValue(PropertyType::Enum, 11, "Hourglass"), "11 'Hourglass");
    EXPECT_EQ(formatValue(PropertyType::Integer, 1215.5), "1216");
    EXPECT_EQ(formatValue(PropertyType::Integer, 1214.5), "1214");
    EXPECT_EQ(formatValue(PropertyType::Single, 9.75), "9.75");
    EXPECT_EQ(formatValue(PropertyType::Single, 12), "12");
    EXPECT_EQ(formatValue(PropertyType::Color, std::int32_t(0xFF)), "&H000000FF&");
    EXPECT_THROW(formatValue(PropertyType::Integer, std::string("wide")), qm::platform::VbError);
    EXPECT_EQ(valueToText(true), "True");
    EXPECT_EQ(valueToLong(std::string("&H10")), 16);
}

} // namespace
