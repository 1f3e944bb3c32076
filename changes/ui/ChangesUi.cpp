// Registration of the change-tracking tools' windows and pages.
#include "changes/ui/ChangesUi.h"

#include "changes/ui/CleanupPage.h"
#include "changes/ui/TrackChangesPage.h"
#include "changes/ui/frmShowChanges.h"
#include "common/ToolRegistry.h"
#include "common/WindowNames.h"

namespace qm::changes {

void registerUi(common::ToolRegistry &registry)
{
    registry.add(common::ToolPage(common::window::ApperTab, common::page::TrackChanges,
                                  [] { return new TrackChangesPage; }));
    registry.add(common::ToolPage(common::window::ApperTab, common::page::Cleanup,
                                  [] { return new CleanupPage; }));
    common::ToolWindow showChanges(common::window::ShowChanges, [] { return new frmShowChanges; });
    // Opened from the Track Changes page of frmApperTab.
    showChanges.owner = std::string(common::window::ApperTab);
    registry.add(std::move(showChanges));
}

} // namespace qm::changes
