// The product help's file and pages.
#include "platform/Help.h"

#include "platform/AppFiles.h"
#include "platform/FileSystem.h"
#include "platform/UiRuntime.h"

namespace qm::platform {
namespace {

constexpr int kHelpContents = 3;

// A topic names a page only when it is a plain window name: never a path out of the guide.
bool isPageName(std::string_view topic)
{
    if (topic.empty())
        return false;
    for (char c : topic) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '_' || c == '-';
        if (!plain)
            return false;
    }
    return true;
}

} // namespace

std::string helpFilePath()
{
    return joinPath(appShippedDirectory(), "quillmrk.hlp");
}

void showUserGuide(std::string_view topic)
{
    if (topic.empty())
        ui().showHelp(helpFilePath(), kHelpContents);
    else
        ui().showHelpTopic(helpFilePath(), topic);
}

std::string userGuidePage(std::string_view helpFile, std::string_view topic)
{
    const std::string guide = resolvePath(joinPath(directoryPart(helpFile), "help")).string();
    if (isPageName(topic)) {
        std::string page = resolvePath(joinPath(guide, std::string(topic) + ".html")).string();
        if (fileExists(page))
            return page;
    }
    return resolvePath(joinPath(guide, "index.html")).string();
}

} // namespace qm::platform
