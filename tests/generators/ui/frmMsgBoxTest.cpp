// The message box designer driven through its controls, with the scripted runtime answering
// every dialog and a recording host taking the activation and the keystrokes.
#include "generators/ui/frmMsgBox.h"

#include "common/ProgramState.h"
#include "common/Settings.h"
#include "common/WindowNames.h"
#include "generators/ui/frmShowCode.h"
#include "platform/FileSystem.h"
#include "platform/ScriptedUi.h"
#include "platform/VbError.h"
#include "platform/qt/QtText.h"
#include "tests/generators/AnswerBlocks.h"
#include "tests/support/RecordingKeyboard.h"
#include "tests/support/ToolWindowFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace qm::generators {
namespace {

using test::control;
using test::sendKey;

class MsgBoxDesigner : public test::ToolWindowTest
{
protected:
    void SetUp() override
    {
        ToolWindowTest::SetUp();
        form = windows.openAs<frmMsgBox>(common::window::MsgBox);
    }
    void TearDown() override
    {
        delete form.data();
        ToolWindowTest::TearDown();
    }

    void click(const char *name) { test::click(form, name); }

    // Show Code, with the preview window handed over instead of its modal loop; the preview
    // shows the text the designer keeps for Paint It.
    std::string showCode()
    {
        const std::string shown = test::readPreview([&] { click("pbShowCode"); });
        EXPECT_EQ(shown, previewText());
        return shown;
    }

    QPointer<frmMsgBox> form;
};

TEST_F(MsgBoxDesigner, OpensWithTheInitialValues)
{
    EXPECT_EQ(form->objectName(), "frmMsgBox");
    EXPECT_EQ(form->windowTitle(), "Quillmark MsgBox Designer");
    EXPECT_TRUE(common::programState().isWindowOpen("frmMsgBox"));
    EXPECT_EQ(control<QLineEdit>(form, "txtTitle")->text(), "MsgBox Caption");
    EXPECT_EQ(control<QPlainTextEdit>(form, "txtMessage")->toPlainText(),
              "Type lines and press Enter for Multiline\n");
    EXPECT_TRUE(control<QRadioButton>(form, "rbOk")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(form, "rbMsgboxStatement")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(form, "rbButton1")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(form, "rbButton1")->isEnabled());
    EXPECT_FALSE(control<QRadioButton>(form, "rbButton2")->isEnabled());
    EXPECT_FALSE(control<QRadioButton>(form, "rbButton3")->isEnabled());
    EXPECT_FALSE(control<QCheckBox>(form, "chkSystemModal")->isChecked());
    EXPECT_TRUE(control<QToolButton>(form, "pbStop")->isChecked());

    const struct
    {
        const char *name, *caption, *toolTip;
    } buttons[] = {
        {"pbTest", "Test", "Preview the MsgBox"},
        {"pbShowCode", "Show Code", "Show generated code"},
        {"pbPaintIt", "Paint It", "Paste to the previous code window"},
        {"pbExit", "Exit", "Exit without code paste"},
        {"chkSystemModal", "System Modal", "Create System Modal MsgBox"},
        {"rbAbortRetryIgnore", "Abort, Retry, Ignore", ""},
    };
    for (const auto &b : buttons) {
        auto *button = control<QAbstractButton>(form, b.name);
        EXPECT_EQ(button->text(), b.caption);
        EXPECT_EQ(button->toolTip(), b.toolTip);
    }
    EXPECT_EQ(control<QGroupBox>(form, "fraButtons")->toolTip(), "Select Answer Options");
    EXPECT_EQ(control<QToolButton>(form, "pbInfo")->toolTip(), "Select MsgBox Icon");

    EXPECT_EQ(showCode(), "Dim sMsg as string\r\n"
                          "sMsg = \"Type lines and press Enter for Multiline\"\r\n"
                          "MsgBox sMsg, 16, \"MsgBox Caption\"\r\n\r\n");
}

TEST_F(MsgBoxDesigner, EachButtonStyleEnablesItsDefaultButtons)
{
    const struct
    {
        const char *option;
        int count;
        const char *flags;
    } cases[] = {
        {"rbOkcancel", 2, "17"},   {"rbAbortRetryIgnore", 3, "18"}, {"rbYesNoCancel", 3, "19"},
        {"rbYesNo", 2, "20"},      {"rbRetryCancel", 2, "21"},      {"rbOk", 1, "16"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.option);
        click(c.option);
        EXPECT_TRUE(control<QRadioButton>(form, "rbButton1")->isEnabled());
        EXPECT_EQ(control<QRadioButton>(form, "rbButton2")->isEnabled(), c.count >= 2);
        EXPECT_EQ(control<QRadioButton>(form, "rbButton3")->isEnabled(), c.count >= 3);
        EXPECT_NE(showCode().find(std::string("MsgBox sMsg, ") + c.flags + ","), std::string::npos);
    }
}

TEST_F(MsgBoxDesigner, ComposesAFunctionWithItsAnswerBlock)
{
    click("rbYesNoCancel");
    click("rbButton2");
    click("pbQuestion");
    click("rbMsgboxFunction");
    control<QLineEdit>(form, "txtTitle")->setText("  Save?  ");
    control<QPlainTextEdit>(form, "txtMessage")->setPlainText("Save \"Report1\"?\nAll changes are lost.\n");
    EXPECT_EQ(showCode(), "Dim sMsg as string\r\n"
                          "Dim iRV as integer\r\n"
                          "sMsg = \"Save \"\"Report1\"\"?\" & Chr(10)\r\n"
                          "sMsg = sMsg & \"All changes are lost.\"\r\n"
                          "iRV = MsgBox(sMsg, 291, \"Save?\")\r\n\r\n" +
                              test::answerBlock(3));

    // Back to the statement, and a default button the new style lacks falls back to Button 1.
    click("rbMsgboxStatement");
    click("rbOk");
    EXPECT_TRUE(control<QRadioButton>(form, "rbButton1")->isChecked());
    EXPECT_NE(showCode().find("MsgBox sMsg, 32, \"Save?\"\r\n\r\n"), std::string::npos);
}

TEST_F(MsgBoxDesigner, SystemModalDropsTheIconAndUncheckingGivesStopAgain)
{
    click("pbExclamation");
    click("chkSystemModal");
    EXPECT_NE(showCode().find("MsgBox sMsg, 4096,"), std::string::npos);
    click("pbInfo"); // an icon chosen now changes nothing while the box is system modal
    EXPECT_NE(showCode().find("MsgBox sMsg, 4096,"), std::string::npos);
    EXPECT_FALSE(control<QToolButton>(form, "pbInfo")->isChecked());
    click("chkSystemModal");
    EXPECT_NE(showCode().find("MsgBox sMsg, 16,"), std::string::npos);
    EXPECT_TRUE(control<QToolButton>(form, "pbStop")->isChecked());
    EXPECT_FALSE(control<QToolButton>(form, "pbInfo")->isChecked());
}

TEST_F(MsgBoxDesigner, EightBitTextsReachTheCodeAsTheirBytes)
{
    control<QLineEdit>(form, "txtTitle")->setText(QString::fromUtf8("Caf\u00e9"));
    control<QPlainTextEdit>(form, "txtMessage")->setPlainText(QString::fromUtf8("Preis: 5 \u20ac"));
    EXPECT_EQ(showCode(), "Dim sMsg as string\r\n"
                          "sMsg = \"Preis: 5 \x80\"\r\n"
                          "MsgBox sMsg, 16, \"Caf\xe9\"\r\n\r\n");
}

TEST_F(MsgBoxDesigner, UnloadingTheDesignerUnderThePreviewTakesThePreviewAlong)
{
    QPointer<frmShowCode> shown;
    frmShowCode::setModalHook([&](frmShowCode &preview) {
        shown = &preview;
        delete form.data(); // the shell unloads its tool windows at disconnection
    });
    click("pbShowCode");
    EXPECT_FALSE(form);
    EXPECT_FALSE(shown);
    EXPECT_FALSE(common::programState().isWindowOpen("frmMsgBox"));
}

TEST_F(MsgBoxDesigner, EmptyTextsGiveTheBareCall)
{
    control<QLineEdit>(form, "txtTitle")->clear();
    control<QPlainTextEdit>(form, "txtMessage")->clear();
    EXPECT_EQ(showCode(), "Dim sMsg as string\r\nMsgBox sMsg, 16, \"\"\r\n\r\n");
}

TEST_F(MsgBoxDesigner, TestShowsTheBoxAsTyped)
{
    click("rbRetryCancel");
    click("rbButton2");
    click("pbInfo");
    control<QLineEdit>(form, "txtTitle")->setText(" \"Disk\" ");
    control<QPlainTextEdit>(form, "txtMessage")->setPlainText("Drive A: is not ready.\nTry again?\n");
    runtime.queueMsgBoxAnswer(platform::mb::Cancel);
    click("pbTest");
    const auto boxes = runtime.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Drive A: is not ready.\r\nTry again?");
    EXPECT_EQ(boxes[0].title, " \"Disk\" ");
    EXPECT_EQ(boxes[0].style, 5 + 256 + 64);
    EXPECT_TRUE(form); // the answer is not used: the designer stays

    click("chkSystemModal");
    click("pbTest");
    EXPECT_EQ(runtime.callsOf("msgbox").back().style, 5 + 256 + 4096);
}

TEST_F(MsgBoxDesigner, PaintItPastesIntoTheRecordedHostWindow)
{
    click("rbOkcancel");
    control<QPlainTextEdit>(form, "txtMessage")->setPlainText("Continue?");
    int pendingEventRuns = 0;
    runtime.onProcessEvents = [&] {
        // Pending events run once the code is on the clipboard, before the designer unloads.
        ++pendingEventRuns;
        EXPECT_TRUE(common::programState().isWindowOpen("frmMsgBox"));
        EXPECT_FALSE(runtime.clipboardText().empty());
    };
    click("pbPaintIt");
    EXPECT_EQ(pendingEventRuns, 1);
    const std::string code = "Dim sMsg as string\r\n"
                             "sMsg = \"Continue?\"\r\n"
                             "MsgBox sMsg, 17, \"MsgBox Caption\"\r\n\r\n";
    EXPECT_EQ(runtime.clipboardText(), code);
    EXPECT_EQ(host.activations(), std::vector<std::string>{kHostCaption});
    EXPECT_EQ(host.clipboardAtActivation, code);
    EXPECT_EQ(host.keys(), std::vector<std::string>{"+{INSERT} wait"});
    EXPECT_TRUE(runtime.callsOf("msgbox").empty());
    EXPECT_FALSE(common::programState().isWindowOpen("frmMsgBox"));
    EXPECT_TRUE(test::isGone(form));
}

TEST_F(MsgBoxDesigner, PaintItWithoutTheHostWindowKeepsTheCodeOnTheClipboard)
{
    common::programState().hostCaption = "Project9 - gone";
    click("pbPaintIt");
    EXPECT_NE(runtime.clipboardText().find("MsgBox sMsg, 16,"), std::string::npos);
    EXPECT_TRUE(host.keys().empty());
    const auto boxes = runtime.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Error");
    EXPECT_EQ(boxes[0].text, "The window \"Project9 - gone\" can't be found.\nThe code is on the clipboard.");
    EXPECT_EQ(boxes[0].style, 16);

    // No recorded host window at all: nothing is activated, least of all some other window.
    runtime.clearCalls();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    form = windows.openAs<frmMsgBox>(common::window::MsgBox);
    common::programState().hostCaption.clear();
    click("pbPaintIt");
    EXPECT_TRUE(host.activations().empty());
    EXPECT_TRUE(runtime.callsOf("activate").empty());
    ASSERT_EQ(runtime.callsOf("msgbox").size(), 1u);
    EXPECT_EQ(runtime.callsOf("msgbox")[0].style, 48);
}

// A runtime whose message boxes fail until one has failed: the live test's box fails, the
// report of that failure shows.
class FailingMsgBoxUi final : public platform::ScriptedUi
{
public:
    int msgBox(std::string_view text, int style, std::string_view title) override
    {
        if (!failed) {
            failed = true;
            throw platform::VbError(5);
        }
        return ScriptedUi::msgBox(text, style, title);
    }
    bool failed = false;
};

TEST_F(MsgBoxDesigner, AFailingTestIsReportedAndTheDesignerStays)
{
    FailingMsgBoxUi failing;
    platform::ScopedUi scopedFailing(failing);
    click("pbTest");
    const auto boxes = failing.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Quillmark: System Error");
    EXPECT_EQ(boxes[0].text, "The Following Error \"5: Invalid procedure call or argument\"\n\r"
                             "Occured in Function/Sub \"TestMsgBoxProc\"");
    EXPECT_EQ(boxes[0].style, 16);
    EXPECT_TRUE(common::programState().isWindowOpen("frmMsgBox"));
    click("pbTest"); // and it still works
    EXPECT_EQ(failing.callsOf("msgbox").size(), 2u);
}

class RefusingClipboardUi final : public platform::ScriptedUi
{
public:
    void clipboardSetText(std::string_view) override { throw platform::VbError(521, "Can't open Clipboard"); }
};

TEST_F(MsgBoxDesigner, PaintItKeepsTheDesignerWhenTheClipboardRefusesTheCode)
{
    RefusingClipboardUi refusing;
    platform::ScopedUi scopedRefusing(refusing);
    refusing.setKeyboardTarget(&host);
    click("pbPaintIt");
    const auto boxes = refusing.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "The Following Error \"521: Can't open Clipboard\"\n\r"
                             "Occured in Function/Sub \"pbPaintIt_Click\"");
    EXPECT_TRUE(host.activations().empty());
    EXPECT_TRUE(host.keys().empty());
    EXPECT_TRUE(common::programState().isWindowOpen("frmMsgBox"));
    EXPECT_FALSE(test::isGone(form));
}

TEST_F(MsgBoxDesigner, ExitAndCloseUnloadWithoutPasting)
{
    click("pbExit");
    EXPECT_FALSE(common::programState().isWindowOpen("frmMsgBox"));
    EXPECT_TRUE(host.activations().empty());
    EXPECT_TRUE(host.keys().empty());
    EXPECT_TRUE(test::isGone(form));

    // The next load starts from the initial values again.
    form = windows.openAs<frmMsgBox>(common::window::MsgBox);
    EXPECT_TRUE(common::programState().isWindowOpen("frmMsgBox"));
    EXPECT_TRUE(control<QRadioButton>(form, "rbOk")->isChecked());
    form->close();
    EXPECT_FALSE(common::programState().isWindowOpen("frmMsgBox"));
}

TEST_F(MsgBoxDesigner, HelpButtonAndProductPicture)
{
    click("pbHelp");
    EXPECT_EQ(host.keys(), std::vector<std::string>{"{F1}"}); // without waiting
    click("picProduct");
    const auto help = runtime.callsOf("help");
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0].style, 3);
    EXPECT_EQ(help[0].text, platform::programDirectory() + "\\quillmrk.hlp");
}

TEST_F(MsgBoxDesigner, TextBoxesSelectOnFocusAndMoveOnWithEnter)
{
    auto *title = control<QLineEdit>(form, "txtTitle");
    auto *message = control<QPlainTextEdit>(form, "txtMessage");
    form->show();
    form->activateWindow();
    QApplication::processEvents();

    title->setText("  Caption  ");
    title->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(title->hasFocus());
    EXPECT_EQ(title->selectionStart(), 0);
    EXPECT_EQ(title->selectedText(), "  Caption  ");

    sendKey(title, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::processEvents();
    EXPECT_TRUE(message->hasFocus());
    EXPECT_EQ(title->text(), "  Caption  ");
    EXPECT_EQ(message->textCursor().selectionStart(), 0);
    EXPECT_EQ(message->textCursor().selectionEnd(), message->toPlainText().size());

    // Enter in the message moves on too; Shift+Enter breaks the line instead.
    message->moveCursor(QTextCursor::End);
    sendKey(message, Qt::Key_X, Qt::NoModifier, "x");
    sendKey(message, Qt::Key_Return, Qt::ShiftModifier, "\r");
    EXPECT_TRUE(message->hasFocus());
    sendKey(message, Qt::Key_Y, Qt::NoModifier, "y");
    EXPECT_EQ(message->toPlainText(), "Type lines and press Enter for Multiline\nx\ny");
    sendKey(message, Qt::Key_Enter, Qt::KeypadModifier, "\r");
    QApplication::processEvents();
    EXPECT_TRUE(control<QRadioButton>(form, "rbOk")->hasFocus());
    EXPECT_EQ(message->toPlainText(), "Type lines and press Enter for Multiline\nx\ny");
    EXPECT_NE(showCode().find("sMsg = sMsg & \"x\" & Chr(10)\r\nsMsg = sMsg & \"y\"\r\n"),
              std::string::npos);
}

} // namespace
} // namespace qm::generators
