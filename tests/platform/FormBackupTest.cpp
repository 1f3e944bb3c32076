#include "platform/FormBackup.h"

#include "tests/support/ErrorNumber.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace qm::platform;
using qm::test::errorOf;
using qm::test::TempDir;
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kForm = "VERSION 5.00\r\nBegin VB.Form frmA\r\nEnd\r\n";

} // namespace

TEST(FormBackup, BacksUpFormAndFrxBeforeReplacingTheForm)
{
    TempDir dir;
    dir.write("my.app/frmA.frm", kForm);
    dir.write("my.app/frmA.frx", std::string("\0\1bin", 5));
    dir.write("my.app/frmA.bk$", "an older backup");
    rewriteFormWithBackups(dir.file("my.app/frmA.frm"), "new\r\n");
    EXPECT_EQ(dir.read("my.app/frmA.frm"), "new\r\n");
    EXPECT_EQ(dir.read("my.app/frmA.bk$"), kForm);
    EXPECT_EQ(dir.read("my.app/frmA.bx$"), std::string("\0\1bin", 5));
    EXPECT_EQ(dir.read("my.app/frmA.frx"), std::string("\0\1bin", 5));

    // Without an .frx, or when told to skip it, there is no .bx$.
    dir.write("frmB.frm", kForm);
    rewriteFormWithBackups(dir.file("frmB.frm"), "b");
    EXPECT_FALSE(fs::exists(dir.path() / "frmB.bx$"));
    dir.write("frmC.frm", kForm);
    dir.write("frmC.frx", "x");
    rewriteFormWithBackups(dir.file("frmC.frm"), "c", FrxBackup::Skip);
    EXPECT_EQ(dir.read("frmC.bk$"), kForm);
    EXPECT_FALSE(fs::exists(dir.path() / "frmC.bx$"));
}

TEST(FormBackup, RefusedOrFailedRewriteLeavesTheFormAsItWas)
{
    TempDir dir;
    EXPECT_EQ(errorOf([&] { rewriteFormWithBackups(dir.file("gone.frm"), "x"); }), 53);
    EXPECT_FALSE(fs::exists(dir.path() / "gone.frm"));
    EXPECT_FALSE(fs::exists(dir.path() / "gone.bk$"));

    // A read-only form is refused, even though a rename over it would succeed.
    dir.write("ro.frm", kForm);
    fs::permissions(dir.path() / "ro.frm", fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(errorOf([&] { rewriteFormWithBackups(dir.file("ro.frm"), "x"); }), 70);
    EXPECT_EQ(dir.read("ro.frm"), kForm);
    EXPECT_FALSE(fs::exists(dir.path() / "ro.bk$"));

    // A backup that cannot be written (a folder holds its name) stops the rewrite.
    dir.write("blocked.frm", kForm);
    fs::create_directory(dir.path() / "blocked.bk$");
    EXPECT_NE(errorOf([&] { rewriteFormWithBackups(dir.file("blocked.frm"), "x"); }), 0);
    EXPECT_EQ(dir.read("blocked.frm"), kForm);
    dir.write("frx.frm", kForm);
    dir.write("frx.frx", "x");
    fs::create_directory(dir.path() / "frx.bx$");
    EXPECT_NE(errorOf([&] { rewriteFormWithBackups(dir.file("frx.frm"), "x"); }), 0);
    EXPECT_EQ(dir.read("frx.frm"), kForm);
}
