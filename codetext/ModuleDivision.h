// The editor's module mode: a source file divided into its declarations and its procedures, one
// entry loaded at a time, and the file written back with one entry replaced.
#pragma once

#include "common/ErrorReports.h" // UserMessage, the warnings and refusals a load carries

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::codetext {

/// What kind of source a file holds, by its extension: .frm forms (a form description, then host
/// code), .prg xBase programs, everything else host code.
enum class ModuleKind { Code, Form, XBase };
ModuleKind moduleKindOf(std::string_view path);

inline constexpr std::string_view kDeclarationsEntry = "(declarations)";
/// A procedure above this many characters loads with a warning; above the limit it does not load.
inline constexpr size_t kLargeProcedure = 30000;
inline constexpr size_t kProcedureLimit = 32000;

/// One entry of the division: "(declarations)" or a procedure, as the byte range
/// [start, end) of the file, and the line (from 1) where it starts.
struct ModuleEntry
{
    std::string name;
    size_t start = 0;
    size_t end = 0;
    size_t line = 1;
};

/// The end of a form description: the offset just after the "End" line that closes the first
/// "Begin" line (nesting counted), 0 when the file has no description. Throws
/// UserMessageError ("File Error") when the description never closes.
size_t formDescriptionEnd(std::string_view text);

/// True when a line starts a procedure: its first word is FUNCTION, FUNC, SUB, PROCEDURE, PROC
/// or METHOD (letter case ignored), possibly after Public, Private or Static, and a name
/// follows. The name is stored in `name` when given.
bool isProcedureHeader(std::string_view line, std::string *name = nullptr);

/// The division: "(declarations)" first (after the form description of a form), then every
/// procedure in file order. A procedure of host code ends after its "End Sub" or "End Function"
/// line; one of xBase, and one whose end line never comes, at the next procedure or the end of
/// the file. Throws UserMessageError for a form whose description never closes.
std::vector<ModuleEntry> divideModule(std::string_view text, ModuleKind kind);

/// The entry named `name` (letter case ignored), or nothing.
const ModuleEntry *findEntry(const std::vector<ModuleEntry> &entries, std::string_view name);

/// An entry's text, and the "Large File Warning" when it is over 30000 characters. Throws
/// UserMessageError ("Procedure Too Large") when it is over 32000.
struct LoadedEntry
{
    std::string text;
    std::optional<common::UserMessage> warning;
};
LoadedEntry loadEntry(std::string_view text, const ModuleEntry &entry);

/// The messages of module mode.
common::UserMessage largeProcedureWarning();
common::UserMessage procedureTooLargeMessage();
common::UserMessage binaryFileMessage();

/// `source` with the range of `entry` replaced by `replacement`. The replacement is given a line
/// end (`lineEnd`) at its end when it lacks one and more of the file follows or the old entry
/// had one, so the next line never joins it.
std::string replaceEntry(std::string_view source,
                         const ModuleEntry &entry,
                         std::string_view replacement,
                         std::string_view lineEnd = "\r\n");

/// The backup of a file saved in module mode: its own extension replaced by ".BAK"
/// ("C:\my.app\Orders.bas" -> "C:\my.app\Orders.BAK"); ".BAK" added to a name without one.
std::string moduleBackupPath(std::string_view path);
/// The backup the Close entry keeps: the extension replaced by "bak", or ".bak" added.
std::string closeBackupPath(std::string_view path);

/// True when the bytes cannot be a source file divided line by line (they hold a NUL).
bool looksBinary(std::string_view text);

} // namespace qm::codetext
