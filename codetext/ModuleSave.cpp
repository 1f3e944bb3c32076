// The module-mode save over the file layer.
#include "codetext/ModuleSave.h"

#include "codetext/EditorText.h"
#include "platform/FileSystem.h"
#include "platform/LineReader.h"
#include "platform/Text.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"

namespace qm::codetext {
namespace {

common::UserMessageError fileError(std::string text)
{
    return common::UserMessageError({"File Error", std::move(text), platform::mb::Critical});
}

bool isSameFile(std::string_view a, std::string_view b)
{
    std::error_code ec;
    const auto pa = platform::resolvePath(a);
    const auto pb = platform::resolvePath(b);
    if (std::filesystem::exists(pa, ec) && std::filesystem::exists(pb, ec))
        return std::filesystem::equivalent(pa, pb, ec);
    return pa.lexically_normal() == pb.lexically_normal();
}

// The entry the editor holds, in the file as it is now: by the name it was loaded under, else by
// the name its new text declares.
const ModuleEntry *entryToReplace(const std::vector<ModuleEntry> &entries, const ModuleSave &save)
{
    if (save.entryIndex < entries.size() &&
        platform::equalsIgnoreCase(entries[save.entryIndex].name, save.entryName))
        return &entries[save.entryIndex];
    if (const ModuleEntry *entry = findEntry(entries, save.entryName))
        return entry;
    platform::LineReader reader(save.replacement);
    std::string name;
    while (auto line = reader.next()) {
        if (isProcedureHeader(*line, &name))
            return findEntry(entries, name);
    }
    return nullptr;
}

} // namespace

void saveWholeFile(std::string_view path, std::string_view bytes)
{
    try {
        platform::writeFile(path, bytes);
    } catch (const platform::VbError &e) {
        throw fileError("Can't write file: " + std::string(path) + "\n" + e.description);
    }
}

ModuleSaved saveModuleEntry(const ModuleSave &save)
{
    std::string source;
    if (isSameFile(save.currentPath, save.destination)) {
        const std::string backup = moduleBackupPath(save.currentPath);
        try {
            platform::copyFile(save.currentPath, backup);
            source = platform::readFile(backup);
        } catch (const platform::VbError &) {
            throw fileError("Can't make backup file!");
        }
    } else {
        try {
            source = platform::readFile(save.currentPath);
        } catch (const platform::VbError &) {
            throw common::UserMessageError(common::fileOpenErrorReport(save.currentPath));
        }
    }

    const auto entries = divideModule(source, moduleKindOf(save.currentPath));
    const ModuleEntry *entry = entryToReplace(entries, save);
    if (!entry)
        throw common::UserMessageError({"", "eof", platform::mb::OkOnly});
    const std::string written = replaceEntry(source, *entry, save.replacement, lineEndOf(source));
    saveWholeFile(save.destination, written);
    return {divideModule(written, moduleKindOf(save.destination)), entry->start};
}

} // namespace qm::codetext
