#include "common/ProjectFiles.h"

#include "platform/FileSystem.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace qm::common;

namespace {

struct Expected
{
    std::string key, name, filePart, path;
};

void expectEntries(const std::vector<ProjectFileEntry> &got, const std::vector<Expected> &want)
{
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(got[i].key, want[i].key);
        EXPECT_EQ(got[i].name, want[i].name);
        EXPECT_EQ(got[i].filePart, want[i].filePart);
        EXPECT_EQ(got[i].path, want[i].path);
    }
}

} // namespace

TEST(ProjectFiles, VbpLinesNameTheirFiles)
{
    const std::string vbp =
        "Type=Exe\r\n"
        "Form=frmMain.frm\r\n"
        "Reference=*\\G{00020430-0000-0000-C000-000000000046}#2.0#0#STDOLE2.TLB\r\n"
        "Object={F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0; COMDLG32.OCX\r\n"
        "Module=Tools; TOOLS.BAS\r\n"
        "class = Account ; \"Account.cls\"\r\n"
        "UserControl=ctlGrid.ctl\r\n"
        "Startup=\"frmMain\"\r\n"
        "Module=Empty;\r\n"
        "ResFile32=\"Orders.res\"\r\n";
    expectEntries(readProjectFiles(vbp, "/p/Orders.vbp"),
                  {{"Form", "", "frmMain.frm", "/p\\frmMain.frm"},
                   {"Module", "Tools", "TOOLS.BAS", "/p\\TOOLS.BAS"},
                   {"class", "Account", "Account.cls", "/p\\Account.cls"},
                   {"UserControl", "", "ctlGrid.ctl", "/p\\ctlGrid.ctl"}});
}

TEST(ProjectFiles, MakBareNamesAndLineEnds)
{
    // Old .MAK files list bare names; control files (.VBX) are not source files.
    const std::string mak = "MAIN.FRM\nC:\\VB\\GRID.VBX\rUTIL.BAS\r\n  Helper.prg  \n"
                            "ProjWinSize=152,402,248,215\r\n\"ODD.BAS\"\r\n";
    auto got = readProjectFiles(mak, "C:\\APPS\\OLD.MAK");
    expectEntries(got, {{"", "", "MAIN.FRM", "C:\\APPS\\MAIN.FRM"},
                        {"", "", "UTIL.BAS", "C:\\APPS\\UTIL.BAS"},
                        {"", "", "Helper.prg", "C:\\APPS\\Helper.prg"}});
    EXPECT_EQ(got[0].lineNumber, 1u);
    EXPECT_EQ(got[1].lineNumber, 3u);
    EXPECT_EQ(got[2].lineNumber, 4u);
}

TEST(ProjectFiles, FilePartsResolveAgainstTheProjectFolder)
{
    struct Case
    {
        const char *filePart, *projectPath, *path;
    };
    const Case cases[] = {
        {"forms\\frmMain.frm", "/w/p/App.vbp", "/w/p\\forms\\frmMain.frm"},
        {"forms/frmMain.frm", "/w/p/App.vbp", "/w/p\\forms/frmMain.frm"},
        {"..\\common\\util.bas", "/w/p/App.vbp", "/w/p\\..\\common\\util.bas"},
        {"C:\\lib\\util.bas", "/w/p/App.vbp", "C:\\lib\\util.bas"},
        {"c:/lib/util.bas", "/w/p/App.vbp", "c:/lib/util.bas"},
        {"\\lib\\util.bas", "/w/p/App.vbp", "\\lib\\util.bas"},
        {"/lib/util.bas", "/w/p/App.vbp", "/lib/util.bas"},
        {"C:util.bas", "D:\\p\\App.vbp", "D:\\p\\util.bas"},
        {"util.bas", "App.vbp", "util.bas"},
        {"util.bas", "/App.vbp", "/util.bas"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(resolveProjectFile(c.filePart, c.projectPath), c.path) << c.filePart;
}

TEST(ProjectFiles, ResolvedPathsOpenFilesInSubfoldersAndSiblings)
{
    qm::test::TempDir dir;
    std::filesystem::create_directories(dir.path() / "app" / "Forms");
    std::filesystem::create_directories(dir.path() / "common");
    dir.write("app/Forms/frmMain.frm", "form");
    dir.write("common/util.bas", "module");
    const std::string project = dir.file("app/App.vbp");
    auto got = readProjectFiles("Form=forms\\FRMMAIN.FRM\r\nModule=Util; ..\\common\\util.bas\r\n"
                                "Form=" +
                                    dir.str() + "/common/util.bas\r\n",
                                project);
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(qm::platform::readFile(got[0].path), "form");
    EXPECT_EQ(qm::platform::readFile(got[1].path), "module");
    EXPECT_EQ(qm::platform::readFile(got[2].path), "module");
}

TEST(ProjectFiles, BinaryNoiseYieldsNothingBroken)
{
    std::string noise;
    for (int i = 0; i < 4096; ++i)
        noise += static_cast<char>((i * 131 + 7) % 256);
    noise += "\nForm=";
    for (const auto &e : readProjectFiles(noise, "x.vbp"))
        EXPECT_FALSE(e.filePart.empty());
    EXPECT_TRUE(readProjectFiles("", "x.vbp").empty());
    EXPECT_TRUE(readProjectFiles("Form=\r\nModule=A;\r\n=x.bas", "x.vbp").empty());
}
