// The error number a call raises, for tests of the runtime's and the stand-in IDE's failures.
#pragma once

#include "platform/VbError.h"

#include <functional>

namespace qm::test {

/// The number of the VbError `call` raises; 0 when it raises none.
inline int errorOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const platform::VbError &e) {
        return e.number;
    }
    return 0;
}

} // namespace qm::test
