// Registration of the object library's window.
#include "library/ui/LibraryUi.h"

#include "common/ToolRegistry.h"
#include "common/WindowNames.h"
#include "library/ui/frmOFWLibe2.h"

namespace qm::library {

void registerUi(common::ToolRegistry &registry)
{
    registry.add(common::ToolWindow(common::window::Library, [] { return new frmOFWLibe2; }));
}

} // namespace qm::library
