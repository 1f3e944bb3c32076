// CaptureCurrentProc over the host's keystrokes and the clipboard.
#include "codetext/Capture.h"

#include "common/ErrorReports.h"
#include "common/ProgramState.h"
#include "common/Settings.h"
#include "common/TextHelpers.h"
#include "platform/UiRuntime.h"

namespace qm::codetext {

std::string CaptureCurrentProc()
{
    std::string text;
    common::guarded("CaptureCurrentProc", [&] {
        auto &ui = platform::ui();
        const std::string &copyKeys = common::settings().keys.CopyToClipboard;
        common::recordHostCaption();
        const std::string caption = common::programState().hostCaption;

        ui.clipboardClear();
        ui.activate(caption);
        ui.sendKeys(copyKeys, true);
        text = ui.clipboardText();
        if (!common::isBlank(text))
            return;

        ui.activate(caption);
        ui.sendKeys(std::string(kSelectWholeProcedureKeys) + copyKeys, true);
        ui.processEvents();
        text = ui.clipboardText();
    });
    return text;
}

} // namespace qm::codetext
