// Backups and the one-step replacement of a rewritten form file.
#include "platform/FormBackup.h"

#include "platform/FileSystem.h"
#include "platform/VbError.h"

#include <filesystem>

namespace qm::platform {
namespace {

bool isReadOnly(std::string_view path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::file_status status = fs::status(resolvePath(path), ec);
    return !ec && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

} // namespace

void rewriteFormWithBackups(std::string_view formPath, std::string_view newText, FrxBackup frx)
{
    if (!fileExists(formPath))
        throw VbError(err::FileNotFound);
    // A read-only form is one the programmer protected: a rename over it would succeed anyway.
    if (isReadOnly(formPath))
        throw VbError(err::PermissionDenied);
    // Each backup replaces an older one in one step, so a failed copy keeps the old backup.
    copyFile(formPath, withExtension(formPath, ".bk$"));
    const std::string frxPath = withExtension(formPath, ".frx");
    if (frx == FrxBackup::IfPresent && fileExists(frxPath))
        copyFile(frxPath, withExtension(formPath, ".bx$"));
    writeFile(formPath, newText);
}

} // namespace qm::platform
