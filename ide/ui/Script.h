// Automation scripts for the stand-in IDE: one command a line, run against the real windows,
// with message boxes, input boxes and file dialogs answered from the script's own queue.
#pragma once

#include "platform/ScriptedUi.h"

#include <iosfwd>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace qm::ide {

class HostUi;

/// One command of a script: its words, with quotes taken off and escapes read.
struct ScriptLine
{
    int number = 0;
    std::vector<std::string> words;
};

/// A script that cannot run: where and why.
struct ScriptError : std::runtime_error
{
    ScriptError(int lineNumber, const std::string &message)
        : std::runtime_error(message)
        , line(lineNumber)
    {}
    int line;
};

/// Splits a script into commands. Words are separated by blanks or tabs; a word in double
/// quotes may hold blanks and the escapes \" \\ \n \r \t and \xHH; "#" at the start of a word
/// begins a comment; blank lines are skipped. Throws ScriptError for an unclosed quote or a
/// bad escape.
std::vector<ScriptLine> parseScript(std::string_view text);

/// Replaces ${NAME} in a word with the variable's value (the given ones first, then the
/// environment). Throws std::runtime_error naming an unknown variable.
std::string expandVariables(std::string_view word,
                            const std::map<std::string, std::string> &variables);

/// The runtime scripts run with: answers from queues, as the scripted runtime gives them, but the
/// clipboard is the system's, so code copied in the host pastes anywhere.
class ScriptUi final : public platform::ScriptedUi
{
public:
    void clipboardClear() override;
    void clipboardSetText(std::string_view text) override;
    std::string clipboardText() override;
};

class ScriptRunner
{
public:
    /// Runs against the host's windows, printing to out (what the script asks to see and every
    /// message box shown).
    ScriptRunner(HostUi &ui, ScriptUi &runtime, std::ostream &out);
    ~ScriptRunner();

    /// Runs every line until the end or "quit". Returns 0, or 1 after printing
    /// "script:LINE: why" to err for the first command that failed.
    int run(const std::vector<ScriptLine> &lines, std::string_view scriptName, std::ostream &err);
    /// Runs one command; throws std::runtime_error saying why it failed.
    void runCommand(const std::vector<std::string> &words);
    bool quitRequested() const { return m_quit; }
    void setVariable(std::string name, std::string value)
    {
        m_variables[std::move(name)] = std::move(value);
    }

private:
    struct Command;
    QWidget &findWindow(const std::string &name) const;
    QWidget &findTarget(const std::string &target) const;
    void settle() const;

    HostUi &m_ui;
    ScriptUi &m_runtime;
    std::ostream &m_out;
    std::map<std::string, std::string> m_variables;
    bool m_quit = false;
};

/// The host's windows as a person would see them on the desktop: every visible top-level
/// window of the registry with a title bar, back to front. With a window, that window alone.
/// Throws std::runtime_error when the file cannot be written.
void saveScreenshot(const std::string &path, QWidget *only = nullptr);

} // namespace qm::ide
