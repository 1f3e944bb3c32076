// How the host writes the lines of a form description.
#pragma once

#include <string>
#include <string_view>

namespace qm::platform {

/// The start of a property line: the indent, the property's name padded to 16 columns (a longer
/// name gets one blank after it), and "=   ", as the host writes it: "      Caption         =   ".
inline std::string propertyLineLead(std::string_view indent, std::string_view name)
{
    std::string lead(indent);
    lead += name;
    lead.append(name.size() < 16 ? 16 - name.size() : 1, ' ');
    lead += "=   ";
    return lead;
}

} // namespace qm::platform
