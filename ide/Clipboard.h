// Controls as clipboard text: the selected controls of a form (with their children) written as
// their Begin ... End blocks, and such text pasted into another form.
#pragma once

#include "ide/Control.h"

#include <string>
#include <string_view>
#include <vector>

namespace qm::ide {

class FormFile;

/// The text of controls for the clipboard: each control's block with its children, in the
/// order given (a control whose container is also given is written once, inside it). Binary
/// properties carry their .frx bytes along.
std::string controlsToText(const std::vector<ControlPtr> &controls);

/// True when the text looks like controls written by controlsToText.
bool isControlsText(std::string_view text);

struct PasteResult
{
    std::vector<ControlPtr> pasted;   ///< the new top-level controls, in order
    std::vector<std::string> skipped; ///< what could not be pasted, one line each
};

/// Pastes controls text into a form (into container, the form when null). A control whose name
/// the form already has gets the next free name (Command1 becomes Command2), together with the
/// other members of its array; properties are kept; binary properties are appended to the
/// form's .frx. Throws VbError InvalidFileFormat for text that is not controls text.
PasteResult pasteControls(FormFile &form, std::string_view text, Control *container = nullptr);

} // namespace qm::ide
