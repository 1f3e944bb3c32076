// Projects: their component lines in both formats, loading what can be loaded, and saving only
// what changed.
#include "ide/Form.h"
#include "ide/Module.h"
#include "ide/Project.h"
#include "platform/FileSystem.h"
#include "platform/VbError.h"
#include "tests/ide/FormTestData.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace qm::ide;
using qm::platform::VbError;
using qm::test::formData;
using qm::test::TempDir;

namespace {

// A project folder with the sample components, one of them in a sub-folder and one elsewhere.
class ProjectTest : public ::testing::Test
{
protected:
    TempDir dir;
    TempDir other;
    void SetUp() override
    {
        std::filesystem::create_directories(dir.path() / "Forms");
        dir.write("Forms/FRMMAIN.FRM", formData("frmMain.frm"));
        dir.write("Forms/frmMain.frx", formData("frmMain.frx"));
        dir.write("modTools.bas", formData("modTools.bas"));
        other.write("Account.cls", formData("Account.cls"));
    }
    std::string vbp()
    {
        return "Type=Exe\r\n"
               "Form=forms\\frmMain.frm\r\n"
               "Module=modTools; MODTOOLS.BAS\r\n"
               "Class=Account; C:" +
               replacedSlashes(other.file("Account.cls")) +
               "\r\n"
               "Object={F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0; COMDLG32.OCX\r\n"
               "Startup=\"frmMain\"\r\n"
               "Name=\"Customers\"\r\n";
    }
    static std::string replacedSlashes(std::string path)
    {
        return qm::test::replaced(path, "/", "\\");
    }
};

TEST(ProjectEntries, ReadsFormModuleAndClassLinesOfBothFormats)
{
    std::string text =
        "Type=Exe\r\nForm=Main.frm\r\nmodule = Tools ; ..\\lib\\TOOLS.BAS\r\n"
        "Class=Account; C:\\src\\Account.cls\r\nReference=*\\G{00020430}#2.0#0#x#OLE\r\n"
        "Form=\r\nMAIN2.FRM\n";
    std::vector<LoadProblem> problems;
    auto entries = parseProjectEntries(text, "p.vbp", &problems);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].file, "Main.frm");
    EXPECT_EQ(entries[1].kind, ComponentKind::Module);
    EXPECT_EQ(entries[1].module, "Tools");
    EXPECT_EQ(entries[1].file, "..\\lib\\TOOLS.BAS");
    EXPECT_EQ(entries[2].file, "C:\\src\\Account.cls");
    EXPECT_EQ(entries[3].file, "MAIN2.FRM");
    EXPECT_EQ(entries[3].lineNumber, 7);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].text(), "p.vbp(6): the line names no file");
}

TEST_F(ProjectTest, LoadsComponentsThroughRelativeAbsoluteAndMiscasedPaths)
{
    dir.write("Customers.vbp", vbp());
    auto project = Project::load(dir.file("Customers.vbp"));
    EXPECT_TRUE(project->problems().empty()) << project->problems()[0].text();
    ASSERT_EQ(project->components().size(), 3u);
    EXPECT_EQ(project->name(), "Customers");
    EXPECT_EQ(project->format(), ProjectFormat::Vbp);
    ComponentPtr main = project->findComponent("FRMMAIN");
    ASSERT_TRUE(main);
    EXPECT_EQ(main->kind(), ComponentKind::Form);
    EXPECT_EQ(main->frx(), formData("frmMain.frx"));
    EXPECT_EQ(project->findComponent("modTools")->kind(), ComponentKind::Module);
    EXPECT_EQ(project->findComponent("Account")->code().substr(0, 15), "Option Explicit");
    EXPECT_EQ(project->text(), vbp());
    EXPECT_FALSE(project->isModified());
    EXPECT_TRUE(project->save().empty());
}

TEST_F(ProjectTest, AMissingComponentIsLeftOutAndReported)
{
    dir.write(
        "p.mak",
        "Form=forms\\frmMain.frm\r\nForm=Gone.frm\r\nMODTOOLS.BAS\r\nProjWinSize=1,2,3,4\r\n");
    auto project = Project::load(dir.file("p.mak"));
    EXPECT_EQ(project->format(), ProjectFormat::Mak);
    EXPECT_EQ(project->components().size(), 2u);
    ASSERT_EQ(project->problems().size(), 1u);
    EXPECT_EQ(project->problems()[0].line, 2);
    EXPECT_NE(project->problems()[0].message.find("Gone.frm"), std::string::npos);
    EXPECT_EQ(project->name(), "p");
    // The missing component's line is kept as it was.
    EXPECT_EQ(project->text(), dir.read("p.mak"));
    EXPECT_THROW(Project::load(dir.file("none.vbp")), VbError);
    // A project with keyed lines writes new ones keyed, whatever bare lines it also holds.
    project->addNew(ComponentKind::Module);
    EXPECT_NE(project->text().find("MODTOOLS.BAS\r\nModule=Module1; Module1.bas\r\n"),
              std::string::npos);
}

TEST_F(ProjectTest, SavingWritesOnlyChangedFilesAndTellsWhich)
{
    dir.write("Customers.vbp", vbp());
    auto project = Project::load(dir.file("Customers.vbp"));
    ComponentPtr main = project->findComponent("frmMain");
    main->form()->findControl("cmdOK")->setProperty("Caption", "Done");
    std::vector<std::string> written = project->save();
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0], main->path());
    EXPECT_EQ(written[1], main->frxPath());
    EXPECT_NE(dir.read("Forms/FRMMAIN.FRM").find("\"Done\""), std::string::npos);
    EXPECT_EQ(dir.read("Forms/frmMain.frx"), formData("frmMain.frx"));
    EXPECT_TRUE(project->save().empty());

    project->findComponent("modTools")->setCode("Option Explicit\r\n");
    written = project->save();
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(dir.read("modTools.bas"), "Attribute VB_Name = \"modTools\"\r\nOption Explicit\r\n");
}

TEST_F(ProjectTest, NothingIsWrittenWhenOneComponentCannotBe)
{
    dir.write("odd.bas", "Attribute VB_Name = \"odd\"\r\n");
    dir.write("Form1.frm", "VERSION 5.00\r\n");
    dir.write("p.vbp", "Module=odd; odd.bas\r\n");
    auto project = Project::load(dir.file("p.vbp"));
    project->addNew(ComponentKind::Form); // Form1.frm exists already
    project->findComponent("odd")->setCode("' changed\r\n");
    EXPECT_THROW(project->save(), VbError);
    EXPECT_EQ(dir.read("odd.bas"), "Attribute VB_Name = \"odd\"\r\n");
    EXPECT_THROW(project->addFile(dir.file("ODD.BAS")), VbError); // already in the project
}

TEST_F(ProjectTest, AComponentWithUnreadableLinesStillSaves)
{
    dir.write("odd.frm", "VERSION 5.00\r\nBegin VB.Form odd \r\n   ??? what\r\nEnd\r\n");
    dir.write("p.vbp", "Form=odd.frm\r\n");
    auto project = Project::load(dir.file("p.vbp"));
    ASSERT_EQ(project->problems().size(), 1u);
    EXPECT_NE(project->problems()[0].text().find(
                  "\\odd.frm(3): cannot read the line '??? what'; it is kept as it is"),
              std::string::npos);
    project->components()[0]->setCode("' changed\r\n");
    EXPECT_EQ(project->save().size(), 1u);
    EXPECT_EQ(dir.read("odd.frm"),
              "VERSION 5.00\r\nBegin VB.Form odd \r\n   ??? what\r\nEnd\r\n' changed\r\n");
}

TEST_F(ProjectTest, AddingAndRemovingComponentsEditsTheirLines)
{
    dir.write("Customers.vbp", vbp());
    auto project = Project::load(dir.file("Customers.vbp"));
    dir.write("Extra.bas", "Attribute VB_Name = \"Extra\"\r\n");
    ComponentPtr extra = project->addFile(dir.file("Extra.bas"));
    EXPECT_EQ(extra->name(), "Extra");
    EXPECT_NE(
        project->text().find("Class=Account; C:" + replacedSlashes(other.file("Account.cls")) +
                             "\r\nModule=Extra; Extra.bas\r\nObject="),
        std::string::npos);
    project->removeComponent(*project->findComponent("modTools"));
    EXPECT_EQ(project->text().find("MODTOOLS"), std::string::npos);
    EXPECT_EQ(project->components().size(), 3u);
    EXPECT_THROW(project->addFile(dir.file("Nothing.frm")), VbError);
    EXPECT_THROW(project->addFile(dir.file("Customers.vbp")), VbError);
    project->save();
    EXPECT_EQ(Project::load(dir.file("Customers.vbp"))->components().size(), 3u);
}

TEST_F(ProjectTest, ANewProjectNeedsAFileNameAndThenWritesEverything)
{
    auto project = Project::createNew();
    EXPECT_TRUE(project->isNew());
    EXPECT_EQ(project->fileName(), "");
    EXPECT_EQ(project->name(), "Project1");
    ComponentPtr form = project->addNew(ComponentKind::Form);
    ComponentPtr form2 = project->addNew(ComponentKind::Form);
    ComponentPtr module = project->addNew(ComponentKind::Module);
    EXPECT_EQ(form->name(), "Form1");
    EXPECT_EQ(form2->name(), "Form2");
    EXPECT_EQ(module->name(), "Module1");
    EXPECT_TRUE(form->isNew());
    EXPECT_THROW(project->save(), VbError);
    EXPECT_THROW(form->save(), VbError);

    std::vector<std::string> written = project->saveAs(other.file("Project1.vbp"));
    EXPECT_EQ(written.size(), 4u);
    EXPECT_EQ(other.read("Project1.vbp"),
              "Type=Exe\r\nForm=Form1.frm\r\nForm=Form2.frm\r\nModule=Module1; Module1.bas\r\n");
    auto again = Project::load(other.file("Project1.vbp"));
    EXPECT_EQ(again->components().size(), 3u);
    EXPECT_EQ(again->findComponent("Form2")->form()->root()->text("Caption"), "Form2");
}

TEST_F(ProjectTest, SavingAFormUnderANewNameMovesItsFrxReferences)
{
    auto component = Component::load(dir.file("forms/frmmain.frm"));
    EXPECT_EQ(component->form()->frxFileName(), "frmMain.frx");
    std::vector<std::string> written = component->saveAs(other.file("Copy.frm"));
    ASSERT_EQ(written.size(), 2u);
    EXPECT_NE(other.read("Copy.frm").find("Icon            =   \"Copy.frx\":0000\r\n"),
              std::string::npos);
    EXPECT_EQ(other.read("Copy.frx"), formData("frmMain.frx"));
}

TEST(ProjectPaths, ReferencesAreRelativeWithBackslashesUnlessAcrossDrives)
{
    struct Case
    {
        const char *file;
        const char *directory;
        const char *expected;
    };
    const Case cases[] = {
        {"/work/orig/Form1.frm", "/work/orig", "Form1.frm"},
        {"/work/orig\\forms\\Form1.frm", "/work/copy/", "..\\orig\\forms\\Form1.frm"},
        {"/work/orig/../lib/./Tools.bas", "/work/a/b", "..\\..\\lib\\Tools.bas"},
        {"/WORK/Orig/Form1.frm", "/work/orig/sub", "..\\Form1.frm"}, // letter case ignored
        {"C:\\src\\Form1.frm", "C:\\src\\copy", "..\\Form1.frm"},
        {"C:\\src\\Form1.frm", "/src/copy", "..\\Form1.frm"}, // the file layer ignores drives
        {"D:\\src\\Form1.frm", "C:\\src", "D:\\src\\Form1.frm"},
        {"\\\\server\\share\\x.bas", "/work", "\\\\server\\share\\x.bas"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(relativeProductPath(c.file, c.directory), c.expected) << c.file;
}

TEST_F(ProjectTest, SaveAsIntoAnotherFolderKeepsEveryReference)
{
    std::filesystem::create_directories(dir.path() / "Res");
    std::filesystem::create_directories(dir.path() / "lib");
    std::filesystem::create_directories(dir.path() / "copy" / "deeper");
    dir.write("Res/Project.RES", "res");
    dir.write("lib/stdole2.tlb", "tlb");
    dir.write("readme.txt", "doc");
    dir.write("ctlDial.ctl", "VERSION 5.00\r\n");
    const std::string account = other.file("Account.cls");
    dir.write("Customers.vbp",
              "Type=Exe\r\n"
              "Reference=*\\G{00020430-0000-0000-C000-000000000046}#2.0#0#lib\\stdole2.tlb#OLE "
              "Automation\r\n"
              "Form=forms\\frmMain.frm\r\n"
              "Module=modTools; MODTOOLS.BAS\r\n"
              "Form=Gone.frm\r\n"
              "UserControl=ctlDial.ctl\r\n"
              "Class=Account; " +
                  account +
                  "\r\n"
                  "ResFile32=\"Res\\Project.RES\"\r\n"
                  "RelatedDoc=readme.txt\r\n"
                  "Name=\"Customers\"\r\n");
    auto project = Project::load(dir.file("Customers.vbp"));
    ComponentPtr tools = project->findComponent("modTools");
    tools->setCode("' changed\r\n");

    const std::string copy = dir.file("copy/deeper/Copy.vbp");
    std::vector<std::string> written = project->saveAs(copy);
    // The changed module is saved first, where it is; then the new project file.
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0], tools->path());
    EXPECT_EQ(written[1], copy);
    EXPECT_EQ(dir.read("modTools.bas"), "Attribute VB_Name = \"modTools\"\r\n' changed\r\n");
    const std::string text = dir.read("copy/deeper/Copy.vbp");
    EXPECT_EQ(text, "Type=Exe\r\n"
                    "Reference=*\\G{00020430-0000-0000-C000-000000000046}#2.0#0#..\\..\\lib\\"
                    "stdole2.tlb#OLE Automation\r\n"
                    "Form=..\\..\\forms\\frmMain.frm\r\n"
                    "Module=modTools; ..\\..\\MODTOOLS.BAS\r\n"
                    "Form=..\\..\\Gone.frm\r\n"
                    "UserControl=..\\..\\ctlDial.ctl\r\n"
                    "Class=Account; " +
                        relativeProductPath(account, dir.file("copy/deeper")) +
                        "\r\n"
                        "ResFile32=\"..\\..\\Res\\Project.RES\"\r\n"
                        "RelatedDoc=..\\..\\readme.txt\r\n"
                        "Name=\"Customers\"\r\n");
    EXPECT_EQ(text.find('/'), std::string::npos);
    EXPECT_EQ(project->fileName(), copy);
    EXPECT_FALSE(project->isModified());

    // Opened again from there, every component that loaded before loads, and the other files
    // are where the lines say.
    auto again = Project::load(copy);
    EXPECT_EQ(again->components().size(), 3u);
    ASSERT_EQ(again->problems().size(), 1u);
    EXPECT_NE(again->problems()[0].message.find("Gone.frm"), std::string::npos);
    for (const char *file : {"..\\..\\Res\\Project.RES", "..\\..\\readme.txt",
                             "..\\..\\ctlDial.ctl", "..\\..\\lib\\stdole2.tlb"})
        EXPECT_TRUE(qm::platform::fileExists(qm::platform::joinPath(dir.file("copy/deeper"), file)))
            << file;

    // Saved as again into its own folder, nothing changes.
    EXPECT_TRUE(again->saveAs(copy).size() <= 1u);
    EXPECT_EQ(dir.read("copy/deeper/Copy.vbp"), text);
}

TEST_F(ProjectTest, SaveAsKeepsLinesThatNameNoFileAsTheyAre)
{
    // Lines that look like file lines but name nothing, or are cut short, stay as written.
    const std::string kept = "Reference=*\\G{00020430}#2.0\r\n"
                             "Reference=*\\G{00020430}#2.0#0##OLE\r\n"
                             "ResFile32=\"\"\r\n"
                             "ResFile32=\"\r\n"
                             "HelpFile=\r\n"
                             "RelatedDoc=   \r\n"
                             "Object={F9043C88}#1.2#0; COMDLG32.OCX\r\n"
                             "ExeName32=\"Customers.exe\"\r\n";
    dir.write("p.vbp", kept + "RelatedDoc=\"notes\\a.txt\"\r\n");
    auto project = Project::load(dir.file("p.vbp"));
    std::filesystem::create_directories(dir.path() / "b");
    project->saveAs(dir.file("b/p.vbp"));
    EXPECT_EQ(dir.read("b/p.vbp"), kept + "RelatedDoc=\"..\\notes\\a.txt\"\r\n");
}

TEST_F(ProjectTest, AFailedSaveAsLeavesTheProjectAsItWas)
{
    dir.write("Customers.vbp", vbp());
    auto project = Project::load(dir.file("Customers.vbp"));
    EXPECT_THROW(project->saveAs(dir.file("no/such/folder/Copy.vbp")), VbError);
    EXPECT_EQ(project->fileName(), dir.file("Customers.vbp"));
    EXPECT_EQ(project->text(), vbp());
    EXPECT_FALSE(project->isModified());
}

TEST_F(ProjectTest, AnOldMakKeepsItsBareNamesAndLineEnds)
{
    dir.write("FORM1.FRM", formData("frmOld.frm"));
    dir.write("MCI_REC.BAS", "Declare Function mciSend Lib \"mmsystem\" () As Long\n");
    dir.write("OLD.MAK",
              "FORM1.FRM\nMCI_REC.BAS\nProjWinSize=152,402,248,215\nTitle=\"Recorder\"\n");
    auto project = Project::load(dir.file("OLD.MAK"));
    ASSERT_EQ(project->components().size(), 2u);
    EXPECT_EQ(project->components()[1]->name(), "MCI_REC");
    dir.write("Extra.bas", "Attribute VB_Name = \"Extra\"\n");
    project->addFile(dir.file("Extra.bas"));

    std::filesystem::create_directories(dir.path() / "v2");
    project->saveAs(dir.file("v2/NEW.MAK"));
    EXPECT_EQ(dir.read("v2/NEW.MAK"), "..\\FORM1.FRM\n..\\MCI_REC.BAS\n..\\Extra.bas\n"
                                      "ProjWinSize=152,402,248,215\nTitle=\"Recorder\"\n");
    auto again = Project::load(dir.file("v2/NEW.MAK"));
    EXPECT_EQ(again->components().size(), 3u);
    EXPECT_TRUE(again->problems().empty());
}

} // namespace
