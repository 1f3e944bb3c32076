#include "platform/FileSystem.h"

#include "platform/VbError.h"
#include "tests/support/ErrorNumber.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace qm::platform;
using qm::test::TempDir;

using qm::test::errorOf;

TEST(FileSystem, ProductPathsResolveCaseInsensitivelyWithBackslashes)
{
    TempDir dir;
    dir.write("Proj/Forms/Main.FRM", "x");
    std::string base = dir.str();
    EXPECT_EQ(resolvePath("C:" + base + "\\proj\\FORMS\\main.frm"),
              dir.path() / "Proj/Forms/Main.FRM");
    EXPECT_EQ(resolvePath(base + "/Proj/forms/new.frm"), dir.path() / "Proj/Forms/new.frm");
    EXPECT_EQ(resolvePath(base + "\\none\\Main.frm"), dir.path() / "none/Main.frm");
    EXPECT_TRUE(fileExists(base + "\\PROJ\\forms\\MAIN.frm"));
    EXPECT_FALSE(fileExists(base + "\\PROJ"));
    EXPECT_TRUE(directoryExists(base + "\\PROJ"));
}

TEST(FileSystem, PathPieces)
{
    EXPECT_EQ(joinPath("C:\\VB", "a.frm"), "C:\\VB\\a.frm");
    EXPECT_EQ(joinPath("C:\\VB\\", "a.frm"), "C:\\VB\\a.frm");
    EXPECT_EQ(fileNamePart("C:\\VB\\a.frm"), "a.frm");
    EXPECT_EQ(fileNamePart("a.frm"), "a.frm");
    EXPECT_EQ(directoryPart("C:\\VB/x\\a.frm"), "C:\\VB/x");
    EXPECT_EQ(directoryPart("a.frm"), "");
}

TEST(FileSystem, WithExtensionReplacesOnlyTheFileNamesOwnExtension)
{
    const struct
    {
        const char *path;
        const char *extension;
        const char *expected;
    } cases[] = {
        {"C:\\VB\\Orders.frm", ".bk$", "C:\\VB\\Orders.bk$"},
        {"Orders.FRM", ".frx", "Orders.frx"},
        {"a.b.frm", ".bk$", "a.b.bk$"},                       // the last dot starts the extension
        {"C:\\my.app\\frmA", ".bk$", "C:\\my.app\\frmA.bk$"}, // a folder's dot is no extension
        {"my.app/frmA", ".frx", "my.app/frmA.frx"},
        {"frmA.", ".bx$", "frmA.bx$"},
        {"", ".bk$", ".bk$"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(withExtension(c.path, c.extension), c.expected) << c.path;
}

TEST(FileSystem, ReadWriteKeepBytesAndReplaceInOneStep)
{
    TempDir dir;
    std::string bytes("a\r\nb\0c\xff", 7);
    writeFile(dir.file("f.bin"), bytes);
    EXPECT_EQ(readFile(dir.file("F.BIN")), bytes);
    writeFile(dir.file("f.bin"), "new");
    EXPECT_EQ(readFile(dir.file("f.bin")), "new");
    // No temporary file is left behind.
    EXPECT_EQ(listFiles(dir.str(), "*"), std::vector<std::string>{"f.bin"});
    appendFile(dir.file("f.bin"), "+more");
    EXPECT_EQ(readFile(dir.file("f.bin")), "new+more");
}

TEST(FileSystem, FailuresCarryClassicNumbers)
{
    TempDir dir;
    EXPECT_EQ(errorOf([&] { readFile(dir.file("missing")); }), 53);
    EXPECT_EQ(errorOf([&] { deleteFile(dir.file("missing")); }), 53);
    EXPECT_EQ(errorOf([&] { writeFile(dir.file("no/such/dir/f"), "x"); }), 76);
    EXPECT_EQ(errorOf([&] { copyFile(dir.file("missing"), dir.file("t")); }), 53);
    dir.write("a", "1");
    dir.write("b", "2");
    EXPECT_EQ(errorOf([&] { renameFile(dir.file("a"), dir.file("b")); }), 58);
    replaceFile(dir.file("a"), dir.file("b"));
    EXPECT_EQ(readFile(dir.file("b")), "1");
    EXPECT_FALSE(fileExists(dir.file("a")));
}

TEST(FileSystem, WriteIntoReadOnlyDirectoryFailsAndKeepsTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only directories";
    TempDir dir;
    dir.write("keep.ini", "old");
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
    EXPECT_NE(errorOf([&] { writeFile(dir.file("keep.ini"), "new"); }), 0);
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(dir.read("keep.ini"), "old");
}

TEST(FileSystem, WildcardsMatchIgnoringCase)
{
    EXPECT_TRUE(matchesPattern("Main.FRM", "*.frm"));
    EXPECT_TRUE(matchesPattern("a.b.c", "*.c"));
    EXPECT_TRUE(matchesPattern("abc", "a?c"));
    EXPECT_FALSE(matchesPattern("abc", "a?"));
    EXPECT_TRUE(matchesPattern("", "*"));
    EXPECT_FALSE(matchesPattern("x.bas", "*.frm"));
    EXPECT_TRUE(matchesPattern(std::string(10000, 'a'), "*a*a*a*b*") == false);
    TempDir dir;
    dir.write("b.FRM", "");
    dir.write("a.frm", "");
    dir.write("c.bas", "");
    EXPECT_EQ(listFiles(dir.str(), "*.frm"), (std::vector<std::string>{"a.frm", "b.FRM"}));
    EXPECT_TRUE(listFiles(dir.file("missing"), "*").empty());
}

TEST(FileSystem, WindowsAndProgramDirectoriesFollowEnvironment)
{
    TempDir dir;
    {
        qm::test::ScopedEnv windir("WINDIR", dir.str() + "/");
        EXPECT_EQ(windowsDirectory(), dir.str());
    }
    {
        qm::test::ScopedEnv windir("WINDIR", "");
        qm::test::ScopedEnv home("XDG_CONFIG_HOME", dir.str());
        EXPECT_EQ(windowsDirectory(), dir.str() + "/quillmark/windows");
        EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "quillmark/windows"));
    }
    qm::test::ScopedEnv app("QM_APP_DIR", "/opt/qm");
    EXPECT_EQ(programDirectory(), "/opt/qm");
}
