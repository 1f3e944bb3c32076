// Re-indenting code by its block structure: the palette's and the editor's indenter.
#pragma once

#include "common/TextSink.h"

#include <string>
#include <string_view>

namespace qm::platform {
class LineReader;
}

namespace qm::codetext {

/// The palette's indenter: every line re-indented by `tabSize` spaces per block level that its
/// keywords open and close; a label goes to the first column. The result always ends with
/// CR LF. Throws UserMessageError ("Nothing Selected") for an empty text.
std::string IndentBlock(std::string_view text, int tabSize);

/// The editor's indenter: as IndentBlock, except that a line holding "Case" may be a label and
/// the empty-text message is the editor's ("Error").
std::string IndentLines(std::string_view text, int tabSize);

/// The same indenters writing into `out` as they go.
void IndentBlock(std::string_view text, int tabSize, common::TextSink &out);
void IndentLines(std::string_view text, int tabSize, common::TextSink &out);
/// ... reading their lines as they go.
void IndentBlock(platform::LineReader &lines, int tabSize, common::TextSink &out);
void IndentLines(platform::LineReader &lines, int tabSize, common::TextSink &out);

} // namespace qm::codetext
