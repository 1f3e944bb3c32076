// The change-block markers and their resolution, byte for byte.
#include "changes/ChangeBlock.h"

#include "common/ErrorReports.h"

#include "tests/support/EngineTest.h"

#include <gtest/gtest.h>

using namespace qm::changes;

namespace {

const std::string kDate = "12/08/2026";
const std::string kAddBegin = "'* Block Added by dev on 12/08/2026\r\n";
const std::string kAddEnd = "'* End of Block Added by dev on 12/08/2026\r\n";
const std::string kChangeBegin = "'* Block Changed by dev on 12/08/2026\r\n";
const std::string kChangeEnd = "'* End of Block Changed by dev on 12/08/2026\r\n";
const std::string kDeleteBegin = "'* Block Deleted by dev on 12/08/2026\r\n";
const std::string kDeleteEnd = "'* End of Block Deleted by dev on 12/08/2026\r\n";

using qm::test::messageOf;

} // namespace

TEST(ChangeBlock, MarkerDateIsAlwaysTenCharacters)
{
    EXPECT_EQ(markerDate({2026, 3, 4}, '/'), "03/04/2026");
    EXPECT_EQ(markerDate({2026, 12, 8}, '.'), "12.08.2026");
    // The report reads the date as the ten characters after " on ", whatever the name holds.
    std::string line = beginMarker(BlockKind::Change, "  Mary on Call ", "01/02/2026");
    EXPECT_EQ(line, "'* Block Changed by Mary on Call on 01/02/2026\r\n");
    EXPECT_EQ(line.substr(line.rfind(" on ") + 4, 10), "01/02/2026");
}

TEST(ChangeBlock, AdditionIsFourLinesToTypeInto)
{
    EXPECT_EQ(AddBlock(" dev ", kDate), kAddBegin + "\r\n\r\n" + kAddEnd);
}

TEST(ChangeBlock, ChangeEnclosesTheSelectionBetweenEmptyLines)
{
    EXPECT_EQ(ChangeBlock("    a = 1\r\n    b = 2\r\n", "dev", kDate),
              "\r\n" + kChangeBegin + "    a = 1\r\n    b = 2\r\n" + kChangeEnd + "\r\n");
    // A selection that stops inside a line: the end marker still starts a line of its own.
    EXPECT_EQ(ChangeBlock("a = 1", "dev", kDate),
              "\r\n" + kChangeBegin + "a = 1\r\n" + kChangeEnd + "\r\n");
}

TEST(ChangeBlock, DeletionCommentsEachLineOutBehindItsMark)
{
    EXPECT_EQ(DeletionBlock("    a = 1\r\n\r\nb\n", "dev", kDate),
              kDeleteBegin + "'*     a = 1\r\n'* \r\n'* b\r\n" + kDeleteEnd);
}

TEST(ChangeBlock, BlankSelectionsRaiseNoAction)
{
    struct Case
    {
        std::function<void()> call;
        const char *text;
    };
    const Case cases[] = {
        {[] { ChangeBlock("   ", "dev", "12/08/2026"); }, "No change text selected!"},
        {[] { DeletionBlock("", "dev", "12/08/2026"); }, "No deletion text selected!"},
        {[] { RemoveBlocking("  "); }, "No text selected to unblock!"},
    };
    for (const Case &c : cases) {
        auto message = messageOf(c.call);
        EXPECT_EQ(message.title, "No Action");
        EXPECT_EQ(message.text, c.text);
        EXPECT_EQ(message.style, 48);
    }
}

TEST(DeleteBlocking, ResolvesEachKindOfBlock)
{
    const std::string code = "    a = 1\r\n";
    // Addition and change blocks lose their markers; a deletion block goes whole.
    EXPECT_EQ(RemoveBlocking(kAddBegin + code + kAddEnd), code);
    EXPECT_EQ(RemoveBlocking(ChangeBlock(code, "dev", kDate)), "\r\n" + code + "\r\n");
    EXPECT_EQ(RemoveBlocking("x\r\n" + DeletionBlock(code, "dev", kDate) + "y"), "x\r\ny\r\n");
    // Markers typed in another letter case are still found.
    EXPECT_EQ(RemoveBlocking("'* BLOCK ADDED BY dev\r\nk\r\n'* end of block added\r\n"
                             "'* block deleted by dev\r\n'* gone\r\n'* END OF BLOCK DELETED\r\n"),
              "k\r\n");
}

TEST(DeleteBlocking, NeverDropsCodeThatNoPairOfMarkersEncloses)
{
    // A deletion begin line whose end line lies outside the selection goes alone.
    EXPECT_EQ(RemoveBlocking(kDeleteBegin + "'* old\r\nnew = 1\r\n"), "'* old\r\nnew = 1\r\n");
    // So does an end line whose begin line lies before the selection; a whole block after it
    // still goes whole.
    EXPECT_EQ(RemoveBlocking("'* old\r\n" + kDeleteEnd + "keep\r\n" + kDeleteBegin + "'* gone\r\n" +
                             kDeleteEnd + "last"),
              "'* old\r\nkeep\r\nlast\r\n");
    // Two begin lines before one end line: the first opens the block, the end closes it.
    EXPECT_EQ(RemoveBlocking(kDeleteBegin + "'* a\r\n" + kDeleteBegin + "'* b\r\n" + kDeleteEnd +
                             "c\r\n"),
              "c\r\n");
}
