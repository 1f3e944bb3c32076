// Fuzz target: any bytes as a help context file of each kind. Every item is "topic, number" whose
// texts come from the file, there are no more items than lines, and reading a context number
// from any item stays within it.
#include "generators/HelpTopics.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    std::size_t lineEnds = 1;
    for (char c : input)
        lineEnds += c == '\n' || c == '\r';

    for (char kind : {'C', 'B', 'R'}) {
        const auto items = qm::generators::contextTopics(input, kind);
        if (items.size() > lineEnds)
            std::abort();
        for (const std::string &item : items) {
            if (item.find(", ") == std::string::npos || item.size() > size + 2)
                std::abort();
            const auto number = qm::generators::contextNumberOf(item);
            if (number.status == qm::generators::ContextNumber::NoComma || number.text.size() > 5)
                std::abort();
        }
    }
    const auto number = qm::generators::contextNumberOf(input);
    if (number.text.size() > 5)
        std::abort();
    return 0;
}
