// qm msgbox: the message box generator on the command line.
#include "generators/QmCommands.h"

#include "common/Cli.h"
#include "generators/MsgBox.h"

namespace qm::generators {
namespace {

// How many buttons each button style shows: the default button must be one of them.
constexpr int kButtonCounts[] = {1, 2, 3, 3, 2, 2};

std::string runMsgBox(const common::cli::Invocation &invocation)
{
    using common::cli::UsageError;
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
        throw UsageError{"--default " + std::to_string(defaultButton) + ": button style "
                         + std::to_string(design.buttons) + " has "
                         + (count == 1 ? "one button" : std::to_string(count) + " buttons")};
    design.defaultButton = (defaultButton - 1) * 256;

    design.icon = invocation.intOption("--icon", 16, 0, 64);
    if (design.icon % 16 != 0)
        throw UsageError{"--icon takes 0, 16, 32, 48 or 64, not \"" + invocation.option("--icon")
                         + "\""};
    if (invocation.hasOption("--system-modal"))
        design.modal = 4096;
    design.title = invocation.option("--title", design.title);
    return SetUpPaintProc(design);
}

} // namespace

void addMsgBoxCommands(common::cli::CommandTable &table)
{
    common::cli::Command command;
    command.name = "msgbox";
    command.summary = "the code that shows a message box; the message lines are the input";
    command.options = {
        {"--kind", true, "S|F  statement (default) or function with an answer block"},
        {"--buttons", true, "0..5  OK (default), OK/Cancel, Abort/Retry/Ignore, Yes/No/Cancel, "
                            "Yes/No, Retry/Cancel"},
        {"--default", true, "1|2|3  the default button (default 1)"},
        {"--icon", true, "0|16|32|48|64  none, Stop, Question, Exclamation, Information "
                         "(default 16)"},
        {"--system-modal", false, " a system-modal box, which carries no icon"},
        {"--title", true, "TEXT  the box's title (default \"MsgBox Caption\"), trimmed"},
    };
    command.run = runMsgBox;
    table.add(std::move(command));
}

} // namespace qm::generators
