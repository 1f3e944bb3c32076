// A control property's value as the host hands it over: empty, a boolean, a number or text,
// with the conversions the add-in applies when it reads one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace qm::host {

class PropertyValue
{
public:
    /// What the value holds; the host's own values convert to and from it.
    using Variant = std::variant<std::monostate, bool, std::int32_t, double, std::string>;

    PropertyValue() = default;
    PropertyValue(Variant value)
        : m_value(std::move(value))
    {}
    PropertyValue(bool value)
        : m_value(value)
    {}
    PropertyValue(int value)
        : m_value(static_cast<std::int32_t>(value))
    {}
    PropertyValue(long value)
        : m_value(static_cast<double>(value))
    {
        narrow();
    }
    PropertyValue(long long value)
        : m_value(static_cast<double>(value))
    {
        narrow();
    }
    PropertyValue(double value)
        : m_value(value)
    {}
    PropertyValue(std::string value)
        : m_value(std::move(value))
    {}
    PropertyValue(std::string_view value)
        : m_value(std::string(value))
    {}
    PropertyValue(const char *value)
        : m_value(std::string(value))
    {}

    bool isEmpty() const { return std::holds_alternative<std::monostate>(m_value); }
    bool isBool() const { return std::holds_alternative<bool>(m_value); }
    bool isNumber() const
    {
        return std::holds_alternative<std::int32_t>(m_value) ||
               std::holds_alternative<double>(m_value);
    }
    bool isText() const { return std::holds_alternative<std::string>(m_value); }

    /// CBool: numbers are true when not 0; texts "True"/"False" (letter case ignored) or a
    /// number. Throws VbError 13 for other text.
    bool toBool() const;
    /// CLng: True is -1, empty is 0; text must be a number. Throws VbError 13 or 6.
    std::int32_t toLong() const;
    /// CInt: as toLong, into 16 bits.
    std::int16_t toInt() const;
    double toDouble() const;
    /// CStr: "True"/"False", numbers without a leading blank, the empty value as "".
    std::string toText() const;

    const Variant &variant() const { return m_value; }

    friend bool operator==(const PropertyValue &, const PropertyValue &) = default;

private:
    void narrow();

    Variant m_value;
};

} // namespace qm::host
