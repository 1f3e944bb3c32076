// qm comment, uncomment, indent and their -lines forms: options reach the engines.
#include "codetext/CodeTextCli.h"

#include "common/Cli.h"
#include "tests/support/EngineTest.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

using qm::test::QmRun;

QmRun runQm(const std::vector<std::string> &args, const std::string &input)
{
    qm::test::SandboxDirs dirs;
    qm::test::ScopedEnv separator("QM_DATE_SEPARATOR", "/");
    return qm::test::runQmCommand(qm::codetext::addCommentCommands, args, input);
}

} // namespace

TEST(QmComment, EachCommandWritesItsEnginesText)
{
    struct Case
    {
        std::vector<std::string> args;
        const char *input;
        const char *expected;
    };
    const Case cases[] = {
        {{"--today", "2026-12-08", "--name", " dev ", "comment"},
         "  x\r\n",
         "  '** Commented on 12/8/26 by dev **\r\n  '* x\r\n  '** End of Block Commented **\r\n"},
        {{"uncomment"}, "  '* x\r\n", "  x\r\n"},
        {{"--tab-size", "2", "indent"},
         "If a Then\r\nb\r\nEnd If",
         "  If a Then\r\n    b\r\n  End If\r\n"},
        {{"comment-lines"}, "  x\r\n", "  'x\r\n"},
        {{"uncomment-lines"}, "  'x  \r\n", "  x\r\n"},
        {{"--tab-size", "4", "indent-lines"},
         "Sub A()\r\nb\r\nEnd Sub\r\n",
         "Sub A()\r\n    b\r\nEnd Sub\r\n"},
    };
    for (const Case &c : cases) {
        QmRun run = runQm(c.args, c.input);
        EXPECT_EQ(run.status, 0) << c.args.back() << ": " << run.err;
        EXPECT_EQ(run.out, c.expected) << c.args.back();
    }
}

TEST(QmComment, EmptyInputGoesToStandardErrorWithStatusOne)
{
    struct Case
    {
        const char *command;
        const char *err;
    };
    const Case cases[] = {
        {"comment", "Comment Error: No text selected.\n"},
        {"uncomment", "Nothing Selected: No text selected to uncomment!\n"},
        {"indent", "Nothing Selected: No text selected to indent!\n"},
        {"indent-lines", "Error: You have no text to indent!\n"},
    };
    for (const Case &c : cases) {
        QmRun run = runQm({c.command}, "");
        EXPECT_EQ(run.status, 1) << c.command;
        EXPECT_EQ(run.out, "") << c.command;
        EXPECT_EQ(run.err, c.err);
    }
}
