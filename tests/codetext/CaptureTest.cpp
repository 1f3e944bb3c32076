#include "codetext/Capture.h"

#include "tests/support/FakeCodeWindow.h"

#include <gtest/gtest.h>

using namespace qm;

namespace {

// A code window whose whole procedure is selected by the keys that show it and select it.
struct ProcedureWindow final : test::FakeCodeWindow
{
    using FakeCodeWindow::FakeCodeWindow;
    void sendKeys(std::string_view keys, bool wait) override
    {
        if (keys == std::string(codetext::kSelectWholeProcedureKeys) + "^c") {
            log.push_back(std::string(keys) + (wait ? " wait" : ""));
            selection = procedure;
            ui.clipboardSetText(selection);
            return;
        }
        FakeCodeWindow::sendKeys(keys, wait);
    }
    std::string procedure = "Sub A()\r\nEnd Sub\r\n";
};

struct Capture : test::HostCommandTest
{
    ProcedureWindow window{ui};
    void SetUp() override
    {
        HostCommandTest::SetUp();
        ui.setKeyboardTarget(&window);
    }
};

} // namespace

TEST_F(Capture, TakesTheSelectionWhenThereIsOne)
{
    window.selection = "x = 1\r\n";
    ui.clipboardSetText("old");
    EXPECT_EQ(codetext::CaptureCurrentProc(), "x = 1\r\n");
    EXPECT_EQ(window.keys(), (std::vector<std::string>{"^c wait"}));
}

TEST_F(Capture, ABlankSelectionTakesTheWholeProcedure)
{
    for (std::string blank : {"", "   "}) {
        window.log.clear();
        window.selection = blank;
        EXPECT_EQ(codetext::CaptureCurrentProc(), "Sub A()\r\nEnd Sub\r\n");
        EXPECT_EQ(window.keys(),
                  (std::vector<std::string>{"^c wait", "{F7}^{HOME}^+({END})^c wait"}));
    }
}

TEST_F(Capture, NoHostWindowIsReportedAndGivesNothing)
{
    ui.setKeyboardTarget(nullptr); // activation fails with error 5
    EXPECT_EQ(codetext::CaptureCurrentProc(), "");
    auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("CaptureCurrentProc"), std::string::npos);
}
