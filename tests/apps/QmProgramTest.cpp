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

// A deletion begin line without its end line sends block remove back to the line after it, far
// behind what it holds: a file given as standard input is read again from there (from where
// standard input started, not from the file's start), a pipe's lines are kept until then.
TEST(QmProgram, BlockRemoveGoesBackOverAFileAndAPipeAlike)
{
    std::string body = "keep\r\n'* Block Deleted by dev on 12/08/2026\r\n";
    for (int i = 0; body.size() < (1u << 20); ++i)
        body += "'* old = " + std::to_string(i) + "\r\n";
    body += "last";
    const std::string file = testing::TempDir() + "qm-unended.bas";
    const std::string later = testing::TempDir() + "qm-unended-later.bas";
    for (const auto &[path, text] : {std::pair{file, body}, std::pair{later, "skipped\r\n" + body}}) {
        if (std::FILE *f = std::fopen(path.c_str(), "wb")) {
            std::fwrite(text.data(), 1, text.size(), f);
            std::fclose(f);
        }
    }
    const ProgramRun named = runQm("block remove " + file);
    ASSERT_EQ(named.status, 0);
    EXPECT_EQ(named.out.substr(0, 20), "keep\r\n'* old = 0\r\n'*");
    EXPECT_EQ(named.out.substr(named.out.size() - 6), "last\r\n");
    const ProgramRun piped = runCommand("cat " + file + " | " + QM_PROGRAM + " block remove");
    EXPECT_EQ(piped.status, 0);
    EXPECT_TRUE(piped.out == named.out); // 1 MB: no byte dump on failure
    const ProgramRun afterALine = runCommand("{ read -r line; " + std::string(QM_PROGRAM) +
                                             " block remove; } < " + later);
    EXPECT_EQ(afterALine.status, 0);
    EXPECT_TRUE(afterALine.out == named.out);
}

// Output that cannot be written is an error, whatever the command writes and however.
TEST(QmProgram, AFullOutputDeviceIsReported)
{
    const std::string qm = QM_PROGRAM;
    for (const std::string &command :
         {qm + " --version < /dev/null", qm + " --today 2026-12-09 block add < /dev/null",
          "printf 'a\\r\\n' | " + qm + " comment-lines", "printf 'a' | " + qm + " xbase",
          qm + " find " + std::string(QM_SOURCE_DIR) + "/examples/sample Sub", qm + " --help",
          qm + " block --help", qm + " comment --help"}) {
        const ProgramRun run = runCommand("(" + command + ") 2>&1 > /dev/full");
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_NE(run.out.find("qm: standard output: "), std::string::npos) << command;
    }
}
