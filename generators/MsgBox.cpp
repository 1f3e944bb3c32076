// The message box generator.
#include "generators/MsgBox.h"

#include "platform/Runtime.h"
#include "platform/Text.h"

namespace qm::generators {
namespace {

constexpr std::string_view kCrLf = "\r\n";

// The If block that sorts out the answer, per button style; empty for OK only.
std::string_view answerBlock(int buttons)
{
    switch (buttons) {
    case 1:
        return "If iRV = 1 Then\r\n"
               "   ' Ok Code goes here\r\n"
               "Else\r\n"
               "   ' Cancel code goes here\r\n"
               "End If\r\n";
    case 2:
        return "If iRV = 3 Then\r\n"
               "   ' Abort Code goes here\r\n"
               "ElseIf iRV = 4 Then\r\n"
               "   ' Retry code goes here\r\n"
               "Else\r\n"
               "   ' Cancel code goes here\r\n"
               "End If\r\n";
    case 3:
        return "If iRV = 6 Then\r\n"
               "   ' Yes Code goes here\r\n"
               "ElseIf iRV = 7 Then\r\n"
               "   ' No code goes here\r\n"
               "Else\r\n"
               "   ' Cancel code goes here\r\n"
               "End If\r\n";
    case 4:
        return "If iRV = 6 Then\r\n"
               "   ' Yes Code goes here\r\n"
               "Else\r\n"
               "   ' No code goes here\r\n"
               "End If\r\n";
    case 5:
        return "If iRV = 4 Then\r\n"
               "   ' Retry Code goes here\r\n"
               "Else\r\n"
               "   ' Cancel code goes here\r\n"
               "End If\r\n";
    default:
        return {};
    }
}

} // namespace

std::vector<std::string> messageLines(std::string_view message)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < message.size(); ++i) {
        char c = message[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.emplace_back(message.substr(start, i - start));
        if (c == '\r' && i + 1 < message.size() && message[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < message.size())
        lines.emplace_back(message.substr(start));
    return lines;
}

std::string basicLiteral(std::string_view text)
{
    return platform::quoteText(text);
}

int msgBoxFlags(const MsgBoxDesign &design)
{
    int iconPart = design.modal == 0 ? design.icon : 0;
    return design.buttons + design.defaultButton + design.modal + iconPart;
}

std::string SetUpPaintProc(const MsgBoxDesign &design)
{
    const bool function = design.kind == 'F';
    std::string code = "Dim sMsg as string\r\n";
    if (function)
        code += "Dim iRV as integer\r\n";

    const auto lines = messageLines(design.message);
    for (size_t i = 0; i < lines.size(); ++i) {
        code += i == 0 ? "sMsg = " : "sMsg = sMsg & ";
        code += basicLiteral(lines[i]);
        if (i + 1 < lines.size())
            code += " & Chr(10)";
        code += kCrLf;
    }

    const std::string flags = platform::formatNumber(msgBoxFlags(design), "####");
    const std::string title = basicLiteral(platform::trimBlanks(design.title));
    if (!function) {
        code += "MsgBox sMsg, " + flags + ", " + title + "\r\n\r\n";
        return code;
    }
    code += "iRV = MsgBox(sMsg, " + flags + ", " + title + ")\r\n\r\n";
    code += answerBlock(design.buttons);
    return code;
}

std::string msgBoxTestText(std::string_view message)
{
    std::string text;
    const auto lines = messageLines(message);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += kCrLf;
        text += lines[i];
    }
    return text;
}

} // namespace qm::generators
