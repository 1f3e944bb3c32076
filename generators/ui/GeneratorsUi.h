// The windows of the code generators, as they register with the shell.
#pragma once

namespace qm::common {
class ToolRegistry;
}

namespace qm::generators {

/// Registers the designers' windows (frmMsgBox, ...).
void registerUi(common::ToolRegistry &registry);

} // namespace qm::generators
