// The control structure analyzer: numbers the nesting depth of every block statement of a piece
// of code and marks closing statements that do not match the block opened last.
#pragma once

#include <string>
#include <string_view>

namespace qm::generators {

/// The analyzer's listing: each line of `code` behind a prefix of its nesting level (blanks for
/// plain lines), ended by CR LF, with a note line after a closing statement whose kind does not
/// match the kind opened last. Linear in the code and the listing's indentation.
std::string AnalyzeControlStructures(std::string_view code);

} // namespace qm::generators
