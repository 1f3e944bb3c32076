// The input box, common dialog and help context windows driven through their controls, with the
// scripted runtime answering every dialog and recording what was shown.
#include "generators/ui/frmCMDDesigner.h"
#include "generators/ui/frmHelpContextID.h"
#include "generators/ui/frmInputBox.h"
#include "generators/ui/frmShowCode.h"

#include "common/ProgramState.h"
#include "common/Settings.h"
#include "common/WindowNames.h"
#include "platform/ScriptedUi.h"
#include "platform/VbError.h"
#include "platform/qt/QtText.h"
#include "tests/support/FakeHost.h"
#include "tests/support/ShownMessages.h"
#include "tests/support/TempDir.h"
#include "tests/support/ToolWindowFixture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <set>

namespace qm::generators {
namespace {

using test::control;
using test::isGone;
using test::readPreview;

using DesignerWindow = test::ToolWindowTest;

// --- the input box designer ---

TEST_F(DesignerWindow, InputBoxOpensWithItsInitialTextsAndShowsTheirCode)
{
    QPointer<frmInputBox> form = windows.openAs<frmInputBox>(common::window::InputBox);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->windowTitle(), "Quillmark Input Box Designer");
    EXPECT_TRUE(common::programState().isWindowOpen("frmInputBox"));
    EXPECT_EQ(control<QLineEdit>(form, "txtWindowCaption")->text(), "Window Caption");
    EXPECT_EQ(control<QLineEdit>(form, "txtDefaultInputText")->text(), "Default Input Text");
    EXPECT_EQ(readPreview([&] { test::click(form, "pbShowCode"); }),
              "Dim sRV As String\r\n\r\n"
              "sRV = InputBox(\"Your message should be entered here.\r\n\", \"Window Caption\", "
              "\"Default Input Text\")\r\n");
    test::click(form, "pbCancel");
    EXPECT_TRUE(isGone(form));
    EXPECT_TRUE(host.log.empty());
}

TEST_F(DesignerWindow, InputBoxTestShowsTheTextsUntrimmedAndPaintItPastesTrimmedCode)
{
    QPointer<frmInputBox> form = windows.openAs<frmInputBox>(common::window::InputBox);
    test::type(form, "txtPromptText", QStringLiteral("Type \"yes\"\n\tor no"));
    test::type(form, "txtWindowCaption", QStringLiteral("  Confirm  "));
    test::type(form, "txtDefaultInputText", QString::fromUtf8("caf\u00e9 "));
    test::click(form, "pbTest");
    const auto boxes = runtime.callsOf("inputbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Type \"yes\"\r\n\tor no");
    EXPECT_EQ(boxes[0].title, "  Confirm  ");

    test::click(form, "pbPaintIt");
    EXPECT_TRUE(isGone(form));
    EXPECT_EQ(runtime.clipboardText(),
              "Dim sRV As String\r\n\r\n"
              "sRV = InputBox(\"Type \"\"yes\"\"\r\n\tor no\", \"Confirm\", \"caf\xe9\")\r\n");
    EXPECT_EQ(host.log, (std::vector<std::string>{std::string("activate ") + kHostCaption,
                                                  "+{INSERT} wait"}));
}

// --- the common dialog designer ---

QStringList listLines(const QListWidget *list)
{
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

void selectLines(QListWidget *list, std::initializer_list<int> rows)
{
    for (int row : rows)
        list->item(row)->setSelected(true);
}

TEST_F(DesignerWindow, CommonDialogStartsWithoutAKindAndItsCodeIsEmpty)
{
    QPointer<frmCMDDesigner> form = windows.openAs<frmCMDDesigner>(common::window::CommonDialog);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->windowTitle(), "Quillmark Common Dialog Designer");
    for (const char *name : {"rbOpenFile", "rbSaveAs", "rbColor", "rbFont", "rbPrinter", "rbHelp"})
        EXPECT_FALSE(control<QRadioButton>(form, name)->isChecked()) << name;
    EXPECT_EQ(control<QLineEdit>(form, "txtTitle")->text(), "Open");
    EXPECT_EQ(control<QListWidget>(form, "lbFlagList")->count(), 0);
    auto *filter = control<QComboBox>(form, "cbFilter");
    EXPECT_EQ(filter->count(), 10);
    EXPECT_EQ(filter->itemText(3), "Project Files (*.MAK;*.VBP)|*.mak;*.vbp");
    EXPECT_EQ(filter->currentText(), "");
    EXPECT_EQ(readPreview([&] { test::click(form, "pbShowCode"); }), "");
    test::click(form, "pbTest");
    EXPECT_TRUE(runtime.calls().empty());
}

TEST_F(DesignerWindow, CommonDialogKindsSetTheirCaptionFilterAndFlagLines)
{
    QPointer<frmCMDDesigner> form = windows.openAs<frmCMDDesigner>(common::window::CommonDialog);
    auto *list = control<QListWidget>(form, "lbFlagList");
    const struct
    {
        const char *option;
        const char *title;
        const char *label;
        bool filter;
        int lines;
        const char *first;
    } cases[] = {
        {"rbOpenFile", "Open File", "Dialog Caption", true, 13, "OFN_READONLY = &H1&"},
        {"rbSaveAs", "Save As", "Dialog Caption", true, 13, "OFN_READONLY = &H1&"},
        {"rbColor", "Color", "Dialog Caption", false, 4, "CC_RGBINIT = &H1&"},
        {"rbFont", "Font", "Dialog Caption", false, 20, "CF_SCREENFONTS = &H1&"},
        {"rbPrinter", "Print Setup", "Dialog Caption", false, 16, "PD_ALLPAGES = &H0&"},
        {"rbHelp", "c:\\MyAppDir\\MyApp.hlp", "Help File Path && FileName", false, 12,
         "HELP_CONTEXT = &H1"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.option);
        if (list->count() > 0)
            selectLines(list, {0});
        test::click(form, c.option);
        EXPECT_EQ(form->dialogKind() > 0, true);
        EXPECT_EQ(control<QLineEdit>(form, "txtTitle")->text(), c.title);
        EXPECT_EQ(control<QLabel>(form, "lblDialogCaption")->text(), c.label);
        EXPECT_EQ(control<QComboBox>(form, "cbFilter")->isEnabled(), c.filter);
        ASSERT_EQ(list->count(), c.lines);
        EXPECT_EQ(list->item(0)->text(), c.first);
        EXPECT_TRUE(list->selectedItems().isEmpty()); // a new kind drops the old selection
    }
    EXPECT_EQ(listLines(list).join('|').toStdString(),
              "HELP_CONTEXT = &H1|HELP_QUIT = &H2|HELP_INDEX = &H3|HELP_CONTENTS = &H3|"
              "HELP_HELPONHELP = &H4|HELP_SETINDEX = &H5|HELP_SETCONTENTS = &H5|"
              "HELP_CONTEXTPOPUP = &H8|HELP_FORCEFILE = &H9|HELP_KEY = &H101|"
              "HELP_COMMAND = &H102|HELP_PARTIALKEY = &H105");
}

TEST_F(DesignerWindow, CommonDialogFontCountsTheWysiwygLineByItsFirstLiteral)
{
    QPointer<frmCMDDesigner> form = windows.openAs<frmCMDDesigner>(common::window::CommonDialog);
    test::click(form, "rbFont");
    test::click(form, "pbTest");
    selectLines(control<QListWidget>(form, "lbFlagList"), {13});
    EXPECT_EQ(form->GetFlags(), 32768);
    EXPECT_EQ(form->flagsText(), "&H8000& Or &H1& Or &H1&");
    test::click(form, "pbTest");
    const auto fonts = runtime.callsOf("font");
    ASSERT_EQ(fonts.size(), 2u);
    EXPECT_EQ(fonts[0].style, 3); // no flag chosen: screen and printer fonts
    EXPECT_EQ(fonts[1].style, 32768);
    EXPECT_EQ(fonts[1].title, "Font");
    EXPECT_EQ(readPreview([&] { test::click(form, "pbShowCode"); }),
              "Me.CommonDialog1.DialogTitle = \"Font\"\r\n"
              "Me.CommonDialog1.Flags = &H8000& Or &H1& Or &H1&\r\n"
              "Me.CommonDialog1.Action = 4\r\n");
}

TEST_F(DesignerWindow, CommonDialogTestShowsEachKindWithItsFlags)
{
    QPointer<frmCMDDesigner> form = windows.openAs<frmCMDDesigner>(common::window::CommonDialog);
    auto *list = control<QListWidget>(form, "lbFlagList");
    test::click(form, "rbOpenFile");
    control<QComboBox>(form, "cbFilter")->setCurrentIndex(2);
    selectLines(list, {0, 9});
    test::click(form, "pbTest");
    test::click(form, "rbSaveAs");
    test::click(form, "pbTest");
    test::click(form, "rbColor");
    selectLines(list, {1});
    runtime.queueDialogAnswer(true);
    test::click(form, "pbTest");
    test::click(form, "rbPrinter");
    selectLines(list, {0});
    test::click(form, "pbTest");
    test::click(form, "rbHelp");
    test::click(form, "pbTest");

    std::vector<std::string> seen;
    for (const platform::UiCall &call : runtime.calls())
        seen.push_back(call.kind + " " + call.title + " " + std::to_string(call.style) + " " +
                       call.answer);
    EXPECT_EQ(seen, (std::vector<std::string>{"open Open File 4097 <cancel>",
                                              "save Save As 0 <cancel>", "color Color 2 ok",
                                              "printer Print Setup 0 <cancel>", "help  3 "}));
    EXPECT_EQ(runtime.callsOf("open")[0].text, "BAS Files (*.BAS)|*.bas");
}

TEST_F(DesignerWindow, CommonDialogPaintItPastesTheCode)
{
    QPointer<frmCMDDesigner> form = windows.openAs<frmCMDDesigner>(common::window::CommonDialog);
    test::click(form, "rbPrinter");
    selectLines(control<QListWidget>(form, "lbFlagList"), {0});
    test::click(form, "pbPaintIt");
    EXPECT_TRUE(isGone(form));
    EXPECT_NE(runtime.clipboardText().find("On Error Resume Next\r\n"
                                           "Me.CommonDialog1.Flags = &H0&\r\n"
                                           "Me.CommonDialog1.Action = 5\r\n"),
              std::string::npos);
    EXPECT_EQ(host.keys(), (std::vector<std::string>{"+{INSERT} wait"}));
}

// --- the help context window ---

class HelpContextWindow : public DesignerWindow
{
protected:
    void SetUp() override
    {
        DesignerWindow::SetUp();
        common::programState().host = &fakeHost;
        form = windows.openAs<frmHelpContextID>(common::window::HelpContext);
        ASSERT_TRUE(form);
    }
    void TearDown() override
    {
        delete form.data();
        common::programState().host = nullptr;
        DesignerWindow::TearDown();
    }
    // Opens a context file through the window's file dialog.
    void load(std::string_view name, std::string_view bytes)
    {
        dir.write(name, bytes);
        runtime.queueFileAnswer(dir.file(name));
        test::click(form, "pbOpenRTF");
    }
    QStringList topics() const
    {
        QStringList items;
        auto *combo = control<QComboBox>(form, "cbSelectHelpTopic");
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    }

    test::TempDir dir;
    test::FakeHost fakeHost;
    QPointer<frmHelpContextID> form;
};

TEST_F(HelpContextWindow, OpensOnTopAndLoadsABasicFilesTopics)
{
    EXPECT_EQ(form->windowTitle(), "Set Help Context ID");
    EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(form->testAttribute(Qt::WA_ShowWithoutActivating));
    load("Help.BAS", "Global Const IDH_FILE_OPEN = 101\r\nGlobal Const IDH_EXIT = 1234567\r\n");
    const auto dialogs = runtime.callsOf("open");
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, "Open File");
    EXPECT_EQ(dialogs[0].text, "Include (*.hh;*.bas;*.rtf)|*.hh;*.bas;*.rtf");
    EXPECT_EQ(topics(), (QStringList{"IDH FILE OPEN, 101", "IDH EXIT, 1234567"}));
    EXPECT_EQ(form->contextNumber(), 101);

    auto *combo = control<QComboBox>(form, "cbSelectHelpTopic");
    combo->setCurrentIndex(1);
    form->cbSelectHelpTopic_Click();
    EXPECT_EQ(form->contextNumber(), 12345);

    combo->setEditText(QStringLiteral("no comma"));
    form->cbSelectHelpTopic_Click();
    EXPECT_EQ(form->contextNumber(), 12345);
    combo->setEditText(QStringLiteral("x, 99999"));
    form->cbSelectHelpTopic_Click();
    EXPECT_EQ(form->contextNumber(), 12345);
    EXPECT_EQ(test::shownMessages(runtime),
              (std::vector<std::string>{"Invalid RTF: Your RTF File has no Context IDs! (16)",
                                        "Invalid RTF: The Context ID \"99999\" is not a whole "
                                        "number from -32768 to 32767! (16)"}));
}

TEST_F(HelpContextWindow, SetIndexWritesBothPropertiesAndSkipsWhatAControlLacks)
{
    auto both = std::make_shared<test::PropertyControl>(
        "cmdOk", std::set<std::string>{"WhatsThisHelpID", "HelpContextID"});
    auto helpOnly = std::make_shared<test::PropertyControl>("lblA", std::set<std::string>{"HelpContextID"});
    auto none = std::make_shared<test::PropertyControl>("Line1", std::set<std::string>{});
    fakeHost.selection = {both, helpOnly, none};
    load("app.hh", "#define IDH_ORDER 42\n");
    test::click(form, "pbSetIndex");
    EXPECT_EQ(both->values.at("WhatsThisHelpID"), host::PropertyValue(42));
    EXPECT_EQ(both->values.at("HelpContextID"), host::PropertyValue(42));
    EXPECT_EQ(helpOnly->values.at("HelpContextID"), host::PropertyValue(42));
    EXPECT_TRUE(none->values.empty());
    EXPECT_TRUE(runtime.callsOf("msgbox").empty());

    fakeHost.hasActiveForm = false;
    test::click(form, "pbSetIndex");
    ASSERT_EQ(runtime.callsOf("msgbox").size(), 1u);
    EXPECT_TRUE(form);
}

TEST_F(HelpContextWindow, UnusableFilesCloseTheWindowOrAreTold)
{
    // An RTF whose topics have no index footnote: told, and the window stays.
    load("Topics.RTF", "${\\footnote Lonely}\r\nplain\r\n");
    EXPECT_TRUE(form);
    EXPECT_TRUE(topics().isEmpty());
    ASSERT_EQ(runtime.callsOf("msgbox").size(), 1u);
    // A first topic without a number: the error report, the number unchanged, the window usable.
    load("blank.bas", "\r\nGlobal Const A = 5\r\n");
    EXPECT_TRUE(form);
    EXPECT_EQ(topics(), (QStringList{", ", "A, 5"}));
    EXPECT_EQ(form->contextNumber(), 0);
    EXPECT_EQ(runtime.callsOf("msgbox").size(), 2u);

    load("notes.txt", "text");
    EXPECT_TRUE(isGone(form));
    EXPECT_EQ(runtime.callsOf("msgbox").back().text, "Unknown Context ID File Type!");
    EXPECT_EQ(runtime.callsOf("msgbox").back().title, "Unknown File Type");
}

TEST_F(HelpContextWindow, CancelledOrMissingFileClosesTheWindow)
{
    runtime.queueFileAnswer(dir.file("missing.bas"));
    test::click(form, "pbOpenRTF");
    EXPECT_TRUE(isGone(form));
    const auto boxes = runtime.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Can't open Help Context File: \n" + dir.file("missing.bas"));
    EXPECT_EQ(boxes[0].title, "Project File Error");

    form = windows.openAs<frmHelpContextID>(common::window::HelpContext);
    test::click(form, "pbOpenRTF"); // nothing queued: the dialog is cancelled
    EXPECT_TRUE(isGone(form));
}

} // namespace
} // namespace qm::generators
