#include "shell/Connector.h"

#include "common/ProgramState.h"
#include "common/Settings.h"
#include "common/ToolRegistry.h"
#include "common/WindowNames.h"
#include "platform/Profile.h"
#include "platform/ScriptedUi.h"
#include "platform/WindowRegistry.h"
#include "tests/shell/FakeShellWindows.h"
#include "tests/support/TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace qm;
using qm::test::FakeHost;
using qm::test::FakeShellWindows;

namespace {

struct ConnectorTest : ::testing::Test
{
    test::SandboxDirs dirs;
    platform::ScriptedUi ui;
    platform::ScopedUi installed{ui};
    FakeHost host;
    FakeShellWindows windows{host.log};
    shell::Connector connector;

    void SetUp() override
    {
        common::programState() = common::ProgramState();
        common::settings() = common::ProgramSettings();
        shell::setShellWindows(&windows);
        ASSERT_EQ(shell::connectionCount(), 0);
    }
    void TearDown() override
    {
        while (shell::connectionCount() > 0)
            connector.DisconnectAddIn(0);
        shell::setShellWindows(nullptr);
    }

    void installSettings(const std::string &ini = {})
    {
        if (ini.empty())
            dirs.windows.write("quillmrk.ini", dirs.program.read("quillmrk.ini"));
        else
            dirs.windows.write("quillmrk.ini", ini);
    }
    std::vector<std::string> logFrom(size_t start) const
    {
        return {host.log.entries.begin() + static_cast<std::ptrdiff_t>(start),
                host.log.entries.end()};
    }
    std::string setting(const char *section, const char *key)
    {
        return platform::getPrivateProfileString(section, key, "?", 255, "quillmrk.ini");
    }
};

} // namespace

TEST_F(ConnectorTest, ConnectAddsTheSubmenuInTableOrderAndConnectsByCommandIndex)
{
    installSettings();
    connector.ConnectAddIn(host);
    ASSERT_NE(host.quillmarkMenu(), nullptr);
    EXPECT_EQ(host.quillmarkMenu()->captions(),
              (std::vector<std::string>{"Hot &Buttons", "&Refresh Project", "&MsgBox Designer",
                                        "&InputBox Designer", "Common&Dialog Designer",
                                        "Code &Finder", "&External Editor", "Icon Cli&pper",
                                        "&Select Help Topic", "&About Quillmark"}));
    std::vector<std::string> connects;
    for (const auto &entry : host.log.entries)
        if (entry.rfind("connect ", 0) == 0)
            connects.push_back(entry);
    EXPECT_EQ(connects,
              (std::vector<std::string>{"connect file control", "connect &MsgBox Designer",
                                        "connect &InputBox Designer",
                                        "connect Common&Dialog Designer", "connect Code &Finder",
                                        "connect &Refresh Project", "connect &External Editor",
                                        "connect Icon Cli&pper", "connect &About Quillmark",
                                        "connect &Select Help Topic", "connect Hot &Buttons"}));
    EXPECT_TRUE(common::programState().paletteLoaded);
    EXPECT_EQ(host.log.entries.front(), "show frmSplash");
    EXPECT_EQ(host.log.entries.back(), "unload frmSplash");
    EXPECT_EQ(common::settings().keys.PasteFromClipboard, "^v");
    EXPECT_EQ(common::programState().host, &host);
    EXPECT_TRUE(ui.callsOf("msgbox").empty());
}

TEST_F(ConnectorTest, ASecondHostIsRefusedAndItsDisconnectRemovesNothing)
{
    installSettings();
    connector.ConnectAddIn(host);
    FakeHost second;
    shell::Connector other;
    size_t before = host.log.entries.size();
    other.ConnectAddIn(second);
    EXPECT_EQ(shell::connectionCount(), 1);
    ASSERT_EQ(ui.callsOf("msgbox").size(), 1u);
    EXPECT_EQ(ui.callsOf("msgbox")[0].text, "Quillmark can only be used in one instance of VB.");
    EXPECT_EQ(ui.callsOf("msgbox")[0].title, "Already In Use");
    EXPECT_EQ(ui.callsOf("msgbox")[0].style, 64);
    EXPECT_TRUE(second.subMenus.empty());
    EXPECT_EQ(host.log.entries.size(), before);

    // The first host connecting again is refused the same way; its extra disconnect only counts.
    connector.ConnectAddIn(host);
    EXPECT_EQ(shell::connectionCount(), 1);
    connector.ConnectAddIn(host); // refused too
    EXPECT_EQ(shell::connectionCount(), 1);
    EXPECT_NE(host.quillmarkMenu(), nullptr);
}

TEST_F(ConnectorTest, DisconnectTearsDownInOrderAndSavesThePosition)
{
    installSettings();
    connector.ConnectAddIn(host);
    common::programState().setWindowOpen("frmMsgBox", true);
    common::programState().setWindowOpen("frmCMDDesigner", true);
    windows.left = -120;
    windows.top = 2000;
    size_t start = host.log.entries.size();
    connector.DisconnectAddIn(0);
    std::vector<std::string> teardown = logFrom(start);
    std::vector<std::string> expected = {"disconnect &MsgBox Designer",
                                         "disconnect &InputBox Designer",
                                         "disconnect Common&Dialog Designer",
                                         "disconnect Code &Finder",
                                         "disconnect Icon Cli&pper",
                                         "disconnect &External Editor",
                                         "disconnect &About Quillmark",
                                         "disconnect &Refresh Project",
                                         "disconnect &Select Help Topic",
                                         "disconnect Hot &Buttons",
                                         "disconnect file control",
                                         "remove submenu Quillmark",
                                         "unload frmCMDDesigner",
                                         "unload frmMsgBox",
                                         "unload frmTT",
                                         "unload frmTAB2"};
    EXPECT_EQ(teardown, expected);
    EXPECT_EQ(host.quillmarkMenu(), nullptr);
    EXPECT_TRUE(host.receivers.empty());
    EXPECT_EQ(setting("Configuration", "Left"), "00000");
    EXPECT_EQ(setting("Configuration", "Top"), "02000");
    EXPECT_FALSE(common::programState().paletteLoaded);
}

TEST_F(ConnectorTest, AMaximizedPaletteIsSavedWhereItsNormalWindowIs)
{
    installSettings();
    connector.ConnectAddIn(host);
    windows.maximized = true;
    windows.restoredLeft = 3000;
    windows.restoredTop = 450;
    connector.DisconnectAddIn(0);
    EXPECT_NE(std::find(host.log.entries.begin(), host.log.entries.end(), "restore frmTAB2"),
              host.log.entries.end());
    EXPECT_EQ(setting("Configuration", "Left"), "03000");
    EXPECT_EQ(setting("Configuration", "Top"), "00450");
}

TEST_F(ConnectorTest, AMissingSettingsFileIsCreatedAndTheDefaultsUsed)
{
    connector.ConnectAddIn(host);
    ASSERT_EQ(ui.callsOf("msgbox").size(), 1u);
    EXPECT_EQ(ui.callsOf("msgbox")[0].title, "Quillmark Initialized");
    EXPECT_EQ(common::settings().left, 2000);
    EXPECT_EQ(common::settings().tabSize, 3);
    EXPECT_NE(host.quillmarkMenu(), nullptr);
}

TEST_F(ConnectorTest, WithoutTemplateTheConnectionIsAbandonedBeforeAnyMenu)
{
    std::filesystem::remove(dirs.program.path() / "quillmrk.ini");
    connector.ConnectAddIn(host);
    EXPECT_EQ(host.quillmarkMenu(), nullptr);
    EXPECT_FALSE(windows.paletteShown);
    ASSERT_EQ(ui.callsOf("msgbox").size(), 1u);
    EXPECT_EQ(ui.callsOf("msgbox")[0].title, "Quillmark Initialization Error");
    EXPECT_EQ(shell::connectionCount(), 1); // the host's later disconnect lowers it
}

TEST_F(ConnectorTest, BadSettingsAreRecoveredKeepingTheOldFileBeside)
{
    const std::string bad =
        "[Configuration]\r\nLeft=99999\r\n[Programmer]\r\nProgrammerName=Ada\r\n";
    installSettings(bad);
    connector.ConnectAddIn(host);
    EXPECT_EQ(dirs.windows.read("quillmrk.in~"), bad);
    EXPECT_EQ(dirs.windows.read("quillmrk.ini"), dirs.program.read("quillmrk.ini"));
    ASSERT_EQ(ui.callsOf("msgbox").size(), 1u);
    EXPECT_EQ(ui.callsOf("msgbox")[0].title, "Quillmark Initialized");
    EXPECT_NE(
        ui.callsOf("msgbox")[0].text.find("Your previous settings were kept in quillmrk.in~."),
        std::string::npos);
    EXPECT_EQ(common::settings().left, 2000);
    EXPECT_EQ(common::settings().top, 0);
    ASSERT_NE(host.quillmarkMenu(), nullptr);
    EXPECT_EQ(host.quillmarkMenu()->count(), 10);
    EXPECT_TRUE(windows.paletteShown);
}

TEST_F(ConnectorTest, MenuCommandsOpenTheirWindowsAndRecordTheHost)
{
    // The editor and the icon clipper register what their commands record, as their folders do.
    common::ToolWindow editor(common::window::Editor, {});
    editor.onlyWhenClosed = true;
    common::ToolWindow clipper(common::window::ImageClip, {});
    clipper.recording = common::HostRecording::ProjectOnly;
    common::toolRegistry().add({.windows = {editor, clipper}, .pages = {}});
    installSettings();
    connector.ConnectAddIn(host);
    platform::windowRegistry().clear();
    platform::windowRegistry().add("Sample - Microsoft Visual Basic [design]", "ThunderMain");
    common::programState().currentProjectFileName.clear();
    size_t start = host.log.entries.size();
    host.quillmarkMenu()->line("&MsgBox Designer").click();
    host.quillmarkMenu()->line("&About Quillmark").click();
    common::programState().setWindowOpen("frmEdit32", true);
    host.quillmarkMenu()->line("&External Editor").click(); // already open: nothing
    host.quillmarkMenu()->line("Icon Cli&pper").click();
    EXPECT_EQ(logFrom(start),
              (std::vector<std::string>{"show frmMsgBox", "show frmAbout", "show frmImageClip"}));
    EXPECT_EQ(common::programState().hostCaption, "Sample - Microsoft Visual Basic [design]");
    EXPECT_EQ(common::programState().currentProjectFileName, "C:\\VB\\Sample.vbp");
    platform::windowRegistry().clear();
    common::toolRegistry().clear();
}

TEST_F(ConnectorTest, HotButtonsClosesAndReopensThePalette)
{
    installSettings();
    connector.ConnectAddIn(host);
    size_t start = host.log.entries.size();
    host.quillmarkMenu()->line("Hot &Buttons").click();
    EXPECT_FALSE(common::programState().paletteLoaded);
    host.quillmarkMenu()->line("Hot &Buttons").click();
    EXPECT_TRUE(common::programState().paletteLoaded);
    EXPECT_EQ(logFrom(start), (std::vector<std::string>{"unload frmTT", "unload frmTAB2",
                                                        "show frmTAB2", "load frmTT"}));
}

TEST_F(ConnectorTest, RefreshAsksFirstAndSaysWhenThereIsNoSavedProject)
{
    installSettings();
    connector.ConnectAddIn(host);
    ui.queueMsgBoxAnswer(platform::mb::Cancel);
    host.quillmarkMenu()->line("&Refresh Project").click();
    EXPECT_EQ(host.reloads, 0);
    host.quillmarkMenu()->line("&Refresh Project").click(); // default answer: OK
    EXPECT_EQ(host.reloads, 1);
    host.canReload = false;
    host.quillmarkMenu()->line("&Refresh Project").click();
    auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].title, "Confirm Refresh");
    EXPECT_EQ(boxes[0].style, 33);
    EXPECT_EQ(boxes[0].text,
              "Refreshing your Project will lose any changes\nmade to any Form or Code "
              "Module since you\nlast saved your Project.  Are you sure you want\nto "
              "proceed with the Refresh?");
    EXPECT_EQ(boxes[3].title, "Refresh Error");
    EXPECT_EQ(boxes[3].style, 16);
    EXPECT_EQ(boxes[3].text,
              "You do not have a valid Project Name, probably\nbecause you have never "
              "saved a 'New' Project.\nIn any case, we can't Refresh the Project!");
}

TEST_F(ConnectorTest, TheSpyCapturesWrittenFilesButNotFrx)
{
    installSettings();
    connector.ConnectAddIn(host);
    ASSERT_EQ(host.receivers.size(), 1u);
    host::FileControlEvents *spy = host.receivers.begin()->second;
    spy->AfterWriteFile("C:\\VB\\Form1.frm", true);
    spy->AfterWriteFile("C:\\VB\\Form1.FRX", true);
    EXPECT_EQ(common::programState().capturedFileName, "C:\\VB\\Form1.frm");
    std::string name = "C:\\VB\\Other.vbp";
    bool cancel = false;
    spy->DoGetOpenProjectName(name, cancel);
    EXPECT_EQ(common::programState().currentProjectFileName, "C:\\VB\\Other.vbp");
}

TEST_F(ConnectorTest, TheHostCreatesTheConnectorByItsProgramId)
{
    shell::registerConnectorClass();
    auto addIn = host::createAddIn("qm32.connector");
    ASSERT_NE(addIn, nullptr);
    EXPECT_EQ(host::createAddIn("Other.Connect"), nullptr);
}
