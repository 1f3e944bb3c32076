// The fixture of the cleanup and change-report tests: a host that saves and removes forms, the
// scripted runtime, and program and work folders of their own.
#pragma once

#include "common/ProgramState.h"
#include "common/Settings.h"
#include "host/Host.h"
#include "tests/support/FakeCodeWindow.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qm::test {

// The host of one project: its save key reports the active form's file as written (unless it
// is told to stay silent), its remove key takes the form out of the project.
struct FormHost : host::Host, FakeCodeWindow
{
    explicit FormHost(platform::ScriptedUi &runtime)
        : FakeCodeWindow(runtime)
    {}

    host::AddInMenu &addInMenu() override { throw platform::VbError(91); }
    host::ConnectionId connectFileControl(host::FileControlEvents &) override { return 1; }
    void disconnectFileControl(host::ConnectionId) override {}
    std::string activeProjectFileName() const override { return project; }
    void addFileToProject(std::string_view path) override { added.push_back(std::string(path)); }
    void insertFileIntoActiveForm(std::string_view) override {}
    host::ControlList selectedControls() override { return {}; }
    void reloadActiveProject() override {}
    std::string activeComponentFileName() const override { return activeFile; }

    void sendKeys(std::string_view keys, bool wait) override
    {
        FakeCodeWindow::sendKeys(keys, wait);
        if (keys == "^s" && !silentSave)
            common::programState().capturedFileName = activeFile;
    }

    std::string project;
    std::string activeFile;
    std::vector<std::string> added;
    bool silentSave = false;
};

struct CleanupGlue : HostCommandTest
{
    SandboxDirs dirs;
    TempDir work;
    FormHost formHost{ui};

    void SetUp() override
    {
        HostCommandTest::SetUp();
        ui.setKeyboardTarget(&formHost);
        common::programState().host = &formHost;
        common::settings().keys.FileSave = "^s";
        common::settings().keys.FileRemove = "^{DEL}";
    }
    void TearDown() override
    {
        common::programState().host = nullptr;
        HostCommandTest::TearDown();
    }
    std::vector<platform::UiCall> messages() const { return ui.callsOf("msgbox"); }
};

} // namespace qm::test
