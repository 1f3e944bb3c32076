// The roots a folder or file picker offers in its drive list.
#pragma once

#include <QStringList>

namespace qm::platform {

/// The file system's root, the home folder and the mounted volumes that hold files (not the
/// kernel's own file systems), each once, in that order.
QStringList fileSystemRoots();

} // namespace qm::platform
