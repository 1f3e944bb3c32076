#include "common/ErrorReports.h"

#include "platform/ScriptedUi.h"

#include <gtest/gtest.h>

using namespace qm::common;
using qm::platform::ScopedUi;
using qm::platform::ScriptedUi;
using qm::platform::VbError;

TEST(ErrorReports, SystemErrorTextBreaksWithLfCrAndTrims)
{
    UserMessage m = systemErrorReport(5, "Invalid procedure call", "  pbPrint_Click ");
    EXPECT_EQ(m.title, "Quillmark: System Error");
    EXPECT_EQ(m.style, 16);
    EXPECT_EQ(m.text, "The Following Error \"5: Invalid procedure call\"\n\r"
                      "Occured in Function/Sub \"pbPrint_Click\"");
    EXPECT_EQ(systemErrorReport(-1, "d", "op").text,
              "The Following Error \"-1: d\"\n\rOccured in Function/Sub \"op\"");
}

TEST(ErrorReports, InlineFormsHaveTheirOwnLayouts)
{
    EXPECT_EQ(programErrorReport(53, "File not found", "GetActiveFormName").text,
              "Error:  53\nDesc:  File not found\nProc:  GetActiveFormName");
    EXPECT_EQ(programErrorReport(53, "x", "y").title, "Program Error");
    EXPECT_EQ(programErrorReport(-2, "x", "y").text, "Error: -2\nDesc:  x\nProc:  y");
    UserMessage product = productErrorReport("Out of memory");
    EXPECT_EQ(product.title, "Quillmark Error");
    EXPECT_EQ(product.text, "Out of memory");
    EXPECT_EQ(fileOpenErrorReport("C:\\a.bas").text, "Can't open file: C:\\a.bas");
    EXPECT_EQ(fileReadErrorReport(62, "Input past end of file").text,
              "File Read Error :  62\nDesc: Input past end of file\nCan't open this file!");
    EXPECT_EQ(fileReadErrorReport(62, "x").title, "File Error");
}

TEST(ErrorReports, GuardShowsExactlyOneReportAndStops)
{
    ScriptedUi ui;
    ScopedUi installed(ui);
    bool after = false;
    EXPECT_FALSE(guarded("pbPrint_Click", [&] {
        throw VbError(5);
        after = true;
    }));
    EXPECT_FALSE(after);
    auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Quillmark: System Error");
    EXPECT_EQ(boxes[0].text, "The Following Error \"5: Invalid procedure call or argument\"\n\r"
                             "Occured in Function/Sub \"pbPrint_Click\"");
    EXPECT_TRUE(guarded("ok", [] {}));
    EXPECT_EQ(ui.callsOf("msgbox").size(), 1u);
}

TEST(ErrorReports, GuardShowsExpectedProblemsAsTheirOwnMessage)
{
    ScriptedUi ui;
    ScopedUi installed(ui);
    guarded("x", [] { throw UserMessageError({"Nothing Selected", "Select some code.", 48}); });
    guarded("y", [] { throw std::runtime_error("bug"); });
    guardedWith([](const VbError &e) { return programErrorReport(e.number, e.description, "P"); },
                [] { throw VbError(53); });
    auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].title, "Nothing Selected");
    EXPECT_EQ(boxes[0].style, 48);
    EXPECT_NE(boxes[1].text.find("51: Internal error"), std::string::npos);
    EXPECT_EQ(boxes[2].text, "Error:  53\nDesc:  File not found\nProc:  P");
}

TEST(ErrorReports, IgnoreErrorsRunsEveryStatement)
{
    int ran = 0;
    EXPECT_FALSE(ignoreErrors([&] {
        ++ran;
        throw VbError(438);
    }));
    EXPECT_TRUE(ignoreErrors([&] { ++ran; }));
    EXPECT_EQ(ran, 2);
}

namespace {
struct FailingUi : ScriptedUi
{
    int msgBox(std::string_view, int, std::string_view) override { throw VbError(7); }
};
} // namespace

TEST(ErrorReports, AFailingReportIsNotReportedAgain)
{
    FailingUi ui;
    ScopedUi installed(ui);
    EXPECT_NO_THROW(ShowSystemError(5, "x", "y"));
    EXPECT_NO_THROW(guarded("op", [] { throw VbError(5); }));
}
