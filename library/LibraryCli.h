// The qm commands of the object library.
#pragma once

namespace qm::common::cli {
class CommandTable;
}

namespace qm::library {

/// qm library, qm clone, qm textbox-code, qm delete-controls and qm paste-menu.
void addLibraryCommands(common::cli::CommandTable &table);

} // namespace qm::library
