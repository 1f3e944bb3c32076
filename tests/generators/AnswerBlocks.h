// The blocks a message box function's code ends with, one per button style, byte for byte as
// the generator writes them: shared by the generator's tests, its qm command's and the designer's.
#pragma once

#include <string>

namespace qm::test {

/// The answer block of button style `buttons` (0 OK only, which has none, ... 5 Retry/Cancel).
inline std::string answerBlock(int buttons)
{
    static const char *const blocks[] = {
        "",
        "If iRV = 1 Then\r\n"
        "   ' Ok Code goes here\r\n"
        "Else\r\n"
        "   ' Cancel code goes here\r\n"
        "End If\r\n",
        "If iRV = 3 Then\r\n"
        "   ' Abort Code goes here\r\n"
        "ElseIf iRV = 4 Then\r\n"
        "   ' Retry code goes here\r\n"
        "Else\r\n"
        "   ' Cancel code goes here\r\n"
        "End If\r\n",
        "If iRV = 6 Then\r\n"
        "   ' Yes Code goes here\r\n"
        "ElseIf iRV = 7 Then\r\n"
        "   ' No code goes here\r\n"
        "Else\r\n"
        "   ' Cancel code goes here\r\n"
        "End If\r\n",
        "If iRV = 6 Then\r\n"
        "   ' Yes Code goes here\r\n"
        "Else\r\n"
        "   ' No code goes here\r\n"
        "End If\r\n",
        "If iRV = 4 Then\r\n"
        "   ' Retry Code goes here\r\n"
        "Else\r\n"
        "   ' Cancel code goes here\r\n"
        "End If\r\n",
    };
    return blocks[buttons];
}

} // namespace qm::test
