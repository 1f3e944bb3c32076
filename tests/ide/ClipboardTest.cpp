// Controls copied as text from one form and pasted into another.
#include "ide/Clipboard.h"
#include "ide/Component.h"
#include "ide/Form.h"
#include "platform/VbError.h"
#include "tests/ide/FormTestData.h"

#include <gtest/gtest.h>

using namespace qm::ide;
using qm::platform::VbError;
using qm::test::formData;

namespace {

TEST(Clipboard, CopiedControlsPasteWithTheirPropertiesAndChildren)
{
    auto source = FormFile::parse(formData("frmMain.frm"), "frmMain.frm");
    std::string text =
        controlsToText({source->findControl("fraKind"), source->findControl("optKind", 0),
                        source->findControl("cmdOK")});
    EXPECT_TRUE(isControlsText(text));
    EXPECT_EQ(text.substr(0, 48), "Begin VB.Frame fraKind \r\n   Caption         =   ");
    EXPECT_EQ(text.find("optKind", text.find("cmdOK")),
              std::string::npos); // the option went with its frame

    auto target = Component::createNew(ComponentKind::Form, "Form1");
    PasteResult result = pasteControls(*target->form(), text);
    ASSERT_EQ(result.pasted.size(), 2u);
    EXPECT_TRUE(result.skipped.empty());
    ControlPtr frame = target->form()->findControl("fraKind");
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->children().size(), 2u);
    EXPECT_EQ(target->form()->findControl("optKind", 1)->text("Caption"), "Company");
    ControlPtr ok = target->form()->findControl("cmdOK");
    EXPECT_TRUE(ok->boolean("Font.Bold"));
    EXPECT_EQ(ok->number("Left"), 4680);
    // Indented as controls of the new form, and the form file reads back as it is.
    EXPECT_NE(target->text().find("\r\n   Begin VB.Frame fraKind \r\n      Caption"),
              std::string::npos);
    EXPECT_NE(target->text().find("\r\n      Begin VB.OptionButton optKind \r\n         Caption"),
              std::string::npos);
    EXPECT_EQ(FormFile::parse(target->text(), "x.frm")->text(), target->text());
    // The pasted controls take the tab order 0.. in the order pasted.
    std::vector<std::string> order;
    for (const ControlPtr &c : target->form()->tabOrder())
        order.push_back(c->displayName() + "=" + std::to_string(c->number("TabIndex")));
    EXPECT_EQ(order,
              (std::vector<std::string>{"fraKind=0", "optKind(1)=1", "optKind(0)=2", "cmdOK=3"}));
}

TEST(Clipboard, AClashingNameTakesTheNextFreeOne)
{
    auto form = FormFile::createNew("Form1");
    std::string button = "Begin VB.CommandButton Command1 \r\n   Caption = \"One\"\r\nEnd\r\n";
    pasteControls(*form, button);
    pasteControls(*form, button);
    PasteResult third = pasteControls(*form, button);
    EXPECT_EQ(form->findControl("Command1")->text("Caption"), "One");
    EXPECT_TRUE(form->findControl("Command2"));
    EXPECT_EQ(third.pasted[0]->name(), "Command3");
    // Two members of one array keep one name.
    auto source = FormFile::parse(formData("frmMain.frm"), "frmMain.frm");
    std::string options =
        controlsToText({source->findControl("optKind", 1), source->findControl("optKind", 0)});
    auto dest = FormFile::parse(formData("frmMain.frm"), "frmMain.frm");
    PasteResult pasted = pasteControls(*dest, options);
    EXPECT_EQ(pasted.pasted[0]->displayName(), "optKind1(1)");
    EXPECT_EQ(pasted.pasted[1]->displayName(), "optKind1(0)");
    // Pasted controls go before the form's menus.
    std::vector<std::string> order;
    for (const ControlPtr &c : dest->root()->children())
        order.push_back(c->displayName());
    EXPECT_EQ(order, (std::vector<std::string>{"fraKind", "txtName", "cmdOK", "lblName",
                                               "optKind1(1)", "optKind1(0)", "mnuFile"}));
    EXPECT_EQ(form->freeName("Form1"), "Form2");
    EXPECT_EQ(form->freeName("cmdGo"), "cmdGo");
}

TEST(Clipboard, BinaryPropertiesMoveIntoTheTargetFrx)
{
    auto source = Component::fromText(ComponentKind::Form, "frmTools.frm", formData("frmTools.frm"),
                                      formData("frmTools.frx"));
    std::string text = controlsToText({source->form()->findControl("picLogo")});
    auto target = Component::fromText(ComponentKind::Form, "frmMain.frm", formData("frmMain.frm"),
                                      formData("frmMain.frx"));
    PasteResult result = pasteControls(*target->form(), text);
    EXPECT_TRUE(result.skipped.empty());
    std::string frx = formData("frmTools.frx");
    std::string mainFrx = formData("frmMain.frx");
    // picLogo's picture runs from 0x10 to the next reference (0x24), imgSmall's from 0x24 to 0x30.
    EXPECT_EQ(*target->frx(), mainFrx + frx.substr(0x10, 0x14) + frx.substr(0x24, 0x0C));
    EXPECT_EQ(target->form()->findControl("picLogo")->propertyText("Picture"),
              "\"frmMain.frx\":0010");
    EXPECT_EQ(target->form()->findControl("imgSmall")->propertyText("Picture"),
              "\"frmMain.frx\":0024");
    EXPECT_TRUE(target->isModified());

    // Without the bytes (a form with no companion to take them), the property falls back to
    // its default and the paste says so.
    auto bare = FormFile::createNew("Form1");
    PasteResult lost = pasteControls(*bare, text);
    ASSERT_EQ(lost.skipped.size(), 2u);
    EXPECT_NE(lost.skipped[0].find("picLogo.Picture"), std::string::npos);
    EXPECT_FALSE(bare->findControl("picLogo")->isWritten("Picture"));
}

TEST(Clipboard, TextThatIsNotControlsIsRefused)
{
    auto form = FormFile::createNew("Form1");
    EXPECT_FALSE(isControlsText("Private Sub x()\r\n"));
    EXPECT_THROW(pasteControls(*form, "Private Sub x()\r\n"), VbError);
    EXPECT_THROW(pasteControls(*form, "Begin VB.Label l\r\n   Caption = \"x\"\r\n"), VbError);
    auto other = FormFile::parse(formData("frmMain.frm"), "frmMain.frm");
    EXPECT_THROW(
        pasteControls(*form, "Begin VB.Label l \r\nEnd\r\n", other->findControl("fraKind").get()),
        VbError);
    EXPECT_EQ(form->controls().size(), 0u);
}

} // namespace
