// The xBase conversion over whole programs: every tests/data/xbase/<case>/input must convert to
// the bytes of <case>/expected.
#include "codetext/XBase.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string readBytes(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(XBaseGolden, EveryCaseConvertsToItsExpectedText)
{
    const std::filesystem::path root = std::filesystem::path(QM_SOURCE_DIR) / "tests/data/xbase";
    int cases = 0;
    for (const auto &entry : std::filesystem::directory_iterator(root)) {
        if (!entry.is_directory())
            continue;
        ++cases;
        const std::string name = entry.path().filename().string();
        ASSERT_TRUE(std::filesystem::exists(entry.path() / "input")) << name;
        ASSERT_TRUE(std::filesystem::exists(entry.path() / "expected")) << name;
        auto result = qm::codetext::ConvertXBaseBlock(readBytes(entry.path() / "input"));
        EXPECT_FALSE(result.failure) << name;
        EXPECT_EQ(result.text, readBytes(entry.path() / "expected")) << name;
    }
    EXPECT_GE(cases, 2);
}
