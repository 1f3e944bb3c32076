// The command objects behind the "Quillmark" submenu: one kind that opens a named tool window,
// the palette toggle ("Hot &Buttons") and the project refresh.
#pragma once

#include "host/Host.h"

#include <string>
#include <string_view>

namespace qm::shell {

/// Records what the window's registration asks of the host and shows the window by name. The
/// menu's command objects `MsgBoxObj`, `InputBoxObj`, `CommonDialogObj`, `CodeFinderObj`,
/// `EditorObj`, `IconClipperObj` and `SelectHelpTopicObj` are each one of these (see the
/// command table in MenuCommands.cpp). A window this build does not have shows nothing.
class ShowToolWindowObj final : public host::MenuCommand
{
public:
    ShowToolWindowObj(std::string_view className, std::string_view window);
    void AfterClick() override;

    /// The command's class name as the menu knows it ("MsgBoxObj").
    const std::string &className() const { return m_className; }
    const std::string &window() const { return m_window; }

private:
    std::string m_className;
    std::string m_window;
};

/// "Hot &Buttons": toggles the palette.
class DisplayToolbarObj final : public host::MenuCommand
{
public:
    void AfterClick() override;
};

/// "&Refresh Project": reloads the active project after asking.
class RefreshProjectObj final : public host::MenuCommand
{
public:
    void AfterClick() override;
};

/// Toggles the palette as "Hot &Buttons" does: closes it when it is loaded, shows it otherwise.
void togglePalette();

/// Opens a tool window as its menu command does: records what its registration asks (a window
/// without a registration: the host check and the caption), then shows it. Never fails.
void openToolWindow(std::string_view window);

} // namespace qm::shell
