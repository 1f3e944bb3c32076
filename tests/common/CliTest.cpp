#include "common/Cli.h"

#include "common/ErrorReports.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <new>
#include <sstream>

using namespace qm::common::cli;

namespace {

struct QmRun
{
    int status;
    std::string out;
    std::string err;
};

CommandTable sampleTable()
{
    CommandTable table;
    table.add({"echo",
               "copies its input",
               true,
               {{"--upper", false, "capitals"}},
               [](const Invocation &inv) {
                   std::string text = inv.input;
                   if (inv.hasOption("--upper"))
                       for (char &c : text)
                           c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                   return text;
               }});
    table.add(
        {"block add", "reads no input", false, {{"--width", true, "N"}}, [](const Invocation &inv) {
             return inv.programmerName() + "|" + std::to_string(inv.today.year) + "-" +
                    std::to_string(inv.today.month) + "-" + std::to_string(inv.today.day) + "|" +
                    std::to_string(inv.tabSize()) + "|" +
                    std::to_string(inv.intOption("--width", 7, 1, 10));
         }});
    table.add({"oom", "runs out of memory", true, {}, [](const Invocation &) -> std::string {
                   throw std::bad_alloc();
               }});
    table.add({"empty", "fails", true, {}, [](const Invocation &) -> std::string {
                   throw qm::common::UserMessageError({"Nothing Selected", "No code.", 48});
               }});
    return table;
}

QmRun runQm(std::vector<std::string> args, const std::string &input = {})
{
    std::istringstream in(input);
    std::ostringstream out, err;
    int status = run(sampleTable(), args, in, out, err);
    return {status, out.str(), err.str()};
}

} // namespace

TEST(Cli, CopiesBytesFromStandardInputOrFile)
{
    qm::test::SandboxDirs dirs;
    std::string bytes("a\r\n\xff\0b", 6);
    EXPECT_EQ(runQm({"echo"}, bytes).out, bytes);
    EXPECT_EQ(runQm({"echo", "-"}, bytes).out, bytes);
    dirs.windows.write("in.bas", bytes);
    QmRun fromFile = runQm({"echo", "--upper", dirs.windows.file("in.bas")});
    EXPECT_EQ(fromFile.status, 0);
    EXPECT_EQ(fromFile.out, std::string("A\r\n\xff\0B", 6));
    QmRun missing = runQm({"echo", dirs.windows.file("none.bas")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("File not found"), std::string::npos);
}

TEST(Cli, GlobalOptionsOverrideSettingsAndDefaults)
{
    qm::test::SandboxDirs dirs;
    qm::test::ScopedEnv today("QM_TODAY", "2020-01-02");
    EXPECT_EQ(runQm({"block", "add"}).out, "Your Name|2020-1-2|3|7");
    dirs.windows.write("quillmrk.ini",
                       "[Configuration]\r\nTabSize=4\r\n[Programmer]\r\nProgrammerName= Ada \r\n");
    EXPECT_EQ(runQm({"block", "add"}).out, "Ada|2020-1-2|4|7");
    EXPECT_EQ(runQm({"--today", "2026-12-09", "--name", "Bob", "--tab-size", "8", "block", "add",
                     "--width", "9"})
                  .out,
              "Bob|2026-12-9|8|9");
}

TEST(Cli, MessagesGoToStandardErrorWithStatusOne)
{
    QmRun r = runQm({"empty"}, "");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Nothing Selected: No code.\n");
}

TEST(Cli, UnexpectedFailuresAreReportedNotCrashed)
{
    QmRun r = runQm({"oom"}, "");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "qm: oom: error 7: Out of memory\n");
}

TEST(Cli, UsageErrorsExitTwo)
{
    for (auto args : std::vector<std::vector<std::string>>{
             {},
             {"nosuch"},
             {"--today", "2020-13-01", "echo"},
             {"--today"},
             {"--tab-size", "-1", "echo"},
             {"--bogus", "echo"},
             {"echo", "--nope"},
             {"echo", "a", "b"},
             {"block", "add", "file.txt"},
             {"block", "add", "--width", "11"},
             {"block", "add", "--width"},
         }) {
        QmRun r = runQm(args);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
        EXPECT_NE(r.err.find("usage: qm"), std::string::npos);
        EXPECT_EQ(r.out, "");
    }
}

TEST(Cli, HelpListsCommandsAndVersionPrints)
{
    QmRun help = runQm({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("block add"), std::string::npos);
    EXPECT_NE(help.out.find("--upper"), std::string::npos);
    QmRun version = runQm({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("qm (Quillmark) ", 0), 0u);
}

TEST(Cli, EachCommandHasItsOwnHelp)
{
    QmRun echo = runQm({"echo", "--help"});
    EXPECT_EQ(echo.status, 0);
    EXPECT_EQ(echo.out, "usage: qm [GLOBAL OPTIONS] echo [OPTIONS] [FILE]\n\ncopies its input\n"
                        "Reads FILE, or standard input when FILE is absent or \"-\".\n\n"
                        "Options:\n  --upper capitals\n\nGlobal options: qm --help\n");
    QmRun add = runQm({"--name", "x", "block", "add", "-h"});
    EXPECT_EQ(add.status, 0);
    EXPECT_EQ(add.out.rfind("usage: qm [GLOBAL OPTIONS] block add [OPTIONS]\n", 0), 0u);
    EXPECT_NE(add.out.find("--width N"), std::string::npos);
}

TEST(Cli, FirstWordOfAGroupListsItsCommands)
{
    QmRun alone = runQm({"block"});
    EXPECT_EQ(alone.status, 2);
    EXPECT_EQ(alone.out, "");
    EXPECT_EQ(alone.err, "qm: block needs a subcommand; its subcommands:\n"
                         "  block add         reads no input\n");
    QmRun wrong = runQm({"block", "move"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(wrong.err.rfind("qm: block has no subcommand \"move\"; its subcommands:\n", 0), 0u);
    QmRun asked = runQm({"block", "--help"});
    EXPECT_EQ(asked.status, 0);
    EXPECT_EQ(asked.out, "  block add         reads no input\n");
}

TEST(Cli, DirectoryGivenAsFileIsToldSo)
{
    qm::test::TempDir dir;
    QmRun r = runQm({"echo", dir.str()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "qm: " + dir.str() + ": is a directory; give a file\n");
    EXPECT_EQ(r.out, "");
}

TEST(Cli, NameFromTheTerminalIsWrittenInTheProductsText)
{
    struct Case
    {
        std::string given;
        std::string written;
    };
    for (const Case &c : std::vector<Case>{
             {"Ren\xc3\xa9", "Ren\xe9"},       // UTF-8 é is one cp1252 byte
             {"\xe2\x82\xac uro", "\x80 uro"}, // the euro sign has its own byte
             {"Ren\xe9", "Ren\xe9"},           // not UTF-8: kept as the bytes given
             {"\xe6\x97\xa5 x", "? x"},        // no cp1252 character: a question mark
             {"\xf0\x9f\x98\x80", "?"},        // outside the basic plane too
             {"\xc0\xa9", "\xc0\xa9"},         // an overlong form is no UTF-8
             {"plain", "plain"},
         }) {
        EXPECT_EQ(terminalTextToCp1252(c.given), c.written) << c.given;
    }
    qm::test::SandboxDirs dirs;
    QmRun r = runQm({"--today", "2026-12-09", "--name", "Ren\xc3\xa9", "block", "add"});
    EXPECT_EQ(r.out, "Ren\xe9|2026-12-9|3|7");
}
