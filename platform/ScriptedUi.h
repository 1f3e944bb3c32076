// A user-interface runtime that answers from queues and records every call: for tests, for
// automation scripts and for programs run without a person.
#pragma once

#include "platform/Printer.h"
#include "platform/UiRuntime.h"

#include <array>
#include <deque>
#include <vector>

namespace qm::platform {

struct UiCall
{
    std::string kind; ///< "msgbox", "inputbox", "open", "save", "activate", "sendkeys", ...
    std::string text; ///< the message, prompt, keys, caption, clipboard text or command line
    std::string title;
    int style = 0;      ///< message-box style; 1 for sendkeys with waiting
    std::string answer; ///< what the runtime answered, as text
};

class ScriptedUi : public UiRuntime
{
public:
    /// Answers given in order; when a queue is empty a message box returns its default button,
    /// an input box its default text and a file dialog is cancelled.
    void queueMsgBoxAnswer(int button) { m_msgBoxAnswers.push_back(button); }
    void queueInputBoxAnswer(std::string text) { m_inputAnswers.push_back(std::move(text)); }
    void queueFileAnswer(std::optional<std::string> path)
    {
        m_fileAnswers.push_back(std::move(path));
    }
    /// The answer of the next colour, font or printer dialog: confirmed or cancelled (the
    /// default when none is queued).
    void queueDialogAnswer(bool confirmed) { m_dialogAnswers.push_back(confirmed); }
    /// The answer of the next dialog of one kind: a choice, or nothing to cancel it. Answers
    /// for a kind go before those queued for any dialog.
    void queueDialogChoice(CommonDialogKind kind, std::optional<DialogChoice> choice)
    {
        m_choices[static_cast<std::size_t>(kind)].push_back(std::move(choice));
    }

    /// Every call so far, oldest first.
    const std::vector<UiCall> &calls() const { return m_calls; }
    /// The calls of one kind.
    std::vector<UiCall> callsOf(std::string_view kind) const;
    void clearCalls() { m_calls.clear(); }

    /// Receives every message box as it is shown (automation scripts print them).
    std::function<void(const UiCall &)> onMsgBox;

    int msgBox(std::string_view text, int style, std::string_view title) override;
    std::string inputBox(std::string_view prompt,
                         std::string_view title,
                         std::string_view defaultText) override;
    std::optional<std::string> openFileDialog(const FileDialogRequest &request) override;
    std::optional<std::string> saveFileDialog(const FileDialogRequest &request) override;
    /// Recorded as a "color", "font" or "printer" call with the title, the flags as style and
    /// the choice as its answer (DialogChoice::text; "ok" for an answer queued for any dialog,
    /// "<cancel>").
    std::optional<DialogChoice>
    chooseInDialog(CommonDialogKind kind, std::string_view title, int flags) override;
    void processEvents() override;
    void wait(int milliseconds) override;
    void clipboardClear() override;
    void clipboardSetText(std::string_view text) override;
    std::string clipboardText() override;
    void startProgram(std::string_view commandLine) override;
    /// Recorded as a "document" call with the path.
    void openDocument(std::string_view path) override;
    void showHelp(std::string_view helpFile, int command) override;
    /// Recorded as a "help" call with the topic as its title.
    void showHelpTopic(std::string_view helpFile, std::string_view topic) override;
    void setMousePointer(int pointer) override;
    ScreenMetrics screen() override { return m_screen; }
    /// Records every line, font and page break printed.
    Printer &printer() override { return m_printer; }
    RecordingPrinter &recordingPrinter() { return m_printer; }
    /// The screen a test pretends to have (1024 x 768 pixels at 15 twips per pixel by default).
    void setScreen(ScreenMetrics metrics) { m_screen = metrics; }

    /// Runs on each processEvents and wait, so a test can let a real event loop run.
    std::function<void()> onProcessEvents;

    int mousePointer() const { return m_mousePointer; }

protected:
    void recordActivate(std::string_view caption) override;
    void recordSendKeys(std::string_view keys, bool wait) override;

private:
    std::optional<std::string> fileDialog(const char *kind, const FileDialogRequest &request);

    std::deque<int> m_msgBoxAnswers;
    std::deque<std::string> m_inputAnswers;
    std::deque<std::optional<std::string>> m_fileAnswers;
    std::deque<bool> m_dialogAnswers;
    std::array<std::deque<std::optional<DialogChoice>>, 3> m_choices;
    std::vector<UiCall> m_calls;
    std::string m_clipboard;
    int m_mousePointer = 0;
    ScreenMetrics m_screen;
    RecordingPrinter m_printer;
};

} // namespace qm::platform
