// qm block: the change-block marker engines on the command line.
#include "changes/ChangeBlockCli.h"

#include "changes/ChangeBlock.h"
#include "common/Cli.h"

namespace qm::changes {

void addChangeBlockCommands(common::cli::CommandTable &table)
{
    using common::cli::Invocation;
    auto date = [](const Invocation &in) {
        return markerDate(in.today, in.dateSeparator());
    };
    table.add({"block add",
               "an empty addition block to type new code into",
               false,
               {},
               [date](const Invocation &in) {
                   return AddBlock(in.programmerName, date(in));
               }});
    using common::TextSink;
    using common::cli::lineCommand;
    table.add(lineCommand("block change", "enclose the selection in change markers",
                          [date](const Invocation &in, TextSink &out) {
                              ChangeBlock(in.text(), in.programmerName, date(in), out);
                          }));
    table.add(lineCommand("block delete", "comment the selection out inside deletion markers",
                          [date](const Invocation &in, TextSink &out) {
                              DeletionBlock(in.text(), in.programmerName, date(in), out);
                          }));
    table.add(
        lineCommand("block remove", "resolve the blocks: drop markers and deleted code",
                    [](const Invocation &in, TextSink &out) { RemoveBlocking(in.text(), out); }));
}

} // namespace qm::changes
