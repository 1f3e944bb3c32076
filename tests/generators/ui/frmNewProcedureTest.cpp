// The new procedure window: load, name, kind and scope, and both ways of handing it over.
#include "generators/ui/frmNewProcedure.h"

#include "common/ProgramState.h"
#include "platform/FileSystem.h"
#include "platform/qt/QtText.h"
#include "tests/support/FakeCodeWindow.h"
#include "tests/support/FakeHost.h"
#include "tests/support/ToolWindowFixture.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace qm::generators {
namespace {

class InsertingHost : public test::FakeHost
{
public:
    void insertFileIntoActiveForm(std::string_view path) override
    {
        inserted += platform::readFile(path);
    }
    std::string inserted;
};

class NewProcedureWindow : public test::HostCommandTest
{
protected:
    test::TempDir appDir;
    test::ScopedEnv app{"QM_APP_DIR", appDir.str()};
    InsertingHost fakeHost;
    QPointer<frmNewProcedure> form;

    void SetUp() override
    {
        HostCommandTest::SetUp();
        common::programState().host = &fakeHost;
        common::settings().keywords.Author = "Author";
        common::settings().keywords.DateCreated = "Created";
        appDir.write("newproc.txt",
                     "' Author\r\n' Created\r\nProcedure ProcName()\r\nEnd Procedure\r\n");
    }
    void TearDown() override
    {
        delete form.data();
        common::programState().host = nullptr;
        HostCommandTest::TearDown();
    }

    void open() { form = new frmNewProcedure; }
    void rename(const char *name)
    {
        form->Text1->setText(QString::fromLatin1(name));
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(form->Text1, &out);
    }
    void choose(const char *option) { test::control<QRadioButton>(form, option)->click(); }
};

TEST_F(NewProcedureWindow, LoadsTemplateWithAuthorDateAndSub)
{
    open();
    EXPECT_EQ(form->windowTitle(), "New Procedure");
    EXPECT_EQ(form->workingText(),
              "' Author dev\r\n' Created 12/8/2026\r\nSub ProcName()\r\nEnd Sub\r\n");
    EXPECT_EQ(form->Text1->selectedText(), "NewProcName");
    EXPECT_TRUE(form->rbSub->isChecked());
    EXPECT_FALSE(form->rbPrivate->isChecked() || form->rbPublic->isChecked());
}

TEST_F(NewProcedureWindow, PrivateFunctionPastedIntoActiveForm)
{
    open();
    rename("Total");
    choose("rbFunction");
    choose("rbPrivate");
    const std::string expected =
        "' Author dev\r\n' Created 12/8/2026\r\nPrivate Function Total()\r\nEnd Function\r\n";
    EXPECT_EQ(form->workingText(), expected);
    test::click(form, "Command1");
    EXPECT_EQ(fakeHost.inserted, expected + "\r\n");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(form);
}

TEST_F(NewProcedureWindow, PrivateFunctionPastedAtModuleCursor)
{
    open();
    rename("Total");
    choose("rbFunction");
    choose("rbPublic");
    choose("rbPrivate");
    test::click(form, "Command3");
    EXPECT_EQ(
        host.selection,
        "' Author dev\r\n' Created 12/8/2026\r\nPrivate Function Total()\r\nEnd Function\r\n");
    EXPECT_EQ(host.pastes, 1);
}

TEST_F(NewProcedureWindow, CancelPastesNothingAndMissingTemplateIsReported)
{
    appDir.write("newproc.txt", "");
    platform::deleteFile(appDir.file("newproc.txt"));
    open();
    EXPECT_EQ(form->workingText(), "");
    ASSERT_EQ(ui.callsOf("msgbox").size(), 1u);
    EXPECT_NE(ui.callsOf("msgbox")[0].text.find("Form_Load"), std::string::npos);
    test::click(form, "Command2");
    EXPECT_EQ(host.pastes, 0);
    EXPECT_EQ(fakeHost.inserted, "");
}

} // namespace
} // namespace qm::generators
