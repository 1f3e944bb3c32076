// The input box and common dialog generators and the help topic reader: exact code and topic
// lists, and qm inputbox, qm dialog and qm help-topics over them.
#include "generators/CommonDialog.h"
#include "generators/HelpTopics.h"
#include "generators/InputBox.h"
#include "generators/DesignerCli.h"

#include "platform/VbError.h"
#include "tests/support/EngineTest.h"

#include <gtest/gtest.h>

namespace qm::generators {
namespace {

using test::runQmCommand;

TEST(InputBoxGenerator, InitialTextsKeepThePromptsLineBreakInsideTheQuotes)
{
    EXPECT_EQ(inputBoxCode({}),
              "Dim sRV As String\r\n\r\n"
              "sRV = InputBox(\"Your message should be entered here.\r\n\", \"Window Caption\", "
              "\"Default Input Text\")\r\n");
}

TEST(InputBoxGenerator, TextsAreTrimmedOfBlanksAndQuotedAsLiterals)
{
    const struct
    {
        InputBoxDesign design;
        const char *call;
    } cases[] = {
        {{"", "", ""}, "sRV = InputBox(\"\", \"\", \"\")\r\n"},
        {{"  Name?  ", "  Ask  ", " x "}, "sRV = InputBox(\"Name?\", \"Ask\", \"x\")\r\n"},
        // Only blanks go: a tab and a line break stay inside the text.
        {{"\tA\r\nB", "C", "D"}, "sRV = InputBox(\"\tA\r\nB\", \"C\", \"D\")\r\n"},
        {{"Type \"yes\"", "\"", "\xe9"},
         "sRV = InputBox(\"Type \"\"yes\"\"\", \"\"\"\", \"\xe9\")\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.call);
        EXPECT_EQ(inputBoxCode(c.design), std::string("Dim sRV As String\r\n\r\n") + c.call);
    }
}

TEST(InputBoxCommand, PromptIsTheInputAndTheOptionsReplaceTheInitialTexts)
{
    auto run = runQmCommand(addDesignerCommands, {"inputbox"}, "Sure?\r\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Dim sRV As String\r\n\r\nsRV = InputBox(\"Sure?\r\n\", \"Window Caption\", "
                       "\"Default Input Text\")\r\n");
    run = runQmCommand(addDesignerCommands,
                       {"inputbox", "--caption", " Order ", "--default", "caf\xc3\xa9"}, "Qty");
    EXPECT_EQ(run.out,
              "Dim sRV As String\r\n\r\nsRV = InputBox(\"Qty\", \"Order\", \"caf\xe9\")\r\n");
    const std::string caption(1000, 'c');
    run = runQmCommand(addDesignerCommands, {"inputbox", "--caption", caption}, "");
    EXPECT_NE(run.out.find("\"\", \"" + caption + "\", "), std::string::npos);
}

std::string dialogCode(int kind,
                       std::vector<std::string> lines = {},
                       std::string caption = "Cap",
                       std::string filter = "F|*.f")
{
    return commonDialogCode({kind, std::move(caption), std::move(filter), std::move(lines)});
}

TEST(CommonDialogGenerator, EveryKindWithoutFlags)
{
    EXPECT_EQ(dialogCode(dialog::None), "");
    EXPECT_EQ(dialogCode(dialog::OpenFile), "Dim strFileName As String\r\n"
                                            "Me.CommonDialog1.DialogTitle = \"Cap\"\r\n"
                                            "Me.CommonDialog1.Filename = \"\"\r\n"
                                            "Me.CommonDialog1.Filter = \"F|*.f\"\r\n"
                                            "Me.CommonDialog1.Action = 1\r\n"
                                            "' If the user Canceled, Filename = \"\"\r\n"
                                            "strFileName = Me.CommonDialog1.Filename\r\n");
    EXPECT_EQ(dialogCode(dialog::SaveAs), "Me.CommonDialog1.DialogTitle = \"Cap\"\r\n"
                                          "Me.CommonDialog1.Filename = \"\"\r\n"
                                          "Me.CommonDialog1.Filter = \"F|*.f\"\r\n"
                                          "Me.CommonDialog1.Action = 2\r\n");
    EXPECT_EQ(dialogCode(dialog::Color), "Me.CommonDialog1.DialogTitle = \"Cap\"\r\n"
                                         "Me.CommonDialog1.Action = 3\r\n");
    EXPECT_EQ(dialogCode(dialog::Font), "Me.CommonDialog1.DialogTitle = \"Cap\"\r\n"
                                        "Me.CommonDialog1.Flags = &H1& Or &H2&\r\n"
                                        "Me.CommonDialog1.Action = 4\r\n");
    EXPECT_EQ(dialogCode(dialog::Printer), "Dim intCancelPrnt As Integer\r\n"
                                           "intCancelPrnt = False\r\n"
                                           "Me.CommonDialog1.DialogTitle = \"Cap\"\r\n"
                                           "Me.CommonDialog1.Max = 32767\r\n"
                                           "Me.CommonDialog1.Min = 1\r\n"
                                           "Me.CommonDialog1.CancelError = True\r\n"
                                           "On Error Resume Next\r\n"
                                           "Me.CommonDialog1.Action = 5\r\n"
                                           "intCancelPrnt = IIf(Err = 32755, True, False)\r\n"
                                           "On Error GoTo 0\r\n");
    EXPECT_EQ(dialogCode(dialog::Help), "App.HelpFile = \"Cap\"\r\n"
                                        "Me.CommonDialog1.Action = 6\r\n");
}

TEST(CommonDialogGenerator, SelectedFlagsMakeOneFlagsLineBeforeTheAction)
{
    const struct
    {
        int kind;
        std::vector<std::string> lines;
        const char *flagsLine;
        const char *before; // the line the flags line precedes
    } cases[] = {
        {dialog::OpenFile,
         {"OFN_READONLY = &H1&", "OFN_FILEMUSTEXIST = &H1000&"},
         "Me.CommonDialog1.Flags = &H1& Or &H1000&\r\n",
         "Me.CommonDialog1.Action = 1"},
        {dialog::Color,
         {"CC_FULLOPEN = &H2&"},
         "Me.CommonDialog1.Flags = &H2&\r\n",
         "Me.CommonDialog1.Action = 3"},
        {dialog::Font,
         {"CF_WYSIWYG = &H8000& Or &H1& Or &H1&"},
         "Me.CommonDialog1.Flags = &H8000& Or &H1& Or &H1&\r\n",
         "Me.CommonDialog1.Action = 4"},
        // &H0& is a value text, not a blank one.
        {dialog::Printer,
         {"PD_ALLPAGES = &H0&"},
         "Me.CommonDialog1.Flags = &H0&\r\n",
         "Me.CommonDialog1.Action = 5"},
        {dialog::Help,
         {"HELP_CONTEXT = &H1", "HELP_KEY = &H101"},
         "Me.CommonDialog1.Flags = &H1 Or &H101\r\n",
         "Me.CommonDialog1.Action = 6"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.flagsLine);
        const std::string code = dialogCode(c.kind, c.lines);
        const size_t at = code.find("Me.CommonDialog1.Flags = ");
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(code.find("Me.CommonDialog1.Flags = ", at + 1), std::string::npos);
        EXPECT_EQ(code.substr(at, std::string(c.flagsLine).size() + std::string(c.before).size()),
                  std::string(c.flagsLine) + c.before);
    }
}

TEST(CommonDialogGenerator, CaptionAndFilterAreUntrimmedLiterals)
{
    const std::string code = dialogCode(dialog::SaveAs, {}, " Say \"hi\" ", "a\"b");
    EXPECT_NE(code.find("DialogTitle = \" Say \"\"hi\"\" \"\r\n"), std::string::npos);
    EXPECT_NE(code.find("Filter = \"a\"\"b\"\r\n"), std::string::npos);
}

TEST(CommonDialogFlags, ValueCountsOnlyTheLeadingLiteral)
{
    EXPECT_EQ(dialogFlagsValue({}), 0);
    EXPECT_EQ(dialogFlagsValue({"CF_WYSIWYG = &H8000& Or &H1& Or &H1&"}), 32768);
    EXPECT_EQ(dialogFlagsValue({"OFN_READONLY = &H1&", "OFN_HIDEREADONLY = &H4&"}), 5);
    EXPECT_EQ(dialogFlagsValue({"CF_NOSIZESEL = &H200000", "HELP_KEY = &H101"}), 0x200101);
    EXPECT_EQ(dialogFlagsText({"OFN_READONLY = &H1&", "OFN_HIDEREADONLY = &H4&"}), "&H1& Or &H4&");
    EXPECT_EQ(dialogFlagsText({}), "");

    const struct
    {
        const char *text;
        std::int64_t value;
    } cases[] = {{"&H8000&", 32768}, {"&H8000", -32768}, {"&HFFFF", -1}, {"&H10000", 65536},
                 {"&O17", 15},       {" 12abc", 12},     {"-7", -7},     {"x1", 0},
                 {"&", 0},           {"&HFFFFFFFF&", -1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(numericPrefixValue(c.text), c.value);
    }
}

TEST(CommonDialogFlags, EveryTableLineHasANameAndAValue)
{
    const size_t counts[] = {0, 13, 13, 4, 20, 16, 12};
    for (int kind = 0; kind <= 6; ++kind) {
        SCOPED_TRACE(kind);
        ASSERT_EQ(dialogFlagLines(kind).size(), counts[kind]);
        for (std::string_view line : dialogFlagLines(kind)) {
            EXPECT_EQ(std::string(flagName(line)) + " = " + std::string(flagValueText(line)), line);
        }
    }
    EXPECT_EQ(dialogFilters().size(), 10u);
    EXPECT_EQ(dialogFilters().back(), "Combo Files (*.EXE)|*.exe;(*.ico)|*.ico");
}

TEST(DialogCommand, KindsFlagsAndDefaults)
{
    auto run = runQmCommand(addDesignerCommands, {"dialog", "--kind", "font"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Me.CommonDialog1.DialogTitle = \"Font\"\r\n"
                       "Me.CommonDialog1.Flags = &H1& Or &H2&\r\n"
                       "Me.CommonDialog1.Action = 4\r\n");
    // Flags enter in list order whatever their order on the command line.
    run = runQmCommand(addDesignerCommands, {"dialog", "--kind", "open", "--filter", "A|*.a",
                                             "--flags", "OFN_FILEMUSTEXIST,OFN_READONLY"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Dim strFileName As String\r\n"
                       "Me.CommonDialog1.DialogTitle = \"Open File\"\r\n"
                       "Me.CommonDialog1.Filename = \"\"\r\n"
                       "Me.CommonDialog1.Filter = \"A|*.a\"\r\n"
                       "Me.CommonDialog1.Flags = &H1& Or &H1000&\r\n"
                       "Me.CommonDialog1.Action = 1\r\n"
                       "' If the user Canceled, Filename = \"\"\r\n"
                       "strFileName = Me.CommonDialog1.Filename\r\n");
    run = runQmCommand(addDesignerCommands, {"dialog", "--kind", "help"});
    EXPECT_EQ(run.out,
              "App.HelpFile = \"c:\\MyAppDir\\MyApp.hlp\"\r\nMe.CommonDialog1.Action = 6\r\n");
    run = runQmCommand(addDesignerCommands, {"dialog", "--kind", "printer", "--caption", "P"});
    EXPECT_NE(run.out.find("DialogTitle = \"P\"\r\n"), std::string::npos);
}

TEST(DialogCommand, BadKindsAndFlagsAreUsageErrors)
{
    const std::vector<std::vector<std::string>> cases = {
        {"dialog"},
        {"dialog", "--kind", "about"},
        {"dialog", "--kind", "open", "--flags", "CC_FULLOPEN"},
        {"dialog", "--kind", "color", "--flags", "CC_FULLOPEN,"},
        {"dialog", "--kind", "color", "FILE"},
    };
    for (const auto &args : cases) {
        SCOPED_TRACE(args.back());
        const auto run = runQmCommand(addDesignerCommands, args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
    }
    const auto run =
        runQmCommand(addDesignerCommands, {"dialog", "--kind", "color", "--flags", "OFN_READONLY"});
    EXPECT_NE(run.err.find("CC_RGBINIT, CC_FULLOPEN, CC_PREVENTFULLOPEN, CC_SHOWHELP"),
              std::string::npos);
}

TEST(HelpTopics, FileKindFromTheWholePathIgnoringCase)
{
    EXPECT_EQ(contextFileKind("help/app.hh"), 'C');
    EXPECT_EQ(contextFileKind("HELP.RTF"), 'R');
    EXPECT_EQ(contextFileKind("a.bas.d/topics.rtf"), 'B');
    EXPECT_EQ(contextFileKind("x.hhc.bas"), 'C');
    EXPECT_EQ(contextFileKind("topics.txt"), 0);
    EXPECT_EQ(contextFileKind(""), 0);
}

TEST(HelpTopics, HeaderAndBasicFilesGiveAnItemPerLine)
{
    EXPECT_EQ(
        contextTopics("#define IDH_FILE_OPEN 101\r\n\r\n// note\r\n#define IDH_X 1234567\n", 'C'),
        (std::vector<std::string>{"IDH FILE OPEN, 101", ", ", ", ", "IDH X, 1234567"}));
    EXPECT_EQ(contextTopics("Global Const IDH_FILE_OPEN = 101\r\n\r\nPublic Const A_B = 7", 'B'),
              (std::vector<std::string>{"IDH FILE OPEN, 101", ", ", "A B, 7"}));
    EXPECT_TRUE(contextTopics("", 'B').empty());
}

TEST(HelpTopics, RtfTitleFootnotesFollowedByAnIndexFootnote)
{
    const std::string rtf = "{\\rtf1\r\n"
                            "${\\footnote File Open}\r\n"
                            "+{\\footnote index:123456}\r\n"
                            "${\\FOOTNOTE Lonely}\r\n"
                            "plain line\r\n"
                            "${\\footnote Short}\r\n"
                            "+{\\footnote index:7}\r\n"
                            "${\\footnote At the end}";
    EXPECT_EQ(contextTopics(rtf, 'R'), (std::vector<std::string>{"File Open, 12345", "Short, 7}"}));
    EXPECT_TRUE(contextTopics("${\\footnote", 'R').empty());
}

TEST(HelpTopics, BinaryAndLongLinesStayInBounds)
{
    std::string binary;
    for (int i = 0; i < 512; ++i)
        binary += static_cast<char>(i % 256);
    for (char kind : {'C', 'B', 'R'})
        contextTopics(binary, kind);
    const std::string longLine = "#define " + std::string(100000, 'A') + " 5";
    const auto items = contextTopics(longLine, 'C');
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].size(), 100000u + 3);
}

TEST(HelpTopics, ContextNumberIsFiveCharactersAfterTheComma)
{
    const struct
    {
        const char *item;
        ContextNumber::Status status;
        int value;
    } cases[] = {
        {"IDH FILE OPEN, 101", ContextNumber::Ok, 101},
        {"X, 1234567", ContextNumber::Ok, 12345},
        {"X, 32767", ContextNumber::Ok, 32767},
        {"X, 40000", ContextNumber::NotANumber, 0},
        {"X, -12", ContextNumber::Ok, -12},
        {", ", ContextNumber::NotANumber, 0},
        {"Short, 7}", ContextNumber::NotANumber, 0},
        {"No comma here", ContextNumber::NoComma, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.item);
        const ContextNumber number = contextNumberOf(c.item);
        EXPECT_EQ(number.status, c.status);
        EXPECT_EQ(number.value, c.value);
    }
}

TEST(HelpTopicsCommand, ListsItemsByLfAndRefusesAnUnknownKind)
{
    auto run = runQmCommand(addDesignerCommands, {"help-topics", "/nonexistent/dir/a.hh"});
    EXPECT_EQ(run.status, 1);

    const std::string dir = ::testing::TempDir();
    const std::string bas = dir + "/topics.BAS";
    FILE *f = std::fopen(bas.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("Global Const IDH_A = 1\r\n\r\n", f);
    std::fclose(f);
    run = runQmCommand(addDesignerCommands, {"help-topics", bas});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "IDH A, 1\n, \n");

    const std::string txt = dir + "/topics.txt";
    f = std::fopen(txt.c_str(), "wb");
    std::fclose(f);
    run = runQmCommand(addDesignerCommands, {"help-topics", txt});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Unknown File Type: Unknown Context ID File Type!\n");
}

} // namespace
} // namespace qm::generators
