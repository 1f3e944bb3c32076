// Fuzz target: the settings file parser and rewriter, and Val over setting values.
#include "platform/Profile.h"
#include "platform/Runtime.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view content(reinterpret_cast<const char *>(data), size);
    std::string value = qm::platform::findProfileValue(content, "Configuration", "Left", "");
    (void)qm::platform::val(value);
    (void)qm::platform::val(content.substr(0, 64));
    std::string rewritten =
        qm::platform::setProfileValue(content, "Configuration", "Left", "02000");
    // Setting a key must make it readable, whatever else the file holds.
    if (qm::platform::findProfileValue(rewritten, "Configuration", "Left", "") != "02000")
        __builtin_trap();
    return 0;
}
