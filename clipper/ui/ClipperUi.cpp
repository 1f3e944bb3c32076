// Registration of the picture clipper's window.
#include "clipper/ui/ClipperUi.h"

#include "clipper/ui/frmImageClip.h"
#include "common/ToolRegistry.h"
#include "common/WindowNames.h"

namespace qm::clipper {

void registerUi(common::ToolRegistry &registry)
{
    common::ToolWindow clipper(common::window::ImageClip, [] { return new frmImageClip; });
    // The clipper works on files, not on the host's code: its menu command records no caption.
    clipper.recording = common::HostRecording::ProjectOnly;
    registry.add(std::move(clipper));
}

} // namespace qm::clipper
