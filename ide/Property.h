// Property values of form files: the text a file holds after "=" ("\"Caption\"", "-1  'True",
// "&H8000000F&", "\"Form1.frx\":0000") and the typed values read from and written to it.
#pragma once

#include "platform/Text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace qm::ide {

/// A typed property value: empty, a boolean, a whole number, a number with decimals, or text.
using Value = std::variant<std::monostate, bool, std::int32_t, double, std::string>;

/// What a property holds, which decides how its value is read and written.
enum class PropertyType {
    Text,    ///< a quoted text: "Caption"
    Integer, ///< a whole number: 1215
    Single,  ///< a number with decimals: 8.25
    Boolean, ///< -1  'True / 0   'False
    Enum,    ///< a number with its name as a comment: 3  'Windows Default
    Color,   ///< &H8000000F&
    Binary,  ///< kept in the .frx file: "Form1.frx":0000
    Other,   ///< written as it stands
};

/// The raw text of a value as the file writer writes it ("-1  'True", "\"a\"\"b\"").
std::string formatValue(PropertyType type, const Value &value, std::string_view enumName = {});

/// The typed value of a raw text. Quoted text unquotes ("" becomes "), booleans become bool,
/// numbers become int32 or double, colours become their number; anything else is the text as
/// written (an .frx reference among it).
Value parseValue(std::string_view raw);

/// The guessed type of a raw text, for properties the model has no table for.
PropertyType guessType(std::string_view raw);

/// Quoted form of a text: surrounding quotes, inner quotes doubled.
using platform::quoteText;
/// The text inside a quoted value; nothing for a value that is not one quoted text.
std::optional<std::string> unquoteText(std::string_view raw);

/// An .frx reference: "Form1.frx":0000 or $"Form1.frx":0000. Nothing for other values.
struct FrxReference
{
    std::string file;
    std::uint32_t offset = 0;
    bool dollar = false; ///< the $"..." form used for texts stored in the .frx
};
std::optional<FrxReference> parseFrxReference(std::string_view raw);
std::string formatFrxReference(const FrxReference &reference);

/// Conversions of a typed value (the runtime's CBool/CLng/CStr). Throw VbError 13 on text that
/// is not a number or boolean.
bool valueToBool(const Value &value);
std::int32_t valueToLong(const Value &value);
double valueToDouble(const Value &value);
std::string valueToText(const Value &value);

} // namespace qm::ide
