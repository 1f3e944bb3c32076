// The add-in side of the connection, and the registry of program identifiers through which the
// host creates an add-in by name (the stand-in for the system's class registration).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qm::host {

class Host;

/// What the host calls on an add-in it has created.
class AddIn
{
public:
    virtual ~AddIn() = default;
    virtual void ConnectAddIn(Host &VBDriverInstance) = 0;
    /// Mode tells why (the host closing or the programmer disconnecting); add-ins may ignore it.
    virtual void DisconnectAddIn(int Mode) = 0;
};

using AddInFactory = std::function<std::unique_ptr<AddIn>()>;

/// Registers the class behind a program identifier ("QM32.Connector"); a second registration of
/// the same identifier replaces the first. Identifiers compare ignoring letter case.
void registerAddInClass(std::string_view programId, AddInFactory factory);
/// A new object of the class registered for the identifier, or nullptr when none is.
std::unique_ptr<AddIn> createAddIn(std::string_view programId);
/// The identifiers registered so far.
std::vector<std::string> registeredAddInClasses();

} // namespace qm::host
