// Script commands against the host's windows: what they say when a name is wrong, and the
// checks that must fail when what they check does not hold.
#include "ide/ui/Script.h"

#include "ide/Component.h"
#include "ide/Ide.h"
#include "ide/ui/CodeView.h"
#include "ide/ui/HostUi.h"
#include "tests/support/IdeFixture.h"
#include "tests/support/TempDir.h"

#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <sstream>

using namespace qm;

namespace {

struct UiScriptRunner : test::IdeFixture<ide::ScriptUi>
{
    std::ostringstream out;
    std::unique_ptr<ide::ScriptRunner> runner;

    void SetUp() override
    {
        IdeFixture::SetUp();
        runner = std::make_unique<ide::ScriptRunner>(*host, ui, out);
        dirs.program.write("modA.bas", "Attribute VB_Name = \"modA\"\r\nSub Main()\r\nEnd Sub\r\n");
        dirs.program.write("P.vbp", "Module=modA; modA.bas\r\n");
    }
    void TearDown() override
    {
        runner.reset();
        IdeFixture::TearDown();
    }
    /// The error of a script that must fail, as vbhost prints it.
    std::string errorOf(const std::string &script)
    {
        std::ostringstream err;
        const std::string text = "open " + dirs.program.file("P.vbp") + "\n" + script;
        EXPECT_EQ(runner->run(ide::parseScript(text), "t.qms", err), 1) << script;
        return err.str();
    }
};

TEST_F(UiScriptRunner, AWrongNameSaysWhatThereIs)
{
    struct Case
    {
        const char *script;
        const char *said;
    } cases[] = {
        {"frobnicate", "t.qms:2: frobnicate: unknown command 'frobnicate'"},
        {"show code modB", "t.qms:2: show: no component 'modB'; the project has: modA"},
        {"show form modA", "'modA' is not a form"},
        {"procedure modA Other", "no procedure 'Other'; the code has: (declarations), Main"},
        {"click vbNope/x", "no window 'vbNope'; the windows are: "},
        {"click vbProject/pbNope", "no control 'pbNope' in window 'vbProject'; its controls are: "},
        {"answer msgbox sometimes", "'sometimes' is not a number"},
        {"keys {NOSUCHKEY}", "the keys '{NOSUCHKEY}' cannot be sent"},
        {"menu File Nothing",
         "no menu item 'File/Nothing'; the menu has: New Project, Open Project..."},
        {"connect Not.There", "the add-in 'Not.There' did not connect"},
        {"disconnect Not.There", "the add-in 'Not.There' is not connected"},
        {"select-text Main", "no code window is active"},
        {"show code modA\nselect-text Nowhere",
         "t.qms:3: select-text: 'Nowhere' is not in the code shown"},
        {"echo ${NOT_A_VARIABLE_QM}", "unknown variable ${NOT_A_VARIABLE_QM}"},
        {"show", "usage: show main|project|properties|toolbox"},
    };
    for (const Case &c : cases) {
        const std::string said = errorOf(c.script);
        EXPECT_NE(said.find(c.said), std::string::npos) << c.script << "\nsaid: " << said;
    }
}

TEST_F(UiScriptRunner, ChecksFailWhenWhatTheyCheckDoesNotHold)
{
    dirs.program.write("same1.txt", "abc\r\n");
    dirs.program.write("same2.txt", "abc\r\n");
    dirs.program.write("other.txt", "abd\r\n");
    const std::string dir = dirs.program.str();
    const std::string held[] = {
        "expect same " + dir + "/same1.txt " + dir + "/same2.txt",
        "expect differ " + dir + "/same1.txt " + dir + "/other.txt",
        "expect contains " + dir + "/same1.txt \"bc\\r\\n\"",
        "expect window PROJECT \"Project - P\"",
        "expect windows VBCodeWin 0",
        "show code modA\nexpect window VBCodeWin \"modA (Code)\"",
        "expect code modA contains \"Sub Main()\"",
        "expect disconnected Not.There",
        "fails show code Nope",
    };
    for (const std::string &script : held) {
        std::ostringstream err;
        EXPECT_EQ(
            runner->run(ide::parseScript("open " + dirs.program.file("P.vbp") + "\n" + script),
                        "t.qms", err),
            0)
            << script << "\n"
            << err.str();
    }
    struct Case
    {
        std::string script;
        const char *said;
    } failing[] = {
        {"expect same " + dir + "/same1.txt " + dir + "/other.txt", "differ at byte 2 (line 1)"},
        {"expect differ " + dir + "/same1.txt " + dir + "/same2.txt", "are the same"},
        {"expect lacks " + dir + "/same1.txt abc", "holds 'abc'"},
        {"expect window PROJECT \"Project - Q\"", "the PROJECT windows are: \"Project - P\""},
        {"expect windows PROJECT 2", "1 visible PROJECT windows, not 2"},
        {"expect clipboard nothing-like-this", "the clipboard holds"},
        {"expect code modA lacks Main", "the code of modA holds 'Main'"},
        {"expect msgbox \"never shown\"", "no message box said 'never shown'"},
        {"fails echo fine", "'echo' did not fail"},
    };
    for (const Case &c : failing) {
        const std::string said = errorOf(c.script);
        EXPECT_NE(said.find(c.said), std::string::npos) << c.script << "\nsaid: " << said;
    }
}

TEST_F(UiScriptRunner, QuitStopsTheScriptAndDisconnects)
{
    std::ostringstream err;
    EXPECT_EQ(runner->run(ide::parseScript("echo one\nquit\necho two\n"), "t.qms", err), 0);
    EXPECT_TRUE(runner->quitRequested());
    EXPECT_EQ(out.str(), "one\n");
}

TEST_F(UiScriptRunner, AScreenshotShowsTheVisibleWindows)
{
    std::ostringstream err;
    const std::string file = dirs.program.file("shot.png");
    ASSERT_EQ(runner->run(
                  ide::parseScript("screenshot " + file + "\nscreenshot " + file + "2 vbProject\n"),
                  "t.qms", err),
              0)
        << err.str();
    QImage all(QString::fromStdString(file));
    QImage one(QString::fromStdString(file + "2"));
    ASSERT_FALSE(all.isNull());
    ASSERT_FALSE(one.isNull());
    // The project window with its title bar, and the desktop holding it and the others.
    EXPECT_GE(one.width(), 256);
    EXPECT_GT(all.width(), one.width());
    EXPECT_GT(all.height(), one.height());
}

TEST_F(UiScriptRunner, AControlNamedLikeItsFormIsTheControlAndFormIsTheForm)
{
    dirs.program.write("frmA.frm", "VERSION 5.00\r\n"
                                   "Begin VB.Form frmA \r\n"
                                   "   Caption         =   \"Form A\"\r\n"
                                   "   Begin VB.Label frmA \r\n"
                                   "      Caption         =   \"Label A\"\r\n"
                                   "      Height          =   300\r\n"
                                   "      Left            =   120\r\n"
                                   "      Top             =   120\r\n"
                                   "      Width           =   900\r\n"
                                   "   End\r\n"
                                   "End\r\n"
                                   "Attribute VB_Name = \"frmA\"\r\n");
    dirs.program.write("A.vbp", "Form=frmA.frm\r\n");
    std::ostringstream err;
    const std::string script = "open " + dirs.program.file("A.vbp") +
                               "\nproperty frmA frmA Caption \"Label B\"\n"
                               "property frmA Form Caption \"Form B\"\n"
                               "expect property frmA frmA Caption \"Label B\"\n"
                               "expect property frmA Form Caption \"Form B\"\n";
    EXPECT_EQ(runner->run(ide::parseScript(script), "t.qms", err), 0) << err.str();
}

TEST_F(UiScriptRunner, WhatAPersonCouldNotDoFailsAndLookingChangesNothing)
{
    dirs.program.write("frmB.frm", "VERSION 5.00\r\nBegin VB.Form frmB \r\n"
                                   "   Begin VB.CommandButton Command1 \r\n"
                                   "      Caption         =   \"Go\"\r\n"
                                   "   End\r\nEnd\r\nAttribute VB_Name = \"frmB\"\r\n");
    dirs.program.write("P.vbp", "Module=modA; modA.bas\r\nForm=frmB.frm\r\n");
    // A designer that is not open (or was closed) takes no mouse.
    EXPECT_NE(errorOf("drag vbForm_frmB 10 10 40 40").find("no window 'vbForm_frmB'"),
              std::string::npos);
    EXPECT_NE(errorOf("show form frmB\nclose vbForm_frmB\nclick-at vbForm_frmB 5 5")
                  .find("no window 'vbForm_frmB'"),
              std::string::npos);
    // Printing a form's properties opens no designer and leaves the code window active.
    std::ostringstream err;
    ASSERT_EQ(runner->run(ide::parseScript("open " + dirs.program.file("P.vbp") +
                                           "\nshow code modA\nprint properties frmB Command1\n"
                                           "print controls frmB\n"),
                          "t.qms", err),
              0)
        << err.str();
    EXPECT_NE(out.str().find("Caption = Go\n"), std::string::npos);
    const platform::WindowHandle active = platform::windowRegistry().activeWindow();
    EXPECT_EQ(platform::windowCaption(active), "modA (Code)");
}

TEST_F(UiScriptRunner, AClickPutsTheFocusInATextBox)
{
    QWidget window;
    window.setObjectName(QStringLiteral("frmTest"));
    auto *one = new QLineEdit(&window);
    one->setObjectName(QStringLiteral("txtOne"));
    auto *two = new QLineEdit(&window);
    two->setObjectName(QStringLiteral("txtTwo"));
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(one);
    layout->addWidget(two);
    window.show();
    one->setFocus();
    runner->runCommand({"click", "frmTest/txtTwo"});
    EXPECT_EQ(window.focusWidget(), two);
}

TEST_F(UiScriptRunner, SelectItemsPicksExactlyTheItemsNamed)
{
    QWidget window;
    window.setObjectName(QStringLiteral("frmLists"));
    auto *many = new QListWidget(&window);
    many->setObjectName(QStringLiteral("lbMany"));
    many->setSelectionMode(QAbstractItemView::MultiSelection);
    many->addItems({QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")});
    auto *single = new QListWidget(&window);
    single->setObjectName(QStringLiteral("lbOne"));
    single->addItems({QStringLiteral("A"), QStringLiteral("B")});
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(many);
    layout->addWidget(single);
    window.show();
    auto selected = [](QListWidget *list) {
        QStringList names;
        for (int row = 0; row < list->count(); ++row)
            if (list->item(row)->isSelected())
                names << list->item(row)->text();
        return names.join(QLatin1Char(','));
    };

    runner->runCommand({"select-items", "frmLists/lbMany", "three", "One"});
    EXPECT_EQ(selected(many), QStringLiteral("One,Three"));
    // A second pick replaces the first rather than toggling it.
    runner->runCommand({"select-items", "frmLists/lbMany", "Two", "Three"});
    EXPECT_EQ(selected(many), QStringLiteral("Two,Three"));
    runner->runCommand({"select-items", "frmLists/lbMany"});
    EXPECT_EQ(selected(many), QString());
    runner->runCommand({"select-items", "frmLists/lbOne", "B"});
    EXPECT_EQ(selected(single), QStringLiteral("B"));

    struct Case
    {
        std::vector<std::string> words;
        const char *said;
    } failing[] = {
        {{"select-items", "frmLists/lbMany", "Two", "Four"},
         "'Four' is not in the list; it has: One, Two, Three"},
        {{"select-items", "frmLists/lbOne", "A", "B"}, "takes one item at a time"},
    };
    for (const Case &c : failing) {
        try {
            runner->runCommand(c.words);
            ADD_FAILURE() << c.said;
        } catch (const std::runtime_error &e) {
            EXPECT_NE(std::string(e.what()).find(c.said), std::string::npos) << e.what();
        }
    }
    // A failing pick leaves the selection as it was.
    EXPECT_EQ(selected(single), QStringLiteral("B"));
}

TEST_F(UiScriptRunner, DialogAnswersGoToTheirOwnKindOfDialog)
{
    runner->runCommand({"answer", "color", "255", "128", "0"});
    runner->runCommand({"answer", "font", "Courier New", "10.5", "italic"});
    runner->runCommand({"answer", "printer", "cancel"});
    runner->runCommand({"answer", "printer", "Office Laser"});
    // The font dialog comes first; it takes the font answer, not the colour one.
    using Kind = platform::CommonDialogKind;
    const std::optional<platform::DialogChoice> font = ui.chooseInDialog(Kind::Font, "Font", 0);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->fontName, "Courier New");
    EXPECT_EQ(font->fontSize, 10.5);
    EXPECT_TRUE(font->fontItalic);
    EXPECT_FALSE(font->fontBold);
    const std::optional<platform::DialogChoice> color = ui.chooseInDialog(Kind::Color, "", 0);
    ASSERT_TRUE(color);
    EXPECT_EQ(color->color, 0x000080FFu); // blue, green, red from the high byte down
    EXPECT_FALSE(ui.commonDialog(Kind::Printer, "Print", 0));
    EXPECT_TRUE(ui.commonDialog(Kind::Printer, "Print", 0));
    EXPECT_FALSE(ui.commonDialog(Kind::Color, "", 0)); // nothing queued: cancelled
    runner->runCommand({"expect", "dialog", "color", "&H000080FF&"});
    runner->runCommand({"expect", "dialog", "font", "Courier New 10.5 italic"});
    runner->runCommand({"expect", "dialog", "printer", "Office Laser"});
    runner->runCommand({"expect", "dialog", "printer", "<cancel>"});

    struct Case
    {
        const char *script;
        const char *said;
    } failing[] = {
        {"answer color 256 0 0", "'256' is not a colour part from 0 to 255"},
        {"answer color 1 2", "usage: answer msgbox BUTTON|show"},
        {"answer font Arial big", "'big' is not a font size"},
        {"answer font Arial 0", "'0' is not a font size"},
        {"answer font Arial 10 heavy", "'heavy' is not bold or italic"},
        {"answer input one two", "usage: answer"},
        {"answer dialog yes", "'dialog' is not msgbox, input, file, color, font or printer"},
        {"expect dialog font \"Arial 9\"", "no font dialog was answered 'Arial 9'"},
    };
    for (const Case &c : failing) {
        const std::string said = errorOf(c.script);
        EXPECT_NE(said.find(c.said), std::string::npos) << c.script << "\nsaid: " << said;
    }
}

// A window that opens a modal dialog from a button, as the add-in's preview does.
struct ModalOwner
{
    QWidget window;
    QPushButton *show = new QPushButton(QStringLiteral("Show"), &window);
    QString typed;
    bool returned = false;
    ModalOwner()
    {
        window.setObjectName(QStringLiteral("frmOwner"));
        show->setObjectName(QStringLiteral("pbShow"));
        QObject::connect(show, &QPushButton::clicked, [this] {
            QDialog dialog(&window);
            dialog.setObjectName(QStringLiteral("frmModal"));
            auto *text = new QLineEdit(&dialog);
            text->setObjectName(QStringLiteral("txtValue"));
            auto *close = new QPushButton(QStringLiteral("Close"), &dialog);
            close->setObjectName(QStringLiteral("pbClose"));
            QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
            auto *layout = new QVBoxLayout(&dialog);
            layout->addWidget(text);
            layout->addWidget(close);
            dialog.exec();
            typed = text->text();
            returned = true;
        });
        window.show();
    }
};

TEST_F(UiScriptRunner, AScriptGoesOnInsideAModalWindowAndClosesIt)
{
    ModalOwner owner;
    std::ostringstream err;
    const char *script = "click frmOwner/pbShow\n"
                         "set frmModal/txtValue hello\n"
                         "fails click frmOwner/pbShow\n"
                         "click frmModal/pbClose\n"
                         "echo after\n";
    ASSERT_EQ(runner->run(ide::parseScript(script), "t.qms", err), 0) << err.str();
    EXPECT_TRUE(owner.returned);
    EXPECT_EQ(owner.typed, QStringLiteral("hello"));
    EXPECT_NE(out.str().find("the modal window 'frmModal' is open"), std::string::npos);
    EXPECT_NE(out.str().find("after\n"), std::string::npos);
}

TEST_F(UiScriptRunner, AModalWindowLeftUpFailsTheScriptWithItsName)
{
    ModalOwner owner;
    runner->setModalWait(50);
    std::ostringstream err;
    EXPECT_EQ(runner->run(ide::parseScript("click frmOwner/pbShow\necho up\n"), "t.qms", err), 1);
    EXPECT_EQ(err.str(), "t.qms:2: echo: the modal window 'frmModal' is still waiting at the end "
                         "of the script\n");
    EXPECT_TRUE(owner.returned); // closed, so nothing hangs
}

TEST_F(UiScriptRunner, AMessageBoxShownOnScreenIsReadAndClosedLikeAnyWindow)
{
    std::ostringstream err;
    const char *script = "answer msgbox show\n"
                         "menu Help \"About the Host\"\n"
                         "expect text About/qt_msgbox_label \"stand-in host\"\n"
                         "close About\n"
                         "echo after\n";
    ASSERT_EQ(runner->run(ide::parseScript(script), "t.qms", err), 0) << err.str();
    EXPECT_EQ(out.str(), "after\n");
    // The next box is answered from the queue again, without a window.
    EXPECT_EQ(runner->run(ide::parseScript("menu Help \"About the Host\"\n"), "t.qms", err), 0);
    EXPECT_NE(out.str().find("msgbox [About]"), std::string::npos);
}

TEST_F(UiScriptRunner, ClosingTheMainWindowEndsTheHostAndTheScript)
{
    std::ostringstream err;
    EXPECT_EQ(runner->run(ide::parseScript("show code Form1\nclose vbMain\necho never\n"),
                          "t.qms", err),
              0)
        << err.str();
    EXPECT_TRUE(host->hasEnded());
    EXPECT_EQ(out.str(), "vbhost ended; no window is open\n");
}

TEST(UiCodeLists, AProcedureBelongsToTheLongestObjectItsNameStartsWith)
{
    const std::vector<std::string> objects{"(General)", "Form", "cmd", "cmdOK", "txt_Name"};
    struct Case
    {
        const char *procedure;
        const char *object;
    } cases[] = {
        {"cmdOK_Click", "cmdOK"},        {"cmd_Click", "cmd"},
        {"Form_Load", "Form"},           {"form_load", "Form"},
        {"txt_Name_Change", "txt_Name"}, {"UpdateTotal", "(General)"},
        {"cmdOKay_Click", "(General)"},  {"", "(General)"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ide::objectOfProcedure(objects, c.procedure), c.object) << c.procedure;
}

} // namespace
