// Product paths in the system's own form.
#include "ide/PlatformPath.h"

#include "platform/FileSystem.h"

#include <algorithm>

namespace qm::ide {

std::string platformPath(std::string_view productPath)
{
    try {
        if (platform::fileExists(productPath))
            return platform::resolvePath(productPath).string();
    } catch (const std::exception &) {
        // A name the file layer refuses is shown as written, separators aside.
    }
    std::string out(productPath);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

std::string withPlatformPaths(std::string message, std::string_view directory)
{
    const std::string prefix = platformPath(directory);
    if (prefix.empty())
        return message;
    for (std::size_t at = message.find(prefix); at != std::string::npos;
         at = message.find(prefix, at)) {
        std::size_t i = at + prefix.size();
        for (; i < message.size() && std::string_view("(:\r\n").find(message[i]) ==
                                         std::string_view::npos;
             ++i) {
            if (message[i] == '\\')
                message[i] = '/';
        }
        at = i;
    }
    return message;
}

} // namespace qm::ide
