// Fuzz target: the send-keys parser, and escaping, which must always give text that types itself.
#include "platform/SendKeys.h"
#include "platform/VbError.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char *>(data), size);
    try {
        auto chords = qm::platform::parseSendKeys(text);
        // What parses writes back to text that parses to the same chords.
        if (qm::platform::parseSendKeys(qm::platform::describeChords(chords)) != chords)
            __builtin_trap();
    } catch (const qm::platform::VbError &e) {
        if (e.number != 5)
            __builtin_trap();
    }
    std::string plain(text.substr(0, 512));
    auto typed = qm::platform::parseSendKeys(qm::platform::escapeSendKeys(plain));
    // One key per byte: a line-break byte presses Enter, every other byte types itself.
    if (typed.size() != plain.size())
        __builtin_trap();
    return 0;
}
