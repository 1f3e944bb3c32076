// Saving in the editor's module mode: the file rewritten with one entry replaced, after a
// backup when it is rewritten in place.
#pragma once

#include "codetext/ModuleDivision.h"

#include <string>
#include <vector>

namespace qm::codetext {

struct ModuleSave
{
    std::string currentPath; ///< the file the entry was loaded from
    std::string destination; ///< where to save: the current file or another
    std::string entryName;   ///< the entry loaded: "(declarations)" or a procedure
    std::string replacement; ///< the entry's new text, in the file's line ends
    /// Where the entry stood in the division it was loaded from, so that of two entries of one
    /// name the one loaded is replaced.
    size_t entryIndex = 0;
};

/// What a module-mode save wrote: the division of the destination and where the new text of
/// the entry starts in it.
struct ModuleSaved
{
    std::vector<ModuleEntry> entries;
    size_t start = 0;
};

/// Writes the destination: the current file with the entry replaced. Saving in place first
/// copies the file to its backup (moduleBackupPath) and reads from that. The destination is
/// written as a new file renamed over the old one, so a failed save leaves it as it was.
/// Throws UserMessageError: "Can't make backup file!", "Can't open file: ", "eof" (the entry is
/// not in the file any more), or a "File Error" naming the destination when it cannot be
/// written.
ModuleSaved saveModuleEntry(const ModuleSave &save);

/// Writes a whole file the same way; a failure is a "File Error" naming the path.
void saveWholeFile(std::string_view path, std::string_view bytes);

} // namespace qm::codetext
