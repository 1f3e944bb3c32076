// Scratch directories and environment for tests.
#include "tests/support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

namespace qm::test {

TempDir::TempDir()
{
    std::random_device device;
    std::mt19937_64 random(device());
    fs::path base = fs::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = base / ("qm-test-" + std::to_string(random()));
        if (fs::create_directory(candidate)) {
            m_path = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary directory");
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

void TempDir::write(std::string_view name, std::string_view bytes) const
{
    fs::path target = m_path / std::string(name);
    fs::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempDir::read(std::string_view name) const
{
    std::ifstream in(m_path / std::string(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ScopedEnv::ScopedEnv(const char *name, const std::string &value)
    : m_name(name)
{
    if (const char *old = std::getenv(name)) {
        m_had = true;
        m_old = old;
    }
    setenv(name, value.c_str(), 1);
}

ScopedEnv::~ScopedEnv()
{
    if (m_had)
        setenv(m_name.c_str(), m_old.c_str(), 1);
    else
        unsetenv(m_name.c_str());
}

SandboxDirs::SandboxDirs()
    : m_windir("WINDIR", windows.str())
    , m_appdir("QM_APP_DIR", program.str())
{
    fs::copy_file(fs::path(QM_SOURCE_DIR) / "resources" / "quillmrk.ini",
                  program.path() / "quillmrk.ini");
}

} // namespace qm::test
