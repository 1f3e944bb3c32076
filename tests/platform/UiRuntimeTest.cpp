#include "platform/ScriptedUi.h"

#include "platform/VbError.h"

#include "tests/support/RecordingKeyboard.h"

#include <gtest/gtest.h>

using namespace qm::platform;

TEST(ScriptedUiTest, AnswersFromQueuesThenDefaults)
{
    ScriptedUi ui;
    ui.queueMsgBoxAnswer(mb::Cancel);
    EXPECT_EQ(ui.msgBox("first", 33, "Confirm"), mb::Cancel);
    EXPECT_EQ(ui.msgBox("second", 33, "Confirm"), mb::Ok);
    EXPECT_EQ(ui.msgBox("yn", mb::YesNo | mb::DefaultButton2, ""), mb::No);
    EXPECT_EQ(ui.msgBox("ari", mb::AbortRetryIgnore | mb::DefaultButton3, ""), mb::Ignore);
    ui.queueInputBoxAnswer("typed");
    EXPECT_EQ(ui.inputBox("p", "t", "dflt"), "typed");
    EXPECT_EQ(ui.inputBox("p", "t", "dflt"), "dflt");
    ui.queueFileAnswer(std::string("/tmp/a.frm"));
    EXPECT_EQ(ui.openFileDialog({}), std::optional<std::string>("/tmp/a.frm"));
    EXPECT_EQ(ui.saveFileDialog({}), std::nullopt);

    auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].text, "first");
    EXPECT_EQ(boxes[0].title, "Confirm");
    EXPECT_EQ(boxes[0].style, 33);
    EXPECT_EQ(boxes[0].answer, "2");
}

TEST(ScriptedUiTest, KeystrokesGoToTheKeyboardTargetAndAreRecorded)
{
    ScriptedUi ui;
    EXPECT_THROW(ui.activate("Project1 - Microsoft Visual Basic [design]"), VbError);
    qm::test::RecordingKeyboard keyboard;
    keyboard.onlyWindow = "Project1";
    ui.setKeyboardTarget(&keyboard);
    ui.activate("Project1");
    ui.sendKeys("^c", true);
    ui.sendKeys("^v", false);
    EXPECT_THROW(ui.activate("none"), VbError);
    EXPECT_EQ(keyboard.log, (std::vector<std::string>{"activate Project1", "^c wait", "^v"}));
    auto keys = ui.callsOf("sendkeys");
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].style, 1);
    EXPECT_EQ(keys[1].style, 0);
}

TEST(ScriptedUiTest, InstalledRuntimeIsScoped)
{
    ScriptedUi outer;
    ScopedUi a(outer);
    {
        ScriptedUi inner;
        ScopedUi b(inner);
        EXPECT_EQ(&ui(), &inner);
    }
    EXPECT_EQ(&ui(), &outer);
    ui().clipboardSetText("x");
    EXPECT_EQ(outer.clipboardText(), "x");
}
