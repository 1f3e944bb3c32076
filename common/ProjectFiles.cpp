// Reading the source-file lines of a project file and resolving their paths.
#include "common/ProjectFiles.h"

#include "platform/FileSystem.h"
#include "platform/LineReader.h"
#include "platform/Text.h"

namespace qm::common {

using platform::endsWithIgnoreCase;
using platform::equalsIgnoreCase;

namespace {

std::string_view trimSpace(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string_view unquote(std::string_view text)
{
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return trimSpace(text.substr(1, text.size() - 2));
    return text;
}

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

bool hasDrive(std::string_view path)
{
    return path.size() >= 2 && path[1] == ':' && platform::isAsciiLetter(path[0]);
}

bool isSourceKey(std::string_view key)
{
    static constexpr std::string_view keys[] = {
        "Form", "Module", "Class", "UserControl", "PropertyPage", "UserDocument", "Designer"};
    for (std::string_view k : keys)
        if (equalsIgnoreCase(key, k))
            return true;
    return false;
}

bool hasSourceExtension(std::string_view name)
{
    return endsWithIgnoreCase(name, ".frm") || endsWithIgnoreCase(name, ".bas") ||
           endsWithIgnoreCase(name, ".cls") || endsWithIgnoreCase(name, ".prg");
}

// Keys whose value may start with "Name;" before the file.
bool mayHaveName(std::string_view key)
{
    return equalsIgnoreCase(key, "Module") || equalsIgnoreCase(key, "Class");
}

} // namespace

std::string resolveProjectFile(std::string_view filePart, std::string_view projectPath)
{
    std::string_view rest = filePart;
    if (hasDrive(rest)) {
        if (rest.size() > 2 && isSeparator(rest[2]))
            return std::string(filePart);
        // "C:name.bas" is relative to the current folder of that drive: the project's.
        rest.remove_prefix(2);
    }
    if (!rest.empty() && isSeparator(rest.front()))
        return std::string(filePart);
    std::string folder = platform::directoryPart(projectPath);
    if (folder.empty() && !projectPath.empty() && isSeparator(projectPath.front()))
        folder = std::string(projectPath.substr(0, 1)); // a project in the root folder
    if (folder.empty())
        return std::string(rest);
    return platform::joinPath(folder, rest);
}

std::vector<ProjectFileEntry> readProjectFiles(std::string_view projectText,
                                               std::string_view projectPath)
{
    std::vector<ProjectFileEntry> entries;
    platform::LineReader lines(projectText);
    size_t lineNumber = 0;
    while (auto text = lines.next()) {
        ++lineNumber;
        std::string_view line = trimSpace(*text);
        ProjectFileEntry entry;
        size_t eq = line.find('=');
        std::string_view file;
        if (eq == std::string_view::npos) {
            if (!hasSourceExtension(line) || line.find('"') != std::string_view::npos)
                continue;
            file = line;
        } else {
            std::string_view key = trimSpace(line.substr(0, eq));
            if (!isSourceKey(key))
                continue;
            entry.key = std::string(key);
            file = trimSpace(line.substr(eq + 1));
            if (mayHaveName(key)) {
                size_t semi = file.find(';');
                if (semi != std::string_view::npos) {
                    entry.name = std::string(trimSpace(file.substr(0, semi)));
                    file = trimSpace(file.substr(semi + 1));
                }
            }
            file = unquote(file);
        }
        if (file.empty())
            continue;
        entry.filePart = std::string(file);
        entry.path = resolveProjectFile(file, projectPath);
        entry.lineNumber = lineNumber;
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace qm::common
