// qm icons: the listing, the count and one icon written as PNG.
#include "clipper/ClipperCli.h"
#include "tests/support/EngineTest.h"
#include "tests/support/TempDir.h"

#include <QImage>

#include <gtest/gtest.h>

#include <fstream>

namespace qm::clipper {
namespace {

const std::string kData = QM_CLIPPER_DATA;

TEST(QmIcons, ListsCountsAndExtracts)
{
    const std::string depths = kData + "/depths.ico";
    const test::QmRun list = test::runQmCommand(addIconCommands, {"icons", depths});
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out,
              "0\t16x16x1 16x16x4 32x32x8 32x32x24 32x32x32 48x48x32 png 256x256x32 png\n");

    const std::string many = kData + "/many_x86_64.dll";
    if (std::ifstream(many).good()) {
        EXPECT_EQ(test::runQmCommand(addIconCommands, {"icons", "--count", many}).out, "50\n");
        const std::string out = test::runQmCommand(addIconCommands, {"icons", many}).out;
        EXPECT_TRUE(out.starts_with("0\t32x32x32 png\n1\t16x16x4 16x16x8\n2\t48x48x24 ")) << out;
    }
    const test::QmRun none =
        test::runQmCommand(addIconCommands, {"icons", "--count", "-"}, "Option Explicit\r\n");
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "0\n");
}

TEST(QmIcons, ExtractWritesTheClosestImageWithItsTransparency)
{
    const test::TempDir dir;
    const std::string depths = kData + "/depths.ico";
    const struct
    {
        const char *size;
        int width;
    } cases[] = {{"16", 16}, {"32", 32}, {"200", 256}};
    for (const auto &c : cases) {
        const std::string out = dir.file(std::string("icon") + c.size + ".png");
        const test::QmRun run = test::runQmCommand(
            addIconCommands, {"icons", "--extract", "0", "--size", c.size, "--out", out, depths});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, "");
        const QImage image(QString::fromStdString(out));
        EXPECT_EQ(image.width(), c.width);
        EXPECT_TRUE(image.hasAlphaChannel());
    }
    // 16 pixels: the 4-bit image, whose mask leaves every seventh diagonal transparent.
    const QImage sixteen(QString::fromStdString(dir.file("icon16.png")));
    EXPECT_EQ(qAlpha(sixteen.pixel(5, 0)), 0);
    EXPECT_EQ(qAlpha(sixteen.pixel(0, 0)), 255);

    const test::QmRun missing = test::runQmCommand(
        addIconCommands, {"icons", "--extract", "1", "--out", dir.file("x.png"), depths});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Icon Error: No icon 1 in the file\n");
    EXPECT_EQ(test::runQmCommand(addIconCommands, {"icons", "--extract", "0", depths}).status, 2);
}

} // namespace
} // namespace qm::clipper
