// Rewriting a form file the way the cleanup does it: the form and its .frx backed up beside it
// first (".bk$", ".bx$"), then the new text put in the form's place in one step.
#pragma once

#include <string>
#include <string_view>

namespace qm::changes {

/// The form's path with the file name's own extension replaced ("forms\frmMain.bk$"); a name
/// without an extension gets it added. A dot in a folder's name is never taken for one.
std::string backupPath(std::string_view formPath, std::string_view extension);

/// Copies the form to its ".bk$" backup and, when the form has an ".frx" file, that to its
/// ".bx$" backup, then replaces the form with `newText` (written beside it and renamed over it).
/// Throws VbError: 53 for a missing form, 70 for a read-only one (nothing is changed then), or
/// what copying and writing raise; the form is either the old or the new one, never half.
void rewriteFormWithBackups(std::string_view formPath, std::string_view newText);

} // namespace qm::changes
