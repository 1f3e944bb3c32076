// What window tests of the add-in's tool windows share: windows opened by name as the shell opens
// them (open flag, window-registry entry, unload on close), controls found by their object
// names, clicks and typed keys, and the code preview read without its modal loop.
#pragma once

#include "platform/ScriptedUi.h"
#include "shell/ui/QtShellWindows.h"
#include "tests/support/RecordingKeyboard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>

namespace qm::test {

/// The control of `window` named `name` (searched through its children); a test failure when
/// there is none.
template<typename T = QWidget> T *control(const QWidget *window, std::string_view name)
{
    const QString objectName = QString::fromLatin1(name.data(), qsizetype(name.size()));
    T *found = window ? window->findChild<T *>(objectName) : nullptr;
    if (!found)
        ADD_FAILURE() << "no control " << name;
    return found;
}

/// Whether a window that deletes itself on closing is gone, once pending deletions have run.
template<typename T> bool isGone(const QPointer<T> &window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.isNull();
}

/// Clicks the button `name` of `window`.
void click(const QWidget *window, std::string_view name);
/// Sets the text of the text box `name` of `window` as typed (a line or a multi-line box).
void type(const QWidget *window, std::string_view name, const QString &text);
/// Sends one key press and release to `to`.
void sendKey(QWidget *to,
             int key,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             const QString &text = {});

/// Runs `action` with the code preview handed over instead of shown modally, closes it with its
/// Close button and returns the text it showed, lines ended with CR LF as the preview keeps
/// them. A test failure unless exactly one preview was shown, as the modal window it is.
std::string readPreview(const std::function<void()> &action);

/// The shell's windows, to open tool windows by name.
class ToolWindowFixture
{
public:
    ToolWindowFixture();
    ~ToolWindowFixture();

    /// Opens (or raises) the tool window `name`; a test failure when this build has none.
    QWidget *open(std::string_view name);
    template<typename T> QPointer<T> openAs(std::string_view name)
    {
        return qobject_cast<T *>(open(name));
    }
    shell::QtShellWindows &shell() { return m_shell; }

private:
    shell::QtShellWindows m_shell;
};

/// A window test of a tool window that returns code to the host: the scripted runtime, a
/// recording host window that is the only window there is and is recorded as the host caption,
/// the paste keystroke "+{INSERT}", and the shell's windows to open tool windows by name.
struct ToolWindowTest : ::testing::Test
{
    static constexpr const char *kHostCaption = "Project1 - Microsoft Visual Basic [design]";

    void SetUp() override;
    void TearDown() override;

    platform::ScriptedUi runtime;
    platform::ScopedUi scoped{runtime};
    RecordingKeyboard host;
    ToolWindowFixture windows;

private:
    std::string m_savedPasteKeys;
};

} // namespace qm::test
