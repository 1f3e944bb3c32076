#include "search/SearchCli.h"

#include "tests/support/EngineTest.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using qm::test::runQmCommand;

namespace {

qm::test::QmRun find(const std::vector<std::string> &args)
{
    std::vector<std::string> all{"find"};
    all.insert(all.end(), args.begin(), args.end());
    return runQmCommand(qm::search::addFindCommands, all);
}

} // namespace

TEST(QmFind, ProjectModeWritesOneLinePerHit)
{
    qm::test::TempDir dir;
    dir.write("p/forms/Main.frm", "Private Sub Form_Load()\r\n    Total = 0\r\nEnd Sub\r\n");
    dir.write("p/TOOLS.BAS", "Dim Total\r\nSub Add(n)\r\n\tTotal = Total + n\r\nEnd Sub\r\n");
    dir.write("p/App.VBP", "Form=forms\\Main.frm\r\nModule=Tools; TOOLS.BAS\r\n"
                           "Module=Gone; gone.bas\r\n");
    const std::string project = dir.file("p/App.VBP");

    auto all = find({project, "total"});
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(all.out, "forms\\Main.frm\tPrivate Sub Form_Load\t2\t    Total = 0\n"
                       "TOOLS.BAS\tdeclarations\t1\tDim Total\n"
                       "TOOLS.BAS\tSub Add\t2\t\tTotal = Total + n\n");
    EXPECT_EQ(all.err, "File Error: Can't open " + dir.file("p") + "\\gone.bas\n");

    auto defs = find({"--definitions", project, "Total"});
    EXPECT_EQ(defs.out, "TOOLS.BAS\tdeclarations\t1\tDim Total\n");
    auto sets = find({project, "Total", "--assignments"});
    EXPECT_EQ(sets.out, "forms\\Main.frm\tPrivate Sub Form_Load\t2\t    Total = 0\n"
                        "TOOLS.BAS\tSub Add\t2\t\tTotal = Total + n\n");

    auto none = find({project, "nowhere"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
}

TEST(QmFind, DirectoryModeAndProblems)
{
    qm::test::TempDir dir;
    dir.write("b.bas", "x = 1\n");
    dir.write("a.frm", "X\r");
    dir.write("c.cls", "x\r\n");
    auto run = find({dir.str(), "x"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "a.frm\tdeclarations\t1\tX\nb.bas\tdeclarations\t1\tx = 1\n");

    struct Case
    {
        std::vector<std::string> args;
        int status;
    };
    const Case cases[] = {
        {{dir.str()}, 2},
        {{}, 2},
        {{dir.str(), "x", "extra"}, 2},
        {{"--definitions", "--assignments", dir.str(), "x"}, 2},
        {{"--regex", dir.str(), "x"}, 2},
        {{dir.file("missing.vbp"), "x"}, 1},
        {{dir.file("missing"), "x"}, 1},
    };
    for (const Case &c : cases) {
        auto r = find(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(find({dir.file("missing.vbp"), "x"}).err,
              "File Error: Can't open " + dir.file("missing.vbp") + "\n");
}
