// The shared text helpers every tool uses on 8-bit code text.
#pragma once

#include "platform/Dates.h"

#include <string>
#include <string_view>
#include <vector>

namespace qm::common {

/// The number of spaces before the first other character (tabs are other characters); the
/// whole length for a text of blanks only.
inline size_t LeadingBlanks(std::string_view text)
{
    // Inline: the line engines ask it of every line.
    size_t count = 0;
    while (count < text.size() && text[count] == ' ')
        ++count;
    return count;
}

/// Reserves `capacity` bytes in `out` for a large result written front to back. A buffer of
/// several megabytes is marked for large pages where the system offers them: first touching
/// thousands of small pages costs more than the engines' own work on a whole module.
void reserveLarge(std::string &out, size_t capacity);

/// The text with the first occurrence of `find` (letter case ignored) replaced. An empty `find`
/// changes nothing.
std::string
ReplaceFirst(std::string_view text, std::string_view find, std::string_view replacement);
/// Every occurrence of `find`, exact letter case, replaced; scanning continues after each
/// inserted replacement, which is not scanned again.
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement);
/// Every occurrence of `find`, letter case ignored, replaced the same way.
std::string
ReplaceAllText(std::string_view text, std::string_view find, std::string_view replacement);

/// The number of lines of a text. Lines end with CR LF (a lone LF or CR is accepted too); a final
/// line end does not start another line, so "" has 0 lines and "a\r\n" has 1.
size_t CountLines(std::string_view text);
/// Line `number` (from 1) without its line end; the empty text past the last line.
std::string GetLine(std::string_view text, size_t number);

/// The lines of a text without their ends (CR LF, LF or CR), as CountLines counts them.
std::vector<std::string_view> splitLines(std::string_view text);
/// The lines, each followed by CR LF.
std::string joinLines(const std::vector<std::string> &lines);

/// Takes the next word off the front of `text`. Word characters are ASCII letters, digits and
/// the `extraWordChars`. While the text is neither empty nor all blanks its first character is
/// removed: a word character joins the word; any other character ends a non-empty word (so
/// the one delimiter after a word goes with it) and is skipped before one. What is left when
/// the text runs out is the word (possibly empty).
std::string NextWord(std::string &text, std::string_view extraWordChars = {});
/// The same over a view that is advanced past what was taken.
std::string NextWord(std::string_view &text, std::string_view extraWordChars = {});

/// The blank test: empty text or blanks only, a number equal to 0, the date 1 January 1901,
/// or False.
bool isBlank(std::string_view text);
bool isBlank(double number);
bool isBlank(const platform::Date &date);
bool isBlank(bool flag);
// Keep string literals from choosing the boolean overload.
inline bool isBlank(const char *text)
{
    return isBlank(std::string_view(text));
}

} // namespace qm::common
