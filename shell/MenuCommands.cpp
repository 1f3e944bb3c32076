// AfterClick of each menu command.
#include "shell/MenuCommands.h"

#include "common/ProgramState.h"
#include "common/ToolRegistry.h"
#include "host/HostHelpers.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"
#include "shell/Connector.h"
#include "shell/ShellWindows.h"

namespace qm::shell {
using common::programState;

namespace {

void recordProjectFileName()
{
    host::recordProjectFileName(programState().host, programState().currentProjectFileName);
}

void openAsRegistered(std::string_view name)
{
    const common::ToolWindow *tool = common::toolRegistry().window(name);
    const auto recording = tool ? tool->recording : common::HostRecording::ProjectAndCaption;
    if (recording == common::HostRecording::ProjectAndCaption)
        common::recordHostState();
    else
        recordProjectFileName();
    if (tool && tool->beforeOpen)
        tool->beforeOpen();
    if (tool && tool->onlyWhenClosed && programState().isWindowOpen(name))
        return;
    if (ShellWindows *windows = shellWindows())
        windows->showToolWindow(name);
}

} // namespace

void openToolWindow(std::string_view window)
{
    const common::ToolWindow *tool = common::toolRegistry().window(window);
    try {
        openAsRegistered(window);
    } catch (const platform::VbError &) {
        if (!tool || !tool->ignoreErrors)
            throw;
    }
}

ShowToolWindowObj::ShowToolWindowObj(std::string_view className, std::string_view window)
    : m_className(className)
    , m_window(window)
{}

void ShowToolWindowObj::AfterClick()
{
    openToolWindow(m_window);
}

void togglePalette()
{
    ShellWindows *windows = shellWindows();
    if (!windows)
        return;
    auto &ui = platform::ui();
    if (programState().paletteLoaded) {
        programState().paletteLoaded = false;
        windows->unloadTooltipWindow();
        ui.processEvents();
        windows->unloadPalette();
        ui.processEvents();
        return;
    }
    programState().paletteLoaded = true;
    windows->showPalette();
    ui.processEvents();
    windows->loadTooltipWindow();
}

void DisplayToolbarObj::AfterClick()
{
    recordProjectFileName();
    togglePalette();
}

void RefreshProjectObj::AfterClick()
{
    recordProjectFileName();
    auto &ui = platform::ui();
    int answer = ui.msgBox("Refreshing your Project will lose any changes\n"
                           "made to any Form or Code Module since you\n"
                           "last saved your Project.  Are you sure you want\n"
                           "to proceed with the Refresh?",
                           platform::mb::OkCancel | platform::mb::Question, "Confirm Refresh");
    if (answer != platform::mb::Ok)
        return;
    try {
        if (!programState().host)
            throw platform::VbError(platform::err::ObjectNotSet);
        programState().host->reloadActiveProject();
    } catch (const platform::VbError &) {
        ui.msgBox("You do not have a valid Project Name, probably\n"
                  "because you have never saved a 'New' Project.\n"
                  "In any case, we can't Refresh the Project!",
                  platform::mb::Critical, "Refresh Error");
    }
}

} // namespace qm::shell
