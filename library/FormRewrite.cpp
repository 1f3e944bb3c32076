// Form, module and class text rewrites of the object library.
#include "library/FormRewrite.h"

#include "common/ErrorReports.h"
#include "platform/Text.h"
#include "platform/UiRuntime.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <set>

namespace qm::library {
namespace {

struct Line
{
    std::string_view text; ///< without its end
    std::string_view end;  ///< "\r\n", "\n", "\r" or empty for the last line
};

std::vector<Line> linesOf(std::string_view text)
{
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            lines.push_back({text.substr(pos), {}});
            break;
        }
        std::size_t next = end + 1;
        if (text[end] == '\r' && next < text.size() && text[next] == '\n')
            ++next;
        lines.push_back({text.substr(pos, end - pos), text.substr(end, next - end)});
        pos = next;
    }
    return lines;
}

std::string lower(std::string_view text)
{
    return platform::toLower(text);
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && lower(text.substr(0, prefix.size())) == lower(prefix);
}

using platform::trimLeadingSpace;
using platform::trimSpace;

bool isIdentChar(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) || c == '_' || u >= 0x80;
}

// A block of the form's designer section: "Begin TYPE NAME" to its "End".
struct Block
{
    std::string type;
    std::string name;
    std::size_t begin = 0; ///< line of "Begin"
    std::size_t end = 0;   ///< line of its "End"
    int depth = 0;         ///< 0 for the form itself
    std::optional<int> index;
};

bool isBeginLine(std::string_view line)
{
    line = trimLeadingSpace(line);
    return line.size() > 6 && line.substr(0, 6) == "Begin ";
}

bool isEndLine(std::string_view line)
{
    return trimSpace(line) == "End";
}

// The blocks of the designer section, outermost first. Property groups
// (BeginProperty/EndProperty) are passed over.
std::vector<Block> designerBlocks(const std::vector<Line> &lines)
{
    std::vector<Block> blocks;
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view text = lines[i].text;
        if (isBeginLine(text)) {
            std::string_view rest = trimSpace(trimLeadingSpace(text).substr(6));
            const std::size_t blank = rest.find(' ');
            Block block;
            block.type = std::string(rest.substr(0, blank));
            block.name = blank == std::string_view::npos
                             ? std::string{}
                             : std::string(trimSpace(rest.substr(blank)));
            block.begin = i;
            block.depth = static_cast<int>(open.size());
            open.push_back(blocks.size());
            blocks.push_back(block);
            continue;
        }
        if (open.empty())
            continue;
        if (isEndLine(text)) {
            blocks[open.back()].end = i;
            open.pop_back();
            if (open.empty())
                break;
            continue;
        }
        std::string_view property = trimLeadingSpace(text);
        if (startsWithIgnoringCase(property, "Index ") ||
            startsWithIgnoringCase(property, "Index=")) {
            const std::size_t eq = property.find('=');
            if (eq != std::string_view::npos && open.size() > 1) {
                const std::string value(trimSpace(property.substr(eq + 1)));
                if (!value.empty() && std::isdigit(static_cast<unsigned char>(value[0])))
                    blocks[open.back()].index = std::atoi(value.c_str());
            }
        }
    }
    // An unclosed block runs to the end of the text.
    for (std::size_t at : open)
        blocks[at].end = lines.empty() ? 0 : lines.size() - 1;
    return blocks;
}

constexpr std::array<std::string_view, 10> HeaderForms = {
    "Static Private Function ",
    "Static Public Function ",
    "Static Private Sub ",
    "Static Public Sub ",
    "Private Function ",
    "Private Sub ",
    "Public Function ",
    "Public Sub ",
    "Function ",
    "Sub ",
};

// The name a procedure header declares, or empty when the line is no header.
std::string headerName(std::string_view line, bool *isFunction = nullptr)
{
    line = trimLeadingSpace(line);
    for (std::string_view form : HeaderForms) {
        if (!startsWithIgnoringCase(line, form))
            continue;
        std::string_view rest = trimLeadingSpace(line.substr(form.size()));
        std::size_t end = 0;
        while (end < rest.size() && isIdentChar(rest[end]))
            ++end;
        if (isFunction)
            *isFunction = form.find("Function") != std::string_view::npos;
        return std::string(rest.substr(0, end));
    }
    return {};
}

bool isProcedureEnd(std::string_view line)
{
    line = trimLeadingSpace(line);
    return startsWithIgnoringCase(line, "End Sub") ||
           startsWithIgnoringCase(line, "End Function") ||
           startsWithIgnoringCase(line, "End Property");
}

// Lines [first, last] of each procedure whose name starts with one of the controls and "_".
std::vector<std::pair<std::size_t, std::size_t>> procedureRanges(
    const std::vector<Line> &lines, std::size_t from, const std::set<std::string> &controls)
{
    std::vector<std::pair<std::size_t, std::size_t>> ranges;
    for (std::size_t i = from; i < lines.size(); ++i) {
        const std::string name = lower(headerName(lines[i].text));
        const std::size_t bar = name.find('_');
        if (name.empty() || bar == std::string::npos || !controls.count(name.substr(0, bar)))
            continue;
        std::size_t last = i;
        while (last + 1 < lines.size() && !isProcedureEnd(lines[last].text))
            ++last;
        ranges.emplace_back(i, last);
        i = last;
    }
    return ranges;
}

std::string joined(const std::vector<Line> &lines, std::size_t first, std::size_t last)
{
    std::string out;
    for (std::size_t i = first; i <= last && i < lines.size(); ++i) {
        out += lines[i].text;
        out += lines[i].end;
    }
    return out;
}

std::string_view dominantLineEnd(const std::vector<Line> &lines)
{
    for (const Line &line : lines)
        if (!line.end.empty())
            return line.end;
    return "\r\n";
}

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + "\"";
}

std::size_t codeStart(const std::vector<Block> &blocks)
{
    return blocks.empty() ? 0 : blocks.front().end + 1;
}

std::string replaceQuotedFileName(std::string_view line, std::string_view from, std::string_view to)
{
    if (from.empty())
        return std::string(line);
    const std::string needle = "\"" + lower(from) + "\"";
    const std::string lowered = lower(line);
    std::string out;
    std::size_t pos = 0;
    for (std::size_t at = lowered.find(needle); at != std::string::npos;
         at = lowered.find(needle, pos)) {
        out += line.substr(pos, at - pos);
        out += "\"" + std::string(to) + "\"";
        pos = at + needle.size();
    }
    out += line.substr(pos);
    return out;
}

} // namespace

std::string cloneObjectText(std::string_view text, const CloneRequest &request)
{
    const std::vector<Line> lines = linesOf(text);
    const std::vector<Block> blocks = designerBlocks(lines);
    const bool isForm = !blocks.empty() && startsWithIgnoringCase(blocks.front().type, "VB.Form");
    // The form's own properties run from its Begin line to its first nested block.
    std::size_t ownEnd = 0;
    if (isForm)
        ownEnd = blocks.size() > 1 ? blocks[1].begin : blocks.front().end;
    bool captionDone = !isForm || request.caption.empty();
    bool linkTopicDone = !isForm;

    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i].text;
        const std::string_view end = lines[i].end.empty() ? dominantLineEnd(lines) : lines[i].end;
        const bool own = isForm && i > blocks.front().begin && i < ownEnd;
        const std::string_view property = trimLeadingSpace(line);
        if (isForm && i == blocks.front().begin) {
            out += "Begin VB.Form " + request.internalName;
            out += lines[i].end;
            if (!captionDone && !std::any_of(lines.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                             lines.begin() + static_cast<std::ptrdiff_t>(ownEnd),
                                             [](const Line &l) {
                                                 return startsWithIgnoringCase(
                                                     trimLeadingSpace(l.text), "Caption ");
                                             })) {
                out += "   Caption     =  " + quoted(request.caption);
                out += end;
                captionDone = true;
            }
            continue;
        }
        if (own && !captionDone && startsWithIgnoringCase(property, "Caption ")) {
            out += "   Caption     =  " + quoted(request.caption);
            out += lines[i].end;
            captionDone = true;
            continue;
        }
        if (own && !linkTopicDone && startsWithIgnoringCase(property, "LinkTopic ")) {
            out += "   LinkTopic   =  " + quoted(request.internalName);
            out += lines[i].end;
            linkTopicDone = true;
            continue;
        }
        if (startsWithIgnoringCase(line, "Attribute VB_Name")) {
            out += "Attribute VB_Name = " + quoted(request.internalName);
            out += lines[i].end;
            continue;
        }
        if (isForm && i <= blocks.front().end)
            out += replaceQuotedFileName(line, request.sourceFrx, request.targetFrx);
        else
            out += line;
        out += lines[i].end;
    }
    return out;
}

std::string eventProcedures(std::string_view text, const std::vector<std::string> &controls)
{
    const std::vector<Line> lines = linesOf(text);
    std::set<std::string> names;
    for (const std::string &name : controls)
        names.insert(lower(name));
    std::string out;
    for (const auto &[first, last] :
         procedureRanges(lines, codeStart(designerBlocks(lines)), names)) {
        out += joined(lines, first, last);
        if (lines[last].end.empty())
            out += "\r\n";
    }
    return out;
}

std::vector<std::string> controlNames(std::string_view formText)
{
    const std::vector<Block> blocks = designerBlocks(linesOf(formText));
    std::vector<std::string> names;
    std::set<std::string> seen;
    for (std::size_t i = 1; i < blocks.size(); ++i)
        if (seen.insert(lower(blocks[i].name)).second)
            names.push_back(blocks[i].name);
    return names;
}

std::string deleteControls(std::string_view formText, const std::vector<std::string> &controls)
{
    const std::vector<Line> lines = linesOf(formText);
    const std::vector<Block> blocks = designerBlocks(lines);
    std::vector<bool> removed(lines.size(), false);
    std::set<std::string> deletedNames;
    for (const std::string &wanted : controls) {
        const std::optional<TextBoxControl> control = parseTextBoxControl(wanted);
        bool found = false;
        for (std::size_t b = 1; control && b < blocks.size(); ++b) {
            const Block &block = blocks[b];
            if (lower(block.name) != lower(control->name))
                continue;
            if (control->index && block.index != control->index)
                continue;
            found = true;
            for (std::size_t i = block.begin; i <= block.end; ++i)
                removed[i] = true;
        }
        if (!found)
            throw common::UserMessageError({"No Action",
                                            "The form has no control named \"" + wanted + "\"",
                                            platform::mb::Exclamation});
    }
    // A control's code goes once no control of its name is left (an array may keep members).
    std::set<std::string> remaining;
    for (std::size_t b = 1; b < blocks.size(); ++b)
        (removed[blocks[b].begin] ? deletedNames : remaining).insert(lower(blocks[b].name));
    for (const std::string &name : remaining)
        deletedNames.erase(name);
    for (const auto &[first, last] : procedureRanges(lines, codeStart(blocks), deletedNames))
        for (std::size_t i = first; i <= last; ++i)
            removed[i] = true;

    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (!removed[i]) {
            out += lines[i].text;
            out += lines[i].end;
        }
    return out;
}

std::string pasteMenu(std::string_view sourceForm, std::string_view destinationForm)
{
    const std::vector<Line> source = linesOf(sourceForm);
    const std::vector<Block> sourceBlocks = designerBlocks(source);
    const std::vector<Line> target = linesOf(destinationForm);
    const std::vector<Block> targetBlocks = designerBlocks(target);
    if (targetBlocks.empty())
        throw common::UserMessageError(
            {"Paste Menu Error", "The destination is not a form file.", platform::mb::Exclamation});

    std::set<std::string> targetNames;
    for (std::size_t b = 1; b < targetBlocks.size(); ++b)
        targetNames.insert(lower(targetBlocks[b].name));

    const std::string_view end = dominantLineEnd(target);
    std::string menus;
    std::set<std::string> menuNames;
    for (std::size_t b = 1; b < sourceBlocks.size(); ++b) {
        const Block &block = sourceBlocks[b];
        if (block.depth != 1 || lower(block.type) != "vb.menu")
            continue;
        for (std::size_t inner = b;
             inner < sourceBlocks.size() && sourceBlocks[inner].begin <= block.end; ++inner) {
            const std::string name = lower(sourceBlocks[inner].name);
            if (targetNames.count(name))
                throw common::UserMessageError({"Paste Menu Error",
                                                "The form already has a control or menu named " +
                                                    sourceBlocks[inner].name +
                                                    "; nothing was pasted.",
                                                platform::mb::Exclamation});
            menuNames.insert(name);
        }
        for (std::size_t i = block.begin; i <= block.end; ++i) {
            menus += source[i].text;
            menus += end;
        }
    }
    if (menus.empty())
        throw common::UserMessageError(
            {"Paste Menu Error", "The source form has no menu.", platform::mb::Exclamation});

    std::string code;
    for (const auto &[first, last] : procedureRanges(source, codeStart(sourceBlocks), menuNames)) {
        code += end;
        for (std::size_t i = first; i <= last; ++i) {
            code += source[i].text;
            code += end;
        }
    }

    const std::size_t formEnd = targetBlocks.front().end;
    std::string out;
    for (std::size_t i = 0; i < target.size(); ++i) {
        if (i == formEnd)
            out += menus;
        out += target[i].text;
        out += target[i].end.empty() && i + 1 == target.size() && !code.empty()
                   ? std::string(end)
                   : std::string(target[i].end);
    }
    if (!code.empty()) {
        // The appended procedures follow the last line without a blank line of their own when
        // the code already ends in one.
        if (!target.empty() && trimSpace(target.back().text).empty())
            code.erase(0, end.size());
        out += code;
    }
    return out;
}

std::optional<TextBoxControl> parseTextBoxControl(std::string_view text)
{
    text = trimSpace(text);
    TextBoxControl control;
    const std::size_t open = text.find('(');
    control.name = std::string(text.substr(0, open));
    if (control.name.empty() || !std::all_of(control.name.begin(), control.name.end(), isIdentChar))
        return std::nullopt;
    if (open == std::string_view::npos)
        return control;
    if (text.back() != ')' || open + 2 > text.size() - 1)
        return std::nullopt;
    const std::string_view digits = text.substr(open + 1, text.size() - open - 2);
    if (digits.size() > 5 || !std::all_of(digits.begin(), digits.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        }))
        return std::nullopt;
    control.index = std::stoi(std::string(digits));
    return control;
}

std::string textBoxCode(const std::vector<TextBoxControl> &controls, const TextBoxOptions &options)
{
    std::string out;
    bool arrayDone = false;
    for (const TextBoxControl &control : controls) {
        const bool isArray = control.index.has_value();
        if (isArray && arrayDone)
            continue;
        arrayDone = arrayDone || isArray;
        const std::string &n = control.name;
        if (options.enterToTab) {
            out += isArray
                       ? "Private Sub " + n +
                             "_KeyDown(Index As Integer, KeyCode As Integer, Shift As Integer)\r\n"
                       : "Private Sub " + n + "_KeyDown(KeyCode As Integer, Shift As Integer)\r\n";
            out += "   If KeyCode = 13 Then Sendkeys \"{TAB}\", True\r\nEnd Sub\r\n";
        }
        if (options.selectOnFocus) {
            const std::string self = isArray ? n + "(Index)" : n;
            out += isArray ? "Private Sub " + n + "_GotFocus(Index as Integer)\r\n"
                           : "Private Sub " + n + "_GotFocus()\r\n";
            out += "   " + self + ".SelStart = 0\r\n";
            out += "   " + self + ".SelLength = Len(Trim$(" + self + ".Text))\r\nEnd Sub\r\n";
        }
        if (options.killBeep) {
            out += isArray
                       ? "Private Sub " + n + "_KeyPress(Index As Integer, KeyAscii As Integer)\r\n"
                       : "Private Sub " + n + "_KeyPress(KeyAscii As Integer)\r\n";
            out += "   If KeyAscii = 13 Then KeyAscii = 0\r\nEnd Sub\r\n";
        }
    }
    return out;
}

std::string
renameProcedure(std::string_view procText, std::string_view oldName, std::string_view newName)
{
    const std::vector<Line> lines = linesOf(procText);
    const std::string oldLower = lower(oldName);
    std::string out;
    bool headerDone = false;
    for (const Line &line : lines) {
        std::string text(line.text);
        const std::size_t indent = text.size() - trimLeadingSpace(text).size();
        const std::string declared = headerDone ? std::string{} : headerName(text);
        if (!declared.empty()) {
            // The declared name is the first word after the header's keywords.
            if (lower(declared) == oldLower) {
                std::size_t at = indent;
                for (std::string_view form : HeaderForms)
                    if (startsWithIgnoringCase(std::string_view(text).substr(indent), form)) {
                        at = text.find_first_not_of(" \t", indent + form.size());
                        break;
                    }
                text.replace(at, oldName.size(), newName);
            }
            headerDone = true;
        } else if (headerDone && lower(text.substr(indent, oldName.size())) == oldLower &&
                   (text.size() == indent + oldName.size() ||
                    !isIdentChar(text[indent + oldName.size()])) &&
                   trimLeadingSpace(std::string_view(text).substr(indent + oldName.size()))
                           .substr(0, 1) == "=") {
            text.replace(indent, oldName.size(), newName);
        }
        out += text;
        out += line.end;
    }
    return out;
}

} // namespace qm::library
