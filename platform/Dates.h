// Today's date and the date pictures the product writes, with the system's date separator.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm::platform {

struct Date
{
    int year = 1901;
    int month = 1;
    int day = 1;

    friend bool operator==(const Date &, const Date &) = default;
    friend auto operator<=>(const Date &, const Date &) = default;
};

/// A date written as YYYY-MM-DD, or nothing when the text is not a valid date.
std::optional<Date> parseIsoDate(std::string_view text);

/// Today: $QM_TODAY (YYYY-MM-DD) when set and valid, else the system clock's local date.
Date today();

/// The separator of the system's short date format: $QM_DATE_SEPARATOR when set, else the one
/// the locale's date format uses, "/" when it has none.
char dateSeparator();

/// Formats a date with a picture of `m`, `mm`, `d`, `dd`, `yy`, `yyyy` and `/`, where `/`
/// stands for the date separator: "m/d/yy", "m/d/yyyy", "mm/dd/yyyy". Other characters are
/// copied.
std::string formatDate(const Date &date, std::string_view picture, char separator);

} // namespace qm::platform
