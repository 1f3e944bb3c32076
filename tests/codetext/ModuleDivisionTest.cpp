#include "codetext/ModuleDivision.h"
#include "codetext/ModuleSave.h"
#include "codetext/CodeTextCli.h"

#include "tests/support/EngineTest.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace qm;
using namespace qm::codetext;

namespace {

// "name@line" for each entry, and the entry texts.
std::vector<std::string> names(const std::vector<ModuleEntry> &entries)
{
    std::vector<std::string> out;
    for (const auto &e : entries)
        out.push_back(e.name + "@" + std::to_string(e.line));
    return out;
}

std::string entryText(std::string_view text, const ModuleEntry &e)
{
    return std::string(text.substr(e.start, e.end - e.start));
}

const std::string kModule = "Attribute VB_Name = \"Orders\"\r\n"
                            "Option Explicit\r\n"
                            "Private Declare Function GetTick Lib \"kernel32\" () As Long\r\n"
                            "Dim b\r\n"
                            "\r\n"
                            "Public Sub Load(ByVal id As Long)\r\n"
                            "    b = 1\r\n"
                            "    Sub_Count = 2\r\n"
                            "End Sub\r\n"
                            "\r\n"
                            "' helper\r\n"
                            "Private Static Function Total() As Long\r\n"
                            "    Total = b\r\n"
                            "End Function\r\n"
                            "Function Last()\r\n"
                            "End Function";

const std::string kForm = "VERSION 4.00\r\n"
                          "Begin VB.Form Form1\r\n"
                          "   Caption = \"Orders\"\r\n"
                          "   Begin VB.CommandButton cmdOk\r\n"
                          "      BeginProperty Font\r\n"
                          "         name = \"Arial\"\r\n"
                          "      EndProperty\r\n"
                          "   End\r\n"
                          "End\r\n"
                          "Attribute VB_Name = \"Form1\"\r\n"
                          "Dim x\r\n"
                          "Private Sub cmdOk_Click()\r\n"
                          "    x = 1\r\n"
                          "End Sub\r\n";

const std::string kXBase = "* orders\r\n"
                           "PUBLIC nCount\r\n"
                           "PROCEDURE Main\r\n"
                           "   DO Report\r\n"
                           "RETURN\r\n"
                           "\r\n"
                           "FUNC Report(a)\r\n"
                           "   ? a\r\n"
                           "STATIC PROCEDURE Helper\r\n"
                           "RETURN\n";

} // namespace

TEST(ModuleDivision, HostCodeEntriesRunFromHeaderToTheirEndLine)
{
    const auto entries = divideModule(kModule, ModuleKind::Code);
    EXPECT_EQ(names(entries),
              (std::vector<std::string>{"(declarations)@1", "Load@6", "Total@12", "Last@15"}));
    EXPECT_EQ(entryText(kModule, entries[0]),
              "Attribute VB_Name = \"Orders\"\r\nOption Explicit\r\nPrivate Declare Function "
              "GetTick Lib \"kernel32\" () As Long\r\nDim b\r\n\r\n");
    EXPECT_EQ(entryText(kModule, entries[1]),
              "Public Sub Load(ByVal id As Long)\r\n    b = 1\r\n    Sub_Count = 2\r\nEnd Sub\r\n");
    EXPECT_EQ(entryText(kModule, entries[2]),
              "Private Static Function Total() As Long\r\n    Total = b\r\nEnd Function\r\n");
    EXPECT_EQ(entryText(kModule, entries[3]), "Function Last()\r\nEnd Function");
}

TEST(ModuleDivision, OnlyHeaderKeywordsStartProcedures)
{
    struct Case
    {
        std::string line;
        std::string name; // empty: not a header
    };
    const std::vector<Case> cases = {
        {"Sub Main()", "Main"},
        {"  function  Compute (a)", "Compute"},
        {"Public Function F_1() As Integer", "F_1"},
        {"Static Sub Tally", "Tally"},
        {"Private Static Sub Keep()", "Keep"},
        {"PROC report", "report"},
        {"METHOD Paint CLASS Box", "Paint"},
        {"\tPROCEDURE Main", "Main"},
        {"    ", ""},         // four blanks trim to nothing
        {"b = 1", ""},        // a one-letter name
        {"Subtotal = 3", ""}, // a word starting like a keyword
        {"Functions(1) = 2", ""},
        {"Private Declare Sub Sleep Lib \"k\" (ByVal n As Long)", ""},
        {"Public Total As Long", ""},
        {"' Sub Commented()", ""},
        {"Sub", ""},
        {"Sub(", ""},
    };
    for (const auto &c : cases) {
        std::string name;
        EXPECT_EQ(isProcedureHeader(c.line, &name), !c.name.empty()) << c.line;
        if (!c.name.empty()) {
            EXPECT_EQ(name, c.name) << c.line;
        }
    }
}

TEST(ModuleDivision, FormsStartAfterTheirDescription)
{
    const auto entries = divideModule(kForm, ModuleKind::Form);
    EXPECT_EQ(names(entries), (std::vector<std::string>{"(declarations)@10", "cmdOk_Click@12"}));
    EXPECT_EQ(entryText(kForm, entries[0]), "Attribute VB_Name = \"Form1\"\r\nDim x\r\n");

    EXPECT_EQ(formDescriptionEnd("Dim a\r\nSub A()\r\nEnd Sub\r\n"), 0u);
    const auto message = test::messageOf([] {
        divideModule("VERSION 5.00\r\nBegin VB.Form F\r\n   Begin X\r\n   End\r\n",
                     ModuleKind::Form);
    });
    EXPECT_EQ(message.title, "File Error");
}

TEST(ModuleDivision, XBaseProceduresRunToTheNextHeader)
{
    const auto entries = divideModule(kXBase, ModuleKind::XBase);
    EXPECT_EQ(names(entries),
              (std::vector<std::string>{"(declarations)@1", "Main@3", "Report@7", "Helper@9"}));
    EXPECT_EQ(entryText(kXBase, entries[1]), "PROCEDURE Main\r\n   DO Report\r\nRETURN\r\n\r\n");
    EXPECT_EQ(entryText(kXBase, entries[3]), "STATIC PROCEDURE Helper\r\nRETURN\n");
}

TEST(ModuleDivision, AProcedureWithoutItsEndLineStopsAtTheNextOne)
{
    const std::string text = "Sub A()\r\n  x = 1\r\nSub B()\r\nEnd Sub\r\nSub C()\r\n  y\r\n";
    const auto entries = divideModule(text, ModuleKind::Code);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entryText(text, entries[0]), "");
    EXPECT_EQ(entryText(text, entries[1]), "Sub A()\r\n  x = 1\r\n");
    EXPECT_EQ(entryText(text, entries[3]), "Sub C()\r\n  y\r\n");
}

TEST(ModuleDivision, EmptyAndProcedurelessModulesAreAllDeclarations)
{
    EXPECT_EQ(names(divideModule("", ModuleKind::Code)),
              (std::vector<std::string>{"(declarations)@1"}));
    const std::string text = "Option Explicit\nDim a\n";
    const auto entries = divideModule(text, ModuleKind::Code);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entryText(text, entries[0]), text);
}

TEST(ModuleDivision, LargeProceduresWarnThenRefuse)
{
    auto procedure = [](size_t size) {
        std::string text = "Sub A()\r\n";
        text += std::string(size - text.size() - 9, 'x');
        return text + "\r\nEnd Sub";
    };
    for (size_t size : {kLargeProcedure, kLargeProcedure + 1, kProcedureLimit, kProcedureLimit + 1,
                        size_t{40000}}) {
        SCOPED_TRACE(size);
        const std::string text = procedure(size);
        ASSERT_EQ(text.size(), size);
        const auto entries = divideModule(text, ModuleKind::Code);
        if (size > kProcedureLimit) {
            EXPECT_EQ(test::messageOf([&] { loadEntry(text, entries[1]); }).title,
                      "Procedure Too Large");
            continue;
        }
        const LoadedEntry loaded = loadEntry(text, entries[1]);
        EXPECT_EQ(loaded.text, text);
        EXPECT_EQ(loaded.warning.has_value(), size > kLargeProcedure);
        if (loaded.warning) {
            EXPECT_EQ(loaded.warning->text, "Procedure is over 30K Bytes,\nany further increase "
                                            "in size\nmay prohibit it's loading by\nthis editor!");
        }
    }
}

TEST(ModuleWriteBack, EachEntryKindIsReplacedInPlace)
{
    const auto entries = divideModule(kModule, ModuleKind::Code);
    EXPECT_EQ(replaceEntry(kModule, entries[1], "Public Sub Load()\r\nEnd Sub\r\n"),
              "Attribute VB_Name = \"Orders\"\r\nOption Explicit\r\nPrivate Declare Function "
              "GetTick Lib \"kernel32\" () As Long\r\nDim b\r\n\r\nPublic Sub Load()\r\nEnd "
              "Sub\r\n\r\n' helper\r\nPrivate Static Function Total() As Long\r\n    Total = "
              "b\r\nEnd Function\r\nFunction Last()\r\nEnd Function");
    // A replacement without its final line end does not join the next line.
    const std::string declarations = replaceEntry(kModule, entries[0], "Dim c");
    EXPECT_EQ(declarations.rfind("Dim c\r\nPublic Sub Load(ByVal id As", 0), 0u);
    // The last entry of a file without a final line end keeps it so.
    const std::string last =
        replaceEntry(kModule, entries[3], "Function Last()\r\n  Last = 1\r\nEnd Function");
    const std::string lastEntry = "End Function\r\nFunction Last()\r\n  Last = 1\r\nEnd Function";
    EXPECT_EQ(last.substr(last.size() - lastEntry.size()), lastEntry);

    const auto formEntries = divideModule(kForm, ModuleKind::Form);
    const std::string form = replaceEntry(kForm, formEntries[0], "Dim y\r\n");
    EXPECT_EQ(form, kForm.substr(0, formEntries[0].start) +
                        "Dim y\r\nPrivate Sub cmdOk_Click()\r\n    x = 1\r\nEnd Sub\r\n");
}

TEST(ModuleWriteBack, BackupNamesReplaceTheFilesOwnExtension)
{
    EXPECT_EQ(moduleBackupPath("/home/user/my.app/Orders.bas"), "/home/user/my.app/Orders.BAK");
    EXPECT_EQ(moduleBackupPath("C:\\vb.4\\Form1.frm"), "C:\\vb.4\\Form1.BAK");
    EXPECT_EQ(moduleBackupPath("/src/Makefile"), "/src/Makefile.BAK");
    EXPECT_EQ(closeBackupPath("/a.b/Orders.bas"), "/a.b/Orders.bak");
    EXPECT_EQ(closeBackupPath("/a.b/README"), "/a.b/README.bak");
}

TEST(ModuleWriteBack, SavingInPlaceKeepsABackupOfTheFileBefore)
{
    test::TempDir dir;
    dir.write("Orders.bas", kModule);
    const auto written = saveModuleEntry({dir.file("Orders.bas"), dir.file("Orders.bas"), "Total",
                                          "Function Total()\r\nEnd Function\r\n"});
    const auto &entries = written.entries;
    EXPECT_EQ(written.start, entries[2].start);
    EXPECT_EQ(dir.read("Orders.BAK"), kModule);
    const std::string saved = dir.read("Orders.bas");
    EXPECT_NE(saved.find("\r\n' helper\r\nFunction Total()\r\nEnd Function\r\nFunction Last()"),
              std::string::npos);
    EXPECT_EQ(names(entries),
              (std::vector<std::string>{"(declarations)@1", "Load@6", "Total@12", "Last@14"}));

    // Saved under another name: the original stays, the new file gets the change.
    saveModuleEntry(
        {dir.file("Orders.bas"), dir.file("Copy.bas"), "Load", "Sub Load()\r\nEnd Sub\r\n"});
    EXPECT_EQ(dir.read("Orders.bas"), saved);
    EXPECT_NE(dir.read("Copy.bas").find("Sub Load()\r\nEnd Sub\r\n\r\n' helper"),
              std::string::npos);
}

TEST(ModuleWriteBack, OfTwoEntriesOfOneNameTheOneLoadedIsReplaced)
{
    test::TempDir dir;
    const std::string program = "PROC a\r\n? 1\r\nPROC b\r\n? 2\r\nPROC a\r\n? 3\r\n";
    dir.write("Two.prg", program);
    saveModuleEntry({dir.file("Two.prg"), dir.file("Two.prg"), "a", "PROC a\r\n? 4\r\n", 3});
    EXPECT_EQ(dir.read("Two.prg"), "PROC a\r\n? 1\r\nPROC b\r\n? 2\r\nPROC a\r\n? 4\r\n");
}

TEST(ModuleWriteBack, FailedSavesLeaveTheFileAsItWas)
{
    test::TempDir dir;
    dir.write("Orders.bas", kModule);
    // The entry is gone from the file.
    auto message = test::messageOf([&] {
        saveModuleEntry(
            {dir.file("Orders.bas"), dir.file("Orders.bas"), "Gone", "Sub Gone()\r\nEnd Sub\r\n"});
    });
    EXPECT_EQ(message.text, "eof");
    EXPECT_EQ(dir.read("Orders.bas"), kModule);
    // The file was removed before the save.
    std::filesystem::remove(dir.file("Orders.bas"));
    message = test::messageOf([&] {
        saveModuleEntry({dir.file("Orders.bas"), dir.file("Orders.bas"), "Load", "x\r\n"});
    });
    EXPECT_EQ(message.text, "Can't make backup file!");
    // A destination that cannot be written.
    dir.write("Orders.bas", kModule);
    message = test::messageOf([&] {
        saveModuleEntry({dir.file("Orders.bas"), dir.file("missing/Orders.bas"), "Load", "x\r\n"});
    });
    EXPECT_EQ(message.title, "File Error");
    EXPECT_NE(message.text.find(dir.file("missing/Orders.bas")), std::string::npos);
    EXPECT_EQ(dir.read("Orders.bas"), kModule);
}

TEST(QmProcedures, ListsTheDivision)
{
    auto run = test::runQmCommand(addModuleCommands, {"procedures"}, kModule);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "(declarations)\t1\nLoad\t6\nTotal\t12\nLast\t15\n");
    run = test::runQmCommand(addModuleCommands, {"procedures", "--frm"}, kForm);
    EXPECT_EQ(run.out, "(declarations)\t10\ncmdOk_Click\t12\n");

    test::TempDir dir;
    dir.write("Form1.FRM", kForm);
    run = test::runQmCommand(addModuleCommands, {"procedures", dir.file("Form1.FRM")});
    EXPECT_EQ(run.out, "(declarations)\t10\ncmdOk_Click\t12\n");

    run = test::runQmCommand(addModuleCommands, {"procedures"}, std::string("MZ\0\x90", 4));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "File Error: Read Past EOF, possibly Binary File!\n");
    run = test::runQmCommand(addModuleCommands, {"procedures", "--frm"}, "Begin VB.Form F\r\n");
    EXPECT_EQ(run.status, 1);
}
