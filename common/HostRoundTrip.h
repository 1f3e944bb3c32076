// The host round trip every tool makes: read the host's selection through the clipboard and the
// copy keystroke, run an engine, and return its text through the clipboard and the paste
// keystroke. What differs between the tools is a named option. Qt-free.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qm::common {

class HostRoundTrip
{
public:
    /// `operation` names the operation in a failure report ("pbChangeBlock_Click").
    explicit HostRoundTrip(std::string_view operation);

    /// The host widens its selection to whole lines before it is copied, and `insert` puts the
    /// caret at the start of its line first: for the tools that work on lines. A host that
    /// cannot do that leaves its selection as it is.
    HostRoundTrip &wholeLines();
    /// The paste keystroke is sent without waiting for the host to take it.
    HostRoundTrip &pasteWithoutWaiting();
    /// A failing step is skipped and the round trip goes on, without a report (the palette's
    /// text commands). An engine that fails still ends it: pasting nothing would delete the
    /// host's selection.
    HostRoundTrip &skipFailingSteps();
    /// The first failing step ends the round trip without a report (the palette's keys).
    HostRoundTrip &quietFailures();
    /// When the clipboard comes back empty, the host is asked for its selection once more.
    HostRoundTrip &copyAgainWhenEmpty();
    /// When the text on the clipboard cannot be pasted (no host window recorded, or it cannot
    /// be activated), the programmer is told that it is on the clipboard (the designers).
    HostRoundTrip &sayCodeIsOnClipboard();

    /// Clears the clipboard, records the host caption, activates the host, sends the copy
    /// keystroke with waiting, lets pending events run and returns the clipboard's text. Empty
    /// when the round trip ended (a failure, or no host window to activate).
    std::optional<std::string> readSelection();
    /// Puts the text on the clipboard and lets pending events run.
    bool putOnClipboard(std::string_view text);
    /// Activates the host recorded and sends the paste keystroke.
    bool paste();
    /// putOnClipboard and paste.
    bool returnText(std::string_view text);
    /// Activates the host recorded and sends keys with waiting, then lets pending events run.
    /// Keys that are not valid notation are reported under the operation, in every mode.
    bool sendKeys(std::string_view keys);

    /// readSelection, the engine on the selection, returnText. An engine's expected problem
    /// (common::UserMessageError) is shown and nothing is pasted. Returns whether every step
    /// succeeded.
    bool run(const std::function<std::string(const std::string &selection)> &engine);
    /// Records the host caption and returns the text `make` builds, reading no selection.
    bool insert(const std::function<std::string()> &make);

    /// Whether a step failed (and was reported, skipped or ended the round trip quietly).
    bool failed() const { return m_failed; }

private:
    enum class OnFailure { Report, Skip, Quiet };

    bool step(const std::function<void()> &statement);
    bool activateHost();
    bool copySelection();
    void askHost(void (*operation)());

    std::string m_operation;
    OnFailure m_onFailure = OnFailure::Report;
    bool m_wholeLines = false;
    bool m_waitForPaste = true;
    bool m_copyAgain = false;
    bool m_sayOnClipboard = false;
    bool m_insertAtLineStart = false;
    bool m_failed = false;
};

/// Records the host's state, sends the host its save keystroke for the active form and waits,
/// processing events, at most ten seconds for the name of the file the host writes. Empty when
/// none was written.
std::string saveActiveForm();

/// Activates the host recorded, sends its keystroke that takes the active form out of the
/// project and lets pending events run. The caller puts the form back (Host::addFileToProject).
void removeActiveFormFromProject();

} // namespace qm::common
