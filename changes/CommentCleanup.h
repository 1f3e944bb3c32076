// Delete Comments: the comment lines of a selection taken out, all of them or only the lines the
// product's comment blocks and change markers wrote.
#pragma once

#include "common/TextSink.h"

#include <string>
#include <string_view>

namespace qm::platform {
class LineReader;
}

namespace qm::changes {

enum class CommentKind {
    All,    ///< every line whose text starts with "'"
    Product ///< only lines whose text starts with "'*"
};

/// The selection without its comment lines, every other line as it was (its own line end
/// included, and a last line without one). A code line keeps its trailing comment. Throws
/// UserMessageError ("No Selected Text") for a blank selection.
std::string DeleteCommentedCode(std::string_view selection, CommentKind kind);
/// The same, reading the selection's lines as they come and writing into `kept` as it goes; it
/// throws before writing anything.
void DeleteCommentedCode(platform::LineReader &lines, CommentKind kind, common::TextSink &kept);

} // namespace qm::changes
