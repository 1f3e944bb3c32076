// Delete Comments and the dead-event removal, byte for byte.
#include "changes/CommentCleanup.h"
#include "changes/DeadEvents.h"

#include "tests/support/EngineTest.h"

#include <gtest/gtest.h>

using namespace qm::changes;

namespace {

// Code with the programmer's own comments, a palette comment block and change markers.
const std::string kSelection = "    ' check the total\r\n"
                               "    x = 1 ' * commented on Monday\r\n"
                               "\r\n"
                               "    '** Commented on 3/5/24 by dev **\r\n"
                               "    '* y = 2\r\n"
                               "    '** End of Block Commented **\r\n"
                               "'* Block Added by dev on 03/05/2024\r\n"
                               "   \r\n"
                               "    z = 3\r\n"
                               "'* End of Block Added by dev on 03/05/2024\r\n"
                               "    ' * Commented on Tuesday, by hand\r\n"
                               "'";

} // namespace

TEST(DeleteComments, EachOptionDropsItsLines)
{
    EXPECT_EQ(DeleteCommentedCode(kSelection, CommentKind::All),
              "    x = 1 ' * commented on Monday\r\n"
              "\r\n"
              "   \r\n"
              "    z = 3\r\n");
    EXPECT_EQ(DeleteCommentedCode(kSelection, CommentKind::Product),
              "    ' check the total\r\n"
              "    x = 1 ' * commented on Monday\r\n"
              "\r\n"
              "   \r\n"
              "    z = 3\r\n"
              "'");
}

TEST(DeleteComments, KeepsLineEndsAndALastLineWithoutOne)
{
    EXPECT_EQ(DeleteCommentedCode("a\n'b\rc", CommentKind::All), "a\nc");
    EXPECT_EQ(DeleteCommentedCode("a\r\n\tx", CommentKind::Product), "a\r\n\tx");
    EXPECT_EQ(DeleteCommentedCode("'only\r\n", CommentKind::All), "");
}

TEST(DeleteComments, BlankSelectionIsTold)
{
    auto message = qm::test::messageOf([] { DeleteCommentedCode("   ", CommentKind::All); });
    EXPECT_EQ(message.title, "No Selected Text");
    EXPECT_EQ(message.text, "No text selected to delete comments!");
    EXPECT_EQ(message.style, 64);
}

namespace {

const std::string kFormHead = "VERSION 5.00\r\n"
                              "Begin VB.Form frmOrder \r\n"
                              "   Caption         =   \"Order\"\r\n"
                              "   Begin VB.CommandButton cmdOKAll \r\n"
                              "      Caption         =   \"OK\"\r\n"
                              "   End\r\n"
                              "   Begin Threed.SSCommand cmd_Go \r\n"
                              "   End\r\n"
                              "End\r\n"
                              "Attribute VB_Name = \"frmOrder\"\r\n";

} // namespace

TEST(DeadEvents, RemovesTheProceduresOfControlsThatAreGone)
{
    const std::string code = "Private Sub Form_Load()\r\n"
                             "    cmdOld_Click\r\n"
                             "End Sub\r\n"
                             "Private Sub cmdOld_Click()\r\n"
                             "    MsgBox \"old\"\r\n"
                             "End Sub\r\n"
                             "Private Sub cmdOK_Click()\r\n" // contained in cmdOKAll: kept
                             "End Sub\r\n"
                             "Private Sub cmd_Go_Click()\r\n" // "_" in the control's name
                             "End Sub\r\n"
                             "Private Sub OKALL_Click()\r\n" // inside a name, other case
                             "End Sub\r\n"
                             "Private Sub lstGone_DblClick()\r\n"
                             "    If x Then Exit Sub\r\n"
                             "  End Sub\r\n"
                             "Public Sub Save_Data()\r\n" // not an event: kept
                             "End Sub\r\n"
                             "Sub Helper()\r\n"
                             "End Sub\r\n"
                             "Private Sub Gone_Lick()\r\n" // part of an event's name only
                             "End Sub\r\n"
                             "Private Sub txtGone_Change()\r\n"
                             "End Sub";
    DeadEventsResult result = removeDeadEvents(kFormHead + code);
    EXPECT_TRUE(result.hasControlList);
    EXPECT_EQ(result.removed,
              (std::vector<std::string>{"cmdOld_Click", "lstGone_DblClick", "txtGone_Change"}));
    EXPECT_EQ(result.text, kFormHead + "Private Sub Form_Load()\r\n"
                                       "    cmdOld_Click\r\n"
                                       "End Sub\r\n"
                                       "Private Sub cmdOK_Click()\r\n"
                                       "End Sub\r\n"
                                       "Private Sub cmd_Go_Click()\r\n"
                                       "End Sub\r\n"
                                       "Private Sub OKALL_Click()\r\n"
                                       "End Sub\r\n"
                                       "Public Sub Save_Data()\r\n"
                                       "End Sub\r\n"
                                       "Sub Helper()\r\n"
                                       "End Sub\r\n"
                                       "Private Sub Gone_Lick()\r\n"
                                       "End Sub\r\n");
}

TEST(DeadEvents, KeepsWhatItCannotBeSureOf)
{
    // A dead procedure without its End Sub, before another procedure and at the end of the
    // file; a form text without controls; lines that only mention Sub.
    const std::string lf = "Begin Form frmOld\nEnd\n"
                           "Sub cmdA_Click()\n"
                           "Sub cmdB_Click()\n"
                           "End Sub\n"
                           "    If a Then Exit Sub ' cmdC_Click\n"
                           "Sub cmdD_Click()\n"
                           "    x = 1\n";
    DeadEventsResult result = removeDeadEvents(lf);
    EXPECT_EQ(result.removed, std::vector<std::string>{"cmdB_Click"});
    EXPECT_EQ(result.text, "Begin Form frmOld\nEnd\n"
                           "Sub cmdA_Click()\n"
                           "    If a Then Exit Sub ' cmdC_Click\n"
                           "Sub cmdD_Click()\n"
                           "    x = 1\n");

    const std::string noControls = "Sub cmdA_Click()\r\nEnd Sub\r\n";
    result = removeDeadEvents(noControls);
    EXPECT_FALSE(result.hasControlList);
    EXPECT_EQ(result.text, noControls);
    EXPECT_TRUE(result.removed.empty());
}
