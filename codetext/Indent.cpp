// The indenter: one pass over the lines with the level of the current line and of the next
// one, moved by the first keyword rule that matches each line.
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
    // The prefixes are a few bytes long: compared in place, most tests end at the first or
    // second byte without a library call.
    if (line.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (line[i] != prefix[i])
            return false;
    }
    return true;
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

bool isWordByte(char c)
{
    return platform::isAsciiLetter(c) || platform::isAsciiDigit(c);
}

// The text after the word "Then" of an If line, blanks trimmed; nothing when the line has no
// "Then" (an If continued on the next line), which opens a block like a bare "Then". A word is
// a run of letters and digits, so the first "Then" with no letter or digit on either side is
// the first word "Then".
std::string_view textAfterThen(std::string_view line)
{
    for (size_t at = line.find("Then"); at != std::string_view::npos;
         at = line.find("Then", at + 1)) {
        const size_t end = at + 4;
        if ((at == 0 || !isWordByte(line[at - 1])) &&
            (end == line.size() || !isWordByte(line[end])))
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
        return false; // most lines: one search

    size_t quote = line.find('"');
    size_t apostrophe = line.find('\'');
    if (quote != std::string_view::npos || apostrophe != std::string_view::npos) {
        // A missing quote or apostrophe counts as position 0, before any colon.
        return quote != std::string_view::npos && apostrophe != std::string_view::npos &&
               colon < quote && colon < apostrophe;
    }
    if (!platform::trimBlanks(line.substr(colon + 1)).empty())
        return false;
    return flavour == Flavour::Editor || !contains(line, "Case");
}

// The line without its indent, its tabs of indentation and its trailing blanks and tabs. Tabs
// inside the line belong to strings and comments and are kept.
std::string_view prepareLine(std::string_view line)
{
    auto isSpace = [](char c) {
        return c == ' ' || c == '\t';
    };
    size_t first = 0, end = line.size();
    while (first < end && isSpace(line[first]))
        ++first;
    while (end > first && isSpace(line[end - 1]))
        --end;
    return line.substr(first, end - first);
}

// The levels of one indenter run, moved by the keyword table.
class Levels
{
public:
    Levels(long long tab, long long start)
        : m_tab(tab)
        , m_level(start)
        , m_next(tab)
    {}

    long long current() const { return m_level; }
    /// The line after a label continues at the level before it; the label goes to column 1.
    void enterLabel()
    {
        m_next = m_level;
        m_level = 0;
    }
    /// The first rule of the keyword table whose test matches the line moves the levels.
    void applyKeywordRule(std::string_view line);
    void nextLine() { m_level = m_next; }

private:
    void open() { m_next = m_level + m_tab; }
    void close()
    {
        m_level -= m_tab;
        m_next = m_level;
    }
    void startProcedure()
    {
        m_level = 0;
        m_next = m_tab;
    }

    long long m_tab;
    long long m_level; // of the current line
    long long m_next;  // of the line after it
    bool m_firstCase = true;
};

void Levels::applyKeywordRule(std::string_view line)
{
    // Every rule's test starts with one of these characters: most lines skip the table.
    switch (line.front()) {
    case 'I':
    case '#':
    case 'W':
    case 'F':
    case 'D':
    case 'S':
    case 'C':
    case 'P':
    case 'E':
    case 'L':
    case 'N':
        break;
    default:
        return;
    }

    if (startsWith(line, "If ") || startsWith(line, "#If")) {
        std::string_view rest = textAfterThen(line);
        if (rest.empty() || rest.front() == '\'')
            open();
    } else if (startsWith(line, "While")) {
        if (!contains(line, "Wend"))
            open();
    } else if (startsWith(line, "For ")) {
        if (!contains(line, "Next"))
            open();
    } else if (startsWith(line, "With ")) {
        open();
    } else if (startsWith(line, "Do While")) {
        if (!contains(line, "Loop"))
            open();
    } else if (startsWith(line, "Do")) {
        // The first word is "Do" when no letter or digit follows it.
        if ((line.size() == 2 || !isWordByte(line[2])) && !contains(line, "Loop"))
            open();
    } else if (startsWith(line, "Select Case")) {
        m_firstCase = true;
        open();
    } else if (startsWith(line, "Case ")) {
        // The first Case stays one level inside its Select; later ones come back to it.
        if (m_firstCase)
            m_firstCase = false;
        else
            m_level -= m_tab;
        open();
    } else if (startsWithAny(line, {"Sub ", "Function ", "Private Sub", "Public Sub",
                                    "Private Function", "Public Function"})) {
        startProcedure();
    } else if (startsWith(line, "Else") || startsWith(line, "#Else")) {
        m_next = m_level;
        m_level -= m_tab;
    } else if (startsWithAny(line, {"End Sub", "End Fun", "End With", "End If", "#End If"})) {
        close();
    } else if (startsWith(line, "End Select")) {
        // Closes the Case level and the Select level at once.
        m_level -= 2 * m_tab;
        m_next = m_level;
    } else if ((line.front() == 'W' && firstFiveTrimmed(line) == "Wend") ||
               (line.front() == 'L' && platform::trimBlanks(line) == "Loop" &&
                !contains(line, ":")) ||
               startsWith(line, "Loop While") ||
               (line.front() == 'N' && firstFiveTrimmed(line) == "Next")) {
        close();
    } else if (startsWithAny(line, {"Static Sub", "Static Function ", "Static Private Sub",
                                    "Static Public Sub", "Static Private Function",
                                    "Static Public Function"})) {
        startProcedure();
    }
}

void indent(platform::LineReader &lines, long long tab, Flavour flavour, common::TextSink &out)
{
    std::optional<std::string_view> raw = lines.next();
    if (!raw) {
        if (flavour == Flavour::Palette)
            throw common::UserMessageError(
                {"Nothing Selected", "No text selected to indent!", kExclamationIcon});
        throw common::UserMessageError({"Error", "You have no text to indent!", kExclamationIcon});
    }

    // A text that starts with a procedure starts at the first column (blanks never run past the
    // first line, so its first line tells).
    std::string_view whole = platform::trimLeadingBlanks(*raw);
    Levels levels(tab, startsWith(whole, "Sub ") || startsWith(whole, "Func") ? 0 : tab);

    auto write = [&](std::string_view line) {
        const long long level = levels.current();
        out.writeLine(level > 0 ? static_cast<size_t>(level) : 0, {}, line);
    };

    for (; raw; raw = lines.next()) {
        std::string_view line = prepareLine(*raw);
        // Blank lines, tabs-only lines among them, are written bare and move nothing.
        if (line.empty()) {
            out.endLine();
            continue;
        }
        // A comment in the first column follows the code around it and moves nothing.
        if (raw->front() == '\'') {
            write(line);
            continue;
        }
        if (isLabel(line, flavour))
            levels.enterLabel();
        levels.applyKeywordRule(line);
        write(line);
        levels.nextLine();
    }
}

void indent(std::string_view text, long long tab, Flavour flavour, common::TextSink &out)
{
    platform::LineReader lines(text);
    indent(lines, tab, flavour, out);
}

std::string indentWhole(std::string_view text, long long tab, Flavour flavour)
{
    common::TextSink out;
    out.reserve(text.size() + text.size() / 4 + 2);
    indent(text, tab, flavour, out);
    return out.take();
}

} // namespace

std::string IndentBlock(std::string_view text, int tabSize)
{
    return indentWhole(text, tabSize, Flavour::Palette);
}

std::string IndentLines(std::string_view text, int tabSize)
{
    return indentWhole(text, tabSize, Flavour::Editor);
}

void IndentBlock(std::string_view text, int tabSize, common::TextSink &out)
{
    indent(text, tabSize, Flavour::Palette, out);
}

void IndentLines(std::string_view text, int tabSize, common::TextSink &out)
{
    indent(text, tabSize, Flavour::Editor, out);
}

void IndentBlock(platform::LineReader &lines, int tabSize, common::TextSink &out)
{
    indent(lines, tabSize, Flavour::Palette, out);
}

void IndentLines(platform::LineReader &lines, int tabSize, common::TextSink &out)
{
    indent(lines, tabSize, Flavour::Editor, out);
}

} // namespace qm::codetext
