// The user-interface runtime the product calls for dialogs, keystrokes, the clipboard and
// programs. One interface: Qt for real use (platform/qt), a scripted one for tests and scripts.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace qm::platform {

class Printer;

/// Message-box style values: a button set plus an icon plus a default button.
namespace mb {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int AbortRetryIgnore = 2;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int RetryCancel = 5;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int DefaultButton2 = 256;
inline constexpr int DefaultButton3 = 512;
inline constexpr int SystemModal = 4096;

/// The button values a message box returns.
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
inline constexpr int Yes = 6;
inline constexpr int No = 7;

/// The value of the button that is the default of a style (its first button unless the style
/// names the second or third).
int defaultButton(int style);
} // namespace mb

/// What a file dialog is asked for; the filter is in the common dialog's "Text|*.txt|..." form.
struct FileDialogRequest
{
    std::string title;
    std::string filter;
    int filterIndex = 1;
    std::string initialDirectory;
    std::string fileName;
    int flags = 0; ///< the common dialog's Flags value
};

/// The common dialog's dialogs that choose no file.
enum class CommonDialogKind { Color, Font, Printer };

/// What a colour, font or printer dialog chose; only the members of its kind mean anything.
struct DialogChoice
{
    std::uint32_t color = 0; ///< as a Color property holds it: &H00BBGGRR&
    std::string fontName;
    double fontSize = 0;
    bool fontBold = false;
    bool fontItalic = false;
    std::string printerName;

    /// The choice as scripts write it: "&H000080FF&"; "Arial 10 bold italic"; the printer's
    /// name.
    std::string text(CommonDialogKind kind) const;
};

/// The screen as the runtime's Screen object gives it.
struct ScreenMetrics
{
    int widthPixels = 1024;
    int heightPixels = 768;
    int twipsPerPixelX = 15; ///< 1440 / logical DPI
    int twipsPerPixelY = 15;

    int widthTwips() const { return widthPixels * twipsPerPixelX; }
    int heightTwips() const { return heightPixels * twipsPerPixelY; }
};

/// Where keystrokes and window activation go: the host's windows. The host installs one;
/// without it, activation fails with error 5 and keystrokes go nowhere.
class KeyboardTarget
{
public:
    virtual ~KeyboardTarget() = default;
    /// AppActivate: brings the window whose caption starts with or equals `caption` to the
    /// front. Throws VbError 5 when there is none.
    virtual void activate(std::string_view caption) = 0;
    /// SendKeys: parses the send-keys text (VbError 5 when malformed) and delivers it to the
    /// focus of the active window; with `wait`, returns once the keys are processed.
    virtual void sendKeys(std::string_view keys, bool wait) = 0;
};

class UiRuntime
{
public:
    virtual ~UiRuntime() = default;

    /// MsgBox: shows text (lines joined by LF) with a style value; returns the button value.
    virtual int
    msgBox(std::string_view text, int style = mb::OkOnly, std::string_view title = {}) = 0;
    /// InputBox: the text typed, or the empty text when cancelled.
    virtual std::string
    inputBox(std::string_view prompt, std::string_view title, std::string_view defaultText) = 0;
    /// File dialogs: the chosen path, or nothing when cancelled.
    virtual std::optional<std::string> openFileDialog(const FileDialogRequest &request) = 0;
    virtual std::optional<std::string> saveFileDialog(const FileDialogRequest &request) = 0;
    /// The colour, font or printer dialog with a title and the dialog's Flags value: what was
    /// chosen, or nothing when it was cancelled. A runtime without such dialogs shows nothing
    /// and answers cancelled.
    virtual std::optional<DialogChoice>
    chooseInDialog(CommonDialogKind kind, std::string_view title, int flags);
    /// chooseInDialog, for a caller that needs only whether it was confirmed.
    bool commonDialog(CommonDialogKind kind, std::string_view title, int flags)
    {
        return chooseInDialog(kind, title, flags).has_value();
    }

    /// AppActivate and SendKeys, delivered through the installed keyboard target.
    void activate(std::string_view caption);
    void sendKeys(std::string_view keys, bool wait);
    void setKeyboardTarget(KeyboardTarget *target) { m_keyboard = target; }
    KeyboardTarget *keyboardTarget() const { return m_keyboard; }

    /// DoEvents: runs the pending window messages once.
    virtual void processEvents() = 0;
    /// Waits about `milliseconds` while processing messages.
    virtual void wait(int milliseconds) = 0;

    virtual void clipboardClear() = 0;
    virtual void clipboardSetText(std::string_view text) = 0;
    virtual std::string clipboardText() = 0;

    /// Shell: starts a program by command line; throws VbError 53 when it cannot start.
    virtual void startProgram(std::string_view commandLine) = 0;
    /// Opens a text file in the user's text viewer (the desktop's handler for text files, else a
    /// read-only window of the product) and returns at once, never waiting for it to close.
    virtual void openDocument(std::string_view path) = 0;
    /// Shows a help file with a help command (3 contents).
    virtual void showHelp(std::string_view helpFile, int command) = 0;
    /// Shows the page of a help file about one topic (the name of a tool window).
    virtual void showHelpTopic(std::string_view helpFile, std::string_view topic) = 0;
    /// Screen.MousePointer: 11 busy, 0 default.
    virtual void setMousePointer(int pointer) = 0;
    /// The screen's size and twips per pixel.
    virtual ScreenMetrics screen() = 0;
    /// The Printer object (platform/Printer.h). The base gives a recording printer.
    virtual Printer &printer();

protected:
    /// Called before delivering keystrokes or activation, so a recording runtime sees them.
    virtual void recordActivate(std::string_view) {}
    virtual void recordSendKeys(std::string_view, bool) {}

private:
    KeyboardTarget *m_keyboard = nullptr;
};

/// The runtime the product uses. Until one is installed, a scripted runtime answers.
UiRuntime &ui();
/// Installs a runtime (the caller keeps ownership); nullptr returns to the built-in one.
void setUi(UiRuntime *runtime);

/// Installs a runtime for the life of a scope and puts the previous one back afterwards.
class ScopedUi
{
public:
    explicit ScopedUi(UiRuntime &runtime);
    ~ScopedUi();
    ScopedUi(const ScopedUi &) = delete;
    ScopedUi &operator=(const ScopedUi &) = delete;

private:
    UiRuntime *m_previous;
};

} // namespace qm::platform
