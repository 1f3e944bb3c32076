// Host caption lookup, keystrokes and clipboard through the UI runtime, and the file spy.
#include "host/HostHelpers.h"

#include "platform/Text.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"

namespace qm::host {
namespace {

bool containsSetting(std::string_view caption, std::string_view text)
{
    return !text.empty() && platform::containsIgnoreCase(caption, text);
}

} // namespace

HostWindow findHostWindow(std::string_view designName, std::string_view breakName)
{
    using namespace platform;
    HostWindow fallback;
    for (WindowHandle h = GetWindow(0, gw::First); h != 0; h = GetWindow(h, gw::Next)) {
        std::string caption = windowCaption(h);
        if (containsSetting(caption, designName) || containsSetting(caption, breakName))
            return {caption, h};
        if (fallback.handle == 0 && !caption.empty() &&
            !containsIgnoreCase(caption, "Microsoft Office"))
            fallback = {caption, h};
    }
    return fallback;
}

std::string GetVBCaption(std::string_view designName, std::string_view breakName)
{
    return findHostWindow(designName, breakName).caption;
}

void activateHost(std::string_view caption)
{
    platform::ui().activate(caption);
}

void sendKeysToHost(std::string_view caption, std::string_view keys)
{
    platform::ui().activate(caption);
    platform::ui().sendKeys(keys, true);
    platform::ui().processEvents();
}

void sendKeysToHostNoWait(std::string_view caption, std::string_view keys)
{
    platform::ui().activate(caption);
    platform::ui().sendKeys(keys, false);
}

void sendKeysToActiveWindow(std::string_view keys, bool wait)
{
    platform::ui().sendKeys(keys, wait);
}

void processEvents()
{
    platform::ui().processEvents();
}

void clipboardClear()
{
    platform::ui().clipboardClear();
}

void clipboardSetText(std::string_view text)
{
    platform::ui().clipboardSetText(text);
}

std::string clipboardText()
{
    return platform::ui().clipboardText();
}

void recordProjectFileName(const Host *host, std::string &currentProjectFileName)
{
    if (!host)
        return;
    try {
        currentProjectFileName = host->activeProjectFileName();
    } catch (const platform::VbError &) {
        // The check never stops a command.
    }
}

void FileControlSpy::AfterWriteFile(std::string_view FileName, bool Success)
{
    // A file the host failed to write is not captured: what is on disk is not what the host
    // holds, and the tools that wait for the name go on to read and rewrite that file.
    if (Success && !platform::containsIgnoreCase(FileName, ".FRX"))
        m_captured = std::string(FileName);
}

void FileControlSpy::DoGetOpenProjectName(std::string &ProjectName, bool &)
{
    m_project = ProjectName;
}

} // namespace qm::host
