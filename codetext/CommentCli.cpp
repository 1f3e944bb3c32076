// qm commands over the comment, uncomment and indent engines.
#include "codetext/CodeTextCli.h"

#include "codetext/Comment.h"
#include "codetext/Indent.h"
#include "common/Cli.h"

namespace qm::codetext {
using common::TextSink;
using common::cli::Invocation;
using common::cli::lineCommand;

void addCommentCommands(common::cli::CommandTable &table)
{
    table.add(lineCommand("comment", "comment the selection out as a dated block (palette)",
                          [](const Invocation &in, TextSink &out) {
                              CommentBlock(in.text(), commentDate(in.today, in.dateSeparator),
                                           in.programmerName, out);
                          }));
    table.add(lineCommand("uncomment", "take comments and block markers away (palette)",
                          [](const Invocation &in, TextSink &out) {
                              UncommentBlock(in.text(), out);
                          }));
    table.add(lineCommand("indent", "re-indent by block structure (palette)",
                          [](const Invocation &in, TextSink &out) {
                              IndentBlock(in.text(), in.tabSize, out);
                          }));
    table.add(lineCommand("comment-lines", "put an apostrophe before each line (editor)",
                          [](const Invocation &in, TextSink &out) {
                              CommentLines(in.text(), out);
                          }));
    table.add(lineCommand("uncomment-lines", "take each line's first apostrophe away (editor)",
                          [](const Invocation &in, TextSink &out) {
                              UncommentLines(in.text(), out);
                          }));
    table.add(lineCommand("indent-lines", "re-indent by block structure (editor)",
                          [](const Invocation &in, TextSink &out) {
                              IndentLines(in.text(), in.tabSize, out);
                          }));
}

} // namespace qm::codetext
