// The designers' Show Code and Paint It.
#include "generators/ui/PaintCode.h"

#include "common/ErrorReports.h"
#include "common/ProgramState.h"
#include "common/Settings.h"
#include "generators/ui/frmShowCode.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"

#include <QWidget>

namespace qm::generators {

void showCodePreview(QWidget &designer, const std::string &code)
{
    previewText() = code;
    frmShowCode::showModal(&designer);
}

bool paintCode(QWidget &designer, const std::string &code, std::string_view operation)
{
    // Nothing is lost when the clipboard refuses the code: the designer stays open as it was.
    if (!common::guarded(operation, [&] { platform::ui().clipboardSetText(code); }))
        return false;
    platform::ui().processEvents();
    // The designer may be gone once it is closed: what the paste needs is taken first.
    const std::string caption = common::programState().hostCaption;
    const std::string pasteKeys = common::settings().keys.PasteFromClipboard;
    const std::string name(operation);
    designer.close();

    // The code is on the clipboard by now, so a failure says so rather than losing it. Without
    // a recorded caption nothing is activated: an empty caption would match any window.
    if (caption.empty()) {
        common::showMessage({"Error",
                             "There is no code window to paste into.\nThe code is on the clipboard.",
                             platform::mb::Exclamation});
        return false;
    }
    try {
        platform::ui().activate(caption);
    } catch (const platform::VbError &) {
        common::showMessage({"Error",
                             "The window \"" + caption + "\" can't be found.\n"
                             "The code is on the clipboard.",
                             platform::mb::Critical});
        return false;
    }
    return common::guarded(name, [&] { platform::ui().sendKeys(pasteKeys, true); });
}

} // namespace qm::generators
