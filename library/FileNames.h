// The name comparison the library's commands and its host glue share.
#pragma once

#include <cctype>
#include <string>

namespace qm::library {

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
