// The helpers every tool uses to talk to the host: finding the host's main window caption,
// sending it keystrokes, the clipboard, the host check, and the file-notification receiver.
#pragma once

#include "host/Host.h"
#include "platform/WindowRegistry.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace qm::host {

struct HostWindow
{
    std::string caption;
    platform::WindowHandle handle = 0;
};

/// Walks the top-level windows in Z order: the first whose caption contains `designName` or
/// `breakName` (letter case ignored; an empty text matches nothing), else the first with a
/// non-empty caption that does not contain "Microsoft Office". Nothing found: an empty caption
/// and handle 0.
HostWindow findHostWindow(std::string_view designName, std::string_view breakName);
/// The caption of findHostWindow.
std::string GetVBCaption(std::string_view designName, std::string_view breakName);

/// Activates the window titled `caption` (VbError 5 when there is none).
void activateHost(std::string_view caption);
/// Activates the host, sends the keys and waits until they are processed, then lets pending
/// messages run. Throws VbError 5 for no such window or malformed keys.
void sendKeysToHost(std::string_view caption, std::string_view keys);
/// Activates the host and sends the keys without waiting.
void sendKeysToHostNoWait(std::string_view caption, std::string_view keys);
/// Sends keys to whichever window is active, without activating the host ("{F1}" for help).
void sendKeysToActiveWindow(std::string_view keys, bool wait);
/// DoEvents.
void processEvents();

void clipboardClear();
void clipboardSetText(std::string_view text);
std::string clipboardText();

/// Where the line holding `position` starts in `text` (after a CR LF, a lone LF or a lone CR).
std::size_t lineStartOf(std::string_view text, std::size_t position);
/// The selection [from, to) widened to whole lines: `from` to the start of its line, `to` to the
/// start of the line after it unless it is at a line start already (or the end of the text).
/// An empty selection stays as it is.
std::pair<std::size_t, std::size_t>
wholeLinesOf(std::string_view text, std::size_t from, std::size_t to);

/// The host check: stores the active project's file name in `currentProjectFileName`. It never
/// fails: with no host, or a host that refuses, the stored name stays as it was.
void recordProjectFileName(const Host *host, std::string &currentProjectFileName);

/// The add-in's receiver of file notifications: a file written successfully, other than a .frx,
/// becomes the captured file name; the name of a project being opened becomes the current
/// project file name.
class FileControlSpy : public FileControlEvents
{
public:
    FileControlSpy(std::string &capturedFileName, std::string &currentProjectFileName)
        : m_captured(capturedFileName)
        , m_project(currentProjectFileName)
    {}
    void AfterWriteFile(std::string_view FileName, bool Success) override;
    void DoGetOpenProjectName(std::string &ProjectName, bool &CancelDefault) override;

private:
    std::string &m_captured;
    std::string &m_project;
};

} // namespace qm::host
