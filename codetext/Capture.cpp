// CaptureCurrentProc over the host round trip.
#include "codetext/Capture.h"

#include "common/ErrorReports.h"
#include "common/HostRoundTrip.h"
#include "common/Settings.h"
#include "common/TextHelpers.h"
#include "platform/UiRuntime.h"

namespace qm::codetext {

std::string CaptureCurrentProc()
{
    common::HostRoundTrip trip("CaptureCurrentProc");
    const std::optional<std::string> selection = trip.readSelection();
    if (!selection)
        return {};
    if (!common::isBlank(*selection))
        return *selection;
    // Nothing selected: the whole procedure of the code window.
    if (!trip.sendKeys(std::string(kSelectWholeProcedureKeys) +
                       common::settings().keys.CopyToClipboard))
        return *selection;
    std::string text = *selection;
    common::guarded("CaptureCurrentProc", [&] { text = platform::ui().clipboardText(); });
    return text;
}

} // namespace qm::codetext
