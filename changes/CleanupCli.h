// The qm commands of the change report and the cleanup: changes, strip-comments, dead-events.
#pragma once

namespace qm::common::cli {
class CommandTable;
}

namespace qm::changes {

/// qm changes, qm strip-comments and qm dead-events.
void addCleanupCommands(common::cli::CommandTable &table);

} // namespace qm::changes
