// The steps of the host round trip and how each kind of tool meets a failing one.
#include "common/HostRoundTrip.h"

#include "common/ErrorReports.h"
#include "common/ProgramState.h"
#include "common/Settings.h"
#include "host/Host.h"
#include "platform/SendKeys.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"

#include <chrono>

namespace qm::common {

HostRoundTrip::HostRoundTrip(std::string_view operation)
    : m_operation(operation)
{}

HostRoundTrip &HostRoundTrip::wholeLines()
{
    m_wholeLines = true;
    return *this;
}

HostRoundTrip &HostRoundTrip::pasteWithoutWaiting()
{
    m_waitForPaste = false;
    return *this;
}

HostRoundTrip &HostRoundTrip::skipFailingSteps()
{
    m_onFailure = OnFailure::Skip;
    return *this;
}

HostRoundTrip &HostRoundTrip::quietFailures()
{
    m_onFailure = OnFailure::Quiet;
    return *this;
}

HostRoundTrip &HostRoundTrip::copyAgainWhenEmpty()
{
    m_copyAgain = true;
    return *this;
}

HostRoundTrip &HostRoundTrip::sayCodeIsOnClipboard()
{
    m_sayOnClipboard = true;
    return *this;
}

// Runs one step. Returns whether the round trip goes on: a failure is reported and ends it,
// ends it quietly, or is skipped.
bool HostRoundTrip::step(const std::function<void()> &statement)
{
    if (m_onFailure == OnFailure::Report) {
        if (guarded(m_operation, statement))
            return true;
        m_failed = true;
        return false;
    }
    if (ignoreErrors(statement))
        return true;
    m_failed = true;
    return m_onFailure == OnFailure::Skip;
}

// The host window recorded by its caption. An empty caption would activate whichever window
// comes first, so nothing is activated and the round trip ends: no keystroke may reach a window
// that is not the host's.
bool HostRoundTrip::activateHost()
{
    const std::string caption = programState().hostCaption;
    if (caption.empty()) {
        m_failed = true;
        if (m_sayOnClipboard) {
            showMessage({"Error",
                         "There is no code window to paste into.\nThe code is on the clipboard.",
                         platform::mb::Exclamation});
        } else if (m_onFailure == OnFailure::Report) {
            ShowSystemError(platform::err::InvalidProcedureCall,
                            platform::VbError(platform::err::InvalidProcedureCall).description,
                            m_operation);
        }
        return false;
    }
    if (!m_sayOnClipboard)
        return step([&] { platform::ui().activate(caption); });
    try {
        platform::ui().activate(caption);
        return true;
    } catch (const platform::VbError &) {
        m_failed = true;
        showMessage(
            {"Error",
             "The window \"" + caption + "\" can't be found.\nThe code is on the clipboard.",
             platform::mb::Critical});
        return false;
    }
}

// Asks the host to do something to its selection; a host without it, or one that fails at it,
// leaves the selection as it is.
void HostRoundTrip::askHost(void (*operation)())
{
    if (!m_wholeLines || !programState().host)
        return;
    try {
        operation();
    } catch (const platform::VbError &) {
    }
}

bool HostRoundTrip::copySelection()
{
    auto &ui = platform::ui();
    if (!activateHost())
        return false;
    // The host answers for the window its keys go to, once it is active itself.
    askHost([] { programState().host->selectWholeLines(); });
    return step([&] { ui.sendKeys(settings().keys.CopyToClipboard, true); }) &&
           step([&] { ui.processEvents(); });
}

std::optional<std::string> HostRoundTrip::readSelection()
{
    auto &ui = platform::ui();
    if (!step([&] { ui.clipboardClear(); }))
        return std::nullopt;
    recordHostCaption();
    if (!copySelection())
        return std::nullopt;
    std::string text;
    if (!step([&] { text = ui.clipboardText(); }))
        return std::nullopt;
    if (text.empty() && m_copyAgain) {
        // The selection may not have reached the clipboard yet.
        if (!copySelection() || !step([&] { text = ui.clipboardText(); }))
            return std::nullopt;
    }
    return text;
}

bool HostRoundTrip::putOnClipboard(std::string_view text)
{
    auto &ui = platform::ui();
    return step([&] { ui.clipboardSetText(text); }) && step([&] { ui.processEvents(); });
}

bool HostRoundTrip::paste()
{
    auto &ui = platform::ui();
    if (!activateHost())
        return false;
    if (m_insertAtLineStart)
        askHost([] { programState().host->caretToLineStart(); });
    return step([&] { ui.sendKeys(settings().keys.PasteFromClipboard, m_waitForPaste); });
}

bool HostRoundTrip::returnText(std::string_view text)
{
    return putOnClipboard(text) && paste();
}

bool HostRoundTrip::sendKeys(std::string_view keys)
{
    try {
        platform::parseSendKeys(keys);
    } catch (const platform::VbError &e) {
        m_failed = true;
        ShowSystemError(e.number, e.description, m_operation);
        return false;
    }
    auto &ui = platform::ui();
    return activateHost() && step([&] { ui.sendKeys(keys, true); }) &&
           step([&] { ui.processEvents(); });
}

bool HostRoundTrip::run(const std::function<std::string(const std::string &)> &engine)
{
    const std::optional<std::string> selection = readSelection();
    if (!selection)
        return false;
    std::optional<std::string> result;
    if (m_onFailure == OnFailure::Report) {
        guarded(m_operation, [&] { result = engine(*selection); });
    } else {
        try {
            result = engine(*selection);
        } catch (const UserMessageError &e) {
            showMessage(e.message);
        } catch (const platform::VbError &) {
        }
    }
    // An engine that failed produced nothing, and pasting nothing would delete the selection.
    if (!result) {
        m_failed = true;
        return false;
    }
    return returnText(*result) && !m_failed;
}

bool HostRoundTrip::insert(const std::function<std::string()> &make)
{
    recordHostCaption();
    m_insertAtLineStart = true;
    std::optional<std::string> text;
    if (!step([&] { text = make(); }) || !text)
        return false;
    return returnText(*text) && !m_failed;
}

std::string saveActiveForm()
{
    using Clock = std::chrono::steady_clock;
    auto &ui = platform::ui();
    recordHostState();
    std::string &captured = programState().capturedFileName;
    captured.clear();
    ui.activate(programState().hostCaption);
    ui.sendKeys(settings().keys.FileSave, true);
    // The host tells the written file's name through its file events, which arrive while events
    // are processed; the programmer's clicks meanwhile arrive too.
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    ui.processEvents();
    for (int round = 0; captured.empty() && round < 200 && Clock::now() < deadline; ++round)
        ui.wait(50);
    return captured;
}

void removeActiveFormFromProject()
{
    auto &ui = platform::ui();
    ui.activate(programState().hostCaption);
    ui.sendKeys(settings().keys.FileRemove, true);
    ui.processEvents();
}

} // namespace qm::common
