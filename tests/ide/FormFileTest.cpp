// Reading form files of every version: the tree, the code, byte-exact round trips, and files
// the reader refuses or reads around.
#include "ide/Component.h"
#include "ide/Clipboard.h"
#include "ide/Form.h"
#include "platform/VbError.h"
#include "tests/ide/FormTestData.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace qm::ide;
using qm::platform::VbError;
using qm::test::formData;
using qm::test::replaced;
using qm::test::TempDir;

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

TEST(FormFile, UnreadableLinesAreKeptWhereTheyStoodAndNeverBlockASave)
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

    TempDir dir;
    dir.write("odd.frm", text);
    auto component = Component::load(dir.file("odd.frm"));
    EXPECT_FALSE(component->isModified());
    EXPECT_TRUE(component->save().empty()); // nothing changed, nothing written
    component->form()->findControl("txtName")->setProperty("Left", 10);
    EXPECT_EQ(component->save().size(), 1u);
    EXPECT_EQ(dir.read("odd.frm"),
              replaced(text, "      Left            =   3000\r\n      TabIndex        =   1\r\n",
                       "      Left            =   10\r\n      TabIndex        =   1\r\n"));
}

TEST(FormFile, IndexedPropertiesAndMemberPathsAreProperties)
{
    const std::string bytes = formData("frmSettings.frm");
    std::vector<LoadProblem> problems;
    auto form = FormFile::parse(bytes, "frmSettings.frm", &problems);
    EXPECT_TRUE(problems.empty()) << problems.front().text();
    EXPECT_EQ(form->text(), bytes);
    ControlPtr tab = form->findControl("tabMain");
    ASSERT_TRUE(tab);
    EXPECT_EQ(tab->text("TabCaption(0)"), "General");
    EXPECT_TRUE(tab->boolean("Tab(0).ControlEnabled"));
    EXPECT_EQ(tab->text("Tab(0).Control(1)"), "chkSave");
    EXPECT_EQ(tab->propertyText("Tab(0).Control(0).Enabled"), "0   'False");
    EXPECT_EQ(tab->propertyText("TabPicture(0)"), "\"frmSettings.frx\":0000");
    std::vector<std::string> shown = tab->propertyNames();
    for (const char *name : {"TabCaption(0)", "Tab(0).ControlEnabled", "Tab(1).ControlCount"})
        EXPECT_NE(std::find(shown.begin(), shown.end(), name), shown.end()) << name;
    EXPECT_THROW(tab->property("Tab(2).ControlCount"), VbError);

    // An edit rewrites its own line only; the file keeps its other bytes.
    tab->setProperty("TabCaption(1)", std::string("More"));
    tab->setProperty("Tab(0).ControlEnabled", false);
    form->findControl("txtName")->setProperty("Text", std::string("Ann"));
    std::string expected = replaced(bytes, "\"Advanced\"", "\"More\"");
    expected = replaced(expected, "Tab(0).ControlEnabled=   -1  'True",
                        "Tab(0).ControlEnabled=   0   'False");
    expected = replaced(expected, "\"Text1\"", "\"Ann\"");
    EXPECT_EQ(form->text(), expected);
}

TEST(FormFile, NewLinesFollowTheFilesOwnLineEnds)
{
    for (std::string_view eol : {"\n", "\r"}) {
        SCOPED_TRACE(eol == "\n" ? "LF" : "CR");
        const std::string bytes = replaced(formData("frmSettings.frm"), "\r\n", eol);
        auto component = Component::fromText(ComponentKind::Form, "frmSettings.frm", bytes);
        FormFile &form = *component->form();
        // A typed line arrives with CR LF; a property line the file did not have is added; a
        // control is drawn (the designer writes its text with CR LF).
        component->setCode(component->code() + "Private Sub Form_Unload()\r\nEnd Sub\r\n");
        form.findControl("txtName")->setProperty("Locked", true);
        pasteControls(form, "Begin VB.Label lblNote \r\n   Caption = \"x\"\r\nEnd\r\n");
        form.section().setAttribute("VB_Description", "\"Settings\"");
        std::string text = component->text();
        EXPECT_EQ(text.find("\r\n"), std::string::npos);
        EXPECT_NE(text.find(std::string("End Sub") + std::string(eol) +
                            "Private Sub Form_Unload()" + std::string(eol) + "End Sub" +
                            std::string(eol)),
                  std::string::npos);
        EXPECT_NE(text.find(std::string("Begin VB.Label lblNote ") + std::string(eol)),
                  std::string::npos);
    }
    // A file that mixes its line ends keeps the lines typed into it as they came.
    std::string mixed = formData("frmSettings.frm");
    mixed.replace(mixed.find("\r\n"), 2, "\n");
    auto component = Component::fromText(ComponentKind::Form, "mixed.frm", mixed);
    component->setCode(component->code() + "' x\r\n");
    EXPECT_EQ(component->text(), mixed + "' x\r\n");
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
