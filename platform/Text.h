// The classic runtime's 8-bit string functions: blanks, letter case and searching.
// Letter case follows ASCII; bytes above 127 are compared as they are.
#pragma once

#include <string>
#include <string_view>

namespace qm::platform {

inline bool isAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
inline bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}
inline char toUpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
inline char toLowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

/// Trim, LTrim, RTrim: remove blanks (spaces only, as the runtime does; tabs stay). Inline: the
/// line engines trim every line.
inline std::string_view trimLeadingBlanks(std::string_view text)
{
    size_t first = 0;
    while (first < text.size() && text[first] == ' ')
        ++first;
    return first == text.size() ? std::string_view() : text.substr(first);
}
inline std::string_view trimTrailingBlanks(std::string_view text)
{
    size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ')
        --end;
    return end == 0 ? std::string_view() : text.substr(0, end);
}
inline std::string_view trimBlanks(std::string_view text)
{
    return trimTrailingBlanks(trimLeadingBlanks(text));
}

/// The text without the blanks and tabs at its start, its end, or both: how form descriptions,
/// profile files and scripts are spaced.
std::string_view trimLeadingSpace(std::string_view text);
std::string_view trimTrailingSpace(std::string_view text);
std::string_view trimSpace(std::string_view text);

/// The value of a hexadecimal digit (either letter case); -1 for any other character.
int hexDigitValue(char c);

/// A text as a string literal of the host's Basic: between double quotes, each quotation mark
/// inside doubled.
std::string quoteText(std::string_view text);

/// UCase and LCase.
std::string toUpper(std::string_view text);
std::string toLower(std::string_view text);

bool equalsIgnoreCase(std::string_view a, std::string_view b);
bool startsWithIgnoreCase(std::string_view text, std::string_view prefix);
bool endsWithIgnoreCase(std::string_view text, std::string_view suffix);

/// InStr with letter case ignored: the position of `needle` in `haystack` from `from`, or npos.
/// An empty needle is found at `from`.
size_t findIgnoreCase(std::string_view haystack, std::string_view needle, size_t from = 0);
inline bool containsIgnoreCase(std::string_view haystack, std::string_view needle)
{
    return findIgnoreCase(haystack, needle) != std::string_view::npos;
}

/// String$(n, c) and Space$(n).
inline std::string repeatChar(size_t count, char c)
{
    return std::string(count, c);
}

} // namespace qm::platform
