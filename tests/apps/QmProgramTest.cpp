// The qm program itself: exit codes, byte-exact standard output, help and version.
#include "tests/support/RunProgram.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using qm::test::ProgramRun;
using qm::test::runCommand;

ProgramRun runQm(const std::string &args, const std::string &input = {})
{
    // Input goes through a file so the test never waits on a pipe.
    std::string inFile = testing::TempDir() + "qm-input.bin";
    if (std::FILE *f = std::fopen(inFile.c_str(), "wb")) {
        std::fwrite(input.data(), 1, input.size(), f);
        std::fclose(f);
    }
    return runCommand(std::string(QM_PROGRAM) + " " + args + " < " + inFile + " 2>&1");
}

} // namespace

TEST(QmProgram, VersionHelpAndUsage)
{
    ProgramRun version = runQm("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("qm (Quillmark) ", 0), 0u);
    ProgramRun help = runQm("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Commands:"), std::string::npos);
    ProgramRun usage = runQm("no-such-command");
    EXPECT_EQ(usage.status, 2);
    EXPECT_NE(usage.out.find("usage: qm"), std::string::npos);
}

// The process reads a file, a redirected file and a pipe alike, and writes the result whole.
TEST(QmProgram, LargeInputFromFileRedirectionAndPipeIsCopiedExactly)
{
    std::string input;
    for (int i = 0; input.size() < (3u << 20); ++i)
        input += "    x" + std::to_string(i) + " = \xe9\r\n";
    const std::string file = testing::TempDir() + "qm-large.bas";
    if (std::FILE *f = std::fopen(file.c_str(), "wb")) {
        std::fwrite(input.data(), 1, input.size(), f);
        std::fclose(f);
    }
    const std::string expected = runQm("indent-lines " + file).out;
    ASSERT_GT(expected.size(), input.size() / 2);
    EXPECT_EQ(runQm("indent-lines", input).out, expected);
    const ProgramRun piped = runCommand("cat " + file + " | " + QM_PROGRAM + " indent-lines");
    EXPECT_EQ(piped.status, 0);
    EXPECT_EQ(piped.out, expected);
}
