// Show Code Window: the host's Find and caret keys for a hit.
#include "search/SearchGlue.h"

#include "common/ErrorReports.h"
#include "common/ProgramState.h"
#include "platform/SendKeys.h"
#include "platform/Text.h"
#include "platform/UiRuntime.h"

namespace qm::search {

std::string codeWindowKeys(std::string_view procedure, int64_t lineNumber)
{
    const std::string_view name = platform::trimBlanks(procedure);
    std::string keys = name == "declarations" ? std::string("^{HOME}")
                                              : "^F" + platform::escapeSendKeys(name) + "{Enter}";
    // Find leaves the caret on the header, line 1 of the procedure.
    if (lineNumber > 1)
        keys += "{DOWN " + std::to_string(lineNumber - 1) + "}";
    return keys;
}

void ShowCodeWindow(std::string_view procedure, int64_t lineNumber)
{
    common::guarded("pbLoadCodeEditor_Click", [&] {
        platform::ui().activate(common::programState().hostCaption);
        platform::ui().sendKeys(codeWindowKeys(procedure, lineNumber), true);
    });
}

} // namespace qm::search
