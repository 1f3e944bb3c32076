// The qm commands over the code text engines.
#pragma once

namespace qm::common::cli {
class CommandTable;
}

namespace qm::codetext {

/// qm comment, uncomment, indent and their -lines forms.
void addCommentCommands(common::cli::CommandTable &table);
/// qm xbase.
void addXBaseCommands(common::cli::CommandTable &table);
/// qm procedures.
void addModuleCommands(common::cli::CommandTable &table);

} // namespace qm::codetext
