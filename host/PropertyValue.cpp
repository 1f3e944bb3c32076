// Conversions of property values, as the classic runtime converts variants.
#include "host/PropertyValue.h"

#include "platform/Runtime.h"
#include "platform/Text.h"
#include "platform/VbError.h"

namespace qm::host {
namespace {

using platform::VbError;

// A text that is a number as a whole (blanks around it allowed), or no value.
bool parseNumber(std::string_view text, double &out)
{
    std::string_view t = platform::trimBlanks(text);
    if (t.empty())
        return false;
    std::size_t i = 0;
    if (t[i] == '-' || t[i] == '+')
        ++i;
    bool digits = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        if (platform::isAsciiDigit(t[i]))
            digits = true;
        else if (t[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    if (!digits)
        return false;
    out = platform::val(t);
    return true;
}

} // namespace

void PropertyValue::narrow()
{
    double d = std::get<double>(m_value);
    if (d >= INT32_MIN && d <= INT32_MAX)
        m_value = static_cast<std::int32_t>(d);
}

double PropertyValue::toDouble() const
{
    if (isEmpty())
        return 0;
    if (const bool *b = std::get_if<bool>(&m_value))
        return *b ? -1 : 0;
    if (const std::int32_t *i = std::get_if<std::int32_t>(&m_value))
        return *i;
    if (const double *d = std::get_if<double>(&m_value))
        return *d;
    const std::string &text = std::get<std::string>(m_value);
    double number = 0;
    if (parseNumber(text, number))
        return number;
    if (platform::equalsIgnoreCase(platform::trimBlanks(text), "True"))
        return -1;
    if (platform::equalsIgnoreCase(platform::trimBlanks(text), "False"))
        return 0;
    throw VbError(platform::err::TypeMismatch);
}

bool PropertyValue::toBool() const
{
    if (const bool *b = std::get_if<bool>(&m_value))
        return *b;
    return toDouble() != 0;
}

std::int32_t PropertyValue::toLong() const
{
    return platform::toInt32(toDouble());
}

std::int16_t PropertyValue::toInt() const
{
    return platform::toInt16(toDouble());
}

std::string PropertyValue::toText() const
{
    if (isEmpty())
        return {};
    if (const bool *b = std::get_if<bool>(&m_value))
        return *b ? "True" : "False";
    if (const std::int32_t *i = std::get_if<std::int32_t>(&m_value))
        return std::to_string(*i);
    if (const double *d = std::get_if<double>(&m_value)) {
        std::string s = platform::str(*d);
        return s.empty() || s[0] != ' ' ? s : s.substr(1);
    }
    return std::get<std::string>(m_value);
}

} // namespace qm::host
