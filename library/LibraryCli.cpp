// qm library, clone, textbox-code, delete-controls and paste-menu: the object library's store
// and its form rewrites from the command line.
#include "library/LibraryCli.h"

#include "common/Cli.h"
#include "common/ErrorReports.h"
#include "library/FormRewrite.h"
#include "library/FileNames.h"
#include "library/ObjectStore.h"
#include "platform/FileSystem.h"
#include "platform/FormBackup.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace qm::library {
namespace {

using common::cli::Invocation;
using common::cli::UsageError;

[[noreturn]] void fileError(const std::string &path, const platform::VbError &e)
{
    throw common::UserMessageError(
        {"File Error", path + ": " + e.description, platform::mb::Critical});
}

std::string readNamed(const std::string &path)
{
    try {
        return platform::readFile(path);
    } catch (const platform::VbError &e) {
        fileError(path, e);
    }
}

bool sameFile(const std::string &a, const std::string &b)
{
    if (upperTrimmed(a) == upperTrimmed(b))
        return true;
    std::error_code ec;
    return std::filesystem::equivalent(platform::resolvePath(a), platform::resolvePath(b), ec);
}

ObjectLibrary libraryOf(const Invocation &in)
{
    if (in.hasOption("--dir"))
        return ObjectLibrary::inDirectory(in.option("--dir"));
    return ObjectLibrary::ofProgram();
}

ObjectKind kindArgument(const Invocation &in, std::size_t at)
{
    if (in.arguments.size() <= at)
        throw UsageError{"qm library needs a KIND (procs, controls, forms, modules, classes)"};
    std::optional<ObjectKind> kind = kindNamed(in.arguments[at]);
    if (!kind)
        throw UsageError{"unknown KIND \"" + in.arguments[at] +
                         "\" (procs, controls, forms, modules, classes)"};
    return *kind;
}

std::size_t recordNamed(const ObjectLibrary &library, ObjectKind kind, const std::string &name)
{
    std::optional<std::size_t> index = library.find(kind, name);
    if (!index)
        throw common::UserMessageError({"No Object Selected",
                                        "The library holds no object named " + name + ".",
                                        platform::mb::Exclamation});
    return *index;
}

std::string runLibrary(const Invocation &in)
{
    if (in.arguments.empty())
        throw UsageError{"qm library needs list, add, get or delete"};
    const std::string &action = in.arguments.front();
    const ObjectKind kind = kindArgument(in, 1);
    ObjectLibrary library = libraryOf(in);
    const std::string listPath = library.pathOf(kindInfo(kind).listFile);
    try {
        if (action == "list") {
            if (in.arguments.size() != 2)
                throw UsageError{"usage: qm library list KIND"};
            std::string out;
            for (const ProcNameObj &record : library.load(kind))
                out += record.ProcName + "\t" + record.ProcAlias + "\t" + record.ProcDesc + "\n";
            return out;
        }
        if (action == "add") {
            if (in.arguments.size() != 3)
                throw UsageError{"usage: qm library add KIND FILE --desc TEXT [--lib-name TEXT]"};
            if (!in.hasOption("--desc"))
                throw UsageError{"qm library add needs --desc"};
            const std::string &file = in.arguments[2];
            const std::string bytes = readNamed(file);
            std::string name = in.option("--lib-name");
            if (kind == ObjectKind::Procs && name.empty())
                name = GetNameFromProc(bytes);
            if (name.empty())
                throw common::UserMessageError(
                    kind == ObjectKind::Procs
                        ? common::UserMessage{"No Action",
                                              "The file holds no Sub or Function header.",
                                              platform::mb::Exclamation}
                        : common::UserMessage{"Input Error", "A name is needed (--lib-name).",
                                              platform::mb::Exclamation});
            std::optional<std::string> frx;
            const std::string frxPath = platform::withExtension(file, ".frx");
            if ((kind == ObjectKind::Forms || kind == ObjectKind::Controls) && frxPath != file &&
                platform::fileExists(frxPath))
                frx = readNamed(frxPath);
            return library.add(kind, name, in.option("--desc"), bytes, frx) + "\n";
        }
        if (action == "get" || action == "delete") {
            if (in.arguments.size() != 3)
                throw UsageError{"usage: qm library " + action + " KIND NAME"};
            const std::size_t index = recordNamed(library, kind, in.arguments[2]);
            if (action == "delete") {
                library.remove(kind, index);
                return {};
            }
            const ProcNameObj record = library.load(kind)[index];
            try {
                return library.read(record);
            } catch (const platform::VbError &) {
                throw common::UserMessageError({"Get Object Failed",
                                                "Can't open " + record.ProcAlias,
                                                platform::mb::Critical});
            }
        }
    } catch (const platform::VbError &e) {
        fileError(listPath, e);
    }
    throw UsageError{"unknown library action \"" + action + "\" (list, add, get, delete)"};
}

// Writes the rewritten form: to standard output, or over `path` after its backups.
std::string finish(const Invocation &in,
                   const std::string &path,
                   const std::string &after,
                   platform::FrxBackup frxBackup)
{
    if (!in.hasOption("--in-place"))
        return after;
    try {
        platform::rewriteFormWithBackups(path, after, frxBackup);
    } catch (const platform::VbError &e) {
        fileError(path, e);
    }
    return {};
}

std::string runDeleteControls(const Invocation &in)
{
    if (in.arguments.empty())
        throw common::UserMessageError(
            {"No Action", "No controls selected for deletion!", platform::mb::Exclamation});
    if (in.hasOption("--in-place") && in.file.empty())
        throw UsageError{"--in-place needs a FORM file"};
    return finish(in, in.file, deleteControls(in.input, in.arguments),
                  platform::FrxBackup::IfPresent);
}

std::string runPasteMenu(const Invocation &in)
{
    if (in.arguments.size() != 1)
        throw UsageError{"usage: qm paste-menu [--in-place] SRC DST"};
    const std::string &destination = in.arguments.front();
    if (!in.file.empty() && sameFile(in.file, destination))
        throw common::UserMessageError({"File Name Error",
                                        "Output Form Name can't be the same as the original!",
                                        platform::mb::Exclamation});
    const std::string target = readNamed(destination);
    return finish(in, destination, pasteMenu(in.input, target), platform::FrxBackup::Skip);
}

std::string runClone(const Invocation &in)
{
    if (in.file.empty() || in.arguments.size() != 2)
        throw UsageError{"usage: qm clone [--caption TEXT] SRC DST NAME"};
    const std::string &source = in.file;
    const std::string &target = in.arguments[0];
    const std::string &name = in.arguments[1];
    if (upperTrimmed(target).empty())
        throw common::UserMessageError({"Input Error",
                                        "You must select a Filename for your New Object!",
                                        platform::mb::Exclamation});
    if (sameFile(source, target))
        throw common::UserMessageError({"File Name Error",
                                        "Cloned Form Name can't be the same as the original!",
                                        platform::mb::Exclamation});
    if (upperTrimmed(name).empty())
        throw common::UserMessageError({"Input Error", "You must choose a name for Cloned Object!",
                                        platform::mb::Exclamation});
    const std::string extension = upperTrimmed(platform::fileNamePart(source));
    const bool isForm = extension.size() > 4 && extension.substr(extension.size() - 4) == ".FRM";
    if (platform::fileExists(target))
        throw common::UserMessageError({"File Name Error",
                                        target + " already exists; nothing was cloned.",
                                        platform::mb::Exclamation});

    CloneRequest request;
    request.internalName = name;
    if (isForm) {
        request.caption = in.option("--caption");
        if (upperTrimmed(request.caption).empty())
            request.caption = "Cloned from " + platform::fileNamePart(source);
        request.sourceFrx = platform::fileNamePart(platform::withExtension(source, ".frx"));
        request.targetFrx = platform::fileNamePart(platform::withExtension(target, ".frx"));
    }
    const std::string text = cloneObjectText(in.input, request);
    try {
        const std::string frx = platform::withExtension(source, ".frx");
        if (isForm && platform::fileExists(frx))
            platform::copyFile(frx, platform::withExtension(target, ".frx"));
        platform::writeFile(target, text);
    } catch (const platform::VbError &e) {
        throw common::UserMessageError({"CopyMenu Error",
                                        "Copy/Delete has encountered an error.  You \r\n"
                                        "need to check the status of the file to which\r\n"
                                        "we were copying the menu to.\r\nError: " +
                                            e.description,
                                        platform::mb::Critical});
    }
    return {};
}

std::string runTextBoxCode(const Invocation &in)
{
    std::vector<TextBoxControl> controls;
    for (const std::string &word : in.arguments) {
        std::optional<TextBoxControl> control = parseTextBoxControl(word);
        if (!control)
            throw UsageError{"\"" + word + "\" is no control name (NAME or NAME(INDEX))"};
        controls.push_back(*control);
    }
    if (controls.empty())
        throw common::UserMessageError(
            {"No Action", "No controls selected!", platform::mb::Exclamation});
    TextBoxOptions options;
    options.enterToTab = in.hasOption("--enter-tab");
    options.killBeep = in.hasOption("--kill-beep");
    options.selectOnFocus = in.hasOption("--select-on-focus");
    return textBoxCode(controls, options);
}

} // namespace

void addLibraryCommands(common::cli::CommandTable &table)
{
    common::cli::Command library{
        "library",
        "list KIND | add KIND FILE | get KIND NAME | delete KIND NAME: the object library "
        "(KIND: procs, controls, forms, modules, classes)",
        false,
        {{"--dir", true, "DIR  the library directory (default: the program directory)"},
         {"--desc", true, "TEXT  the description of an object added"},
         {"--lib-name", true, "TEXT  the name of an object added (procedures: from the header)"}},
        runLibrary};
    library.wordsBeforeFile = 3;
    table.add(std::move(library));

    common::cli::Command clone{
        "clone",
        "SRC DST NAME: a form, module or class cloned to DST with the internal name NAME",
        true,
        {{"--caption", true, "TEXT  the new form's caption (default \"Cloned from \" SRC)"}},
        runClone};
    clone.wordsAfterFile = true;
    table.add(std::move(clone));

    common::cli::Command textbox{
        "textbox-code",
        "CONTROL...: the event code behind text boxes; NAME(INDEX) marks a control-array member",
        false,
        {{"--enter-tab", false, "Enter moves to the next control (KeyDown)"},
         {"--kill-beep", false, "no beep on Enter (KeyPress)"},
         {"--select-on-focus", false, "the text is selected on focus (GotFocus)"}},
        runTextBoxCode};
    textbox.wordsBeforeFile = 1000;
    table.add(std::move(textbox));

    common::cli::Command remove{
        "delete-controls",
        "FORM CONTROL...: the form without the controls, the controls inside them and their "
        "event code",
        true,
        {{"--in-place", false, "rewrite FORM (backups .bk$ and .bx$ beside it)"}},
        runDeleteControls};
    remove.wordsAfterFile = true;
    table.add(std::move(remove));

    common::cli::Command menu{"paste-menu",
                              "SRC DST: DST with the menus of SRC and their event code",
                              true,
                              {{"--in-place", false, "rewrite DST (backup .bk$ beside it)"}},
                              runPasteMenu};
    menu.wordsAfterFile = true;
    table.add(std::move(menu));
}

} // namespace qm::library
