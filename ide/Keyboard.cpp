// Keys into the IDE.
#include "ide/Keyboard.h"

#include "ide/Ide.h"
#include "platform/SendKeys.h"
#include "platform/VbError.h"
#include "platform/WindowRegistry.h"

namespace qm::ide {

void IdeKeyboard::activate(std::string_view caption)
{
    platform::WindowHandle window = platform::windowRegistry().findByCaption(caption);
    if (window == 0)
        throw platform::VbError(platform::err::InvalidProcedureCall);
    platform::windowRegistry().activate(window);
}

void IdeKeyboard::sendKeys(std::string_view keys, bool)
{
    for (const platform::KeyChord &chord : platform::parseSendKeys(keys))
        m_ide.deliverKey(chord);
}

} // namespace qm::ide
