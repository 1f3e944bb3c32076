// The change-block markers and their resolution, byte for byte.
#include "changes/ChangeBlock.h"

#include "changes/ChangeBlockCli.h"
#include "changes/CommentCleanup.h"
#include "common/ErrorReports.h"
#include "platform/LineReader.h"

#include "tests/support/EngineTest.h"
#include "tests/support/PieceEngines.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>

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

TEST(ChangeBlock, ReadingTheLinesInPiecesChangesNoByte)
{
    // qm reads a file for these engines a piece at a time. A deletion begin line without its end
    // line sends Delete Blocking back to the line after it, further back than a small buffer
    // holds: a file is read again from there, a pipe's lines are kept until then.
    std::string deleted;
    for (int i = 0; i < 30; ++i)
        deleted += "'* old " + std::to_string(i) + (i % 4 == 0 ? "\n" : "\r\n");
    const std::vector<std::string> texts = {
        "  a = 1  \r\n\tb\n\r'* x\r\n' c\r\r\nlast",
        "x\r\n" + kDeleteBegin + deleted + kDeleteEnd + "y\r\n" + kDeleteBegin + deleted + "z",
        kChangeBegin + "code\r\n" + kChangeEnd + "'* stray\r\n" + kDeleteEnd + kAddBegin + "w\r",
        "\t",
    };
    const std::vector<std::pair<const char *, qm::test::LineEngine>> engines = {
        {"ChangeBlock", [](auto &lines, auto &out) { ChangeBlock(lines, "dev", kDate, out); }},
        {"DeletionBlock", [](auto &lines, auto &out) { DeletionBlock(lines, "dev", kDate, out); }},
        {"RemoveBlocking", [](auto &lines, auto &out) { RemoveBlocking(lines, out); }},
        {"DeleteCommentedCode All",
         [](auto &lines, auto &out) { DeleteCommentedCode(lines, CommentKind::All, out); }},
        {"DeleteCommentedCode Product",
         [](auto &lines, auto &out) { DeleteCommentedCode(lines, CommentKind::Product, out); }},
    };
    for (const std::string &text : texts) {
        for (const auto &[name, engine] : engines)
            qm::test::expectSameBytesInPieces(text, name, engine);
    }
}

TEST(QmBlock, LargeFileWithAnUnendedDeletionBlockIsReadAgainFromItsBeginLine)
{
    // 300 kB of a deletion block whose end line is missing, read from FILE a piece at a time:
    // the look for the end line reads to the end of the file, then reads on from the begin line.
    qm::test::SandboxDirs dirs;
    qm::test::TempDir dir;
    std::string text = "keep\r\n" + kDeleteBegin + "'* gone\r\n" + kDeleteEnd + "x = 1\r\n";
    for (int i = 0; text.size() < 300000; ++i)
        text += i % 9 == 0 ? kDeleteBegin : "'* old = " + std::to_string(i) + "\r\n";
    text += "y";
    dir.write("big.bas", text);
    qm::test::QmRun run =
        qm::test::runQmCommand(addChangeBlockCommands, {"block", "remove", dir.file("big.bas")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out == RemoveBlocking(text)); // a 300 kB text: no byte dump on failure
    // Only the begin lines of the unended block go; the lines after them stay.
    EXPECT_EQ(run.out.substr(0, 25), "keep\r\nx = 1\r\n'* old = 1\r\n");
    EXPECT_EQ(run.out.substr(run.out.size() - 3), "y\r\n");
    EXPECT_GT(run.out.size(), 200000u);
}
