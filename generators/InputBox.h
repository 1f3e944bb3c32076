// The input box generator: the code that asks a question with an input box and keeps the
// answer in a string variable.
#pragma once

#include <string>

namespace qm::generators {

/// The designer's three texts, as typed.
struct InputBoxDesign
{
    std::string prompt = "Your message should be entered here.\r\n";
    std::string caption = "Window Caption";
    std::string defaultText = "Default Input Text";
};

/// The declaration, an empty line and the call, each line ended by CR LF. Each text loses its
/// leading and trailing blanks (line breaks inside it stay) and goes in as a Basic literal.
std::string inputBoxCode(const InputBoxDesign &design);

} // namespace qm::generators
