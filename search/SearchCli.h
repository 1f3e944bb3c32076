// The qm commands of the code finder.
#pragma once

namespace qm::common::cli {
class CommandTable;
}

namespace qm::search {

/// qm find [--definitions|--assignments] PATH TEXT.
void addFindCommands(common::cli::CommandTable &table);

} // namespace qm::search
