// Commenting code out and back in: the palette's dated comment block and the editor's
// line-by-line comments.
#pragma once

#include "common/TextSink.h"
#include "platform/Dates.h"

#include <string>
#include <string_view>

namespace qm::platform {
class LineReader;
}

namespace qm::codetext {

/// The date of a comment block's header: "m/d/yy" with the system's date separator.
std::string commentDate(const platform::Date &date, char separator);

/// The palette's comment: the selection as a block of "'* " lines at the first line's indent,
/// between a header naming `date` and the (trimmed) programmer and an end-of-block trailer.
/// Every line written ends with CR LF. Throws UserMessageError ("Comment Error") for an empty
/// text.
std::string CommentBlock(std::string_view text, std::string_view date, std::string_view programmer);

/// The palette's uncomment: takes one comment mark off each line and drops the marker lines of
/// comment and change blocks. Throws UserMessageError ("Nothing Selected") for an empty text;
/// the glue copies the selection once more before calling it.
std::string UncommentBlock(std::string_view text);

/// The editor's comment: an apostrophe before each line's text, at the line's indent.
std::string CommentLines(std::string_view text);
/// The editor's uncomment: the first apostrophe of each line that starts with one goes, and
/// trailing blanks with it.
std::string UncommentLines(std::string_view text);

/// The same engines writing into `out` as they go, for output passed on in pieces.
void CommentBlock(std::string_view text,
                  std::string_view date,
                  std::string_view programmer,
                  common::TextSink &out);
void UncommentBlock(std::string_view text, common::TextSink &out);
void CommentLines(std::string_view text, common::TextSink &out);
void UncommentLines(std::string_view text, common::TextSink &out);

/// The same engines reading their lines as they go (a large file read in pieces).
void CommentBlock(platform::LineReader &lines,
                  std::string_view date,
                  std::string_view programmer,
                  common::TextSink &out);
void UncommentBlock(platform::LineReader &lines, common::TextSink &out);
void CommentLines(platform::LineReader &lines, common::TextSink &out);
void UncommentLines(platform::LineReader &lines, common::TextSink &out);

} // namespace qm::codetext
