// Clones, deleted controls, pasted menus and the code behind text boxes, byte for byte; every
// rewritten form is read back by the stand-in IDE and written again unchanged.
#include "library/FormRewrite.h"

#include "ide/Form.h"
#include "tests/support/EngineTest.h"

#include <gtest/gtest.h>

namespace qm::library {
namespace {

// A form whose frame holds a frame that holds a frame with a text box, and a control array; the
// frames and the code of what they hold are pieces a deletion takes out whole.
const std::string kFrames = "   Begin VB.Frame fra1 \r\n"
                            "      Caption         =   \"Outer\"\r\n"
                            "      Begin VB.Frame fra2 \r\n"
                            "         Begin VB.Frame fra3 \r\n"
                            "            Begin VB.TextBox txtDeep \r\n"
                            "               LinkTopic       =   \"x\"\r\n"
                            "            End\r\n"
                            "         End\r\n"
                            "      End\r\n"
                            "   End\r\n";
const std::string kDeepCode = "Private Sub txtDeep_Change()\r\n    Beep\r\nEnd Sub\r\n";
const std::string kFrameCode =
    "Public Function fra1_Helper() As Long\r\n    fra1_Helper = 1\r\nEnd Function\r\n";
const std::string Nested = "VERSION 5.00\r\n"
                           "Begin VB.Form frmA \r\n"
                           "   Caption         =   \"Form A\"\r\n"
                           "   LinkTopic       =   \"Form1\"\r\n"
                           "   Icon            =   \"frmA.frx\":0000\r\n" +
                           kFrames +
                           "   Begin VB.CommandButton cmd \r\n"
                           "      Caption         =   \"A\"\r\n"
                           "      Index           =   0\r\n"
                           "   End\r\n"
                           "   Begin VB.CommandButton cmd \r\n"
                           "      Caption         =   \"B\"\r\n"
                           "      Index           =   1\r\n"
                           "   End\r\n"
                           "   Begin VB.TextBox txtKeep \r\n"
                           "      BeginProperty Font \r\n"
                           "         Name            =   \"Arial\"\r\n"
                           "      EndProperty\r\n"
                           "   End\r\n"
                           "End\r\n"
                           "Attribute VB_Name = \"frmA\"\r\n"
                           "Option Explicit\r\n"
                           "\r\n" +
                           kDeepCode +
                           "Private Sub cmd_Click(Index As Integer)\r\n"
                           "    txtKeep = \"\"\r\n"
                           "End Sub\r\n"
                           "Private Sub txtKeep_Change()\r\n"
                           "End Sub\r\n" +
                           kFrameCode;

void expectLoadsAndSavesUnchanged(const std::string &text)
{
    std::unique_ptr<ide::FormFile> form;
    ASSERT_NO_THROW(form = ide::FormFile::parse(text, "test.frm"));
    EXPECT_EQ(form->text(), text);
}

TEST(FormRewrite, ItsFixtureIsAFormTheIdeReads)
{
    expectLoadsAndSavesUnchanged(Nested);
    EXPECT_EQ(controlNames(Nested),
              (std::vector<std::string>{"fra1", "fra2", "fra3", "txtDeep", "cmd", "txtKeep"}));
}

TEST(FormRewrite, CloneChangesOnlyTheFormsOwnLines)
{
    const std::string clone =
        cloneObjectText(Nested, {"frmB", "New Caption", "frmA.frx", "frmB.frx"});
    std::string expected = Nested;
    auto replace = [&](const std::string &from, const std::string &to) {
        expected.replace(expected.find(from), from.size(), to);
    };
    replace("Begin VB.Form frmA \r\n", "Begin VB.Form frmB\r\n");
    replace("   Caption         =   \"Form A\"", "   Caption     =  \"New Caption\"");
    replace("   LinkTopic       =   \"Form1\"", "   LinkTopic   =  \"frmB\"");
    replace("\"frmA.frx\":0000", "\"frmB.frx\":0000");
    replace("Attribute VB_Name = \"frmA\"", "Attribute VB_Name = \"frmB\"");
    EXPECT_EQ(clone, expected);
    expectLoadsAndSavesUnchanged(clone);
}

TEST(FormRewrite, CloneOfAFormWithoutCaptionGivesItOneAndModulesKeepTheirLineEnds)
{
    const std::string form = "VERSION 5.00\n"
                             "Begin VB.Form frmA\n"
                             "   Begin VB.Label lbl\n"
                             "      Caption         =   \"label\"\n"
                             "   End\n"
                             "End\n"
                             "Attribute VB_Name = \"frmA\"\n";
    EXPECT_EQ(cloneObjectText(form, {"frmC", "Say \"hi\"", "frmA.frx", "frmC.frx"}),
              "VERSION 5.00\n"
              "Begin VB.Form frmC\n"
              "   Caption     =  \"Say \"\"hi\"\"\"\n"
              "   Begin VB.Label lbl\n"
              "      Caption         =   \"label\"\n"
              "   End\n"
              "End\n"
              "Attribute VB_Name = \"frmC\"\n");
    EXPECT_EQ(cloneObjectText("Attribute VB_Name = \"modA\"\r\nSub Main()\r\nEnd Sub\r\n",
                              {"modB", "", "", ""}),
              "Attribute VB_Name = \"modB\"\r\nSub Main()\r\nEnd Sub\r\n");
}

TEST(FormRewrite, DeletingAFrameTakesItsNestedControlsAndTheirCode)
{
    const std::string after = deleteControls(Nested, {"fra1"});
    EXPECT_EQ(after.find("fra2"), std::string::npos);
    EXPECT_EQ(after.find("txtDeep"), std::string::npos);
    EXPECT_EQ(after.find("fra1"), std::string::npos);
    EXPECT_NE(after.find("Private Sub cmd_Click"), std::string::npos);
    EXPECT_NE(after.find("Begin VB.TextBox txtKeep"), std::string::npos);
    std::string expected = Nested;
    for (const std::string &piece : {kFrames, kDeepCode, kFrameCode})
        expected.erase(expected.find(piece), piece.size());
    EXPECT_EQ(after, expected);
    expectLoadsAndSavesUnchanged(after);
}

TEST(FormRewrite, DeletingOneArrayMemberKeepsTheArraysCode)
{
    const std::string one = deleteControls(Nested, {"cmd(1)"});
    EXPECT_EQ(one.find("\"B\""), std::string::npos);
    EXPECT_NE(one.find("\"A\""), std::string::npos);
    EXPECT_NE(one.find("Private Sub cmd_Click"), std::string::npos);
    expectLoadsAndSavesUnchanged(one);

    const std::string all = deleteControls(Nested, {"CMD"});
    EXPECT_EQ(all.find("cmd"), std::string::npos);
    expectLoadsAndSavesUnchanged(all);

    EXPECT_EQ(test::messageOf([] { deleteControls(Nested, {"nothere"}); }).text,
              "The form has no control named \"nothere\"");
}

TEST(FormRewrite, EventProceduresOfCopiedControls)
{
    EXPECT_EQ(eventProcedures(Nested, {"txtKeep", "CMD"}),
              "Private Sub cmd_Click(Index As Integer)\r\n"
              "    txtKeep = \"\"\r\n"
              "End Sub\r\n"
              "Private Sub txtKeep_Change()\r\n"
              "End Sub\r\n");
}

const std::string MenuSource = "VERSION 5.00\r\n"
                               "Begin VB.Form frmM \r\n"
                               "   Caption         =   \"M\"\r\n"
                               "   Begin VB.TextBox txt \r\n"
                               "   End\r\n"
                               "   Begin VB.Menu mnuFile \r\n"
                               "      Caption         =   \"&File\"\r\n"
                               "      Begin VB.Menu mnuRecent \r\n"
                               "         Caption         =   \"Recent\"\r\n"
                               "         Index           =   0\r\n"
                               "         Begin VB.Menu mnuSub \r\n"
                               "            Caption         =   \"Sub\"\r\n"
                               "         End\r\n"
                               "      End\r\n"
                               "   End\r\n"
                               "   Begin VB.Menu mnuHelp \r\n"
                               "      Caption         =   \"&Help\"\r\n"
                               "   End\r\n"
                               "End\r\n"
                               "Attribute VB_Name = \"frmM\"\r\n"
                               "Private Sub txt_Change()\r\n"
                               "End Sub\r\n"
                               "Private Sub mnuRecent_Click(Index As Integer)\r\n"
                               "    MsgBox Index\r\n"
                               "End Sub\r\n"
                               "Private Sub mnuHelp_Click()\r\n"
                               "End Sub\r\n";

TEST(FormRewrite, PastedMenuGoesAfterTheLastControlWithItsCodeAppended)
{
    const std::string destination = "VERSION 5.00\n"
                                    "Begin VB.Form frmD \n"
                                    "   Begin VB.Label lbl \n"
                                    "   End\n"
                                    "End\n"
                                    "Attribute VB_Name = \"frmD\"\n"
                                    "Option Explicit\n";
    const std::string after = pasteMenu(MenuSource, destination);
    EXPECT_EQ(after, "VERSION 5.00\n"
                     "Begin VB.Form frmD \n"
                     "   Begin VB.Label lbl \n"
                     "   End\n"
                     "   Begin VB.Menu mnuFile \n"
                     "      Caption         =   \"&File\"\n"
                     "      Begin VB.Menu mnuRecent \n"
                     "         Caption         =   \"Recent\"\n"
                     "         Index           =   0\n"
                     "         Begin VB.Menu mnuSub \n"
                     "            Caption         =   \"Sub\"\n"
                     "         End\n"
                     "      End\n"
                     "   End\n"
                     "   Begin VB.Menu mnuHelp \n"
                     "      Caption         =   \"&Help\"\n"
                     "   End\n"
                     "End\n"
                     "Attribute VB_Name = \"frmD\"\n"
                     "Option Explicit\n"
                     "\n"
                     "Private Sub mnuRecent_Click(Index As Integer)\n"
                     "    MsgBox Index\n"
                     "End Sub\n"
                     "\n"
                     "Private Sub mnuHelp_Click()\n"
                     "End Sub\n");
    expectLoadsAndSavesUnchanged(after);
}

TEST(FormRewrite, PastingAMenuTwiceOrWithoutAMenuIsRefused)
{
    const std::string once = pasteMenu(MenuSource, Nested);
    expectLoadsAndSavesUnchanged(once);
    const common::UserMessage twice = test::messageOf([&] { pasteMenu(MenuSource, once); });
    EXPECT_EQ(twice.title, "Paste Menu Error");
    EXPECT_EQ(twice.text,
              "The form already has a control or menu named mnuFile; nothing was pasted.");
    EXPECT_EQ(test::messageOf([] { pasteMenu(Nested, MenuSource); }).text,
              "The source form has no menu.");
}

TEST(FormRewrite, TextBoxCodeForTwoPlainBoxes)
{
    const std::string code = textBoxCode({{"txtA", {}}, {"txtB", {}}}, {true, true, true});
    const std::string a = "Private Sub txtA_KeyDown(KeyCode As Integer, Shift As Integer)\r\n"
                          "   If KeyCode = 13 Then Sendkeys \"{TAB}\", True\r\n"
                          "End Sub\r\n"
                          "Private Sub txtA_GotFocus()\r\n"
                          "   txtA.SelStart = 0\r\n"
                          "   txtA.SelLength = Len(Trim$(txtA.Text))\r\n"
                          "End Sub\r\n"
                          "Private Sub txtA_KeyPress(KeyAscii As Integer)\r\n"
                          "   If KeyAscii = 13 Then KeyAscii = 0\r\n"
                          "End Sub\r\n";
    std::string b = a;
    for (std::size_t at = b.find("txtA"); at != std::string::npos; at = b.find("txtA"))
        b.replace(at, 4, "txtB");
    EXPECT_EQ(code, a + b);
}

TEST(FormRewrite, TextBoxCodeForArraysIsWrittenOnceForTheFirstArrayMet)
{
    const std::string expected =
        "Private Sub txtN_KeyDown(Index As Integer, KeyCode As Integer, Shift As Integer)\r\n"
        "   If KeyCode = 13 Then Sendkeys \"{TAB}\", True\r\n"
        "End Sub\r\n"
        "Private Sub txtN_GotFocus(Index as Integer)\r\n"
        "   txtN(Index).SelStart = 0\r\n"
        "   txtN(Index).SelLength = Len(Trim$(txtN(Index).Text))\r\n"
        "End Sub\r\n"
        "Private Sub txtN_KeyPress(Index As Integer, KeyAscii As Integer)\r\n"
        "   If KeyAscii = 13 Then KeyAscii = 0\r\n"
        "End Sub\r\n";
    EXPECT_EQ(textBoxCode({{"txtN", 0}, {"txtN", 1}, {"txtN", 2}}, {true, true, true}), expected);
    EXPECT_EQ(textBoxCode({{"txtN", 0}, {"txtM", 0}}, {true, true, true}), expected);
    EXPECT_EQ(textBoxCode({{"txtA", {}}}, {false, false, true}),
              "Private Sub txtA_KeyPress(KeyAscii As Integer)\r\n"
              "   If KeyAscii = 13 Then KeyAscii = 0\r\n"
              "End Sub\r\n");
}

TEST(FormRewrite, ControlArgumentsAndProcedureRenames)
{
    EXPECT_EQ(parseTextBoxControl("txt(12)")->index, 12);
    for (const char *bad : {"", "(1)", "a b", "txt()", "txt(x)", "txt(12"})
        EXPECT_FALSE(parseTextBoxControl(bad).has_value()) << bad;

    EXPECT_EQ(renameProcedure("Private Function Calc(x As Long) As Long\r\n"
                              "    If x = 0 Then Exit Function\r\n"
                              "    Calc = x * 2\r\n"
                              "    CalcTotal = 1\r\n"
                              "End Function\r\n",
                              "Calc", "Twice"),
              "Private Function Twice(x As Long) As Long\r\n"
              "    If x = 0 Then Exit Function\r\n"
              "    Twice = x * 2\r\n"
              "    CalcTotal = 1\r\n"
              "End Function\r\n");
    // The editor renames the header itself; the returns follow, a parameter named alike not.
    EXPECT_EQ(renameProcedure("Function Twice(calcX)\r\n    Calc = calcX\r\nEnd Function", "Calc",
                              "Twice"),
              "Function Twice(calcX)\r\n    Twice = calcX\r\nEnd Function");
}

} // namespace
} // namespace qm::library
