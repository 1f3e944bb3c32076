// The host's windows over the model: keys typed into a window reach the same key map as sent
// keys, code windows and designers follow the model, a project that does not load is told.
#include "ide/ui/HostUi.h"

#include "ide/CodePane.h"
#include "ide/Designer.h"
#include "ide/Form.h"
#include "ide/Ide.h"
#include "ide/ui/CodeView.h"
#include "ide/ui/DesignerView.h"
#include "ide/ui/KeyEvents.h"
#include "ide/ui/PropertiesWindow.h"
#include "platform/ScriptedUi.h"
#include "platform/SendKeys.h"
#include "platform/VbError.h"
#include "platform/WindowRegistry.h"
#include "platform/qt/QtText.h"
#include "tests/support/IdeFixture.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <filesystem>

using namespace qm;
using platform::KeyChord;

namespace {

const char kForm[] = "VERSION 5.00\r\n"
                     "Begin VB.Form frmTest \r\n"
                     "   Caption         =   \"Test\"\r\n"
                     "   ClientHeight    =   3000\r\n"
                     "   ClientLeft      =   60\r\n"
                     "   ClientTop       =   345\r\n"
                     "   ClientWidth     =   4500\r\n"
                     "   Begin VB.Frame fraBox \r\n"
                     "      Caption         =   \"Box\"\r\n"
                     "      Height          =   1500\r\n"
                     "      Left            =   1500\r\n"
                     "      TabIndex        =   1\r\n"
                     "      Top             =   1200\r\n"
                     "      Width           =   2400\r\n"
                     "      Begin VB.CheckBox chkOne \r\n"
                     "         Caption         =   \"One\"\r\n"
                     "         Height          =   300\r\n"
                     "         Left            =   150\r\n"
                     "         TabIndex        =   2\r\n"
                     "         Top             =   300\r\n"
                     "         Width           =   1200\r\n"
                     "      End\r\n"
                     "   End\r\n"
                     "   Begin VB.CommandButton cmdGo \r\n"
                     "      Caption         =   \"&Go\"\r\n"
                     "      Height          =   450\r\n"
                     "      Left            =   150\r\n"
                     "      TabIndex        =   0\r\n"
                     "      Top             =   150\r\n"
                     "      Width           =   1200\r\n"
                     "   End\r\n"
                     "End\r\n"
                     "Attribute VB_Name = \"frmTest\"\r\n"
                     "Option Explicit\r\n"
                     "\r\n"
                     "Private Sub cmdGo_Click()\r\n"
                     "    Beep\r\n"
                     "End Sub\r\n";

struct UiHost : test::IdeFixture<>
{
    void SetUp() override
    {
        dirs.program.write("frmTest.frm", kForm);
        dirs.program.write("Test.vbp", "Type=Exe\r\nForm=frmTest.frm\r\nName=\"Test\"\r\n");
        IdeFixture::SetUp();
        ASSERT_TRUE(host->openProject(dirs.program.file("Test.vbp")));
    }
    ide::ComponentPtr form() { return model->project()->findComponent("frmTest"); }
    static void
    press(QWidget &w, int key, Qt::KeyboardModifiers mods = {}, const QString &text = {})
    {
        QKeyEvent event(QEvent::KeyPress, key, mods, text);
        QCoreApplication::sendEvent(&w, &event);
    }
    static void mouse(QWidget &w, QEvent::Type type, QPoint at, Qt::KeyboardModifiers mods = {})
    {
        QMouseEvent event(type, QPointF(at), QPointF(w.mapToGlobal(at)), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, mods);
        QCoreApplication::sendEvent(&w, &event);
    }
};

TEST(UiKeyEvents, AChordSurvivesTheWayThroughAKeyEvent)
{
    for (const char *keys : {"a",      "A",     "+a",    "^c", "^+{END}", "{ENTER}", "{TAB}",
                             "+{TAB}", "+{F7}", "^{F4}", "%x", "{ADD}",   "{+}",     "{DEL}",
                             "^{DEL}", "{BS}",  "7",     "~",  "{F16}",   "\xe9"}) {
        for (const KeyChord &chord : platform::parseSendKeys(keys)) {
            auto event = ide::keyEventOfChord(chord);
            auto back = ide::chordOfKeyEvent(*event);
            ASSERT_TRUE(back.has_value()) << keys;
            EXPECT_EQ(*back, chord) << keys << " came back as " << platform::describeChord(*back);
        }
    }
}

TEST(UiKeyEvents, APersonsKeysBecomeTheHostsChords)
{
    struct Case
    {
        int key;
        Qt::KeyboardModifiers mods;
        QString text;
        const char *chord;
    } cases[] = {
        {Qt::Key_C, Qt::ControlModifier, QStringLiteral("\x03"), "^c"},
        {Qt::Key_S, Qt::ControlModifier, QString(), "^s"},
        {Qt::Key_F7, Qt::ShiftModifier, QString(), "+{F7}"},
        {Qt::Key_Backtab, Qt::ShiftModifier, QString(), "+{TAB}"},
        {Qt::Key_Enter, Qt::KeypadModifier, QString(), "{ENTER}"},
        {Qt::Key_Plus, Qt::KeypadModifier, QStringLiteral("+"), "{ADD}"},
        {Qt::Key_Plus, Qt::ShiftModifier, QStringLiteral("+"), "+{+}"},
        {Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"), "+A"},
    };
    for (const Case &c : cases) {
        QKeyEvent event(QEvent::KeyPress, c.key, c.mods, c.text);
        auto chord = ide::chordOfKeyEvent(event);
        ASSERT_TRUE(chord.has_value()) << c.chord;
        EXPECT_EQ(platform::describeChord(*chord), c.chord);
    }
    QKeyEvent shift(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_FALSE(ide::chordOfKeyEvent(shift).has_value());
}

TEST(UiCodeText, MapsBytesWithAnyLineEndToTheDocument)
{
    ide::Ide model;
    platform::ScriptedUi ui;
    platform::ScopedUi installed(ui);
    ide::HostUi host(model);
    ide::CodeText text(host, nullptr);
    text.setShown("ab\r\ncd\ne\rf");
    EXPECT_EQ(text.toPlainText(), QStringLiteral("ab\ncd\ne\nf"));
    const std::pair<std::size_t, int> table[] = {{0, 0}, {2, 2}, {4, 3}, {6, 5},
                                                 {7, 6}, {9, 8}, {10, 9}};
    for (const auto &[byte, position] : table) {
        EXPECT_EQ(text.documentPosition(byte), position) << byte;
        EXPECT_EQ(text.byteOffset(position), byte) << position;
    }
    // Inside a CR LF the position is the end of its line.
    EXPECT_EQ(text.documentPosition(3), 2);
}

TEST_F(UiHost, WindowsFollowTheModelWithTheHostsClassesAndCaptions)
{
    const platform::WindowRegistry &registry = platform::windowRegistry();
    EXPECT_EQ(platform::windowCaption(model->mainWindow()),
              "Test - Microsoft Visual Basic [design]");
    EXPECT_EQ(host->widgetOf(model->mainWindow())->windowTitle(),
              QStringLiteral("Test - Microsoft Visual Basic [design]"));
    model->showDesigner(form());
    host->sync();
    ide::DesignerView *designer = host->designerView(*form());
    ASSERT_NE(designer, nullptr);
    EXPECT_EQ(platform::windowClassName(model->designerOf(*form())->window), "ThunderForm");
    EXPECT_TRUE(designer->isVisible());
    // The designer takes the form's client size (4500 x 3000 twips).
    EXPECT_EQ(designer->size(), QSize(300, 200));

    // F7 typed into the designer opens the code window, as the key map says.
    press(*designer, Qt::Key_F7);
    ide::CodeView *code = host->codeView(*form());
    ASSERT_NE(code, nullptr);
    EXPECT_EQ(platform::windowClassName(model->codeWindowOf(*form())->window), "VBCodeWin");
    EXPECT_EQ(code->windowTitle(), QStringLiteral("frmTest (Code)"));
    EXPECT_EQ(registry.activeWindow(), model->codeWindowOf(*form())->window);

    // Ctrl+F4 closes it, and its window goes with it.
    press(*code->text(), Qt::Key_F4, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(host->codeView(*form()), nullptr);
    EXPECT_EQ(model->codeWindowCount(), 0u);
}

TEST_F(UiHost, TypedAndSentKeysEditTheCodeAlike)
{
    ide::CodeWindow &cw = model->showCode(form());
    cw.pane->showProcedure("cmdGo_Click");
    host->sync();
    ide::CodeView *view = host->codeView(*form());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->procedureList()->currentText(), QStringLiteral("Click"));
    EXPECT_EQ(view->objectList()->currentText(), QStringLiteral("cmdGo"));
    // A person types at the end of the procedure's first line...
    press(*view->text(), Qt::Key_End);
    press(*view->text(), Qt::Key_Return);
    for (QChar c : QStringLiteral("Dim i")) {
        press(*view->text(), Qt::Key_unknown, {}, QString(c));
    }
    // ...and an add-in sends the same kind of keys.
    ui.sendKeys("{ENTER}i = 1", true);
    EXPECT_NE(form()->code().find("Private Sub cmdGo_Click()\r\nDim i\r\ni = 1\r\n    Beep"),
              std::string::npos)
        << form()->code();
    EXPECT_TRUE(view->text()->toPlainText().contains(QStringLiteral("Dim i\ni = 1")));
    // Copy puts the selection on the clipboard the runtime gives.
    ui.sendKeys("^{HOME}^+{END}^c", true);
    EXPECT_EQ(ui.clipboardText(),
              "Private Sub cmdGo_Click()\r\nDim i\r\ni = 1\r\n    Beep\r\nEnd Sub");
}

TEST_F(UiHost, AKeyTypedIntoAWindowGoesThereWhicheverWindowTheRegistryHadActive)
{
    model->showCode(form());
    host->sync();
    ide::CodeView *view = host->codeView(*form());
    ASSERT_NE(view, nullptr);
    // The window manager told us of no activation: the project window is still the active one.
    platform::windowRegistry().activate(model->projectWindow());
    press(*view->text(), Qt::Key_unknown, {}, QStringLiteral("x"));
    EXPECT_EQ(platform::windowRegistry().activeWindow(), model->codeWindowOf(*form())->window);
    EXPECT_EQ(form()->code().rfind("xOption Explicit", 0), 0u) << form()->code();
}

TEST_F(UiHost, TheDesignerSelectsMovesAndResizesByMouse)
{
    model->showDesigner(form());
    host->sync();
    ide::DesignerView &view = *host->designerView(*form());
    ide::Designer &designer = *model->designerOf(*form())->designer;
    auto names = [&] {
        std::vector<std::string> out;
        for (const auto &c : designer.selection())
            out.push_back(c->displayName());
        return out;
    };
    const ide::FormFile &file = designer.form();
    // The check box inside the frame: frame at (100, 80), box at (10, 20) inside it.
    EXPECT_EQ(view.controlRect(*file.findControl("chkOne")), QRect(110, 100, 80, 20));
    mouse(view, QEvent::MouseButtonPress, {115, 105});
    mouse(view, QEvent::MouseButtonRelease, {115, 105});
    EXPECT_EQ(names(), std::vector<std::string>{"chkOne"});
    mouse(view, QEvent::MouseButtonPress, {20, 20}, Qt::ShiftModifier);
    mouse(view, QEvent::MouseButtonRelease, {20, 20}, Qt::ShiftModifier);
    EXPECT_EQ(names(), (std::vector<std::string>{"chkOne", "cmdGo"}));
    // The rubber band picks the form's own controls it touches.
    mouse(view, QEvent::MouseButtonPress, {295, 195});
    mouse(view, QEvent::MouseButtonRelease, {250, 150});
    EXPECT_EQ(names(), std::vector<std::string>{"fraBox"});
    // Dragging the frame (away from its handles) moves it by whole pixels of 15 twips.
    mouse(view, QEvent::MouseButtonPress, {130, 90});
    mouse(view, QEvent::MouseButtonRelease, {140, 86});
    EXPECT_EQ(file.findControl("fraBox")->number("Left"), 1650);
    EXPECT_EQ(file.findControl("fraBox")->number("Top"), 1140);
    EXPECT_EQ(file.findControl("chkOne")->number("Left"), 150);
    // The right handle widens it.
    const QRect box = view.controlRect(*file.findControl("fraBox"));
    const QPoint handle = ide::handleRects(box)[3].center();
    mouse(view, QEvent::MouseButtonPress, handle);
    mouse(view, QEvent::MouseButtonRelease, handle + QPoint(20, 0));
    EXPECT_EQ(file.findControl("fraBox")->number("Width"), 2700);
    // The properties window shows what is selected.
    EXPECT_EQ(host->propertiesWindow().shownValue("Caption"), "Box");
}

TEST(UiDesigner, ResizingNeverTurnsARectangleInsideOut)
{
    const QRect r(10, 10, 20, 10);
    struct Case
    {
        int handle;
        QPoint delta;
        QRect expected;
    } cases[] = {
        {4, {5, 5}, QRect(10, 10, 25, 15)}, {0, {-5, -5}, QRect(5, 5, 25, 15)},
        {1, {9, 3}, QRect(10, 13, 20, 7)},  {3, {-50, 0}, QRect(10, 10, 1, 10)},
        {7, {50, 0}, QRect(29, 10, 1, 10)}, {5, {0, -30}, QRect(10, 10, 20, 1)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ide::resizedRect(r, c.handle, c.delta), c.expected) << c.handle;
}

TEST_F(UiHost, ThePropertiesWindowShowsAFormPickedButNotOpenedAndOpensItForAControl)
{
    ASSERT_EQ(model->designerCount(), 0u);
    ide::PropertiesWindow &properties = host->propertiesWindow();
    EXPECT_EQ(properties.shownValue("Caption"), "Test");
    ASSERT_TRUE(properties.editProperty("Caption", "Renamed"));
    EXPECT_EQ(form()->form()->root()->text("Caption"), "Renamed");
    // Picking one of its controls in the object list opens the designer with it selected.
    properties.objects()->setCurrentIndex(1);
    emit properties.objects()->activated(1);
    ASSERT_NE(model->designerOf(*form()), nullptr);
    ASSERT_EQ(model->designerOf(*form())->designer->selection().size(), 1u);
    EXPECT_EQ(properties.shownValue("Name"),
              model->designerOf(*form())->designer->selection()[0]->name());
}

TEST_F(UiHost, PropertiesTakeWhatAPersonTypes)
{
    ide::ControlPtr go = form()->form()->findControl("cmdGo");
    struct Case
    {
        const char *name;
        const char *typed;
        const char *shown;
    } cases[] = {
        {"Caption", "Say \"Hi\"", "Say \"Hi\""},
        {"Default", "True", "True"},
        {"Default", "0", "False"},
        {"Left", "300", "300"},
        {"BackColor", "&H000000FF&", "&H000000FF&"},
        {"Style", "1 - Graphical", "1 - Graphical"},
    };
    for (const Case &c : cases) {
        go->setProperty(c.name, ide::typedValue(*go, c.name, c.typed));
        EXPECT_EQ(ide::displayValue(*go, c.name), c.shown) << c.name << " " << c.typed;
    }
    EXPECT_NE(form()->text().find("      Caption         =   \"Say \"\"Hi\"\"\"\r\n"),
              std::string::npos);
    for (const char *bad : {"", "many", "1e99"})
        EXPECT_THROW(ide::typedValue(*go, "Left", bad), platform::VbError) << bad;
    EXPECT_THROW(ide::typedValue(*go, "Default", "perhaps"), platform::VbError);
}

TEST_F(UiHost, AProjectThatDoesNotLoadIsToldAndTheHostKeepsWhatItHad)
{
    EXPECT_FALSE(host->openProject(dirs.program.file("Missing.vbp")));
    const auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Open Project");
    EXPECT_EQ(boxes[0].style, platform::mb::Critical);
    EXPECT_NE(boxes[0].text.find("File not found"), std::string::npos);
    ASSERT_NE(model->project(), nullptr);
    EXPECT_EQ(model->project()->name(), "Test");
    EXPECT_NE(form(), nullptr);
}

TEST_F(UiHost, ClosingAskesToSaveChangesAndCancelKeepsTheHostOpen)
{
    form()->form()->findControl("cmdGo")->setProperty("Left", ide::Value(600));
    ui.queueMsgBoxAnswer(platform::mb::Cancel);
    EXPECT_FALSE(host->prepareClose(true));
    ui.queueMsgBoxAnswer(platform::mb::Yes);
    EXPECT_TRUE(host->prepareClose(true));
    EXPECT_NE(dirs.program.read("frmTest.frm").find("      Left            =   600\r\n"),
              std::string::npos);
    EXPECT_FALSE(form()->isModified());
}

TEST_F(UiHost, UndoBringsTheFormBackByteForByteAndRedoAgain)
{
    const std::string before = form()->text();
    model->showDesigner(form());
    host->sync();
    ide::DesignerWindow *d = model->designerOf(*form());
    // Three steps: a nested control deleted, a property of the form, a control moved.
    d->designer->select({form()->form()->findControl("chkOne")});
    host->deliverKey(platform::parseSendKeys("{DEL}").front());
    form()->form()->root()->setProperty("Caption", ide::Value(std::string("Changed")));
    host->sync();
    form()->form()->findControl("cmdGo")->setProperty("Left", ide::Value(900));
    host->sync();
    ASSERT_EQ(form()->form()->findControl("chkOne"), nullptr);
    const std::string changed = form()->text();

    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(host->undo()) << i;
    EXPECT_FALSE(host->undo());
    EXPECT_EQ(form()->text(), before);
    EXPECT_FALSE(form()->isModified());
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(host->redo()) << i;
    EXPECT_EQ(form()->text(), changed);
    // Ctrl+Z reaches the designer as a key, like the menu.
    host->deliverKey(platform::parseSendKeys("^z").front());
    EXPECT_EQ(form()->form()->findControl("cmdGo")->number("Left"), 150);
}

TEST_F(UiHost, UndoTakesAwayPropertyLinesAddedSinceAndClearsTheChangedMark)
{
    const std::string before = form()->text();
    model->showDesigner(form());
    host->sync();
    // Each step writes a line the file did not have: on a control, on the form, in a new
    // Font block.
    struct Step
    {
        const char *control, *property;
        ide::Value value;
    } steps[] = {
        {"cmdGo", "ToolTipText", ide::Value(std::string("Start"))},
        {"frmTest", "Tag", ide::Value(std::string("main"))},
        {"chkOne", "Font.Bold", ide::Value(true)},
        {"cmdGo", "ToolTipText", ide::Value(std::string("Go on"))},
    };
    for (const Step &step : steps) {
        ide::ControlPtr control = std::string(step.control) == "frmTest"
                                      ? form()->form()->root()
                                      : form()->form()->findControl(step.control);
        control->setProperty(step.property, step.value);
        host->sync();
    }
    const std::string changed = form()->text();
    ASSERT_NE(changed.find("ToolTipText"), std::string::npos);
    EXPECT_TRUE(host->isChanged(*form()));

    for (std::size_t i = 0; i < std::size(steps); ++i)
        EXPECT_TRUE(host->undo()) << i;
    EXPECT_FALSE(host->undo());
    EXPECT_EQ(form()->text(), before);
    EXPECT_FALSE(form()->isModified());
    EXPECT_FALSE(host->isChanged(*form()));

    ASSERT_TRUE(host->redo());
    EXPECT_TRUE(host->isChanged(*form()));
    while (host->redo()) {
    }
    EXPECT_EQ(form()->text(), changed);
    // The designer and the properties window work on the form brought back.
    model->designerOf(*form())->designer->select({form()->form()->findControl("cmdGo")});
    host->deliverKey(platform::parseSendKeys("{DEL}").front());
    EXPECT_EQ(form()->form()->findControl("cmdGo"), nullptr);
    EXPECT_TRUE(host->undo());
    EXPECT_EQ(form()->text(), changed);
}

TEST_F(UiHost, ALargeFrxIsKeptOnceAcrossUndoSteps)
{
    form()->setFrx(std::string(1 << 20, '\x01'));
    model->showDesigner(form());
    host->sync();
    for (int step = 1; step <= 100; ++step) {
        form()->form()->findControl("cmdGo")->setProperty("Left", ide::Value(150 + 15 * step));
        host->sync();
    }
    EXPECT_EQ(host->frxCopiesHeld(*form()), 1u);
    for (int step = 0; step < 50; ++step)
        ASSERT_TRUE(host->undo()) << step;
    EXPECT_EQ(form()->form()->findControl("cmdGo")->number("Left"), 150 + 15 * 50);
    EXPECT_EQ(host->frxCopiesHeld(*form()), 1u);
    ASSERT_TRUE(form()->frx());
    EXPECT_EQ(form()->frx()->size(), std::size_t(1) << 20);
}

TEST_F(UiHost, UndoInACodeWindowTakesBackTypingThenAPaste)
{
    ide::CodeWindow &cw = model->showCode(form());
    host->sync();
    cw.pane->showProcedure("cmdGo_Click"); // the caret at its header
    host->sendKeyEvents("' one{ENTER}");
    platform::ui().clipboardSetText("' pasted\r\n");
    host->sendKeyEvents("^v");
    EXPECT_NE(form()->code().find("' one\r\n' pasted\r\nPrivate Sub"), std::string::npos);
    host->sendKeyEvents("^z");
    EXPECT_NE(form()->code().find("' one\r\nPrivate Sub"), std::string::npos);
    host->sendKeyEvents("^z");
    EXPECT_EQ(form()->code().find("' one"), std::string::npos);
    EXPECT_FALSE(form()->isModified());
    host->sendKeyEvents("^y^y");
    EXPECT_NE(form()->code().find("' one\r\n' pasted\r\nPrivate Sub"), std::string::npos);
    // Select All takes what the window shows.
    host->sendKeyEvents("^a");
    EXPECT_EQ(cw.pane->selectedText(), cw.pane->shownText());
}

TEST_F(UiHost, LeavingAsksForEachChangedFileAndThenTheProjectFile)
{
    dirs.program.write("modB.bas", "Attribute VB_Name = \"modB\"\r\nSub B()\r\nEnd Sub\r\n");
    dirs.program.write("Test.vbp",
                       "Type=Exe\r\nForm=frmTest.frm\r\nModule=modB; modB.bas\r\nName=\"Test\"\r\n");
    ASSERT_TRUE(host->openProject(dirs.program.file("Test.vbp")));
    form()->form()->findControl("cmdGo")->setProperty("Left", ide::Value(600));
    model->project()->findComponent("modB")->setCode("Sub B()\r\n    Beep\r\nEnd Sub\r\n");
    // No for the form, Yes for the module: only the module is written; the project file did
    // not change, so it is not asked about.
    ui.queueMsgBoxAnswer(platform::mb::No);
    ui.queueMsgBoxAnswer(platform::mb::Yes);
    EXPECT_TRUE(host->askToSaveChanges());
    const auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Save changes to frmTest?");
    EXPECT_EQ(boxes[1].text, "Save changes to modB?");
    EXPECT_EQ(dirs.program.read("frmTest.frm"), kForm);
    EXPECT_NE(dirs.program.read("modB.bas").find("    Beep"), std::string::npos);
    // A new project nobody touched is left without a question.
    model->newProject();
    host->sync();
    EXPECT_TRUE(host->askToSaveChanges());
    EXPECT_EQ(ui.callsOf("msgbox").size(), 2u);
}

TEST_F(UiHost, AMissingProjectIsNamedInTheSystemsOwnSpelling)
{
    EXPECT_FALSE(host->openProject(dirs.program.str() + "\\sub\\Missing.vbp"));
    const auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find(dirs.program.str() + "/sub/Missing.vbp"), std::string::npos)
        << boxes[0].text;

    // A component the project names with backslashes and that cannot be read.
    std::filesystem::create_directories(dirs.program.path() / "sub");
    dirs.program.write("sub/Broken.frm", "VERSION 5.00\r\nBegin VB.Form Broken\r\n");
    dirs.program.write("Two.vbp", "Form=sub\\Broken.frm\r\n");
    host->openProject(dirs.program.file("Two.vbp"));
    const std::string said = ui.callsOf("msgbox").back().text;
    EXPECT_NE(said.find(dirs.program.str() + "/sub/Broken.frm"), std::string::npos) << said;
    EXPECT_EQ(said.find('\\'), std::string::npos) << said;
}

} // namespace
