// qm commands over the comment, uncomment and indent engines.
#include "codetext/CodeTextCli.h"

#include "codetext/Comment.h"
#include "codetext/Indent.h"
#include "common/Cli.h"
#include "platform/LineReader.h"

namespace qm::codetext {
using common::TextSink;
using common::cli::Invocation;
using common::cli::streamingLineCommand;

void addCommentCommands(common::cli::CommandTable &table)
{
    using platform::LineReader;
    table.add(
        streamingLineCommand("comment", "comment the selection out as a dated block (palette)",
                             [](const Invocation &in, LineReader &lines, TextSink &out) {
                                 CommentBlock(lines, commentDate(in.today, in.dateSeparator()),
                                              in.programmerName(), out);
                             }));
    table.add(streamingLineCommand(
        "uncomment", "take comments and block markers away (palette)",
        [](const Invocation &, LineReader &lines, TextSink &out) { UncommentBlock(lines, out); }));
    table.add(streamingLineCommand("indent", "re-indent by block structure (palette)",
                                   [](const Invocation &in, LineReader &lines, TextSink &out) {
                                       IndentBlock(lines, in.tabSize(), out);
                                   }));
    table.add(streamingLineCommand(
        "comment-lines", "put an apostrophe before each line (editor)",
        [](const Invocation &, LineReader &lines, TextSink &out) { CommentLines(lines, out); }));
    table.add(streamingLineCommand(
        "uncomment-lines", "take each line's first apostrophe away (editor)",
        [](const Invocation &, LineReader &lines, TextSink &out) { UncommentLines(lines, out); }));
    table.add(streamingLineCommand("indent-lines", "re-indent by block structure (editor)",
                                   [](const Invocation &in, LineReader &lines, TextSink &out) {
                                       IndentLines(lines, in.tabSize(), out);
                                   }));
}

} // namespace qm::codetext
