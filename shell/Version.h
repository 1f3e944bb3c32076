// The version texts the splash and about windows show.
#pragma once

#include <string>

namespace qm::shell {

struct Version
{
    int major;
    int minor;
    int revision;
};

/// This build's version.
Version programVersion();

/// "Quillmark 1.2", or "Quillmark 1.2.3" when the revision is above 0; numbers without blanks.
std::string splashVersionText(const Version &version);
/// "Version 1.2" or "Version 1.2.3".
std::string aboutVersionText(const Version &version);

} // namespace qm::shell
