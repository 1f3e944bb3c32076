// The help topic reader.
#include "generators/HelpTopics.h"

#include "common/TextHelpers.h"
#include "platform/Text.h"

namespace qm::generators {
namespace {

std::string blanksForUnderscores(std::string name)
{
    for (char &c : name)
        if (c == '_')
            c = ' ';
    return name;
}

bool startsUpper(std::string_view line, std::string_view prefix)
{
    return line.size() >= prefix.size() && platform::startsWithIgnoreCase(line, prefix);
}

} // namespace

char contextFileKind(std::string_view path)
{
    if (platform::containsIgnoreCase(path, ".hh"))
        return 'C';
    if (platform::containsIgnoreCase(path, ".bas"))
        return 'B';
    if (platform::containsIgnoreCase(path, ".rtf"))
        return 'R';
    return 0;
}

std::vector<std::string> contextTopics(std::string_view text, char kind)
{
    std::vector<std::string> items;
    const std::vector<std::string_view> lines = common::splitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (kind == 'C' || kind == 'B') {
            if (kind == 'C') {
                common::NextWord(line, "#"); // the directive
            } else {
                common::NextWord(line); // the declaration words
                common::NextWord(line);
            }
            std::string name = blanksForUnderscores(common::NextWord(line, "_"));
            items.push_back(name + ", " + common::NextWord(line));
        } else if (kind == 'R') {
            if (!startsUpper(line, "${\\FOOTNOTE"))
                continue;
            std::string_view topic = line.size() > 12 ? line.substr(12) : std::string_view{};
            topic = topic.substr(0, topic.find('}'));
            // The line after a title footnote is taken with it and not looked at again.
            if (++i >= lines.size())
                break;
            const std::string_view next = lines[i];
            if (startsUpper(next, "+{\\FOOTNOTE INDEX:")) {
                const std::string_view number = next.substr(18, 5);
                items.push_back(std::string(topic) + ", " + std::string(number));
            }
        }
    }
    return items;
}

ContextNumber contextNumberOf(std::string_view item)
{
    ContextNumber result;
    const size_t comma = item.find(',');
    if (comma == std::string_view::npos)
        return result;
    const size_t start = comma + 2;
    result.text = start < item.size() ? std::string(item.substr(start, 5)) : std::string();
    result.status = ContextNumber::NotANumber;

    std::string_view digits = platform::trimBlanks(result.text);
    bool negative = false;
    if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) {
        negative = digits[0] == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty())
        return result;
    long value = 0;
    for (char c : digits) {
        if (!platform::isAsciiDigit(c))
            return result;
        value = value * 10 + (c - '0');
    }
    if (negative)
        value = -value;
    if (value < -32768 || value > 32767)
        return result;
    result.status = ContextNumber::Ok;
    result.value = static_cast<std::int16_t>(value);
    return result;
}

} // namespace qm::generators
