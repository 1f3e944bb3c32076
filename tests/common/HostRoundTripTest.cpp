// The host round trip against a fake code window: the options that tell the tools apart, and
// the guard that keeps keystrokes away from windows that are not the host's.
#include "common/HostRoundTrip.h"

#include "common/ErrorReports.h"
#include "tests/support/FakeCodeWindow.h"
#include "tests/support/FakeHost.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>

using namespace qm;

namespace {

struct HostRoundTripTest : test::HostCommandTest
{
    test::FakeHost fakeHost;

    void SetUp() override
    {
        HostCommandTest::SetUp();
        common::programState().host = &fakeHost;
    }
    std::vector<std::string> titles() const
    {
        std::vector<std::string> shown;
        for (const auto &box : ui.callsOf("msgbox"))
            shown.push_back(box.title);
        return shown;
    }
};

const std::string kActivate = std::string("activate ") + test::kHostCaption;

std::string upper(const std::string &text)
{
    std::string result = text;
    for (char &c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

} // namespace

TEST_F(HostRoundTripTest, RunCopiesRunsTheEngineAndPastesWithOrWithoutWaiting)
{
    host.selection = "a = 1\r\n";
    EXPECT_TRUE(common::HostRoundTrip("op").run(upper));
    EXPECT_EQ(host.selection, "A = 1\r\n");
    EXPECT_EQ(host.log, (std::vector<std::string>{kActivate, "^c wait", kActivate, "^v wait"}));
    EXPECT_EQ(common::programState().hostCaption, test::kHostCaption);

    host.log.clear();
    common::HostRoundTrip("op").pasteWithoutWaiting().run(upper);
    EXPECT_EQ(host.keys(), (std::vector<std::string>{"^c wait", "^v"}));
}

TEST_F(HostRoundTripTest, WholeLinesAsksTheHostBeforeCopyingAndBeforeInserting)
{
    host.selection = "x\r\n";
    common::HostRoundTrip("op").wholeLines().run(upper);
    common::HostRoundTrip("op").wholeLines().insert([] { return std::string("new\r\n"); });
    common::HostRoundTrip("op").run(upper); // without the option the host is not asked
    EXPECT_EQ(fakeHost.log.entries,
              (std::vector<std::string>{"select whole lines", "caret to line start"}));
    EXPECT_EQ(host.pastes, 3);
}

// With no host window recorded, nothing may be activated: an empty caption matches any window.
TEST_F(HostRoundTripTest, NoHostWindowActivatesNothingAndSendsNoKeys)
{
    platform::windowRegistry().clear();
    const struct
    {
        const char *mode;
        std::function<void(common::HostRoundTrip &)> configure;
        std::vector<std::string> titles;
    } cases[] = {
        {"report", [](common::HostRoundTrip &) {}, {"Quillmark: System Error"}},
        {"skip", [](common::HostRoundTrip &t) { t.skipFailingSteps(); }, {}},
        {"quiet", [](common::HostRoundTrip &t) { t.quietFailures(); }, {}},
    };
    for (const auto &c : cases) {
        ui.clearCalls();
        host.selection = "a\r\n";
        common::HostRoundTrip trip("op");
        c.configure(trip);
        EXPECT_FALSE(trip.run(upper)) << c.mode;
        EXPECT_FALSE(trip.sendKeys("^p")) << c.mode;
        EXPECT_TRUE(trip.failed()) << c.mode;
        EXPECT_TRUE(ui.callsOf("activate").empty()) << c.mode;
        EXPECT_TRUE(host.keys().empty()) << c.mode;
        EXPECT_EQ(host.selection, "a\r\n") << c.mode;
        std::vector<std::string> expected = c.titles;
        if (!expected.empty())
            expected.push_back(expected.front()); // once for run, once for sendKeys
        EXPECT_EQ(titles(), expected) << c.mode;
    }
}

TEST_F(HostRoundTripTest, PastingWithoutTheHostWindowSaysTheCodeIsOnTheClipboard)
{
    common::HostRoundTrip trip("pbPaintIt_Click");
    trip.sayCodeIsOnClipboard();
    ASSERT_TRUE(trip.putOnClipboard("code"));
    common::programState().hostCaption.clear();
    EXPECT_FALSE(trip.paste());
    common::programState().hostCaption = "Gone - Microsoft Visual Basic";
    ui.setKeyboardTarget(nullptr); // no window answers to any caption
    EXPECT_FALSE(trip.paste());
    const auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text,
              "There is no code window to paste into.\nThe code is on the clipboard.");
    EXPECT_EQ(boxes[0].style, 48);
    EXPECT_EQ(boxes[1].text, "The window \"Gone - Microsoft Visual Basic\" can't be found.\n"
                             "The code is on the clipboard.");
    EXPECT_EQ(boxes[1].style, 16);
    EXPECT_EQ(ui.clipboardText(), "code");
}

TEST_F(HostRoundTripTest, AFailingStepIsReportedSkippedOrEndsQuietly)
{
    host.failPaste = true;
    host.selection = "a\r\n";
    common::HostRoundTrip reported("pbChangeBlock_Click");
    EXPECT_FALSE(reported.run(upper));
    ASSERT_EQ(titles(), std::vector<std::string>{"Quillmark: System Error"});
    EXPECT_NE(ui.callsOf("msgbox")[0].text.find("\"pbChangeBlock_Click\""), std::string::npos);

    ui.clearCalls();
    common::HostRoundTrip skipped("op");
    EXPECT_FALSE(skipped.skipFailingSteps().run(upper));
    EXPECT_TRUE(skipped.failed());
    EXPECT_TRUE(titles().empty());
}

TEST_F(HostRoundTripTest, AnEngineProblemIsShownAndNothingIsPasted)
{
    host.selection = "a\r\n";
    auto refuse = [](const std::string &) -> std::string {
        throw common::UserMessageError({"No Action", "Nothing to do", 48});
    };
    EXPECT_FALSE(common::HostRoundTrip("op").run(refuse));
    EXPECT_FALSE(common::HostRoundTrip("op").skipFailingSteps().run(refuse));
    EXPECT_EQ(titles(), (std::vector<std::string>{"No Action", "No Action"}));
    EXPECT_EQ(host.pastes, 0);
}

TEST_F(HostRoundTripTest, CopyAgainWhenEmptyAsksTheHostOnceMore)
{
    host.selection = "";
    common::HostRoundTrip("op").copyAgainWhenEmpty().run(upper);
    EXPECT_EQ(host.keys(), (std::vector<std::string>{"^c wait", "^c wait", "^v wait"}));
}

TEST_F(HostRoundTripTest, SendKeysReportsBadNotationInEveryMode)
{
    EXPECT_FALSE(common::HostRoundTrip("tbprint_Click").quietFailures().sendKeys("{BOGUS"));
    ASSERT_EQ(titles(), std::vector<std::string>{"Quillmark: System Error"});
    EXPECT_TRUE(host.keys().empty());
    common::programState().hostCaption = test::kHostCaption; // as the palette records it first
    EXPECT_TRUE(common::HostRoundTrip("tbprint_Click").quietFailures().sendKeys("^p"));
    EXPECT_EQ(host.log, (std::vector<std::string>{kActivate, "^p wait"}));
}
