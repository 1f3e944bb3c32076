// The extra clipboards and Concatenate over the host round trip.
#include "codetext/ExtraClipboards.h"

#include "common/ErrorReports.h"
#include "common/HostRoundTrip.h"
#include "common/ProgramState.h"
#include "common/Settings.h"
#include "platform/UiRuntime.h"

namespace qm::codetext {
namespace {

bool isClipboardIndex(int index)
{
    return index >= 0 && index < 3;
}

// Cut or copy in the host; the clipboard text becomes the extra clipboard's.
void takeFromHost(int index, const std::string &keys, const char *operation)
{
    if (!isClipboardIndex(index))
        return;
    common::recordHostCaption();
    if (!common::HostRoundTrip(operation).sendKeys(keys))
        return;
    common::guarded(operation, [&] {
        extraClipboards()[static_cast<size_t>(index)] = platform::ui().clipboardText();
    });
}

} // namespace

std::array<std::string, 3> &extraClipboards()
{
    static std::array<std::string, 3> clipboards;
    return clipboards;
}

void CutToExtraClipboard(int index)
{
    takeFromHost(index, common::settings().keys.CutToClipboard, "pbCut_Click");
}

void CopyToExtraClipboard(int index)
{
    takeFromHost(index, common::settings().keys.CopyToClipboard, "pbCopy_Click");
}

void PasteExtraClipboard(int index)
{
    if (!isClipboardIndex(index))
        return;
    common::recordHostCaption();
    common::HostRoundTrip("pbPaste_Click")
        .returnText(extraClipboards()[static_cast<size_t>(index)]);
}

void ConcatenateToClipboard()
{
    std::string kept;
    if (!common::guarded("ConCatProc", [&] { kept = platform::ui().clipboardText(); }))
        return;
    const std::optional<std::string> added = common::HostRoundTrip("ConCatProc").readSelection();
    // Whatever happens in the host, the clipboard ends up holding at least what it held.
    const std::string text = added && !added->empty() ? kept + *added : kept;
    common::guarded("ConCatProc", [&] { platform::ui().clipboardSetText(text); });
}

} // namespace qm::codetext
