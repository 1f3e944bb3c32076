// Add-ins from VB.INI: connected at start, their menu commands run, disconnected at close, and
// a failing add-in leaves the host running.
#include "ide/ui/AddIns.h"

#include "host/AddIn.h"
#include "host/Host.h"
#include "ide/Ide.h"
#include "ide/ui/HostUi.h"
#include "ide/ui/MainWindow.h"
#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "platform/ScriptedUi.h"
#include "tests/support/TempDir.h"

#include <QAction>
#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace qm;

namespace {

struct Log
{
    std::vector<std::string> calls;
    int clicks = 0;
};
Log g_log;

class TestCommand final : public host::MenuCommand
{
public:
    void AfterClick() override { ++g_log.clicks; }
};

class GoodAddIn final : public host::AddIn
{
public:
    void ConnectAddIn(host::Host &host) override
    {
        g_log.calls.push_back("connect");
        m_host = &host;
        m_menu = host.addInMenu().addSubMenu("Test Tools");
        m_line = m_menu->addMenuItem("&Run Test");
        m_id = m_line->connectEvents(m_command);
    }
    void DisconnectAddIn(int mode) override
    {
        g_log.calls.push_back("disconnect " + std::to_string(mode));
        m_line->disconnectEvents(m_id);
        m_host->addInMenu().removeSubMenu(*m_menu);
    }

private:
    host::Host *m_host = nullptr;
    std::shared_ptr<host::SubMenu> m_menu;
    std::shared_ptr<host::MenuLine> m_line;
    host::ConnectionId m_id = 0;
    TestCommand m_command;
};

class FailingAddIn final : public host::AddIn
{
public:
    void ConnectAddIn(host::Host &host) override
    {
        // Half connected when it fails: its command must stay safe to click.
        auto menu = host.addInMenu().addSubMenu("Broken Tools");
        menu->addMenuItem("Crash")->connectEvents(m_command);
        throw std::runtime_error("no licence");
    }
    void DisconnectAddIn(int) override { g_log.calls.push_back("broken disconnect"); }

private:
    TestCommand m_command;
};

struct UiAddIns : ::testing::Test
{
    test::SandboxDirs dirs;
    platform::ScriptedUi ui;
    platform::ScopedUi installed{ui};

    void SetUp() override
    {
        g_log = {};
        host::registerAddInClass("Test.Good", [] { return std::make_unique<GoodAddIn>(); });
        host::registerAddInClass("Test.Failing", [] { return std::make_unique<FailingAddIn>(); });
    }
    void writeIni(std::string_view text) { dirs.windows.write("VB.INI", text); }
};

TEST(UiAddInSection, ReadsTheAddInsOfItsSectionOnly)
{
    const auto entries = ide::parseAddInSection(
        "[Add-Ins16]\r\nOld.One=1\r\n[add-ins32]\r\n; a comment\r\nTest.Good = 1 \r\n"
        "no equals sign\r\nTest.Off=0\nTEST.GOOD=0\r\n\tTabbed.One=1\r[Other]\r\nAfter=1\r\n");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].programId, "Test.Good");
    EXPECT_EQ(entries[0].value, "1"); // the first listing of a key wins
    EXPECT_EQ(entries[1].programId, "Test.Off");
    EXPECT_EQ(entries[1].value, "0");
    EXPECT_EQ(entries[2].programId, "Tabbed.One");
    EXPECT_TRUE(ide::parseAddInSection("").empty());
    EXPECT_TRUE(ide::parseAddInSection("[Add-Ins32").empty());
}

TEST_F(UiAddIns, ConnectsAtStartRunsItsMenuAndDisconnectsAtClose)
{
    writeIni("[Add-Ins32]\r\nTest.Good=1\r\nTest.Failing=0\r\nUnknown.AddIn=0\r\n");
    ide::Ide model;
    ide::HostUi host(model);
    host.addIns().connectRegistered();
    EXPECT_EQ(g_log.calls, std::vector<std::string>{"connect"});
    EXPECT_TRUE(host.addIns().isConnected("test.good"));
    EXPECT_FALSE(host.addIns().isConnected("Test.Failing"));
    EXPECT_TRUE(ui.callsOf("msgbox").empty());

    QAction *run = host.mainWindow().findAction({"Add-Ins", "Test Tools", "Run Test"});
    ASSERT_NE(run, nullptr);
    run->trigger();
    run->trigger();
    EXPECT_EQ(g_log.clicks, 2);

    ASSERT_TRUE(host.prepareClose(false));
    EXPECT_EQ(g_log.calls, (std::vector<std::string>{"connect", "disconnect 0"}));
    EXPECT_FALSE(host.addIns().isConnected("Test.Good"));
    EXPECT_EQ(host.mainWindow().findAction({"Add-Ins", "Test Tools", "Run Test"}), nullptr);
    // Connections made at start are not written back.
    EXPECT_EQ(platform::getPrivateProfileString("Add-Ins32", "Test.Good", "", 255, "VB.INI"), "1");
}

TEST_F(UiAddIns, TheAddInsMenuConnectsAndDisconnectsAndRemembersIt)
{
    writeIni("[Add-Ins32]\r\nTest.Good=0\r\n");
    ide::Ide model;
    ide::HostUi host(model);
    host.addIns().connectRegistered();
    EXPECT_TRUE(g_log.calls.empty());
    QAction *entry = host.mainWindow().findAction({"Add-Ins", "Test.Good"});
    ASSERT_NE(entry, nullptr);
    EXPECT_FALSE(entry->isChecked());
    entry->trigger(); // the change runs once the menu has closed
    QCoreApplication::processEvents();
    EXPECT_TRUE(host.addIns().isConnected("Test.Good"));
    EXPECT_EQ(platform::getPrivateProfileString("Add-Ins32", "Test.Good", "", 255, "VB.INI"), "1");
    host.mainWindow().findAction({"Add-Ins", "Test.Good"})->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(g_log.calls, (std::vector<std::string>{"connect", "disconnect 1"}));
    EXPECT_EQ(platform::getPrivateProfileString("Add-Ins32", "Test.Good", "", 255, "VB.INI"), "0");
}

TEST_F(UiAddIns, AFailingConnectionIsToldAndTheHostGoesOn)
{
    writeIni("[Add-Ins32]\r\nTest.Failing=1\r\nNot.Registered=1\r\nTest.Good=1\r\n");
    ide::Ide model;
    ide::HostUi host(model);
    host.addIns().connectRegistered();
    const auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_NE(boxes[0].text.find("'Test.Failing' could not be connected: no licence"),
              std::string::npos);
    EXPECT_NE(boxes[1].text.find("'Not.Registered' is not registered"), std::string::npos);
    EXPECT_FALSE(host.addIns().isConnected("Test.Failing"));
    EXPECT_TRUE(host.addIns().isConnected("Test.Good"));
    // What the failed add-in left in the menu still runs into a live object.
    QAction *left = host.mainWindow().findAction({"Add-Ins", "Broken Tools", "Crash"});
    ASSERT_NE(left, nullptr);
    left->trigger();
    EXPECT_EQ(g_log.clicks, 1);
    host.prepareClose(false);
    // A failed add-in is never told to disconnect: it never connected.
    EXPECT_EQ(g_log.calls, (std::vector<std::string>{"connect", "disconnect 0"}));
}

TEST_F(UiAddIns, AMissingOrUnreadableIniListsNothing)
{
    ide::Ide model;
    ide::HostUi host(model);
    host.addIns().connectRegistered();
    EXPECT_TRUE(host.addIns().entries().empty());
    EXPECT_TRUE(ui.callsOf("msgbox").empty());
}

} // namespace
