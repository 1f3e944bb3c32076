// The control structure analyzer. It keeps no stack of open blocks, only the kind opened last:
// closing a block does not bring back the kind of the block around it.
#include "generators/Analyzer.h"

#include "common/TextHelpers.h"
#include "platform/LineReader.h"

#include <array>

namespace qm::generators {
namespace {

enum class LineClass { Plain, SingleLine, SingleLineLoop, Open, Middle, Close, CloseAny };

struct Classified
{
    LineClass lineClass = LineClass::Plain;
    std::string_view kind; ///< the kind opened or closed
};

std::string_view trimBlanks(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// Left(t, n), trimmed, as the classic runtime computes it.
std::string_view leftTrimmed(std::string_view t, size_t n)
{
    return trimBlanks(t.substr(0, n));
}

bool startsWith(std::string_view t, std::string_view prefix)
{
    return t.substr(0, prefix.size()) == prefix;
}

bool contains(std::string_view t, std::string_view what)
{
    return t.find(what) != std::string_view::npos;
}

// An If line with a statement after its "Then" is complete on its line; with nothing or only a
// comment after it, it opens a block.
bool isSingleLineIf(std::string_view t)
{
    std::string_view rest = t;
    for (;;) {
        const std::string word = common::NextWord(rest);
        if (word.empty())
            return false;
        if (word == "Then")
            break;
    }
    rest = trimBlanks(rest);
    return !rest.empty() && rest.front() != '\'';
}

Classified openOrSingle(std::string_view t, std::string_view closer, std::string_view kind)
{
    if (contains(t, closer))
        return {LineClass::SingleLineLoop, {}};
    return {LineClass::Open, kind};
}

Classified classify(std::string_view line)
{
    const std::string_view t = trimBlanks(line);
    if (startsWith(t, "Do ") || leftTrimmed(t, 3) == "Do")
        return openOrSingle(t, ": Loop", "Do");
    if (startsWith(t, "While "))
        return openOrSingle(t, ": Wend", "While");
    if (startsWith(t, "If "))
        return isSingleLineIf(t) ? Classified{LineClass::SingleLine, {}}
                                 : Classified{LineClass::Open, "If"};
    if (startsWith(t, "For "))
        return openOrSingle(t, ": Next", "For");
    if (startsWith(t, "With "))
        return {LineClass::Open, "With"};
    if (startsWith(t, "Else"))
        return {LineClass::Middle, "Else"};
    if (startsWith(t, "Select "))
        return {LineClass::Open, "Select"};
    if (startsWith(t, "End If"))
        return {LineClass::Close, "End If"};
    if (startsWith(t, "End With"))
        return {LineClass::Close, "End With"};
    if (startsWith(t, "End Select"))
        return {LineClass::Close, "End Select"};
    for (std::string_view closer : {"Loop", "Next", "Wend"}) {
        if (leftTrimmed(t, 5) == closer)
            return {LineClass::Close, closer};
    }
    if (leftTrimmed(t, 4) == "End")
        return {LineClass::CloseAny, {}};
    return {};
}

struct Rule
{
    std::string_view closing;
    std::string_view opening;
    std::string_view note;
};

constexpr std::array<Rule, 7> kRules{{
    {"Loop", "Do", "** Loop without Do **"},
    {"End With", "With", "** End With without With **"},
    {"Wend", "While", "** Wend without While **"},
    {"End If", "If", "** End If without If **"},
    {"Next", "For", "** Next without For **"},
    {"End Select", "Select", "** End Select without Select"},
    {"Else", "If", "** Else without If"},
}};

std::string_view mismatchNote(std::string_view closing, std::string_view lastOpened)
{
    for (const Rule &rule : kRules) {
        if (rule.closing == closing)
            return rule.opening == lastOpened ? std::string_view{} : rule.note;
    }
    return {};
}

void appendLevel(std::string &out, long level)
{
    if (level > 0)
        out.append(static_cast<size_t>(level), ' ');
    std::string number = std::to_string(level);
    if (number.size() < 3)
        number.append(3 - number.size(), ' ');
    out += number;
}

} // namespace

std::string AnalyzeControlStructures(std::string_view code)
{
    std::string out;
    out.reserve(code.size() + code.size() / 2 + 64); // room asked for is not touched until used
    long level = 0;
    std::string_view lastOpened;
    std::string_view closing;
    for (platform::LineReader lines(code); auto next = lines.next();) {
        const std::string_view line = *next;
        const Classified c = classify(line);
        std::string_view note;
        switch (c.lineClass) {
        case LineClass::Plain:
        case LineClass::SingleLine:
            if (level > 0)
                out.append(static_cast<size_t>(level), ' ');
            out += "    ";
            break;
        case LineClass::SingleLineLoop:
            out += "    ";
            break;
        case LineClass::Open:
            ++level;
            appendLevel(out, level);
            lastOpened = c.kind;
            break;
        case LineClass::Middle:
            appendLevel(out, level);
            closing = c.kind;
            note = mismatchNote(closing, lastOpened);
            break;
        case LineClass::Close:
        case LineClass::CloseAny:
            appendLevel(out, level);
            --level;
            if (c.lineClass == LineClass::Close)
                closing = c.kind;
            note = mismatchNote(closing, lastOpened);
            break;
        }
        out += line;
        out += "\r\n";
        if (!note.empty()) {
            out += note;
            out += "\r\n";
        }
    }
    return out;
}

} // namespace qm::generators
