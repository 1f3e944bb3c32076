// The host IDE as the add-in sees it: its add-in menu, its file notifications, the active
// project and form, the selected controls and their properties. The add-in is handed a Host
// when it is connected and knows nothing else of the IDE behind it.
#pragma once

#include "host/PropertyValue.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qm::host {

/// The id the host returns for an event connection.
using ConnectionId = std::int32_t;

/// A command object: the host calls AfterClick each time its menu line is picked.
class MenuCommand
{
public:
    virtual ~MenuCommand() = default;
    virtual void AfterClick() = 0;
};

/// One line of a submenu.
class MenuLine
{
public:
    virtual ~MenuLine() = default;
    virtual std::string caption() const = 0;
    /// Connects the line's click to a command object, which must stay alive until it is
    /// disconnected; returns the connection's id.
    virtual ConnectionId connectEvents(MenuCommand &command) = 0;
    /// Throws VbError 5 for an id this line did not hand out (or handed out and took back).
    virtual void disconnectEvents(ConnectionId id) = 0;
};

class SubMenu
{
public:
    virtual ~SubMenu() = default;
    virtual std::string caption() const = 0;
    /// Adds a line at the end of the submenu.
    virtual std::shared_ptr<MenuLine> addMenuItem(std::string_view caption) = 0;
    virtual int count() const = 0;
    /// The line at a position from 0; throws VbError 9 outside.
    virtual std::shared_ptr<MenuLine> item(int index) const = 0;
};

/// The host's add-in menu.
class AddInMenu
{
public:
    virtual ~AddInMenu() = default;
    virtual std::shared_ptr<SubMenu> addSubMenu(std::string_view caption) = 0;
    /// Takes the submenu off the menu; its lines stop reaching their commands. Throws VbError 5
    /// for a submenu that is not on it.
    virtual void removeSubMenu(const SubMenu &subMenu) = 0;
};

/// The receiver of the host's file notifications. Every notification does nothing unless a
/// receiver overrides it.
class FileControlEvents
{
public:
    virtual ~FileControlEvents() = default;
    /// A file was written (Success false when writing failed); a form is followed by its .frx.
    virtual void AfterWriteFile(std::string_view FileName, bool Success);
    /// The host is about to open a project named ProjectName; a receiver may change the name,
    /// or set CancelDefault to keep the host from asking the programmer for one.
    virtual void DoGetOpenProjectName(std::string &ProjectName, bool &CancelDefault);
    virtual void AfterAddFile(std::string_view FileName);
    virtual void AfterRemoveFile(std::string_view FileName);
    virtual void AfterCloseFile(std::string_view FileName, bool WasDirty);
    virtual void AfterChangeFileName(std::string_view NewName, std::string_view OldName);
    virtual void BeforeLoadFile(std::string_view FileName);
    virtual void RequestWriteFile(std::string_view FileName, bool &Cancel);
};

/// A control of a form, as the selection lists it. It stays valid as a handle when the control
/// goes away; its property calls then throw VbError 91.
class Control
{
public:
    virtual ~Control() = default;
    /// The control's Name (without its index).
    virtual std::string name() const = 0;
    /// The control's class ("CommandButton", "Label", or a third-party class).
    virtual std::string className() const = 0;
    /// Properties(name).Value. A dotted name reaches into an object property ("Font.Bold").
    /// Throws VbError 438 for a property the control does not have.
    virtual PropertyValue property(std::string_view name) const = 0;
    /// Sets a property: VbError 438 for one the control does not have, 380 for a value the
    /// property does not take.
    virtual void setProperty(std::string_view name, const PropertyValue &value) = 0;
};

using ControlPtr = std::shared_ptr<Control>;

/// The selected controls of the active form, in the host's enumeration order.
using ControlList = std::vector<ControlPtr>;

class Host
{
public:
    virtual ~Host() = default;

    virtual AddInMenu &addInMenu() = 0;

    /// Connects a receiver of file notifications, which must stay alive until disconnected.
    virtual ConnectionId connectFileControl(FileControlEvents &receiver) = 0;
    /// Throws VbError 5 for an unknown id.
    virtual void disconnectFileControl(ConnectionId id) = 0;

    /// The active project's file name; empty for a project never saved (or no project).
    virtual std::string activeProjectFileName() const = 0;
    /// Adds a file to the active project. Throws VbError 53 for a missing file, 91 with no
    /// project.
    virtual void addFileToProject(std::string_view path) = 0;
    /// Adds the text of a file to the end of the active form's code. Throws VbError 53 for a
    /// missing file, 91 with no active form.
    virtual void insertFileIntoActiveForm(std::string_view path) = 0;
    /// The selected controls of the active form (empty for none). Throws VbError 91 with no
    /// active form.
    virtual ControlList selectedControls() = 0;
    /// Reloads the active project from its file, dropping unsaved changes. Throws VbError 75
    /// for a project never saved.
    virtual void reloadActiveProject() = 0;
    /// The file of the active form or module (the component of the active code window or
    /// designer); empty for one never saved. Throws VbError 91 with none active; a host that
    /// cannot tell throws 438.
    virtual std::string activeComponentFileName() const;

    /// Widens the selection of the active code window to whole lines: from the start of its
    /// first line to the start of the line after its last (an end already at a line start
    /// stays). A caret alone stays where it is. A host that cannot does nothing.
    virtual void selectWholeLines();
    /// Puts the caret of the active code window at the start of its line (the first line of a
    /// selection), selecting nothing. A host that cannot does nothing.
    virtual void caretToLineStart();
};

} // namespace qm::host
