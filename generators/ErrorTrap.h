// Local error traps: wrapping a procedure in a trap that calls the module error handler, taking
// such a trap out again, and the module error handler itself.
#pragma once

#include <string>
#include <string_view>

namespace qm::generators {

/// What a procedure's first line declares: Kind "Sub" or "Function" and its name.
struct ProcedureHeader
{
    std::string kind;
    std::string name;
};

/// Kind is "Sub" when the line holds "Sub " (exact case), else "Function"; the name is the word
/// after the first word "Sub" or "Function" (words may hold "_"). Empty when there is none.
ProcedureHeader readProcedureHeader(std::string_view firstLine);

/// The procedure with a local trap: "On Error GoTo ErrH_Name" in front of its first statement,
/// and the exit, the label and the ErrHandler call in front of its End line. Lines after that
/// End line are copied unchanged; a procedure without statements is returned as it is. Every
/// line ends with CR LF. Throws UserMessageError ("Proc Not Selected") for a blank text.
std::string GenLocalErrorTrap(std::string_view code);

/// Takes a trap made by GenLocalErrorTrap out again: drops the "On Error GoTo ErrH_" lines and
/// replaces everything from the handler's label to the procedure's End line by "End " + Kind.
/// The exit line and the blank lines the trap added stay. Lines after the End line are copied
/// unchanged. Throws UserMessageError ("Proc Not Selected") for a blank text.
std::string RemoveLocalErrorHandler(std::string_view code);

/// The module error handler procedure ErrHandler, ten lines ended by CR LF.
std::string moduleErrorHandler();

} // namespace qm::generators
