#include "ide/Property.h"

#include "platform/Runtime.h"
#include "platform/Text.h"
#include "platform/VbError.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace qm::ide {

using platform::VbError;

namespace {

// A whole number in decimal, optionally signed; nothing for anything else or out of 32 bits.
std::optional<std::int32_t> parseInteger(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    auto [end, ec] =
        std::from_chars(text.data() + (text[0] == '+' ? 1 : 0), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<double> parseDecimal(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    // Only plain decimals: digits with one point and an optional sign (the writer's form).
    size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    bool digits = false, point = false;
    for (size_t k = i; k < text.size(); ++k) {
        if (platform::isAsciiDigit(text[k]))
            digits = true;
        else if (text[k] == '.' && !point)
            point = true;
        else if ((text[k] == 'E' || text[k] == 'e') && digits)
            point = true; // exponent form: let from_chars decide
        else if ((text[k] == '-' || text[k] == '+') && k > 0 &&
                 (text[k - 1] == 'E' || text[k - 1] == 'e'))
            continue;
        else
            return std::nullopt;
    }
    if (!digits)
        return std::nullopt;
    double value = 0;
    auto [end, ec] =
        std::from_chars(text.data() + (text[0] == '+' ? 1 : 0), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// &H8000000F& or &HFF: a colour or hexadecimal number, as its 32-bit value.
std::optional<std::int32_t> parseHex(std::string_view text)
{
    if (text.size() < 3 || text[0] != '&' || (text[1] != 'H' && text[1] != 'h'))
        return std::nullopt;
    text.remove_prefix(2);
    if (!text.empty() && text.back() == '&')
        text.remove_suffix(1);
    if (text.empty() || text.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// Splits "3  'Windows Default" into "3" and "Windows Default"; the comment is empty without one.
// A quote inside a quoted text does not start a comment.
void splitComment(std::string_view raw, std::string_view &value, std::string_view &comment)
{
    bool inQuotes = false;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '"')
            inQuotes = !inQuotes;
        else if (raw[i] == '\'' && !inQuotes) {
            value = platform::trimSpace(raw.substr(0, i));
            comment = platform::trimSpace(raw.substr(i + 1));
            return;
        }
    }
    value = platform::trimSpace(raw);
    comment = {};
}

std::string formatDouble(double value)
{
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return std::to_string(static_cast<long long>(value));
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc())
        return "0";
    return std::string(buffer, end);
}

} // namespace

std::optional<std::string> unquoteText(std::string_view raw)
{
    std::string_view value, comment;
    splitComment(raw, value, comment);
    if (value.size() < 2 || value.front() != '"' || value.back() != '"')
        return std::nullopt;
    std::string out;
    for (size_t i = 1; i + 1 < value.size(); ++i) {
        if (value[i] == '"') {
            if (i + 2 < value.size() && value[i + 1] == '"')
                ++i;
            else
                return std::nullopt; // a lone quote: two texts, or a reference
        }
        out += value[i];
    }
    return out;
}

std::optional<FrxReference> parseFrxReference(std::string_view raw)
{
    std::string_view value = platform::trimSpace(raw);
    FrxReference ref;
    if (!value.empty() && value[0] == '$') {
        ref.dollar = true;
        value.remove_prefix(1);
    }
    if (value.size() < 4 || value[0] != '"')
        return std::nullopt;
    size_t close = value.find('"', 1);
    if (close == std::string_view::npos || close + 1 >= value.size() || value[close + 1] != ':')
        return std::nullopt;
    ref.file = std::string(value.substr(1, close - 1));
    std::string_view offset = value.substr(close + 2);
    if (offset.empty() || offset.size() > 8)
        return std::nullopt;
    auto [end, ec] = std::from_chars(offset.data(), offset.data() + offset.size(), ref.offset, 16);
    if (ec != std::errc() || end != offset.data() + offset.size())
        return std::nullopt;
    return ref;
}

std::string formatFrxReference(const FrxReference &reference)
{
    char offset[16];
    std::snprintf(offset, sizeof offset, "%04X", static_cast<unsigned>(reference.offset));
    return std::string(reference.dollar ? "$" : "") + "\"" + reference.file + "\":" + offset;
}

Value parseValue(std::string_view raw)
{
    if (parseFrxReference(raw))
        return std::string(platform::trimSpace(raw));
    if (auto text = unquoteText(raw))
        return *text;
    std::string_view value, comment;
    splitComment(raw, value, comment);
    if (comment == "True" || comment == "False") {
        if (auto number = parseInteger(value))
            return *number != 0;
    }
    if (auto number = parseInteger(value))
        return *number;
    if (auto hex = parseHex(value))
        return *hex;
    if (auto number = parseDecimal(value))
        return *number;
    return std::string(platform::trimSpace(raw));
}

PropertyType guessType(std::string_view raw)
{
    if (parseFrxReference(raw))
        return PropertyType::Binary;
    if (unquoteText(raw))
        return PropertyType::Text;
    std::string_view value, comment;
    splitComment(raw, value, comment);
    bool integer = parseInteger(value).has_value();
    if (integer && (comment == "True" || comment == "False"))
        return PropertyType::Boolean;
    if (integer && !comment.empty())
        return PropertyType::Enum;
    if (integer)
        return PropertyType::Integer;
    if (parseHex(value))
        return PropertyType::Color;
    if (parseDecimal(value))
        return PropertyType::Single;
    return PropertyType::Other;
}

std::string formatValue(PropertyType type, const Value &value, std::string_view enumName)
{
    switch (type) {
    case PropertyType::Text:
        return quoteText(valueToText(value));
    case PropertyType::Integer:
        return std::to_string(valueToLong(value));
    case PropertyType::Single:
        return formatDouble(valueToDouble(value));
    case PropertyType::Boolean:
        return valueToBool(value) ? "-1  'True" : "0   'False";
    case PropertyType::Enum: {
        std::string out = std::to_string(valueToLong(value));
        if (enumName.empty())
            return out;
        out.append(out.size() < 3 ? 3 - out.size() : 1, ' ');
        out += '\'';
        out += enumName;
        return out;
    }
    case PropertyType::Color: {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "&H%08X&", static_cast<unsigned>(valueToLong(value)));
        return buffer;
    }
    case PropertyType::Binary:
    case PropertyType::Other:
        break;
    }
    return valueToText(value);
}

bool valueToBool(const Value &value)
{
    if (std::holds_alternative<std::monostate>(value))
        return false;
    if (auto b = std::get_if<bool>(&value))
        return *b;
    if (auto i = std::get_if<std::int32_t>(&value))
        return *i != 0;
    if (auto d = std::get_if<double>(&value))
        return *d != 0;
    std::string_view text = platform::trimSpace(std::get<std::string>(value));
    if (platform::equalsIgnoreCase(text, "True"))
        return true;
    if (platform::equalsIgnoreCase(text, "False"))
        return false;
    if (auto d = parseDecimal(text))
        return *d != 0;
    throw VbError(platform::err::TypeMismatch);
}

double valueToDouble(const Value &value)
{
    if (std::holds_alternative<std::monostate>(value))
        return 0;
    if (auto b = std::get_if<bool>(&value))
        return *b ? -1 : 0;
    if (auto i = std::get_if<std::int32_t>(&value))
        return *i;
    if (auto d = std::get_if<double>(&value))
        return *d;
    std::string_view text = platform::trimSpace(std::get<std::string>(value));
    if (auto hex = parseHex(text))
        return *hex;
    if (auto d = parseDecimal(text))
        return *d;
    throw VbError(platform::err::TypeMismatch);
}

std::int32_t valueToLong(const Value &value)
{
    if (auto i = std::get_if<std::int32_t>(&value))
        return *i;
    double d = platform::roundHalfEven(valueToDouble(value)); // as CLng rounds
    if (!(d >= std::numeric_limits<std::int32_t>::min() &&
          d <= std::numeric_limits<std::int32_t>::max()))
        throw VbError(platform::err::Overflow);
    return static_cast<std::int32_t>(d);
}

std::string valueToText(const Value &value)
{
    if (std::holds_alternative<std::monostate>(value))
        return {};
    if (auto b = std::get_if<bool>(&value))
        return *b ? "True" : "False";
    if (auto i = std::get_if<std::int32_t>(&value))
        return std::to_string(*i);
    if (auto d = std::get_if<double>(&value))
        return formatDouble(*d);
    return std::get<std::string>(value);
}

} // namespace qm::ide
