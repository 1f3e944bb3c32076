#include "search/CodeFinder.h"

#include "common/TextHelpers.h"
#include "platform/Text.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <random>

using namespace qm::search;
using Step = SearchCursor::Step;

namespace {

struct Found
{
    std::string file, procedure;
    int64_t lineNumber;
    std::string line;
    bool operator==(const Found &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Found &f)
{
    return out << f.file << "|" << f.procedure << "|" << f.lineNumber << "|" << f.line;
}

// Every hit of a whole search, and the files it could not open.
std::vector<Found> searchAll(std::vector<SearchFile> files,
                             std::string_view text,
                             FindKind kind = FindKind::AllInstances,
                             std::vector<std::string> *cantOpen = nullptr,
                             size_t slice = SIZE_MAX)
{
    SearchCursor cursor(std::move(files), text, kind);
    std::vector<Found> found;
    for (;;) {
        switch (cursor.next(slice)) {
        case Step::Hit:
            found.push_back({cursor.file().name, cursor.hit().procedure, cursor.hit().lineNumber,
                             cursor.hit().line});
            break;
        case Step::CantOpen:
            if (cantOpen)
                cantOpen->push_back(cursor.file().path);
            break;
        case Step::Paused:
            break;
        case Step::Done:
            return found;
        }
    }
}

// The rules applied the plain way, a whole file in memory, to check the streaming cursor.
std::vector<Found> searchPlainly(const std::string &name,
                                 const std::string &bytes,
                                 std::string_view text,
                                 FindKind kind)
{
    std::vector<Found> found;
    std::string procedure = "declarations";
    int64_t number = 0;
    for (std::string_view line : qm::common::splitLines(bytes)) {
        ++number;
        if (isProcedureHeader(line)) {
            procedure = std::string(procedureOfHeader(line));
            number = 1;
        }
        if (!qm::platform::containsIgnoreCase(line, text))
            continue;
        if ((kind == FindKind::Definitions && !isDefinitionLine(line)) ||
            (kind == FindKind::Assignments && !isAssignmentLine(line, text)))
            continue;
        found.push_back({name, procedure, number, std::string(line)});
    }
    return found;
}

const char *const kModule = "Attribute VB_Name = \"Tools\"\r\n"
                            "Dim Cnt As Integer\r\n"
                            "Private Cnt As Integer\r\n"
                            "\r\n"
                            "Public Sub Tally(ByVal n As Integer)\r\n"
                            "    ReDim Cnt(5)\r\n"
                            "    Total = 0\r\n"
                            "    Total=0\r\n"
                            "    If Total = 0 Then Cnt = 1\r\n"
                            "    x = Total + 1\r\n"
                            "End Sub\r\n"
                            "Function Sum() As Long\r\n"
                            "    Sum = Total\r\n"
                            "End Function\r\n";

} // namespace

TEST(CodeFinderRules, ProcedureHeaders)
{
    struct Case
    {
        const char *line;
        bool header;
    };
    const Case cases[] = {
        {"Sub Main()", true},
        {"  Function Sum() As Long", true},
        {"sub lower()", true},
        {"Private Sub Form_Load()", true},
        {"Public Function F(a)", true},
        {"Static Sub Keep()", true},
        {"Private Declare Function GetTickCount Lib \"kernel32\" () As Long", true},
        {"Public SubTotal As Long", true}, // holds "Sub": taken for a header, as the rule says
        {"Private Cnt As Integer", false},
        {"End Sub", false},
        {"Subtotal = 1", false},
        {"SubMain()", false},
        {"\tSub Tabbed()", false}, // only blanks are skipped
        {"", false},
        {"   ", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(isProcedureHeader(c.line), c.header) << c.line;
    EXPECT_EQ(procedureOfHeader("  Private Sub Form_Load()"), "  Private Sub Form_Load");
    EXPECT_EQ(procedureOfHeader("Sub NoParens"), "Sub NoParens");
}

TEST(CodeFinderRules, DefinitionsAndAssignments)
{
    EXPECT_TRUE(isDefinitionLine("Dim Cnt As Integer"));
    EXPECT_TRUE(isDefinitionLine("    ReDim Cnt(5)"));
    EXPECT_TRUE(isDefinitionLine("Global Const MAX = 5"));
    EXPECT_TRUE(isDefinitionLine("public function Cnt()"));
    EXPECT_FALSE(isDefinitionLine("Private Cnt As Integer"));
    EXPECT_FALSE(isDefinitionLine("Dimension = 1"));

    struct Case
    {
        const char *line, *text;
        bool assignment;
    };
    const Case cases[] = {
        {"Total = 0", "Total", true},
        {"    If Total = 0 Then", "Total", true},
        {"Total=0", "Total", false},
        {"x = Total + 1", "Total", false},
        {"Total", "Total", false},
        {"Total   ", "Total", false},
        {"total = 2", "TOTAL", true},
        {"Me.Total = 2", "Me.Total", true},
        {"Total = 1", "Total =", true}, // a word of the search text
        {"Tot = 1: Total = 2", "Total", true},
        {"a = Total", "Total", false}, // "a" is in "Total" but is not a word of it
        {"Tot = Total", "Total", false},
        {"Total_Sum = 1", "Total", false},
        {"", "", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(isAssignmentLine(c.line, c.text), c.assignment) << c.line << " / " << c.text;
}

TEST(CodeFinder, FindKindsInAProject)
{
    qm::test::TempDir dir;
    dir.write("TOOLS.BAS", kModule);
    const std::string project = dir.file("App.vbp");
    auto files = projectSearchFiles("Type=Exe\r\nModule=Tools; TOOLS.BAS\r\n", project);

    EXPECT_EQ(searchAll(files, "Total", FindKind::Assignments),
              (std::vector<Found>{
                  {"TOOLS.BAS", "Public Sub Tally", 3, "    Total = 0"},
                  {"TOOLS.BAS", "Public Sub Tally", 5, "    If Total = 0 Then Cnt = 1"},
              }));
    EXPECT_EQ(searchAll(files, "Cnt", FindKind::Definitions),
              (std::vector<Found>{
                  {"TOOLS.BAS", "declarations", 2, "Dim Cnt As Integer"},
                  {"TOOLS.BAS", "Public Sub Tally", 2, "    ReDim Cnt(5)"},
              }));
    EXPECT_EQ(searchAll(files, "sum"),
              (std::vector<Found>{
                  {"TOOLS.BAS", "Function Sum", 1, "Function Sum() As Long"},
                  {"TOOLS.BAS", "Function Sum", 2, "    Sum = Total"},
              }));
}

TEST(CodeFinder, ProjectFilesOfEveryKindAndFolder)
{
    qm::test::TempDir dir;
    dir.write("app/Main.frm", "Caption = \"x\"\r\n");
    dir.write("app/forms/Sub.frm", "x\r\n");
    dir.write("common/util.bas", "x\n");
    dir.write("app/Acct.cls", "x\r");
    dir.write("app/old.prg", "x");
    auto files = projectSearchFiles("Form=Main.frm\r\n"
                                    "Form=forms\\Sub.frm\r\n"
                                    "Module=Util; ..\\common\\util.bas\r\n"
                                    "Class=Acct; Acct.cls\r\n"
                                    "Module=Old; old.prg\r\n"
                                    "Form=Main.frx\r\n"
                                    "UserControl=ctl.ctl\r\n"
                                    "Module=Gone; gone.bas\r\n",
                                    dir.file("app/App.vbp"));
    std::vector<std::string> cantOpen;
    auto found = searchAll(files, "x", FindKind::AllInstances, &cantOpen);
    std::vector<std::string> names;
    for (const Found &f : found)
        names.push_back(f.file);
    EXPECT_EQ(names, (std::vector<std::string>{"Main.frm", "forms\\Sub.frm", "..\\common\\util.bas",
                                               "Acct.cls", "old.prg"}));
    EXPECT_EQ(cantOpen, std::vector<std::string>{dir.file("app") + "\\gone.bas"});
}

TEST(CodeFinder, DirectoryModeLeavesClassesOutAndGoesByName)
{
    qm::test::TempDir dir;
    dir.write("b.bas", "hit\r\n");
    dir.write("a.FRM", "hit\r\n");
    dir.write("c.cls", "hit\r\n");
    dir.write("d.prg", "hit\r\n");
    dir.write("e.frx", "hit\r\n");
    dir.write("notes.txt", "hit\r\n");
    std::filesystem::create_directories(dir.path() / "sub.bas");
    std::vector<std::string> names;
    for (const Found &f : searchAll(directorySearchFiles(dir.str()), "HIT"))
        names.push_back(f.file);
    EXPECT_EQ(names, (std::vector<std::string>{"a.FRM", "b.bas", "d.prg"}));
    EXPECT_TRUE(directorySearchFiles(dir.file("missing")).empty());
}

TEST(CodeFinder, LineEndsEmptyTextAndLiteralText)
{
    qm::test::TempDir dir;
    dir.write("m.bas", "a.*b\nSub S()\rx(1)+[y]\r\n\xE9t\xE9 = 1");
    auto files = directorySearchFiles(dir.str());
    EXPECT_EQ(searchAll(files, ""), (std::vector<Found>{{"m.bas", "declarations", 1, "a.*b"},
                                                        {"m.bas", "Sub S", 1, "Sub S()"},
                                                        {"m.bas", "Sub S", 2, "x(1)+[y]"},
                                                        {"m.bas", "Sub S", 3, "\xE9t\xE9 = 1"}}));
    EXPECT_EQ(searchAll(files, ".*").size(), 1u);
    EXPECT_EQ(searchAll(files, "(1)+[").size(), 1u);
    EXPECT_EQ(searchAll(files, "\xC9T\xC9").size(), 0u); // only ASCII letters fold
    EXPECT_EQ(searchAll(files, "\xE9T\xE9").size(), 1u);
    EXPECT_EQ(searchAll(files, "b\nSub").size(), 0u); // no line holds a line end
}

TEST(CodeFinder, CursorStopsContinuesAndCloses)
{
    qm::test::TempDir dir;
    dir.write("a.bas", "x1\r\ny\r\nx2\r\n");
    dir.write("b.bas", "x3\r\n");
    SearchCursor cursor(directorySearchFiles(dir.str()), "x", FindKind::AllInstances);
    ASSERT_EQ(cursor.next(), Step::Hit);
    EXPECT_EQ(cursor.hit().line, "x1");
    ASSERT_EQ(cursor.next(), Step::Hit);
    EXPECT_EQ(cursor.hit().line, "x2");
    EXPECT_EQ(cursor.hit().lineNumber, 3);
    ASSERT_EQ(cursor.next(), Step::Hit);
    EXPECT_EQ(cursor.hit().line, "x3");
    EXPECT_EQ(cursor.file().name, "b.bas");
    EXPECT_EQ(cursor.next(), Step::Done);
    EXPECT_EQ(cursor.next(), Step::Done);

    SearchCursor stopped(directorySearchFiles(dir.str()), "x", FindKind::AllInstances);
    ASSERT_EQ(stopped.next(), Step::Hit);
    stopped.close();
    EXPECT_EQ(stopped.next(), Step::Done);

    SearchCursor none({}, "x", FindKind::AllInstances);
    EXPECT_EQ(none.next(), Step::Done);
}

TEST(CodeFinder, SlicesPauseWithoutLosingAnything)
{
    qm::test::TempDir dir;
    std::string big;
    for (int i = 0; i < 40000; ++i)
        big += (i % 1000 == 0) ? "needle here\r\n" : "some other line of code\r\n";
    dir.write("big.bas", big);
    for (int i = 0; i < 50; ++i)
        dir.write("small" + std::to_string(100 + i) + ".bas", "x\r\n");
    auto files = directorySearchFiles(dir.str());
    SearchCursor cursor(files, "needle", FindKind::AllInstances);
    int hits = 0, pauses = 0;
    for (Step step = cursor.next(1); step != Step::Done; step = cursor.next(1)) {
        hits += step == Step::Hit;
        pauses += step == Step::Paused;
    }
    EXPECT_EQ(hits, 40);
    EXPECT_GT(pauses, 50);
}

TEST(CodeFinder, StreamingMatchesThePlainReadingAcrossBlocks)
{
    // Random files larger than a read block, with every kind of line end and line ends split
    // between blocks, searched in slices: the same hits as reading each file whole.
    std::mt19937 random(7);
    const char *const pieces[] = {
        "Total",   "total = 1", "Sub P(a)", "Dim Total", " ",      "x",    "Private Function F()",
        "\r\n",    "\n",        "\r",       "\r\n",      "TOTAL=", "\xE9", "If Total = 2 Then",
        "\r\n\r\n"};
    qm::test::TempDir dir;
    std::vector<std::string> contents;
    for (int f = 0; f < 3; ++f) {
        std::string bytes;
        while (bytes.size() < 700 * 1024)
            bytes += pieces[random() % std::size(pieces)];
        if (f == 1)
            bytes += std::string(300 * 1024, 'y') + "Total = 9\r\n"; // a line over a block
        contents.push_back(bytes);
        dir.write("f" + std::to_string(f) + ".bas", bytes);
    }
    auto files = directorySearchFiles(dir.str());
    for (FindKind kind : {FindKind::AllInstances, FindKind::Definitions, FindKind::Assignments}) {
        std::vector<Found> expected;
        for (size_t f = 0; f < contents.size(); ++f) {
            auto part = searchPlainly(files[f].name, contents[f], "total", kind);
            expected.insert(expected.end(), part.begin(), part.end());
        }
        auto got = searchAll(files, "total", kind, nullptr, 100000);
        ASSERT_EQ(got.size(), expected.size());
        EXPECT_TRUE(got == expected);
    }
    std::vector<Found> everyLine;
    for (size_t f = 0; f < contents.size(); ++f) {
        auto part = searchPlainly(files[f].name, contents[f], "", FindKind::AllInstances);
        everyLine.insert(everyLine.end(), part.begin(), part.end());
    }
    EXPECT_TRUE(searchAll(files, "") == everyLine);
}

TEST(CodeFinder, LongLineAndUnopenableFiles)
{
    qm::test::TempDir dir;
    dir.write("long.bas", "a\r\n" + std::string(10 * 1024 * 1024, 'z') + "Q\r\nb");
    std::filesystem::create_directories(dir.path() / "dir.bas");
    std::vector<SearchFile> files = directorySearchFiles(dir.str());
    files.push_back({"dir.bas", dir.str() + "\\dir.bas", {}});
    files.push_back({"gone.frm", dir.str() + "\\gone.frm", {}});
    std::vector<std::string> cantOpen;
    auto found = searchAll(files, "q", FindKind::AllInstances, &cantOpen);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].lineNumber, 2);
    EXPECT_EQ(found[0].line.size(), 10u * 1024 * 1024 + 1);
    EXPECT_EQ(cantOpen.size(), 2u);
}
