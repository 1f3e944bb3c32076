// The host interface over the stand-in IDE, driven as the add-in drives it: menus and command
// objects, file notifications, the active project and form, selected controls and their
// properties, file insertion, reload, and the keystrokes the add-in sends.
#include "ide/IdeSession.h"

#include "host/HostHelpers.h"
#include "ide/Form.h"
#include "platform/FileSystem.h"
#include "platform/ScriptedUi.h"
#include "platform/VbError.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace qm;

namespace {

std::string crlf(std::initializer_list<const char *> lines)
{
    std::string out;
    for (const char *line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

const std::string kForm1 = crlf({
    "VERSION 5.00",
    "Begin VB.Form Form1 ",
    "   Caption         =   \"Form1\"",
    "   ClientHeight    =   3195",
    "   ClientLeft      =   60",
    "   ClientTop       =   345",
    "   ClientWidth     =   4680",
    "   Icon            =   \"Form1.frx\":0000",
    "   LinkTopic       =   \"Form1\"",
    "   ScaleHeight     =   3195",
    "   ScaleWidth      =   4680",
    "   StartUpPosition =   3  'Windows Default",
    "   Begin VB.CommandButton Command1 ",
    "      Caption         =   \"OK\"",
    "      Height          =   495",
    "      Left            =   240",
    "      TabIndex        =   1",
    "      Top             =   240",
    "      Width           =   1215",
    "   End",
    "   Begin VB.Label Label1 ",
    "      Caption         =   \"Name\"",
    "      Height          =   255",
    "      Left            =   240",
    "      TabIndex        =   0",
    "      Top             =   960",
    "      Width           =   1215",
    "   End",
    "End",
    "Attribute VB_Name = \"Form1\"",
    "Attribute VB_GlobalNameSpace = False",
    "Attribute VB_Creatable = False",
    "Attribute VB_PredeclaredId = True",
    "Attribute VB_Exposed = False",
    "Option Explicit",
    "",
    "Private Sub Command1_Click()",
    "    MsgBox \"Hello\"",
    "End Sub",
    "",
    "Private Sub Form_Load()",
    "    Label1.Caption = \"Ready\"",
    "    Dim total As Integer",
    "    total = 1",
    "End Sub",
});

const std::string kForm2 = crlf({
    "VERSION 5.00",
    "Begin VB.Form Form2 ",
    "   Caption         =   \"Second\"",
    "   ClientHeight    =   2000",
    "   ClientLeft      =   60",
    "   ClientTop       =   345",
    "   ClientWidth     =   3000",
    "   LinkTopic       =   \"Form2\"",
    "   ScaleHeight     =   2000",
    "   ScaleWidth      =   3000",
    "   Begin VB.CommandButton Command1 ",
    "      Caption         =   \"Close\"",
    "      Height          =   495",
    "      Left            =   120",
    "      TabIndex        =   0",
    "      Top             =   120",
    "      Width           =   1215",
    "   End",
    "End",
    "Attribute VB_Name = \"Form2\"",
    "Attribute VB_GlobalNameSpace = False",
    "Attribute VB_Creatable = False",
    "Attribute VB_PredeclaredId = True",
    "Attribute VB_Exposed = False",
    "Private Sub Command1_Click()",
    "    Unload Me",
    "End Sub",
});

const std::string kModule1 = crlf({
    "Attribute VB_Name = \"Module1\"",
    "Option Explicit",
    "",
    "Public Function Twice(n As Integer) As Integer",
    "    Twice = n * 2",
    "End Function",
});

const std::string kProject = crlf({
    "Type=Exe",
    "Form=Form1.frm",
    "Module=Module1; Module1.bas",
    "Form=Form2.frm",
    "Startup=\"Form1\"",
    "Name=\"Project1\"",
});

const std::string kFrx("\x10\x00\x00\x00icon\x00\xff\x01", 12);

struct Command : host::MenuCommand
{
    int clicks = 0;
    void AfterClick() override { ++clicks; }
};

// Records every file notification it receives, besides what the add-in's spy does.
struct Recorder : host::FileControlEvents
{
    std::vector<std::string> log;
    void AfterWriteFile(std::string_view FileName, bool Success) override
    {
        log.push_back("write " + std::string(platform::fileNamePart(FileName)) +
                      (Success ? "" : " failed"));
    }
    void AfterAddFile(std::string_view FileName) override
    {
        log.push_back("add " + std::string(platform::fileNamePart(FileName)));
    }
    void AfterRemoveFile(std::string_view FileName) override
    {
        log.push_back("remove " + std::string(platform::fileNamePart(FileName)));
    }
};

class IdeHostTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        platform::windowRegistry().clear();
        dir.write("Form1.frm", kForm1);
        dir.write("Form1.frx", kFrx);
        dir.write("Form2.frm", kForm2);
        dir.write("Module1.bas", kModule1);
        dir.write("Project1.vbp", kProject);
        session = std::make_unique<ide::IdeSession>(ui);
    }
    void TearDown() override
    {
        session.reset();
        platform::windowRegistry().clear();
    }

    ide::Ide &ide() { return session->ide; }
    host::Host &host() { return session->host; }
    ide::ComponentPtr component(std::string_view name)
    {
        return ide().project()->findComponent(name);
    }
    void openProject() { ide().openProject(dir.file("Project1.vbp")); }
    // What the add-in does for every keystroke: find the host caption, activate, send, wait.
    void send(std::string_view keys)
    {
        host::sendKeysToHost(host::GetVBCaption("[design]", "[break]"), keys);
    }

    test::TempDir dir;
    platform::ScriptedUi ui;
    platform::ScopedUi scope{ui};
    std::unique_ptr<ide::IdeSession> session;
};

} // namespace

TEST_F(IdeHostTest, MenuLinesReachTheirCommandsUntilDisconnected)
{
    host::AddInMenu &menu = host().addInMenu();
    auto sub = menu.addSubMenu("Quillmark");
    auto hot = sub->addMenuItem("Hot &Buttons");
    auto about = sub->addMenuItem("&About Quillmark");
    EXPECT_EQ(sub->count(), 2);
    EXPECT_EQ(sub->item(1)->caption(), "&About Quillmark");
    EXPECT_THROW(sub->item(2), platform::VbError);

    Command toolbar;
    Command aboutBox;
    host::ConnectionId a = hot->connectEvents(toolbar);
    host::ConnectionId b = about->connectEvents(aboutBox);
    EXPECT_NE(a, b);
    EXPECT_TRUE(ide().addInMenu().click("Quillmark", "Hot &Buttons"));
    EXPECT_TRUE(ide().addInMenu().click("Quillmark", "Hot &Buttons"));
    EXPECT_EQ(toolbar.clicks, 2);
    EXPECT_EQ(aboutBox.clicks, 0);

    hot->disconnectEvents(a);
    ide().addInMenu().click("Quillmark", "Hot &Buttons");
    EXPECT_EQ(toolbar.clicks, 2);
    try {
        hot->disconnectEvents(a);
        ADD_FAILURE() << "disconnected twice";
    } catch (const platform::VbError &e) {
        EXPECT_EQ(e.number, 5);
    }

    menu.removeSubMenu(*sub);
    EXPECT_TRUE(ide().addInMenu().captions().empty());
    EXPECT_FALSE(ide().addInMenu().click("Quillmark", "&About Quillmark"));
    about->caption(); // a kept reference stays usable
    EXPECT_THROW(menu.removeSubMenu(*sub), platform::VbError);
}

TEST_F(IdeHostTest, SaveRaisesAfterWriteFileForFormAndFrx)
{
    std::string captured;
    std::string project;
    host::FileControlSpy spy(captured, project);
    Recorder recorder;
    host::ConnectionId spyId = host().connectFileControl(spy);
    host().connectFileControl(recorder);

    EXPECT_EQ(host().activeProjectFileName(), ""); // the new project was never saved
    openProject();
    EXPECT_EQ(project, dir.file("Project1.vbp"));
    EXPECT_EQ(host().activeProjectFileName(), dir.file("Project1.vbp"));

    ide().showDesigner(component("Form1"));
    send("^s");
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"write Form1.frm", "write Form1.frx"}));
    EXPECT_EQ(platform::fileNamePart(captured), "Form1.frm");
    EXPECT_EQ(dir.read("Form1.frm"), kForm1);
    EXPECT_EQ(dir.read("Form1.frx"), kFrx);

    // A changed module is written with the change.
    ide::CodeWindow &code = ide().showCode(component("Module1"));
    code.pane->showDeclarations();
    send("^{END}{ENTER}Dim y");
    send("^s");
    EXPECT_EQ(recorder.log.back(), "write Module1.bas");
    EXPECT_EQ(platform::fileNamePart(captured), "Module1.bas");
    EXPECT_NE(dir.read("Module1.bas").find("Option Explicit\r\n\r\nDim y"), std::string::npos);

    host().disconnectFileControl(spyId);
    EXPECT_THROW(host().disconnectFileControl(spyId), platform::VbError);
    ide().showDesigner(component("Form2"));
    send("^s");
    EXPECT_EQ(platform::fileNamePart(captured), "Module1.bas");
    EXPECT_EQ(recorder.log.back(), "write Form2.frm");
}

TEST_F(IdeHostTest, NewFormSavedThroughTheSaveDialog)
{
    Recorder recorder;
    host().connectFileControl(recorder);
    ui.queueFileAnswer(std::nullopt); // cancelled: nothing written, nothing told
    send("^s");
    EXPECT_TRUE(recorder.log.empty());
    ui.queueFileAnswer(dir.file("Fresh.frm"));
    send("^s");
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"write Fresh.frm"}));
    EXPECT_TRUE(platform::fileExists(dir.file("Fresh.frm")));
}

TEST_F(IdeHostTest, SaveProjectAsTellsOfTheComponentsItWritesAsSaveDoes)
{
    std::string captured;
    std::string project;
    host::FileControlSpy spy(captured, project);
    Recorder recorder;
    host().connectFileControl(spy);
    host().connectFileControl(recorder);
    openProject();
    component("Form1")->form()->root()->setProperty("Caption", ide::Value(std::string("Changed")));
    ide().setCode(component("Module1"), component("Module1")->code() + "Dim y\r\n");

    std::filesystem::create_directories(dir.file("copy"));
    ide().saveProjectAs(dir.file("copy/Copy.vbp"));
    // The changed components, the form before its .frx, in their own folder; not the project
    // file, and not the unchanged Form2.
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"write Form1.frm", "write Form1.frx",
                                                      "write Module1.bas"}));
    EXPECT_EQ(platform::fileNamePart(captured), "Module1.bas");
    EXPECT_NE(dir.read("Module1.bas").find("Dim y"), std::string::npos);

    // A new project's components are written beside it and told of too.
    recorder.log.clear();
    ide().newProject();
    std::filesystem::create_directories(dir.file("fresh"));
    ide().saveProjectAs(dir.file("fresh/Fresh.vbp"));
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"write Form1.frm"}));
    EXPECT_TRUE(platform::fileExists(dir.file("fresh/Form1.frm")));

    // A Save As that fails tells nothing was written.
    recorder.log.clear();
    ide().setCode(component("Form1"), "Dim z\r\n");
    EXPECT_THROW(ide().saveProjectAs(dir.file("no/such/folder/P.vbp")), platform::VbError);
    EXPECT_TRUE(recorder.log.empty());
}

TEST_F(IdeHostTest, AddFileInsertFileAndReload)
{
    Recorder recorder;
    host().connectFileControl(recorder);
    // A never saved project cannot be reloaded.
    EXPECT_THROW(host().reloadActiveProject(), platform::VbError);

    openProject();
    dir.write("Extra.bas", crlf({"Attribute VB_Name = \"Extra\"", "Sub Helper()", "End Sub"}));
    host().addFileToProject(dir.file("Extra.bas"));
    EXPECT_NE(component("Extra"), nullptr);
    EXPECT_EQ(recorder.log.back(), "add Extra.bas");
    EXPECT_THROW(host().addFileToProject(dir.file("Missing.bas")), platform::VbError);

    // Insert goes to the active form's code; with a module active there is no active form.
    ide().showCode(component("Module1"));
    dir.write("newproc.txt", "Private Sub NewOne()\r\nEnd Sub\r\n");
    try {
        host().insertFileIntoActiveForm(dir.file("newproc.txt"));
        ADD_FAILURE();
    } catch (const platform::VbError &e) {
        EXPECT_EQ(e.number, 91);
    }
    ide().showDesigner(component("Form1"));
    host().insertFileIntoActiveForm(dir.file("newproc.txt"));
    const std::string &code = component("Form1")->code();
    const std::string tail = "    total = 1\r\nEnd Sub\r\nPrivate Sub NewOne()\r\nEnd Sub\r\n";
    ASSERT_GE(code.size(), tail.size());
    EXPECT_EQ(code.substr(code.size() - tail.size()), tail);
    // Through an open code window as well.
    ide::CodeWindow &window = ide().showCode(component("Form1"));
    host().insertFileIntoActiveForm(dir.file("newproc.txt"));
    EXPECT_EQ(window.pane->procedureNames().back(), "NewOne");
    EXPECT_EQ(component("Form1")->code(), window.buffer);

    EXPECT_EQ(platform::fileNamePart(host().activeComponentFileName()), "Form1.frm");
    ide().showCode(component("Module1"));
    EXPECT_EQ(platform::fileNamePart(host().activeComponentFileName()), "Module1.bas");

    // Reload drops the unsaved changes and the added file.
    host().reloadActiveProject();
    EXPECT_EQ(component("Extra"), nullptr);
    EXPECT_EQ(component("Form1")->code().find("NewOne"), std::string::npos);
    EXPECT_EQ(ide().codeWindowCount(), 0u);
}

TEST_F(IdeHostTest, SelectedControlsAndTheirProperties)
{
    openProject();
    ide().showCode(component("Module1"));
    EXPECT_THROW(host().selectedControls(), platform::VbError); // no active form

    ide::DesignerWindow &designer = ide().showDesigner(component("Form1"));
    EXPECT_TRUE(host().selectedControls().empty());
    designer.designer->selectByName("Label1");
    designer.designer->selectByName("Command1", std::nullopt, true);
    host::ControlList selected = host().selectedControls();
    ASSERT_EQ(selected.size(), 2u);
    EXPECT_EQ(selected[0]->name(), "Label1");
    EXPECT_EQ(selected[1]->className(), "CommandButton");
    EXPECT_EQ(selected[1]->property("Left").toInt(), 240);
    EXPECT_EQ(selected[1]->property("Caption").toText(), "OK");
    EXPECT_TRUE(selected[1]->property("TabStop").toBool());            // the default
    EXPECT_THROW(selected[0]->property("TabStop"), platform::VbError); // labels have none

    selected[1]->setProperty("Left", 600);
    EXPECT_EQ(selected[1]->property("Left").toInt(), 600);
    selected[1]->setProperty("Font.Bold", true);
    EXPECT_TRUE(selected[1]->property("Font.Bold").toBool());
    try {
        selected[0]->setProperty("Text", "");
        ADD_FAILURE() << "a label has no Text";
    } catch (const platform::VbError &e) {
        EXPECT_EQ(e.number, 438);
    }

    // Moving Command1 to TabIndex 0 pushes Label1 up.
    selected[1]->setProperty("TabIndex", 0);
    EXPECT_EQ(selected[0]->property("TabIndex").toInt(), 1);

    // A control deleted in the designer: the add-in's handle fails instead of crashing.
    designer.designer->selectByName("Command1");
    session->keyboard.sendKeys("{DEL}", true);
    try {
        selected[1]->property("Left");
        ADD_FAILURE();
    } catch (const platform::VbError &e) {
        EXPECT_EQ(e.number, 91);
    }
    EXPECT_EQ(host().selectedControls().size(), 0u);
}

TEST_F(IdeHostTest, CopyAndPasteControlsBetweenForms)
{
    openProject();
    ide::DesignerWindow &first = ide().showDesigner(component("Form1"));
    first.designer->selectByName("Command1");
    first.designer->selectByName("Label1", std::nullopt, true);
    send("^c");
    ide::DesignerWindow &second = ide().showDesigner(component("Form2"));
    send("^v");
    ide::FormFile &form2 = *component("Form2")->form();
    ide::ControlPtr pasted = form2.findControl("Command2");
    ASSERT_NE(pasted, nullptr); // Form2 has a Command1 already
    EXPECT_EQ(pasted->text("Caption"), "OK");
    EXPECT_EQ(pasted->number("Width"), 1215);
    ASSERT_NE(form2.findControl("Label1"), nullptr);
    EXPECT_EQ(form2.findControl("Command1")->text("Caption"), "Close");
    EXPECT_EQ(second.designer->selection().size(), 2u);
    auto selected = host().selectedControls();
    ASSERT_EQ(selected.size(), 2u);
    EXPECT_EQ(selected[0]->name(), "Command2");
}

TEST_F(IdeHostTest, CaptureCurrentProcedureKeys)
{
    openProject();
    ide::CodeWindow &code = ide().showCode(component("Form1"));
    ASSERT_TRUE(code.pane->showProcedure("Form_Load"));
    send("{DOWN}");
    // The add-in copies the selection first; with none, it selects the whole procedure.
    ui.clipboardClear();
    send("^c");
    EXPECT_EQ(ui.clipboardText(), "");
    ide().showDesigner(component("Form1"));
    for (const char *keys :
         {"{F7}^{HOME}^+({END})", "{F7}^({HOME})^+({END})", "{F7}^{HOME}^+{END}"}) {
        ui.clipboardClear();
        send(keys);
        send("^c");
        EXPECT_EQ(ui.clipboardText(),
                  "\r\nPrivate Sub Form_Load()\r\n    Label1.Caption = \"Ready\"\r\n"
                  "    Dim total As Integer\r\n    total = 1\r\nEnd Sub")
            << keys;
    }
    // Pasting back replaces the selection; Delete removes it.
    ui.clipboardSetText("Private Sub Form_Load()\r\nEnd Sub");
    send("^v");
    EXPECT_EQ(code.pane->shownText(), "Private Sub Form_Load()\r\nEnd Sub");
    send("^{HOME}^+{END}{DEL}");
    EXPECT_EQ(component("Form1")->code().find("Form_Load"), std::string::npos);
}

TEST_F(IdeHostTest, FindSequenceWholeProjectPutsCaretOnTheMatch)
{
    openProject();
    ide().showCode(component("Form1"));
    send("^f");
    ASSERT_TRUE(ide().findDialog().isOpen());
    send("n * 2{TAB}C{ENTER}");
    EXPECT_FALSE(ide().findDialog().isOpen());
    ide::CodeWindow *window = ide().activeCodeWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->component, component("Module1"));
    EXPECT_EQ(window->pane->selectedText(), "n * 2");
    EXPECT_EQ(window->pane->shownProcedure(), "Twice");

    // The code finder's jump: find the header, then down by the line number.
    send("^FPrivate Sub Form_Load{Enter}{DOWN 2}");
    window = ide().activeCodeWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->component, component("Form1"));
    EXPECT_EQ(window->pane->caretLine(), 9); // "    Dim total As Integer"
    // Last position goes back to where the find started.
    send("+^({F2})");
    EXPECT_EQ(ide().activeCodeWindow()->component, component("Module1"));

    // Not found: the host says so and the dialog is gone.
    send("^fNoSuchText{TAB}C{ENTER}");
    EXPECT_FALSE(ide().findDialog().isOpen());
    ASSERT_FALSE(ui.callsOf("msgbox").empty());
    EXPECT_EQ(ui.callsOf("msgbox").back().text, "Specified text not found.");
}

TEST_F(IdeHostTest, FindNextSaysWhenItWentRoundToTheStart)
{
    openProject();
    struct Step
    {
        const char *keys;
        const char *component;
        int line; ///< the line of the module the match is on
        const char *message; ///< empty: no message box
    };
    auto run = [&](const char *title, std::initializer_list<Step> steps) {
        for (const Step &step : steps) {
            ui.clearCalls();
            send(step.keys);
            ide::CodeWindow *cw = ide().activeCodeWindow();
            ASSERT_NE(cw, nullptr) << title << ": " << step.keys;
            EXPECT_EQ(cw->component, component(step.component)) << title << ": " << step.keys;
            EXPECT_EQ(cw->pane->caretLine(), step.line) << title << ": " << step.keys;
            const auto boxes = ui.callsOf("msgbox");
            if (std::string(step.message).empty()) {
                EXPECT_TRUE(boxes.empty()) << title << ": " << step.keys;
                continue;
            }
            ASSERT_EQ(boxes.size(), 1u) << title << ": " << step.keys;
            EXPECT_EQ(boxes[0].text, step.message) << title;
            EXPECT_EQ(boxes[0].title, "Find") << title;
        }
    };
    const char *module = "The search passed the end of the module and continued from the beginning.";
    ide().showCode(component("Form1")).pane->setCaret(0);
    // From the top of the module the first match is no wrap; past the last one is.
    run("module",
        {{"^fEnd Sub{TAB}M{ENTER}", "Form1", 5, ""},
         {"^f{ENTER}", "Form1", 11, ""},
         {"^f{ENTER}", "Form1", 5, module}});
    // The project goes on through the components after this one, then round to the first.
    run("project",
        {{"^fTwice{TAB}C{ENTER}", "Module1", 3, ""},
         {"^f{ENTER}", "Module1", 4, ""},
         {"^f{ENTER}", "Module1", 3,
          "The search passed the end of the project and continued from the beginning."}});
    // In procedure view the procedure is the scope.
    ASSERT_TRUE(ide().showCode(component("Form1")).pane->showProcedure("Form_Load"));
    run("procedure",
        {{"^ftotal{TAB}P{ENTER}", "Form1", 9, ""},
         {"^f{ENTER}", "Form1", 10, ""},
         {"^f{ENTER}", "Form1", 9,
          "The search passed the end of the procedure and continued from the beginning."}});
}

TEST_F(IdeHostTest, RemoveFileAndCloseWindows)
{
    Recorder recorder;
    host().connectFileControl(recorder);
    openProject();
    ide().showDesigner(component("Form2"));
    send("^{DEL}");
    EXPECT_EQ(component("Form2"), nullptr);
    EXPECT_EQ(recorder.log.back(), "remove Form2.frm");
    EXPECT_EQ(ide().designerCount(), 0u);

    // The window-closing sequence leaves the project window as the one host window open.
    ide().showCode(component("Form1"));
    ide().showCode(component("Module1"));
    ide().showDesigner(component("Form1"));
    send("^t");
    std::string caption = host::GetVBCaption("[design]", "[break]");
    host::activateHost(caption);
    host::sendKeysToActiveWindow("^r", true);
    host::sendKeysToActiveWindow("^{F4}", true); // the project window does not close
    EXPECT_EQ(ide().codeWindowCount(), 2u);
    for (int i = 0; i < 4; ++i)
        send("^{F4}");
    // Front to back: the toolbox, the designer, the two code windows; the properties remain.
    EXPECT_EQ(ide().codeWindowCount() + ide().designerCount(), 0u);
    EXPECT_TRUE(platform::windowRegistry().find(ide().propertiesWindow())->visible);
    send("^{F4}");
    EXPECT_EQ(ide().codeWindowCount(), 0u);
    EXPECT_EQ(ide().designerCount(), 0u);
    EXPECT_FALSE(platform::windowRegistry().find(ide().toolboxWindow())->visible);
    EXPECT_FALSE(platform::windowRegistry().find(ide().propertiesWindow())->visible);
    EXPECT_TRUE(platform::windowRegistry().find(ide().projectWindow())->visible);
    EXPECT_EQ(caption, "Project1 - Microsoft Visual Basic [design]");
}

TEST_F(IdeHostTest, ModifiedFileIsSavedOrKeptBeforeRemoval)
{
    openProject();
    ide::CodeWindow &code = ide().showCode(component("Module1"));
    code.pane->showDeclarations();
    send("^{END}{ENTER}Dim z");
    ui.queueMsgBoxAnswer(platform::mb::Cancel);
    send("^{DEL}");
    EXPECT_NE(component("Module1"), nullptr);
    ui.queueMsgBoxAnswer(platform::mb::Yes);
    send("^{DEL}");
    EXPECT_EQ(component("Module1"), nullptr);
    EXPECT_NE(dir.read("Module1.bas").find("Dim z"), std::string::npos);
}

TEST_F(IdeHostTest, KeysReachOnlyTheHostAndMalformedKeysDeliverNothing)
{
    openProject();
    ide::CodeWindow &code = ide().showCode(component("Module1"));
    code.pane->showDeclarations();
    std::string before = code.buffer;
    try {
        send("abc{NOSUCH}");
        ADD_FAILURE();
    } catch (const platform::VbError &e) {
        EXPECT_EQ(e.number, 5);
    }
    EXPECT_EQ(code.buffer, before);
    EXPECT_THROW(host::activateHost("No such window"), platform::VbError);

    // An add-in window in front: keys sent to it do not land in the host's code.
    platform::WindowHandle palette = platform::windowRegistry().add("Quillmark", "QMWindow");
    platform::windowRegistry().activate(palette);
    host::sendKeysToActiveWindow("xyz", true);
    EXPECT_EQ(code.buffer, before);
    send("{F1}^p");
    EXPECT_EQ(ide().actions(), (std::vector<std::string>{"help", "print Module1"}));
}

TEST_F(IdeHostTest, FormRewrittenOnDiskComesBackThroughRemoveAndAdd)
{
    // How the add-in rewrites a form: save it to learn its file, rewrite the file, take the
    // form out of the project and add the file again.
    std::string captured;
    std::string project;
    host::FileControlSpy spy(captured, project);
    host().connectFileControl(spy);
    openProject();
    ide().showDesigner(component("Form1"));
    send("^s");
    ASSERT_EQ(platform::fileNamePart(captured), "Form1.frm");
    std::string text = dir.read("Form1.frm");
    std::string dead = "Private Sub Command1_Click()\r\n    MsgBox \"Hello\"\r\nEnd Sub\r\n\r\n";
    ASSERT_NE(text.find(dead), std::string::npos);
    text.erase(text.find(dead), dead.size());
    platform::writeFile(captured, text);
    send("^{DEL}");
    ASSERT_EQ(component("Form1"), nullptr);
    EXPECT_TRUE(ui.callsOf("msgbox").empty()); // saved just before: no question
    host().addFileToProject(captured);
    ASSERT_NE(component("Form1"), nullptr);
    EXPECT_EQ(component("Form1")->code().find("Command1_Click"), std::string::npos);

    // A stored form added and shown in form view: project window, then Shift+F7.
    dir.write("FORM0001.frm", kForm2);
    host().addFileToProject(dir.file("FORM0001.frm"));
    send("^r");
    send("+({F7})");
    ASSERT_NE(ide().activeDesigner(), nullptr);
    EXPECT_EQ(platform::fileNamePart(ide().activeDesigner()->designer->component()->path()),
              "FORM0001.frm");
}

TEST_F(IdeHostTest, FailedSaveIsReportedAndNotCaptured)
{
    std::string captured;
    std::string project;
    host::FileControlSpy spy(captured, project);
    Recorder recorder;
    host().connectFileControl(spy);
    host().connectFileControl(recorder);
    openProject();
    ui.clearCalls();
    // The form's file cannot be written: a folder has taken its name.
    std::filesystem::remove(dir.path() / "Form2.frm");
    std::filesystem::create_directory(dir.path() / "Form2.frm");

    ide::CodeWindow &code = ide().showCode(component("Form2"));
    code.pane->showDeclarations();
    send("' changed{ENTER}");
    send("^s");
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"write Form2.frm failed"}));
    EXPECT_EQ(captured, "");
    EXPECT_EQ(ui.callsOf("msgbox").size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "Form2.frm"));
}

TEST_F(IdeHostTest, TheLineToolsWidenTheSelectionToWholeLines)
{
    openProject();
    ide::CodeWindow &code = ide().showCode(component("Module1"));
    ASSERT_TRUE(code.pane->showProcedure("Twice"));
    const std::size_t at = code.buffer.find("n * 2");
    code.pane->select(at, at + 3);
    // The palette is in front when its button is pressed; the add-in activates the host first.
    platform::windowRegistry().activate(platform::windowRegistry().add("Quillmark", "QMWindow"));
    host::activateHost(host::GetVBCaption("[design]", "[break]"));
    host().selectWholeLines();
    EXPECT_EQ(code.pane->selectedText(), "    Twice = n * 2\r\n");

    code.pane->setCaret(code.buffer.find("Function", at) + 3);
    host().caretToLineStart();
    EXPECT_FALSE(code.pane->hasSelection());
    EXPECT_EQ(code.pane->caretColumn(), 1);
    host().selectWholeLines(); // a caret alone selects nothing
    EXPECT_FALSE(code.pane->hasSelection());
}
