// qm commands over the comment, uncomment and indent engines.
#include "codetext/QmCommands.h"

#include "common/Cli.h"

namespace qm::codetext {

void addCommentCommands(common::cli::CommandTable &)
{
}

} // namespace qm::codetext
