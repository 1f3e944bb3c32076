// The host's add-ins: those registered in section Add-Ins32 of VB.INI, created through the
// registry of program identifiers and connected at start, and disconnected before the host
// closes.
#pragma once

#include "host/AddIn.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qm::host {
class Host;
}

namespace qm::ide {

/// Why DisconnectAddIn is called.
namespace disconnectmode {
inline constexpr int HostShutdown = 0;
inline constexpr int UserClosed = 1;
} // namespace disconnectmode

/// One "ProgId=value" line of section Add-Ins32, in file order.
struct AddInRegistration
{
    std::string programId;
    std::string value; ///< "1" connects at start
};

/// The lines of section Add-Ins32 of a VB.INI text (section name and keys ignoring letter case;
/// a key listed twice counts once, the first time). Comment lines (";") and lines without "="
/// are skipped.
std::vector<AddInRegistration> parseAddInSection(std::string_view iniText);

class AddInManager
{
public:
    struct Entry
    {
        std::string programId;
        bool registeredClass = false; ///< the registry of program identifiers knows it
        bool connected = false;
    };

    explicit AddInManager(host::Host &host);
    ~AddInManager();
    AddInManager(const AddInManager &) = delete;
    AddInManager &operator=(const AddInManager &) = delete;

    /// Reads VB.INI from the Windows directory and connects every add-in listed with "1" whose
    /// class is registered. A failing add-in is reported in a message box and left out.
    void connectRegistered();
    /// The add-ins VB.INI lists, then any connected through connect() that it does not.
    const std::vector<Entry> &entries() const { return m_entries; }
    bool isConnected(std::string_view programId) const;

    /// Creates and connects an add-in and marks it "1" in VB.INI. False when its class is not
    /// registered or ConnectAddIn failed (the message was shown); the host stays as it was.
    bool connect(std::string_view programId, bool remember = true);
    /// Disconnects one add-in (UserClosed) and marks it "0" in VB.INI.
    void disconnect(std::string_view programId, bool remember = true);
    /// Disconnects every connected add-in, the last connected first (host shutdown).
    void disconnectAll();

private:
    struct Live
    {
        std::string programId;
        std::unique_ptr<host::AddIn> addIn;
    };
    Entry *entry(std::string_view programId);
    void remember(std::string_view programId, std::string_view value);

    host::Host &m_host;
    std::vector<Entry> m_entries;
    std::vector<Live> m_live;
    /// Add-ins whose ConnectAddIn failed: kept alive until the host closes, since they may have
    /// handed the host menu commands that still point at them.
    std::vector<std::unique_ptr<host::AddIn>> m_failed;
};

} // namespace qm::ide
