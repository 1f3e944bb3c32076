// The message boxes a test's scripted runtime showed, one line each, so that a test compares
// everything the programmer was told at once.
#pragma once

#include "platform/ScriptedUi.h"

#include <string>
#include <vector>

namespace qm::test {

/// "Title: text (style)" for each message box shown, oldest first.
inline std::vector<std::string> shownMessages(const platform::ScriptedUi &ui)
{
    std::vector<std::string> shown;
    for (const platform::UiCall &call : ui.callsOf("msgbox"))
        shown.push_back(call.title + ": " + call.text + " (" + std::to_string(call.style) + ")");
    return shown;
}

} // namespace qm::test
