// The layouts of the add-in's own files: build tree, $QM_APP_DIR, installed with a per-user data
// directory seeded from the shipped files.
#include "platform/AppFiles.h"

#include "platform/FileSystem.h"
#include "platform/VbError.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace qm::platform {
namespace {

std::string executableDirectory()
{
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return fs::current_path(ec).string();
    return exe.parent_path().string();
}

std::string userDataDirectory()
{
    std::string base = environmentVariable("XDG_DATA_HOME");
    // A relative XDG_DATA_HOME is ignored, as the desktop conventions ask.
    if (base.empty() || base.front() != '/')
        base = environmentVariable("HOME") + "/.local/share";
    return withoutTrailingSeparator(base) + "/quillmark";
}

[[noreturn]] void failOn(int error, const fs::path &path)
{
    const int number = fileErrorNumber(error, err::PathFileAccessError);
    throw VbError(number, errorDescription(number) + ": " + path.string());
}

void makeDataDirectory(const fs::path &dir)
{
    std::error_code ec;
    if (fs::is_directory(dir, ec))
        return;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir, ec))
        failOn(ec ? ec.value() : ENOTDIR, dir);
}

bool writeWhole(const fs::path &path, const std::string &bytes, int &error)
{
    std::FILE *out = std::fopen(path.c_str(), "wbx");
    if (!out) {
        error = errno;
        return false;
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    error = errno;
    written = std::fflush(out) == 0 && written;
    written = ::fsync(::fileno(out)) == 0 && written;
    if (!written && error == 0)
        error = errno;
    written = std::fclose(out) == 0 && written;
    if (!written && error == 0)
        error = EIO;
    return written;
}

// Copies the shipped file to the user's file unless the user's file exists. The copy is written
// whole under a name of its own and then linked to its place, which fails when another program
// got there first: the user's file is never overwritten, never half-written.
void seedFile(const fs::path &shipped, const fs::path &target)
{
    static std::atomic<unsigned> seedCount{0};
    std::error_code ec;
    if (fs::exists(fs::symlink_status(target, ec)) || !fs::is_regular_file(shipped, ec))
        return;
    std::ifstream in(shipped, std::ios::binary);
    if (!in)
        failOn(EACCES, shipped);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        failOn(EIO, shipped);

    makeDataDirectory(target.parent_path());
    fs::path temp =
        target.parent_path() / ("." + target.filename().string() + ".seed-" +
                                std::to_string(::getpid()) + "-" + std::to_string(++seedCount));
    fs::remove(temp, ec);
    int error = 0;
    if (!writeWhole(temp, bytes, error)) {
        fs::remove(temp, ec);
        failOn(error, target);
    }
    if (::link(temp.c_str(), target.c_str()) != 0 && errno != EEXIST) {
        // A file system without hard links: rename, still only when nobody else seeded.
        if (!fs::exists(fs::symlink_status(target, ec))) {
            fs::rename(temp, target, ec);
            if (ec) {
                std::error_code ignored;
                fs::remove(temp, ignored);
                failOn(ec.value(), target);
            }
            return;
        }
    }
    fs::remove(temp, ec);
}

} // namespace

AppFileLocations appFileLocations(std::string_view programFolder)
{
    AppFileLocations where;
    std::string appDir = environmentVariable("QM_APP_DIR");
    if (!appDir.empty()) {
        where.shipped = where.data = withoutTrailingSeparator(appDir);
        return where;
    }
    const fs::path program = withoutTrailingSeparator(std::string(programFolder));
    const fs::path share = program.parent_path() / "share" / "quillmark";
    std::error_code ec;
    if (program.has_parent_path() && program != program.root_path() &&
        fs::is_directory(share, ec)) {
        where.shipped = share.lexically_normal().string();
        where.data = userDataDirectory();
        where.seeded = true;
        return where;
    }
    where.shipped = where.data = program.string();
    return where;
}

AppFileLocations appFileLocations()
{
    return appFileLocations(executableDirectory());
}

std::string appShippedDirectory()
{
    return withoutTrailingSeparator(appFileLocations().shipped);
}

std::string appDataDirectory()
{
    AppFileLocations where = appFileLocations();
    if (where.seeded)
        makeDataDirectory(where.data);
    return withoutTrailingSeparator(where.data);
}

std::string appFilePath(std::string_view name, AppFile kind)
{
    return appFilePath(name, kind, appFileLocations());
}

std::string appFilePath(std::string_view name, AppFile kind, const AppFileLocations &where)
{
    std::string relative(name);
    for (char &c : relative) {
        if (c == '\\')
            c = '/';
    }
    if (kind == AppFile::Shipped || !where.seeded)
        return (fs::path(kind == AppFile::Shipped ? where.shipped : where.data) / relative)
            .string();

    const fs::path target = fs::path(where.data) / relative;
    makeDataDirectory(target.parent_path());
    seedFile(fs::path(where.shipped) / relative, target);
    return target.string();
}

} // namespace qm::platform
