// qm msgbox: the message box generator on the command line.
#include "generators/QmCommands.h"

#include "common/Cli.h"

namespace qm::generators {

void addMsgBoxCommands(common::cli::CommandTable &)
{
}

} // namespace qm::generators
