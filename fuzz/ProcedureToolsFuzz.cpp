// Fuzz target: any bytes as selected code, and what follows the first NUL as a template. The
// error trap and the analyzer keep every line of the code in order, removing a trap never
// grows the text past the trapped one, and the documentation block and the new procedure steps
// take any template.
#include "common/ErrorReports.h"
#include "common/TextHelpers.h"
#include "generators/Analyzer.h"
#include "generators/DocBlock.h"
#include "generators/ErrorTrap.h"
#include "generators/NewProc.h"
#include "tests/support/DocBlockKeywords.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace qm;

// Every line of `in` is a line of `out`, in the same order.
bool keepsLines(std::string_view in, std::string_view out)
{
    const std::vector<std::string_view> inLines = common::splitLines(in);
    const std::vector<std::string_view> outLines = common::splitLines(out);
    size_t at = 0;
    for (std::string_view line : inLines) {
        while (at < outLines.size() && outLines[at] != line)
            ++at;
        if (at == outLines.size())
            return false;
        ++at;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    const size_t nul = input.find('\0');
    const std::string code = input.substr(0, nul);
    const std::string templ = nul == std::string::npos ? "ProcName Purpose" : input.substr(nul + 1);

    try {
        const std::string trapped = generators::GenLocalErrorTrap(code);
        if (!keepsLines(code, trapped))
            std::abort();
        if (generators::RemoveLocalErrorHandler(trapped).size() > trapped.size() + 16)
            std::abort();
    } catch (const common::UserMessageError &) {
    }

    const std::string report = generators::AnalyzeControlStructures(code);
    for (std::string_view line : common::splitLines(code)) {
        if (report.find(line) == std::string::npos)
            std::abort();
    }

    const generators::DocBlockSettings settings = test::docBlockSettings(templ, "1/2/2026");
    try {
        generators::DocumentProcedure(code, settings);
    } catch (const common::UserMessageError &) {
    }

    std::string text =
        generators::loadNewProcedure(templ, {"Author", "Date Created", code, "1/2/2026"});
    text = generators::applyProcedureName(text, code.substr(0, 40));
    text = generators::applyPrivateScope(generators::applyFunctionKind(text));
    generators::applyPublicScope(generators::applySubKind(text));
    return 0;
}
