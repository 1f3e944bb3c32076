#include "ide/FindDialog.h"
#include "ide/KeyMap.h"

#include "platform/SendKeys.h"
#include "platform/VbError.h"

#include <gtest/gtest.h>

using namespace qm;
using ide::IdeCommand;

namespace {

std::optional<IdeCommand> commandOf(const ide::KeyMap &map, std::string_view keys)
{
    auto chords = platform::parseSendKeys(keys);
    EXPECT_EQ(chords.size(), 1u) << keys;
    return map.commandFor(chords.front());
}

} // namespace

TEST(KeyMapTest, TemplateKeystrokesReachTheirCommands)
{
    const ide::KeyMap map = ide::KeyMap::defaults();
    struct Case
    {
        const char *keys;
        std::optional<IdeCommand> command;
    };
    const Case cases[] = {
        {"^s", IdeCommand::SaveFile},
        {"^S", IdeCommand::SaveFile},
        {"^{DEL}", IdeCommand::RemoveFile},
        {"^p", IdeCommand::Print},
        {"^r", IdeCommand::ProjectWindow},
        {"^t", IdeCommand::Toolbox},
        {"^f", IdeCommand::Find},
        {"^F", IdeCommand::Find},
        {"{F7}", IdeCommand::CodeView},
        {"+{F7}", IdeCommand::FormView},
        {"+({F7})", IdeCommand::FormView},
        {"^+{F2}", IdeCommand::LastPosition},
        {"+^({F2})", IdeCommand::LastPosition},
        {"^{F4}", IdeCommand::CloseWindow},
        {"{F1}", IdeCommand::Help},
        // Editing keys are the focus window's, not the key map's.
        {"^c", std::nullopt},
        {"{DEL}", std::nullopt},
        {"s", std::nullopt},
        {"%s", std::nullopt},
        {"{F2}", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(commandOf(map, c.keys), c.command) << c.keys;

    ide::KeyMap custom;
    custom.bind("%{F4}", IdeCommand::CloseWindow);
    EXPECT_EQ(commandOf(custom, "%{F4}"), IdeCommand::CloseWindow);
    EXPECT_THROW(custom.bind("^s^s", IdeCommand::SaveFile), platform::VbError);
}

TEST(FindDialogTest, TypedTextTabScopeAndEnter)
{
    ide::FindDialog dialog;
    auto type = [&](std::string_view keys) {
        ide::FindDialog::Action last = ide::FindDialog::Action::None;
        for (const auto &chord : platform::parseSendKeys(keys))
            last = dialog.applyKey(chord);
        return last;
    };
    dialog.open("previous");
    EXPECT_EQ(type("Dim x As"), ide::FindDialog::Action::None);
    EXPECT_EQ(dialog.findWhat(), "Dim x As"); // the old text was selected: typing replaced it
    EXPECT_EQ(dialog.scope(), ide::FindDialog::Scope::CurrentModule);
    EXPECT_EQ(type("{TAB}C"), ide::FindDialog::Action::None);
    EXPECT_EQ(dialog.scope(), ide::FindDialog::Scope::CurrentProject);
    EXPECT_EQ(dialog.findWhat(), "Dim x As");
    EXPECT_EQ(type("{ENTER}"), ide::FindDialog::Action::FindNext);
    EXPECT_EQ(type("{TAB}{BS}{BS}+a"), ide::FindDialog::Action::None);
    EXPECT_EQ(dialog.findWhat(), "A");
    EXPECT_EQ(type("{TAB}p{ESC}"), ide::FindDialog::Action::Cancel);
    EXPECT_EQ(dialog.scope(), ide::FindDialog::Scope::CurrentProcedure);
    dialog.close();
    EXPECT_EQ(type("{ENTER}"), ide::FindDialog::Action::None);
}
