// The fast inner loops of the code finder: finding a text with letter case ignored, and finding
// the end of a line, over raw byte ranges.
#pragma once

#include <string>
#include <string_view>

namespace qm::search {

/// A search text prepared for repeated searching with ASCII letter case ignored (bytes above 127
/// match only themselves). An empty text is found at every position.
class FoldedText
{
public:
    explicit FoldedText(std::string_view text);

    /// The first position in [begin, end) where the text starts, or `end`.
    const char *find(const char *begin, const char *end) const;

    bool empty() const { return m_text.empty(); }
    size_t size() const { return m_text.size(); }

private:
    std::string m_text; // lower case
};

/// The first CR or LF in [begin, end), or `end`.
const char *findLineEnd(const char *begin, const char *end);
/// The last CR or LF in [begin, end), or null.
const char *findLastLineEnd(const char *begin, const char *end);

/// True when `text` contains `part` with ASCII letter case ignored.
bool containsFolded(std::string_view text, std::string_view part);

} // namespace qm::search
