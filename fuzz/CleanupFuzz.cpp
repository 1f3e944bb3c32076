// Fuzz target: any bytes as a form file or a selection go through the dead-event removal, the
// comment removal and the change report. Whatever comes out is the input with whole lines left
// out, in their order, and every line of code survives the comment removal.
#include "changes/ChangeReport.h"
#include "changes/CommentCleanup.h"
#include "changes/DeadEvents.h"
#include "common/ErrorReports.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// The next line of `text` from `pos`, its line end included.
std::string_view nextLine(std::string_view text, std::size_t &pos)
{
    std::size_t end = pos;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n')
        ++end;
    if (end < text.size()) {
        if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        ++end;
    }
    std::string_view line = text.substr(pos, end - pos);
    pos = end;
    return line;
}

bool isCode(std::string_view line)
{
    std::size_t at = line.find_first_not_of(" \t");
    return at != std::string_view::npos && line[at] != '\'' && line[at] != '\r' && line[at] != '\n';
}

// The output is the input's lines, some left out, in order; with `keepCode`, no line of code is
// left out.
void checkWholeLinesKept(std::string_view input, std::string_view output, bool keepCode)
{
    std::size_t in = 0;
    std::size_t out = 0;
    while (in < input.size()) {
        const std::string_view line = nextLine(input, in);
        if (output.substr(out).starts_with(line)) {
            out += line.size();
            continue;
        }
        if (keepCode && isCode(line))
            std::abort();
    }
    if (out != output.size())
        std::abort(); // bytes that were not in the input, or out of order
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);

    const qm::changes::DeadEventsResult dead = qm::changes::removeDeadEvents(input);
    checkWholeLinesKept(input, dead.text, false);
    if (!dead.hasControlList && dead.text != input)
        std::abort();

    for (auto kind : {qm::changes::CommentKind::All, qm::changes::CommentKind::Product}) {
        try {
            const std::string kept = qm::changes::DeleteCommentedCode(input, kind);
            checkWholeLinesKept(input, kept, true);
        } catch (const qm::common::UserMessageError &) {
            // a blank selection
        }
    }

    const auto filter = qm::changes::makeChangeFilter("dev", "01/01/2024", "12/31/2026");
    const qm::changes::FileChanges changes = qm::changes::GetChangesToFile(input, filter);
    if (changes.blocks.size() > size)
        std::abort();
    return 0;
}
