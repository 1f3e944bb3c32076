// The one shared program state.
#include "common/ProgramState.h"

namespace qm::common {

ProgramState &programState()
{
    static ProgramState shared;
    return shared;
}

} // namespace qm::common
