// The name comparison the library's commands and its host glue share.
#pragma once

#include "platform/Text.h"

#include <string>
#include <string_view>

namespace qm::library {

/// The text without leading and trailing spaces, in capitals (ASCII letters, as the runtime's
/// UCase$, whatever the process's locale), for comparing names.
inline std::string upperTrimmed(std::string_view text)
{
    return platform::toUpper(platform::trimBlanks(text));
}

} // namespace qm::library
