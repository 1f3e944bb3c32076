// The file layer: product paths with backslashes and drive letters, resolved on this system
// case-insensitively, and the file operations of the classic runtime. Failures throw VbError.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qm::platform {

/// The Windows directory: $WINDIR when set, else ~/.config/quillmark/windows, created on demand.
/// No trailing separator.
std::string windowsDirectory();

/// The directory of the add-in's shipped files (the classic program directory): $QM_APP_DIR
/// when set, else share/quillmark of an installed program, else the directory of the running
/// program. No trailing separator. Files the add-in writes live elsewhere once installed: ask
/// platform/AppFiles.h for any file of the add-in instead of building on this.
std::string programDirectory();

/// A product path on this system: `\` and `/` both separate, a drive prefix ("C:") is ignored,
/// and each element that does not exist as written is matched case-insensitively in its
/// directory. Elements that match nothing are kept as written, so the result may not exist.
std::filesystem::path resolvePath(std::string_view productPath);

/// The value of the environment variable `name`; empty when it is not set.
std::string environmentVariable(const char *name);

/// `dir` without its trailing `/` or `\` separators; a lone separator (the root) is kept.
std::string withoutTrailingSeparator(std::string dir);

/// Joins a directory and a name with a backslash, as the product builds its paths.
std::string joinPath(std::string_view directory, std::string_view name);

/// The last element of a product path (after the last `\` or `/`).
std::string fileNamePart(std::string_view productPath);
/// Everything before the last `\` or `/`, without it; empty for a bare name.
std::string directoryPart(std::string_view productPath);
/// The path with its file name's extension replaced: "forms\Orders.frm" -> "forms\Orders.bk$";
/// a name without one gets the extension appended. A dot in a folder name is never taken for
/// the extension. `extension` includes its dot.
std::string withExtension(std::string_view productPath, std::string_view extension);

/// The classic error number of a failed file operation's errno: 76 for a missing path, 70 for
/// refused access, 61 for a full disk, 57 for a device error, else `fallback`.
int fileErrorNumber(int error, int fallback);

bool fileExists(std::string_view productPath);
bool directoryExists(std::string_view productPath);

/// The whole file as bytes. Throws 53 when it does not exist, 75 when it cannot be read.
std::string readFile(std::string_view productPath);

/// Replaces (or creates) a file with the bytes: writes a new file beside it and renames it over
/// the old one, so the file is always either the old or the new one.
/// Throws 76 when the directory does not exist, 70 or 75 when it cannot be written, 61 when full.
void writeFile(std::string_view productPath, std::string_view bytes);

/// Appends bytes to a file, creating it when missing.
void appendFile(std::string_view productPath, std::string_view bytes);

/// Copies a file over another (FileCopy). Throws 53 when the source is missing.
void copyFile(std::string_view fromPath, std::string_view toPath);

/// Deletes a file (Kill). Throws 53 when it does not exist.
void deleteFile(std::string_view productPath);

/// Renames a file (Name ... As). Throws 53 when the source is missing, 58 when the target exists.
void renameFile(std::string_view fromPath, std::string_view toPath);

/// Renames a file over another, replacing the target in one step.
void replaceFile(std::string_view fromPath, std::string_view toPath);

/// Names of the files of a directory whose names match a pattern with `*` and `?`, letter case
/// ignored, sorted. An empty list for a missing directory.
std::vector<std::string> listFiles(std::string_view directory, std::string_view pattern);

/// True when the name matches a `*`/`?` pattern, letter case ignored.
bool matchesPattern(std::string_view name, std::string_view pattern);

} // namespace qm::platform
