// Host caption lookup, keystrokes and clipboard through the UI runtime, and the file spy.
#include "host/HostHelpers.h"

#include "platform/Text.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"

#include <algorithm>

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

std::size_t lineStartOf(std::string_view text, std::size_t position)
{
    position = std::min(position, text.size());
    const std::size_t end = text.find_last_of("\r\n", position == 0 ? 0 : position - 1);
    if (position == 0 || end == std::string_view::npos)
        return 0;
    return end + 1;
}

std::pair<std::size_t, std::size_t>
wholeLinesOf(std::string_view text, std::size_t from, std::size_t to)
{
    if (from > to)
        std::swap(from, to);
    to = std::min(to, text.size());
    from = std::min(from, to);
    if (from == to)
        return {from, to};
    from = lineStartOf(text, from);
    if (to < text.size() && text[to] == '\n' && text[to - 1] == '\r')
        return {from, to + 1}; // inside a CR LF: the line end is whole
    if (lineStartOf(text, to) == to)
        return {from, to};
    const std::size_t end = text.find_first_of("\r\n", to);
    if (end == std::string_view::npos)
        return {from, text.size()};
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    return {from, end + (crlf ? 2 : 1)};
}

} // namespace qm::host
