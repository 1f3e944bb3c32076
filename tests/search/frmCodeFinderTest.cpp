// The code finder window driven through its controls, the scripted runtime answering its input
// box, file dialogs and message boxes, and the recording host window taking Show Code Window's
// keys.
#include "search/ui/frmCodeFinder.h"

#include "common/ProgramState.h"
#include "common/WindowNames.h"
#include "platform/ScriptedUi.h"
#include "platform/qt/QtText.h"
#include "search/SearchGlue.h"
#include "search/ui/frmSelectDirectory.h"
#include "tests/support/ShownMessages.h"
#include "tests/support/TempDir.h"
#include "tests/support/ToolWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace qm::search {
namespace {

std::string text(const QLabel *label)
{
    return platform::fromQString(label->text());
}

class CodeFinderWindow : public test::ToolWindowTest
{
protected:
    void SetUp() override
    {
        ToolWindowTest::SetUp();
        dir.write("App.vbp", "Type=Exe\r\nForm=forms\\Main.frm\r\nModule=Tools; TOOLS.BAS\r\n"
                             "Class=Acct; Acct.cls\r\n");
        dir.write("forms/Main.frm", "Dim Total As Long\r\n"
                                    "Private Sub Form_Load()\r\n"
                                    "    Total = 0\r\n"
                                    "End Sub\r\n");
        dir.write("TOOLS.BAS", "Public Function Sum(a)\r\n    Sum = a + Total\r\nEnd Function\r\n");
        dir.write("Acct.cls", "Private mTotal\r\n");
        codeFinderSettings() = {};
        common::programState().currentProjectFileName = dir.file("App.vbp");
        common::programState().codeFinderProjectMode = true;
        form = windows.openAs<frmCodeFinder>(common::window::CodeFinder);
        ASSERT_TRUE(form);
    }
    void TearDown() override
    {
        delete form.data();
        frmSelectDirectory::setModalHook({});
        ToolWindowTest::TearDown();
        common::programState() = {};
    }

    void click(const char *name) { test::click(form, name); }
    void find(const std::string &searchText)
    {
        runtime.queueInputBoxAnswer(searchText);
        click("pbFind");
    }
    // Lets the event loop run until the search waits at a hit or has ended.
    void settle()
    {
        for (int i = 0; i < 1000 && form && form->isSearching() && form->searchState() != 1; ++i)
            QApplication::processEvents();
    }
    std::vector<std::string> messages() const { return test::shownMessages(runtime); }

    test::TempDir dir;
    QPointer<frmCodeFinder> form;
};

TEST_F(CodeFinderWindow, HasItsCaptionControlsAndMenus)
{
    EXPECT_EQ(form->windowTitle(), "Quillmark Code Finder");
    EXPECT_EQ(form->objectName(), "frmCodeFinder");
    EXPECT_TRUE(form->rbAllInstances->isChecked());
    EXPECT_EQ(form->fraFindType->title(), "Find Type");
    const std::pair<const char *, const char *> buttons[] = {
        {"pbSelectProject", "Select Project"},
        {"pbSelectDirectory", "Select Directory"},
        {"pbFind", "Find"},
        {"pbFindNext", "Find Next"},
        {"pbStopSearch", "Stop Search"},
        {"pbLoadCodeEditor", "Show Code Window"},
        {"pbClose", "Close"}};
    for (auto [name, caption] : buttons)
        EXPECT_EQ(test::control<QPushButton>(form, name)->text(), caption);
    QStringList menus;
    for (QAction *menu : form->menuBar->actions()) {
        menus << menu->text();
        for (QAction *item : menu->menu()->actions())
            menus << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    EXPECT_EQ(menus.join('|'), "&File|Select &Project|Select &Directory|-|E&xit|F&ind|&Find|"
                               "Find &Next|&Stop Search");
    // Opened by its menu command, it searches the host's project.
    EXPECT_EQ(text(form->lblSearchPath), dir.file("App.vbp"));
}

TEST_F(CodeFinderWindow, FindStepsThroughTheHitsAndTellsTheEnd)
{
    find("total");
    ASSERT_EQ(runtime.callsOf("inputbox").size(), 1u);
    EXPECT_EQ(runtime.callsOf("inputbox")[0].text,
              "Please enter the search string that you wish to find.");
    EXPECT_EQ(runtime.callsOf("inputbox")[0].title, "Enter Search Pattern");
    settle();
    EXPECT_EQ(form->searchState(), 1);
    EXPECT_FALSE(form->pbFind->isEnabled());
    EXPECT_EQ(platform::fromQString(form->txtCode->text()), "Dim Total As Long");
    EXPECT_EQ(text(form->lblFile), "forms\\Main.frm");
    EXPECT_EQ(text(form->lblProcedure), "declarations");
    EXPECT_EQ(text(form->lblLineNumber), "1");
    EXPECT_EQ(runtime.mousePointer(), 0);

    struct Hit
    {
        const char *line, *file, *procedure, *number;
    };
    const Hit rest[] = {{"    Total = 0", "forms\\Main.frm", "Private Sub Form_Load", "2"},
                        {"    Sum = a + Total", "TOOLS.BAS", "Public Function Sum", "2"},
                        {"Private mTotal", "Acct.cls", "declarations", "1"}};
    for (const Hit &hit : rest) {
        form->mnuFindNext->trigger();
        settle();
        EXPECT_EQ(platform::fromQString(form->txtCode->text()), hit.line);
        EXPECT_EQ(text(form->lblFile), hit.file);
        EXPECT_EQ(text(form->lblProcedure), hit.procedure);
        EXPECT_EQ(text(form->lblLineNumber), hit.number);
    }
    EXPECT_TRUE(messages().empty());
    click("pbFindNext");
    settle();
    EXPECT_EQ(messages(), std::vector<std::string>{
                              "Search Complete: No more instances of search string\ncan be "
                              "found. (48)"});
    EXPECT_TRUE(form->pbFind->isEnabled());
    EXPECT_FALSE(form->isSearching());
    EXPECT_EQ(runtime.mousePointer(), 0);
}

TEST_F(CodeFinderWindow, FindKindsAndAnEmptySearchText)
{
    form->rbShowAssignments->setChecked(true);
    find("Total");
    settle();
    EXPECT_EQ(platform::fromQString(form->txtCode->text()), "    Total = 0");
    click("pbStopSearch");

    // A cancelled input leaves the text empty: every line is a hit, and Find Next refuses.
    form->rbAllInstances->setChecked(true);
    find("");
    settle();
    EXPECT_EQ(platform::fromQString(form->txtCode->text()), "Dim Total As Long");
    click("pbFindNext");
    EXPECT_EQ(messages(), std::vector<std::string>{
                              "Search Aborted: You have not entered a search string! (16)"});
    EXPECT_EQ(form->searchState(), 1);
}

TEST_F(CodeFinderWindow, StopSearchAndCloseEndTheWaitingSearch)
{
    find("total");
    settle();
    click("pbStopSearch");
    EXPECT_EQ(form->searchState(), 5);
    EXPECT_FALSE(form->isSearching());
    EXPECT_TRUE(form->pbFind->isEnabled());
    click("pbFindNext"); // no hit waits: nothing happens
    EXPECT_FALSE(form->isSearching());
    EXPECT_TRUE(messages().empty());

    // A new search after a stop runs.
    find("sum");
    settle();
    EXPECT_EQ(form->searchState(), 1);
    EXPECT_EQ(text(form->lblFile), "TOOLS.BAS");

    click("pbClose");
    EXPECT_TRUE(test::isGone(form));
    EXPECT_FALSE(common::programState().isWindowOpen(common::window::CodeFinder));
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(runtime.mousePointer(), 0);
}

TEST_F(CodeFinderWindow, FilesThatCannotBeOpenedAreToldAndSkipped)
{
    codeFinderSettings().projectPath = dir.file("Missing.vbp");
    find("x");
    EXPECT_EQ(messages(), std::vector<std::string>{"File Error: Can't open " +
                                                   dir.file("Missing.vbp") + " (16)"});
    EXPECT_TRUE(form->pbFind->isEnabled());
    runtime.clearCalls();

    dir.write("Gone.vbp", "Module=A; gone.bas\r\nModule=Tools; TOOLS.BAS\r\n");
    codeFinderSettings().projectPath = dir.file("Gone.vbp");
    find("sum");
    settle();
    EXPECT_EQ(messages(),
              std::vector<std::string>{"File Error: Can't open " + dir.str() + "\\gone.bas (16)"});
    EXPECT_EQ(text(form->lblFile), "TOOLS.BAS");
}

TEST_F(CodeFinderWindow, SelectProjectAndSelectDirectory)
{
    runtime.queueFileAnswer(dir.file("Other.MAK"));
    form->mnuSelectProject->trigger();
    runtime.queueFileAnswer(std::nullopt);
    click("pbSelectProject");
    auto dialogs = runtime.callsOf("open");
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].title, "Select Project");
    EXPECT_EQ(dialogs[0].text, "MAK Files (*.MAK)|*.mak");
    EXPECT_EQ(dialogs[1].text, "MAK Files (*.MAK;*.VBP)|*.mak;*.vbp");
    EXPECT_EQ(text(form->lblSearchPath), dir.file("Other.MAK"));

    frmSelectDirectory::setModalHook([&](frmSelectDirectory &picker) {
        EXPECT_EQ(picker.windowTitle(), "Select Directory");
        EXPECT_GE(picker.Drive1->count(), 2);
        picker.Dir1->setPath(platform::toQString(dir.str()));
        auto forms = picker.Dir1->findItems(QStringLiteral("forms"), Qt::MatchExactly);
        ASSERT_EQ(forms.size(), 1);
        picker.Dir1->setCurrentItem(forms.front()); // a pick opens the folder
        QApplication::processEvents();
        EXPECT_EQ(picker.Dir1->path(), platform::toQString(dir.file("forms")));
        test::click(&picker, "Command3D1");
    });
    click("pbSelectDirectory");
    EXPECT_FALSE(common::programState().codeFinderProjectMode);
    EXPECT_EQ(text(form->lblSearchPath), dir.file("forms"));
    EXPECT_EQ(codeFinderSettings().directory, dir.file("forms"));

    // Directory mode: the folder's forms, modules and programs, never its classes.
    dir.write("forms/Extra.cls", "Total\r\n");
    find("total");
    settle();
    EXPECT_EQ(text(form->lblFile), "Main.frm");
    click("pbFindNext");
    settle();
    click("pbFindNext");
    settle();
    EXPECT_EQ(messages().size(), 1u);
}

TEST_F(CodeFinderWindow, ShowCodeWindowSendsTheHostFindAndTheLine)
{
    click("pbLoadCodeEditor"); // no hit shown yet: nothing to go to
    EXPECT_TRUE(host.log.empty());
    find("sum =");
    settle();
    click("pbLoadCodeEditor");
    EXPECT_EQ(host.activations(), std::vector<std::string>{kHostCaption});
    EXPECT_EQ(host.keys(), std::vector<std::string>{"^FPublic Function Sum{Enter}{DOWN 1} wait"});
}

TEST(CodeWindowKeys, FindTheHeaderThenGoDownToTheLine)
{
    struct Case
    {
        const char *procedure;
        int64_t line;
        const char *keys;
    };
    const Case cases[] = {
        {"Private Sub Form_Load", 1, "^FPrivate Sub Form_Load{Enter}"},
        {"  Private Sub Form_Load  ", 7, "^FPrivate Sub Form_Load{Enter}{DOWN 6}"},
        {"Sub A+B^C%D~E{F}[G]", 2, "^FSub A{+}B{^}C{%}D{~}E{{}F{}}{[}G{]}{Enter}{DOWN 1}"},
        {"declarations", 1, "^{HOME}"},
        {"declarations", 40000, "^{HOME}{DOWN 39999}"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(codeWindowKeys(c.procedure, c.line), c.keys) << c.procedure;
}

} // namespace
} // namespace qm::search
