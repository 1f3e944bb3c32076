// The stand-in IDE without its windows: the open project, its code windows and designers, the
// host's own windows in the window registry, its key map and Find dialog, its add-in menu and
// the file notifications it raises. Its Qt windows show and drive this model.
#pragma once

#include "host/Host.h"
#include "ide/CodePane.h"
#include "ide/Component.h"
#include "ide/Designer.h"
#include "ide/FindDialog.h"
#include "ide/KeyMap.h"
#include "ide/Project.h"
#include "platform/SendKeys.h"
#include "platform/WindowRegistry.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::ide {

/// Window classes of the host's windows.
namespace wndclass {
inline constexpr const char *Main = "VBHostMain";
inline constexpr const char *Code = "VBCodeWin";
inline constexpr const char *Designer = "ThunderForm";
inline constexpr const char *Project = "PROJECT";
inline constexpr const char *Toolbox = "ToolsPalette";
inline constexpr const char *Properties = "wndclass_pbrs";
} // namespace wndclass

/// A code window: a component's code shown in a pane.
struct CodeWindow
{
    ComponentPtr component;
    std::string buffer; ///< the code the pane edits; written back to the component on change
    std::unique_ptr<CodePane> pane;
    platform::WindowHandle window = 0;
};

struct DesignerWindow
{
    std::unique_ptr<Designer> designer;
    platform::WindowHandle window = 0;
};

class IdeMenu;

class Ide
{
public:
    Ide();
    ~Ide();
    Ide(const Ide &) = delete;
    Ide &operator=(const Ide &) = delete;

    // --- the project -----------------------------------------------------------------------
    /// Opens a project file, closing the windows of the one before. Receivers of file
    /// notifications get DoGetOpenProjectName first and may name another file. Throws what
    /// Project::load throws.
    void openProject(std::string_view path);
    /// Starts a new, never saved project with one form, Form1.
    void newProject();
    Project *project() const { return m_project.get(); }
    /// Reads the project again from its file; throws VbError 75 for a project never saved.
    void reloadProject();
    /// Writes the project under a new file name (Project::saveAs) and tells the add-ins of each
    /// component file written (and .frx), as Save File does. Throws what Project::saveAs
    /// throws (the project then stays as it was), VbError 91 with no project.
    void saveProjectAs(std::string_view path);
    /// Adds a file to the project and raises AfterAddFile; throws VbError 91 with no project.
    ComponentPtr addFile(std::string_view path);
    /// "Project1 - Microsoft Visual Basic [design]".
    std::string mainCaption() const;

    // --- windows ---------------------------------------------------------------------------
    platform::WindowHandle mainWindow() const { return m_main; }
    platform::WindowHandle projectWindow() const { return m_projectWindow; }
    platform::WindowHandle toolboxWindow() const { return m_toolbox; }
    platform::WindowHandle propertiesWindow() const { return m_properties; }

    /// The component the host works on: that of the active code window or designer, else the
    /// one selected in the project window.
    ComponentPtr activeComponent() const;
    /// Selects a component in the project window (and makes it active) without opening it.
    void selectComponent(const ComponentPtr &component);
    /// The active component when it is a form; null otherwise.
    ComponentPtr activeFormComponent() const;

    /// Opens (or brings forward) the code window of a component and activates it.
    CodeWindow &showCode(const ComponentPtr &component);
    /// Opens (or brings forward) the designer of a form and activates it; throws VbError 5 for
    /// a component that is not a form.
    DesignerWindow &showDesigner(const ComponentPtr &component);
    CodeWindow *codeWindowOf(const Component &component);
    DesignerWindow *designerOf(const Component &component);
    /// The window the host's keys go to: the active registry window when it is one of the
    /// host's, else the host window that was active last.
    platform::WindowHandle keyWindow() const;
    /// The code window or designer with the key focus, if it is one.
    CodeWindow *activeCodeWindow();
    DesignerWindow *activeDesigner();
    /// Closes the code window or designer (windows of the project itself cannot be closed).
    void closeWindow(platform::WindowHandle window);
    std::size_t codeWindowCount() const { return m_codeWindows.size(); }
    std::size_t designerCount() const { return m_designers.size(); }

    // --- keys ------------------------------------------------------------------------------
    /// One key to the host's key window: the Find dialog when it is open, the key map, then the
    /// code pane or designer.
    void deliverKey(const platform::KeyChord &chord);
    KeyMap &keyMap() { return m_keyMap; }
    FindDialog &findDialog() { return m_find; }
    /// Runs a host command as its accelerator does.
    void runCommand(IdeCommand command);
    /// How a search ended: no match, a match after the caret, or a match the search reached
    /// only by passing the end of its scope and going on from its start.
    enum class FindResult { NotFound, Found, Wrapped };
    /// Finds the dialog's text from the caret in its scope (letter case ignored, wrapping):
    /// selects the match in its code window.
    FindResult findNext();
    /// findNext, telling the user in a message box when the search wrapped or found nothing.
    void findNextAndTell();

    // --- the add-in side -------------------------------------------------------------------
    IdeMenu &addInMenu() { return *m_menu; }
    host::ConnectionId connectFileControl(host::FileControlEvents &receiver);
    void disconnectFileControl(host::ConnectionId id);
    /// Appends the text of a file to the active form's code. Throws VbError 91 with no active
    /// form, 53 for a missing file.
    void insertFileIntoActiveForm(std::string_view path);
    /// Sets a component's code, through its pane when it is open.
    void setCode(const ComponentPtr &component, std::string code);

    /// What the host did that has no model of its own: "print Form1", "help", ...
    const std::vector<std::string> &actions() const { return m_actions; }

private:
    void registerWindows();
    void closeAllComponentWindows();
    void updateCaptions();
    void saveFile(const ComponentPtr &component);
    void removeFile(const ComponentPtr &component);
    void closeFrontWindow();
    void rememberPosition();
    void goToLastPosition();
    template<typename Notify> void notify(Notify &&notification);

    std::unique_ptr<Project> m_project;
    ComponentPtr m_selected;
    std::vector<std::unique_ptr<CodeWindow>> m_codeWindows;
    std::vector<std::unique_ptr<DesignerWindow>> m_designers;
    platform::WindowHandle m_main = 0;
    platform::WindowHandle m_projectWindow = 0;
    platform::WindowHandle m_toolbox = 0;
    platform::WindowHandle m_properties = 0;
    mutable platform::WindowHandle m_lastKeyWindow = 0;
    KeyMap m_keyMap = KeyMap::defaults();
    FindDialog m_find;
    std::string m_lastSearch;
    struct Position
    {
        std::weak_ptr<Component> component;
        std::size_t caret = 0;
    };
    std::optional<Position> m_lastPosition;
    std::unique_ptr<IdeMenu> m_menu;
    std::map<host::ConnectionId, host::FileControlEvents *> m_receivers;
    std::vector<std::string> m_actions;
};

/// The host's add-in menu: submenus with lines whose clicks reach the connected commands.
class IdeMenu : public host::AddInMenu
{
public:
    std::shared_ptr<host::SubMenu> addSubMenu(std::string_view caption) override;
    void removeSubMenu(const host::SubMenu &subMenu) override;

    /// The captions of the submenus, in order.
    std::vector<std::string> captions() const;
    std::shared_ptr<host::SubMenu> find(std::string_view caption) const;
    /// Clicks a line of a submenu (captions compared as written); false when there is none.
    bool click(std::string_view subMenu, std::string_view line);

private:
    std::vector<std::shared_ptr<host::SubMenu>> m_subMenus;
};

/// A new connection id, unique in the process.
host::ConnectionId nextConnectionId();

} // namespace qm::ide
