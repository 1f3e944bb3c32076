#include "ide/Designer.h"

#include "ide/Form.h"
#include "platform/ScriptedUi.h"
#include "platform/VbError.h"

#include <gtest/gtest.h>

using namespace qm;

namespace {

const char kForm[] = "VERSION 5.00\r\n"
                     "Begin VB.Form frmOptions \r\n"
                     "   Caption         =   \"Options\"\r\n"
                     "   ClientHeight    =   2000\r\n"
                     "   ClientWidth     =   3000\r\n"
                     "   Begin VB.Frame Frame1 \r\n"
                     "      Caption         =   \"Mode\"\r\n"
                     "      Height          =   1200\r\n"
                     "      Left            =   120\r\n"
                     "      TabIndex        =   0\r\n"
                     "      Top             =   120\r\n"
                     "      Width           =   2000\r\n"
                     "      Begin VB.OptionButton Option1 \r\n"
                     "         Caption         =   \"Fast\"\r\n"
                     "         Height          =   255\r\n"
                     "         Index           =   0\r\n"
                     "         Left            =   120\r\n"
                     "         TabIndex        =   1\r\n"
                     "         Top             =   240\r\n"
                     "         Width           =   1200\r\n"
                     "      End\r\n"
                     "      Begin VB.OptionButton Option1 \r\n"
                     "         Caption         =   \"Safe\"\r\n"
                     "         Height          =   255\r\n"
                     "         Index           =   1\r\n"
                     "         Left            =   120\r\n"
                     "         TabIndex        =   2\r\n"
                     "         Top             =   600\r\n"
                     "         Width           =   1200\r\n"
                     "      End\r\n"
                     "   End\r\n"
                     "   Begin VB.TextBox Text1 \r\n"
                     "      Height          =   285\r\n"
                     "      Left            =   120\r\n"
                     "      TabIndex        =   3\r\n"
                     "      Text            =   \"\"\r\n"
                     "      Top             =   1440\r\n"
                     "      Width           =   2000\r\n"
                     "   End\r\n"
                     "End\r\n"
                     "Attribute VB_Name = \"frmOptions\"\r\n";

void press(ide::Designer &designer, std::string_view keys)
{
    for (const auto &chord : platform::parseSendKeys(keys))
        designer.applyKey(chord);
}

class DesignerTest : public ::testing::Test
{
protected:
    platform::ScriptedUi ui;
    platform::ScopedUi scope{ui};
    ide::ComponentPtr component =
        ide::Component::fromText(ide::ComponentKind::Form, "frmOptions.frm", kForm);
    ide::Designer designer{component};
};

} // namespace

TEST_F(DesignerTest, CutOfAContainerAndItsChildTakesBothOnce)
{
    ASSERT_TRUE(designer.selectByName("Frame1"));
    ASSERT_TRUE(designer.selectByName("Option1", 1, true));
    EXPECT_FALSE(designer.selectByName("Option1", 7, true));
    EXPECT_EQ(designer.selection().size(), 2u);
    press(designer, "^x");
    EXPECT_EQ(designer.form().findControl("Frame1"), nullptr);
    EXPECT_EQ(designer.form().findControl("Option1", 0), nullptr);
    EXPECT_TRUE(designer.selection().empty());
    std::string clip = ui.clipboardText();
    ASSERT_TRUE(ide::isControlsText(clip));
    // The option inside the frame is written once, inside it.
    std::size_t first = clip.find("\"Safe\"");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(clip.find("\"Safe\"", first + 1), std::string::npos);

    press(designer, "+{INS}"); // paste back: the names are free again
    ASSERT_NE(designer.form().findControl("Frame1"), nullptr);
    EXPECT_EQ(designer.selection().size(), 1u);
    EXPECT_EQ(designer.form().findControl("Option1", 1)->text("Caption"), "Safe");
}

TEST_F(DesignerTest, DeleteAndPasteOfOtherText)
{
    designer.selectByName("Text1");
    auto kept = designer.selection();
    press(designer, "{DEL}");
    EXPECT_EQ(designer.form().findControl("Text1"), nullptr);
    EXPECT_EQ(kept.front()->form(), nullptr);
    designer.select(kept); // a control off the form cannot be selected
    EXPECT_TRUE(designer.selection().empty());

    ui.clipboardSetText("Private Sub Text1_Change()\r\nEnd Sub\r\n");
    std::size_t before = designer.form().controls().size();
    press(designer, "^v");
    EXPECT_EQ(designer.form().controls().size(), before);
    // Copy with nothing selected leaves the clipboard alone.
    press(designer, "^c");
    EXPECT_EQ(ui.clipboardText(), "Private Sub Text1_Change()\r\nEnd Sub\r\n");
    EXPECT_FALSE(designer.applyKey({platform::Key::F5, 0, 0}));

    auto module = ide::Component::fromText(ide::ComponentKind::Module, "m.bas",
                                           "Attribute VB_Name = \"m\"\r\n");
    EXPECT_THROW(ide::Designer{module}, platform::VbError);
}
