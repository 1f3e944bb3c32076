// qm block: the change-block marker engines on the command line.
#include "changes/ChangeBlockCli.h"

#include "changes/ChangeBlock.h"
#include "common/Cli.h"

namespace qm::changes {

void addChangeBlockCommands(common::cli::CommandTable &table)
{
    using common::cli::Invocation;
    auto date = [](const Invocation &in) {
        return markerDate(in.today, in.dateSeparator);
    };
    table.add({"block add",
               "an empty addition block to type new code into",
               false,
               {},
               [date](const Invocation &in) {
                   return AddBlock(in.programmerName, date(in));
               }});
    table.add({"block change",
               "enclose the selection in change markers",
               true,
               {},
               [date](const Invocation &in) {
                   return ChangeBlock(in.input, in.programmerName, date(in));
               }});
    table.add({"block delete",
               "comment the selection out inside deletion markers",
               true,
               {},
               [date](const Invocation &in) {
                   return DeletionBlock(in.input, in.programmerName, date(in));
               }});
    table.add({"block remove",
               "resolve the blocks: drop markers and deleted code",
               true,
               {},
               [](const Invocation &in) {
                   return RemoveBlocking(in.input);
               }});
}

} // namespace qm::changes
