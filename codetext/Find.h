// Find, Find Next and Replace in the editor's text: the search state kept while the program
// runs and the searches over a text and its selection.
#pragma once

#include "common/ErrorReports.h" // UserMessage of "Cannot find"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qm::codetext {

struct SearchState
{
    std::string searchText;
    std::string replacement;
    bool caseSensitive = false;
    int direction = 1; ///< 1 down (towards the end), 0 up
    size_t lastPosition = 0;
    bool newSearch = false; ///< set when the Find dialog was just used
};

/// The editor's search state, for the life of the program.
SearchState &editorSearch();

/// Find and Find Next over `text` whose selection starts at `selectionStart` (from 0). Down: the
/// first occurrence at or after the selection start, or after it when the last search stopped
/// there (so Find Next moves on); up: the nearest occurrence that starts before the selection.
/// Letter case counts only with the case flag. Returns where the match starts; afterwards the
/// last position is where the selection starts and the new-search flag is cleared.
std::optional<size_t> findText(std::string_view text, size_t selectionStart, SearchState &state);

/// "Cannot find "..."".
common::UserMessage cannotFindMessage(std::string_view searchText);

/// Replace: every occurrence of the search text, exact letter case, replaced in the whole text;
/// a replacement that holds the search text is not searched again.
std::string replaceText(std::string_view text, const SearchState &state);

} // namespace qm::codetext
