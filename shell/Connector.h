// The add-in's connection to the host: Connector, the "Quillmark" submenu and its command
// objects, and the file notifications.
#pragma once

#include "host/AddIn.h"
#include "host/Host.h"

#include <memory>

namespace qm::shell {

class ShellWindows;

/// Installs the windows the connection shows (the caller keeps ownership); nullptr for none.
void setShellWindows(ShellWindows *windows);
ShellWindows *shellWindows();

/// The submenu's captions in the order they are added, with their command indexes.
struct MenuEntry
{
    const char *caption;
    int commandIndex;
};
extern const MenuEntry kMenuEntries[10];

/// The connection count shared by every Connector of the process.
int connectionCount();

class Connector final : public host::AddIn, public host::MenuCommand
{
public:
    Connector();
    ~Connector() override;

    void ConnectAddIn(host::Host &VBDriverInstance) override;
    void DisconnectAddIn(int Mode) override;
    /// "&About Quillmark": shows frmAbout.
    void AfterClick() override;

private:
    host::Host *m_host = nullptr;
};

/// Registers Connector under QM32.Connector, for the host to create.
void registerConnectorClass();

} // namespace qm::shell
