// Fuzz target: the project lines the finder reads, and its streaming search over a file of the
// input's bytes, which must find what a plain reading of the whole text finds.
#include "common/ProjectFiles.h"
#include "common/TextHelpers.h"
#include "platform/Text.h"
#include "search/CodeFinder.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

struct Found
{
    std::string procedure;
    int64_t number;
    std::string line;
    bool operator==(const Found &) const = default;
};

// One scratch file per run, removed at exit.
struct ScratchFile
{
    std::string path = "/tmp/qm-fuzz-finder-" + std::to_string(::getpid()) + ".bas";
    ~ScratchFile() { std::remove(path.c_str()); }
};

const std::string &scratchFile()
{
    static const ScratchFile file;
    return file.path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<const char *>(data), size);
    for (const auto &entry : qm::common::readProjectFiles(bytes, "C:\\p\\fuzz.vbp")) {
        if (entry.filePart.empty() || entry.path.empty() ||
            entry.filePart.find_first_of("\r\n") != std::string::npos)
            __builtin_trap();
    }

    // The first line of the input is the search text, the rest the file; every find kind.
    const size_t cut = bytes.find('\n');
    const std::string_view text =
        cut == std::string_view::npos ? std::string_view() : bytes.substr(0, cut);
    const std::string_view body = cut == std::string_view::npos ? bytes : bytes.substr(cut + 1);
    std::FILE *out = std::fopen(scratchFile().c_str(), "wb");
    if (!out)
        return 0;
    std::fwrite(body.data(), 1, body.size(), out);
    std::fclose(out);
    using qm::search::FindKind;
    for (FindKind kind : {FindKind::AllInstances, FindKind::Definitions, FindKind::Assignments}) {
        std::vector<Found> plain;
        std::string procedure = "declarations";
        int64_t number = 0;
        for (std::string_view line : qm::common::splitLines(body)) {
            ++number;
            if (qm::search::isProcedureHeader(line)) {
                procedure = std::string(qm::search::procedureOfHeader(line));
                number = 1;
            }
            if (!qm::platform::containsIgnoreCase(line, text) ||
                (kind == FindKind::Definitions && !qm::search::isDefinitionLine(line)) ||
                (kind == FindKind::Assignments && !qm::search::isAssignmentLine(line, text)))
                continue;
            plain.push_back({procedure, number, std::string(line)});
        }
        qm::search::SearchCursor cursor({{"f.bas", scratchFile(), {}}}, text, kind);
        std::vector<Found> streamed;
        for (auto step = cursor.next(64); step != qm::search::SearchCursor::Step::Done;
             step = cursor.next(64)) {
            if (step == qm::search::SearchCursor::Step::Hit)
                streamed.push_back(
                    {cursor.hit().procedure, cursor.hit().lineNumber, cursor.hit().line});
        }
        if (!(streamed == plain))
            __builtin_trap();
    }
    return 0;
}
