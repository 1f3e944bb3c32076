// The installed runtime, the keyboard forwarding shared by every runtime, and the scripted one.
#include "platform/UiRuntime.h"

#include "platform/Printer.h"
#include "platform/ScriptedUi.h"
#include "platform/VbError.h"

#include <cstdio>

namespace qm::platform {
namespace {

UiRuntime *g_installed = nullptr;

UiRuntime &builtIn()
{
    static ScriptedUi runtime;
    return runtime;
}

} // namespace

int mb::defaultButton(int style)
{
    static const int buttons[6][3] = {
        {Ok, Ok, Ok},      {Ok, Cancel, Cancel}, {Abort, Retry, Ignore},
        {Yes, No, Cancel}, {Yes, No, No},        {Retry, Cancel, Cancel},
    };
    int set = style & 7;
    if (set > 5)
        set = 0;
    int which = (style & DefaultButton3) ? 2 : (style & DefaultButton2) ? 1 : 0;
    return buttons[set][which];
}

void UiRuntime::activate(std::string_view caption)
{
    recordActivate(caption);
    if (!m_keyboard)
        throw VbError(err::InvalidProcedureCall);
    m_keyboard->activate(caption);
}

void UiRuntime::sendKeys(std::string_view keys, bool wait)
{
    recordSendKeys(keys, wait);
    if (m_keyboard)
        m_keyboard->sendKeys(keys, wait);
}

std::string DialogChoice::text(CommonDialogKind kind) const
{
    switch (kind) {
    case CommonDialogKind::Color: {
        char hex[16];
        std::snprintf(hex, sizeof hex, "&H%08X&", static_cast<unsigned>(color));
        return hex;
    }
    case CommonDialogKind::Font: {
        char size[32];
        std::snprintf(size, sizeof size, "%g", fontSize);
        std::string out = fontName + " " + size;
        if (fontBold)
            out += " bold";
        if (fontItalic)
            out += " italic";
        return out;
    }
    case CommonDialogKind::Printer:
        return printerName;
    }
    return {};
}

std::optional<DialogChoice> UiRuntime::chooseInDialog(CommonDialogKind, std::string_view, int)
{
    return std::nullopt;
}

Printer &UiRuntime::printer()
{
    static RecordingPrinter recording;
    return recording;
}

UiRuntime &ui()
{
    return g_installed ? *g_installed : builtIn();
}

void setUi(UiRuntime *runtime)
{
    g_installed = runtime;
}

ScopedUi::ScopedUi(UiRuntime &runtime)
    : m_previous(g_installed)
{
    g_installed = &runtime;
}

ScopedUi::~ScopedUi()
{
    g_installed = m_previous;
}

std::vector<UiCall> ScriptedUi::callsOf(std::string_view kind) const
{
    std::vector<UiCall> found;
    for (const auto &call : m_calls) {
        if (call.kind == kind)
            found.push_back(call);
    }
    return found;
}

int ScriptedUi::msgBox(std::string_view text, int style, std::string_view title)
{
    int answer = mb::defaultButton(style);
    if (!m_msgBoxAnswers.empty()) {
        answer = m_msgBoxAnswers.front();
        m_msgBoxAnswers.pop_front();
    }
    m_calls.push_back(
        {"msgbox", std::string(text), std::string(title), style, std::to_string(answer)});
    if (onMsgBox)
        onMsgBox(m_calls.back());
    return answer;
}

std::string
ScriptedUi::inputBox(std::string_view prompt, std::string_view title, std::string_view defaultText)
{
    std::string answer(defaultText);
    if (!m_inputAnswers.empty()) {
        answer = std::move(m_inputAnswers.front());
        m_inputAnswers.pop_front();
    }
    m_calls.push_back({"inputbox", std::string(prompt), std::string(title), 0, answer});
    return answer;
}

std::optional<std::string> ScriptedUi::fileDialog(const char *kind,
                                                  const FileDialogRequest &request)
{
    std::optional<std::string> answer;
    if (!m_fileAnswers.empty()) {
        answer = std::move(m_fileAnswers.front());
        m_fileAnswers.pop_front();
    }
    m_calls.push_back(
        {kind, request.filter, request.title, request.flags, answer.value_or("<cancel>")});
    return answer;
}

std::optional<std::string> ScriptedUi::openFileDialog(const FileDialogRequest &request)
{
    return fileDialog("open", request);
}

std::optional<std::string> ScriptedUi::saveFileDialog(const FileDialogRequest &request)
{
    return fileDialog("save", request);
}

std::optional<DialogChoice>
ScriptedUi::chooseInDialog(CommonDialogKind kind, std::string_view title, int flags)
{
    // An answer for this kind of dialog first, then one for any dialog.
    std::optional<DialogChoice> choice;
    bool any = false;
    auto &own = m_choices[static_cast<std::size_t>(kind)];
    if (!own.empty()) {
        choice = std::move(own.front());
        own.pop_front();
    } else if (!m_dialogAnswers.empty()) {
        any = true;
        if (m_dialogAnswers.front())
            choice = DialogChoice{};
        m_dialogAnswers.pop_front();
    }
    const char *name = kind == CommonDialogKind::Color  ? "color"
                       : kind == CommonDialogKind::Font ? "font"
                                                        : "printer";
    std::string answer = !choice ? std::string("<cancel>") : any ? std::string("ok")
                                                                 : choice->text(kind);
    m_calls.push_back({name, {}, std::string(title), flags, std::move(answer)});
    return choice;
}

void ScriptedUi::processEvents()
{
    if (onProcessEvents)
        onProcessEvents();
}

void ScriptedUi::wait(int milliseconds)
{
    m_calls.push_back({"wait", std::to_string(milliseconds), {}, 0, {}});
    processEvents();
}

void ScriptedUi::clipboardClear()
{
    m_clipboard.clear();
}

void ScriptedUi::clipboardSetText(std::string_view text)
{
    m_clipboard = text;
}

std::string ScriptedUi::clipboardText()
{
    return m_clipboard;
}

void ScriptedUi::startProgram(std::string_view commandLine)
{
    m_calls.push_back({"start", std::string(commandLine), {}, 0, {}});
}

void ScriptedUi::showHelp(std::string_view helpFile, int command)
{
    m_calls.push_back({"help", std::string(helpFile), {}, command, {}});
}

void ScriptedUi::openDocument(std::string_view path)
{
    m_calls.push_back({"document", std::string(path), {}, 0, {}});
}

void ScriptedUi::showHelpTopic(std::string_view helpFile, std::string_view topic)
{
    m_calls.push_back({"help", std::string(helpFile), std::string(topic), 0, {}});
}

void ScriptedUi::setMousePointer(int pointer)
{
    m_mousePointer = pointer;
}

void ScriptedUi::recordActivate(std::string_view caption)
{
    m_calls.push_back({"activate", std::string(caption), {}, 0, {}});
}

void ScriptedUi::recordSendKeys(std::string_view keys, bool wait)
{
    m_calls.push_back({"sendkeys", std::string(keys), {}, wait ? 1 : 0, {}});
}

} // namespace qm::platform
