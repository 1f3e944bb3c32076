// The product help as the programmer reaches it: the product picture of a tool window opens the
// user guide at its contents, F1 in the window opens the window's own page, and the host's own
// windows keep their F1.
#include "generators/ui/frmMsgBox.h"
#include "platform/AppFiles.h"
#include "platform/Help.h"
#include "platform/ScriptedUi.h"
#include "platform/qt/Forms.h"
#include "platform/qt/HelpWindow.h"
#include "platform/qt/QtUi.h"
#include "platform/qt/WindowBinding.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace qm {
namespace {

bool endsWith(const std::string &text, const std::string &end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

void pressF1(QWidget *target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

class HelpWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        platform::installToolHelpKeys();
        // The shell registers every tool window it builds as one of the add-in's forms.
        form = std::make_unique<generators::frmMsgBox>();
        platform::registerWindow(*form, "QuillmarkForm");
        form->show();
    }
    void TearDown() override
    {
        form.reset();
        delete platform::openHelpWindow();
    }

    std::string shownPage() const
    {
        platform::HelpWindow *help = platform::openHelpWindow();
        return help ? help->currentPage() : std::string("(no help window)");
    }

    // The build's program directory, which holds the guide as the build copies it there.
    test::ScopedEnv appDir{"QM_APP_DIR", QM_PROGRAM_DIR};
    platform::QtUi runtime;
    platform::ScopedUi installed{runtime};
    std::unique_ptr<generators::frmMsgBox> form;
};

TEST_F(HelpWindowTest, ProductPictureOpensContentsAndF1TheToolsPage)
{
    form->findChild<QToolButton *>("picProduct")->click();
    ASSERT_NE(platform::openHelpWindow(), nullptr);
    EXPECT_TRUE(platform::openHelpWindow()->isVisible());
    EXPECT_TRUE(endsWith(shownPage(), "/help/index.html")) << shownPage();
    EXPECT_NE(platform::openHelpWindow()->txtGuide->toPlainText().indexOf("Contents"), -1)
        << platform::openHelpWindow()->txtGuide->toPlainText().toStdString();

    // From a control of the window, as a user presses it while typing the title.
    pressF1(form->findChild<QLineEdit *>("txtTitle"));
    EXPECT_TRUE(endsWith(shownPage(), "/help/frmMsgBox.html")) << shownPage();
    EXPECT_NE(platform::openHelpWindow()->txtGuide->toPlainText().indexOf("MsgBox Designer"), -1);

    // One help window: Contents goes back to the contents in it.
    platform::HelpWindow *help = platform::openHelpWindow();
    help->pbContents->click();
    EXPECT_EQ(platform::openHelpWindow(), help);
    EXPECT_TRUE(endsWith(shownPage(), "/help/index.html")) << shownPage();
}

TEST_F(HelpWindowTest, F1OutsideTheToolWindowsIsLeftToTheirOwners)
{
    QLineEdit hostWindow; // not one of the add-in's windows
    hostWindow.show();
    pressF1(&hostWindow);
    EXPECT_EQ(platform::openHelpWindow(), nullptr);
}

TEST_F(HelpWindowTest, MissingGuideIsToldWithItsPath)
{
    test::TempDir empty;
    test::ScopedEnv noGuide("QM_APP_DIR", empty.str());
    pressF1(form.get());
    ASSERT_NE(platform::openHelpWindow(), nullptr);
    const QString text = platform::openHelpWindow()->txtGuide->toPlainText();
    EXPECT_NE(text.indexOf("The user guide is missing"), -1) << text.toStdString();
    EXPECT_NE(text.indexOf(QString::fromStdString(empty.str())), -1) << text.toStdString();
}

TEST(UserGuide, PagesAreFoundBesideTheHelpFile)
{
    test::TempDir dir;
    std::filesystem::create_directories(dir.path() / "help");
    dir.write("help/index.html", "<html></html>");
    dir.write("help/frmMsgBox.html", "<html></html>");
    const std::string helpFile = dir.str() + "\\quillmrk.hlp";
    struct Case
    {
        const char *topic;
        const char *page;
    };
    for (const Case &c : {Case{"", "help/index.html"},
                          Case{"frmMsgBox", "help/frmMsgBox.html"},
                          Case{"frmNoPageYet", "help/index.html"},
                          Case{"../help/frmMsgBox", "help/index.html"},
                          Case{"/etc/passwd", "help/index.html"}}) {
        EXPECT_EQ(platform::userGuidePage(helpFile, c.topic), dir.file(c.page)) << c.topic;
    }
}

TEST(UserGuide, RequestsGoThroughTheRuntime)
{
    platform::ScriptedUi scripted;
    platform::ScopedUi installed(scripted);
    platform::showUserGuide();
    platform::showUserGuide("frmMsgBox");
    auto help = scripted.callsOf("help");
    ASSERT_EQ(help.size(), 2u);
    EXPECT_EQ(help[0].text, platform::helpFilePath());
    EXPECT_EQ(help[0].style, 3);
    EXPECT_EQ(help[1].title, "frmMsgBox");
    EXPECT_TRUE(endsWith(platform::helpFilePath(), "\\quillmrk.hlp"));
}

} // namespace
} // namespace qm
