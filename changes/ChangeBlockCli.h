// The qm commands over the change-block engines (qm block).
#pragma once

namespace qm::common::cli {
class CommandTable;
}

namespace qm::changes {

/// qm block add, change, delete and remove.
void addChangeBlockCommands(common::cli::CommandTable &table);

} // namespace qm::changes
