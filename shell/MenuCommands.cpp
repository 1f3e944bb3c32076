// AfterClick of each menu command.
#include "shell/Commands.h"

#include "common/ProgramState.h"
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

void show(std::string_view window)
{
    if (ShellWindows *windows = shellWindows())
        windows->showToolWindow(window);
}

} // namespace

void MsgBoxObj::AfterClick()
{
    common::recordHostState();
    show("frmMsgBox");
}

void InputBoxObj::AfterClick()
{
    common::recordHostState();
    show("frmInputBox");
}

void CommonDialogObj::AfterClick()
{
    common::recordHostState();
    show("frmCMDDesigner");
}

void CodeFinderObj::AfterClick()
{
    common::recordHostCaption();
    recordProjectFileName();
    programState().codeFinderProjectMode = true;
    recordProjectFileName(); // the host check
    show("frmCodeFinder");
}

void EditorObj::AfterClick()
{
    common::recordHostState();
    if (programState().isWindowOpen("frmEdit32"))
        return;
    show("frmEdit32");
}

void IconClipperObj::AfterClick()
{
    recordProjectFileName();
    show("frmImageClip");
}

void SelectHelpTopicObj::AfterClick()
{
    try {
        recordProjectFileName();
        if (!programState().isWindowOpen("frmHelpContextID"))
            show("frmHelpContextID");
    } catch (const platform::VbError &) {
    }
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
