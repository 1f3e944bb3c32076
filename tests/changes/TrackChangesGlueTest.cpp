#include "changes/TrackChangesGlue.h"

#include "tests/support/FakeCodeWindow.h"

#include <gtest/gtest.h>

using namespace qm;

namespace {
using TrackChanges = test::HostCommandTest;
} // namespace

TEST_F(TrackChanges, ChangeThenDeleteBlockingGivesTheCodeBack)
{
    host.selection = "    a = 1\r\n";
    changes::pbChangeBlock_Click();
    EXPECT_EQ(host.selection, "\r\n'* Block Changed by dev on 12/08/2026\r\n    a = 1\r\n"
                              "'* End of Block Changed by dev on 12/08/2026\r\n\r\n");
    changes::SSCommand3_Click();
    EXPECT_EQ(host.selection, "\r\n    a = 1\r\n\r\n");
}

TEST_F(TrackChanges, AdditionAndDeletion)
{
    changes::pbBlockanAdd_Click();
    EXPECT_EQ(host.selection, "'* Block Added by dev on 12/08/2026\r\n\r\n\r\n"
                              "'* End of Block Added by dev on 12/08/2026\r\n");
    host.selection = "  x = 2\r\n";
    changes::pbCommentDeletion_Click();
    EXPECT_EQ(host.selection, "'* Block Deleted by dev on 12/08/2026\r\n'*   x = 2\r\n"
                              "'* End of Block Deleted by dev on 12/08/2026\r\n");
    changes::SSCommand3_Click();
    EXPECT_EQ(host.selection, "");
}

TEST_F(TrackChanges, BlankSelectionSaysSoAndPastesNothing)
{
    host.selection = "   ";
    changes::pbChangeBlock_Click();
    changes::pbCommentDeletion_Click();
    changes::SSCommand3_Click();
    auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "No change text selected!");
    EXPECT_EQ(boxes[1].text, "No deletion text selected!");
    EXPECT_EQ(boxes[2].text, "No text selected to unblock!");
    EXPECT_EQ(boxes[2].title, "No Action");
    EXPECT_EQ(boxes[2].style, 48);
    EXPECT_EQ(host.pastes, 0);
}

TEST_F(TrackChanges, AFailureIsReportedUnderTheHandlersName)
{
    host.failPaste = true;
    changes::pbBlockanAdd_Click();
    auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Quillmark: System Error");
    EXPECT_NE(boxes[0].text.find("\"pbBlockanAdd_Click\""), std::string::npos);
}
