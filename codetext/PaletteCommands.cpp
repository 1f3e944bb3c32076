// The command sequence around the palette engines, over the host's keystrokes and clipboard.
#include "codetext/PaletteCommands.h"

#include "codetext/Comment.h"
#include "codetext/Indent.h"
#include "common/ErrorReports.h"
#include "common/ProgramState.h"
#include "common/Settings.h"
#include "platform/Dates.h"
#include "platform/UiRuntime.h"

#include <functional>
#include <optional>
#include <string>

namespace qm::codetext {
using common::ignoreErrors;
using common::programState;
using common::settings;

namespace {

void copySelectionFromHost()
{
    auto &ui = platform::ui();
    ignoreErrors([&] {
        ui.activate(programState().hostCaption);
        ui.processEvents();
    });
    ignoreErrors([&] { ui.sendKeys(settings().keys.CopyToClipboard, true); });
}

// Clear, find the host, copy its selection, run the engine on the clipboard text, and paste the
// result. A failing step is skipped; the paste runs whenever the engine produced a text (an
// engine that failed produces none, and pasting nothing would delete the selection).
void runPaletteCommand(const std::function<std::string(platform::UiRuntime &)> &engine)
{
    auto &ui = platform::ui();
    ignoreErrors([&] { ui.clipboardClear(); });
    common::recordHostCaption();
    copySelectionFromHost();

    std::optional<std::string> result;
    try {
        result = engine(ui);
    } catch (const common::UserMessageError &e) {
        common::showMessage(e.message);
        return; // the host's text is left as it was
    } catch (const platform::VbError &) {
    }
    if (!result)
        return;
    ignoreErrors([&] { ui.clipboardSetText(*result); });
    ui.processEvents();
    ignoreErrors([&] { ui.activate(programState().hostCaption); });
    ignoreErrors([&] { ui.sendKeys(settings().keys.PasteFromClipboard, false); });
}

} // namespace

void StartComment()
{
    runPaletteCommand([](platform::UiRuntime &ui) {
        const std::string date = commentDate(platform::today(), platform::dateSeparator());
        return CommentBlock(ui.clipboardText(), date, settings().programmer());
    });
}

void StartUncomment()
{
    runPaletteCommand([](platform::UiRuntime &ui) {
        std::string text = ui.clipboardText();
        if (text.empty()) {
            // The selection may not have reached the clipboard yet: ask the host once more.
            copySelectionFromHost();
            ui.processEvents();
            text = ui.clipboardText();
        }
        return UncommentBlock(text);
    });
}

void StartIndent()
{
    runPaletteCommand([](platform::UiRuntime &ui) {
        return IndentBlock(ui.clipboardText(), settings().tabSize);
    });
}

} // namespace qm::codetext
