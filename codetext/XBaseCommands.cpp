// qm xbase: the xBase conversion engine on the command line.
#include "codetext/QmCommands.h"

#include "common/Cli.h"

namespace qm::codetext {

void addXBaseCommands(common::cli::CommandTable &)
{
}

} // namespace qm::codetext
