// The standard classes' property tables and the names of enumerated values, shared by the
// control and clipboard code.
#pragma once

#include "ide/Control.h"

#include <optional>
#include <string>
#include <string_view>

namespace qm::ide::tables {

/// The name the file writer puts after an enumerated value ("3D" for Appearance 1); nothing
/// when the value has no name. known is set when the model has a name list for the property.
std::optional<std::string> enumName(std::string_view className,
                                    std::string_view property,
                                    std::int32_t value,
                                    bool *known = nullptr);

/// The property set of the Font block: members, types and defaults (4.00 files write the
/// member names in lower case).
const std::vector<ControlProperty> &fontProperties();

/// The default Font block for a control that has none, as a file of the version writes it.
std::string defaultFontBlock(std::string_view version,
                             std::string_view indent,
                             std::string_view eol,
                             bool bold);

} // namespace qm::ide::tables
