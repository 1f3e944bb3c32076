// vbhost started with a program directory that does not exist says so and runs on.
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

TEST(VbhostProgram, MissingProgramDirectoryIsToldAtStart)
{
    qm::test::TempDir dir;
    dir.write("quit.qms", "quit\n");
    const std::string command = "env QT_QPA_PLATFORM=offscreen WINDIR='" + dir.str() +
                                "' QM_APP_DIR='" + dir.str() + "/nowhere' " + VBHOST_PROGRAM +
                                " --script '" + dir.file("quit.qms") + "' < /dev/null 2>&1";
    std::string out;
    std::FILE *pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    const int status = pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << out;
    EXPECT_NE(
        out.find("vbhost: QM_APP_DIR names " + dir.str() + "/nowhere, which is not a directory"),
        std::string::npos)
        << out;
}
