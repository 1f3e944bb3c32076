// Fuzz target: the editor's module division of any bytes gives entries in file order, inside the
// text, that never overlap; and writing an entry back unchanged gives the file back byte for
// byte.
#include "codetext/ModuleDivision.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace qm::codetext;
    std::string_view text(reinterpret_cast<const char *>(data), size);
    for (ModuleKind kind : {ModuleKind::Code, ModuleKind::Form, ModuleKind::XBase}) {
        std::vector<ModuleEntry> entries;
        try {
            entries = divideModule(text, kind);
        } catch (const qm::common::UserMessageError &) {
            if (kind != ModuleKind::Form)
                __builtin_trap();
            continue;
        }
        if (entries.empty() || entries[0].name != kDeclarationsEntry)
            __builtin_trap();
        std::size_t previousEnd = 0;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const ModuleEntry &e = entries[i];
            if (e.start > e.end || e.end > text.size() || (i > 0 && e.start < previousEnd))
                __builtin_trap();
            previousEnd = e.end;
            const std::string_view old = text.substr(e.start, e.end - e.start);
            if (replaceEntry(text, e, old) != text)
                __builtin_trap();
        }
    }
    return 0;
}
