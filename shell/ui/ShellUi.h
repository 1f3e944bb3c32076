// The shell's own tool window, frmApperTab, as it registers beside the tool folders' windows.
#pragma once

namespace qm::common {
class ToolRegistry;
}

namespace qm::shell {

/// Registers frmApperTab, the frame the tool folders' pages go in.
void registerUi(common::ToolRegistry &registry);

} // namespace qm::shell
