// The roots a folder or file picker offers in its drive list.
#include "platform/qt/FileSystemRoots.h"

#include <QDir>
#include <QStorageInfo>

namespace qm::platform {

QStringList fileSystemRoots()
{
    QStringList roots{QDir::rootPath(), QDir::homePath()};
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || !volume.isReady() || roots.contains(root))
            continue;
        if (root.startsWith(QLatin1String("/proc")) || root.startsWith(QLatin1String("/sys")) ||
            root.startsWith(QLatin1String("/dev")) || root.startsWith(QLatin1String("/run")))
            continue;
        roots << root;
    }
    return roots;
}

} // namespace qm::platform
