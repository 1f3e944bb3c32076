// qm block: the change-block marker engines on the command line.
#include "changes/ChangeBlockCli.h"

#include "changes/ChangeBlock.h"
#include "common/Cli.h"
#include "platform/LineReader.h"

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
                   return AddBlock(in.programmerName(), date(in));
               }});
    using common::TextSink;
    using common::cli::streamingLineCommand;
    using platform::LineReader;
    table.add(streamingLineCommand("block change", "enclose the selection in change markers",
                                   [date](const Invocation &in, LineReader &lines, TextSink &out) {
                                       ChangeBlock(lines, in.programmerName(), date(in), out);
                                   }));
    table.add(streamingLineCommand("block delete",
                                   "comment the selection out inside deletion markers",
                                   [date](const Invocation &in, LineReader &lines, TextSink &out) {
                                       DeletionBlock(lines, in.programmerName(), date(in), out);
                                   }));
    table.add(streamingLineCommand(
        "block remove", "resolve the blocks: drop markers and deleted code",
        [](const Invocation &, LineReader &lines, TextSink &out) { RemoveBlocking(lines, out); }));
}

} // namespace qm::changes
