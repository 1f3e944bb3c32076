// The picture clipper's window, as it registers with the shell.
#pragma once

namespace qm::common {
class ToolRegistry;
}

namespace qm::clipper {

/// Registers frmImageClip.
void registerUi(common::ToolRegistry &registry);

} // namespace qm::clipper
