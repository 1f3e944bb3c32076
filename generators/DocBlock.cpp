// The procedure documentation block.
#include "generators/DocBlock.h"

#include "common/ErrorReports.h"
#include "common/Settings.h"
#include "common/TextHelpers.h"
#include "platform/LineReader.h"
#include "platform/Text.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace qm::generators {
namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string_view trimBlanks(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool contains(std::string_view text, std::string_view what)
{
    return text.find(what) != std::string_view::npos;
}

bool containsIgnoringCase(std::string_view text, std::string_view what)
{
    // Letter case as the runtime's: ASCII only, whatever the locale of the process.
    return !what.empty() && platform::containsIgnoreCase(text, what);
}

bool isHeaderLine(std::string_view line)
{
    return contains(line, "Sub ") || contains(line, "Function ");
}

// The text of a comment line after its "'*" or "'", trimmed; nothing for another line.
std::optional<std::string_view> commentText(std::string_view line)
{
    const std::string_view t = trimBlanks(line);
    if (t.substr(0, 2) == "'*")
        return trimBlanks(t.substr(2));
    if (t.substr(0, 1) == "'")
        return trimBlanks(t.substr(1));
    return std::nullopt;
}

bool isSeparatorLine(std::string_view line)
{
    for (std::string_view mark : {"***", "---", "$$$", "___"}) {
        if (contains(line, mark))
            return true;
    }
    return false;
}

bool continuesOnNextLine(std::string_view line)
{
    const size_t last = line.find_last_not_of(' ');
    return last != std::string_view::npos && line[last] == '_' &&
           (last == 0 || line[last - 1] == ' ');
}

struct HeaderParts
{
    std::string name;
    std::string parameters; ///< "'*   " lines
    std::string returnType;
};

HeaderParts readHeader(std::string header, bool wantParameters)
{
    HeaderParts parts;
    static constexpr std::string_view kKinds = "Sub_Function";
    std::string_view rest = header;
    while (kKinds.find(common::NextWord(rest)) == std::string_view::npos) {
    }
    parts.name = common::NextWord(rest, "_");
    if (!wantParameters)
        return parts;
    for (;;) {
        const std::string word = common::NextWord(rest, " _");
        if (word.empty())
            break;
        const std::string_view token = trimBlanks(word);
        // A line continuation is no parameter.
        if (token.empty() || token == "_")
            continue;
        if (token.substr(0, 3) == "As ") {
            parts.returnType = std::string(token.substr(3));
            break;
        }
        parts.parameters += "'*   ";
        parts.parameters += token;
        parts.parameters += kCrLf;
    }
    return parts;
}

std::string withoutLastLineEnd(std::string text)
{
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, kCrLf) == 0)
        text.resize(text.size() - 2);
    return text;
}

std::string replaceKeyword(std::string_view text, std::string_view keyword, std::string_view by)
{
    if (keyword.empty())
        return std::string(text);
    return common::ReplaceAll(text, keyword, by);
}

std::string
fillTemplate(const DocBlockSettings &s, const HeaderParts &header, const std::string &comments)
{
    std::string block;
    for (std::string_view line : common::splitLines(s.templateText)) {
        block += line;
        block += kCrLf;
    }
    const auto after = [](std::string_view keyword, std::string_view value) {
        return std::string(keyword) + " " + std::string(value);
    };
    block = common::ReplaceAll(block, "ProcName", header.name);
    block = replaceKeyword(block, s.copyrightKeyword, after(s.copyrightKeyword, s.company));
    block = replaceKeyword(block, s.dateCreatedKeyword, after(s.dateCreatedKeyword, s.date));
    block = replaceKeyword(block, s.authorKeyword, after(s.authorKeyword, s.programmer));
    if (containsIgnoringCase(s.templateText, s.purposeKeyword) && !comments.empty())
        block = replaceKeyword(block, s.purposeKeyword,
                               after(s.purposeKeyword, "\r\n" + withoutLastLineEnd(comments)));
    if (containsIgnoringCase(s.templateText, s.parametersKeyword) && !header.parameters.empty())
        block = replaceKeyword(
            block, s.parametersKeyword,
            after(s.parametersKeyword, "\r\n" + withoutLastLineEnd(header.parameters)));
    if (!header.returnType.empty())
        block = replaceKeyword(block, s.returnsKeyword, after(s.returnsKeyword, header.returnType));
    return block;
}

} // namespace

void DocBlockSettings::useKeywords(const common::DocumentationKeywords &keywords)
{
    copyrightKeyword = keywords.Copyright;
    dateCreatedKeyword = keywords.DateCreated;
    authorKeyword = keywords.Author;
    purposeKeyword = keywords.Purpose;
    parametersKeyword = keywords.Parameters;
    returnsKeyword = keywords.Returns;
}

std::string DocumentProcedure(std::string_view code, const DocBlockSettings &settings)
{
    platform::LineReader lines(code);
    for (platform::LineReader look = lines;;) {
        const std::optional<std::string_view> line = look.next();
        if (!line)
            throw common::UserMessageError(
                {"Proc Not Selected", "Entire Procedure must be selected!", 64});
        if (isHeaderLine(*line))
            break;
    }

    const bool wantParameters =
        containsIgnoringCase(settings.templateText, settings.parametersKeyword);
    std::string out;
    out.reserve(code.size() + code.size() / 8 + settings.templateText.size() + 256);
    std::string comments;
    const auto collect = [&](std::string_view line) {
        if (isSeparatorLine(line))
            return;
        comments += "'*   ";
        comments += *commentText(line);
        comments += kCrLf;
    };

    // Up to the header, which is there.
    std::optional<std::string_view> at = lines.next();
    for (; !isHeaderLine(*at); at = lines.next()) {
        if (commentText(*at))
            collect(*at);
        else if (!trimBlanks(*at).empty()) {
            out += *at;
            out += kCrLf;
        }
    }

    // The header with its continued lines.
    std::string headerText;
    for (;;) {
        out += *at;
        out += kCrLf;
        const bool goesOn = continuesOnNextLine(*at);
        std::string_view part = *at;
        if (goesOn)
            part = part.substr(0, part.find_last_not_of(' '));
        headerText += part;
        headerText += ' ';
        at = lines.next();
        if (!goesOn || !at)
            break;
    }
    const HeaderParts parts = readHeader(headerText, wantParameters);

    for (; at; at = lines.next()) {
        if (commentText(*at))
            collect(*at);
        else if (!trimBlanks(*at).empty())
            break;
    }
    out += fillTemplate(settings, parts, comments);
    for (; at; at = lines.next()) {
        out += *at;
        out += kCrLf;
    }
    return out;
}

} // namespace qm::generators
