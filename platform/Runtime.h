// Conversions of the classic runtime that the product's texts depend on: Val, CInt, Str and
// the numeric pictures of Format.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm::platform {

/// Val: the number at the start of a text. Blanks, tabs and line feeds are skipped anywhere in
/// the number; "&H" and "&O" (or a bare "&") prefixes read hexadecimal and octal, where four
/// hex digits or fewer give a 16-bit signed value ("&HFFFF" is -1) and more a 32-bit one.
/// A text that does not start with a number gives 0.
double val(std::string_view text);

/// The whole number nearest to `value`, a half going to the even one (how CInt and CLng round);
/// NaN and the infinities stay as they are. Plain arithmetic rather than the maths library,
/// which qm would otherwise load at every start for this one function.
double roundHalfEven(double value);

/// CInt: rounds half to even into a 16-bit integer; throws VbError 6 (Overflow) outside it.
std::int16_t toInt16(double value);
/// CLng: the same into a 32-bit integer.
std::int32_t toInt32(double value);

/// Str: a number as text with a leading blank when it is not negative (" 5", "-5", " 1.5").
std::string str(double value);

/// Format with a numeric picture of '0' and '#' digit places: "0000" pads with zeros to four
/// digits, "####" gives the digits alone and 0 as the empty text. A negative value keeps its sign.
std::string formatNumber(std::int64_t value, std::string_view picture);

} // namespace qm::platform
