// Reading a project's source files for the change report.
#include "changes/ProjectChanges.h"

#include "common/ErrorReports.h"
#include "platform/FileSystem.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"

namespace qm::changes {

ProjectChanges reportProjectChangesOnDisk(std::string_view projectText,
                                          std::string_view projectPath,
                                          const ChangeFilter &filter,
                                          bool namesAsWritten,
                                          char separator)
{
    const auto files = projectSourceFiles(projectText, projectPath);
    if (files.empty())
        throw common::UserMessageError(
            {"No Action", "Found no modules in Project File!", platform::mb::Critical});
    return reportProjectChanges(
        files, filter,
        [](const common::ProjectFileEntry &entry) -> std::optional<std::string> {
            try {
                return platform::readFile(entry.path);
            } catch (const platform::VbError &) {
                return std::nullopt;
            }
        },
        namesAsWritten, separator);
}

} // namespace qm::changes
