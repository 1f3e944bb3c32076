// The qm commands over the code generators.
#pragma once

namespace qm::common::cli {
class CommandTable;
}

namespace qm::generators {

/// qm msgbox.
void addMsgBoxCommands(common::cli::CommandTable &table);

/// qm errtrap add|remove|handler, qm analyze, qm document, qm newproc.
void addProcedureCommands(common::cli::CommandTable &table);
/// qm inputbox, qm dialog and qm help-topics.
void addDesignerCommands(common::cli::CommandTable &table);

} // namespace qm::generators
