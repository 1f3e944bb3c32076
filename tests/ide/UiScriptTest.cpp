// The automation script's words and variables.
#include "ide/ui/Script.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using qm::ide::expandVariables;
using qm::ide::parseScript;
using qm::ide::ScriptError;
using qm::ide::ScriptSyntax;

namespace {

using Words = std::vector<std::string>;

TEST(UiScript, SplitsLinesIntoWords)
{
    struct Case
    {
        const char *text;
        std::vector<Words> lines;
    } cases[] = {
        {"open a.vbp\r\nshow code Form1\r\n", {{"open", "a.vbp"}, {"show", "code", "Form1"}}},
        {"keys ^{HOME}^+{END}\n\n   \t\nquit", {{"keys", "^{HOME}^+{END}"}, {"quit"}}},
        {"# a comment\rtype \"a b\" # after\r", {{"type", "a b"}}},
        {"type \"say \\\"hi\\\"\\r\\n\\ttab\\\\\"", {{"type", "say \"hi\"\r\n\ttab\\"}}},
        {"write f \"\\x41\\xe9\"", {{"write", "f", "A\xe9"}}},
        {"click frmTAB2/tbComment", {{"click", "frmTAB2/tbComment"}}},
        {"echo a#b", {{"echo", "a#b"}}},
        {"echo \"\"", {{"echo", ""}}},
    };
    for (const Case &c : cases) {
        std::vector<Words> got;
        for (const auto &line : parseScript(c.text))
            got.push_back(line.words);
        EXPECT_EQ(got, c.lines) << c.text;
    }
}

TEST(UiScript, KeepsTheLineNumbersOfCommands)
{
    auto lines = parseScript("# first\r\n\r\nopen x\r\n  # fourth\r\nquit\r\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].number, 3);
    EXPECT_EQ(lines[1].number, 5);
}

TEST(UiScript, RejectsBadQuotesWithTheirLine)
{
    struct Case
    {
        const char *text;
        int line;
    } cases[] = {
        {"open x\r\ntype \"not closed\r\n", 2},
        {"type \"a\"b", 1},
        {"\n\ntype \"\\q\"", 3},
        {"type \"\\x4\"", 1},
        {"type \"ends in \\", 1},
    };
    for (const Case &c : cases) {
        try {
            parseScript(c.text);
            ADD_FAILURE() << c.text << " was accepted";
        } catch (const ScriptError &e) {
            EXPECT_EQ(e.line, c.line) << c.text;
        }
    }
}

TEST(UiScript, ExpandsVariablesFromTheScriptThenTheEnvironment)
{
    qm::test::ScopedEnv env("QM_SCRIPT_TEST_VAR", "from-env");
    const std::map<std::string, std::string> vars{{"DIR", "/tmp/x"},
                                                  {"QM_SCRIPT_TEST_VAR", "mine"}};
    EXPECT_EQ(expandVariables("${DIR}/a.vbp", vars), "/tmp/x/a.vbp");
    EXPECT_EQ(expandVariables("${QM_SCRIPT_TEST_VAR}", vars), "mine");
    EXPECT_EQ(expandVariables("${QM_SCRIPT_TEST_VAR}", {}), "from-env");
    EXPECT_EQ(expandVariables("cost $5 and ${DIR}", vars), "cost $5 and /tmp/x");
    // A quoted "\$" stays a dollar sign, even before a brace.
    EXPECT_EQ(expandVariables(parseScript("echo \"\\${DIR}\"")[0].words[1], vars), "${DIR}");
    EXPECT_THROW(expandVariables("${NOT_SET_ANYWHERE_QM}", vars), std::runtime_error);
    EXPECT_THROW(expandVariables("${DIR", vars), std::runtime_error);
}

TEST(UiScript, UsageTextsComeFromTheTable)
{
    const std::vector<ScriptSyntax> table = {
        {"open", "The project", "PROJECT", 1, 1},
        {"new", "The project", "", 0, 0},
        {"select", "Designer", "FORM [CONTROL...]", 1, -1},
    };
    EXPECT_EQ(qm::ide::usageOf(table[0]), "open PROJECT");
    EXPECT_EQ(qm::ide::usageOf(table[1]), "new");
    EXPECT_EQ(qm::ide::usageOf(table[0], "expect"), "expect open PROJECT");
    EXPECT_EQ(qm::ide::joinNames(table), "open|new|select");
    EXPECT_EQ(qm::ide::listUsage(table),
              "The project:\n  open PROJECT\n  new\n\nDesigner:\n  select FORM [CONTROL...]\n");
    EXPECT_EQ(qm::ide::findSyntax(table, "SELECT"), &table[2]);
    EXPECT_EQ(qm::ide::findSyntax(table, "sel"), nullptr);

    struct Case
    {
        std::size_t row, count;
        bool fits;
    } counts[] = {{0, 0, false}, {0, 1, true}, {0, 2, false}, {1, 0, true},
                  {1, 1, false}, {2, 0, false}, {2, 1, true},  {2, 40, true}};
    for (const Case &c : counts) {
        try {
            qm::ide::checkArgumentCount(table[c.row], c.count);
            EXPECT_TRUE(c.fits) << table[c.row].name << " " << c.count;
        } catch (const std::runtime_error &e) {
            EXPECT_FALSE(c.fits) << table[c.row].name << " " << c.count;
            EXPECT_EQ(std::string(e.what()), "usage: " + qm::ide::usageOf(table[c.row]));
        }
    }
}

// The documentation and the runner's table say the same: every command, check and form of
// print the runner knows is documented, and the groups follow the documentation's headings.
TEST(UiScript, TheDocumentationListsEveryCommandOfTheTable)
{
    std::ifstream file(std::string(QM_SOURCE_DIR) + "/docs/scripting.md");
    ASSERT_TRUE(file);
    std::stringstream text;
    text << file.rdbuf();
    const std::string doc = text.str();
    for (const ScriptSyntax &s : qm::ide::scriptCommands()) {
        EXPECT_NE(doc.find("`" + std::string(s.name)), std::string::npos) << s.name;
        EXPECT_NE(doc.find("### " + std::string(s.group) + "\n"), std::string::npos) << s.group;
    }
    for (const ScriptSyntax &s : qm::ide::scriptChecks())
        EXPECT_NE(doc.find("`expect " + std::string(s.name)), std::string::npos) << s.name;
    for (const ScriptSyntax &s : qm::ide::scriptPrints())
        EXPECT_NE(doc.find("| `" + std::string(s.name)), std::string::npos) << s.name;
    const std::string usage = qm::ide::scriptUsage();
    for (const char *line : {"  expect lacks FILE TEXT\n", "  expect file PATH\n",
                             "  print text WINDOW/CONTROL\n", "  quit\n"})
        EXPECT_NE(usage.find(line), std::string::npos) << line;
}

} // namespace
