// qm errtrap, qm analyze, qm document and qm newproc: the procedure generators on the command
// line. Each writes exactly what the add-in would paste.
#include "generators/ProcedureCli.h"

#include "common/Cli.h"
#include "common/ErrorReports.h"
#include "common/Settings.h"
#include "generators/Analyzer.h"
#include "generators/DocBlock.h"
#include "generators/ErrorTrap.h"
#include "generators/NewProc.h"
#include "platform/AppFiles.h"
#include "platform/FileSystem.h"
#include "platform/VbError.h"

namespace qm::generators {
namespace {

using common::cli::Command;
using common::cli::Invocation;

// The keywords as the settings file holds them; those of the shipped settings when there is no
// settings file.
common::DocumentationKeywords documentationKeywords()
{
    common::DocumentationKeywords keywords{"Copyright", "Parameters", "Returns",     "Name",
                                           "Purpose",   "Author",     "Date Created"};
    try {
        if (!platform::fileExists(common::settingsFilePath()))
            return keywords;
        common::ProgramSettings read;
        common::readKeystrokesAndKeywords(read);
        return read.keywords;
    } catch (const platform::VbError &) {
        // An unreadable settings file leaves the shipped keywords.
        return keywords;
    }
}

std::string companyField()
{
    common::ProgramSettings read;
    try {
        if (platform::fileExists(common::settingsFilePath()))
            common::readNames(read);
    } catch (const platform::VbError &) {
        // The default name stays.
    }
    return read.companyName;
}

std::string readTemplate(const Invocation &invocation, std::string_view shippedName)
{
    const std::string path = invocation.hasOption("--template")
                                 ? invocation.option("--template")
                                 : platform::appFilePath(shippedName, platform::AppFile::Shipped);
    try {
        return platform::readFile(path);
    } catch (const platform::VbError &) {
        throw common::UserMessageError(common::fileOpenErrorReport(path));
    }
}

std::string today(const Invocation &invocation)
{
    return platform::formatDate(invocation.today, "m/d/yyyy", invocation.dateSeparator());
}

std::string runDocument(const Invocation &invocation)
{
    const common::DocumentationKeywords keywords = documentationKeywords();
    DocBlockSettings settings;
    settings.templateText = readTemplate(invocation, "doctmplt.txt");
    settings.useKeywords(keywords);
    settings.programmer = common::fixedWidthName(invocation.programmerName());
    settings.company = invocation.hasOption("--company")
                           ? common::fixedWidthName(
                                 common::cli::terminalTextToCp1252(invocation.option("--company")))
                           : companyField();
    settings.date = today(invocation);
    return DocumentProcedure(invocation.text(), settings);
}

std::string runNewProc(const Invocation &invocation)
{
    if (invocation.hasOption("--private") && invocation.hasOption("--public"))
        throw common::cli::UsageError{"--private and --public exclude each other"};
    const common::DocumentationKeywords keywords = documentationKeywords();
    NewProcLoad load{keywords.Author, keywords.DateCreated, invocation.programmerName(),
                     today(invocation)};
    std::string text = loadNewProcedure(readTemplate(invocation, "newproc.txt"), load);
    text = applyProcedureName(
        text, common::cli::terminalTextToCp1252(invocation.option("--proc-name", "NewProcName")));
    if (invocation.hasOption("--function"))
        text = applyFunctionKind(text);
    if (invocation.hasOption("--private"))
        text = applyPrivateScope(text);
    if (invocation.hasOption("--public"))
        text = applyPublicScope(text);
    return text;
}

Command command(std::string name,
                std::string summary,
                std::function<std::string(const Invocation &)> run,
                bool readsInput = true)
{
    Command c;
    c.name = std::move(name);
    c.summary = std::move(summary);
    c.run = std::move(run);
    c.readsInput = readsInput;
    c.readsInPlace = readsInput; // each reads its input through text()
    return c;
}

} // namespace

void addProcedureCommands(common::cli::CommandTable &table)
{
    table.add(command("errtrap add", "the procedure with a local error trap calling ErrHandler",
                      [](const Invocation &i) { return GenLocalErrorTrap(i.text()); }));
    table.add(command("errtrap remove", "the procedure with its local error trap taken out again",
                      [](const Invocation &i) { return RemoveLocalErrorHandler(i.text()); }));
    table.add(command(
        "errtrap handler", "the module error handler procedure ErrHandler",
        [](const Invocation &) { return moduleErrorHandler(); }, false));
    table.add(command("analyze",
                      "the nesting levels of the code's block statements, with mismatches",
                      [](const Invocation &i) { return AnalyzeControlStructures(i.text()); }));

    Command document = command(
        "document", "the procedure with a documentation block under its header", runDocument);
    document.options = {
        {"--template", true, "FILE  the template (default: doctmplt.txt of the program)"},
        {"--company", true, "TEXT  the company name (default: the settings file's)"},
    };
    table.add(std::move(document));

    Command newProc =
        command("newproc", "a new procedure made from the template", runNewProc, false);
    newProc.options = {
        {"--template", true, "FILE  the template (default: newproc.txt of the program)"},
        {"--proc-name", true, "NAME  the procedure's name (default NewProcName)"},
        {"--function", false, " a Function instead of a Sub"},
        {"--private", false, " Private scope"},
        {"--public", false, " Public scope"},
    };
    table.add(std::move(newProc));
}

} // namespace qm::generators
