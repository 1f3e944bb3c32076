// The qm commands over the designers: message box, input box, common dialog and help topics.
#pragma once

namespace qm::common::cli {
class CommandTable;
}

namespace qm::generators {

/// qm msgbox.
void addMsgBoxCommands(common::cli::CommandTable &table);
/// qm inputbox, qm dialog and qm help-topics.
void addDesignerCommands(common::cli::CommandTable &table);

} // namespace qm::generators
