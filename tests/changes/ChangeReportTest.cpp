// The change report of a file and of a project, byte for byte, through every filter.
#include "changes/ChangeReport.h"

#include <gtest/gtest.h>

#include <map>

using namespace qm::changes;
using qm::platform::Date;

namespace {

// A module with blocks by two programmers on two days: one before the first procedure, one in
// an event procedure, one in a function, and code between them that is never reported.
const std::string kModule = "Option Explicit\r\n"
                            "'* Block Added by Ann on 03/05/2024\r\n"
                            "Dim x As Integer\r\n"
                            "'* End of Block Added by Ann on 03/05/2024\r\n"
                            "Private Sub cmdSave_Click()\r\n"
                            "    x = 1\r\n"
                            "'* Block Changed by Bob on 03/06/2024\r\n"
                            "    x = 2\r\n"
                            "'* End of Block Changed by Bob on 03/06/2024\r\n"
                            "End Sub\r\n"
                            "Public Function Total() As Long\r\n"
                            "'* Block Deleted by Annette on 03/06/2024\r\n"
                            "'*     Total = 0\r\n"
                            "'* End of Block Deleted by Annette on 03/06/2024\r\n"
                            "End Function\r\n";

const std::string kAnnBlock = "*** [General Declarations] ***\r\n"
                              "'* Block Added by Ann on 03/05/2024\r\n"
                              "Dim x As Integer\r\n"
                              "'* End of Block Added by Ann on 03/05/2024\r\n"
                              " \r\n";
const std::string kBobBlock = "*** [Sub cmdSave_Click] ***\r\n"
                              "'* Block Changed by Bob on 03/06/2024\r\n"
                              "    x = 2\r\n"
                              "'* End of Block Changed by Bob on 03/06/2024\r\n"
                              " \r\n";
const std::string kAnnetteBlock = "*** [Function Total] ***\r\n"
                                  "'* Block Deleted by Annette on 03/06/2024\r\n"
                                  "'*     Total = 0\r\n"
                                  "'* End of Block Deleted by Annette on 03/06/2024\r\n"
                                  " \r\n";

ChangeFilter filter(const char *programmer, const char *from, const char *to)
{
    return makeChangeFilter(programmer, from, to);
}

} // namespace

TEST(ChangeReport, FiltersChooseTheBlocks)
{
    struct Case
    {
        const char *what;
        ChangeFilter filter;
        std::string expected;
    };
    const Case cases[] = {
        {"no filter", filter("", "", ""), kAnnBlock + kBobBlock + kAnnetteBlock},
        {"blank boxes", filter("   ", " ", ""), kAnnBlock + kBobBlock + kAnnetteBlock},
        // A case-sensitive test anywhere in the line: "Ann" is also the start of "Annette".
        {"programmer", filter(" Ann ", "", ""), kAnnBlock + kAnnetteBlock},
        {"programmer in other letter case", filter("ann", "", ""), ""},
        {"one day", filter("", "03/06/2024", "03/06/2024"), kBobBlock + kAnnetteBlock},
        {"range", filter("", "3/1/2024", "2024-03-05"), kAnnBlock},
        {"both", filter("Ann", "03/06/2024", "03/06/2024"), kAnnetteBlock},
        {"both, nothing", filter("Bob", "03/05/2024", "03/05/2024"), ""},
        {"a date that does not parse", filter("", "13/45/2024", "03/05/2024"),
         kAnnBlock + kBobBlock + kAnnetteBlock},
        {"one date only", filter("", "03/05/2024", ""), kAnnBlock + kBobBlock + kAnnetteBlock},
    };
    for (const Case &c : cases) {
        FileChanges changes = GetChangesToFile(kModule, c.filter);
        EXPECT_EQ(changes.report, c.expected) << c.what;
        EXPECT_EQ(changes.found(), !c.expected.empty()) << c.what;
    }
}

TEST(ChangeReport, UnreadableMarkerDatesPassTheDateFilterOnlyAlone)
{
    const std::string text = "'* Block Added by Ann on 13/45/2026\r\n"
                             "a\r\n"
                             "'* End of Block Added by Ann on 13/45/2026\r\n"
                             "'* Block Added by Ann on \r\n"
                             "b\r\n";
    const ChangeFilter dates = filter("", "01/01/2026", "12/31/2026");
    EXPECT_EQ(GetChangesToFile(text, dates).report,
              "*** [General Declarations] ***\r\n'* Block Added by Ann on 13/45/2026\r\na\r\n"
              "'* End of Block Added by Ann on 13/45/2026\r\n \r\n"
              "*** [General Declarations] ***\r\n'* Block Added by Ann on \r\nb\r\n");
    EXPECT_FALSE(GetChangesToFile(text, filter("Ann", "01/01/2026", "12/31/2026")).found());
}

TEST(ChangeReport, EndMarkersOfLeftOutBlocksAreNotWritten)
{
    const std::string text = "'* Block Added by Bob on 03/05/2024\r\n"
                             "a\r\n"
                             "'* End of Block Added by Bob on 03/05/2024\r\n"
                             "b\r\n";
    EXPECT_EQ(GetChangesToFile(text, filter("Ann", "", "")).report, "");
}

TEST(ChangeReport, ProcedureHeadersNameTheBlocks)
{
    const std::string text = "Private Sub txtName_KeyPress(KeyAscii As Integer)\r\n"
                             "    If KeyAscii = 13 Then Exit Sub ' done\r\n"
                             "    MsgBox \"Sub total\"\r\n"
                             "    ' Sub Other is called here\r\n"
                             "'* Block Added by Ann on 03/05/2024\r\n"
                             "'* End of Block Added by Ann on 03/05/2024\r\n"
                             "End Sub\r\n"
                             "Private Declare Function GetTickCount Lib \"kernel32\" () As Long\r\n"
                             "Sub Main()\r\n"
                             "'* Block Added by Ann on 03/05/2024\n"
                             "'* End of Block Added by Ann on 03/05/2024";
    EXPECT_EQ(GetChangesToFile(text, {}).report,
              "*** [Sub txtName_KeyPress] ***\r\n"
              "'* Block Added by Ann on 03/05/2024\r\n"
              "'* End of Block Added by Ann on 03/05/2024\r\n \r\n"
              "*** [Sub Main] ***\r\n"
              "'* Block Added by Ann on 03/05/2024\r\n"
              "'* End of Block Added by Ann on 03/05/2024\r\n \r\n");
}

TEST(ChangeReport, OnlyMarkerLinesStartBlocks)
{
    // Code that quotes a marker, a marker in other letter case and a deleted marker line inside
    // a deletion block start nothing; an indented marker does.
    const std::string text = "x = 1 ' '* Block Added by Ann on 03/05/2024\r\n"
                             "'* block added by Ann on 03/05/2024\r\n"
                             "'* Block Deleted by Ann on 03/05/2024\r\n"
                             "'* '* Block Added by Ann on 03/01/2024\r\n"
                             "'* '* End of Block Added by Ann on 03/01/2024\r\n"
                             "'* End of Block Deleted by Ann on 03/05/2024\r\n"
                             "    '* Block Changed by Ann on 03/05/2024\r\n"
                             "    y = 2\r\n";
    FileChanges changes = GetChangesToFile(text, {});
    EXPECT_EQ(changes.report, "*** [General Declarations] ***\r\n"
                              "'* Block Deleted by Ann on 03/05/2024\r\n"
                              "'* '* Block Added by Ann on 03/01/2024\r\n"
                              "'* '* End of Block Added by Ann on 03/01/2024\r\n"
                              "'* End of Block Deleted by Ann on 03/05/2024\r\n \r\n"
                              "*** [General Declarations] ***\r\n"
                              "    '* Block Changed by Ann on 03/05/2024\r\n"
                              "    y = 2\r\n");
    ASSERT_EQ(changes.blocks.size(), 2u);
    EXPECT_EQ(changes.blocks[0].codeLines, 2u);
    EXPECT_EQ(changes.blocks[1].codeLines, 1u);
}

TEST(ChangeReport, DatesOfFilterBoxesAndMarkers)
{
    const std::map<std::string, std::optional<Date>> filterDates = {
        {"03/05/2024", Date{2024, 3, 5}},  {"3/5/2024", Date{2024, 3, 5}},
        {"2024-03-05", Date{2024, 3, 5}},  {" 12-31-2024 ", Date{2024, 12, 31}},
        {"02/29/2024", Date{2024, 2, 29}}, {"02/29/2023", std::nullopt},
        {"13/01/2024", std::nullopt},      {"3/5/24", std::nullopt},
        {"3/5-2024", std::nullopt},        {"", std::nullopt},
    };
    for (const auto &[text, date] : filterDates)
        EXPECT_EQ(parseFilterDate(text), date) << text;
    EXPECT_EQ(parseMarkerDate("03.05.2024"), (Date{2024, 3, 5}));
    EXPECT_EQ(parseMarkerDate("03|05|2024", '|'), (Date{2024, 3, 5}));
    EXPECT_EQ(parseMarkerDate("3/5/2024 x"), std::nullopt);
    // A name that holds " on " does not hide the date that follows it.
    FileChanges changes = GetChangesToFile("'* Block Added by Mary on Call on 03/05/2024\r\n",
                                           filter("", "03/05/2024", "03/05/2024"));
    ASSERT_TRUE(changes.found());
    EXPECT_EQ(changes.blocks[0].programmer, "Mary on Call");
    EXPECT_EQ(changes.blocks[0].date, (Date{2024, 3, 5}));
}

TEST(ChangeReport, ProjectListsItsFormsModulesAndClasses)
{
    const std::string project =
        "Type=Exe\r\n"
        "Form=forms\\frmMain.frm\r\n"
        "Module=modDB; db_access.bas\r\n"
        "Class=COrder; ..\\shared\\COrder.cls\r\n"
        "Reference=*\\G{00020430-0000-0000-C000-000000000046}#2.0#0#x.tlb\r\n"
        "ResFile32=\"Orders.res\"\r\n";
    auto files = projectSourceFiles(project, "/p/app/Orders.vbp");
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].filePart, "forms\\frmMain.frm");
    EXPECT_EQ(files[1].filePart, "db_access.bas");
    EXPECT_EQ(files[2].filePart, "..\\shared\\COrder.cls");
    EXPECT_EQ(projectSourceFiles("FORM1.FRM\r\nMCI_REC.BAS\r\nMAIN.PRG\r\n", "/p/OLD.MAK").size(),
              2u);
}

TEST(ChangeReport, AllFilesReportGoesOnPastMissingFiles)
{
    const std::string project = "Form=a.frm\r\nModule=Gone; gone.bas\r\nClass=C; c.cls\r\n";
    const auto files = projectSourceFiles(project, "/p/P.vbp");
    const std::map<std::string, std::string> texts = {
        {"a.frm", "Sub Form_Load()\r\n'* Block Added by Ann on 03/05/2024\r\nx\r\n"
                  "'* End of Block Added by Ann on 03/05/2024\r\nEnd Sub\r\n"},
        {"c.cls", "Option Explicit\r\n"}};
    int reads = 0;
    ProjectChanges changes = reportProjectChanges(
        files, {},
        [&](const qm::common::ProjectFileEntry &entry) -> std::optional<std::string> {
            ++reads;
            auto it = texts.find(entry.filePart);
            if (it == texts.end())
                return std::nullopt;
            return it->second;
        },
        true);
    EXPECT_EQ(reads, 3);
    const std::string rule(35, '=');
    EXPECT_EQ(changes.report, "{Module: a.frm}\r\n" + rule +
                                  "\r\n"
                                  "*** [Sub Form_Load] ***\r\n"
                                  "'* Block Added by Ann on 03/05/2024\r\nx\r\n"
                                  "'* End of Block Added by Ann on 03/05/2024\r\n \r\n"
                                  "{Module: gone.bas}\r\n" +
                                  rule +
                                  "\r\n"
                                  "   Can't open this module.\r\n \r\n"
                                  "{Module: c.cls}\r\n" +
                                  rule +
                                  "\r\n"
                                  "   No Changes in this module.\r\n \r\n");
    EXPECT_EQ(changes.unreadable, std::vector<std::string>{"gone.bas"});
    EXPECT_EQ(changesCsv(changes.rows), "file,kind,procedure,change,programmer,date,lines\r\n"
                                        "a.frm,Sub,Form_Load,Added,Ann,2024-03-05,1\r\n");
}

TEST(ChangeReport, CsvQuotesFieldsThatNeedIt)
{
    std::vector<ReportRow> rows = {
        {"a,b.bas", {"General", "Declarations", BlockKind::Change, "O\"Neil", std::nullopt, 0}}};
    EXPECT_EQ(changesCsv(rows), "file,kind,procedure,change,programmer,date,lines\r\n"
                                "\"a,b.bas\",General,Declarations,Changed,\"O\"\"Neil\",,0\r\n");
}
