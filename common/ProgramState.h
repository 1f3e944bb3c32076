// The program-wide state every tool reads: what the last command recorded of the host, and
// which tool windows are open.
#pragma once

#include <set>
#include <string>
#include <string_view>

namespace qm::host {
class Host;
}

namespace qm::common {

struct ProgramState
{
    host::Host *host = nullptr;         ///< the host instance handed over at connection
    std::string hostCaption;            ///< caption of the host main window, recorded per command
    std::string currentProjectFileName; ///< the host's active project file, recorded per command
    std::string capturedFileName;       ///< the last file the host wrote, .FRX files excepted
    bool paletteLoaded = false;         ///< frmTAB2 exists
    bool toolboxShown = false;          ///< the palette's toolbox toggle
    bool codeFinderProjectMode = false; ///< the code finder searches the project, not a directory

    /// The open flag of a tool window ("frmMsgBox"), set on load and cleared on unload.
    bool isWindowOpen(std::string_view window) const
    {
        return m_open.count(std::string(window)) != 0;
    }
    void setWindowOpen(std::string_view window, bool open)
    {
        if (open)
            m_open.insert(std::string(window));
        else
            m_open.erase(std::string(window));
    }

private:
    std::set<std::string> m_open;
};

/// The state the whole program shares, for the life of the process.
ProgramState &programState();

/// What every command does first: the host check (the active project's file name becomes the
/// current project file name) and recording the host caption. Never fails.
void recordHostState();
/// Only the host caption, for the commands that record nothing else.
void recordHostCaption();

} // namespace qm::common
