// What engine tests share: the message an engine raises for an expected problem, and running a
// qm command through the command table as the qm program runs it.
#pragma once

#include "common/Cli.h"
#include "common/ErrorReports.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace qm::test {

/// The message `call` raises; a test failure when it raises none.
inline common::UserMessage messageOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const common::UserMessageError &e) {
        return e.message;
    }
    ADD_FAILURE() << "no message raised";
    return {};
}

struct QmRun
{
    int status;
    std::string out;
    std::string err;
};

/// Runs qm with `args` over a command table that `addCommands` fills, `input` as standard input.
inline QmRun runQmCommand(void (*addCommands)(common::cli::CommandTable &),
                          const std::vector<std::string> &args,
                          const std::string &input = {})
{
    common::cli::CommandTable table;
    addCommands(table);
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = common::cli::run(table, args, in, out, err);
    return {status, out.str(), err.str()};
}

} // namespace qm::test
