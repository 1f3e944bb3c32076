// qm block add, change, delete and remove: what they write and how they fail.
#include "changes/ChangeBlockCli.h"

#include "common/Cli.h"
#include "tests/support/EngineTest.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

using qm::test::QmRun;

QmRun runQm(std::vector<std::string> args, const std::string &input = {})
{
    qm::test::SandboxDirs dirs;
    qm::test::ScopedEnv separator("QM_DATE_SEPARATOR", "-");
    args.insert(args.begin(), {"--today", "2026-03-04", "--name", "dev"});
    return qm::test::runQmCommand(qm::changes::addChangeBlockCommands, args, input);
}

} // namespace

TEST(QmBlock, WritesTheBlocksWithTheDateOfTheCommandLine)
{
    QmRun add = runQm({"block", "add"});
    EXPECT_EQ(add.status, 0);
    EXPECT_EQ(add.out, "'* Block Added by dev on 03-04-2026\r\n\r\n\r\n"
                       "'* End of Block Added by dev on 03-04-2026\r\n");
    QmRun change = runQm({"block", "change"}, "x\r\n");
    EXPECT_EQ(change.out, "\r\n'* Block Changed by dev on 03-04-2026\r\nx\r\n"
                          "'* End of Block Changed by dev on 03-04-2026\r\n\r\n");
    QmRun deletion = runQm({"block", "delete"}, "  x");
    EXPECT_EQ(deletion.out, "'* Block Deleted by dev on 03-04-2026\r\n'*   x\r\n"
                            "'* End of Block Deleted by dev on 03-04-2026\r\n");
    QmRun removal = runQm({"block", "remove"}, deletion.out + change.out);
    EXPECT_EQ(removal.status, 0);
    EXPECT_EQ(removal.out, "\r\nx\r\n\r\n");
}

TEST(QmBlock, BlankInputIsReportedWithItsTitle)
{
    QmRun run = runQm({"block", "remove"}, " \t"); // a tab is not a blank: there is text
    EXPECT_EQ(run.status, 0);
    run = runQm({"block", "change"}, "  ");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "No Action: No change text selected!\n");
    EXPECT_EQ(runQm({"block", "add", "file.txt"}).status, 2); // add reads nothing
}
