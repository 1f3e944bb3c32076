// How AppActivate and SendKeys reach the stand-in IDE: activation by caption in the window
// registry, and the parsed keys delivered to the IDE's key window.
#pragma once

#include "platform/UiRuntime.h"

namespace qm::ide {

class Ide;

class IdeKeyboard final : public platform::KeyboardTarget
{
public:
    explicit IdeKeyboard(Ide &ide)
        : m_ide(ide)
    {}
    /// Activates the registry window of the caption (equal, else starting with it; letter
    /// case ignored); VbError 5 when there is none.
    void activate(std::string_view caption) override;
    /// Parses the whole text first (VbError 5, nothing delivered, when malformed), then
    /// delivers each key. The model is synchronous, so waiting needs nothing more.
    void sendKeys(std::string_view keys, bool wait) override;

private:
    Ide &m_ide;
};

} // namespace qm::ide
