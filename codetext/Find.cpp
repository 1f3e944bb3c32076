// The editor's searches.
#include "codetext/Find.h"

#include "common/TextHelpers.h"
#include "platform/Text.h"
#include "platform/UiRuntime.h"

namespace qm::codetext {
namespace {

bool matchesAt(std::string_view text, size_t at, std::string_view needle, bool caseSensitive)
{
    const std::string_view candidate = text.substr(at, needle.size());
    return caseSensitive ? candidate == needle : platform::equalsIgnoreCase(candidate, needle);
}

std::optional<size_t>
searchDown(std::string_view text, size_t from, std::string_view needle, bool caseSensitive)
{
    if (from > text.size())
        return std::nullopt;
    const size_t at =
        caseSensitive ? text.find(needle, from) : platform::findIgnoreCase(text, needle, from);
    if (at == std::string_view::npos)
        return std::nullopt;
    return at;
}

std::optional<size_t>
searchUp(std::string_view text, size_t before, std::string_view needle, bool caseSensitive)
{
    if (needle.size() > text.size() || before == 0)
        return std::nullopt;
    size_t at = std::min(before - 1, text.size() - needle.size());
    for (;; --at) {
        if (matchesAt(text, at, needle, caseSensitive))
            return at;
        if (at == 0)
            return std::nullopt;
    }
}

} // namespace

SearchState &editorSearch()
{
    static SearchState state;
    return state;
}

std::optional<size_t> findText(std::string_view text, size_t selectionStart, SearchState &state)
{
    if (state.searchText.empty())
        return std::nullopt;
    const size_t offset = !state.newSearch && state.lastPosition == selectionStart ? 1 : 0;
    std::optional<size_t> match =
        state.direction == 0
            ? searchUp(text, selectionStart, state.searchText, state.caseSensitive)
            : searchDown(text, selectionStart + offset, state.searchText, state.caseSensitive);
    state.lastPosition = match.value_or(selectionStart);
    state.newSearch = false;
    return match;
}

common::UserMessage cannotFindMessage(std::string_view searchText)
{
    return {"Quillmark", "Cannot find \"" + std::string(searchText) + "\"",
            platform::mb::Exclamation};
}

std::string replaceText(std::string_view text, const SearchState &state)
{
    return common::ReplaceAll(text, state.searchText, state.replacement);
}

} // namespace qm::codetext
