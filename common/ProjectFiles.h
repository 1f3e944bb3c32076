// The one reader of project files (.vbp/.mak) the add-in's tools share: which source files a
// project names and where they are on disk.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm::common {

struct ProjectFileEntry
{
    std::string key;      ///< "Form", "Module", "Class", ... as written; empty for a bare .MAK line
    std::string name;     ///< the module or class name before ";", empty when the line has none
    std::string filePart; ///< the file as the line writes it (quotes removed)
    std::string path;     ///< the file resolved against the project's folder, as a product path
    size_t lineNumber = 0; ///< the project line that names it, from 1
};

/// Source files named by a .vbp/.mak project text, in line order: "Form=", "Module=",
/// "Class=", "UserControl=", "PropertyPage=", "UserDocument=" and "Designer=" lines (key letter
/// case ignored) and the bare "MAIN.FRM" lines of old .MAK files (.frm, .bas, .cls, .prg).
/// The path is resolved as the host resolves it: a file part with a drive and folder or a
/// leading slash stands as written; anything else (folders, "..", either slash kind, a drive
/// without a folder) is taken from `projectPath`'s folder. Lines of any other kind and binary
/// noise are skipped; nothing is read beyond the text.
std::vector<ProjectFileEntry> readProjectFiles(std::string_view projectText,
                                               std::string_view projectPath);

/// The path of a project line's file part, resolved against the project's folder as above.
std::string resolveProjectFile(std::string_view filePart, std::string_view projectPath);

} // namespace qm::common
