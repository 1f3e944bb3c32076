// qm procedures: the editor's module-mode division as a listing.
#include "codetext/CodeTextCli.h"

#include "codetext/ModuleDivision.h"
#include "common/Cli.h"
#include "common/ErrorReports.h"

namespace qm::codetext {
namespace {

std::string listProcedures(std::string_view text, ModuleKind kind)
{
    if (looksBinary(text))
        throw common::UserMessageError(binaryFileMessage());
    std::string out;
    for (const auto &entry : divideModule(text, kind))
        out.append(entry.name).append(1, '\t').append(std::to_string(entry.line)).append(1, '\n');
    return out;
}

} // namespace

void addModuleCommands(common::cli::CommandTable &table)
{
    using common::cli::Invocation;
    common::cli::Command command;
    command.name = "procedures";
    command.summary = "the editor's module division: NAME TAB LINE per entry";
    command.options = {{"--frm", false, "the input is a form: skip its form description"}};
    command.run = [](const Invocation &in) {
        ModuleKind kind = in.hasOption("--frm") ? ModuleKind::Form : moduleKindOf(in.file);
        return listProcedures(in.text(), kind);
    };
    command.readsInPlace = true;
    table.add(std::move(command));
}

} // namespace qm::codetext
