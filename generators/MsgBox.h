// The message box generator: the code text that shows a message box as the designer composed
// it, and the texts of its live test.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm::generators {

/// What the designer holds while it is open. Numbers are message-box style values.
struct MsgBoxDesign
{
    char kind = 'S';       ///< 'S' statement, 'F' function (the answer goes to iRV)
    int buttons = 0;       ///< 0 OK only ... 5 Retry/Cancel
    int defaultButton = 0; ///< 0, 256 or 512
    int icon = 16;         ///< 0, 16, 32, 48 or 64
    int modal = 0;         ///< 0 or 4096
    std::string title = "MsgBox Caption";
    std::string message;   ///< as typed, CR LF between lines
};

/// The message's lines: split at each line break (CR LF, and a lone LF or CR as well); a final
/// line break starts no further line, and an empty message has no lines.
std::vector<std::string> messageLines(std::string_view message);

/// A text as a string literal of the host's Basic: between double quotes, each quotation mark
/// inside doubled.
std::string basicLiteral(std::string_view text);

/// The style value of the box: buttons + default button + modal + the icon, which a
/// system-modal box never carries.
int msgBoxFlags(const MsgBoxDesign &design);

/// SetUpPaintProc: the declarations, the message lines, the call and, for the function kind,
/// the answer block. Every line ends with CR LF.
std::string SetUpPaintProc(const MsgBoxDesign &design);

/// The message the live test shows: the lines joined by CR LF, none after the last.
std::string msgBoxTestText(std::string_view message);

} // namespace qm::generators
