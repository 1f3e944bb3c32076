// The common dialog generator: the statements that drive a common dialog control named
// CommonDialog1 through its Action property, and the flag tables the designer offers.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qm::generators {

/// The dialog kinds; each value is the Action number of the generated code. 0: none chosen.
namespace dialog {
inline constexpr int None = 0;
inline constexpr int OpenFile = 1;
inline constexpr int SaveAs = 2;
inline constexpr int Color = 3;
inline constexpr int Font = 4;
inline constexpr int Printer = 5;
inline constexpr int Help = 6;
} // namespace dialog

/// The flag lines of a kind ("OFN_READONLY = &H1&"), in list order; none for kind 0.
std::span<const std::string_view> dialogFlagLines(int kind);
/// The caption a kind puts into txtTitle when it is chosen.
std::string_view dialogInitialTitle(int kind);
/// The caption of the label above txtTitle for a kind (a Qt-style "&&" for one ampersand).
std::string_view dialogCaptionLabel(int kind);
/// The ten entries of the filter box.
std::span<const std::string_view> dialogFilters();

/// The value text of a flag line: everything from its first "&" on.
std::string_view flagValueText(std::string_view line);
/// The name of a flag line: the part before " = ".
std::string_view flagName(std::string_view line);

/// The number a text starts with, as the host's Val reads it: blanks skipped, then a
/// hexadecimal (&H) or octal (&O) literal or a decimal number; the rest is ignored. A
/// hexadecimal or octal literal of up to 16 bits without the long suffix "&" is an Integer
/// (&HFFFF is -1). 0 when the text starts with no number.
std::int64_t numericPrefixValue(std::string_view text);

/// GetFlags: the sum of the values of the selected lines as a 32-bit integer; 0 for none.
/// Throws VbError 6 (overflow) when the sum does not fit.
std::int32_t dialogFlagsValue(const std::vector<std::string> &selectedLines);
/// The value texts of the selected lines, in their order, joined by " Or "; empty for none.
std::string dialogFlagsText(const std::vector<std::string> &selectedLines);

/// What the designer holds.
struct CommonDialogDesign
{
    int kind = dialog::None;
    std::string caption; ///< txtTitle as typed (for the help kind: the help file's path)
    std::string filter;  ///< cbFilter's text as typed
    std::vector<std::string> selectedLines; ///< the selected flag lines, in list order
};

/// The code text for the kind, every line ended by CR LF; empty for kind 0. Caption and
/// filter go in untrimmed, as Basic literals.
std::string commonDialogCode(const CommonDialogDesign &design);

} // namespace qm::generators
