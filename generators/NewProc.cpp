// The new procedure generator's steps over the working text.
#include "generators/NewProc.h"

#include "common/TextHelpers.h"
#include "platform/Text.h"

#include <algorithm>

namespace qm::generators {
namespace {

std::string_view trimBlanks(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// Each occurrence of the keyword followed by a blank and the value; an empty keyword has no
// place in the text.
std::string
insertAfterKeyword(std::string_view text, std::string_view keyword, std::string_view value)
{
    if (keyword.empty())
        return std::string(text);
    return common::ReplaceAll(text, keyword, std::string(keyword) + " " + std::string(value));
}

size_t findIgnoringCase(std::string_view text, std::string_view what)
{
    return platform::findIgnoreCase(text, what);
}

std::string applyScope(std::string_view text, std::string_view scope, std::string_view other)
{
    size_t at = findIgnoringCase(text, "Sub ");
    if (at == std::string_view::npos)
        at = findIgnoringCase(text, "Function ");
    if (at == std::string_view::npos)
        return std::string(text);
    std::string scoped(text.substr(0, at));
    scoped += scope;
    scoped += text.substr(at);
    return common::ReplaceAll(scoped, other, "");
}

} // namespace

std::string loadNewProcedure(std::string_view templateText, const NewProcLoad &load)
{
    std::string text;
    text.reserve(templateText.size() + 64);
    for (std::string_view line : common::splitLines(templateText)) {
        text += line;
        text += "\r\n";
    }
    const std::string programmer(trimBlanks(load.programmer).substr(0, 30));
    text = insertAfterKeyword(text, load.authorKeyword, programmer);
    text = insertAfterKeyword(text, load.dateKeyword, load.date);
    return common::ReplaceAll(text, "Procedure", "Sub");
}

std::string applyProcedureName(std::string_view text, std::string_view name)
{
    const std::string_view trimmed = trimBlanks(name);
    if (trimmed.empty())
        return std::string(text);
    return common::ReplaceAll(text, "ProcName", trimmed);
}

std::string applyFunctionKind(std::string_view text)
{
    return common::ReplaceAll(text, "Sub", "Function");
}

std::string applySubKind(std::string_view text)
{
    return common::ReplaceAll(text, "Function", "Sub");
}

std::string applyPrivateScope(std::string_view text)
{
    return applyScope(text, "Private ", "Public ");
}

std::string applyPublicScope(std::string_view text)
{
    return applyScope(text, "Public ", "Private ");
}

} // namespace qm::generators
