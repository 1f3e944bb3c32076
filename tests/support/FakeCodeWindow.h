// A code window for tests of the add-in's host commands: its selection is a text, the copy
// keystroke puts it on the clipboard, the paste keystroke replaces it, and the save keystroke
// writes the active form's file. It records what it is sent, and a fixture gives the program the
// settings and the host main window such commands need.
#pragma once

#include "common/ProgramState.h"
#include "common/Settings.h"
#include "platform/ScriptedUi.h"
#include "platform/VbError.h"
#include "platform/WindowRegistry.h"
#include "tests/support/RecordingKeyboard.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace qm::test {

inline constexpr const char *kHostCaption = "Sample - Microsoft Visual Basic [design]";

struct FakeCodeWindow : RecordingKeyboard
{
    explicit FakeCodeWindow(platform::ScriptedUi &runtime)
        : ui(runtime)
    {}

    void sendKeys(std::string_view keys, bool wait) override
    {
        RecordingKeyboard::sendKeys(keys, wait);
        if (keys == "^c")
            ui.clipboardSetText(selection);
        if (keys == "^v") {
            if (failPaste)
                throw platform::VbError(platform::err::InvalidProcedureCall);
            selection = ui.clipboardText();
            ++pastes;
        }
        if (keys == "^s" && !activeFormFile.empty())
            common::programState().capturedFileName = activeFormFile;
    }

    platform::ScriptedUi &ui;
    std::string selection;
    bool failPaste = false;
    int pastes = 0;
    /// The file the host saves for its active form, named to the add-in as the host's file
    /// notification names it; empty when the host saves nothing.
    std::string activeFormFile;
};

/// The scripted runtime, a fake code window behind the host's main window, the programmer "dev",
/// today 8 December 2026 with "/" between its parts, and the template's keystrokes.
struct HostCommandTest : ::testing::Test
{
    ScopedEnv today{"QM_TODAY", "2026-12-08"};
    ScopedEnv separator{"QM_DATE_SEPARATOR", "/"};
    platform::ScriptedUi ui;
    platform::ScopedUi installed{ui};
    FakeCodeWindow host{ui};

    void SetUp() override
    {
        ui.setKeyboardTarget(&host);
        common::programState() = common::ProgramState();
        common::settings() = common::ProgramSettings();
        common::settings().programmerName = common::fixedWidthName("dev");
        using Keys = common::KeystrokeSettings;
        const std::pair<std::string Keys::*, const char *> keystrokes[] = {
            {&Keys::VBDesignName, "[design]"}, {&Keys::VBBreakName, "[break]"},
            {&Keys::CopyToClipboard, "^c"},    {&Keys::PasteFromClipboard, "^v"},
            {&Keys::FilePrint, "^p"},          {&Keys::ViewToolbox, "^t"},
            {&Keys::EditFind, "^f"},           {&Keys::ViewProject, "^r"},
            {&Keys::CloseWindows, "^{F4}"},    {&Keys::FileSave, "^s"},
            {&Keys::FileRemove, "^{DEL}"},     {&Keys::ViewForm, "+{F7}"},
        };
        for (const auto &[field, keys] : keystrokes)
            common::settings().keys.*field = keys;
        platform::windowRegistry().clear();
        platform::windowRegistry().add(kHostCaption, "ThunderMain");
    }
    void TearDown() override { platform::windowRegistry().clear(); }
};

} // namespace qm::test
