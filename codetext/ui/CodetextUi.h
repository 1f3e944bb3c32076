// The windows and pages of the code text tools, as they register with the shell.
#pragma once

namespace qm::common {
class ToolRegistry;
}

namespace qm::codetext {

/// Registers the editor window frmEdit32 and the MultiClip page of frmApperTab.
void registerUi(common::ToolRegistry &registry);

} // namespace qm::codetext
