// ConnectAddIn and DisconnectAddIn: settings, splash, file notifications, the submenu and its
// commands, the palette, and the teardown in the reverse order.
#include "shell/Connector.h"

#include "common/ProgramState.h"
#include "common/Settings.h"
#include "common/WindowNames.h"
#include "host/HostHelpers.h"
#include "platform/FileSystem.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"
#include "shell/MenuCommands.h"
#include "shell/Registration.h"
#include "shell/ShellWindows.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace qm::shell {
using common::programState;
using common::settings;
namespace window = common::window;

const MenuEntry kMenuEntries[10] = {
    {"Hot &Buttons", 9},       {"&Refresh Project", 7},       {"&MsgBox Designer", 0},
    {"&InputBox Designer", 1}, {"Common&Dialog Designer", 2}, {"Code &Finder", 3},
    {"&External Editor", 5},   {"Icon Cli&pper", 4},          {"&Select Help Topic", 8},
    {"&About Quillmark", 6},
};

namespace {

// The order in which the menu lines are connected to their command objects.
constexpr std::array<int, 10> kConnectOrder = {0, 1, 2, 3, 7, 5, 4, 6, 8, 9};

// The tool windows closed at disconnection when open, in this order.
constexpr std::array<std::string_view, 9> kToolWindows = {
    window::CommonDialog, window::CodeFinder, window::Editor, window::Library,  window::HelpContext,
    window::ImageClip,    window::InputBox,   window::MsgBox, window::ApperTab,
};

// The commands that open a tool window: command index, class name, window.
struct WindowCommand
{
    int commandIndex;
    std::string_view className;
    std::string_view window;
};
constexpr WindowCommand kWindowCommands[] = {
    {0, "MsgBoxObj", window::MsgBox},
    {1, "InputBoxObj", window::InputBox},
    {2, "CommonDialogObj", window::CommonDialog},
    {3, "CodeFinderObj", window::CodeFinder},
    {4, "IconClipperObj", window::ImageClip},
    {5, "EditorObj", window::Editor},
    {8, "SelectHelpTopicObj", window::HelpContext},
};

struct ConnectionState
{
    std::int16_t connections = 0;
    std::array<std::shared_ptr<host::MenuLine>, 10> menuLines;
    std::array<host::ConnectionId, 10> connectionIds{};
    std::shared_ptr<host::SubMenu> topMenu;
    // Command objects by command index; index 6 is the Connector itself and stays empty.
    std::array<std::unique_ptr<host::MenuCommand>, 10> commands;
    std::unique_ptr<host::FileControlSpy> spy;
    host::ConnectionId spyId = 0;
    bool spyConnected = false;
};

ConnectionState &state()
{
    static ConnectionState shared;
    return shared;
}

ShellWindows *g_windows = nullptr;

void ignore(const std::function<void()> &statement)
{
    try {
        statement();
    } catch (const platform::VbError &) {
    } catch (const std::exception &) {
    }
}

void createCommandObjects()
{
    auto &commands = state().commands;
    for (const WindowCommand &c : kWindowCommands)
        commands[static_cast<size_t>(c.commandIndex)] =
            std::make_unique<ShowToolWindowObj>(c.className, c.window);
    commands[7] = std::make_unique<RefreshProjectObj>();
    commands[9] = std::make_unique<DisplayToolbarObj>();
}

} // namespace

void setShellWindows(ShellWindows *windows)
{
    g_windows = windows;
}

ShellWindows *shellWindows()
{
    return g_windows;
}

int connectionCount()
{
    return state().connections;
}

Connector::Connector() = default;
Connector::~Connector() = default;

void Connector::ConnectAddIn(host::Host &VBDriverInstance)
{
    ConnectionState &s = state();
    auto &ui = platform::ui();
    if (++s.connections > 1) {
        --s.connections;
        ui.msgBox("Quillmark can only be used in one instance of VB.", platform::mb::Information,
                  "Already In Use");
        return;
    }

    bool readSettings = true;
    // Steps up to the menu connection; a failure in any of them leads to one recovery.
    auto connect = [&](bool recovering) {
        if (!recovering) {
            settings().programmerName = common::fixedWidthName(common::kDefaultProgrammerName);
            settings().companyName = common::fixedWidthName(common::kDefaultCompanyName);
            m_host = &VBDriverInstance;
            programState().host = &VBDriverInstance;
            if (!platform::fileExists(common::settingsFilePath())) {
                if (!common::InitializeIniFile())
                    return false;
                readSettings = false;
            }
            if (readSettings) {
                common::readNames(settings());
                common::readConfiguration(settings());
            }
        }
        if (!readSettings || recovering)
            common::applyDefaultConfiguration(settings());
        if (g_windows)
            g_windows->showSplash();
        common::readKeystrokesAndKeywords(settings());
        if (!s.spyConnected) {
            s.spy = std::make_unique<host::FileControlSpy>(programState().capturedFileName,
                                                           programState().currentProjectFileName);
            s.spyId = VBDriverInstance.connectFileControl(*s.spy);
            s.spyConnected = true;
        }
        if (!s.topMenu) {
            s.topMenu = VBDriverInstance.addInMenu().addSubMenu("Quillmark");
            for (const MenuEntry &entry : kMenuEntries)
                s.menuLines[static_cast<size_t>(entry.commandIndex)] =
                    s.topMenu->addMenuItem(entry.caption);
            createCommandObjects();
            for (int index : kConnectOrder) {
                host::MenuCommand &command = index == 6 ? static_cast<host::MenuCommand &>(*this)
                                                        : *s.commands[static_cast<size_t>(index)];
                s.connectionIds[static_cast<size_t>(index)] =
                    s.menuLines[static_cast<size_t>(index)]->connectEvents(command);
            }
        }
        return true;
    };

    bool connected = false;
    try {
        connected = connect(false);
        if (!connected)
            return; // the settings file could not be created: abandoned
    } catch (...) {
        // Re-create the settings file, keeping the programmer's own beside it, and go on with
        // the default settings.
        bool recreated = false;
        ignore([&] {
            auto backup = common::backUpSettingsFile();
            recreated = common::InitializeIniFile(
                backup ? "Your previous settings were kept in " + *backup + "." : std::string());
        });
        if (!recreated)
            return;
        try {
            connected = connect(true);
        } catch (...) {
            connected = false;
        }
        if (!connected) {
            if (g_windows)
                ignore([] { g_windows->unloadSplash(); });
            return;
        }
    }

    if (g_windows)
        g_windows->showPalette();
    ui.processEvents();
    programState().paletteLoaded = true;
    ui.processEvents();
    if (g_windows)
        g_windows->unloadSplash();
}

void Connector::DisconnectAddIn(int /*Mode*/)
{
    ConnectionState &s = state();
    auto &ui = platform::ui();
    if (--s.connections >= 1)
        return;
    if (s.connections < 0)
        s.connections = 0; // a disconnection without a connection changes nothing

    for (size_t index = 0; index < s.menuLines.size(); ++index) {
        ignore([&] {
            if (s.menuLines[index])
                s.menuLines[index]->disconnectEvents(s.connectionIds[index]);
        });
    }
    ignore([&] {
        if (s.spyConnected && m_host)
            m_host->disconnectFileControl(s.spyId);
        s.spyConnected = false;
    });
    ignore([&] {
        if (s.topMenu && m_host)
            m_host->addInMenu().removeSubMenu(*s.topMenu);
    });
    s.topMenu.reset();
    s.menuLines = {};

    if (g_windows) {
        for (std::string_view window : kToolWindows) {
            ignore([&] {
                if (programState().isWindowOpen(window))
                    g_windows->unloadToolWindow(window);
            });
        }
        ignore([] { g_windows->unloadTooltipWindow(); });
        ignore([&] {
            if (!programState().paletteLoaded)
                return;
            if (g_windows->isPaletteMaximized()) {
                g_windows->restorePalette();
                ui.processEvents();
            }
            settings().left = static_cast<std::int16_t>(g_windows->paletteLeft());
            settings().top = static_cast<std::int16_t>(g_windows->paletteTop());
            g_windows->unloadPalette();
            programState().paletteLoaded = false;
        });
    }

    try {
        common::UpdateIniFile("Configuration", "Left", common::positionText(settings().left),
                              common::positionText(settings().top));
    } catch (const platform::VbError &e) {
        ui.msgBox(e.description);
    }
    ui.processEvents();
}

void Connector::AfterClick()
{
    if (g_windows)
        g_windows->showAbout();
}

void registerConnectorClass()
{
    host::registerAddInClass(kProgramId, [] { return std::make_unique<Connector>(); });
}

} // namespace qm::shell
