// Add-ins from VB.INI.
#include "ide/ui/AddIns.h"

#include "host/Host.h"
#include "ide/ui/HostUi.h"
#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "platform/Text.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"

#include <algorithm>

namespace qm::ide {
namespace {

constexpr std::string_view kIni = "VB.INI";
constexpr std::string_view kSection = "Add-Ins32";

using platform::equalsIgnoreCase;

} // namespace

std::vector<AddInRegistration> parseAddInSection(std::string_view iniText)
{
    std::vector<AddInRegistration> out;
    bool inSection = false;
    std::size_t pos = 0;
    while (pos < iniText.size()) {
        std::size_t end = iniText.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = iniText.size();
        std::string_view line = platform::trimBlanks(iniText.substr(pos, end - pos));
        pos = end;
        if (pos < iniText.size() && iniText[pos] == '\r')
            ++pos;
        if (pos < iniText.size() && iniText[pos] == '\n')
            ++pos;
        while (!line.empty() && line.front() == '\t')
            line.remove_prefix(1);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            std::size_t close = line.find(']');
            inSection = close != std::string_view::npos &&
                        equalsIgnoreCase(platform::trimBlanks(line.substr(1, close - 1)), kSection);
            continue;
        }
        if (!inSection)
            continue;
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            continue;
        std::string key(platform::trimBlanks(line.substr(0, eq)));
        std::string value(platform::trimBlanks(line.substr(eq + 1)));
        if (key.empty())
            continue;
        auto seen = std::find_if(out.begin(), out.end(), [&](const AddInRegistration &r) {
            return equalsIgnoreCase(r.programId, key);
        });
        if (seen == out.end())
            out.push_back({std::move(key), std::move(value)});
    }
    return out;
}

AddInManager::AddInManager(host::Host &host)
    : m_host(host)
{}

AddInManager::~AddInManager()
{
    disconnectAll();
}

AddInManager::Entry *AddInManager::entry(std::string_view programId)
{
    for (Entry &e : m_entries) {
        if (equalsIgnoreCase(e.programId, programId))
            return &e;
    }
    return nullptr;
}

bool AddInManager::isConnected(std::string_view programId) const
{
    return std::any_of(m_live.begin(), m_live.end(),
                       [&](const Live &l) { return equalsIgnoreCase(l.programId, programId); });
}

void AddInManager::connectRegistered()
{
    std::string text;
    try {
        std::string path = platform::profilePath(kIni);
        if (platform::fileExists(path))
            text = platform::readFile(path);
    } catch (const platform::VbError &) {
        // An unreadable VB.INI lists no add-ins; the host runs without them.
    }
    const std::vector<std::string> known = host::registeredAddInClasses();
    for (const AddInRegistration &r : parseAddInSection(text)) {
        if (!entry(r.programId)) {
            Entry e;
            e.programId = r.programId;
            e.registeredClass = std::any_of(known.begin(), known.end(), [&](const std::string &k) {
                return equalsIgnoreCase(k, r.programId);
            });
            m_entries.push_back(std::move(e));
        }
        if (r.value == "1")
            connect(r.programId, false);
    }
}

bool AddInManager::connect(std::string_view programId, bool rememberIt)
{
    if (isConnected(programId))
        return true;
    if (!entry(programId))
        m_entries.push_back({std::string(programId), false, false});
    std::unique_ptr<host::AddIn> addIn = host::createAddIn(programId);
    if (!addIn) {
        platform::ui().msgBox("The add-in '" + std::string(programId) +
                                  "' is not registered on this system.",
                              platform::mb::Exclamation, "Add-In Manager");
        return false;
    }
    entry(programId)->registeredClass = true;
    try {
        addIn->ConnectAddIn(m_host);
    } catch (const std::exception &e) {
        platform::ui().msgBox("The add-in '" + std::string(programId) +
                                  "' could not be connected: " + describeFailure(e),
                              platform::mb::Critical, "Add-In Manager");
        m_failed.push_back(std::move(addIn));
        return false;
    }
    m_live.push_back({std::string(programId), std::move(addIn)});
    entry(programId)->connected = true;
    if (rememberIt)
        remember(programId, "1");
    return true;
}

void AddInManager::disconnect(std::string_view programId, bool rememberIt)
{
    auto at = std::find_if(m_live.begin(), m_live.end(),
                           [&](const Live &l) { return equalsIgnoreCase(l.programId, programId); });
    if (at == m_live.end())
        return;
    Live live = std::move(*at);
    m_live.erase(at);
    if (Entry *e = entry(programId))
        e->connected = false;
    try {
        live.addIn->DisconnectAddIn(disconnectmode::UserClosed);
    } catch (const std::exception &e) {
        platform::ui().msgBox(describeFailure(e), platform::mb::Critical, "Add-In Manager");
    }
    // The add-in's menu commands are gone with its submenu; its object may still be referred
    // to by windows it left open, so it is kept like a failed one.
    m_failed.push_back(std::move(live.addIn));
    if (rememberIt)
        remember(programId, "0");
}

void AddInManager::disconnectAll()
{
    while (!m_live.empty()) {
        Live live = std::move(m_live.back());
        m_live.pop_back();
        if (Entry *e = entry(live.programId))
            e->connected = false;
        try {
            live.addIn->DisconnectAddIn(disconnectmode::HostShutdown);
        } catch (const std::exception &) {
            // The host closes whatever an add-in says.
        }
        m_failed.push_back(std::move(live.addIn));
    }
}

void AddInManager::remember(std::string_view programId, std::string_view value)
{
    try {
        platform::writePrivateProfileString(kSection, programId, value, kIni);
    } catch (const platform::VbError &e) {
        platform::ui().msgBox(e.description, platform::mb::Exclamation, "Add-In Manager");
    }
}

} // namespace qm::ide
