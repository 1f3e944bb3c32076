// The Errors page and the analyzer window against a fake code window: what lands in the host.
#include "generators/ui/ErrorsPage.h"

#include "common/ProgramState.h"
#include "common/WindowNames.h"
#include "generators/DocBlock.h"
#include "generators/ErrorTrap.h"
#include "generators/ProcedureGlue.h"
#include "generators/ui/frmIFAnalyzer.h"
#include "platform/qt/QtText.h"
#include "platform/qt/WindowBinding.h"
#include "tests/support/FakeCodeWindow.h"
#include "tests/support/ToolWindowFixture.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>

namespace qm::generators {
namespace {

const std::string kFoo = "Sub Foo()\r\n   x = 1\r\nEnd Sub\r\n";

class ErrorsPageTest : public test::HostCommandTest
{
protected:
    test::ToolWindowFixture windows;
    ErrorsPage page;

    std::vector<platform::UiCall> messages() const { return ui.callsOf("msgbox"); }
    frmIFAnalyzer *analyzer()
    {
        return qobject_cast<frmIFAnalyzer *>(
            windows.shell().toolWindow(common::window::IFAnalyzer));
    }
    static bool analyzerOpen()
    {
        return common::programState().isWindowOpen(common::window::IFAnalyzer);
    }
};

TEST_F(ErrorsPageTest, TrapAddedAndRemovedAgain)
{
    host.selection = kFoo;
    test::click(&page, "pbSubErrorTrapping");
    EXPECT_EQ(host.selection, GenLocalErrorTrap(kFoo));
    test::click(&page, "pbRemove");
    EXPECT_EQ(host.selection, "Sub Foo()\r\n\r\n\r\n   x = 1\r\n   Exit Sub\r\n\r\nEnd Sub\r\n");
    EXPECT_EQ(host.pastes, 2);
    EXPECT_TRUE(messages().empty());
}

TEST_F(ErrorsPageTest, BlankSelectionAsksForWholeProcedureAndPastesNothing)
{
    host.selection = "";
    test::click(&page, "pbRemove");
    test::click(&page, "pbSubErrorTrapping");
    const std::vector<std::string> keys = host.keys();
    EXPECT_NE(std::find(keys.begin(), keys.end(), "{F7}^{HOME}^+{END}^c wait"), keys.end());
    EXPECT_NE(std::find(keys.begin(), keys.end(), "{F7}^({HOME})^+({END})^c wait"), keys.end());
    EXPECT_EQ(host.pastes, 0);
    ASSERT_EQ(messages().size(), 2u);
    for (const platform::UiCall &message : messages()) {
        EXPECT_EQ(message.title, "Proc Not Selected");
        EXPECT_EQ(message.style, 64);
    }
}

TEST_F(ErrorsPageTest, ModuleHandlerLandsAtCursor)
{
    test::click(&page, "pbDefaultErrHandler");
    EXPECT_EQ(host.selection, moduleErrorHandler());
}

TEST_F(ErrorsPageTest, AnalyzerShowsReportAndSavesItOverSelection)
{
    host.selection = "For i = 1 To 2\r\nIf a Then\r\nEnd If\r\nNext\r\n";
    test::click(&page, "pbIfAnalyzer");
    QPointer<frmIFAnalyzer> analyzer = this->analyzer();
    ASSERT_TRUE(analyzer);
    EXPECT_EQ(analyzer->windowTitle(), "Control Structure Analyzer");
    const std::string report = " 1  For i = 1 To 2\r\n  2  If a Then\r\n  2  End If\r\n"
                               " 1  Next\r\n** Next without For **\r\n";
    EXPECT_EQ(analyzer->report(), report);
    EXPECT_EQ(platform::fromQString(
                  test::control<QPlainTextEdit>(analyzer, "txtIfAnalyzer")->toPlainText()),
              " 1  For i = 1 To 2\n  2  If a Then\n  2  End If\n 1  Next\n"
              "** Next without For **\n");
    test::click(analyzer, "pbSave");
    EXPECT_EQ(host.selection, report);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(analyzer);
}

TEST_F(ErrorsPageTest, AnalyzerCloseLeavesSelection)
{
    host.selection = "x = 1\r\n";
    test::click(&page, "pbIfAnalyzer");
    ASSERT_TRUE(analyzer());
    test::click(analyzer(), "pbClose");
    EXPECT_EQ(host.selection, "x = 1\r\n");
    EXPECT_EQ(host.pastes, 0);
}

TEST_F(ErrorsPageTest, AnalyzerPrintsItsReport)
{
    host.selection = "With a\r\n.b = 1\r\nEnd With\r\n";
    test::click(&page, "pbIfAnalyzer");
    ASSERT_TRUE(analyzer());
    test::click(analyzer(), "pbPrint");
    const auto &documents = ui.recordingPrinter().documents();
    ASSERT_EQ(documents.size(), 1u);
    std::vector<std::string> printed;
    for (const platform::PrintedLine &line : documents[0].lines)
        printed.push_back(line.text);
    EXPECT_NE(std::find(printed.begin(), printed.end(), "     .b = 1"), printed.end());
    EXPECT_NE(std::find(printed.begin(), printed.end(), " 1  End With"), printed.end());
    EXPECT_EQ(host.pastes, 0);
    delete analyzer();
    EXPECT_FALSE(analyzerOpen());
}

TEST_F(ErrorsPageTest, AnalyzerIsOneWindowWhoseOpenFlagFollowsIt)
{
    host.selection = "x = 1\r\n";
    EXPECT_FALSE(analyzerOpen());
    test::click(&page, "pbIfAnalyzer");
    QPointer<frmIFAnalyzer> first = analyzer();
    ASSERT_TRUE(first);
    EXPECT_TRUE(analyzerOpen());
    EXPECT_TRUE(platform::WindowBinding::of(*first)) << "no window-registry entry";

    // A second click raises the open analyzer instead of analyzing the selection again.
    host.selection = "If a Then\r\nEnd If\r\n";
    test::click(&page, "pbIfAnalyzer");
    EXPECT_EQ(analyzer(), first.data());
    EXPECT_EQ(first->report(), "    x = 1\r\n");

    test::click(first, "pbClose");
    EXPECT_FALSE(analyzerOpen());
    EXPECT_TRUE(test::isGone(first));
}

TEST_F(ErrorsPageTest, AnalyzerOpenedFromTheFrameUnloadsWithIt)
{
    QWidget *frame = windows.open(common::window::ApperTab);
    ASSERT_TRUE(frame);
    test::click(frame, "pbIfAnalyzer");
    QPointer<frmIFAnalyzer> opened = analyzer();
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->parentWidget(), frame);
    EXPECT_TRUE(opened->isWindow());
    EXPECT_TRUE(analyzerOpen());

    windows.shell().unloadToolWindow(common::window::ApperTab);
    EXPECT_TRUE(test::isGone(opened));
    EXPECT_FALSE(analyzerOpen());
}

class DocTemplateTest : public test::HostCommandTest
{
protected:
    test::TempDir appDir;
    test::ScopedEnv app{"QM_APP_DIR", appDir.str()};
};

TEST_F(DocTemplateTest, DocumentsSelectedProcedure)
{
    appDir.write("doctmplt.txt", "' ProcName\r\n' Author\r\n' Date Created\r\n");
    common::settings().keywords.Author = "Author";
    common::settings().keywords.DateCreated = "Date Created";
    host.selection = "' counts\r\nSub Foo()\r\nx = 1\r\n";
    pbDocTemplate_Click();
    EXPECT_EQ(host.selection, "Sub Foo()\r\n' Foo\r\n' Author dev" + std::string(27, ' ') +
                                  "\r\n' Date Created 12/8/2026\r\nx = 1\r\n");
}

TEST_F(DocTemplateTest, MissingTemplateIsReportedAndNothingPasted)
{
    host.selection = kFoo;
    pbDocTemplate_Click();
    EXPECT_EQ(host.selection, kFoo);
    EXPECT_EQ(host.pastes, 0);
    ASSERT_EQ(ui.callsOf("msgbox").size(), 1u);
    EXPECT_NE(ui.callsOf("msgbox")[0].text.find("pbDocTemplate_Click"), std::string::npos);
}

} // namespace
} // namespace qm::generators
