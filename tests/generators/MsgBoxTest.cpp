// The message box generator: exact code for every button style and box kind, the flags, the
// message lines, the title and the quotation marks; and qm msgbox over it.
#include "generators/MsgBox.h"

#include "common/Cli.h"
#include "generators/DesignerCli.h"

#include "tests/generators/AnswerBlocks.h"
#include "tests/support/EngineTest.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qm::generators {
namespace {

MsgBoxDesign box(char kind, int buttons, std::string message = "Hello\r\n")
{
    MsgBoxDesign d;
    d.kind = kind;
    d.buttons = buttons;
    d.message = std::move(message);
    return d;
}

TEST(MsgBoxGenerator, StatementOfEveryButtonStyleIsTheCallAlone)
{
    const struct
    {
        int buttons;
        const char *flags;
    } cases[] = {{0, "16"}, {1, "17"}, {2, "18"}, {3, "19"}, {4, "20"}, {5, "21"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.buttons);
        EXPECT_EQ(SetUpPaintProc(box('S', c.buttons)), std::string("Dim sMsg as string\r\n"
                                                                   "sMsg = \"Hello\"\r\n"
                                                                   "MsgBox sMsg, ") +
                                                           c.flags +
                                                           ", \"MsgBox Caption\"\r\n\r\n");
    }
}

TEST(MsgBoxGenerator, FunctionOfEveryButtonStyleSortsOutTheAnswer)
{
    const std::string head = "Dim sMsg as string\r\n"
                             "Dim iRV as integer\r\n"
                             "sMsg = \"Hello\"\r\n";
    for (int buttons = 0; buttons <= 5; ++buttons) {
        SCOPED_TRACE(buttons);
        EXPECT_EQ(SetUpPaintProc(box('F', buttons)),
                  head + "iRV = MsgBox(sMsg, " + std::to_string(16 + buttons) +
                      ", \"MsgBox Caption\")\r\n\r\n" + test::answerBlock(buttons));
    }
}

TEST(MsgBoxGenerator, FlagsAddButtonsDefaultModalAndIcon)
{
    const struct
    {
        int buttons, defaultButton, icon, modal;
        int flags;
    } cases[] = {
        {3, 256, 32, 0, 291},   // Yes/No/Cancel, Button 2, Question
        {0, 0, 16, 0, 16},      // the initial values
        {0, 0, 48, 4096, 4096}, // system modal: the chosen icon is dropped
        {0, 0, 0, 4096, 4096},  {2, 512, 64, 0, 578}, {5, 256, 16, 4096, 4357}, {4, 0, 0, 0, 4},
    };
    for (const auto &c : cases) {
        MsgBoxDesign d;
        d.buttons = c.buttons;
        d.defaultButton = c.defaultButton;
        d.icon = c.icon;
        d.modal = c.modal;
        EXPECT_EQ(msgBoxFlags(d), c.flags) << c.buttons << " " << c.defaultButton << " " << c.icon;
    }

    MsgBoxDesign modal = box('S', 0, "");
    modal.icon = 64;
    modal.modal = 4096;
    EXPECT_EQ(SetUpPaintProc(modal),
              "Dim sMsg as string\r\nMsgBox sMsg, 4096, \"MsgBox Caption\"\r\n\r\n");
    // A zero style is written as "####" writes it, the empty text: the argument is left out.
    MsgBoxDesign none = box('F', 0, "");
    none.icon = 0;
    EXPECT_EQ(SetUpPaintProc(none), "Dim sMsg as string\r\nDim iRV as integer\r\n"
                                    "iRV = MsgBox(sMsg, , \"MsgBox Caption\")\r\n\r\n");
}

TEST(MsgBoxGenerator, EmptyTextsWriteNoMessageLinesAndAnEmptyTitle)
{
    MsgBoxDesign d = box('S', 0, "");
    d.title = "";
    EXPECT_EQ(SetUpPaintProc(d), "Dim sMsg as string\r\nMsgBox sMsg, 16, \"\"\r\n\r\n");
    d.title = "   ";
    EXPECT_EQ(SetUpPaintProc(d), "Dim sMsg as string\r\nMsgBox sMsg, 16, \"\"\r\n\r\n");
}

TEST(MsgBoxGenerator, MessageLinesAreJoinedByLineFeeds)
{
    const struct
    {
        const char *message;
        const char *lines;
    } cases[] = {
        {"One", "sMsg = \"One\"\r\n"},
        {"One\r\n", "sMsg = \"One\"\r\n"},
        {"One\r\nTwo", "sMsg = \"One\" & Chr(10)\r\nsMsg = sMsg & \"Two\"\r\n"},
        {"One\r\nTwo\r\n", "sMsg = \"One\" & Chr(10)\r\nsMsg = sMsg & \"Two\"\r\n"},
        // Only the last line break is dropped: an empty line typed before it stays.
        {"One\r\n\r\n", "sMsg = \"One\" & Chr(10)\r\nsMsg = sMsg & \"\"\r\n"},
        {"\r\n", "sMsg = \"\"\r\n"},
        {"  padded  \r\n", "sMsg = \"  padded  \"\r\n"},
        // Line ends of files made elsewhere break lines too, so no raw CR or LF reaches a literal.
        {"One\nTwo\rThree", "sMsg = \"One\" & Chr(10)\r\nsMsg = sMsg & \"Two\" & Chr(10)\r\n"
                            "sMsg = sMsg & \"Three\"\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(SetUpPaintProc(box('S', 0, c.message)),
                  std::string("Dim sMsg as string\r\n") + c.lines +
                      "MsgBox sMsg, 16, \"MsgBox Caption\"\r\n\r\n");
    }
}

TEST(MsgBoxGenerator, TitleIsTrimmedOfBlanksOnly)
{
    MsgBoxDesign d = box('S', 0, "");
    d.title = "  Save changes?  ";
    EXPECT_EQ(SetUpPaintProc(d),
              "Dim sMsg as string\r\nMsgBox sMsg, 16, \"Save changes?\"\r\n\r\n");
    d.title = "\tTabbed\t";
    EXPECT_EQ(SetUpPaintProc(d), "Dim sMsg as string\r\nMsgBox sMsg, 16, \"\tTabbed\t\"\r\n\r\n");
}

TEST(MsgBoxGenerator, EmbeddedQuotationMarksAreDoubled)
{
    MsgBoxDesign d = box('F', 4, "Say \"hi\"\r\n\"\r\n");
    d.title = " \"Quoted\" ";
    EXPECT_EQ(SetUpPaintProc(d), "Dim sMsg as string\r\n"
                                 "Dim iRV as integer\r\n"
                                 "sMsg = \"Say \"\"hi\"\"\" & Chr(10)\r\n"
                                 "sMsg = sMsg & \"\"\"\"\r\n"
                                 "iRV = MsgBox(sMsg, 20, \"\"\"Quoted\"\"\")\r\n\r\n" +
                                 test::answerBlock(4));
    EXPECT_EQ(basicLiteral(""), "\"\"");
    EXPECT_EQ(basicLiteral("\"\""), "\"\"\"\"\"\"");
}

TEST(MsgBoxGenerator, TestTextKeepsTheLinesAsTyped)
{
    EXPECT_EQ(msgBoxTestText(""), "");
    EXPECT_EQ(msgBoxTestText("Say \"hi\"\r\n"), "Say \"hi\"");
    EXPECT_EQ(msgBoxTestText("One\r\nTwo\r\n\r\n"), "One\r\nTwo\r\n");
    EXPECT_EQ(msgBoxTestText("One\nTwo"), "One\r\nTwo");
}

TEST(MsgBoxGenerator, EightBitTextPassesUnchanged)
{
    std::string message = "Gr\xfc\xdf"
                          "e \x80 \x81\r\n";
    EXPECT_EQ(SetUpPaintProc(box('S', 0, message)), "Dim sMsg as string\r\nsMsg = \"Gr\xfc\xdf"
                                                    "e \x80 \x81\"\r\n"
                                                    "MsgBox sMsg, 16, \"MsgBox Caption\"\r\n\r\n");
}

// qm msgbox, run through the command table as the qm program runs it.
using test::QmRun;

QmRun qmMsgBox(std::vector<std::string> args, const std::string &input)
{
    args.insert(args.begin(), "msgbox");
    return test::runQmCommand(addMsgBoxCommands, args, input);
}

TEST(QmMsgBox, DefaultsAreTheDesignersInitialValues)
{
    QmRun run = qmMsgBox({}, "Type lines and press Enter for Multiline\r\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Dim sMsg as string\r\n"
                       "sMsg = \"Type lines and press Enter for Multiline\"\r\n"
                       "MsgBox sMsg, 16, \"MsgBox Caption\"\r\n\r\n");
}

TEST(QmMsgBox, OptionsSetEveryValue)
{
    QmRun run = qmMsgBox(
        {"--kind", "F", "--buttons", "3", "--default", "2", "--icon", "32", "--title", " Quit? "},
        "Save \"Report\"?\r\nChanges are lost otherwise.\r\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Dim sMsg as string\r\n"
                       "Dim iRV as integer\r\n"
                       "sMsg = \"Save \"\"Report\"\"?\" & Chr(10)\r\n"
                       "sMsg = sMsg & \"Changes are lost otherwise.\"\r\n"
                       "iRV = MsgBox(sMsg, 291, \"Quit?\")\r\n\r\n" +
                           test::answerBlock(3));

    run = qmMsgBox({"--system-modal", "--icon", "64", "--buttons", "2", "--default", "3"}, "");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Dim sMsg as string\r\nMsgBox sMsg, 4610, \"MsgBox Caption\"\r\n\r\n");
}

TEST(QmMsgBox, BadValuesAreUsageErrors)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--kind", "X"},
        {"--kind", "s"},
        {"--buttons", "6"},
        {"--buttons", "-1"},
        {"--default", "0"},
        {"--default", "4"},
        {"--icon", "8"},
        {"--icon", "80"},
        {"--icon", "Stop"},
        {"--default", "2"}, // OK only has one button
        {"--buttons", "4", "--default", "3"},
    };
    for (const auto &args : cases) {
        QmRun run = qmMsgBox(args, "x");
        EXPECT_EQ(run.status, 2) << args[0] << " " << args[1];
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(args.size() > 2 ? args[2] : args[0]), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace qm::generators
