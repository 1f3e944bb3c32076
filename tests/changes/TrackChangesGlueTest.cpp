#include "changes/TrackChangesGlue.h"

#include "tests/support/FakeCodeWindow.h"
#include "tests/support/ShownMessages.h"

#include <gtest/gtest.h>

using namespace qm;

namespace {
using TrackChanges = test::HostCommandTest;
} // namespace

// Each button marks the selection as a signed, dated block; Delete Blocking gives back what the
// programmer had, an addition block's empty line and a deleted block's nothing.
TEST_F(TrackChanges, EachBlockAndItsUnblocking)
{
    const struct
    {
        const char *button;
        void (*click)();
        const char *selection, *blocked, *unblocked;
    } cases[] = {
        {"pbChangeBlock_Click", changes::pbChangeBlock_Click, "    a = 1\r\n",
         "\r\n'* Block Changed by dev on 12/08/2026\r\n    a = 1\r\n"
         "'* End of Block Changed by dev on 12/08/2026\r\n\r\n",
         "\r\n    a = 1\r\n\r\n"},
        {"pbBlockanAdd_Click", changes::pbBlockanAdd_Click, "",
         "'* Block Added by dev on 12/08/2026\r\n\r\n\r\n"
         "'* End of Block Added by dev on 12/08/2026\r\n",
         "\r\n\r\n"},
        {"pbCommentDeletion_Click", changes::pbCommentDeletion_Click, "  x = 2\r\n",
         "'* Block Deleted by dev on 12/08/2026\r\n'*   x = 2\r\n"
         "'* End of Block Deleted by dev on 12/08/2026\r\n",
         ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.button);
        host.selection = c.selection;
        c.click();
        EXPECT_EQ(host.selection, c.blocked);
        changes::SSCommand3_Click();
        EXPECT_EQ(host.selection, c.unblocked);
    }
    EXPECT_TRUE(ui.callsOf("msgbox").empty());
}

TEST_F(TrackChanges, BlankSelectionSaysSoAndPastesNothing)
{
    host.selection = "   ";
    changes::pbChangeBlock_Click();
    changes::pbCommentDeletion_Click();
    changes::SSCommand3_Click();
    EXPECT_EQ(test::shownMessages(ui), (std::vector<std::string>{
                                           "No Action: No change text selected! (48)",
                                           "No Action: No deletion text selected! (48)",
                                           "No Action: No text selected to unblock! (48)"}));
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
