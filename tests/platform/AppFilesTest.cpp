// Where the add-in's files live: build tree, $QM_APP_DIR, and the installed layout with its
// per-user data directory seeded from the shipped files.
#include "platform/AppFiles.h"

#include "platform/VbError.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace qm::platform;
using qm::test::ScopedEnv;
using qm::test::TempDir;

namespace {

// An installed tree: <root>/bin for the programs, <root>/share/quillmark for the shipped files,
// and a home whose data directory starts out missing.
struct InstalledTree
{
    InstalledTree()
    {
        fs::create_directories(root.path() / "bin");
        fs::create_directories(root.path() / "share/quillmark");
        root.write("share/quillmark/newproc.txt", "template\r\n");
        root.write("share/quillmark/qm_procs.txt", "first objects\r\n");
    }
    std::string bin() const { return root.file("bin"); }
    std::string data() const { return home.str() + "/quillmark"; }

    TempDir root;
    TempDir home;
    ScopedEnv noAppDir{"QM_APP_DIR", ""};
    ScopedEnv xdg{"XDG_DATA_HOME", home.str()};
};

} // namespace

TEST(AppFiles, LayoutFollowsEnvironmentAndProgramFolder)
{
    InstalledTree tree;
    TempDir buildBin;

    AppFileLocations installed = appFileLocations(tree.bin() + "/");
    EXPECT_EQ(installed.shipped, tree.root.file("share/quillmark"));
    EXPECT_EQ(installed.data, tree.data());
    EXPECT_TRUE(installed.seeded);

    AppFileLocations build = appFileLocations(buildBin.str());
    EXPECT_EQ(build.shipped, buildBin.str());
    EXPECT_EQ(build.data, buildBin.str());
    EXPECT_FALSE(build.seeded);

    {
        ScopedEnv relative("XDG_DATA_HOME", "relative/dir");
        ScopedEnv home("HOME", tree.home.str());
        EXPECT_EQ(appFileLocations(tree.bin()).data, tree.home.str() + "/.local/share/quillmark");
    }

    ScopedEnv appDir("QM_APP_DIR", "/opt/qm/");
    for (const std::string &folder : {tree.bin(), buildBin.str()}) {
        AppFileLocations overridden = appFileLocations(folder);
        EXPECT_EQ(overridden.shipped, "/opt/qm");
        EXPECT_EQ(overridden.data, "/opt/qm");
        EXPECT_FALSE(overridden.seeded);
    }
}

TEST(AppFiles, BuildTreeAndAppDirKeepEveryFileTogether)
{
    TempDir dir;
    ScopedEnv appDir("QM_APP_DIR", dir.str());
    EXPECT_EQ(appFilePath("newproc.txt", AppFile::Shipped), dir.file("newproc.txt"));
    EXPECT_EQ(appFilePath("ChgdCode.Txt", AppFile::Written), dir.file("ChgdCode.Txt"));
    EXPECT_EQ(appFilePath("lib\\obj1.txt", AppFile::Written), dir.file("lib/obj1.txt"));
    EXPECT_EQ(appDataDirectory(), dir.str());
    EXPECT_EQ(appShippedDirectory(), dir.str());
}

class AppFilesSeeding : public ::testing::Test
{
protected:
    InstalledTree tree;
    AppFileLocations where = appFileLocations(tree.bin());
    std::string shippedFile(const std::string &name) const { return where.shipped + "/" + name; }
    std::string userFile(const std::string &name) const { return where.data + "/" + name; }
};

TEST_F(AppFilesSeeding, ShippedFilesAreReadInPlace)
{
    EXPECT_EQ(appFilePath("newproc.txt", AppFile::Shipped, where), shippedFile("newproc.txt"));
    EXPECT_FALSE(fs::exists(where.data)); // reading a template creates nothing
    // A shipped file deleted by hand is still asked for where it belongs; the read then fails.
    EXPECT_EQ(appFilePath("doctmplt.txt", AppFile::Shipped, where), shippedFile("doctmplt.txt"));
}

TEST_F(AppFilesSeeding, WrittenFileIsSeededOnFirstUseAndNeverOverwritten)
{
    const std::string path = appFilePath("qm_procs.txt", AppFile::Written, where);
    EXPECT_EQ(path, userFile("qm_procs.txt"));
    EXPECT_EQ(tree.home.read("quillmark/qm_procs.txt"), "first objects\r\n");

    tree.home.write("quillmark/qm_procs.txt", "the user's own list\r\n");
    tree.root.write("share/quillmark/qm_procs.txt", "a newer shipped list\r\n");
    EXPECT_EQ(appFilePath("qm_procs.txt", AppFile::Written, where), path);
    EXPECT_EQ(tree.home.read("quillmark/qm_procs.txt"), "the user's own list\r\n");

    // A file with no shipped copy is only placed; the data directory holds nothing else.
    EXPECT_EQ(appFilePath("ChgdCode.Txt", AppFile::Written, where), userFile("ChgdCode.Txt"));
    EXPECT_FALSE(fs::exists(userFile("ChgdCode.Txt")));
    for (const auto &entry : fs::directory_iterator(where.data))
        EXPECT_EQ(entry.path().filename(), "qm_procs.txt");
}

TEST_F(AppFilesSeeding, SeedingIntoSubfoldersCreatesThem)
{
    tree.root.write("share/quillmark/objects/form1.frm", "VERSION 4.00\r\n");
    EXPECT_EQ(appFilePath("objects\\form1.frm", AppFile::Written, where),
              userFile("objects/form1.frm"));
    EXPECT_EQ(tree.home.read("quillmark/objects/form1.frm"), "VERSION 4.00\r\n");
}

TEST_F(AppFilesSeeding, UnwritableDataDirectoryIsReportedWithItsPath)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    ASSERT_EQ(::chmod(tree.home.str().c_str(), 0500), 0);
    try {
        appFilePath("qm_procs.txt", AppFile::Written, where);
        ADD_FAILURE() << "no error for a data directory that cannot be created";
    } catch (const VbError &e) {
        EXPECT_EQ(e.number, err::PermissionDenied);
        EXPECT_NE(e.description.find(where.data), std::string::npos) << e.description;
    }
    ::chmod(tree.home.str().c_str(), 0700);

    fs::create_directories(where.data);
    ASSERT_EQ(::chmod(where.data.c_str(), 0500), 0);
    try {
        appFilePath("qm_procs.txt", AppFile::Written, where);
        ADD_FAILURE() << "no error for a data directory that cannot be written";
    } catch (const VbError &e) {
        EXPECT_EQ(e.number, err::PermissionDenied);
        EXPECT_NE(e.description.find(userFile("qm_procs.txt")), std::string::npos);
    }
    ::chmod(where.data.c_str(), 0700);
    EXPECT_FALSE(fs::exists(userFile("qm_procs.txt")));
    EXPECT_TRUE(fs::is_empty(where.data)); // no temporary copy left behind
}

TEST_F(AppFilesSeeding, DataDirectoryPathThatIsAFileIsReported)
{
    tree.home.write("quillmark", "not a directory");
    EXPECT_THROW(appFilePath("qm_procs.txt", AppFile::Written, where), VbError);
}

TEST_F(AppFilesSeeding, ProgramsSeedingAtOnceLeaveOneWholeCopy)
{
    const std::string big(1 << 20, 'x');
    tree.root.write("share/quillmark/qm_forms.txt", big);
    std::vector<pid_t> children;
    for (int i = 0; i < 4; ++i) {
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            try {
                appFilePath("qm_forms.txt", AppFile::Written, where);
            } catch (...) {
                ::_exit(1);
            }
            ::_exit(0);
        }
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(tree.home.read("quillmark/qm_forms.txt"), big);
    EXPECT_EQ(std::distance(fs::directory_iterator(where.data), fs::directory_iterator()), 1);
}
