// Running shell command lines for the tests of the programs.
#include "tests/support/RunProgram.h"

#include <cstdio>
#include <sys/wait.h>

namespace qm::test {

ProgramRun runCommand(const std::string &commandLine)
{
    ProgramRun run;
    std::FILE *pipe = popen(commandLine.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace qm::test
