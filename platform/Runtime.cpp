// Val, CInt, Str and Format as the classic runtime computes them.
#include "platform/Runtime.h"

#include "platform/Text.h"
#include "platform/VbError.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace qm::platform {
namespace {

bool isSkipped(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

double radixValue(std::string_view text, size_t pos, int radix)
{
    std::uint64_t value = 0;
    int digits = 0;
    for (; pos < text.size(); ++pos) {
        if (isSkipped(text[pos]))
            continue;
        const int digit = hexDigitValue(text[pos]);
        if (digit < 0 || digit >= radix)
            break;
        value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(digit);
        if (value > 0xFFFFFFFFu)
            return 0; // too large for a Long: the runtime overflows; treat as no number
        ++digits;
    }
    if (value <= 0xFFFF && (radix != 16 || digits <= 4))
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

} // namespace

double val(std::string_view text)
{
    size_t pos = 0;
    while (pos < text.size() && isSkipped(text[pos]))
        ++pos;
    if (pos < text.size() && text[pos] == '&') {
        size_t next = pos + 1;
        if (next < text.size() && (text[next] == 'H' || text[next] == 'h'))
            return radixValue(text, next + 1, 16);
        if (next < text.size() && (text[next] == 'O' || text[next] == 'o'))
            return radixValue(text, next + 1, 8);
        return radixValue(text, next, 8);
    }
    // Collect sign, digits, point and exponent, skipping blanks, then convert in one go.
    std::string number;
    bool seenDigit = false, seenPoint = false, seenExponent = false;
    for (; pos < text.size(); ++pos) {
        char c = text[pos];
        if (isSkipped(c))
            continue;
        if ((c == '-' || c == '+') && (number.empty() || number.back() == 'e')) {
            number += c;
        } else if (c >= '0' && c <= '9') {
            number += c;
            seenDigit = true;
        } else if (c == '.' && !seenPoint && !seenExponent) {
            number += c;
            seenPoint = true;
        } else if ((c == 'e' || c == 'E' || c == 'd' || c == 'D') && seenDigit && !seenExponent) {
            number += 'e';
            seenExponent = true;
        } else {
            break;
        }
    }
    while (!number.empty() &&
           (number.back() == 'e' || number.back() == '-' || number.back() == '+'))
        number.pop_back();
    if (!seenDigit)
        return 0;
    double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0;
}

double roundHalfEven(double value)
{
    // Adding 2^52 to a smaller magnitude leaves no bits for a fraction: the sum is rounded to
    // a whole number, a half to the even one, as the floating-point unit rounds by default.
    constexpr double kNoFraction = 4503599627370496.0; // 2^52
    const double magnitude = std::fabs(value);
    if (!(magnitude < kNoFraction))
        return value; // already whole, or NaN, or infinite
    const double whole = (magnitude + kNoFraction) - kNoFraction;
    return std::copysign(whole, value);
}

std::int16_t toInt16(double value)
{
    double rounded = roundHalfEven(value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max()))
        throw VbError(err::Overflow);
    return static_cast<std::int16_t>(rounded);
}

std::int32_t toInt32(double value)
{
    double rounded = roundHalfEven(value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max()))
        throw VbError(err::Overflow);
    return static_cast<std::int32_t>(rounded);
}

std::string str(double value)
{
    char buffer[40];
    if (value == std::floor(value) && std::fabs(value) < 1e15) {
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
    } else {
        std::snprintf(buffer, sizeof buffer, "%.15G", value);
    }
    std::string text = buffer;
    if (text == "-0")
        text = "0";
    return value >= 0 || text == "0" ? " " + text : text;
}

std::string formatNumber(std::int64_t value, std::string_view picture)
{
    size_t zeros = 0;
    for (char c : picture) {
        if (c == '0')
            ++zeros;
    }
    std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string digits = magnitude == 0 ? std::string() : std::to_string(magnitude);
    if (digits.size() < zeros)
        digits.insert(0, zeros - digits.size(), '0');
    return value < 0 && !digits.empty() ? "-" + digits : digits;
}

} // namespace qm::platform
