// Version texts from the build's version number.
#include "shell/Version.h"

namespace qm::shell {
namespace {

std::string numbers(const Version &v)
{
    std::string text = std::to_string(v.major) + "." + std::to_string(v.minor);
    if (v.revision > 0)
        text += "." + std::to_string(v.revision);
    return text;
}

} // namespace

Version programVersion()
{
    return {QM_VERSION_MAJOR, QM_VERSION_MINOR, QM_VERSION_PATCH};
}

std::string splashVersionText(const Version &version)
{
    return "Quillmark " + numbers(version);
}

std::string aboutVersionText(const Version &version)
{
    return "Version " + numbers(version);
}

} // namespace qm::shell
