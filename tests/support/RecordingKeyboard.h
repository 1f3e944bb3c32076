// What the keystrokes of the add-in reach in tests: a keyboard target that records each
// activation as "activate CAPTION" and each run of keys as "KEYS", with " wait" when they were
// sent with waiting. One caption may be made the only window there is.
#pragma once

#include "platform/UiRuntime.h"
#include "platform/VbError.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::test {

struct RecordingKeyboard : platform::KeyboardTarget
{
    void activate(std::string_view caption) override
    {
        if (onlyWindow && caption != *onlyWindow)
            throw platform::VbError(platform::err::InvalidProcedureCall);
        log.push_back("activate " + std::string(caption));
        clipboardAtActivation = platform::ui().clipboardText();
    }
    void sendKeys(std::string_view keys, bool wait) override
    {
        log.push_back(std::string(keys) + (wait ? " wait" : ""));
    }

    /// The keys sent, without the activations.
    std::vector<std::string> keys() const { return entries(false); }
    /// The captions activated, in order.
    std::vector<std::string> activations() const
    {
        std::vector<std::string> captions;
        for (const std::string &entry : entries(true))
            captions.push_back(entry.substr(kActivate.size()));
        return captions;
    }

    std::vector<std::string> log;
    /// When set, activating any other caption fails as a missing window does.
    std::optional<std::string> onlyWindow;
    /// What the clipboard held when the host was last activated.
    std::string clipboardAtActivation;

private:
    static constexpr std::string_view kActivate = "activate ";
    std::vector<std::string> entries(bool activations) const
    {
        std::vector<std::string> found;
        for (const std::string &entry : log)
            if ((entry.rfind(kActivate, 0) == 0) == activations)
                found.push_back(entry);
        return found;
    }
};

} // namespace qm::test
