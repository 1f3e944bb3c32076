// Registration of the code generators' windows.
#include "generators/ui/GeneratorsUi.h"

#include "common/ToolRegistry.h"
#include "common/WindowNames.h"
#include "generators/ui/ErrorsPage.h"
#include "generators/ui/frmCMDDesigner.h"
#include "generators/ui/frmHelpContextID.h"
#include "generators/ui/frmIFAnalyzer.h"
#include "generators/ui/frmInputBox.h"
#include "generators/ui/frmMsgBox.h"
#include "generators/ui/frmNewProcedure.h"

namespace qm::generators {

void registerUi(common::ToolRegistry &registry)
{
    registry.add(common::ToolWindow(common::window::MsgBox, [] { return new frmMsgBox; }));
    registry.add(common::ToolPage(common::window::ApperTab, common::page::Errors,
                                  [] { return new ErrorsPage; }));
    // Opened from the object library window.
    registry.add(
        common::ToolWindow(common::window::NewProcedure, [] { return new frmNewProcedure; }));
    common::ToolWindow analyzer(common::window::IFAnalyzer, [] { return new frmIFAnalyzer; });
    // Opened from the Errors page of frmApperTab.
    analyzer.owner = std::string(common::window::ApperTab);
    registry.add(std::move(analyzer));
    registry.add(common::ToolWindow(common::window::InputBox, [] { return new frmInputBox; }));
    registry.add(
        common::ToolWindow(common::window::CommonDialog, [] { return new frmCMDDesigner; }));
    common::ToolWindow helpContext(common::window::HelpContext,
                                   [] { return new frmHelpContextID; });
    // The command does nothing while the window is open.
    helpContext.onlyWhenClosed = true;
    registry.add(std::move(helpContext));
}

} // namespace qm::generators
