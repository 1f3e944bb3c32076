// Backups and the one-step replacement of a rewritten form file.
#include "changes/FormBackup.h"

#include "platform/FileSystem.h"
#include "platform/VbError.h"

#include <filesystem>

namespace qm::changes {
namespace {

bool isReadOnly(std::string_view path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::file_status status = fs::status(platform::resolvePath(path), ec);
    return !ec && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

void deleteIfThere(const std::string &path)
{
    try {
        platform::deleteFile(path);
    } catch (const platform::VbError &) {
    }
}

} // namespace

std::string backupPath(std::string_view formPath, std::string_view extension)
{
    const size_t slash = formPath.find_last_of("\\/");
    const size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const size_t dot = formPath.rfind('.');
    const size_t stem = dot != std::string_view::npos && dot >= nameStart ? dot : formPath.size();
    std::string path(formPath.substr(0, stem));
    path.append(extension);
    return path;
}

void rewriteFormWithBackups(std::string_view formPath, std::string_view newText)
{
    if (!platform::fileExists(formPath))
        throw platform::VbError(platform::err::FileNotFound);
    if (isReadOnly(formPath))
        throw platform::VbError(platform::err::PermissionDenied);
    const std::string backup = backupPath(formPath, ".bk$");
    deleteIfThere(backup);
    platform::copyFile(formPath, backup);
    const std::string frx = backupPath(formPath, ".frx");
    if (platform::fileExists(frx)) {
        const std::string frxBackup = backupPath(formPath, ".bx$");
        deleteIfThere(frxBackup);
        platform::copyFile(frx, frxBackup);
    }
    platform::writeFile(formPath, newText);
}

} // namespace qm::changes
