// Which lines are marker lines, and that the engines reading markers never take code for one.
#include "changes/MarkerLines.h"

#include "changes/ChangeBlock.h"
#include "changes/ChangeBlockCli.h"

#include "tests/support/EngineTest.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace qm::changes;

TEST(MarkerLines, APhraseCountsOnlyWhereTheLinesTextBegins)
{
    struct Case
    {
        const char *line;
        const char *phrase;
        bool marker;
    };
    const Case cases[] = {
        {"'* Block Added by dev on 12/08/2026", "Block Added by", true},
        {"   '* block added BY dev", "Block Added by", true},
        {"'** End of Block Commented **", "End of Block", true},
        {"'** Commented on 12/8/26 by dev **", "* Commented on", true},
        {"'Block Deleted by ann", "Block Deleted by", true},
        {"\t' *  End of Block Deleted", "End of Block Deleted", true},
        {"x = 1 ' see Block Added by the old tool", "Block Added by", false},
        {"If r Then W 0 'append EOB (end of block)", "End of Block", false},
        {"'* x = 1 ' Block Deleted by ann", "Block Deleted by", false},
        {"' note: Block Added by dev", "Block Added by", false},
        {"'**** Block Added by dev", "Block Added by", false}, // more stars than a mark and one
        {"Block Added by dev", "Block Added by", false},       // no comment mark
        {"'", "Block Added by", false},
        {"", "End of Block", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(isMarkerLine(c.line, c.phrase), c.marker) << c.line;
    // Once the uncomment took the mark off, the phrase counts at the start of the rest.
    EXPECT_TRUE(isUncommentedMarkerLine("* Commented on 1/2/03 by ann **", "* Commented on"));
    EXPECT_TRUE(isUncommentedMarkerLine("Block Added by dev", "Block Added by"));
    EXPECT_TRUE(isUncommentedMarkerLine("'* Block Added by dev", "Block Added by"));
    EXPECT_FALSE(isUncommentedMarkerLine("x = 1 'Block Added by dev", "Block Added by"));
}

TEST(DeleteBlocking, KeepsCodeWhoseCommentMentionsAMarkerText)
{
    const std::string deleteBegin = "'* Block Deleted by dev on 12/08/2026\r\n";
    const std::string deleteEnd = "'* End of Block Deleted by dev on 12/08/2026\r\n";
    // A code line whose comment says "Block Deleted by" opens no deletion block: the lines
    // after it stay, up to and past a real end line.
    EXPECT_EQ(RemoveBlocking("x = 1 ' see Block Added by the old tool\r\n"
                             "y = 2 ' Block Deleted by ann\r\n"
                             "z = 3\r\n"
                             "w = 4 ' End of Block Deleted\r\n"),
              "x = 1 ' see Block Added by the old tool\r\n"
              "y = 2 ' Block Deleted by ann\r\n"
              "z = 3\r\n"
              "w = 4 ' End of Block Deleted\r\n");
    // Inside a real deletion block, an end phrase in a code comment does not close it early.
    EXPECT_EQ(RemoveBlocking(deleteBegin + "'* old = 1 ' End of Block Deleted\r\n'* old = 2\r\n" +
                             deleteEnd + "new = 1\r\n"),
              "new = 1\r\n");
}

TEST(QmBlock, RemoveKeepsCodeWhoseCommentMentionsAMarkerText)
{
    qm::test::SandboxDirs dirs;
    const std::string code = "    If r <> 0 Then WriteBits 0 'append EOB (end of block)\n"
                             "x = 1 ' Block Deleted by ann\n"
                             "y = 2\n";
    qm::test::QmRun run = qm::test::runQmCommand(addChangeBlockCommands, {"block", "remove"}, code);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "    If r <> 0 Then WriteBits 0 'append EOB (end of block)\r\n"
                       "x = 1 ' Block Deleted by ann\r\n"
                       "y = 2\r\n");
}
