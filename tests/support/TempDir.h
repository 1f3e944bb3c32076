// A scratch directory per test, used as the Windows and program directories.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace qm::test {

class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    std::string str() const { return m_path.string(); }
    /// Path of a file inside the directory.
    std::string file(std::string_view name) const { return (m_path / std::string(name)).string(); }
    void write(std::string_view name, std::string_view bytes) const;
    std::string read(std::string_view name) const;

private:
    std::filesystem::path m_path;
};

/// Sets an environment variable for a scope and restores it afterwards.
class ScopedEnv
{
public:
    ScopedEnv(const char *name, const std::string &value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    std::string m_name;
    bool m_had = false;
    std::string m_old;
};

/// A Windows directory and a program directory of their own, the settings template copied
/// into the program directory from the build's resources.
class SandboxDirs
{
public:
    SandboxDirs();
    TempDir windows;
    TempDir program;

private:
    ScopedEnv m_windir;
    ScopedEnv m_appdir;
};

} // namespace qm::test
