// qm xbase: standard input or a file in, the converted text out.
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
    return qm::test::runQmCommand(qm::codetext::addXBaseCommands, args, input);
}

} // namespace

TEST(QmXBase, ConvertsStandardInputAndFiles)
{
    QmRun piped = runQm({"xbase"}, "USE customers ;\nINDEX cust\nSKIP\n");
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.out, "' USE customers INDEX cust\r\noTB.MoveNext\r\n");

    qm::test::TempDir dir;
    dir.write("prog.prg", "PROCEDURE Main\r\nGO TOP\r\n");
    QmRun file = runQm({"xbase", dir.file("prog.prg")}, "");
    EXPECT_EQ(file.status, 0) << file.err;
    EXPECT_EQ(file.out, "Sub Main\r\noTB.MoveFirst\r\nEnd Sub\r\n \r\n");

    QmRun empty = runQm({"xbase"}, "");
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "");
}

TEST(QmXBase, AMissingFileIsReported)
{
    qm::test::TempDir dir;
    QmRun run = runQm({"xbase", dir.file("none.prg")}, "");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("none.prg"), std::string::npos) << run.err;
}
