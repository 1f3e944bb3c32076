// The editor's text box holds lines separated by LF; files and the clipboard hold them with
// their own line ends. These convert between the two without losing a byte.
#pragma once

#include <string>
#include <string_view>

namespace qm::codetext {

/// The line end a text uses first: CR LF, LF or CR; CR LF for a text without one.
std::string_view lineEndOf(std::string_view text);
/// Every line end (CR LF, LF or CR) as LF.
std::string toEditorText(std::string_view text);
/// Every LF as `lineEnd`.
std::string fromEditorText(std::string_view editorText, std::string_view lineEnd = "\r\n");

} // namespace qm::codetext
