// Paths in messages: the product builds paths with "\"; a message names a file as this system
// writes it.
#pragma once

#include <string>
#include <string_view>

namespace qm::ide {

/// A product path as this system writes it: the file's own spelling when it exists (letter
/// case and separators as on disk), else its parts joined with the system's separator.
std::string platformPath(std::string_view productPath);

/// A message with the paths it holds under a directory in the system's form: from each place
/// the directory is named up to the next "(", ":" or line end, "\" becomes "/". The product
/// joins a file name to its project's folder with "\".
std::string withPlatformPaths(std::string message, std::string_view directory);

} // namespace qm::ide
