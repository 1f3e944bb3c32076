// The process-wide table of add-in classes by program identifier.
#include "host/AddIn.h"

#include "platform/Text.h"

#include <utility>

namespace qm::host {
namespace {

struct Registration
{
    std::string programId;
    AddInFactory factory;
};

std::vector<Registration> &classes()
{
    static std::vector<Registration> table;
    return table;
}

} // namespace

void registerAddInClass(std::string_view programId, AddInFactory factory)
{
    for (auto &entry : classes()) {
        if (platform::equalsIgnoreCase(entry.programId, programId)) {
            entry.factory = std::move(factory);
            return;
        }
    }
    classes().push_back({std::string(programId), std::move(factory)});
}

std::unique_ptr<AddIn> createAddIn(std::string_view programId)
{
    for (const auto &entry : classes()) {
        if (platform::equalsIgnoreCase(entry.programId, programId))
            return entry.factory ? entry.factory() : nullptr;
    }
    return nullptr;
}

std::vector<std::string> registeredAddInClasses()
{
    std::vector<std::string> ids;
    for (const auto &entry : classes())
        ids.push_back(entry.programId);
    return ids;
}

} // namespace qm::host
