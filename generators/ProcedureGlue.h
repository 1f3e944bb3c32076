// The host round trips of the procedure tools: error traps, the module error handler, the
// documentation block and the analyzer's copy of the procedure. Qt-free.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm::generators {

struct DocBlockSettings;

/// The keys that show the code view and select the whole procedure, as each tool sends them.
inline constexpr std::string_view kTrapSelectKeys = "{F7}^({HOME})^+({END})";
inline constexpr std::string_view kRemoveSelectKeys = "{F7}^{HOME}^+{END}";
inline constexpr std::string_view kAnalyzerSelectKeys = "{F7}^{HOME}^+({END})";

/// Records the host, copies its selection and, when that is blank, shows the code view, selects
/// the whole procedure with `selectKeys` and copies again. Nothing when a step failed (reported
/// under `operation`).
std::optional<std::string> copyProcedure(std::string_view operation, std::string_view selectKeys);

/// "Paste Proc Err Handling": GenLocalErrorTrap over the selected procedure, pasted back.
void pbSubErrorTrapping_Click();
/// "Paste Module Error Handler": the ErrHandler procedure pasted at the cursor.
void pbDefaultErrHandler_Click();
/// "Remove Local Error Code": RemoveLocalErrorHandler over the selected procedure.
void pbRemove_Click();
/// "Document Proc": the documentation block under the selected procedure's header.
void pbDocTemplate_Click();

/// The documentation settings of the program: the template file read whole (throws its
/// VbError), the keywords, the programmer and company fields and today.
DocBlockSettings currentDocBlockSettings();

/// The new procedure template read whole (throws its VbError).
std::string readNewProcTemplate();
/// Today as the generators write it: "m/d/yyyy".
std::string generatorDate();

} // namespace qm::generators
