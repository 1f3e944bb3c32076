// The host round trips of the procedure tools.
#include "generators/ProcedureGlue.h"

#include "common/ErrorReports.h"
#include "common/HostRoundTrip.h"
#include "common/Settings.h"
#include "generators/DocBlock.h"
#include "generators/ErrorTrap.h"
#include "platform/AppFiles.h"
#include "platform/Dates.h"
#include "platform/FileSystem.h"
#include "platform/UiRuntime.h"

#include <functional>

namespace qm::generators {
namespace {

bool isBlankText(std::string_view text)
{
    return text.find_first_not_of(" \r\n") == std::string_view::npos;
}

// Copies the procedure, runs the engine and pastes its text over the selection; an engine that
// fails pastes nothing.
void replaceProcedure(std::string_view operation,
                      std::string_view selectKeys,
                      const std::function<std::string(const std::string &)> &engine)
{
    const std::optional<std::string> code = copyProcedure(operation, selectKeys);
    if (!code)
        return;
    std::optional<std::string> result;
    if (!common::guarded(operation, [&] { result = engine(*code); }) || !result)
        return;
    common::HostRoundTrip(operation).returnText(*result);
}

} // namespace

std::optional<std::string> copyProcedure(std::string_view operation, std::string_view selectKeys)
{
    common::HostRoundTrip trip(operation);
    std::optional<std::string> text = trip.readSelection();
    if (!text || !isBlankText(*text))
        return text;
    const std::string keys = std::string(selectKeys) + common::settings().keys.CopyToClipboard;
    if (!trip.sendKeys(keys))
        return std::nullopt;
    if (!common::guarded(operation, [&] { text = platform::ui().clipboardText(); }))
        return std::nullopt;
    return text;
}

void pbSubErrorTrapping_Click()
{
    replaceProcedure("GenLocalErrorTrap", kTrapSelectKeys,
                     [](const std::string &code) { return GenLocalErrorTrap(code); });
}

void pbDefaultErrHandler_Click()
{
    common::HostRoundTrip("pbDefaultErrHandler_Click").insert([] { return moduleErrorHandler(); });
}

void pbRemove_Click()
{
    auto &ui = platform::ui();
    common::ignoreErrors([&] { ui.setMousePointer(11); });
    replaceProcedure("RemoveLocalErrorHandler", kRemoveSelectKeys,
                     [](const std::string &code) { return RemoveLocalErrorHandler(code); });
    common::ignoreErrors([&] { ui.setMousePointer(0); });
}

std::string generatorDate()
{
    return platform::formatDate(platform::today(), "m/d/yyyy", platform::dateSeparator());
}

DocBlockSettings currentDocBlockSettings()
{
    const common::ProgramSettings &program = common::settings();
    DocBlockSettings s;
    s.templateText =
        platform::readFile(platform::appFilePath("doctmplt.txt", platform::AppFile::Shipped));
    s.useKeywords(program.keywords);
    s.programmer = common::fixedWidthName(program.programmer());
    s.company = common::fixedWidthName(program.company());
    s.date = generatorDate();
    return s;
}

std::string readNewProcTemplate()
{
    return platform::readFile(platform::appFilePath("newproc.txt", platform::AppFile::Shipped));
}

void pbDocTemplate_Click()
{
    // The template is read before anything is copied: a missing one is reported and the
    // selection stays as it is.
    std::optional<DocBlockSettings> settings;
    if (!common::guarded("pbDocTemplate_Click", [&] { settings = currentDocBlockSettings(); }))
        return;
    replaceProcedure("pbDocTemplate_Click", kTrapSelectKeys,
                     [&](const std::string &code) { return DocumentProcedure(code, *settings); });
}

} // namespace qm::generators
