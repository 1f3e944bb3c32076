#include "platform/Profile.h"

#include "platform/FileSystem.h"
#include "platform/VbError.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace qm::platform;
using qm::test::SandboxDirs;
using qm::test::TempDir;

TEST(Profile, LookupIgnoresCaseAndBlanksAndQuotes)
{
    const std::string ini = "[Configuration]\r\n"
                            "  Left = 2000 \r\n"
                            "Name=\"quoted value\"\r\n"
                            "[other]\nLeft=5\n";
    EXPECT_EQ(findProfileValue(ini, "CONFIGURATION", "left", "x"), "2000");
    EXPECT_EQ(findProfileValue(ini, "configuration", "NAME", "x"), "quoted value");
    EXPECT_EQ(findProfileValue(ini, "Other", "Left", "x"), "5");
    EXPECT_EQ(findProfileValue(ini, "Configuration", "Top", "dflt"), "dflt");
    EXPECT_EQ(findProfileValue(ini, "Missing", "Left", "dflt"), "dflt");
}

TEST(Profile, FirstMatchWinsAndKeysOutsideSectionsAreIgnored)
{
    const std::string ini = "Left=1\r\n[A]\r\nk=first\r\nk=second\r\n[A]\r\nk=third\r\n";
    EXPECT_EQ(findProfileValue(ini, "A", "k", ""), "first");
    EXPECT_EQ(findProfileValue(ini, "", "Left", "none"), "none");
}

TEST(Profile, RewriteReplacesAddsKeyOrAddsSection)
{
    const std::string ini = "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n";
    EXPECT_EQ(setProfileValue(ini, "a", "X", "9"), "[A]\r\nX=9\r\n\r\n[B]\r\ny=2\r\n");
    EXPECT_EQ(setProfileValue(ini, "A", "z", "3"), "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n");
    EXPECT_EQ(setProfileValue(ini, "B", "z", "3"), "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\nz=3\r\n");
    EXPECT_EQ(setProfileValue(ini, "C", "k", "v"), ini + "[C]\r\nk=v\r\n");
    EXPECT_EQ(setProfileValue("", "C", "k", "v"), "[C]\r\nk=v\r\n");
    // Lone LF line ends are written back as CR LF.
    EXPECT_EQ(setProfileValue("[A]\nx=1\n", "A", "x", "2"), "[A]\r\nx=2\r\n");
}

TEST(Profile, BufferSizeCutsTheValue)
{
    SandboxDirs dirs;
    dirs.windows.write("t.ini", "[S]\r\nk=" + std::string(300, 'v') + "\r\n");
    EXPECT_EQ(getPrivateProfileString("S", "k", "", 255, "t.ini").size(), 254u);
    EXPECT_EQ(getPrivateProfileString("S", "k", "", 4, "t.ini"), "vvv");
    EXPECT_EQ(getPrivateProfileString("S", "none", "default", 4, "t.ini"), "def");
    EXPECT_EQ(getPrivateProfileString("S", "k", "", 0, "t.ini"), "");
}

TEST(Profile, BareNameMeansTheWindowsDirectoryAndMissingFileGivesDefault)
{
    SandboxDirs dirs;
    EXPECT_EQ(getPrivateProfileString("Add-Ins32", "QM32.Connector", "NotFound", 255, "VB.INI"),
              "NotFound");
    writePrivateProfileString("Add-Ins32", "QM32.Connector", "1", "VB.INI");
    EXPECT_EQ(dirs.windows.read("VB.INI"), "[Add-Ins32]\r\nQM32.Connector=1\r\n");
    // The file layer finds "vb.ini" for "VB.INI" and the other way round.
    EXPECT_EQ(getPrivateProfileString("add-ins32", "qm32.connector", "", 255, "vb.ini"), "1");
}

TEST(Profile, WriteIntoMissingDirectoryThrowsAndCreatesNothing)
{
    TempDir dir;
    EXPECT_THROW(writePrivateProfileString("S", "k", "v", dir.file("nowhere/x.ini")), VbError);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "nowhere"));
}
