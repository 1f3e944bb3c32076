// The new procedure generator: the skeleton of a procedure made from a template text, with the
// author, the date, the name, the kind and the scope filled in step by step.
#pragma once

#include <string>
#include <string_view>

namespace qm::generators {

/// The template's words that the load fills.
struct NewProcLoad
{
    std::string authorKeyword; ///< the settings' DocumentationKeyWords Author text
    std::string dateKeyword;   ///< ... DateCreated text
    std::string programmer;    ///< trimmed, at most 30 characters are used
    std::string date;          ///< today, "m/d/yyyy"
};

/// The working text as the window loads it: every template line ended by CR LF, the programmer
/// name after every author keyword, the date after every date keyword, "Procedure" made "Sub".
std::string loadNewProcedure(std::string_view templateText, const NewProcLoad &load);

/// The name box losing the focus: every "ProcName" becomes the trimmed name; a blank name
/// changes nothing.
std::string applyProcedureName(std::string_view text, std::string_view name);

/// Function: every "Sub" becomes "Function". Sub: every "Function" becomes "Sub".
std::string applyFunctionKind(std::string_view text);
std::string applySubKind(std::string_view text);

/// Private: "Private " goes in front of the first "Sub " (letter case ignored), or when there is
/// none the first "Function ", and every "Public " is removed. Public is the mirror. A text with
/// neither keyword is left as it is: there is no place for the scope word.
std::string applyPrivateScope(std::string_view text);
std::string applyPublicScope(std::string_view text);

} // namespace qm::generators
