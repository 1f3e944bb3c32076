// File-name helpers the library's commands and its host glue share.
#pragma once

#include "platform/FileSystem.h"

#include <cctype>
#include <string>

namespace qm::library {

/// The path with its file name's extension replaced: "Orders.frm" -> "Orders.bk$"; a name without
/// one gets the extension appended. A dot in a folder name is never taken for the extension.
inline std::string withExtension(const std::string &path, const char *extension)
{
    const std::string name = platform::fileNamePart(path);
    const std::size_t dot = name.rfind('.');
    const std::size_t cut =
        dot == std::string::npos ? path.size() : path.size() - name.size() + dot;
    return path.substr(0, cut) + extension;
}

/// The text without leading and trailing spaces, in capitals, for comparing names.
inline std::string upperTrimmed(std::string text)
{
    const std::size_t first = text.find_first_not_of(' ');
    text = first == std::string::npos ? std::string{}
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

} // namespace qm::library
