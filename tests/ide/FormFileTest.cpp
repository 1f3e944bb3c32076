// Reading form files of every version: the tree, the code, byte-exact round trips, and files
// the reader refuses or reads around.
#include "ide/Component.h"
#include "ide/Form.h"
#include "platform/VbError.h"
#include "tests/ide/FormTestData.h"

#include <gtest/gtest.h>

using namespace qm::ide;
using qm::platform::VbError;
using qm::test::formData;
using qm::test::replaced;

namespace {

std::vector<std::string> names(const std::vector<ControlPtr> &controls)
{
    std::vector<std::string> out;
    for (const ControlPtr &c : controls)
        out.push_back(c->displayName());
    return out;
}

TEST(FormFile, SamplesOfEveryVersionRoundTripByteForByte)
{
    for (const char *file : {"frmMain.frm", "frmTools.frm", "frmOld.frm"}) {
        SCOPED_TRACE(file);
        std::string bytes = formData(file);
        ASSERT_FALSE(bytes.empty());
        std::vector<LoadProblem> problems;
        auto form = FormFile::parse(bytes, file, &problems);
        EXPECT_TRUE(problems.empty());
        EXPECT_EQ(form->text(), bytes);
        // The same with other line ends, and without the last line end.
        for (std::string_view eol : {"\n", "\r"}) {
            std::string other = replaced(bytes, "\r\n", eol);
            EXPECT_EQ(FormFile::parse(other, file)->text(), other);
        }
        std::string cut = bytes.substr(0, bytes.size() - 2);
        EXPECT_EQ(FormFile::parse(cut, file)->text(), cut);
    }
}

TEST(FormFile, ReadsTheTreeOfControlsAndMenus)
{
    auto form = FormFile::parse(formData("frmMain.frm"), "frmMain.frm");
    EXPECT_EQ(form->version(), "5.00");
    EXPECT_EQ(form->name(), "frmMain");
    EXPECT_EQ(form->root()->className(), "Form");
    EXPECT_EQ(names(form->controls()),
              (std::vector<std::string>{"fraKind", "optKind(1)", "optKind(0)", "txtName", "cmdOK",
                                        "lblName", "mnuFile", "mnuFileOpen", "mnuFileSep",
                                        "mnuFileExit"}));
    ControlPtr option = form->findControl("OPTKIND", 0);
    ASSERT_TRUE(option);
    EXPECT_EQ(option->parent()->name(), "fraKind");
    EXPECT_EQ(option->lineNumber(), 33);
    EXPECT_FALSE(form->findControl("optKind"));
    EXPECT_TRUE(form->findControl("mnuFileOpen")->isMenu());
    EXPECT_EQ(form->findControl("mnuFileOpen")->parent()->name(), "mnuFile");
    EXPECT_EQ(form->code().substr(0, 17), "Option Explicit\r\n");
    EXPECT_EQ(form->section().attributes().size(), 5u);
    EXPECT_TRUE(form->objectLines().empty());
}

TEST(FormFile, ReadsVersion4AndThirdPartyClasses)
{
    auto old = FormFile::parse(formData("frmOld.frm"), "frmOld.frm");
    EXPECT_TRUE(old->isVersion4());
    EXPECT_EQ(old->root()->qualifiedClassName(), "Form");
    EXPECT_TRUE(old->root()->isKnownClass());
    ControlPtr panel = old->findControl("pnlStatus");
    EXPECT_EQ(panel->libraryName(), "Threed");
    EXPECT_FALSE(panel->isKnownClass());
    EXPECT_EQ(old->code(), "Private Sub cmdGo_Click(Index As Integer)\r\n    tmrPoll.Enabled = "
                           "(Index = 0)\r\nEnd Sub\r\n");

    auto tools = FormFile::parse(formData("frmTools.frm"), "frmTools.frm");
    EXPECT_EQ(tools->version(), "6.00");
    ASSERT_EQ(tools->objectLines().size(), 2u);
    EXPECT_NE(tools->objectLines()[1].find("COMDLG32.OCX"), std::string::npos);
    EXPECT_EQ(tools->findControl("dlgOpen")->className(), "CommonDialog");
}

TEST(FormFile, NewFormsOfEachVersionReadBack)
{
    auto v4 = FormFile::createNew("Form3", "4.00");
    EXPECT_NE(v4->text().find("Begin Form Form3 \r\n"), std::string::npos);
    auto v5 = FormFile::createNew("Form2");
    EXPECT_EQ(v5->name(), "Form2");
    EXPECT_EQ(v5->root()->text("Caption"), "Form2");
    EXPECT_EQ(FormFile::parse(v5->text(), "Form2.frm")->text(), v5->text());
}

// Files the reader refuses: the error names the file and the line.
TEST(FormFile, MalformedDescriptionsAreRefusedWithFileAndLine)
{
    std::string good = formData("frmMain.frm");
    struct Case
    {
        const char *what;
        std::string text;
        const char *where;
    };
    const Case cases[] = {
        {"no VERSION line", "Begin VB.Form Form1 \r\nEnd\r\n", "bad.frm(1)"},
        {"empty file", "", "bad.frm(1)"},
        {"no description", "VERSION 5.00\r\nAttribute VB_Name = \"x\"\r\n", "bad.frm(2)"},
        {"truncated inside a control", good.substr(0, good.find("   Begin VB.TextBox")),
         "bad.frm(2)"},
        {"truncated inside a font", good.substr(0, good.find("         Charset")), "bad.frm(55)"},
        {"End inside a property block", replaced(good, "      EndProperty\r\n", ""), "bad.frm(68)"},
        {"EndProperty without BeginProperty",
         replaced(good, "      Default         =   -1  'True\r\n", "      EndProperty\r\n"),
         "bad.frm(54)"},
        {"Begin without a name", replaced(good, "Begin VB.Label lblName ", "Begin VB.Label"),
         "bad.frm(70)"},
        {"End before the form", "VERSION 5.00\r\nEnd\r\n", "bad.frm(2)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        try {
            FormFile::parse(c.text, "bad.frm");
            ADD_FAILURE() << "loaded";
        } catch (const VbError &e) {
            EXPECT_EQ(e.number, InvalidFileFormat);
            EXPECT_NE(e.description.find(c.where), std::string::npos) << e.description;
        }
    }
}

TEST(FormFile, DeepNestingIsRefusedNotRecursed)
{
    std::string text = "VERSION 5.00\r\n";
    for (int i = 0; i < 5000; ++i)
        text += "Begin VB.Frame f" + std::to_string(i) + "\r\n";
    EXPECT_THROW(FormFile::parse(text, "deep.frm"), VbError);
}

TEST(FormFile, UnreadableLinesAreKeptReportedAndNeverWrittenBack)
{
    std::string text =
        replaced(formData("frmMain.frm"), "      Height          =   285\r\n",
                 "      Height          =   285\r\n      this is not a property\r\n");
    std::vector<LoadProblem> problems;
    auto form = FormFile::parse(text, "odd.frm", &problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].line, 46);
    EXPECT_EQ(problems[0].text().substr(0, 12), "odd.frm(46):");
    EXPECT_EQ(form->text(), text);

    auto component = Component::fromText(ComponentKind::Form, "odd.frm", text);
    EXPECT_FALSE(component->isModified());
    EXPECT_TRUE(component->save().empty()); // nothing changed, nothing written
    component->form()->findControl("txtName")->setProperty("Left", 10);
    try {
        component->save();
        ADD_FAILURE() << "saved";
    } catch (const VbError &e) {
        EXPECT_EQ(e.number, InvalidFileFormat);
        EXPECT_NE(e.description.find("odd.frm(46)"), std::string::npos);
    }
}

TEST(FormFile, BinaryBytesAndVeryLongLinesDoNotHurt)
{
    std::string caption(100000, 'x');
    std::string text =
        replaced(formData("frmMain.frm"), "\"Customer Entry\"", "\"" + caption + "\"");
    auto form = FormFile::parse(text, "long.frm");
    EXPECT_EQ(form->root()->text("Caption"), caption);
    EXPECT_EQ(form->text(), text);

    std::string binary = "VERSION 5.00\r\nBegin VB.Form F \r\n   Tag = \"";
    for (int i = 0; i < 256; ++i)
        binary += static_cast<char>(i == '\r' || i == '\n' ? 'a' : i);
    binary += "\"\r\nEnd\r\n\x01\x02\x00code";
    binary += std::string("\0\0\xff", 3);
    auto odd = FormFile::parse(binary, "bin.frm");
    EXPECT_EQ(odd->text(), binary);
}

} // namespace
