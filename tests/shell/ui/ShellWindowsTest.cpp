#include "common/ProgramState.h"
#include "common/Settings.h"
#include "common/ToolRegistry.h"
#include "common/WindowNames.h"
#include "platform/Profile.h"
#include "platform/ScriptedUi.h"
#include "platform/WindowRegistry.h"
#include "platform/qt/Forms.h"
#include "shell/Connector.h"
#include "shell/ui/PaletteButton.h"
#include "shell/ui/QtShellWindows.h"
#include "shell/ui/frmApperTab.h"
#include "shell/ui/frmSplash.h"
#include "shell/ui/frmTAB2.h"
#include "shell/ui/frmTT.h"
#include "tests/support/FakeHost.h"
#include "tests/support/FakeCodeWindow.h"
#include "tests/support/TempDir.h"
#include "tests/support/ToolWindowFixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace qm;

namespace {

struct ShellWindowsTest : test::HostCommandTest
{
    test::SandboxDirs dirs;
    shell::QtShellWindows windows;

    void SetUp() override
    {
        HostCommandTest::SetUp();
        dirs.windows.write("quillmrk.ini", dirs.program.read("quillmrk.ini"));
        shell::setShellWindows(&windows);
    }
    void TearDown() override
    {
        shell::setShellWindows(nullptr);
        QApplication::processEvents();
        HostCommandTest::TearDown();
    }

    shell::frmTAB2 &openPalette()
    {
        windows.showPalette();
        windows.loadTooltipWindow();
        common::programState().paletteLoaded = true;
        return *windows.palette();
    }
    static void release(QWidget *button, Qt::MouseButton which)
    {
        QTest::mousePress(button, which);
        QTest::mouseRelease(button, which);
    }
};

} // namespace

TEST_F(ShellWindowsTest, PaletteHasItsFifteenButtonsAndOpensAtTheStoredPosition)
{
    common::settings().left = 3000;
    common::settings().top = 150;
    shell::frmTAB2 &palette = openPalette();
    const char *names[] = {
        "tbComment",      "tbUncomment",    "tbIndent",       "tbprint",          "tbConcatenate",
        "tbCloseWindows", "tbTileVertical", "tbLastPosition", "tbFindDefinition", "tbFindModifiers",
        "tbDebugWindow",  "tbToolbox",      "tbSeTabOrder",   "tbPrintOrient",    "tbMinimize"};
    int tip = 1;
    for (const char *name : names) {
        auto *b = palette.findChild<shell::PaletteButton *>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->tipNumber(), tip++);
    }
    EXPECT_EQ(palette.leftTwips(), 3000);
    EXPECT_EQ(palette.topTwips(), 150);
    EXPECT_NEAR(platform::pixelsToTwips(palette.width(), &palette), 4985, 15 * 15);
}

TEST_F(ShellWindowsTest, AStoredPositionOfZeroOpensTheTopLeft)
{
    common::settings().left = 0;
    common::settings().top = 900;
    shell::frmTAB2 &palette = openPalette();
    EXPECT_EQ(palette.pos(), QPoint(0, 0));
}

TEST_F(ShellWindowsTest, TooltipShowsThreeTicksUnderTheButton)
{
    common::settings().left = 1500;
    common::settings().top = 1500;
    shell::frmTAB2 &palette = openPalette();
    shell::frmTT *tips = windows.tooltipWindow();
    ASSERT_NE(tips, nullptr);
    QMouseEvent hover(QEvent::MouseMove, QPointF(3, 3),
                      palette.tbIndent->mapToGlobal(QPointF(3, 3)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(palette.tbIndent, &hover);
    EXPECT_EQ(palette.tooltipState().tipNumber(), 3);
    EXPECT_EQ(tips->timerInterval(), 500);
    tips->Timer1_Timer();
    EXPECT_TRUE(tips->isVisible());
    EXPECT_EQ(tips->Label1->text(), QStringLiteral("Indent"));
    EXPECT_EQ(tips->windowTitle(), QString());
    EXPECT_EQ(tips->x(), palette.x() + palette.tbIndent->x());
    tips->Timer1_Timer();
    tips->Timer1_Timer();
    EXPECT_TRUE(tips->isVisible());
    tips->Timer1_Timer();
    EXPECT_FALSE(tips->isVisible());
    EXPECT_EQ(tips->windowTitle(), QStringLiteral("ToolTips"));
}

TEST_F(ShellWindowsTest, MiddleReleaseOnCloseNamesTheButton)
{
    shell::frmTAB2 &palette = openPalette();
    release(palette.tbCloseWindows, Qt::MiddleButton);
    auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Button:  4");
    EXPECT_EQ(boxes[0].title, "");
}

TEST_F(ShellWindowsTest, FindButtonsTypeTheSelectionAsItStands)
{
    shell::frmTAB2 &palette = openPalette();
    host.selection = "a+b(1)";
    QTest::mouseClick(palette.tbFindDefinition, Qt::LeftButton);
    ASSERT_EQ(host.keys().size(), 2u);
    EXPECT_EQ(host.keys()[0], "^c wait");
    EXPECT_EQ(host.keys()[1], "^fa{+}b{(}1{)} As {TAB}C{ENTER} wait");
    // The host now selects the match; the second press looks for the same name again.
    host.log.clear();
    host.selection = "a+b(1) As ";
    QTest::mouseClick(palette.tbFindDefinition, Qt::LeftButton);
    ASSERT_EQ(host.keys().size(), 2u);
    EXPECT_EQ(host.keys()[1], "^fa{+}b{(}1{)} As {TAB}C{ENTER} wait");
    host.log.clear();
    host.selection = "nTotal = ";
    QTest::mouseClick(palette.tbFindModifiers, Qt::LeftButton);
    ASSERT_EQ(host.keys().size(), 2u);
    EXPECT_EQ(host.keys()[1], "^fnTotal = {TAB}C{ENTER} wait");
    host.log.clear();
    host.selection = "   ";
    QTest::mouseClick(palette.tbFindModifiers, Qt::LeftButton);
    EXPECT_EQ(host.keys(), std::vector<std::string>{"^c wait"}); // a blank selection stops there
}

TEST_F(ShellWindowsTest, ABadKeystrokeIsReportedAndThePaletteStaysUsable)
{
    common::settings().keys.FilePrint = "{BOGUS";
    shell::frmTAB2 &palette = openPalette();
    QTest::mouseClick(palette.tbprint, Qt::LeftButton);
    auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Quillmark: System Error");
    EXPECT_NE(boxes[0].text.find("\"tbprint_Click\""), std::string::npos);
    QTest::mouseClick(palette.tbDebugWindow, Qt::LeftButton);
    EXPECT_EQ(host.keys().back(), "^f{TAB}C{ENTER} wait");
}

TEST_F(ShellWindowsTest, ToolboxButtonTogglesWithTheCloseKeystroke)
{
    shell::frmTAB2 &palette = openPalette();
    QTest::mouseClick(palette.tbToolbox, Qt::LeftButton);
    QTest::mouseClick(palette.tbToolbox, Qt::LeftButton);
    EXPECT_EQ(host.keys(), (std::vector<std::string>{"^t wait", "^t wait", "^{F4} wait"}));
}

TEST_F(ShellWindowsTest, MoveButtonDragsThePalette)
{
    common::settings().left = 3000;
    common::settings().top = 1500;
    shell::frmTAB2 &palette = openPalette();
    const QPoint start = palette.pos();
    QWidget *move = palette.tbPrintOrient;
    QTest::mousePress(move, Qt::LeftButton, {}, QPoint(11, 11));
    EXPECT_TRUE(palette.isMoving());
    QMouseEvent drag(QEvent::MouseMove, QPointF(20, 11), move->mapToGlobal(QPointF(20, 11)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(move, &drag);
    EXPECT_EQ(palette.pos().x() - start.x(), 20 - 11);
    EXPECT_EQ(palette.pos().y(), start.y());
    QTest::mouseRelease(move, Qt::LeftButton, {}, QPoint(20, 11));
    EXPECT_FALSE(palette.isMoving());
}

TEST_F(ShellWindowsTest, RightReleaseOnMinimizeClosesThePalette)
{
    shell::frmTAB2 &palette = openPalette();
    release(palette.tbMinimize, Qt::RightButton);
    EXPECT_FALSE(common::programState().paletteLoaded);
    EXPECT_EQ(ui.callsOf("wait").size(), 1u);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windows.palette(), nullptr);
    EXPECT_EQ(windows.tooltipWindow(), nullptr);
}

TEST_F(ShellWindowsTest, LeftReleaseOnMinimizeMinimizesWithCaption)
{
    shell::frmTAB2 &palette = openPalette();
    release(palette.tbMinimize, Qt::LeftButton);
    EXPECT_TRUE(palette.isMinimized());
    EXPECT_EQ(palette.windowTitle(), QStringLiteral("Quillmark"));
}

TEST_F(ShellWindowsTest, ControlsWindowHasSixTabsAndTogglesStayOnTop)
{
    ASSERT_TRUE(windows.showToolWindow("frmApperTab"));
    auto *controls = qobject_cast<shell::frmApperTab *>(windows.toolWindow("frmApperTab"));
    ASSERT_NE(controls, nullptr);
    EXPECT_EQ(controls->windowTitle(), QStringLiteral("Controls"));
    EXPECT_TRUE(common::programState().isWindowOpen("frmApperTab"));
    QStringList tabs;
    for (int i = 0; i < controls->SSTab1->count(); ++i)
        tabs << controls->SSTab1->tabText(i);
    EXPECT_EQ(tabs, (QStringList{"Appear", "Tab Order", "MultiClip", "Errors", "Cleanup",
                                 "Track Changes"}));
    EXPECT_EQ(controls->pbStayOnTop->text(), QStringLiteral("Set Stay On Top"));
    QTest::mouseClick(controls->pbStayOnTop, Qt::LeftButton);
    EXPECT_EQ(controls->pbStayOnTop->text(), QStringLiteral("Set Not On Top"));
    EXPECT_TRUE(controls->isOnTop());
    QTest::mouseClick(controls->pbStayOnTop, Qt::LeftButton);
    EXPECT_EQ(controls->pbStayOnTop->text(), QStringLiteral("Set Stay On Top"));
    const QRect screen = controls->screen()->geometry();
    EXPECT_EQ(controls->frameGeometry().right(), screen.right());
    EXPECT_EQ(controls->frameGeometry().bottom(), screen.bottom());
    windows.unloadToolWindow("frmApperTab");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(common::programState().isWindowOpen("frmApperTab"));
    EXPECT_FALSE(windows.showToolWindow("frmNotYetBuilt"));
}

TEST_F(ShellWindowsTest, TrackChangesAdditionPastesIntoTheHost)
{
    windows.showToolWindow("frmApperTab");
    QWidget *controls = windows.toolWindow("frmApperTab");
    QTest::mouseClick(test::control(controls, "pbBlockanAdd"), Qt::LeftButton);
    EXPECT_EQ(ui.clipboardText(), "'* Block Added by dev on 12/08/2026\r\n\r\n\r\n'* End of Block "
                                  "Added by dev on 12/08/2026\r\n");
    EXPECT_EQ(host.keys().back(), "^v wait");
}

TEST_F(ShellWindowsTest, SplashAndAboutShowNamesAndVersion)
{
    common::settings().programmerName = common::fixedWidthName("Ada");
    shell::frmSplash splash;
    EXPECT_EQ(splash.lblProgrammer->text(), QStringLiteral("Ada"));
    EXPECT_EQ(splash.lbl32Bit->text(), QStringLiteral("(32 Bit)"));
    EXPECT_TRUE(splash.lblProductName->text().startsWith(QStringLiteral("Quillmark ")));

    windows.showAbout();
    shell::frmAbout *box = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *a = qobject_cast<shell::frmAbout *>(w))
            box = a;
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->lblHost->text(), QStringLiteral("Visual Basic 4.0/32"));
    EXPECT_TRUE(box->lblVersion->text().startsWith(QStringLiteral("Version ")));
    box->txtProgrammer->setText(QStringLiteral("Grace Hopper"));
    box->txtCompany->setText(QStringLiteral("Navy"));
    QTest::mouseClick(box->pbSaveNames, Qt::LeftButton);
    EXPECT_EQ(common::settings().programmer(), "Grace Hopper");
    EXPECT_EQ(
        platform::getPrivateProfileString("Programmer", "ProgrammerName", "", 255, "quillmrk.ini"),
        "Grace Hopper");
    QTest::mouseClick(box->pbClose, Qt::LeftButton);
}

TEST_F(ShellWindowsTest, ConnectShowsThePaletteAndDisconnectSavesItsPosition)
{
    test::FakeHost fake;
    shell::Connector connector;
    connector.ConnectAddIn(fake);
    ASSERT_NE(windows.palette(), nullptr);
    EXPECT_TRUE(windows.palette()->isVisible());
    windows.palette()->move(platform::twipsToPixels(4500, windows.palette()),
                            platform::twipsToPixels(600, windows.palette()));
    connector.DisconnectAddIn(0);
    EXPECT_EQ(platform::getPrivateProfileString("Configuration", "Left", "", 255, "quillmrk.ini"),
              "04500");
    EXPECT_EQ(platform::getPrivateProfileString("Configuration", "Top", "", 255, "quillmrk.ini"),
              "00600");
}

TEST_F(ShellWindowsTest, ToolsShowWindowsThroughTheNewestShellAndTheOlderOneAfterIt)
{
    auto &registry = common::toolRegistry();
    {
        shell::QtShellWindows newer;
        ASSERT_TRUE(registry.showWindow(common::window::MsgBox));
        EXPECT_NE(newer.toolWindow(common::window::MsgBox), nullptr);
        EXPECT_EQ(windows.toolWindow(common::window::MsgBox), nullptr);
    }
    // The newer windows are gone; showing goes to the ones that were there before, never to them.
    ASSERT_TRUE(registry.showWindow(common::window::MsgBox));
    EXPECT_NE(windows.toolWindow(common::window::MsgBox), nullptr);
    EXPECT_FALSE(registry.showWindow("frmNoSuchWindow"));
}
