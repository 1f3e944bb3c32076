// Registration of the shell's own tool window.
#include "shell/ui/ShellUi.h"

#include "common/ToolRegistry.h"
#include "common/WindowNames.h"
#include "shell/ui/frmApperTab.h"

namespace qm::shell {

void registerUi(common::ToolRegistry &registry)
{
    registry.add(common::ToolWindow(common::window::ApperTab, [] { return new frmApperTab; }));
}

} // namespace qm::shell
