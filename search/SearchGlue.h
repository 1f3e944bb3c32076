// The code finder's round trip to the host: taking the host's code window to a hit.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm::search {

/// The keystrokes that take the host's code window to line `lineNumber` of `procedure` (its
/// header is line 1): the host's Find for the procedure text, trimmed and escaped for the
/// send-keys notation, Enter, and Down to the line. Lines before the first procedure are
/// counted from the top of the module instead, which Ctrl+Home reaches.
std::string codeWindowKeys(std::string_view procedure, int64_t lineNumber);

/// Show Code Window: activates the host window by its recorded caption and sends the keys.
/// A failure is reported as the system error of "pbLoadCodeEditor_Click".
void ShowCodeWindow(std::string_view procedure, int64_t lineNumber);

} // namespace qm::search
