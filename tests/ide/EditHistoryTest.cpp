// Undo steps of code texts and form states.
#include "ide/EditHistory.h"

#include <gtest/gtest.h>

using qm::ide::diffTexts;
using qm::ide::StateHistory;
using qm::ide::TextHistory;

namespace {

TEST(EditHistory, ADiffIsTheOneRangeThatChanged)
{
    struct Case
    {
        const char *before, *after;
        std::size_t at;
        const char *removed, *inserted;
    } cases[] = {
        {"abc", "abc", 3, "", ""},
        {"abc", "abXc", 2, "", "X"},
        {"abc", "ac", 1, "b", ""},
        {"aaa", "aaaa", 3, "", "a"}, // a repeated letter: the insertion is at the end
        {"", "x\r\n", 0, "", "x\r\n"},
        {"Sub A\r\nEnd Sub", "Sub B\r\nEnd Sub", 4, "A", "B"},
    };
    for (const Case &c : cases) {
        const auto d = diffTexts(c.before, c.after);
        EXPECT_EQ(d.at, c.at) << c.before << " -> " << c.after;
        EXPECT_EQ(d.removed, c.removed) << c.before << " -> " << c.after;
        EXPECT_EQ(d.inserted, c.inserted) << c.before << " -> " << c.after;
    }
}

TEST(EditHistory, ATypedLineIsOneStepAndAPasteAnother)
{
    TextHistory h;
    h.reset("End Sub\r\n", 0);
    std::string text = "End Sub\r\n";
    // "x = 1" and Enter, key by key, then a paste at the caret.
    std::size_t caret = 0;
    for (const char *key : {"x", " ", "=", " ", "1", "\r\n"}) {
        text.insert(caret, key);
        caret += std::string(key).size();
        h.observe(text, caret);
    }
    text.insert(caret, "'* pasted\r\n");
    h.observe(text, caret + 11);
    text.insert(caret + 11, "y");
    h.observe(text, caret + 12);

    auto step = h.undo();
    ASSERT_TRUE(step);
    EXPECT_EQ(step->first, "x = 1\r\n'* pasted\r\nEnd Sub\r\n");
    step = h.undo();
    ASSERT_TRUE(step);
    EXPECT_EQ(step->first, "x = 1\r\nEnd Sub\r\n");
    step = h.undo();
    ASSERT_TRUE(step);
    EXPECT_EQ(step->first, "End Sub\r\n");
    EXPECT_EQ(step->second, 0u);
    EXPECT_FALSE(h.undo());

    // Redo walks forward again; a new change forgets what was taken back.
    step = h.redo();
    ASSERT_TRUE(step);
    EXPECT_EQ(step->first, "x = 1\r\nEnd Sub\r\n");
    EXPECT_EQ(step->second, 7u);
    h.observe("x = 2\r\nEnd Sub\r\n", 5);
    EXPECT_FALSE(h.canRedo());
    step = h.undo();
    ASSERT_TRUE(step);
    EXPECT_EQ(step->first, "x = 1\r\nEnd Sub\r\n");
}

TEST(EditHistory, AReplacedSelectionComesBackWhole)
{
    TextHistory h;
    h.reset("    a = 1\r\n    b = 2\r\n", 0);
    h.observe("'    a = 1\r\n'    b = 2\r\n", 0);
    auto step = h.undo();
    ASSERT_TRUE(step);
    EXPECT_EQ(step->first, "    a = 1\r\n    b = 2\r\n");
}

TEST(EditHistory, OnlyTheNewestStepsAreKept)
{
    TextHistory h;
    std::string text;
    h.reset(text);
    for (std::size_t i = 0; i < TextHistory::kDepth + 20; ++i) {
        text += "line\r\n"; // each a paste: a step of its own
        h.observe(text, text.size());
    }
    std::size_t undone = 0;
    while (h.undo())
        ++undone;
    EXPECT_EQ(undone, TextHistory::kDepth);
}

TEST(EditHistory, FormStatesStepBackAndForward)
{
    StateHistory h;
    h.reset("one");
    h.observe("one");
    h.observe("two");
    EXPECT_EQ(h.undo("three"), "two"); // "three" was not seen yet: it is a step too
    EXPECT_EQ(h.undo("two"), "one");
    EXPECT_FALSE(h.undo("one"));
    EXPECT_EQ(h.redo("one"), "two");
    // A state brought back not quite byte for byte is seen, not recorded.
    h.settle("two'");
    EXPECT_EQ(h.redo("two'"), "three");
    EXPECT_EQ(h.undo("three"), "two'");
    // A change after an undo drops the redo steps.
    h.observe("four");
    EXPECT_FALSE(h.redo("four"));
    EXPECT_EQ(h.undo("four"), "two'");
}

} // namespace
