// File operations over std::filesystem with the classic runtime's error numbers.
#include "platform/FileSystem.h"

#include "platform/AppFiles.h"
#include "platform/Text.h"
#include "platform/VbError.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace qm::platform {
namespace {

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

// The entry of `dir` whose name equals `name` ignoring letter case, if any.
std::optional<fs::path> findCaseInsensitive(const fs::path &dir, std::string_view name)
{
    std::error_code ec;
    fs::directory_iterator it(dir, ec);
    if (ec)
        return std::nullopt;
    for (const auto &entry : it) {
        if (equalsIgnoreCase(entry.path().filename().string(), name))
            return entry.path();
    }
    return std::nullopt;
}

int errorNumberFor(const std::error_code &ec, int fallback)
{
    return fileErrorNumber(ec.value(), fallback);
}

} // namespace

std::string environmentVariable(const char *name)
{
    const char *value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string withoutTrailingSeparator(std::string dir)
{
    while (dir.size() > 1 && (dir.back() == '/' || dir.back() == '\\'))
        dir.pop_back();
    return dir;
}

std::string windowsDirectory()
{
    std::string dir = environmentVariable("WINDIR");
    if (!dir.empty())
        return withoutTrailingSeparator(dir);
    std::string base = environmentVariable("XDG_CONFIG_HOME");
    if (base.empty())
        base = environmentVariable("HOME") + "/.config";
    dir = base + "/quillmark/windows";
    std::error_code ec;
    fs::create_directories(dir, ec);
    return dir;
}

std::string programDirectory()
{
    return appShippedDirectory();
}

fs::path resolvePath(std::string_view productPath)
{
    std::string_view rest = productPath;
    if (rest.size() >= 2 && rest[1] == ':' && isAsciiLetter(rest[0]))
        rest.remove_prefix(2);

    fs::path result;
    if (!rest.empty() && isSeparator(rest.front()))
        result = "/";
    bool missing = false; // once an element is missing, the rest cannot be looked up
    size_t pos = 0;
    while (pos <= rest.size()) {
        size_t end = pos;
        while (end < rest.size() && !isSeparator(rest[end]))
            ++end;
        std::string_view element = rest.substr(pos, end - pos);
        pos = end + 1;
        if (element.empty())
            continue;
        fs::path candidate = result / std::string(element);
        std::error_code ec;
        if (!missing && !fs::exists(candidate, ec) && element != "." && element != "..") {
            if (auto found =
                    findCaseInsensitive(result.empty() ? fs::path(".") : result, element)) {
                candidate = result.empty() ? found->filename() : *found;
            } else {
                missing = true;
            }
        }
        result = candidate;
    }
    return result;
}

std::string joinPath(std::string_view directory, std::string_view name)
{
    std::string path(directory);
    if (!path.empty() && !isSeparator(path.back()))
        path += '\\';
    path += name;
    return path;
}

std::string fileNamePart(std::string_view productPath)
{
    size_t cut = productPath.find_last_of("\\/");
    return std::string(cut == std::string_view::npos ? productPath : productPath.substr(cut + 1));
}

std::string directoryPart(std::string_view productPath)
{
    size_t cut = productPath.find_last_of("\\/");
    return cut == std::string_view::npos ? std::string() : std::string(productPath.substr(0, cut));
}

std::string withExtension(std::string_view productPath, std::string_view extension)
{
    const size_t nameStart = productPath.size() - fileNamePart(productPath).size();
    const size_t dot = productPath.rfind('.');
    const size_t stem =
        dot != std::string_view::npos && dot >= nameStart ? dot : productPath.size();
    std::string path(productPath.substr(0, stem));
    path.append(extension);
    return path;
}

int fileErrorNumber(int error, int fallback)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return err::PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return err::PermissionDenied;
    case ENOSPC:
    case EDQUOT:
        return err::DiskFull;
    case EIO:
        return err::DeviceIoError;
    default:
        return fallback;
    }
}

bool fileExists(std::string_view productPath)
{
    std::error_code ec;
    return fs::is_regular_file(resolvePath(productPath), ec);
}

bool directoryExists(std::string_view productPath)
{
    std::error_code ec;
    return fs::is_directory(resolvePath(productPath), ec);
}

std::string readFile(std::string_view productPath)
{
    fs::path path = resolvePath(productPath);
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        throw VbError(err::FileNotFound);
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw VbError(err::PathFileAccessError);
    std::string bytes;
    auto size = fs::file_size(path, ec);
    if (!ec)
        bytes.reserve(size);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad())
        throw VbError(err::DeviceIoError);
    return bytes;
}

void writeFile(std::string_view productPath, std::string_view bytes)
{
    fs::path path = resolvePath(productPath);
    fs::path dir = path.parent_path();
    std::error_code ec;
    if (!dir.empty() && !fs::is_directory(dir, ec))
        throw VbError(err::PathNotFound);
    fs::path temp = path;
    temp += ".qm-new";
    {
        std::FILE *out = std::fopen(temp.c_str(), "wb");
        if (!out)
            throw VbError(fileErrorNumber(errno, err::PathFileAccessError));
        bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
        int writeErrno = errno;
        written = (std::fflush(out) == 0) && written;
        written = (::fsync(::fileno(out)) == 0) && written;
        written = (std::fclose(out) == 0) && written;
        if (!written) {
            fs::remove(temp, ec);
            throw VbError(writeErrno == ENOSPC ? err::DiskFull : err::DeviceIoError);
        }
    }
    fs::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw VbError(errorNumberFor(ec, err::PathFileAccessError));
    }
}

void appendFile(std::string_view productPath, std::string_view bytes)
{
    fs::path path = resolvePath(productPath);
    std::FILE *out = std::fopen(path.c_str(), "ab");
    if (!out)
        throw VbError(errno == ENOENT ? err::PathNotFound : err::PathFileAccessError);
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    written = (std::fclose(out) == 0) && written;
    if (!written)
        throw VbError(err::DeviceIoError);
}

void copyFile(std::string_view fromPath, std::string_view toPath)
{
    writeFile(toPath, readFile(fromPath));
}

void deleteFile(std::string_view productPath)
{
    fs::path path = resolvePath(productPath);
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        throw VbError(err::FileNotFound);
    if (!fs::remove(path, ec) || ec)
        throw VbError(errorNumberFor(ec, err::PathFileAccessError));
}

namespace {

void moveFile(std::string_view fromPath, std::string_view toPath, bool replacing)
{
    fs::path from = resolvePath(fromPath);
    fs::path to = resolvePath(toPath);
    std::error_code ec;
    if (!fs::exists(from, ec))
        throw VbError(err::FileNotFound);
    if (!replacing && fs::exists(to, ec))
        throw VbError(err::FileAlreadyExists);
    fs::rename(from, to, ec);
    if (ec)
        throw VbError(errorNumberFor(ec, err::PathFileAccessError));
}

} // namespace

void renameFile(std::string_view fromPath, std::string_view toPath)
{
    moveFile(fromPath, toPath, false);
}

void replaceFile(std::string_view fromPath, std::string_view toPath)
{
    moveFile(fromPath, toPath, true);
}

bool matchesPattern(std::string_view name, std::string_view pattern)
{
    // Iterative wildcard match with one backtrack point: linear in practice, never recursive.
    size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == '?' || toUpperAscii(pattern[p]) == toUpperAscii(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::vector<std::string> listFiles(std::string_view directory, std::string_view pattern)
{
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(resolvePath(directory), ec);
    if (ec)
        return names;
    for (const auto &entry : it) {
        std::string name = entry.path().filename().string();
        if (entry.is_regular_file(ec) && matchesPattern(name, pattern))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace qm::platform
