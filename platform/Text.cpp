// 8-bit string functions of the classic runtime.
#include "platform/Text.h"

#include <algorithm>

namespace qm::platform {

// Both keep pointing into `text`, even when nothing is left, so callers may measure offsets.
std::string_view trimLeadingSpace(std::string_view text)
{
    return text.substr(std::min(text.find_first_not_of(" \t"), text.size()));
}

std::string_view trimTrailingSpace(std::string_view text)
{
    return text.substr(0, text.find_last_not_of(" \t") + 1); // npos + 1 is 0
}

std::string_view trimSpace(std::string_view text)
{
    return trimTrailingSpace(trimLeadingSpace(text));
}

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string quoteText(std::string_view text)
{
    std::string literal;
    literal.reserve(text.size() + 2);
    literal += '"';
    for (char c : text) {
        if (c == '"')
            literal += '"';
        literal += c;
    }
    literal += '"';
    return literal;
}

std::string toUpper(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), toUpperAscii);
    return out;
}

std::string toLower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), toLowerAscii);
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (toUpperAscii(a[i]) != toUpperAscii(b[i]))
            return false;
    }
    return true;
}

bool startsWithIgnoreCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && equalsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

bool endsWithIgnoreCase(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() &&
           equalsIgnoreCase(text.substr(text.size() - suffix.size()), suffix);
}

size_t findIgnoreCase(std::string_view haystack, std::string_view needle, size_t from)
{
    if (from > haystack.size())
        return std::string_view::npos;
    if (needle.empty())
        return from;
    auto it = std::search(haystack.begin() + static_cast<std::ptrdiff_t>(from), haystack.end(),
                          needle.begin(), needle.end(),
                          [](char a, char b) { return toUpperAscii(a) == toUpperAscii(b); });
    if (it == haystack.end())
        return std::string_view::npos;
    return static_cast<size_t>(it - haystack.begin());
}

} // namespace qm::platform
