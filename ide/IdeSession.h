// One running stand-in IDE: the model, the host interface an add-in is handed, and the
// keyboard target installed in a UI runtime so that AppActivate and SendKeys reach it.
#pragma once

#include "ide/Ide.h"
#include "ide/IdeHost.h"
#include "ide/Keyboard.h"
#include "platform/UiRuntime.h"

namespace qm::ide {

class IdeSession
{
public:
    explicit IdeSession(platform::UiRuntime &ui)
        : m_ui(ui)
        , m_previous(ui.keyboardTarget())
    {
        m_ui.setKeyboardTarget(&keyboard);
    }
    ~IdeSession() { m_ui.setKeyboardTarget(m_previous); }
    IdeSession(const IdeSession &) = delete;
    IdeSession &operator=(const IdeSession &) = delete;

    Ide ide;
    IdeHost host{ide};
    IdeKeyboard keyboard{ide};

private:
    platform::UiRuntime &m_ui;
    platform::KeyboardTarget *m_previous;
};

} // namespace qm::ide
