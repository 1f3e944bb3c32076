// The indenter: one pass over the lines with the level of the current line (L) and of the
// next one (N), moved by the first keyword rule that matches each line.
#include "codetext/Indent.h"

#include "common/ErrorReports.h"
#include "common/TextHelpers.h"
#include "platform/LineReader.h"
#include "platform/Text.h"

#include <algorithm>
#include <initializer_list>

namespace qm::codetext {
namespace {

constexpr int kExclamationIcon = 48;

enum class Flavour { Palette, Editor };

bool startsWith(std::string_view line, std::string_view prefix)
{
    return line.substr(0, prefix.size()) == prefix;
}

bool startsWithAny(std::string_view line, std::initializer_list<std::string_view> prefixes)
{
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [&](std::string_view prefix) { return startsWith(line, prefix); });
}

bool contains(std::string_view line, std::string_view text)
{
    return line.find(text) != std::string_view::npos;
}

// Left$(line, 5), trimmed: how "Wend" and "Next" are recognised with or without what follows.
std::string_view firstFiveTrimmed(std::string_view line)
{
    return platform::trimBlanks(line.substr(0, 5));
}

// The text after the word "Then" of an If line, blanks trimmed; nothing when the line has no
// "Then" (an If continued on the next line), which opens a block like a bare "Then".
std::string_view textAfterThen(std::string_view line)
{
    std::string_view rest = line;
    while (!platform::trimBlanks(rest).empty()) {
        std::string word = common::NextWord(rest);
        if (word != "Then")
            continue;
        // NextWord takes the one character after the word with it; give it back, it may be
        // the apostrophe of a comment.
        size_t end = line.size() - rest.size();
        if (end > 0 && !platform::isAsciiLetter(line[end - 1]))
            --end;
        return platform::trimBlanks(line.substr(end));
    }
    return {};
}

// A label ("Retry:", "ErrHandler:") goes to the first column. A colon before any quote or
// apostrophe makes a label; without either, only a colon that ends the line does.
bool isLabel(std::string_view line, Flavour flavour)
{
    size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        return false;
    size_t quote = line.find('"');
    size_t apostrophe = line.find('\'');
    if (quote != std::string_view::npos || apostrophe != std::string_view::npos) {
        // A missing quote or apostrophe counts as position 0, before any colon.
        return quote != std::string_view::npos && apostrophe != std::string_view::npos
               && colon < quote && colon < apostrophe;
    }
    if (!platform::trimBlanks(line.substr(colon + 1)).empty())
        return false;
    return flavour == Flavour::Editor || !contains(line, "Case");
}

// The line without its indent, its tabs of indentation and its trailing blanks and tabs. Tabs
// inside the line belong to strings and comments and are kept.
std::string_view prepareLine(std::string_view line)
{
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    size_t last = line.find_last_not_of(" \t");
    return line.substr(first, last - first + 1);
}

std::string indent(std::string_view text, long long tab, Flavour flavour)
{
    if (text.empty()) {
        if (flavour == Flavour::Palette)
            throw common::UserMessageError(
                {"Nothing Selected", "No text selected to indent!", kExclamationIcon});
        throw common::UserMessageError({"Error", "You have no text to indent!", kExclamationIcon});
    }

    std::string_view whole = platform::trimLeadingBlanks(text);
    long long level = startsWith(whole, "Sub ") || startsWith(whole, "Func") ? 0 : tab;
    long long next = tab;
    bool firstCase = true;

    std::string out;
    out.reserve(text.size() + text.size() / 4 + 2);
    auto write = [&](long long spaces, std::string_view line) {
        if (spaces > 0)
            out.append(static_cast<size_t>(spaces), ' ');
        out.append(line).append("\r\n");
    };

    for (platform::LineReader lines(text); auto raw = lines.next();) {
        std::string_view untrimmed = platform::trimTrailingBlanks(*raw);
        if (untrimmed.empty()) {
            out.append("\r\n");
            continue;
        }
        const char firstChar = untrimmed.front();
        std::string_view line = prepareLine(untrimmed);
        if (line.empty()) { // tabs only: a blank line too
            out.append("\r\n");
            continue;
        }

        // A comment in the first column follows the code around it and moves nothing.
        if (firstChar == '\'') {
            write(level, line);
            continue;
        }

        if (isLabel(line, flavour)) {
            next = level;
            level = 0;
        }

        if (startsWith(line, "If ") || startsWith(line, "#If")) {
            std::string_view rest = textAfterThen(line);
            if (rest.empty() || rest.front() == '\'')
                next = level + tab;
        } else if (startsWith(line, "While")) {
            if (!contains(line, "Wend"))
                next = level + tab;
        } else if (startsWith(line, "For ")) {
            if (!contains(line, "Next"))
                next = level + tab;
        } else if (startsWith(line, "With ")) {
            next = level + tab;
        } else if (startsWith(line, "Do While")) {
            if (!contains(line, "Loop"))
                next = level + tab;
        } else if (startsWith(line, "Do")) {
            std::string_view rest = line;
            if (common::NextWord(rest) == "Do" && !contains(line, "Loop"))
                next = level + tab;
        } else if (startsWith(line, "Select Case")) {
            firstCase = true;
            next = level + tab;
        } else if (startsWith(line, "Case ")) {
            // The first Case stays one level inside its Select; later ones come back to it.
            if (firstCase)
                firstCase = false;
            else
                level -= tab;
            next = level + tab;
        } else if (startsWithAny(line, {"Sub ", "Function ", "Private Sub", "Public Sub",
                                        "Private Function", "Public Function"})) {
            level = 0;
            next = tab;
        } else if (startsWith(line, "Else") || startsWith(line, "#Else")) {
            next = level;
            level -= tab;
        } else if (startsWithAny(line, {"End Sub", "End Fun", "End With", "End If", "#End If"})) {
            level -= tab;
            next = level;
        } else if (startsWith(line, "End Select")) {
            // Closes the Case level and the Select level at once.
            level -= 2 * tab;
            next = level;
        } else if (firstFiveTrimmed(line) == "Wend"
                   || (platform::trimBlanks(line) == "Loop" && !contains(line, ":"))
                   || startsWith(line, "Loop While") || firstFiveTrimmed(line) == "Next") {
            level -= tab;
            next = level;
        } else if (startsWithAny(line, {"Static Sub", "Static Function ", "Static Private Sub",
                                        "Static Public Sub", "Static Private Function",
                                        "Static Public Function"})) {
            level = 0;
            next = tab;
        }

        write(level, line);
        level = next;
    }
    return out;
}

} // namespace

std::string IndentBlock(std::string_view text, int tabSize)
{
    return indent(text, tabSize, Flavour::Palette);
}

std::string IndentLines(std::string_view text, int tabSize)
{
    return indent(text, tabSize, Flavour::Editor);
}

} // namespace qm::codetext
