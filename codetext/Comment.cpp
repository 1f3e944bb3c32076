// The comment and uncomment engines of the palette and the editor.
#include "codetext/Comment.h"

#include "changes/MarkerLines.h"
#include "common/ErrorReports.h"
#include "common/TextHelpers.h"
#include "platform/LineReader.h"
#include "platform/Text.h"

#include <array>

namespace qm::codetext {
namespace {

using platform::trimBlanks;

constexpr int kCriticalIcon = 16;
constexpr int kExclamationIcon = 48;

// Texts that mark a line as a header, trailer or change marker; the uncomment drops such lines
// whatever their letter case, when the text opens the line (never later in it).
constexpr std::array<std::string_view, 5> kMarkerTexts = {
    "* Commented on", "Block Changed by", "Block Added by", "Block Deleted by", "End of Block"};

// `rest` is what is left of a line once its comment mark was taken off.
bool isMarkerLine(std::string_view rest)
{
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

void appendLine(std::string &out, std::string_view line)
{
    out.append(line).append("\r\n");
}

} // namespace

std::string commentDate(const platform::Date &date, char separator)
{
    return platform::formatDate(date, "m/d/yy", separator);
}

std::string CommentBlock(std::string_view text, std::string_view date, std::string_view programmer)
{
    if (text.empty())
        throw common::UserMessageError({"Comment Error", "No text selected.", kCriticalIcon});

    platform::LineReader lines(text);
    std::optional<std::string_view> line = lines.next();
    const size_t indent = common::LeadingBlanks(*line);
    const std::string margin(indent, ' ');

    std::string out;
    common::reserveLarge(out, text.size() + text.size() / 8 + 128);
    out.append(margin).append("'** Commented on ").append(date).append(" by ");
    out.append(trimBlanks(programmer)).append(" **\r\n");
    for (; line; line = lines.next()) {
        // Lines indented less than the first one keep nothing of their indent: the block's
        // marks line up at the first line's column.
        std::string_view code = trimBlanks(*line);
        size_t own = common::LeadingBlanks(*line);
        out.append(margin).append("'* ");
        if (!code.empty() && own > indent)
            out.append(own - indent, ' ');
        appendLine(out, code);
    }
    out.append(margin).append("'** End of Block Commented **\r\n");
    return out;
}

std::string UncommentBlock(std::string_view text)
{
    if (text.empty())
        throw common::UserMessageError(
            {"Nothing Selected", "No text selected to uncomment!", kExclamationIcon});

    std::string out;
    common::reserveLarge(out, text.size() + text.size() / 16 + 2);
    for (platform::LineReader lines(text); auto line = lines.next();) {
        if (line->empty()) {
            out.append("\r\n");
            continue;
        }
        // The mark is looked for in the trimmed line: "'* " alone on a line is taken as "'*".
        // No marker text starts with a blank, so the indent before the mark cannot complete one.
        size_t at = common::LeadingBlanks(*line);
        size_t mark = commentMarkLength(trimBlanks(*line));
        std::string_view code = line->substr(at + mark);
        // A line that had no comment mark is code, whatever it says.
        if (mark == 0 || !isMarkerLine(code))
            appendLine(out.append(line->substr(0, at)), code);
    }
    return out;
}

std::string CommentLines(std::string_view text)
{
    std::string out;
    common::reserveLarge(out, text.size() + text.size() / 16 + 16);
    for (platform::LineReader lines(text); auto line = lines.next();) {
        out.append(common::LeadingBlanks(*line), ' ').append("'");
        appendLine(out, trimBlanks(*line));
    }
    return out;
}

std::string UncommentLines(std::string_view text)
{
    std::string out;
    common::reserveLarge(out, text.size() + text.size() / 16 + 2);
    std::string line;
    for (platform::LineReader lines(text); auto next = lines.next();) {
        line.assign(*next);
        size_t at = common::LeadingBlanks(line);
        if (at < line.size() && line[at] == '\'')
            line.erase(at, 1);
        appendLine(out, platform::trimTrailingBlanks(line));
    }
    return out;
}

} // namespace qm::codetext
