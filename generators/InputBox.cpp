// The input box generator.
#include "generators/InputBox.h"

#include "generators/MsgBox.h"
#include "platform/Text.h"

namespace qm::generators {

std::string inputBoxCode(const InputBoxDesign &design)
{
    using platform::trimBlanks;
    // The arguments in the order the host's InputBox takes them: prompt, title, default.
    return "Dim sRV As String\r\n\r\nsRV = InputBox(" + basicLiteral(trimBlanks(design.prompt)) +
           ", " + basicLiteral(trimBlanks(design.caption)) + ", " +
           basicLiteral(trimBlanks(design.defaultText)) + ")\r\n";
}

} // namespace qm::generators
