// The extra clipboards and Concatenate over the host's keystrokes and the clipboard.
#include "codetext/ExtraClipboards.h"

#include "common/ErrorReports.h"
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
    common::guarded(operation, [&] {
        auto &ui = platform::ui();
        common::recordHostCaption();
        ui.activate(common::programState().hostCaption);
        ui.processEvents();
        ui.sendKeys(keys, true);
        ui.processEvents();
        extraClipboards()[static_cast<size_t>(index)] = ui.clipboardText();
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
    common::guarded("pbPaste_Click", [&] {
        auto &ui = platform::ui();
        common::recordHostCaption();
        ui.processEvents();
        ui.clipboardSetText(extraClipboards()[static_cast<size_t>(index)]);
        ui.activate(common::programState().hostCaption);
        ui.sendKeys(common::settings().keys.PasteFromClipboard, true);
    });
}

void ConcatenateToClipboard()
{
    common::guarded("ConCatProc", [] {
        auto &ui = platform::ui();
        common::recordHostCaption();
        const std::string kept = ui.clipboardText();
        ui.clipboardClear();
        // Whatever happens in the host, the clipboard ends up holding at least what it held.
        try {
            ui.activate(common::programState().hostCaption);
            ui.sendKeys(common::settings().keys.CopyToClipboard, true);
            ui.processEvents();
        } catch (...) {
            ui.clipboardSetText(kept);
            throw;
        }
        const std::string added = ui.clipboardText();
        ui.clipboardSetText(added.empty() ? kept : kept + added);
    });
}

} // namespace qm::codetext
