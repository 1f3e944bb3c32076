// Dates from the clock or from QM_TODAY, and the pictures of the runtime's Format.
#include "platform/Dates.h"

#include <clocale>
#include <cstdlib>
#include <ctime>
#include <langinfo.h>
#include <locale.h>

namespace qm::platform {
namespace {

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

std::string twoDigits(int value)
{
    std::string text = std::to_string(value % 100);
    return text.size() < 2 ? "0" + text : text;
}

} // namespace

std::optional<Date> parseIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    auto number = [&](size_t from, size_t count) -> int {
        int value = 0;
        for (size_t i = from; i < from + count; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return -1;
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    Date date{number(0, 4), number(5, 2), number(8, 2)};
    if (date.year < 100 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > daysInMonth(date.year, date.month))
        return std::nullopt;
    return date;
}

Date today()
{
    if (const char *forced = std::getenv("QM_TODAY")) {
        if (auto date = parseIsoDate(forced))
            return *date;
    }
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

char dateSeparator()
{
    if (const char *forced = std::getenv("QM_DATE_SEPARATOR"); forced && *forced)
        return forced[0];
    // The locale's short date format, e.g. "%m/%d/%y" or "%d.%m.%Y": its first character that
    // is neither a conversion nor a letter or digit is the separator.
    locale_t locale = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
    if (!locale)
        return '/';
    std::string format = nl_langinfo_l(D_FMT, locale);
    freelocale(locale);
    for (size_t i = 0; i < format.size(); ++i) {
        char c = format[i];
        if (c == '%') {
            ++i;
            continue;
        }
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return c;
    }
    return '/';
}

std::string formatDate(const Date &date, std::string_view picture, char separator)
{
    std::string out;
    for (size_t i = 0; i < picture.size();) {
        char c = picture[i];
        size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c)
            ++run;
        switch (c) {
        case 'm':
        case 'M':
            out += run >= 2 ? twoDigits(date.month) : std::to_string(date.month);
            break;
        case 'd':
        case 'D':
            out += run >= 2 ? twoDigits(date.day) : std::to_string(date.day);
            break;
        case 'y':
        case 'Y':
            out += run >= 4 ? std::to_string(date.year) : twoDigits(date.year);
            break;
        case '/':
            out.append(run, separator);
            break;
        default:
            out.append(run, c);
            break;
        }
        i += run;
    }
    return out;
}

} // namespace qm::platform
