// The picture clipper's qm commands: qm icons.
#pragma once

namespace qm::common::cli {
class CommandTable;
}

namespace qm::clipper {

void addIconCommands(common::cli::CommandTable &table);

} // namespace qm::clipper
