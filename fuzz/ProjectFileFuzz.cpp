// Fuzz target: the component lines of project files (.vbp and .mak).
#include "ide/Project.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<const char *>(data), size);
    std::vector<qm::ide::LoadProblem> problems;
    auto entries = qm::ide::parseProjectEntries(bytes, "fuzz.vbp", &problems);
    int lastLine = 0;
    for (const qm::ide::ProjectEntry &entry : entries) {
        // Each entry names a file on one line, and the lines come in order.
        if (entry.file.empty() || entry.file.find_first_of("\r\n") != std::string::npos)
            __builtin_trap();
        if (entry.lineNumber <= lastLine)
            __builtin_trap();
        lastLine = entry.lineNumber;
    }
    for (const qm::ide::LoadProblem &p : problems)
        (void)p.text();
    // A new project takes no file from the text, so this only exercises its line handling.
    auto project = qm::ide::Project::createNew();
    if (project->text() != "Type=Exe\r\n")
        __builtin_trap();
    return 0;
}
