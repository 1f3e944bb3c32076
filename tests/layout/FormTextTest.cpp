// The form editor: bytes kept, property lines changed or added as the host writes them, and
// the same results as the stand-in IDE's form model for every change the layout tools make.
#include "layout/FormText.h"

#include "common/ErrorReports.h"
#include "ide/Control.h"
#include "ide/Form.h"
#include "layout/TabOrder.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <functional>

namespace qm::layout {
namespace {

std::string sampleForm()
{
    return platform::readFile(std::string(QM_SOURCE_DIR) + "/examples/sample/frmOrder.frm");
}

const char *const SmallForm = "VERSION 5.00\r\n"
                              "Begin VB.Form Form1 \r\n"
                              "   Caption         =   \"Form1\"\r\n"
                              "   Begin VB.CommandButton Command1 \r\n"
                              "      Caption         =   \"OK\"\r\n"
                              "      Height          =   375\r\n"
                              "      TabIndex        =   1\r\n"
                              "      Width           =   1215\r\n"
                              "   End\r\n"
                              "   Begin VB.Label Label1 \r\n"
                              "      Caption         =   \"Name\"\r\n"
                              "      Height          =   255\r\n"
                              "      Left            =   120\r\n"
                              "      Top             =   120\r\n"
                              "      Width           =   975\r\n"
                              "   End\r\n"
                              "   Begin VB.Line Line1 \r\n"
                              "      X1              =   0\r\n"
                              "   End\r\n"
                              "End\r\n"
                              "Attribute VB_Name = \"Form1\"\r\n"
                              "Private Sub Command1_Click()\r\n"
                              "End Sub\r\n";

TEST(FormText, KeepsEveryByteItIsNotAskedToChange)
{
    const std::vector<std::string> inputs = {
        sampleForm(), SmallForm,
        // Lone LF and CR line ends, a tab, an unreadable line, no line end at the end.
        "VERSION 4.00\nBegin Form F\r\tCaption = \"x\"\n  ??? odd\r\n  Begin Label L\n  End\nEnd",
        "Begin VB.Form F\r\nEnd\r\nBegin\r\nEnd\r\n", // code after the form is not parsed
    };
    for (const std::string &input : inputs)
        EXPECT_EQ(FormText(input).text(), input);
}

TEST(FormText, RefusesWhatIsNotAFormDescription)
{
    const std::vector<std::string> inputs = {
        "",
        "VERSION 5.00\r\n",
        "Begin VB.Form F\r\n   Begin VB.Label L\r\n   End\r\n",
        "Begin VB.Form F\r\n   BeginProperty Font\r\n   End\r\n",
        "Begin VB.Form F\r\n   EndProperty\r\nEnd\r\n",
        [] {
            std::string deep = "Begin VB.Form F\r\n";
            for (int i = 0; i < 300; ++i)
                deep += "Begin VB.Frame F" + std::to_string(i) + "\r\n";
            return deep;
        }(),
    };
    for (const std::string &input : inputs) {
        try {
            FormText form(input);
            ADD_FAILURE() << "read: " << input.substr(0, 60);
        } catch (const common::UserMessageError &e) {
            EXPECT_EQ(e.message.title, "File Error");
        }
    }
}

TEST(FormText, FindsControlsByNameAndIndex)
{
    FormText form(sampleForm());
    ASSERT_TRUE(form.findControl("OPTSIZE(1)"));
    EXPECT_EQ(form.displayName(*form.findControl("optSize(1)")), "optSize(1)");
    EXPECT_FALSE(form.findControl("optSize"));
    EXPECT_FALSE(form.findControl("frmOrder")); // the form is not one of its controls
    EXPECT_EQ(form.className(*form.findControl("txtCustomer")), "TextBox");
}

TEST(FormText, AddsAMissingPropertyInNameOrderAndLeavesDefaultsOut)
{
    FormText form(SmallForm);
    const std::size_t button = *form.findControl("Command1");
    EXPECT_EQ(form.number(button, "Left"), 0);
    EXPECT_TRUE(form.setNumber(button, "Left", 0)); // the default: no line
    EXPECT_EQ(form.text(), SmallForm);
    EXPECT_TRUE(form.setNumber(button, "Left", 600));
    EXPECT_TRUE(form.setNumber(button, "Top", 240));
    EXPECT_FALSE(form.setNumber(*form.findControl("Line1"), "Left", 5));
    const std::string text = form.text();
    EXPECT_NE(text.find("      Height          =   375\r\n"
                        "      Left            =   600\r\n"
                        "      TabIndex        =   1\r\n"
                        "      Top             =   240\r\n"
                        "      Width           =   1215\r\n"),
              std::string::npos)
        << text;
}

// The same change through the stand-in IDE's model and through the form editor.
struct Change
{
    const char *what;
    std::function<void(ide::FormFile &)> model;
    std::function<void(FormText &)> editor;
};

ide::Control &modelControl(ide::FormFile &form, const char *name, std::optional<int> index = {})
{
    ide::ControlPtr control = form.findControl(name, index);
    if (!control)
        throw std::runtime_error(std::string("no control ") + name);
    return *control;
}

std::size_t editorControl(FormText &form, const char *name)
{
    return *form.findControl(name);
}

TEST(FormText, WritesAsTheHostsFormModelDoes)
{
    using V = ide::Value;
    const std::vector<Change> changes = {
        {"geometry",
         [](ide::FormFile &f) {
             modelControl(f, "txtCustomer").setProperty("Left", V(std::int32_t{600}));
             modelControl(f, "txtCustomer").setProperty("Height", V(std::int32_t{0}));
             modelControl(f, "lblCustomer").setProperty("Top", V(std::int32_t{-45}));
         },
         [](FormText &f) {
             f.setNumber(editorControl(f, "txtCustomer"), "Left", 600);
             f.setNumber(editorControl(f, "txtCustomer"), "Height", 0);
             f.setNumber(editorControl(f, "lblCustomer"), "Top", -45);
         }},
        {"flat and 3D",
         [](ide::FormFile &f) {
             modelControl(f, "lblCustomer").setProperty("Appearance", V(std::int32_t{0}));
             modelControl(f, "lblCustomer").setProperty("BackStyle", V(std::int32_t{0}));
             modelControl(f, "chkGift").setProperty("Appearance", V(std::int32_t{0}));
             modelControl(f, "lblQuantity").setProperty("Appearance", V(std::int32_t{1}));
         },
         [](FormText &f) {
             f.setEnum(editorControl(f, "lblCustomer"), "Appearance", 0);
             f.setEnum(editorControl(f, "lblCustomer"), "BackStyle", 0);
             f.setEnum(editorControl(f, "chkGift"), "Appearance", 0);
             f.setEnum(editorControl(f, "lblQuantity"), "Appearance", 1);
         }},
        {"clear text",
         [](ide::FormFile &f) {
             modelControl(f, "txtCustomer").setProperty("Text", V(std::string()));
             modelControl(f, "chkGift").setProperty("Caption", V(std::string()));
         },
         [](FormText &f) {
             f.setText(editorControl(f, "txtCustomer"), "Text", "");
             f.setText(editorControl(f, "chkGift"), "Caption", "");
         }},
        {"bold and regular",
         [](ide::FormFile &f) {
             modelControl(f, "chkGift").setProperty("Font.Bold", V(true));
             modelControl(f, "lstNotes").setProperty("Font.Bold", V(false));
             modelControl(f, "txtQuantity").setProperty("Font.Bold", V(true));
             modelControl(f, "txtQuantity").setProperty("Font.Bold", V(false));
         },
         [](FormText &f) {
             f.setBold(editorControl(f, "chkGift"), true);
             f.setBold(editorControl(f, "lstNotes"), false);
             f.setBold(editorControl(f, "txtQuantity"), true);
             f.setBold(editorControl(f, "txtQuantity"), false);
         }},
        {"tab order",
         [](ide::FormFile &f) {
             for (const char *name : {"chkGift", "txtCustomer", "fraOrder"})
                 modelControl(f, name).setProperty("TabIndex", V(std::int32_t{0}));
         },
         [](FormText &f) {
             std::vector<std::size_t> order = f.tabOrder();
             std::vector<TabSlot> slots(f.controlCount());
             for (std::size_t c = 0; c < slots.size(); ++c)
                 slots[c] = {f.number(c, "TabIndex").value_or(-1), f.isWritten(c, "TabIndex")};
             for (const char *name : {"chkGift", "txtCustomer", "fraOrder"})
                 giveTabIndex(order, slots, editorControl(f, name), 0);
             for (std::size_t c = 0; c < slots.size(); ++c)
                 if (slots[c].written)
                     f.writeNumberLine(c, "TabIndex", slots[c].value);
         }},
    };
    for (const Change &change : changes) {
        SCOPED_TRACE(change.what);
        const std::string input = sampleForm();
        std::unique_ptr<ide::FormFile> model = ide::FormFile::parse(input, "frmOrder.frm");
        change.model(*model);
        FormText editor(input);
        change.editor(editor);
        EXPECT_EQ(editor.text(), model->text());
        EXPECT_NE(editor.text(), input);
    }
}

TEST(FormText, TabOrderMatchesTheModels)
{
    const std::string input = sampleForm();
    std::unique_ptr<ide::FormFile> model = ide::FormFile::parse(input, "frmOrder.frm");
    FormText editor(input);
    std::vector<std::string> expected, actual;
    for (const ide::ControlPtr &c : model->tabOrder())
        expected.push_back(c->displayName());
    for (std::size_t c : editor.tabOrder())
        actual.push_back(editor.displayName(c));
    EXPECT_EQ(actual, expected);
}

TEST(FormText, MakesAVersion4ControlBoldWithTheHostsFontBlock)
{
    const std::string input = "VERSION 4.00\r\n"
                              "Begin Form Form1 \r\n"
                              "   Begin CommandButton Command1 \r\n"
                              "      Caption         =   \"OK\"\r\n"
                              "      Height          =   375\r\n"
                              "   End\r\n"
                              "End\r\n";
    std::unique_ptr<ide::FormFile> model = ide::FormFile::parse(input, "Form1.frm");
    model->findControl("Command1")->setProperty("Font.Bold", ide::Value(true));
    FormText editor(input);
    EXPECT_TRUE(editor.setBold(0, true));
    EXPECT_EQ(editor.text(), model->text());
}

} // namespace
} // namespace qm::layout
