// Registration of the code finder's window.
#include "search/ui/SearchUi.h"

#include "common/ProgramState.h"
#include "common/ToolRegistry.h"
#include "common/WindowNames.h"
#include "search/ui/frmCodeFinder.h"

namespace qm::search {

void registerUi(common::ToolRegistry &registry)
{
    common::ToolWindow finder(common::window::CodeFinder, [] { return new frmCodeFinder; });
    // Code Finder searches the host's project: the host check records its file name.
    finder.beforeOpen = [] {
        common::programState().codeFinderProjectMode = true;
    };
    registry.add(std::move(finder));
}

} // namespace qm::search
