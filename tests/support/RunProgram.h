// Running one of the built programs, or any shell command line, as a user runs it in a terminal.
#pragma once

#include <string>

namespace qm::test {

struct ProgramRun
{
    int status = -1; ///< the exit status; -1 when it could not start or did not exit normally
    std::string out; ///< its standard output, byte for byte
};

/// Runs `commandLine` through the shell (redirections and pipes as written) and waits for it.
ProgramRun runCommand(const std::string &commandLine);

} // namespace qm::test
