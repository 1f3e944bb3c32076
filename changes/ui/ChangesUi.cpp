// Registration of the change-tracking tools' windows and pages.
#include "changes/ui/ChangesUi.h"

#include "changes/ui/CleanupPage.h"
#include "changes/ui/TrackChangesPage.h"
#include "common/ToolRegistry.h"
#include "common/WindowNames.h"

namespace qm::changes {

void registerUi(common::ToolRegistry &registry)
{
    registry.add(common::ToolPage(common::window::ApperTab, common::page::TrackChanges,
                                  [] { return new TrackChangesPage; }));
    registry.add(common::ToolPage(common::window::ApperTab, common::page::Cleanup,
                                  [] { return new CleanupPage; }));
}

} // namespace qm::changes
