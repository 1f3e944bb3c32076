// The windows and pages of the change-tracking tools, as they register with the shell.
#pragma once

namespace qm::common {
class ToolRegistry;
}

namespace qm::changes {

/// Registers the Track Changes page of frmApperTab.
void registerUi(common::ToolRegistry &registry);

} // namespace qm::changes
