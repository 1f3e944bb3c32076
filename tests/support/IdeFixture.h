// The stand-in IDE with its windows, for window tests of the host: a Windows and a program
// directory of their own, a user-interface runtime installed (the scripted one, or the script
// runner's), the IDE model and its windows.
#pragma once

#include "ide/Ide.h"
#include "ide/ui/HostUi.h"
#include "platform/ScriptedUi.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace qm::test {

template<typename Runtime = platform::ScriptedUi> struct IdeFixture : ::testing::Test
{
    SandboxDirs dirs;
    Runtime ui;
    platform::ScopedUi installed{ui};
    std::unique_ptr<ide::Ide> model;
    std::unique_ptr<ide::HostUi> host;

    void SetUp() override
    {
        model = std::make_unique<ide::Ide>();
        host = std::make_unique<ide::HostUi>(*model);
    }
    void TearDown() override
    {
        host.reset();
        model.reset();
    }
};

} // namespace qm::test
