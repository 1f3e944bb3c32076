#include "host/HostHelpers.h"

#include "platform/ScriptedUi.h"
#include "platform/VbError.h"

#include "tests/support/RecordingKeyboard.h"

#include <gtest/gtest.h>

using namespace qm;
using qm::platform::windowRegistry;

namespace {

class HostHelpersTest : public ::testing::Test
{
protected:
    void SetUp() override { windowRegistry().clear(); }
    void TearDown() override { windowRegistry().clear(); }

    // Registers windows so that the first listed is the front one.
    static void openWindows(std::initializer_list<const char *> frontToBack)
    {
        std::vector<const char *> captions(frontToBack);
        for (auto it = captions.rbegin(); it != captions.rend(); ++it)
            windowRegistry().add(*it, "x");
    }
};

} // namespace

TEST_F(HostHelpersTest, GetVBCaptionPrefersDesignOrBreakCaption)
{
    struct Case
    {
        std::initializer_list<const char *> windows;
        const char *design;
        const char *breakName;
        const char *expected;
    };
    const Case cases[] = {
        {{"ToolTips", "Project1 - Microsoft Visual Basic [design]"},
         "[design]",
         "[break]",
         "Project1 - Microsoft Visual Basic [design]"},
        {{"Form1", "Project1 - Microsoft Visual Basic [BREAK]"},
         "[design]",
         "[break]",
         "Project1 - Microsoft Visual Basic [BREAK]"},
        // No design or break caption: the first non-empty one that is not an office program.
        {{"", "Book1 - Microsoft Office Excel", "Notes"}, "[design]", "[break]", "Notes"},
        {{"microsoft office tools", "Notes"}, "[design]", "[break]", "Notes"},
        // An empty setting matches no window instead of every one.
        {{"Notes", "Project1 - Microsoft Visual Basic [design]"},
         "",
         "[design]",
         "Project1 - Microsoft Visual Basic [design]"},
        {{"Notes", "Project1 [run]"}, "", "", "Notes"},
        {{""}, "[design]", "[break]", ""},
    };
    for (const Case &c : cases) {
        windowRegistry().clear();
        openWindows(c.windows);
        EXPECT_EQ(host::GetVBCaption(c.design, c.breakName), c.expected) << c.expected;
    }
    windowRegistry().clear();
    EXPECT_EQ(host::findHostWindow("[design]", "[break]").handle, 0);
    openWindows({"a", "b [design]"});
    EXPECT_EQ(host::findHostWindow("[design]", "[break]").handle,
              windowRegistry().findByCaption("b [design]"));
}

TEST_F(HostHelpersTest, KeystrokesActivateSendWithWaitingAndProcessEvents)
{
    platform::ScriptedUi ui;
    platform::ScopedUi scope(ui);
    test::RecordingKeyboard target;
    ui.setKeyboardTarget(&target);
    int processed = 0;
    ui.onProcessEvents = [&] {
        ++processed;
    };

    host::sendKeysToHost("VB [design]", "^c");
    host::sendKeysToHostNoWait("VB [design]", "^v");
    host::sendKeysToActiveWindow("{F1}", false);
    EXPECT_EQ(target.log, (std::vector<std::string>{"activate VB [design]", "^c wait",
                                                    "activate VB [design]", "^v", "{F1}"}));
    EXPECT_EQ(processed, 1);
    ui.setKeyboardTarget(nullptr);
    EXPECT_THROW(host::activateHost("VB"), platform::VbError);

    host::clipboardSetText("abc");
    EXPECT_EQ(host::clipboardText(), "abc");
    host::clipboardClear();
    EXPECT_EQ(host::clipboardText(), "");
}

TEST(FileControlSpyTest, CapturesWrittenFilesExceptFrxAndRecordsOpenedProject)
{
    std::string captured = "old.frm";
    std::string project;
    host::FileControlSpy spy(captured, project);
    host::FileControlEvents &events = spy;
    events.AfterWriteFile("C:\\VB\\FORM1.FRM", true);
    EXPECT_EQ(captured, "C:\\VB\\FORM1.FRM");
    events.AfterWriteFile("C:\\VB\\form1.frx", true);
    events.AfterWriteFile("C:\\VB\\Form1.Frx", true);
    EXPECT_EQ(captured, "C:\\VB\\FORM1.FRM");
    events.AfterWriteFile("C:\\VB\\FORM2.FRM", false); // not written: not captured
    EXPECT_EQ(captured, "C:\\VB\\FORM1.FRM");
    std::string name = "C:\\VB\\PROJECT1.VBP";
    bool cancel = false;
    events.DoGetOpenProjectName(name, cancel);
    EXPECT_EQ(project, "C:\\VB\\PROJECT1.VBP");
    EXPECT_FALSE(cancel);
    // Every other notification is received and does nothing.
    events.AfterAddFile("x.bas");
    events.AfterRemoveFile("x.bas");
    events.BeforeLoadFile("x.bas");
    EXPECT_EQ(captured, "C:\\VB\\FORM1.FRM");
}

TEST(PropertyValueTest, ConvertsAsTheRuntimeDoes)
{
    using host::PropertyValue;
    EXPECT_EQ(PropertyValue(true).toLong(), -1);
    EXPECT_EQ(PropertyValue(true).toText(), "True");
    EXPECT_EQ(PropertyValue(1200).toText(), "1200");
    EXPECT_EQ(PropertyValue(-5).toText(), "-5");
    EXPECT_EQ(PropertyValue(1.5).toText(), "1.5");
    EXPECT_EQ(PropertyValue(" 600 ").toInt(), 600);
    EXPECT_EQ(PropertyValue("-1").toBool(), true);
    EXPECT_EQ(PropertyValue("false").toBool(), false);
    EXPECT_EQ(PropertyValue(0).toBool(), false);
    EXPECT_EQ(PropertyValue().toLong(), 0);
    EXPECT_EQ(PropertyValue().toText(), "");
    EXPECT_EQ(PropertyValue(3000000000LL).toDouble(), 3000000000.0);
    EXPECT_TRUE(PropertyValue(5L).isNumber());
    try {
        PropertyValue("Command1").toLong();
        ADD_FAILURE();
    } catch (const platform::VbError &e) {
        EXPECT_EQ(e.number, 13);
    }
    try {
        PropertyValue(40000).toInt();
        ADD_FAILURE();
    } catch (const platform::VbError &e) {
        EXPECT_EQ(e.number, 6);
    }
}

TEST(WholeLines, ASelectionWidensToTheLinesItTouches)
{
    const std::string text = "ab\r\ncd\nef\rgh";
    const struct
    {
        std::size_t from, to, wantFrom, wantTo;
    } cases[] = {
        {1, 1, 1, 1},     // a caret alone stays
        {1, 2, 0, 4},     // inside the first line: the line with its CR LF
        {5, 8, 4, 10},    // from "d" to "f": both lines, LF and CR ends
        {4, 7, 4, 7},     // already whole lines
        {8, 4, 4, 10},    // a selection made backwards
        {11, 12, 10, 12}, // the last line has no end
        {2, 3, 0, 4},     // ending between CR and LF keeps the pair whole
        {0, 99, 0, 12},   // past the end
    };
    for (const auto &c : cases) {
        const auto [from, to] = host::wholeLinesOf(text, c.from, c.to);
        EXPECT_EQ(from, c.wantFrom) << c.from << "-" << c.to;
        EXPECT_EQ(to, c.wantTo) << c.from << "-" << c.to;
    }
    EXPECT_EQ(host::lineStartOf(text, 9), 7u);
    EXPECT_EQ(host::lineStartOf(text, 0), 0u);
}
