// Fuzz target: the component lines of project files (.vbp and .mak) and their round trip.
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
    // Read as a project in a folder that does not exist, so no component is found: the
    // project text must come back as it was, whatever its lines. Entries that could name a
    // real file elsewhere are not followed.
    for (const qm::ide::ProjectEntry &entry : entries)
        if (entry.file.find_first_of(":\\/") != std::string::npos ||
            entry.file.find("..") != std::string::npos)
            return 0;
    auto project = qm::ide::Project::fromText("/nonexistent-quillmark-fuzz/p.vbp", bytes);
    if (project->text() != bytes || !project->components().empty())
        __builtin_trap();
    if (project->problems().size() < entries.size())
        __builtin_trap(); // every missing component is reported
    return 0;
}
