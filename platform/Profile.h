// Profile files ("[section]" lines and "key=value" lines) with the semantics of the system's
// private-profile functions.
#pragma once

#include <string>
#include <string_view>

namespace qm::platform {

/// The path a profile function uses for a file name: a bare name (no `\` or `/`) lives in the
/// Windows directory, anything else is a product path.
std::string profilePath(std::string_view fileName);

/// GetPrivateProfileString: the value of `key` in `section` of the file (both names compared
/// ignoring letter case; the first match wins), blanks around it removed and one pair of
/// enclosing quotes taken off. A missing file, section or key gives `defaultValue`. The result
/// is cut to `bufferSize - 1` characters, as the caller's buffer would cut it.
std::string getPrivateProfileString(std::string_view section,
                                    std::string_view key,
                                    std::string_view defaultValue,
                                    size_t bufferSize,
                                    std::string_view fileName);

/// WritePrivateProfileString: sets `key` in `section`, replacing its line, adding the key at the
/// end of its section, or adding the section at the end of the file; creates the file when
/// missing. Other lines are kept; every line is written with CR LF. The file is replaced by
/// renaming a new one over it. Throws VbError when the file cannot be written.
void writePrivateProfileString(std::string_view section,
                               std::string_view key,
                               std::string_view value,
                               std::string_view fileName);

/// The value lookup of getPrivateProfileString over the bytes of a profile file; exposed for
/// the parser's tests and fuzzing.
std::string findProfileValue(std::string_view content,
                             std::string_view section,
                             std::string_view key,
                             std::string_view defaultValue);

/// The rewrite of writePrivateProfileString over the bytes of a profile file.
std::string setProfileValue(std::string_view content,
                            std::string_view section,
                            std::string_view key,
                            std::string_view value);

} // namespace qm::platform
