// Registration of the form layout tools' frmApperTab pages.
#pragma once

namespace qm::common {
class ToolRegistry;
}

namespace qm::layout {

/// The "Appear" and "Tab Order" pages of frmApperTab.
void registerUi(common::ToolRegistry &registry);

} // namespace qm::layout
