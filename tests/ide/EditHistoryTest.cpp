// Undo steps of code texts and form states.
#include "ide/EditHistory.h"

#include <gtest/gtest.h>

using qm::ide::diffTexts;
using qm::ide::FormHistory;
using qm::ide::FormState;
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
    FormHistory h;
    auto state = [&h](const char *design) { return h.capture(design, std::nullopt); };
    h.reset(state("one"));
    h.observe(state("one"));
    h.observe(state("two"));
    EXPECT_EQ(h.undo(state("three"))->design, "two"); // "three" was not seen yet: a step too
    EXPECT_EQ(h.undo(state("two"))->design, "one");
    EXPECT_FALSE(h.undo(state("one")));
    EXPECT_EQ(h.redo(state("one"))->design, "two");
    // A state brought back not quite byte for byte is seen, not recorded.
    h.settle(state("two'"));
    EXPECT_EQ(h.redo(state("two'"))->design, "three");
    EXPECT_EQ(h.undo(state("three"))->design, "two'");
    // A change after an undo drops the redo steps.
    h.observe(state("four"));
    EXPECT_FALSE(h.redo(state("four")));
    EXPECT_EQ(h.undo(state("four"))->design, "two'");
}

TEST(EditHistory, AnUnchangedFrxIsHeldOnceWhateverTheSteps)
{
    const std::string large(1 << 20, '\x7f');
    std::optional<std::string> frx = large;
    FormHistory h;
    h.reset(h.capture("design 0", frx));
    for (int step = 1; step <= 100; ++step)
        h.observe(h.capture("design " + std::to_string(step), frx));
    EXPECT_TRUE(h.canUndo());
    EXPECT_EQ(h.frxCopies(), 1u);

    // A step that changes the .frx holds one more copy; undoing it gives the old bytes back.
    frx->append("new picture");
    h.observe(h.capture("design 101", frx));
    EXPECT_EQ(h.frxCopies(), 2u);
    const std::optional<FormState> back = h.undo(h.capture("design 101", frx));
    ASSERT_TRUE(back);
    ASSERT_TRUE(back->frx);
    EXPECT_EQ(*back->frx, large);
    EXPECT_EQ(h.frxCopies(), 2u);
    // Steps after it share the restored bytes again.
    for (int step = 102; step < 110; ++step)
        h.observe(h.capture("design " + std::to_string(step), large));
    EXPECT_EQ(h.frxCopies(), 1u); // the changed copy went with the redo steps

    // A form without an .frx and one with the same design differ.
    EXPECT_NE(h.capture("x", std::nullopt), h.capture("x", std::string()));
}

} // namespace
