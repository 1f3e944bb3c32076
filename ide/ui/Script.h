// Automation scripts for the stand-in IDE: one command a line, run against the real windows,
// with message boxes, input boxes and file dialogs answered from the script's own queue.
#pragma once

#include "ide/ScriptParser.h"
#include "platform/ScriptedUi.h"

#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace qm::ide {

class HostUi;

/// The runtime scripts run with: answers from queues, as the scripted runtime gives them, but the
/// clipboard is the system's, so code copied in the host pastes anywhere.
class ScriptUi final : public platform::ScriptedUi
{
public:
    /// The next message box is shown on screen, as the program shows it, and waits for the
    /// script to close it (its answer is then the box's Cancel, or its only button).
    void showNextMsgBox() { m_showNext = true; }
    int msgBox(std::string_view text, int style, std::string_view title) override;
    void clipboardClear() override;
    void clipboardSetText(std::string_view text) override;
    std::string clipboardText() override;

private:
    bool m_showNext = false;
};

/// The commands a script may give, in the groups of the documentation, and the forms of
/// `expect` and `print`.
const std::vector<ScriptSyntax> &scriptCommands();
const std::vector<ScriptSyntax> &scriptChecks();
const std::vector<ScriptSyntax> &scriptPrints();
/// Every command with its arguments, grouped: what `vbhost --help` lists.
std::string scriptUsage();

class ScriptRunner
{
public:
    /// Runs against the host's windows, printing to out (what the script asks to see and every
    /// message box shown).
    ScriptRunner(HostUi &ui, ScriptUi &runtime, std::ostream &out);
    ~ScriptRunner();

    /// Runs every line until the end or "quit". Returns 0, or 1 after printing
    /// "script:LINE: why" to err for the first command that failed. A command that opens a
    /// modal window does not wait for it: the lines after it run while it is up, and it must be
    /// closed before the script ends (it fails the script, with its name, after a short wait
    /// otherwise).
    int run(const std::vector<ScriptLine> &lines, std::string_view scriptName, std::ostream &err);
    /// Runs one command; throws std::runtime_error saying why it failed.
    void runCommand(const std::vector<std::string> &words);
    bool quitRequested() const { return m_quit; }
    void setVariable(std::string name, std::string value)
    {
        m_variables[std::move(name)] = std::move(value);
    }
    /// How long a modal window left up at the end of a script may take to close by itself.
    void setModalWait(int milliseconds) { m_modalWait = milliseconds; }

private:
    friend class ScriptCommands;
    struct Failure
    {
        int line;
        std::string command;
        std::string message;
    };
    void runLines(QWidget *modal);
    void runLine(const ScriptLine &line);
    void checkHostEnded();
    QWidget &findWindow(const std::string &name, bool visibleOnly = false) const;
    QWidget &findTarget(const std::string &target) const;
    void settle() const;

    HostUi &m_ui;
    ScriptUi &m_runtime;
    std::ostream &m_out;
    std::map<std::string, std::string> m_variables;
    const std::vector<ScriptLine> *m_lines = nullptr;
    std::size_t m_next = 0;
    std::optional<Failure> m_failure;
    int m_modalWait = 2000;
    bool m_quit = false;
};

/// The host's windows as a person would see them on the desktop: every visible top-level
/// window of the registry with a title bar, back to front; on a real display the screen itself,
/// window manager frames and all. With a window, that window alone. Throws std::runtime_error
/// when the file cannot be written.
void saveScreenshot(const std::string &path, QWidget *only = nullptr);

} // namespace qm::ide
