#include "common/Settings.h"

#include "platform/ScriptedUi.h"
#include "platform/VbError.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace qm::common;
using qm::platform::ScopedUi;
using qm::platform::ScriptedUi;
using qm::test::SandboxDirs;

namespace {

struct SettingsFile : ::testing::Test
{
    SandboxDirs dirs;
    ScriptedUi ui;
    ScopedUi installed{ui};

    void writeIni(const std::string &bytes) { dirs.windows.write("quillmrk.ini", bytes); }
    std::string ini() const { return dirs.windows.read("quillmrk.ini"); }
};

} // namespace

TEST_F(SettingsFile, GetIniSettingCutsAtBufferAndNul)
{
    writeIni("[S]\r\nlong=" + std::string(300, 'x') + "\r\nnul=ab" + std::string(1, '\0') +
             "cd\r\n[Configuration]\r\nLeft=2000\r\n");
    EXPECT_EQ(GetIniSetting("S", "long"), std::string(254, 'x'));
    EXPECT_EQ(GetIniSetting("S", "nul"), "ab");
    EXPECT_EQ(GetIniSetting("configuration", "LEFT"), "2000");
    EXPECT_EQ(GetIniSetting("S", "absent"), "");
}

TEST_F(SettingsFile, UpdateReplacesEveryLeftAndTopLine)
{
    writeIni("[Configuration]\r\nLeft=100\r\nTop=200\r\nTabSize=3\r\n"
             "[Other]\r\nPaletteLeft=5\nmy left=x\r\nxTOP=1\r\nLeft=1 Top=2\r\nkeep=me\r\n");
    UpdateIniFile("Configuration", "Left", positionText(2000), positionText(-120));
    EXPECT_EQ(ini(),
              "[Configuration]\r\nLeft=02000\r\nTop=00000\r\nTabSize=3\r\n"
              "[Other]\r\nLeft=02000\r\nLeft=02000\r\nTop=00000\r\nLeft=02000\r\nkeep=me\r\n");
    EXPECT_FALSE(std::filesystem::exists(dirs.windows.path() / "quillmrk.inb"));
    EXPECT_TRUE(ui.callsOf("msgbox").empty());
}

TEST_F(SettingsFile, PositionTextIsFiveDigitsOrZeros)
{
    EXPECT_EQ(positionText(2000), "02000");
    EXPECT_EQ(positionText(-120), "00000");
    EXPECT_EQ(positionText(0), "00000");
    EXPECT_EQ(positionText(32767), "32767");
}

TEST_F(SettingsFile, UpdateWithoutSettingsFileSaysSoAndCreatesNothing)
{
    UpdateIniFile("Configuration", "Left", "00001", "00002");
    auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "cant open quillmrk.ini");
    EXPECT_EQ(boxes[0].title, "");
    EXPECT_EQ(boxes[0].style, 0);
    EXPECT_FALSE(std::filesystem::exists(dirs.windows.path() / "quillmrk.ini"));
}

TEST_F(SettingsFile, UpdateThatCannotWriteKeepsTheOldFile)
{
    writeIni("[Configuration]\r\nLeft=100\r\n");
    // A directory where the temporary file should go: it can be neither deleted nor replaced.
    std::filesystem::create_directory(dirs.windows.path() / "quillmrk.inb");
    std::filesystem::create_directory(dirs.windows.path() / "quillmrk.inb" / "x");
    UpdateIniFile("Configuration", "Left", "00001", "00002");
    auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "cant open quillmrk.inb");
    EXPECT_EQ(ini(), "[Configuration]\r\nLeft=100\r\n");
}

TEST_F(SettingsFile, InitializeCopiesTheTemplateAndSaysSo)
{
    writeIni("old");
    EXPECT_TRUE(InitializeIniFile());
    EXPECT_EQ(ini(), dirs.program.read("quillmrk.ini"));
    auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Quillmark Initialized");
    EXPECT_EQ(boxes[0].style, 64);
    EXPECT_EQ(boxes[0].text, "Quillmark has successfully written it's INI\n"
                             "file and registered itself with Visual Basic.  \n"
                             "Quillmark will now load automatically when\n"
                             "you execute Visual Basic.");
}

TEST_F(SettingsFile, InitializeWithoutTemplateFailsAndKeepsWhatWasThere)
{
    std::filesystem::remove(dirs.program.path() / "quillmrk.ini");
    writeIni("[Programmer]\r\nProgrammerName=Ada\r\n");
    EXPECT_FALSE(InitializeIniFile());
    auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Quillmark Initialization Error");
    EXPECT_EQ(boxes[0].style, 16);
    EXPECT_EQ(boxes[0].text, "Quillmark can't write it's INI file to your\n"
                             "Windows Directory.  Please clear up the \n"
                             "problem and reexecute Quillmark.");
    EXPECT_EQ(ini(), "[Programmer]\r\nProgrammerName=Ada\r\n");
}

TEST_F(SettingsFile, TemplateGivesTheStandInHostsKeystrokes)
{
    ASSERT_TRUE(InitializeIniFile());
    ProgramSettings s;
    readNames(s);
    readConfiguration(s);
    readKeystrokesAndKeywords(s);
    EXPECT_EQ(s.left, 2000);
    EXPECT_EQ(s.top, 1500); // below the host's main window
    EXPECT_EQ(s.tabSize, 3);
    EXPECT_EQ(s.keys.VBDesignName, "[design]");
    EXPECT_EQ(s.keys.VBBreakName, "[break]");
    EXPECT_EQ(s.keys.CopyToClipboard, "^c");
    EXPECT_EQ(s.keys.CutToClipboard, "^x");
    EXPECT_EQ(s.keys.PasteFromClipboard, "^v");
    EXPECT_EQ(s.keys.FileSave, "^s");
    EXPECT_EQ(s.keys.FilePrint, "^p");
    EXPECT_EQ(s.keys.ViewProject, "^r");
    EXPECT_EQ(s.keys.EditFind, "^f");
    EXPECT_EQ(s.keys.ViewCode, "{F7}");
    EXPECT_EQ(s.keys.ViewForm, "+{F7}");
    EXPECT_EQ(s.keys.LastProcedure, "^+{F2}");
    EXPECT_EQ(s.keys.CloseWindows, "^{F4}");
    EXPECT_FALSE(s.keys.FileRemove.empty());
    EXPECT_FALSE(s.keys.ViewToolbox.empty());
    EXPECT_EQ(s.keywords.DateCreated, "Date Created");
    EXPECT_EQ(s.keywords.Copyright, "Copyright");
    EXPECT_EQ(s.programmer(), "Your Name");
}

TEST_F(SettingsFile, FileWithoutConfigurationGivesZeros)
{
    writeIni("\x01\x02 binary \xff\r\n" + std::string(10000, 'z') + "\r\n");
    ProgramSettings s;
    readConfiguration(s);
    EXPECT_EQ(s.left, 0);
    EXPECT_EQ(s.top, 0);
    EXPECT_EQ(s.tabSize, 0);
}

TEST_F(SettingsFile, OutOfRangePositionOverflows)
{
    writeIni("[Configuration]\r\nLeft=99999\r\n");
    ProgramSettings s;
    try {
        readConfiguration(s);
        FAIL();
    } catch (const qm::platform::VbError &e) {
        EXPECT_EQ(e.number, 6);
    }
    applyDefaultConfiguration(s);
    EXPECT_EQ(s.left, 2000);
    EXPECT_EQ(s.tabSize, 3);
}

TEST_F(SettingsFile, NamesAreThirtyCharacterFields)
{
    EXPECT_EQ(fixedWidthName("Ada"), "Ada" + std::string(27, ' '));
    EXPECT_EQ(fixedWidthName(std::string(40, 'n')), std::string(30, 'n'));
    writeIni("[Programmer]\r\nProgrammerName=  Grace Hopper\r\n");
    ProgramSettings s;
    readNames(s);
    EXPECT_EQ(s.programmerName.size(), 30u);
    EXPECT_EQ(s.programmer(), "Grace Hopper");
    EXPECT_EQ(s.company(), "Your Company");

    storeNames("A very long programmer name that does not fit", "ACME");
    EXPECT_EQ(settings().programmer(), "A very long programmer name th");
    EXPECT_EQ(GetIniSetting("Programmer", "ProgrammerName"), "A very long programmer name th");
    EXPECT_EQ(GetIniSetting("Programmer", "CompanyName"), "ACME");
}
