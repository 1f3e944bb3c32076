#include "ide/CodePane.h"

#include "platform/ScriptedUi.h"
#include "platform/SendKeys.h"

#include <gtest/gtest.h>

using namespace qm;
using ide::CodePane;

namespace {

const std::string kModule = "Attribute VB_Name = \"Module1\"\r\n"
                            "Option Explicit\r\n"
                            "Dim x As Integer\r\n"
                            "' Adds one\r\n"
                            "Public Sub AddOne()\r\n"
                            "    x = x + 1\r\n"
                            "End Sub\r\n"
                            "\r\n"
                            "Private Function Twice(n As Integer) As Integer\r\n"
                            "    Twice = n * 2\r\n"
                            "End Function\r\n";

void keys(CodePane &pane, std::string_view text)
{
    for (const platform::KeyChord &chord : platform::parseSendKeys(text))
        pane.applyKey(chord);
}

class CodePaneTest : public ::testing::Test
{
protected:
    platform::ScriptedUi ui;
    platform::ScopedUi scope{ui};
    std::string code = kModule;
    CodePane pane{code};
};

} // namespace

TEST(CodeSectionsTest, DividesDeclarationsAndProcedures)
{
    auto sections = ide::divideCode(kModule);
    ASSERT_EQ(sections.size(), 3u);
    auto text = [](const ide::ProcedureSection &s) {
        return kModule.substr(s.begin, s.end - s.begin);
    };
    EXPECT_EQ(text(sections[0]), "Option Explicit\r\nDim x As Integer");
    EXPECT_EQ(text(sections[1]), "' Adds one\r\nPublic Sub AddOne()\r\n    x = x + 1\r\nEnd Sub");
    EXPECT_EQ(sections[1].name, "AddOne");
    // What follows one procedure's end belongs to the next.
    EXPECT_EQ(
        text(sections[2]),
        "\r\nPrivate Function Twice(n As Integer) As Integer\r\n    Twice = n * 2\r\nEnd Function");

    struct Header
    {
        const char *line;
        const char *name; // nullptr: not a header
    };
    const Header headers[] = {
        {"Sub Main()", "Main"},
        {"  Private Static Function F$(a)", "F"},
        {"Public Property Get Caption() As String", "Caption"},
        {"Friend Property Let Value(v)", "Value"},
        {"Private Declare Function GetWindow Lib \"user32\" ()", nullptr},
        {"' Sub Commented()", nullptr},
        {"Subtotal = 1", nullptr},
        {"Property Caption", nullptr},
    };
    for (const Header &h : headers) {
        std::string name;
        EXPECT_EQ(ide::isProcedureHeader(h.line, &name), h.name != nullptr) << h.line;
        if (h.name) {
            EXPECT_EQ(name, h.name);
        }
    }
    EXPECT_TRUE(ide::isProcedureEnd("End Sub ' done"));
    EXPECT_FALSE(ide::isProcedureEnd("End Subroutine"));
    EXPECT_FALSE(ide::isProcedureEnd("End If"));

    // Unix line ends, no final line break, no procedures.
    auto plain = ide::divideCode("Dim a\nDim b");
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_EQ(plain[0].end, 11u);
    EXPECT_EQ(ide::divideCode("").size(), 1u);
}

TEST_F(CodePaneTest, SelectsAndCopiesTheShownProcedure)
{
    EXPECT_EQ(pane.procedureNames(),
              (std::vector<std::string>{"(declarations)", "AddOne", "Twice"}));
    ASSERT_TRUE(pane.showProcedure("addone"));
    EXPECT_EQ(pane.shownProcedure(), "AddOne");
    keys(pane, "{DOWN}");
    EXPECT_EQ(pane.caretLine(), 6);
    keys(pane, "^{HOME}^+({END})^c");
    EXPECT_EQ(ui.clipboardText(), "' Adds one\r\nPublic Sub AddOne()\r\n    x = x + 1\r\nEnd Sub");

    pane.showDeclarations();
    keys(pane, "^{HOME}^+{END}");
    EXPECT_EQ(pane.selectedText(), "Option Explicit\r\nDim x As Integer");
    // Down stays within the shown procedure.
    pane.showProcedure("Twice");
    keys(pane, "{DOWN 9}");
    EXPECT_EQ(pane.caretLine(), 11);
    EXPECT_EQ(pane.shownProcedure(), "Twice");

    pane.setProcedureView(false);
    keys(pane, "^{HOME}^+{END}");
    EXPECT_EQ(pane.selectedText(), kModule.substr(kModule.find("Option")));
}

TEST_F(CodePaneTest, EditingKeys)
{
    pane.showProcedure("AddOne");
    keys(pane, "{DOWN}{HOME}+{END}");
    EXPECT_EQ(pane.selectedText(), "    x = x + 1");
    keys(pane, "^x");
    EXPECT_EQ(ui.clipboardText(), "    x = x + 1");
    keys(pane, "{TAB}y = 2");
    keys(pane, "{ENTER}{TAB}^v");
    EXPECT_EQ(pane.shownText(),
              "' Adds one\r\nPublic Sub AddOne()\r\n    y = 2\r\n        x = x + 1\r\nEnd Sub");
    EXPECT_EQ(pane.shownProcedure(), "AddOne");

    // Delete joins lines (the line break is one character); Backspace stops at the section.
    keys(pane, "{END}{DEL}");
    EXPECT_NE(code.find("        x = x + 1End Sub"), std::string::npos);
    keys(pane, "^{HOME}{BS}{BS}");
    EXPECT_EQ(pane.shownText().substr(0, 10), "' Adds one");
    EXPECT_NE(code.find("Dim x As Integer\r\n' Adds one"), std::string::npos);

    // Shift types capitals; selection is replaced by what is typed.
    keys(pane, "+{END}'+a");
    EXPECT_EQ(pane.shownText().substr(0, 4), "'A\r\n");
    // Ctrl+Home, Shift+Down selects whole lines within the procedure.
    keys(pane, "^{HOME}+{DOWN}+{DOWN}");
    EXPECT_EQ(pane.selectedText(), "'A\r\nPublic Sub AddOne()\r\n");
    // A line that is no longer a comment goes back to the declarations, and so does the view.
    keys(pane, "^{HOME}x");
    EXPECT_EQ(pane.shownProcedure(), "");
}

TEST_F(CodePaneTest, CaretJumpShowsItsProcedureAndAppendKeepsLines)
{
    pane.setCaret(code.find("Twice = n"));
    EXPECT_EQ(pane.shownProcedure(), "Twice");
    EXPECT_EQ(pane.caretColumn(), 5);
    pane.appendText("Sub Added()\r\nEnd Sub");
    EXPECT_EQ(code.substr(code.size() - 22), "Sub Added()\r\nEnd Sub\r\n");
    EXPECT_EQ(pane.procedureNames().back(), "Added");
    EXPECT_EQ(pane.shownProcedure(), "Twice");

    std::string unterminated = "Dim a";
    CodePane other(unterminated);
    other.appendText("Sub B()\nEnd Sub\n");
    EXPECT_EQ(unterminated, "Dim a\r\nSub B()\r\nEnd Sub\r\n");
}

TEST_F(CodePaneTest, DeletingTheShownProcedureShowsWhatRemains)
{
    ASSERT_TRUE(pane.showProcedure("Twice"));
    keys(pane, "^{HOME}^+{END}{DEL}");
    EXPECT_EQ(pane.procedureNames(), (std::vector<std::string>{"(declarations)", "AddOne"}));
    keys(pane, "^{HOME}^+{END}{DEL}");
    EXPECT_EQ(pane.procedureNames(), (std::vector<std::string>{"(declarations)"}));
    keys(pane, "^{HOME}^+{END}{DEL}x");
    EXPECT_EQ(code, "Attribute VB_Name = \"Module1\"\r\nx\r\n"); // the final line break stays
}
