// qm msgbox, qm inputbox, qm dialog and qm help-topics: the message box, input box and common
// dialog generators and the help topic reader on the command line.
#include "generators/DesignerCli.h"

#include "common/Cli.h"
#include "common/ErrorReports.h"
#include "generators/CommonDialog.h"
#include "generators/HelpTopics.h"
#include "generators/InputBox.h"
#include "generators/MsgBox.h"

#include <set>

namespace qm::generators {
namespace {

using common::cli::Invocation;
using common::cli::UsageError;

// How many buttons each button style shows: the default button must be one of them.
constexpr int kButtonCounts[] = {1, 2, 3, 3, 2, 2};

std::string runMsgBox(const Invocation &invocation)
{
    MsgBoxDesign design;
    design.message = invocation.input;

    const std::string kind = invocation.option("--kind", "S");
    if (kind != "S" && kind != "F")
        throw UsageError{"--kind takes S or F, not \"" + kind + "\""};
    design.kind = kind[0];

    design.buttons = invocation.intOption("--buttons", 0, 0, 5);
    const int count = kButtonCounts[design.buttons];
    const int defaultButton = invocation.intOption("--default", 1, 1, 3);
    if (defaultButton > count)
        throw UsageError{"--default " + std::to_string(defaultButton) + ": button style " +
                         std::to_string(design.buttons) + " has " +
                         (count == 1 ? "one button" : std::to_string(count) + " buttons")};
    design.defaultButton = (defaultButton - 1) * 256;

    design.icon = invocation.intOption("--icon", 16, 0, 64);
    if (design.icon % 16 != 0)
        throw UsageError{"--icon takes 0, 16, 32, 48 or 64, not \"" + invocation.option("--icon") +
                         "\""};
    if (invocation.hasOption("--system-modal"))
        design.modal = 4096;
    design.title = invocation.option("--title", design.title);
    return SetUpPaintProc(design);
}

std::string textOption(const Invocation &invocation, const std::string &name, std::string fallback)
{
    if (!invocation.hasOption(name))
        return fallback;
    return common::cli::terminalTextToCp1252(invocation.option(name));
}

std::string runInputBox(const Invocation &invocation)
{
    InputBoxDesign design;
    design.prompt = invocation.input;
    design.caption = textOption(invocation, "--caption", design.caption);
    design.defaultText = textOption(invocation, "--default", design.defaultText);
    return inputBoxCode(design);
}

struct KindName
{
    std::string_view name;
    int kind;
};
constexpr KindName kKinds[] = {
    {"open", dialog::OpenFile}, {"save", dialog::SaveAs},     {"color", dialog::Color},
    {"font", dialog::Font},     {"printer", dialog::Printer}, {"help", dialog::Help},
};

int dialogKind(const Invocation &invocation)
{
    if (!invocation.hasOption("--kind"))
        throw UsageError{"--kind is required: open, save, color, font, printer or help"};
    const std::string name = invocation.option("--kind");
    for (const KindName &kind : kKinds)
        if (kind.name == name)
            return kind.kind;
    throw UsageError{"--kind takes open, save, color, font, printer or help, not \"" + name + "\""};
}

// The selected lines in list order, whatever the order of the names on the command line.
std::vector<std::string> selectedFlagLines(int kind, const std::string &names)
{
    const auto lines = dialogFlagLines(kind);
    std::set<std::string> wanted;
    size_t start = 0;
    while (start <= names.size()) {
        size_t comma = names.find(',', start);
        if (comma == std::string::npos)
            comma = names.size();
        const std::string name = names.substr(start, comma - start);
        bool known = false;
        for (std::string_view line : lines)
            known = known || flagName(line) == name;
        if (!known) {
            std::string list;
            for (std::string_view line : lines)
                list += (list.empty() ? "" : ", ") + std::string(flagName(line));
            throw UsageError{"unknown flag \"" + name + "\" for this kind; its flags: " + list};
        }
        wanted.insert(name);
        start = comma + 1;
    }
    std::vector<std::string> selected;
    for (std::string_view line : lines)
        if (wanted.count(std::string(flagName(line))))
            selected.emplace_back(line);
    return selected;
}

std::string runDialog(const Invocation &invocation)
{
    CommonDialogDesign design;
    design.kind = dialogKind(invocation);
    design.caption =
        textOption(invocation, "--caption", std::string(dialogInitialTitle(design.kind)));
    design.filter = textOption(invocation, "--filter", {});
    if (invocation.hasOption("--flags"))
        design.selectedLines = selectedFlagLines(design.kind, invocation.option("--flags"));
    return commonDialogCode(design);
}

std::string runHelpTopics(const Invocation &invocation)
{
    const char kind = contextFileKind(invocation.file);
    if (kind == 0)
        throw common::UserMessageError({"Unknown File Type", "Unknown Context ID File Type!", 16});
    std::string out;
    for (const std::string &item : contextTopics(invocation.input, kind))
        out.append(item).append("\n");
    return out;
}

} // namespace

void addMsgBoxCommands(common::cli::CommandTable &table)
{
    table.add({
        .name = "msgbox",
        .summary = "the code that shows a message box; the message lines are the input",
        .options =
            {
                {"--kind", true, "S|F  statement (default) or function with an answer block"},
                {"--buttons", true,
                 "0..5  OK (default), OK/Cancel, Abort/Retry/Ignore, "
                 "Yes/No/Cancel, Yes/No, Retry/Cancel"},
                {"--default", true, "1|2|3  the default button (default 1)"},
                {"--icon", true,
                 "0|16|32|48|64  none, Stop, Question, Exclamation, Information "
                 "(default 16)"},
                {"--system-modal", false, " a system-modal box, which carries no icon"},
                {"--title", true, "TEXT  the box's title (default \"MsgBox Caption\"), trimmed"},
            },
        .run = runMsgBox,
    });
}

void addDesignerCommands(common::cli::CommandTable &table)
{
    table.add({
        .name = "inputbox",
        .summary = "the code that asks with an input box; the prompt is the input",
        .options =
            {
                {"--caption", true,
                 "TEXT  the window caption (default \"Window Caption\"), trimmed"},
                {"--default", true,
                 "TEXT  the default answer (default \"Default Input Text\"), trimmed"},
            },
        .run = runInputBox,
    });
    table.add({
        .name = "dialog",
        .summary = "the code that shows a common dialog through CommonDialog1",
        .readsInput = false,
        .options =
            {
                {"--kind", true, "open|save|color|font|printer|help  the dialog (required)"},
                {"--caption", true,
                 "TEXT  the dialog caption, or the help file for help (default: the kind's own)"},
                {"--filter", true, "TEXT  the file filter of open and save (default empty)"},
                {"--flags", true, "NAME,NAME...  flag constants of the kind (OFN_READONLY,...)"},
            },
        .run = runDialog,
    });
    table.add({
        .name = "help-topics",
        .summary = "the topics and context numbers of a .hh, .bas or .rtf file, one a line",
        .options = {},
        .run = runHelpTopics,
    });
}

} // namespace qm::generators
