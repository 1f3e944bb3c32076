// qm block: the change-block marker engines on the command line.
#include "changes/QmCommands.h"

#include "common/Cli.h"

namespace qm::changes {

void addChangeBlockCommands(common::cli::CommandTable &)
{
}

} // namespace qm::changes
