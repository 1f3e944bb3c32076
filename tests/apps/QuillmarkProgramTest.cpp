// The quillmark program as a user runs it in a terminal: help, the registration, and the
// messages that name the paths when the set-up cannot be done.
#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using qm::test::ProgramRun;
using qm::test::runCommand;
using qm::test::TempDir;

// Runs quillmark offscreen (its messages printed) with its own Windows and program directories.
ProgramRun
runQuillmark(const std::string &windir, const std::string &appDir, const std::string &args = {})
{
    return runCommand("env QT_QPA_PLATFORM=offscreen WINDIR='" + windir + "' QM_APP_DIR='" +
                      appDir + "' " + QUILLMARK_PROGRAM + " " + args + " < /dev/null 2>&1");
}

struct Dirs
{
    Dirs() { program.write("quillmrk.ini", "[Programmer]\r\nProgrammerName=Your Name\r\n"); }
    TempDir root;
    TempDir program;
    std::string windows() const { return root.file("not/yet/windows"); }
};

} // namespace

TEST(QuillmarkProgram, HelpSaysWhatItDoesAndTouchesNothing)
{
    Dirs dirs;
    ProgramRun help = runQuillmark(dirs.windows(), dirs.program.str(), "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: quillmark", 0), 0u);
    EXPECT_NE(help.out.find("VB.INI"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dirs.windows()));
    EXPECT_EQ(runQuillmark(dirs.windows(), dirs.program.str(), "--bogus").status, 2);
}

TEST(QuillmarkProgram, RegistersIntoAWindowsDirectoryItCreates)
{
    Dirs dirs;
    ProgramRun first = runQuillmark(dirs.windows(), dirs.program.str());
    EXPECT_EQ(first.status, 0) << first.out;
    EXPECT_NE(first.out.find("Quillmark Initialized: "), std::string::npos) << first.out;
    EXPECT_TRUE(std::filesystem::exists(dirs.windows() + "/quillmrk.ini"));
    EXPECT_EQ(dirs.root.read("not/yet/windows/VB.INI"), "[Add-Ins32]\r\nQM32.Connector=1\r\n");

    ProgramRun again = runQuillmark(dirs.windows(), dirs.program.str());
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, "");
}

TEST(QuillmarkProgram, MissingTemplateIsBlamedOnItsOwnPath)
{
    Dirs dirs;
    TempDir empty;
    ProgramRun r = runQuillmark(dirs.windows(), empty.str());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("Quillmark Initialization Error: "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(empty.str() + "\\quillmrk.ini"), std::string::npos) << r.out;
    EXPECT_FALSE(std::filesystem::exists(dirs.windows() + "/VB.INI"));
}

TEST(QuillmarkProgram, SwitchedOffRegistrationIsKeptAndExplained)
{
    Dirs dirs;
    std::filesystem::create_directories(dirs.windows());
    dirs.root.write("not/yet/windows/VB.INI", "[Add-Ins32]\r\nQM32.Connector=0\r\n");
    ProgramRun r = runQuillmark(dirs.windows(), dirs.program.str());
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("registered with Visual Basic but switched off"), std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("will now load automatically"), std::string::npos);
    EXPECT_EQ(dirs.root.read("not/yet/windows/VB.INI"), "[Add-Ins32]\r\nQM32.Connector=0\r\n");
    EXPECT_TRUE(std::filesystem::exists(dirs.windows() + "/quillmrk.ini"));
}
