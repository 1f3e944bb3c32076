// Taking the host's current procedure: what the object library and the generators copy out of
// the code window before they work on it.
#pragma once

#include <string>

namespace qm::codetext {

/// The keys that show the code window and select its whole procedure: view code, the start of
/// the procedure, then the selection to its end.
inline constexpr const char *kSelectWholeProcedureKeys = "{F7}^{HOME}^+({END})";

/// Copies the host's selection through the clipboard. When nothing (or only blanks) was
/// selected, shows the code window, selects its whole procedure and copies that. Returns the
/// text copied, possibly empty. Never throws: a failure is shown as the system error report
/// "CaptureCurrentProc" and gives what was copied so far.
std::string CaptureCurrentProc();

} // namespace qm::codetext
