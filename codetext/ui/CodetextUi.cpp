// Registration of the editor and the extra clipboards' page.
#include "codetext/ui/CodetextUi.h"

#include "codetext/ui/MultiClipPage.h"
#include "codetext/ui/frmEdit32.h"
#include "common/ToolRegistry.h"
#include "common/WindowNames.h"

namespace qm::codetext {

void registerUi(common::ToolRegistry &registry)
{
    common::ToolWindow editor(common::window::Editor, [] { return new frmEdit32; });
    // "&External Editor" leaves an open editor as it is.
    editor.onlyWhenClosed = true;
    registry.add(std::move(editor));
    registry.add(common::ToolPage(common::window::ApperTab, common::page::MultiClip,
                                  [] { return new MultiClipPage; }));
}

} // namespace qm::codetext
