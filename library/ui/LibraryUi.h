// The object library's windows, as they register with the shell.
#pragma once

namespace qm::common {
class ToolRegistry;
}

namespace qm::library {

/// Registers frmOFWLibe2.
void registerUi(common::ToolRegistry &registry);

} // namespace qm::library
