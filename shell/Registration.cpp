// Stand-alone start: settings file and host registration.
#include "shell/Registration.h"

#include "common/Settings.h"
#include "platform/FileSystem.h"
#include "platform/Profile.h"

#include <string>

namespace qm::shell {

void RegisterAddIn()
{
    if (!platform::fileExists(common::settingsFilePath()) && !common::InitializeIniFile())
        return;
    std::string entry =
        platform::getPrivateProfileString("Add-Ins32", kProgramId, "NotFound", 255, "VB.INI");
    if (entry == "NotFound")
        platform::writePrivateProfileString("Add-Ins32", kProgramId, "1", "VB.INI");
    // The help file is found beside the program when a window asks for it; nothing to set here.
}

} // namespace qm::shell
