// quillmark started on its own: installs the settings file and registers the add-in in VB.INI.
// Without a display its messages are printed instead of shown.
#include "platform/ScriptedUi.h"
#include "platform/qt/QtUi.h"
#include "shell/Registration.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <string_view>

namespace {

bool hasDisplay()
{
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && std::string_view(platform) == "offscreen")
        return false; // nobody could answer a message box
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char **argv)
{
    if (!hasDisplay()) {
        qm::platform::ScriptedUi console;
        console.onMsgBox = [](const qm::platform::UiCall &box) {
            std::cout << (box.title.empty() ? "Quillmark" : box.title) << ": " << box.text << "\n";
        };
        qm::platform::ScopedUi installed(console);
        qm::shell::RegisterAddIn();
        return 0;
    }
    QApplication app(argc, argv);
    qm::platform::QtUi runtime;
    qm::platform::ScopedUi installed(runtime);
    qm::shell::RegisterAddIn();
    return 0;
}
