#include "codetext/Find.h"

#include <gtest/gtest.h>

using namespace qm::codetext;

TEST(FindText, FollowsTheDirectionCaseAndLastPosition)
{
    const std::string text = "ab AB ab";
    struct Case
    {
        int direction;
        bool caseSensitive;
        bool newSearch;
        size_t lastPosition;
        size_t selectionStart;
        std::optional<size_t> match;
    };
    const std::vector<Case> cases = {
        {1, false, true, 0, 0, 0},   // a new search finds the match at the caret
        {1, false, false, 0, 0, 3},  // Find Next skips the match it stopped at
        {1, true, false, 0, 0, 6},   // exact case skips AB
        {1, false, false, 3, 7, {}}, // nothing after the last one
        {0, false, false, 0, 6, 3},  // up: the nearest before the selection
        {0, true, false, 0, 6, 0},
        {0, false, true, 0, 4, 3}, // one that starts just before the caret
        {0, false, false, 0, 0, {}},
    };
    for (const auto &c : cases) {
        SearchState state;
        state.searchText = "ab";
        state.direction = c.direction;
        state.caseSensitive = c.caseSensitive;
        state.newSearch = c.newSearch;
        state.lastPosition = c.lastPosition;
        EXPECT_EQ(findText(text, c.selectionStart, state), c.match)
            << c.direction << c.caseSensitive << c.newSearch << c.selectionStart;
        EXPECT_FALSE(state.newSearch);
        EXPECT_EQ(state.lastPosition, c.match.value_or(c.selectionStart));
    }
}

TEST(FindText, ReplaceIsExactCaseAndNeverRescansItsOwnText)
{
    SearchState state;
    state.searchText = "x";
    state.replacement = "xx";
    EXPECT_EQ(replaceText("x X x", state), "xx X xx");
    EXPECT_EQ(cannotFindMessage("Sub").text, "Cannot find \"Sub\"");
}
