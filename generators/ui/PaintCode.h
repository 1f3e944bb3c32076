// What the designers do with the code they generate: preview it, or paste it into the code
// window they were opened from.
#pragma once

#include <string>
#include <string_view>

class QWidget;

namespace qm::generators {

/// Show Code: stores the code as the preview text and shows frmShowCode modally over `designer`.
void showCodePreview(QWidget &designer, const std::string &code);

/// Paint It: puts the code on the clipboard, processes pending events, closes (unloads) the
/// designer, activates the host window recorded when the designer was opened and sends the
/// host's paste keystroke, waiting. When the clipboard refuses the code the failure is reported
/// for `operation` and the designer stays open; when the host window cannot be activated the
/// programmer is told that the code is on the clipboard. Returns whether the keys were sent.
bool paintCode(QWidget &designer, const std::string &code, std::string_view operation);

} // namespace qm::generators
