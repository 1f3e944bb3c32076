// qm commands over the comment, uncomment and indent engines.
#include "codetext/CodeTextCli.h"

#include "codetext/Comment.h"
#include "codetext/Indent.h"
#include "common/Cli.h"

namespace qm::codetext {

void addCommentCommands(common::cli::CommandTable &table)
{
    using common::cli::Invocation;
    table.add({"comment",
               "comment the selection out as a dated block (palette)",
               true,
               {},
               [](const Invocation &in) {
                   return CommentBlock(in.input, commentDate(in.today, in.dateSeparator),
                                       in.programmerName);
               }});
    table.add({"uncomment",
               "take comments and block markers away (palette)",
               true,
               {},
               [](const Invocation &in) {
                   return UncommentBlock(in.input);
               }});
    table.add(
        {"indent", "re-indent by block structure (palette)", true, {}, [](const Invocation &in) {
             return IndentBlock(in.input, in.tabSize);
         }});
    table.add({"comment-lines",
               "put an apostrophe before each line (editor)",
               true,
               {},
               [](const Invocation &in) {
                   return CommentLines(in.input);
               }});
    table.add({"uncomment-lines",
               "take each line's first apostrophe away (editor)",
               true,
               {},
               [](const Invocation &in) {
                   return UncommentLines(in.input);
               }});
    table.add({"indent-lines",
               "re-indent by block structure (editor)",
               true,
               {},
               [](const Invocation &in) {
                   return IndentLines(in.input, in.tabSize);
               }});
}

} // namespace qm::codetext
