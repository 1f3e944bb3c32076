// Profile file lookup and rewrite. Lines may end with CR LF, LF or CR.
#include "platform/Profile.h"

#include "platform/FileSystem.h"
#include "platform/LineReader.h"
#include "platform/Text.h"
#include "platform/VbError.h"

#include <optional>

namespace qm::platform {
namespace {

// The section name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line)
{
    std::string_view text = trimSpace(line);
    if (text.empty() || text.front() != '[')
        return std::nullopt;
    size_t close = text.find(']');
    if (close == std::string_view::npos)
        return trimSpace(text.substr(1));
    return trimSpace(text.substr(1, close - 1));
}

struct KeyLine
{
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> keyLine(std::string_view line)
{
    size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return KeyLine{trimSpace(line.substr(0, eq)), trimSpace(line.substr(eq + 1))};
}

std::string_view withoutQuotes(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

std::string profilePath(std::string_view fileName)
{
    if (fileName.find_first_of("\\/") == std::string_view::npos)
        return joinPath(windowsDirectory(), fileName);
    return std::string(fileName);
}

std::string findProfileValue(std::string_view content,
                             std::string_view section,
                             std::string_view key,
                             std::string_view defaultValue)
{
    bool inSection = false;
    for (LineReader lines(content); auto line = lines.next();) {
        if (auto name = sectionName(*line)) {
            inSection = equalsIgnoreCase(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        auto entry = keyLine(*line);
        if (entry && equalsIgnoreCase(entry->key, key))
            return std::string(withoutQuotes(entry->value));
    }
    return std::string(defaultValue);
}

std::string setProfileValue(std::string_view content,
                            std::string_view section,
                            std::string_view key,
                            std::string_view value)
{
    const std::string newLine = std::string(key) + "=" + std::string(value);
    std::string out;
    out.reserve(content.size() + newLine.size() + section.size() + 8);
    bool inSection = false;
    bool done = false;
    // Where the key goes when its section lacks it: after the section's last non-blank line.
    size_t sectionEnd = std::string::npos;

    auto closeSection = [&] {
        if (inSection && !done) {
            out.insert(sectionEnd, newLine + "\r\n");
            done = true;
        }
    };

    for (LineReader lines(content); auto line = lines.next();) {
        if (auto name = sectionName(*line)) {
            closeSection();
            inSection = !done && equalsIgnoreCase(*name, section);
            out.append(*line).append("\r\n");
            sectionEnd = out.size();
            continue;
        }
        if (inSection && !done) {
            auto entry = keyLine(*line);
            if (entry && equalsIgnoreCase(entry->key, key)) {
                out.append(newLine).append("\r\n");
                done = true;
                continue;
            }
        }
        out.append(*line).append("\r\n");
        if (inSection && !trimSpace(*line).empty())
            sectionEnd = out.size();
    }
    closeSection();
    if (!done)
        out.append("[").append(section).append("]\r\n").append(newLine).append("\r\n");
    return out;
}

std::string getPrivateProfileString(std::string_view section,
                                    std::string_view key,
                                    std::string_view defaultValue,
                                    size_t bufferSize,
                                    std::string_view fileName)
{
    std::string value(defaultValue);
    try {
        value = findProfileValue(readFile(profilePath(fileName)), section, key, defaultValue);
    } catch (const VbError &) {
        // A file that cannot be read gives the default, as the system function does.
    }
    if (bufferSize == 0)
        return {};
    if (value.size() > bufferSize - 1)
        value.resize(bufferSize - 1);
    return value;
}

void writePrivateProfileString(std::string_view section,
                               std::string_view key,
                               std::string_view value,
                               std::string_view fileName)
{
    const std::string path = profilePath(fileName);
    std::string content;
    if (fileExists(path))
        content = readFile(path);
    writeFile(path, setProfileValue(content, section, key, value));
}

} // namespace qm::platform
