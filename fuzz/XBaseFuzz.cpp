// Fuzz target: the xBase conversion takes any bytes, never fails, and ends every line it
// writes with CR LF.
#include "codetext/XBase.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char *>(data), size);
    auto result = qm::codetext::ConvertXBaseBlock(text);
    if (result.failure)
        __builtin_trap();
    const std::string &out = result.text;
    if (!out.empty() && (out.size() < 2 || out.substr(out.size() - 2) != "\r\n"))
        __builtin_trap();
    for (std::size_t i = 0; i < out.size(); ++i) {
        // A CR only ever comes before its LF, and an LF only after its CR.
        if (out[i] == '\r' && (i + 1 >= out.size() || out[i + 1] != '\n'))
            __builtin_trap();
        if (out[i] == '\n' && (i == 0 || out[i - 1] != '\r'))
            __builtin_trap();
    }
    return 0;
}
