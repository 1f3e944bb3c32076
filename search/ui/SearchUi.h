// The code finder's windows, as they register with the shell.
#pragma once

namespace qm::common {
class ToolRegistry;
}

namespace qm::search {

/// Registers frmCodeFinder.
void registerUi(common::ToolRegistry &registry);

} // namespace qm::search
