// Which lines are the product's marker lines (comment block headers and trailers, change-block
// begin and end lines). Every reader of markers asks here, so that code is never taken for one.
#pragma once

#include <string_view>

namespace qm::changes {

namespace detail {

inline bool isMarkerBlank(char c)
{
    return c == ' ' || c == '\t';
}

inline bool startsWithPhrase(std::string_view text, std::string_view phrase)
{
    if (text.size() < phrase.size())
        return false;
    for (size_t i = 0; i < phrase.size(); ++i) {
        char a = text[i], b = phrase[i];
        if (a >= 'a' && a <= 'z')
            a = static_cast<char>(a - 'a' + 'A');
        if (b >= 'a' && b <= 'z')
            b = static_cast<char>(b - 'a' + 'A');
        if (a != b)
            return false;
    }
    return true;
}

// The phrase may begin anywhere in the run of blanks and at most two "*" that follows `from`
// (the "'*" mark and the one "*" of a block header), never after other text.
inline bool phraseAfterMark(std::string_view line, size_t from, std::string_view phrase)
{
    int stars = 0;
    for (size_t i = from;; ++i) {
        if (startsWithPhrase(line.substr(i), phrase))
            return true;
        if (i >= line.size())
            return false;
        if (line[i] == '*' && stars < 2)
            ++stars;
        else if (!isMarkerBlank(line[i]))
            return false;
    }
}

inline size_t skipMarkerBlanks(std::string_view line)
{
    size_t i = 0;
    while (i < line.size() && isMarkerBlank(line[i]))
        ++i;
    return i;
}

} // namespace detail

/// True when `line` is a marker line holding `phrase` (letter case ignored): the phrase counts
/// only at the start of the line's text, after its leading blanks, its comment mark ("'" or
/// "'*") and one "*". A code line, or a commented-out code line, whose comment mentions the
/// phrase is not a marker line.
inline bool isMarkerLine(std::string_view line, std::string_view phrase)
{
    size_t at = detail::skipMarkerBlanks(line);
    if (at >= line.size() || line[at] != '\'')
        return false;
    return detail::phraseAfterMark(line, at + 1, phrase);
}

/// The same test for what is left of a commented line once the uncomment has taken its comment
/// mark off: the phrase counts at the start of that rest (after blanks, a further mark and
/// one "*").
inline bool isUncommentedMarkerLine(std::string_view rest, std::string_view phrase)
{
    size_t at = detail::skipMarkerBlanks(rest);
    if (at < rest.size() && rest[at] == '\'')
        ++at;
    return detail::phraseAfterMark(rest, at, phrase);
}

} // namespace qm::changes
