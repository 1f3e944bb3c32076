// What the program does when started on its own: install the settings file and register the
// add-in with the host.
#pragma once

#include <string_view>

namespace qm::shell {

/// The add-in's program identifier, as the host's VB.INI lists it.
inline constexpr std::string_view kProgramId = "QM32.Connector";

/// RegisterAddIn: creates the settings file from its template when it is missing (and stops
/// when that fails), then writes "1" under QM32.Connector in section Add-Ins32 of VB.INI in
/// the Windows directory, unless the key is there already with any value.
void RegisterAddIn();

} // namespace qm::shell
