// Paths in messages as the system writes them.
#include "ide/PlatformPath.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(PlatformPath, PathsUnderTheProjectFolderTakeTheSystemsSeparator)
{
    qm::test::TempDir dir;
    const std::string d = dir.str();
    struct Case
    {
        std::string message, shown;
    } cases[] = {
        {d + "\\sub\\Form1.frm(12): bad line", d + "/sub/Form1.frm(12): bad line"},
        {d + "\\a.bas: File not found\n" + d + "\\b\\c.cls: File not found",
         d + "/a.bas: File not found\n" + d + "/b/c.cls: File not found"},
        // Text that is not under the folder keeps its backslashes.
        {"C:\\other\\x.frm " + d + "\\y.frm", "C:\\other\\x.frm " + d + "/y.frm"},
        {"no path at all \\n", "no path at all \\n"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(qm::ide::withPlatformPaths(c.message, d), c.shown) << c.message;
    EXPECT_EQ(qm::ide::withPlatformPaths("x\\y", ""), "x\\y");
}

TEST(PlatformPath, AnExistingFileIsSpeltAsOnDisk)
{
    qm::test::TempDir dir;
    std::filesystem::create_directories(dir.path() / "Sub");
    dir.write("Sub/Form1.frm", "x");
    EXPECT_EQ(qm::ide::platformPath(dir.str() + "\\sub\\FORM1.FRM"), dir.str() + "/Sub/Form1.frm");
    EXPECT_EQ(qm::ide::platformPath(dir.str() + "\\none\\x.frm"), dir.str() + "/none/x.frm");
}

} // namespace
