// vbhost started with a program directory that does not exist says so and runs on.
#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

TEST(VbhostProgram, MissingProgramDirectoryIsToldAtStart)
{
    qm::test::TempDir dir;
    dir.write("quit.qms", "quit\n");
    const std::string command = "env QT_QPA_PLATFORM=offscreen WINDIR='" + dir.str() +
                                "' QM_APP_DIR='" + dir.str() + "/nowhere' " + VBHOST_PROGRAM +
                                " --script '" + dir.file("quit.qms") + "' < /dev/null 2>&1";
    const auto [status, out] = qm::test::runCommand(command);
    EXPECT_EQ(status, 0) << out;
    EXPECT_NE(
        out.find("vbhost: QM_APP_DIR names " + dir.str() + "/nowhere, which is not a directory"),
        std::string::npos)
        << out;
}
