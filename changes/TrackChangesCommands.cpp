// Each command records the host, reads the selection through the copy keystroke where it needs
// it, and pastes its result with waiting. Failures are reported under the button's handler name.
#include "changes/TrackChangesCommands.h"

#include "changes/ChangeBlock.h"
#include "common/ErrorReports.h"
#include "common/ProgramState.h"
#include "common/Settings.h"
#include "platform/Dates.h"
#include "platform/UiRuntime.h"

#include <functional>
#include <string>

namespace qm::changes {
using common::programState;
using common::settings;

namespace {

std::string readSelection()
{
    auto &ui = platform::ui();
    ui.clipboardClear();
    ui.activate(programState().hostCaption);
    ui.sendKeys(settings().keys.CopyToClipboard, true);
    ui.processEvents();
    return ui.clipboardText();
}

void pasteResult(const std::string &text)
{
    auto &ui = platform::ui();
    ui.clipboardSetText(text);
    ui.activate(programState().hostCaption);
    ui.sendKeys(settings().keys.PasteFromClipboard, true);
    ui.processEvents();
}

std::string today()
{
    return markerDate(platform::today(), platform::dateSeparator());
}

void run(const char *handler, const std::function<std::string()> &command)
{
    common::guarded(handler, [&] {
        common::recordHostCaption();
        pasteResult(command());
    });
}

} // namespace

void pbBlockanAdd_Click()
{
    run("pbBlockanAdd_Click", [] { return AddBlock(settings().programmer(), today()); });
}

void pbChangeBlock_Click()
{
    run("pbChangeBlock_Click",
        [] { return ChangeBlock(readSelection(), settings().programmer(), today()); });
}

void pbCommentDeletion_Click()
{
    run("pbCommentDeletion_Click",
        [] { return DeletionBlock(readSelection(), settings().programmer(), today()); });
}

void SSCommand3_Click()
{
    run("SSCommand3_Click", [] { return RemoveBlocking(readSelection()); });
}

} // namespace qm::changes
