// Controls' properties by name: class sets and defaults, unknown classes, rewriting one line,
// adding lines where the file had the default, and the form's tab order.
#include "ide/Form.h"
#include "platform/VbError.h"
#include "tests/ide/FormTestData.h"
#include "tests/support/ErrorNumber.h"

#include <gtest/gtest.h>

using namespace qm::ide;
using qm::platform::VbError;
using qm::test::errorOf;
using qm::test::formData;
using qm::test::replaced;

namespace {

class ControlTest : public ::testing::Test
{
protected:
    std::string original = formData("frmMain.frm");
    std::unique_ptr<FormFile> form = FormFile::parse(original, "frmMain.frm");
    ControlPtr control(std::string_view name, std::optional<int> index = std::nullopt)
    {
        ControlPtr c = form->findControl(name, index);
        EXPECT_TRUE(c) << name;
        return c;
    }
};

TEST_F(ControlTest, ReadsWrittenValuesAndClassDefaults)
{
    ControlPtr ok = control("cmdOK");
    EXPECT_EQ(ok->property("Caption"), Value(std::string("OK")));
    EXPECT_EQ(ok->property("Default"), Value(true));
    EXPECT_EQ(ok->property("Left"), Value(std::int32_t(4680)));
    EXPECT_EQ(ok->property("Font.Bold"), Value(true));
    EXPECT_EQ(ok->property("Font.Size"), Value(8.25));
    EXPECT_EQ(ok->propertyText("Default"), "-1  'True");
    // Defaults for what the file leaves out.
    EXPECT_EQ(ok->property("TabStop"), Value(true));
    EXPECT_EQ(ok->property("Appearance"), Value(std::int32_t(1)));
    EXPECT_EQ(ok->propertyText("Appearance"), "1  '3D");
    EXPECT_EQ(ok->property("Visible"), Value(true));
    EXPECT_EQ(ok->property("HelpContextID"), Value(std::int32_t(0)));
    ControlPtr label = control("lblName");
    EXPECT_EQ(label->property("Font.Bold"), Value(false));
    EXPECT_EQ(label->property("TabIndex"), Value(std::int32_t(0)));
    EXPECT_EQ(label->property("BackStyle"), Value(std::int32_t(1)));
    EXPECT_EQ(control("txtName")->text("Text"), "Smith & \"Sons\"");
    EXPECT_EQ(form->root()->property("Icon"), Value(std::string("\"frmMain.frx\":0000")));
    EXPECT_EQ(form->root()->number("BorderStyle"), 3);
    EXPECT_EQ(control("optKind", 0)->boolean("Value"), true);
    EXPECT_EQ(control("optKind", 1)->boolean("Value"), false);
    EXPECT_EQ(control("optKind", 1)->number("Index"), 1);
}

TEST_F(ControlTest, PropertiesAClassDoesNotHaveThrow438)
{
    struct Case
    {
        const char *control;
        const char *property;
        int error;
    };
    const Case cases[] = {
        {"lblName", "Text", 438},          {"lblName", "TabStop", 438},
        {"lblName", "HelpContextID", 438}, {"txtName", "Caption", 438},
        {"mnuFile", "Left", 438},          {"mnuFile", "Font.Bold", 438},
        {"cmdOK", "Font.Colour", 438},     {"cmdOK", "Nonsense", 438},
        {"cmdOK", "Index", 343},           {"lblName", "WhatsThisHelpID", 0},
        {"mnuFile", "HelpContextID", 0},   {"cmdOK", "font.bold", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.control) + "." + c.property);
        ControlPtr ctl = control(c.control);
        EXPECT_EQ(errorOf([&] { ctl->property(c.property); }), c.error);
        if (c.error == 438) {
            EXPECT_FALSE(ctl->hasProperty(c.property));
            EXPECT_EQ(errorOf([&] { ctl->setProperty(c.property, 1); }), 438);
        }
    }
    EXPECT_EQ(form->text(), original);
}

TEST_F(ControlTest, ChangingAWrittenPropertyRewritesOnlyItsLine)
{
    control("cmdOK")->setProperty("Caption", "Cancel");
    control("txtName")->setProperty("Left", 120);
    control("optKind", 0)->setProperty("Value", false);
    std::string expected = replaced(original, "\"OK\"", "\"Cancel\"");
    expected = replaced(expected, "      Left            =   3000\r\n      TabIndex        =   1",
                        "      Left            =   120\r\n      TabIndex        =   1");
    expected = replaced(expected, "         Value           =   -1  'True",
                        "         Value           =   0   'False");
    EXPECT_EQ(form->text(), expected);
}

TEST_F(ControlTest, ADefaultPropertyGetsItsLineInNameOrder)
{
    control("cmdOK")->setProperty("Enabled", false);
    control("lblName")->setProperty("Appearance", 0);
    control("lblName")->setProperty("Visible", true); // the default: nothing to write
    std::string expected =
        replaced(original, "      Default         =   -1  'True\r\n",
                 "      Default         =   -1  'True\r\n      Enabled         =   0   'False\r\n");
    expected =
        replaced(expected, "      Caption         =   \"&Name:\"\r\n",
                 "      Appearance      =   0  'Flat\r\n      Caption         =   \"&Name:\"\r\n");
    EXPECT_EQ(form->text(), expected);
    EXPECT_EQ(control("lblName")->property("Appearance"), Value(std::int32_t(0)));
}

TEST_F(ControlTest, ValuesAPropertyDoesNotTakeAreRefused)
{
    ControlPtr label = control("lblName");
    EXPECT_EQ(errorOf([&] { label->setProperty("Appearance", 7); }), 380);
    EXPECT_EQ(errorOf([&] { label->setProperty("Left", "left"); }), 13);
    EXPECT_EQ(errorOf([&] { label->setProperty("Caption", "two\r\nlines"); }), 380);
    EXPECT_EQ(errorOf([&] { label->setProperty("TabIndex", -1); }), 380);
    EXPECT_EQ(errorOf([&] { label->setProperty("Name", "1abc"); }), 380);
    EXPECT_EQ(errorOf([&] { label->setProperty("Name", "TXTNAME"); }), 380);
    EXPECT_EQ(errorOf([&] { label->setProperty("Name", "LBLname"); }), 0);
    label->setProperty("Name", "lblName");
    EXPECT_EQ(form->text(), original);
}

TEST_F(ControlTest, FontBoldFollowsTheWeightAndAddsABlockWhenNeeded)
{
    control("cmdOK")->setProperty("Font.Bold", false);
    EXPECT_EQ(form->text(),
              replaced(original, "Weight          =   700", "Weight          =   400"));
    control("txtName")->setProperty("Font.Bold", true);
    std::string text = control("txtName")->text();
    EXPECT_EQ(text, "   Begin VB.TextBox txtName \r\n"
                    "      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} \r\n"
                    "         Name            =   \"MS Sans Serif\"\r\n"
                    "         Size            =   8.25\r\n"
                    "         Charset         =   0\r\n"
                    "         Weight          =   700\r\n"
                    "         Underline       =   0   'False\r\n"
                    "         Italic          =   0   'False\r\n"
                    "         Strikethrough   =   0   'False\r\n"
                    "      EndProperty\r\n"
                    "      Height          =   285\r\n"
                    "      Left            =   3000\r\n"
                    "      TabIndex        =   1\r\n"
                    "      Text            =   \"Smith & \"\"Sons\"\"\"\r\n"
                    "      Top             =   480\r\n"
                    "      Width           =   2895\r\n"
                    "   End\r\n");
    EXPECT_TRUE(control("txtName")->boolean("Font.Bold"));
    // Regular on a control without a block is its default already.
    control("lblName")->setProperty("Font.Bold", false);
    EXPECT_FALSE(control("lblName")->isWritten("Font"));
}

TEST(ControlVersion4, FontMembersInLowerCaseAndControlArrays)
{
    auto form = FormFile::parse(formData("frmOld.frm"), "frmOld.frm");
    EXPECT_TRUE(form->root()->boolean("Font.Bold"));
    ControlPtr go0 = form->findControl("cmdGo", 0);
    EXPECT_FALSE(go0->boolean("Font.Bold"));
    go0->setProperty("Font.Bold", true);
    EXPECT_NE(go0->text().find("         weight          =   700\r\n"), std::string::npos);
    ControlPtr go1 = form->findControl("cmdGo", 1);
    go1->setProperty("Font.Italic", true);
    EXPECT_NE(
        go1->text().find(
            "      BeginProperty Font \r\n         name            =   \"MS Sans Serif\"\r\n"),
        std::string::npos);
    EXPECT_NE(go1->text().find("         italic          =   -1  'True\r\n"), std::string::npos);
    EXPECT_EQ(form->findControl("tmrPoll")->number("Interval"), 500);
    EXPECT_THROW(form->findControl("tmrPoll")->property("Width"), VbError);
    EXPECT_EQ(form->findControl("mnuHelp")->number("HelpContextID"), 10);
}

TEST(ControlUnknownClass, KeepsItsPropertiesAndTakesExtenderOnes)
{
    std::string original = formData("frmTools.frm");
    auto form = FormFile::parse(original, "frmTools.frm");
    ControlPtr paint = form->findControl("cmdPaint");
    EXPECT_EQ(paint->text("Caption"), "&Paint");
    EXPECT_EQ(paint->number("_ExtentX"), 2143);
    EXPECT_EQ(paint->property("Picture"), Value(std::string("\"frmTools.frx\":0000")));
    EXPECT_FALSE(paint->boolean("Font.Bold"));
    EXPECT_TRUE(paint->boolean("TabStop"));
    EXPECT_EQ(paint->number("HelpContextID"), 0);
    EXPECT_FALSE(paint->hasProperty("Text"));
    EXPECT_THROW(paint->property("Text"), VbError);
    EXPECT_THROW(form->findControl("dlgOpen")->property("Font.Bold"), VbError);

    paint->setProperty("TabStop", false);
    paint->setProperty("WhatsThisHelpID", 42);
    paint->setProperty("Caption", "&Brush");
    paint->setProperty("Font.Bold", true);
    std::string expected = replaced(
        original,
        "      TabIndex        =   1\r\n      Top             =   120\r\n      Width           =   "
        "1215\r\n      _Version",
        "      TabIndex        =   1\r\n      TabStop         =   0   'False\r\n      Top          "
        "   =   120\r\n"
        "      WhatsThisHelpID =   42\r\n      Width           =   1215\r\n      _Version");
    expected = replaced(expected, "\"&Paint\"", "\"&Brush\"");
    size_t weight = expected.find("Weight          =   400");
    expected.replace(weight, 23, "Weight          =   700");
    EXPECT_EQ(form->text(), expected);

    // The common dialog, invisible at run time, stays out of the tab order.
    form->findControl("txtNotes")->setProperty("TabIndex", 0);
    std::vector<std::string> order;
    for (const ControlPtr &c : form->tabOrder())
        order.push_back(c->name() + "=" + c->propertyText("TabIndex"));
    EXPECT_EQ(order,
              (std::vector<std::string>{"txtNotes=0", "cboKind=1", "cmdPaint=2", "picLogo=3"}));
    EXPECT_FALSE(form->findControl("dlgOpen")->isWritten("TabIndex"));
}

// The control moved to a place pushes the others behind it, keeping their order; applying
// marks from the last to the first gives them 0, 1, 2 in marking order.
TEST_F(ControlTest, TabIndexRenumbersTheOtherControls)
{
    auto order = [&] {
        std::vector<std::string> out;
        for (const ControlPtr &c : form->tabOrder())
            out.push_back(c->displayName() + "=" + std::to_string(c->number("TabIndex")));
        return out;
    };
    EXPECT_EQ(order(), (std::vector<std::string>{"lblName=0", "txtName=1", "fraKind=2",
                                                 "optKind(0)=3", "optKind(1)=4", "cmdOK=5"}));
    control("cmdOK")->setProperty("TabIndex", 0);
    EXPECT_EQ(order(), (std::vector<std::string>{"cmdOK=0", "lblName=1", "txtName=2", "fraKind=3",
                                                 "optKind(0)=4", "optKind(1)=5"}));
    EXPECT_TRUE(control("lblName")->isWritten("TabIndex"));

    // Marked: optKind(1), txtName, lblName; applied last first.
    for (auto c : {control("lblName"), control("txtName"), control("optKind", 1)})
        c->setProperty("TabIndex", 0);
    EXPECT_EQ(order(), (std::vector<std::string>{"optKind(1)=0", "txtName=1", "lblName=2",
                                                 "cmdOK=3", "fraKind=4", "optKind(0)=5"}));
    // Moving back and beyond the end.
    control("optKind", 1)->setProperty("TabIndex", 99);
    EXPECT_EQ(order().back(), "optKind(1)=5");
    EXPECT_EQ(order().front(), "txtName=0");
}

TEST_F(ControlTest, NameAndIndex)
{
    control("cmdOK")->setProperty("Name", "cmdAccept");
    EXPECT_TRUE(form->findControl("cmdAccept"));
    EXPECT_NE(form->text().find("   Begin VB.CommandButton cmdAccept \r\n"), std::string::npos);
    form->root()->setProperty("Name", "frmCustomer");
    EXPECT_EQ(form->name(), "frmCustomer");
    EXPECT_NE(form->text().find("Attribute VB_Name = \"frmCustomer\"\r\n"), std::string::npos);
    control("lblName")->setProperty("Index", 0);
    EXPECT_EQ(control("lblName", 0)->displayName(), "lblName(0)");
}

} // namespace
