#include "codetext/ui/frmEdit32.h"

#include "codetext/ExtraClipboards.h"
#include "codetext/Find.h"
#include "codetext/ui/EditorDialogs.h"
#include "codetext/ui/MultiClipPage.h"
#include "platform/Text.h"
#include "platform/qt/QtText.h"
#include "tests/support/FakeCodeWindow.h"
#include "tests/support/TempDir.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>

#include <gtest/gtest.h>

using namespace qm;
using namespace qm::codetext;

namespace {

const std::string kModule = "Attribute VB_Name = \"Orders\"\r\n"
                            "Dim total\r\n"
                            "Sub Load()\r\n"
                            "    total = 1\r\n"
                            "End Sub\r\n"
                            "\r\n"
                            "Function Report()\r\n"
                            "    ' totals\r\n"
                            "    Report = total\r\n"
                            "End Function\r\n";

struct Editor : test::HostCommandTest
{
    test::TempDir dir;
    QPointer<frmEdit32> editor = new frmEdit32;

    void SetUp() override
    {
        HostCommandTest::SetUp();
        editorSearch() = SearchState();
        common::settings().keys.CutToClipboard = "^x";
        modalRunner() = [](QDialog &) {
        };
    }
    void TearDown() override
    {
        delete editor;
        modalRunner() = [](QDialog &dialog) {
            dialog.exec();
        };
        HostCommandTest::TearDown();
    }
    void trigger(const char *entry)
    {
        QAction *action = editor->menuEntry(QString::fromLatin1(entry));
        ASSERT_NE(action, nullptr) << entry;
        action->trigger();
    }
    void select(int start, int length)
    {
        QTextCursor cursor = editor->txtEdit->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        editor->txtEdit->setTextCursor(cursor);
    }
    std::string selected() const
    {
        return platform::fromQString(
            editor->txtEdit->textCursor().selectedText().replace(QChar::ParagraphSeparator, '\n'));
    }
    std::string caption() const { return platform::fromQString(editor->windowTitle()); }
    std::vector<std::string> boxTitles() const
    {
        std::vector<std::string> titles;
        for (const auto &call : ui.callsOf("msgbox"))
            titles.push_back(call.title);
        return titles;
    }
};

} // namespace

TEST_F(Editor, HasItsControlsTooltipsAndMenus)
{
    EXPECT_EQ(caption(), "Quillmark Editor");
    const std::vector<std::pair<const char *, const char *>> tips = {
        {"tbComment", "Comment Selected Text"}, {"tbUncomment", "Uncomment Selected Text"},
        {"Command3D1", "Indent Selected Text"}, {"Command3D2", "Convert Selected Text xBase to VB"},
        {"tbPrint", "Print Selected Text"},     {"Command3D3", "Concatenate to Clipboard"},
        {"tbFindDiff", "Find Difference"},
    };
    for (const auto &[name, tip] : tips) {
        auto *button = editor->findChild<QPushButton *>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->toolTip().toStdString(), tip);
    }
    for (const char *entry :
         {"mnuFileBas", "mnuFillAll", "mnuBasFiles", "mnuFrmFilesn", "mnuPrgFiles", "mnjSelectAll",
          "mnuSelectCut", "menuFontSizeToggle", "mnuAbout"})
        EXPECT_NE(editor->menuEntry(QString::fromLatin1(entry)), nullptr) << entry;
    EXPECT_EQ(editor->menuEntry("mnuAbout")->text().toStdString(), "&About Tb Quillmark");
    EXPECT_EQ(editor->menuEntry("mnuSelectCut")->text().toStdString(), "S&elect && Cut");
}

TEST_F(Editor, OpensAWholeFileAndSavesItsOwnBytesBack)
{
    // Mixed line ends, a NUL and a no-break space: nothing the box cannot hold is lost.
    const std::string bytes = std::string("a\r\nb\nc\0d\xa0\r\n", 11);
    dir.write("Odd.bas", bytes);
    ui.queueFileAnswer(dir.file("Odd.bas"));
    trigger("mnuFileBas");
    EXPECT_EQ(ui.callsOf("open").at(0).text, "Program (*.bas)|*.bas");
    EXPECT_EQ(caption(), "QM: " + platform::toUpper(dir.file("Odd.bas")));
    EXPECT_FALSE(editor->isDirty());
    trigger("mnuFileSave");
    EXPECT_EQ(dir.read("Odd.bas"), bytes);

    // An edit writes every line with the file's first line end.
    editor->txtEdit->moveCursor(QTextCursor::End);
    editor->txtEdit->insertPlainText("e");
    EXPECT_TRUE(editor->isDirty());
    trigger("mnuFileSave");
    EXPECT_EQ(dir.read("Odd.bas"), std::string("a\r\nb\r\nc\0d\xa0\r\ne", 13));
    EXPECT_FALSE(editor->isDirty());
}

TEST_F(Editor, OpeningProblemsAreToldAndNothingChanges)
{
    ui.queueFileAnswer(std::nullopt);
    trigger("mnuFillAll"); // cancelled
    EXPECT_FALSE(editor->openFile(dir.file("missing.bas"), false));
    dir.write("Tool.exe", std::string("MZ\0\0\x90", 5));
    EXPECT_FALSE(editor->openFile(dir.file("Tool.exe"), true));
    dir.write("Broken.frm", "VERSION 5.00\r\nBegin VB.Form F\r\n");
    EXPECT_FALSE(editor->openFile(dir.file("Broken.frm"), true));
    const auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "Can't open file: " + dir.file("missing.bas"));
    EXPECT_EQ(boxes[1].text, "Read Past EOF, possibly Binary File!");
    EXPECT_EQ(boxes[2].title, "File Error");
    EXPECT_EQ(caption(), "Quillmark Editor");
}

TEST_F(Editor, ModuleModeLoadsOneProcedureAndWarnsBeforeLosingAnEdit)
{
    dir.write("Orders.bas", kModule);
    ui.queueFileAnswer(dir.file("Orders.bas"));
    trigger("mnuBasFiles");
    ASSERT_TRUE(editor->isModuleMode());
    ASSERT_EQ(editor->cbProc->count(), 3);
    EXPECT_EQ(editor->cbProc->itemText(0).toStdString(), "(declarations)");
    EXPECT_EQ(editor->editorText(), "Attribute VB_Name = \"Orders\"\nDim total\n");

    editor->cbProc->setCurrentIndex(1);
    EXPECT_EQ(editor->editorText(), "Sub Load()\n    total = 1\nEnd Sub\n");
    EXPECT_EQ(caption(), "QM: Load of " + platform::toUpper(dir.file("Orders.bas")));

    editor->txtEdit->insertPlainText("' x\n");
    editor->cbProc->setCurrentIndex(2);
    EXPECT_EQ(boxTitles(), std::vector<std::string>{"Save or Lose Changes"});
    EXPECT_EQ(editor->cbProc->currentIndex(), 1);
    EXPECT_EQ(editor->currentProcedure(), "Load");
    // Asked once: the next choice loads and the edit is gone.
    editor->cbProc->setCurrentIndex(2);
    EXPECT_EQ(editor->currentProcedure(), "Report");
    EXPECT_EQ(boxTitles().size(), 1u);
    EXPECT_EQ(dir.read("Orders.bas"), kModule);
}

TEST_F(Editor, ModuleSaveRewritesOneProcedureAndKeepsABackup)
{
    dir.write("Orders.bas", kModule);
    ASSERT_TRUE(editor->openFile(dir.file("Orders.bas"), true));
    editor->cbProc->setCurrentIndex(2);
    editor->txtEdit->selectAll();
    editor->txtEdit->insertPlainText("Function Report()\n    Report = 2\nEnd Function\n");
    trigger("mnuFileSave");
    EXPECT_EQ(dir.read("Orders.BAK"), kModule);
    EXPECT_EQ(dir.read("Orders.bas"),
              kModule.substr(0, kModule.find("Function Report")) +
                  "Function Report()\r\n    Report = 2\r\nEnd Function\r\n");
    EXPECT_FALSE(editor->isDirty());
    EXPECT_EQ(editor->currentProcedure(), "Report");

    // Save As writes another file and leaves this one.
    editor->txtEdit->insertPlainText("' more\n");
    ui.queueFileAnswer(dir.file("Copy.bas"));
    trigger("mnuSaveAs");
    EXPECT_EQ(editor->currentPath(), dir.file("Copy.bas"));
    EXPECT_NE(dir.read("Copy.bas").find("' more\r\n"), std::string::npos);
    EXPECT_EQ(dir.read("Orders.bas").find("' more"), std::string::npos);
}

TEST_F(Editor, AfterASaveTheBoxAlwaysHoldsTheEntryItWillReplace)
{
    dir.write("Orders.bas", kModule);
    ASSERT_TRUE(editor->openFile(dir.file("Orders.bas"), true));
    editor->cbProc->setCurrentIndex(1);
    // Renamed: the list follows the new name.
    editor->txtEdit->selectAll();
    editor->txtEdit->insertPlainText("Sub Reload()\n    total = 1\nEnd Sub\n");
    trigger("mnuFileSave");
    EXPECT_EQ(editor->currentProcedure(), "Reload");
    EXPECT_EQ(editor->cbProc->currentText().toStdString(), "Reload");
    // Its header deleted: the text joins the declarations, which are loaded.
    editor->txtEdit->selectAll();
    editor->txtEdit->insertPlainText("    total = 2\n");
    trigger("mnuFileSave");
    EXPECT_EQ(editor->currentProcedure(), "(declarations)");
    EXPECT_EQ(editor->editorText(), "Attribute VB_Name = \"Orders\"\nDim total\n    total = 2\n\n");
    trigger("mnuFileSave");
    EXPECT_EQ(dir.read("Orders.bas"), "Attribute VB_Name = \"Orders\"\r\nDim total\r\n    total = "
                                      "2\r\n\r\nFunction Report()\r\n    ' totals\r\n    Report = "
                                      "total\r\nEnd Function\r\n");
}

TEST_F(Editor, ASaveThatFailsSaysSoAndKeepsTheEdit)
{
    dir.write("Orders.bas", kModule);
    ASSERT_TRUE(editor->openFile(dir.file("Orders.bas"), false));
    editor->txtEdit->insertPlainText("x");
    std::filesystem::remove_all(dir.path());
    trigger("mnuFileSave");
    EXPECT_EQ(boxTitles(), std::vector<std::string>{"File Error"});
    EXPECT_NE(ui.callsOf("msgbox")[0].text.find(dir.file("Orders.bas")), std::string::npos);
    EXPECT_TRUE(editor->isDirty());
}

TEST_F(Editor, ClosingAChangedTextAsksFirst)
{
    dir.write("Orders.bas", kModule);
    ASSERT_TRUE(editor->openFile(dir.file("Orders.bas"), false));
    editor->txtEdit->insertPlainText("x");
    editor->show();
    ui.queueMsgBoxAnswer(platform::mb::Cancel);
    EXPECT_FALSE(editor->close());
    const auto box = ui.callsOf("msgbox").at(0);
    EXPECT_EQ(box.title, "Confirm Save");
    EXPECT_EQ(box.text, "The text in [" + dir.file("Orders.bas") +
                            "] has changed.\n\rDo you want to save the changes?");
    EXPECT_EQ(box.style, 51);

    // The Close entry's Yes keeps a .bak and writes the text back.
    ui.queueMsgBoxAnswer(platform::mb::Yes);
    trigger("mnuFileClose");
    EXPECT_EQ(dir.read("Orders.bak"), kModule);
    EXPECT_EQ(dir.read("Orders.bas"), "x" + kModule);
    EXPECT_EQ(caption(), "Quillmark Editor");

    // The close box's Yes asks where to save; No closes without saving.
    editor->txtEdit->insertPlainText("new text");
    ui.queueMsgBoxAnswer(platform::mb::Yes);
    ui.queueFileAnswer(dir.file("New.bas"));
    EXPECT_TRUE(editor->close());
    EXPECT_EQ(dir.read("New.bas"), "new text");
}

TEST_F(Editor, OpeningAnotherFileAsksAboutAChangedText)
{
    dir.write("Orders.bas", kModule);
    dir.write("Other.bas", "Dim other\r\n");
    ASSERT_TRUE(editor->openFile(dir.file("Orders.bas"), false));
    editor->txtEdit->insertPlainText("' kept\n");
    ui.queueMsgBoxAnswer(platform::mb::Cancel);
    trigger("mnuFileBas"); // cancelled: no dialog, the text stays
    EXPECT_TRUE(ui.callsOf("open").empty());
    EXPECT_EQ(editor->currentPath(), dir.file("Orders.bas"));
    ui.queueMsgBoxAnswer(platform::mb::Yes);
    ui.queueFileAnswer(dir.file("Other.bas"));
    trigger("mnuFileBas");
    EXPECT_EQ(dir.read("Orders.bas"), "' kept\r\n" + kModule);
    EXPECT_EQ(editor->editorText(), "Dim other\n");
}

TEST_F(Editor, FindsUpAndDownWithAndWithoutLetterCase)
{
    editor->txtEdit->setPlainText("Total total TOTAL total");
    SearchState &state = editorSearch();
    modalRunner() = [](QDialog &dialog) {
        auto *find = dynamic_cast<frmFind *>(&dialog);
        ASSERT_NE(find, nullptr);
        find->Text1->setText("total");
        find->cmdFind->click();
    };
    select(0, 0);
    trigger("mnuFind");
    EXPECT_EQ(editor->txtEdit->textCursor().selectionStart(), 0); // any letter case
    trigger("mnuFindNext");
    EXPECT_EQ(editor->txtEdit->textCursor().selectionStart(), 6);

    state.caseSensitive = true;
    trigger("mnuFindNext");
    EXPECT_EQ(editor->txtEdit->textCursor().selectionStart(), 18); // TOTAL skipped
    trigger("mnuFindNext");
    EXPECT_EQ(boxTitles(), std::vector<std::string>{"Quillmark"});
    EXPECT_EQ(ui.callsOf("msgbox")[0].text, "Cannot find \"total\"");
    EXPECT_EQ(editor->txtEdit->textCursor().selectionStart(), 18);

    state.caseSensitive = false;
    state.direction = 0;
    select(13, 0); // inside TOTAL
    trigger("mnuFindNext");
    EXPECT_EQ(editor->txtEdit->textCursor().selectionStart(), 12);
    trigger("mnuFindNext");
    EXPECT_EQ(editor->txtEdit->textCursor().selectionStart(), 6);
    EXPECT_EQ(selected(), "total");
}

TEST_F(Editor, ReplaceChangesEveryExactCaseOccurrence)
{
    editor->txtEdit->setPlainText("a = A + a\naa");
    modalRunner() = [](QDialog &dialog) {
        auto *replace = dynamic_cast<frmReplace *>(&dialog);
        ASSERT_NE(replace, nullptr);
        replace->txtFindWhat->setText("a");
        replace->txtReplaceWith->setText("ab");
        replace->pbReplace->click();
    };
    trigger("mnuReplace");
    EXPECT_EQ(editor->editorText(), "ab = A + ab\nabab");
    // Cancel forgets the search and replaces nothing.
    modalRunner() = [](QDialog &dialog) {
        dynamic_cast<frmReplace &>(dialog).pbCancel->click();
    };
    trigger("mnuReplace");
    EXPECT_EQ(editor->editorText(), "ab = A + ab\nabab");
    EXPECT_TRUE(editorSearch().searchText.empty());
}

TEST_F(Editor, ConcatenateAppendsEachSelectionToTheClipboard)
{
    editor->txtEdit->setPlainText("one\ntwo\n");
    ui.clipboardSetText("start ");
    select(0, 4);
    editor->Command3D3->click();
    select(4, 4);
    trigger("mnuConcatenate");
    EXPECT_EQ(ui.clipboardText(), "start one\r\ntwo\r\n");
    editor->txtEdit->clear();
    trigger("mnuConcatenate");
    EXPECT_EQ(ui.callsOf("msgbox").at(0).text, "You have no text to concatenate!");
}

TEST_F(Editor, TheTextToolsWorkOnTheSelection)
{
    editor->txtEdit->setPlainText("If a Then\nb = 1\nEnd If\nkeep");
    select(0, 23);
    editor->tbComment->click();
    EXPECT_EQ(editor->editorText(), "'If a Then\n'b = 1\n'End If\nkeep");
    EXPECT_EQ(ui.clipboardText(), "'If a Then\r\n'b = 1\r\n'End If\r\n");
    select(0, 26);
    editor->tbUncomment->click();
    select(0, 23);
    editor->Command3D1->click();
    EXPECT_EQ(editor->editorText(), "   If a Then\n      b = 1\n   End If\nkeep");
    editor->txtEdit->clear();
    editor->tbComment->click();
    EXPECT_EQ(ui.callsOf("msgbox").at(0).title, "Error");

    // Convert takes the selection only; with none it converts nothing.
    editor->txtEdit->setPlainText("* top\nIF x == 1\nENDIF\n");
    editor->Command3D2->click();
    EXPECT_EQ(editor->editorText(), "* top\nIF x == 1\nENDIF\n");
    select(6, 16);
    trigger("mnuConvert");
    EXPECT_EQ(editor->editorText(), "* top\nIf x = 1 Then\nEnd If\n");
}

TEST_F(Editor, CutAndCopyPutTheSelectionOnTheClipboardWithCrLf)
{
    editor->txtEdit->setPlainText("Sub A()\n  x = 1\nEnd Sub\n");
    ui.clipboardSetText("before");
    select(0, 0);
    trigger("mnuCopy"); // nothing selected: the clipboard keeps its text
    trigger("mnuCut");
    EXPECT_EQ(ui.clipboardText(), "before");

    select(0, 16);
    trigger("mnuCopy");
    EXPECT_EQ(ui.clipboardText(), "Sub A()\r\n  x = 1\r\n");
    EXPECT_EQ(platform::fromQString(editor->txtEdit->toPlainText()), "Sub A()\n  x = 1\nEnd Sub\n");

    select(8, 8);
    trigger("mnuCut");
    EXPECT_EQ(ui.clipboardText(), "  x = 1\r\n");
    EXPECT_EQ(platform::fromQString(editor->txtEdit->toPlainText()), "Sub A()\nEnd Sub\n");
}

TEST_F(Editor, PrintsTheSelectionWithCommentLinesInBold)
{
    editor->txtEdit->setPlainText("skip\nSub A()\n  ' note\nEnd Sub\n");
    select(5, 25);
    editor->tbPrint->click();
    const auto &docs = ui.recordingPrinter().documents();
    ASSERT_EQ(docs.size(), 1u);
    std::vector<std::pair<std::string, bool>> printed;
    for (const auto &line : docs[0].lines)
        printed.emplace_back(line.text, line.bold);
    EXPECT_EQ(printed, (std::vector<std::pair<std::string, bool>>{{" ", false},
                                                                  {" ", false},
                                                                  {"Sub A()", false},
                                                                  {"  ' note", true},
                                                                  {"End Sub", false}}));
    editor->txtEdit->clear();
    trigger("mnuPrint");
    EXPECT_EQ(ui.callsOf("msgbox").at(0).text, "You have no text selected!");
}

TEST_F(Editor, ExtraClipboardsCopyEditAndPasteHostText)
{
    extraClipboards() = {};
    MultiClipPage page;
    host.selection = "x = 1\r\n";
    page.pbCopy[1]->click();
    EXPECT_EQ(extraClipboards()[1], "x = 1\r\n");
    page.pbCut[2]->click();
    EXPECT_EQ(host.keys(), (std::vector<std::string>{"^c wait", "^x wait"}));

    modalRunner() = [](QDialog &dialog) {
        auto &edit = dynamic_cast<frmEditClip &>(dialog);
        EXPECT_EQ(edit.windowTitle().toStdString(), "Edit Quillmark Clipboard #2");
        edit.Text1->setPlainText("x = 2\n");
        edit.pbSave->click();
    };
    page.pbEdit[1]->click();
    EXPECT_EQ(extraClipboards()[1], "x = 2\r\n");
    modalRunner() = [](QDialog &dialog) {
        auto &edit = dynamic_cast<frmEditClip &>(dialog);
        edit.Text1->setPlainText("lost");
        edit.pbExit->click();
    };
    page.pbEdit[1]->click();
    EXPECT_EQ(extraClipboards()[1], "x = 2\r\n");

    host.selection = "old";
    page.pbPaste[1]->click();
    EXPECT_EQ(host.selection, "x = 2\r\n");
    page.pbPaste[0]->click(); // an empty clipboard pastes empty text
    EXPECT_EQ(host.selection, "");
}

TEST_F(Editor, ThePalettesConcatenateAppendsTheHostSelection)
{
    ui.clipboardSetText("a\r\n");
    host.selection = "b\r\n";
    ConcatenateToClipboard();
    host.selection = "c\r\n";
    ConcatenateToClipboard();
    EXPECT_EQ(ui.clipboardText(), "a\r\nb\r\nc\r\n");
    host.selection = "";
    ConcatenateToClipboard();
    EXPECT_EQ(ui.clipboardText(), "a\r\nb\r\nc\r\n");
    // A host that cannot be reached leaves the clipboard as it was.
    ui.setKeyboardTarget(nullptr);
    ConcatenateToClipboard();
    EXPECT_EQ(ui.clipboardText(), "a\r\nb\r\nc\r\n");
}
