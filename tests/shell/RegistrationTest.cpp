#include "shell/Registration.h"

#include "common/Settings.h"
#include "platform/ScriptedUi.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

using qm::platform::ScopedUi;
using qm::platform::ScriptedUi;

namespace {
struct Registration : ::testing::Test
{
    qm::test::SandboxDirs dirs;
    ScriptedUi ui;
    ScopedUi installed{ui};
};
} // namespace

TEST_F(Registration, FirstStartInstallsSettingsAndRegistersOnce)
{
    qm::shell::RegisterAddIn();
    EXPECT_EQ(dirs.windows.read("quillmrk.ini"), dirs.program.read("quillmrk.ini"));
    EXPECT_EQ(dirs.windows.read("VB.INI"), "[Add-Ins32]\r\nQM32.Connector=1\r\n");
    ASSERT_EQ(ui.callsOf("msgbox").size(), 1u);
    EXPECT_EQ(ui.callsOf("msgbox")[0].title, "Quillmark Initialized");

    qm::shell::RegisterAddIn();
    EXPECT_EQ(dirs.windows.read("VB.INI"), "[Add-Ins32]\r\nQM32.Connector=1\r\n");
    EXPECT_EQ(ui.callsOf("msgbox").size(), 1u); // the settings file exists: nothing to say
}

TEST_F(Registration, AnExistingEntryOfAnyValueIsLeftAlone)
{
    const std::string vbIni =
        "[Add-Ins32]\r\nOther.Connect=1\r\nqm32.connector=0\r\n[Other]\r\nx=y\r\n";
    dirs.windows.write("vb.ini", vbIni);
    qm::shell::RegisterAddIn();
    EXPECT_EQ(dirs.windows.read("vb.ini"), vbIni);
}

TEST_F(Registration, OtherAddInsKeepTheirLines)
{
    dirs.windows.write("VB.INI", "[Add-Ins32]\r\nOther.Connect=1\r\n");
    qm::shell::RegisterAddIn();
    EXPECT_EQ(dirs.windows.read("VB.INI"),
              "[Add-Ins32]\r\nOther.Connect=1\r\nQM32.Connector=1\r\n");
}

TEST_F(Registration, MissingTemplateStopsBeforeRegistering)
{
    std::filesystem::remove(dirs.program.path() / "quillmrk.ini");
    qm::shell::RegisterAddIn();
    EXPECT_FALSE(std::filesystem::exists(dirs.windows.path() / "VB.INI"));
    ASSERT_EQ(ui.callsOf("msgbox").size(), 1u);
    EXPECT_EQ(ui.callsOf("msgbox")[0].title, "Quillmark Initialization Error");
}

TEST_F(Registration, MissingWindowsDirectoryIsReportedNotCrashed)
{
    qm::test::ScopedEnv windir("WINDIR", dirs.windows.file("gone/windows"));
    qm::shell::RegisterAddIn();
    ASSERT_EQ(ui.callsOf("msgbox").size(), 1u);
    EXPECT_EQ(ui.callsOf("msgbox")[0].title, "Quillmark Initialization Error");
    EXPECT_EQ(qm::common::GetIniSetting("Configuration", "Left"), "");
}
