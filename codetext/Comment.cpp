// The comment and uncomment engines of the palette and the editor.
#include "codetext/Comment.h"

#include "changes/MarkerLines.h"
#include "common/ErrorReports.h"
#include "common/TextHelpers.h"
#include "platform/LineReader.h"
#include "platform/Text.h"

#include <algorithm>
#include <array>

namespace qm::codetext {
namespace {

using platform::trimBlanks;
using platform::trimTrailingBlanks;

constexpr int kCriticalIcon = 16;
constexpr int kExclamationIcon = 48;

// Texts that mark a line as a header, trailer or change marker; the uncomment drops such lines
// whatever their letter case, when the text opens the line (never later in it).
constexpr std::array<std::string_view, 5> kMarkerTexts = {
    "* Commented on", "Block Changed by", "Block Added by", "Block Deleted by", "End of Block"};

bool isMarkRun(char c)
{
    return c == ' ' || c == '\t' || c == '*' || c == '\'';
}

// The first byte after a text's leading run of blanks, apostrophes and stars, in capitals; 0
// when nothing else follows.
char firstAfterMarks(std::string_view text)
{
    size_t at = 0;
    while (at < text.size() && isMarkRun(text[at]))
        ++at;
    return at < text.size() ? platform::toUpperAscii(text[at]) : '\0';
}

// `rest` is what is left of a line once its comment mark was taken off.
bool isMarkerLine(std::string_view rest)
{
    // Wherever in the run of blanks, apostrophe and stars a marker text starts, the first byte
    // after that run is the first letter of the text: a line whose byte there is no marker
    // text's first letter is ruled out without trying them all.
    const char first = firstAfterMarks(rest);
    if (first == '\0' ||
        std::none_of(kMarkerTexts.begin(), kMarkerTexts.end(),
                     [first](std::string_view marker) { return firstAfterMarks(marker) == first; }))
        return false;
    for (std::string_view marker : kMarkerTexts) {
        if (changes::isUncommentedMarkerLine(rest, marker))
            return true;
    }
    return false;
}

// The comment mark the uncomment takes off a line whose text starts with it: "'* ", "'*", "' "
// or "'", the longest that matches.
size_t commentMarkLength(std::string_view trimmed)
{
    if (trimmed.empty() || trimmed[0] != '\'')
        return 0;
    size_t length = trimmed.size() > 1 && trimmed[1] == '*' ? 2 : 1;
    if (trimmed.size() > length && trimmed[length] == ' ')
        ++length;
    return length;
}

} // namespace

std::string commentDate(const platform::Date &date, char separator)
{
    return platform::formatDate(date, "m/d/yy", separator);
}

void CommentBlock(platform::LineReader &lines,
                  std::string_view date,
                  std::string_view programmer,
                  common::TextSink &out)
{
    std::optional<std::string_view> line = lines.next();
    if (!line)
        throw common::UserMessageError({"Comment Error", "No text selected.", kCriticalIcon});

    const size_t indent = common::LeadingBlanks(*line);
    out.append(indent, ' ').append("'** Commented on ").append(date).append(" by ");
    out.append(trimBlanks(programmer)).append(" **");
    out.endLine();
    for (; line; line = lines.next()) {
        // Lines indented less than the first one keep nothing of their indent: the block's
        // marks line up at the first line's column, and what a line is indented more stays.
        const size_t own = common::LeadingBlanks(*line);
        out.writeLine(indent, "'* ", trimTrailingBlanks(line->substr(std::min(own, indent))));
    }
    out.append(indent, ' ').append("'** End of Block Commented **");
    out.endLine();
}

void UncommentBlock(platform::LineReader &lines, common::TextSink &out)
{
    std::optional<std::string_view> line = lines.next();
    if (!line)
        throw common::UserMessageError(
            {"Nothing Selected", "No text selected to uncomment!", kExclamationIcon});

    for (; line; line = lines.next()) {
        if (line->empty()) {
            out.endLine();
            continue;
        }
        // The mark is looked for in the trimmed line: "'* " alone on a line is taken as "'*".
        // No marker text starts with a blank, so the indent before the mark cannot complete one.
        size_t at = common::LeadingBlanks(*line);
        size_t mark =
            at < line->size() && (*line)[at] == '\'' ? commentMarkLength(trimBlanks(*line)) : 0;
        std::string_view code = line->substr(at + mark);
        // A line that had no comment mark is code, whatever it says.
        if (mark == 0 || !isMarkerLine(code))
            out.writeLine(at, {}, code);
    }
}

void CommentLines(platform::LineReader &lines, common::TextSink &out)
{
    while (auto line = lines.next()) {
        const size_t at = common::LeadingBlanks(*line);
        out.writeLine(at, "'", trimTrailingBlanks(line->substr(at)));
    }
}

void UncommentLines(platform::LineReader &lines, common::TextSink &out)
{
    while (auto line = lines.next()) {
        // The apostrophe goes, then the blanks the line ends with; when nothing but blanks
        // follows it, those and the indent before it all go.
        const size_t at = common::LeadingBlanks(*line);
        if (at < line->size() && (*line)[at] == '\'') {
            std::string_view rest = trimTrailingBlanks(line->substr(at + 1));
            out.writeLine(rest.empty() ? 0 : at, {}, rest);
        } else {
            out.writeLine(0, {}, trimTrailingBlanks(*line));
        }
    }
}

void CommentBlock(std::string_view text,
                  std::string_view date,
                  std::string_view programmer,
                  common::TextSink &out)
{
    platform::LineReader lines(text);
    CommentBlock(lines, date, programmer, out);
}

void UncommentBlock(std::string_view text, common::TextSink &out)
{
    platform::LineReader lines(text);
    UncommentBlock(lines, out);
}

void CommentLines(std::string_view text, common::TextSink &out)
{
    platform::LineReader lines(text);
    CommentLines(lines, out);
}

void UncommentLines(std::string_view text, common::TextSink &out)
{
    platform::LineReader lines(text);
    UncommentLines(lines, out);
}

std::string CommentBlock(std::string_view text, std::string_view date, std::string_view programmer)
{
    common::TextSink out;
    out.reserve(text.size() + text.size() / 8 + 128);
    CommentBlock(text, date, programmer, out);
    return out.take();
}

std::string UncommentBlock(std::string_view text)
{
    common::TextSink out;
    out.reserve(text.size() + text.size() / 16 + 2);
    UncommentBlock(text, out);
    return out.take();
}

std::string CommentLines(std::string_view text)
{
    common::TextSink out;
    out.reserve(text.size() + text.size() / 16 + 16);
    CommentLines(text, out);
    return out.take();
}

std::string UncommentLines(std::string_view text)
{
    common::TextSink out;
    out.reserve(text.size() + text.size() / 16 + 2);
    UncommentLines(text, out);
    return out.take();
}

} // namespace qm::codetext
