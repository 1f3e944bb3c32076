// The qm commands over the procedure generators.
#pragma once

namespace qm::common::cli {
class CommandTable;
}

namespace qm::generators {

/// qm errtrap add|remove|handler, qm analyze, qm document, qm newproc.
void addProcedureCommands(common::cli::CommandTable &table);

} // namespace qm::generators
