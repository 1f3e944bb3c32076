// The stand-in IDE on screen: the Qt windows over the IDE model, kept in step with it after
// every action, the keys of a person and of SendKeys taken the same way, and the add-ins.
#pragma once

#include "ide/Component.h"
#include "platform/SendKeys.h"
#include "platform/UiRuntime.h"
#include "platform/WindowRegistry.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <memory>
#include <string>
#include <string_view>

class QWidget;

namespace qm::host {
class Host;
}

namespace qm::ide {

class AddInManager;
class CodeView;
struct CodeWindow;
class DesignerView;
struct DesignerWindow;
class FindWindow;
class Ide;
class IdeHost;
class MainWindow;
class ProjectWindow;
class Project;
class PropertiesWindow;
class ToolboxWindow;

class HostUi final : public QObject
{
    Q_OBJECT

public:
    /// Shows the host's windows over a model; the model must outlive the windows.
    explicit HostUi(Ide &ide);
    ~HostUi() override;

    Ide &ide() { return m_ide; }
    host::Host &host();
    AddInManager &addIns() { return *m_addIns; }

    MainWindow &mainWindow() { return *m_main; }
    ProjectWindow &projectWindow() { return *m_project; }
    PropertiesWindow &propertiesWindow() { return *m_properties; }
    ToolboxWindow &toolboxWindow() { return *m_toolbox; }
    /// The Find dialog, shown while the model's is open.
    FindWindow &findWindow() { return *m_find; }
    CodeView *codeView(const Component &component);
    DesignerView *designerView(const Component &component);
    /// The Qt window of a registry handle (host windows only); nullptr for another.
    QWidget *widgetOf(platform::WindowHandle handle) const;

    /// The model's code window or designer of a registry handle, looked up afresh each time so
    /// that a window the model closed is never used.
    CodeWindow *codeWindowOf(platform::WindowHandle handle);
    DesignerWindow *designerOf(platform::WindowHandle handle);

    /// Brings the windows into line with the model: opens views for the model's new code
    /// windows and designers, closes those of windows it closed, refreshes captions and texts.
    void sync();

    /// One key into the host, as its key map and active window take it; then sync.
    void deliverKey(const platform::KeyChord &chord);
    /// Sends chords as key events to the active window, the way a person's keys arrive.
    void sendKeyEvents(std::string_view keys);

    /// Opens a project; a project that does not load shows its error in a message box and the
    /// host keeps the project it had. Returns whether it opened.
    bool openProject(std::string_view path);
    /// Saves every changed component (asking for names of new ones) and the project file.
    /// Returns false when the programmer cancelled or writing failed (the message was shown).
    bool saveProject();
    /// Asks, for each changed component and then the project, whether to save it (Yes saves,
    /// No leaves it, Cancel stops). Returns false when the programmer cancelled or a save
    /// failed: the project must stay.
    bool askToSaveChanges();
    /// Whether leaving the project would lose a change of the component: a saved one that was
    /// modified, a new one that differs from how it began.
    bool isChanged(const Component &component) const;
    /// Asks to save changes (askToSaveChanges), then disconnects the add-ins. Returns false
    /// when the host stays open.
    bool prepareClose(bool askToSave = true);
    /// Ends the host after prepareClose: every window of the host and of the add-ins goes,
    /// and the event loop is told to end.
    void endHost();
    bool hasEnded() const { return m_ended; }

    /// Undo and Redo in the active code window or designer: each typed line, paste, deletion,
    /// move, resize, drawing and property change is a step. False when there is nothing to do.
    bool undo();
    bool redo();
    bool canUndo();
    bool canRedo();
    /// How many copies of a form's .frx its designer's undo steps hold (an unchanged .frx is
    /// held once).
    std::size_t frxCopiesHeld(const Component &component) const;

    /// The registered tool the next click on a designer draws ("CommandButton"); empty for the
    /// pointer.
    const std::string &currentTool() const { return m_tool; }
    void setCurrentTool(std::string tool);

    /// Runs a model action that may throw VbError: a failure is shown in a message box.
    template<typename Action> bool guard(std::string_view title, Action &&action);

signals:
    void synced();

private:
    struct History;
    void showError(std::string_view title, const std::exception &error);
    /// Takes the edits made since the last look into the undo steps of each open editor.
    void observeEdits();
    History *activeHistory(bool &code);
    bool undoOrRedo(bool redo);
    /// Keys the host's editors take before its key map: Ctrl+Z, Ctrl+Y, Ctrl+A, F3.
    bool takeEditKey(const platform::KeyChord &chord);

    Ide &m_ide;
    std::unique_ptr<IdeHost> m_host;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<ProjectWindow> m_project;
    std::unique_ptr<PropertiesWindow> m_properties;
    std::unique_ptr<ToolboxWindow> m_toolbox;
    std::unique_ptr<FindWindow> m_find;
    std::map<platform::WindowHandle, QPointer<QWidget>> m_views;
    std::unique_ptr<AddInManager> m_addIns;
    std::unique_ptr<platform::KeyboardTarget> m_keyboard;
    platform::KeyboardTarget *m_previousKeyboard = nullptr;
    std::map<const Component *, std::unique_ptr<History>> m_histories;
    std::map<const Component *, std::string> m_pristine; ///< new components as they began
    const Project *m_historyProject = nullptr;
    std::string m_tool;
    bool m_syncing = false;
    bool m_ended = false;
    int m_sendingKeys = 0; ///< depth of sendKeyEvents: the windows sync once at the end
};

template<typename Action> bool HostUi::guard(std::string_view title, Action &&action)
{
    try {
        action();
    } catch (const std::exception &e) {
        showError(title, e);
        sync();
        return false;
    }
    sync();
    return true;
}

/// The message text of a failure: a VbError's description, else what() says.
std::string describeFailure(const std::exception &error);

} // namespace qm::ide
