// quillmark started on its own: installs the settings file and registers the add-in in VB.INI.
// Without a display its messages are printed instead of shown. Exits 1 when the set-up failed.
#include "common/Settings.h"
#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "platform/ScriptedUi.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"
#include "platform/qt/QtUi.h"
#include "shell/Registration.h"

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>

namespace {

namespace mb = qm::platform::mb;

constexpr const char *kHelp =
    "usage: quillmark [--help | --version]\n"
    "\n"
    "Registers the Quillmark add-in with the stand-in IDE vbhost: copies the settings file\n"
    "quillmrk.ini from its template into the Windows directory when it is not there yet, and\n"
    "writes QM32.Connector=1 into section [Add-Ins32] of VB.INI in the same directory, so\n"
    "that vbhost loads the add-in when it starts. Once done, running it again changes nothing.\n"
    "\n"
    "The Windows directory is $WINDIR when set, else ~/.config/quillmark/windows; the\n"
    "template is read from $QM_APP_DIR when set, else from the installed shared files.\n"
    "Without a display the messages are printed. Exit status 0 when the add-in is registered,\n"
    "1 when the set-up failed.\n";

bool hasDisplay()
{
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && std::string_view(platform) == "offscreen")
        return false; // nobody could answer a message box
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

std::string registrationEntry()
{
    return qm::platform::getPrivateProfileString("Add-Ins32", qm::shell::kProgramId, "NotFound",
                                                 255, "VB.INI");
}

void failure(const std::string &text)
{
    qm::platform::ui().msgBox(text, mb::Critical, "Quillmark Initialization Error");
}

// The set-up around RegisterAddIn, with the places it uses named when something is wrong.
int setUp()
{
    using namespace qm;
    const std::string windows = platform::windowsDirectory();
    std::error_code ec;
    if (!std::filesystem::is_directory(windows, ec)) {
        std::filesystem::create_directories(windows, ec);
        if (ec) {
            failure("Quillmark can't create the Windows directory\n" + windows + "\n" +
                    ec.message() + ".");
            return 1;
        }
    }
    const std::string settingsFile = common::settingsFilePath();
    const std::string templateFile = common::settingsTemplatePath();
    if (!platform::fileExists(settingsFile) && !platform::fileExists(templateFile)) {
        failure("Quillmark can't find the template of its INI file:\n" + templateFile +
                "\nReinstall Quillmark, or set QM_APP_DIR to the directory that holds it.");
        return 1;
    }
    const std::string vbIni = platform::joinPath(windows, "VB.INI");
    const std::string entry = registrationEntry();
    if (entry == "0") {
        // Switched off by the programmer: keep it so, and say how to switch it on.
        if (!platform::fileExists(settingsFile)) {
            try {
                platform::copyFile(templateFile, settingsFile);
            } catch (const platform::VbError &e) {
                failure("Quillmark can't write its INI file\n" + settingsFile + "\n" +
                        e.description + ".");
                return 1;
            }
        }
        platform::ui().msgBox("Quillmark is registered with Visual Basic but switched off:\n" +
                                  vbIni + " holds QM32.Connector=0 in section [Add-Ins32].\n" +
                                  "Set it to 1 there to load Quillmark when you start vbhost.",
                              mb::Information, "Quillmark Registered");
        return 0;
    }

    shell::RegisterAddIn();
    if (!platform::fileExists(settingsFile)) {
        failure("The INI file was not written:\n" + settingsFile);
        return 1;
    }
    if (registrationEntry() == "NotFound") {
        failure("Quillmark could not register itself in\n" + vbIni);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kHelp;
            return 0;
        }
        if (arg == "--version") {
            std::cout << "quillmark (Quillmark) " << QM_VERSION << "\n";
            return 0;
        }
        std::cerr << "quillmark: unknown argument " << arg << "\n" << kHelp;
        return 2;
    }
    try {
        if (!hasDisplay()) {
            qm::platform::ScriptedUi console;
            console.onMsgBox = [](const qm::platform::UiCall &box) {
                std::cout << (box.title.empty() ? "Quillmark" : box.title) << ": " << box.text
                          << "\n";
            };
            qm::platform::ScopedUi installed(console);
            return setUp();
        }
        QApplication app(argc, argv);
        qm::platform::QtUi runtime;
        qm::platform::ScopedUi installed(runtime);
        return setUp();
    } catch (const qm::platform::VbError &e) {
        std::cerr << "quillmark: " << e.description << "\n";
        return 1;
    }
}
