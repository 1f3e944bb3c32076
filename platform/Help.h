// The product help: the user guide that ships with the add-in, opened at its contents or at one
// tool's page. Every window that offers help calls showUserGuide; none finds the guide itself.
#pragma once

#include <string>
#include <string_view>

namespace qm::platform {

/// The help file the product asks the runtime to show: "quillmrk.hlp" in the directory of the
/// shipped files. The runtime shows the user guide kept beside it (help/index.html and one page
/// per tool window, help/<window>.html).
std::string helpFilePath();

/// Shows the user guide at its contents (help command 3), or at the page of the tool window
/// named `topic` ("frmMsgBox"). Goes through the UI runtime, so a test sees the request.
void showUserGuide(std::string_view topic = {});

/// The page of the guide that shows a topic, for a help file: help/<topic>.html beside it, or
/// help/index.html for the contents or for a topic that has no page yet.
std::string userGuidePage(std::string_view helpFile, std::string_view topic);

} // namespace qm::platform
