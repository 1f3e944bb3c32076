// Rewriting a form file without losing what it held: the form and its .frx are copied to their
// backups beside it (".bk$", ".bx$") first, then the new text takes the form's place in one step.
#pragma once

#include <string_view>

namespace qm::platform {

/// Whether a rewrite also backs up the form's ".frx" file (when it has one).
enum class FrxBackup { IfPresent, Skip };

/// Copies the form to its ".bk$" backup and, with FrxBackup::IfPresent and when the form has an
/// ".frx" file, that to its ".bx$" backup, then replaces the form with `newText` (written beside
/// it and renamed over it). Throws VbError: 53 for a missing form, 70 for a read-only one
/// (nothing is changed then), or what copying and writing raise; the form is either the old or
/// the new one, never half, and a failed backup leaves it as it was.
void rewriteFormWithBackups(std::string_view formPath,
                            std::string_view newText,
                            FrxBackup frx = FrxBackup::IfPresent);

} // namespace qm::platform
