// The one shared program state.
#include "common/ProgramState.h"

#include "common/Settings.h"
#include "host/HostHelpers.h"
#include "platform/VbError.h"

namespace qm::common {

ProgramState &programState()
{
    static ProgramState shared;
    return shared;
}

void recordHostCaption()
{
    try {
        const KeystrokeSettings &keys = settings().keys;
        programState().hostCaption = host::GetVBCaption(keys.VBDesignName, keys.VBBreakName);
    } catch (const platform::VbError &) {
        // The window search ignores its failures; the caption stays as it was.
    }
}

void recordHostState()
{
    ProgramState &state = programState();
    host::recordProjectFileName(state.host, state.currentProjectFileName);
    recordHostCaption();
}

} // namespace qm::common
