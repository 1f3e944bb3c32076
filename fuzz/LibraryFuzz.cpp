// Fuzz target: any bytes as an object library list and as a form, and what follows the first NUL
// as a second form. Each named record read, its name trimmed, is written and read back the same;
// deleting a control the form names keeps the rest of its lines in order; a pasted menu keeps
// every line of the destination; and every other rewrite takes any text.
#include "common/ErrorReports.h"
#include "common/TextHelpers.h"
#include "library/FormRewrite.h"
#include "library/ObjectStore.h"
#include "platform/Text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace qm;

// Every line of `part` is a line of `whole`, in the same order.
bool keepsLines(std::string_view part, std::string_view whole)
{
    const std::vector<std::string_view> partLines = common::splitLines(part);
    const std::vector<std::string_view> wholeLines = common::splitLines(whole);
    size_t at = 0;
    for (std::string_view line : partLines) {
        while (at < wholeLines.size() && wholeLines[at] != line)
            ++at;
        if (at == wholeLines.size())
            return false;
        ++at;
    }
    return true;
}

void checkList(std::string_view text)
{
    for (library::ProcNameObj record : library::parseObjectList(text)) {
        record.ProcName = std::string(platform::trimBlanks(record.ProcName));
        // Without a name, the first word read back is the alias: a list line needs its name.
        if (record.ProcName.empty())
            continue;
        const std::vector<library::ProcNameObj> again =
            library::parseObjectList(library::formatListLine(record, false));
        if (again.size() != 1 || again.front() != record)
            std::abort();
    }
}

void checkForm(std::string_view form, std::string_view other)
{
    const std::vector<std::string> names = library::controlNames(form);
    if (!names.empty()) {
        library::eventProcedures(form, names);
        try {
            // A name that is no identifier (a damaged Begin line) is refused, not guessed at.
            const std::string after = library::deleteControls(form, {names.front()});
            if (after.size() > form.size() || !keepsLines(after, form))
                std::abort();
        } catch (const common::UserMessageError &) {
        }
    }
    try {
        const std::string pasted = library::pasteMenu(other, form);
        if (!keepsLines(form, pasted))
            std::abort();
    } catch (const common::UserMessageError &) {
    }
    library::cloneObjectText(form, {"frmClone", "Clone \"1\"", "a.frx", "b.frx"});
    const std::string name = library::GetNameFromProc(form);
    if (form.find(name) == std::string_view::npos)
        std::abort();
    library::renameProcedure(form, name, "Renamed");
    library::parseTextBoxControl(form.substr(0, 40));
    library::isPlainAlias(form.substr(0, 40));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const size_t nul = input.find('\0');
    const std::string_view first = input.substr(0, nul);
    const std::string_view second = nul == std::string_view::npos ? first : input.substr(nul + 1);
    checkList(input);
    checkForm(first, second);
    checkForm(second, first);
    return 0;
}
