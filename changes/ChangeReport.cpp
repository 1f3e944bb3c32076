// The change report engines: finding the marked blocks of a text line by line, naming the
// procedure each is in, and writing them as the report or as rows.
#include "changes/ChangeReport.h"

#include "changes/MarkerLines.h"
#include "common/TextHelpers.h"
#include "platform/LineReader.h"
#include "platform/Text.h"

#include <array>

namespace qm::changes {
namespace {

constexpr std::string_view kCrLf = "\r\n";

struct MarkerText
{
    BlockKind kind;
    std::string_view begin; ///< the begin marker's text with its leading "'* "
    std::string_view end;
};

constexpr std::array<MarkerText, 3> kMarkers = {{
    {BlockKind::Change, "'* Block Changed by ", "'* End of Block Changed by "},
    {BlockKind::Addition, "'* Block Added by ", "'* End of Block Added by "},
    {BlockKind::Deletion, "'* Block Deleted by ", "'* End of Block Deleted by "},
}};

// A marker counts at the start of the line's text only (code whose comment quotes a marker is
// not one), and its words in the letter case the product writes them.
bool holdsMarker(std::string_view line, std::string_view marker)
{
    size_t at = line.find(marker);
    if (at == std::string_view::npos)
        return false;
    return isMarkerLine(line, marker.substr(3));
}

std::optional<BlockKind> beginMarkerKind(std::string_view line)
{
    for (const MarkerText &marker : kMarkers) {
        if (holdsMarker(line, marker.begin))
            return marker.kind;
    }
    return std::nullopt;
}

bool isEndMarker(std::string_view line)
{
    for (const MarkerText &marker : kMarkers) {
        if (holdsMarker(line, marker.end))
            return true;
    }
    return false;
}

bool isModifier(std::string_view word)
{
    return word == "Public" || word == "Private" || word == "Friend" || word == "Static" ||
           word == "Global";
}

// A procedure header: "Sub" or "Function", behind nothing but its modifiers, then the name
// ("_" belongs to it). A statement that only mentions the words ("Exit Sub ' done",
// "Declare Function", a comment or a string) leaves the procedure as it was.
bool readProcedureHeader(std::string_view line, std::string &kind, std::string &name)
{
    if (line.find("Sub ") == std::string_view::npos &&
        line.find("Function ") == std::string_view::npos)
        return false;
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '\'')
        return false;
    std::string_view rest = line;
    for (;;) {
        std::string word = common::NextWord(rest);
        if (word == "Sub" || word == "Function") {
            kind = std::move(word);
            name = common::NextWord(rest, "_");
            return true;
        }
        if (!isModifier(word))
            return false;
    }
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isDateSeparator(char c, char separator)
{
    return c == '/' || c == '-' || c == '.' || c == separator;
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

std::optional<platform::Date> validDate(int year, int month, int day)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1)
        return std::nullopt;
    const int last = month == 2 && isLeapYear(year) ? 29 : days[month - 1];
    if (day > last)
        return std::nullopt;
    return platform::Date{year, month, day};
}

// Reads 1 to `most` digits at `at`; nothing when there is none.
std::optional<int> readNumber(std::string_view text, size_t &at, size_t most)
{
    size_t start = at;
    int value = 0;
    while (at < text.size() && at - start < most && isDigit(text[at]))
        value = value * 10 + (text[at++] - '0');
    if (at == start)
        return std::nullopt;
    return value;
}

// The " on " of a marker line that a readable date follows: the first one, as the product
// finds it, or a later one when a name holding " on " comes first ("Mary on Call").
size_t findDateMark(std::string_view line, char separator)
{
    for (size_t at = line.find(" on "); at != std::string_view::npos;
         at = line.find(" on ", at + 1)) {
        if (parseMarkerDate(line.substr(at + 4, 10), separator))
            return at;
    }
    return std::string_view::npos;
}

std::optional<platform::Date> markerLineDate(std::string_view line, char separator)
{
    size_t at = findDateMark(line, separator);
    if (at == std::string_view::npos)
        return std::nullopt;
    return parseMarkerDate(line.substr(at + 4, 10), separator);
}

bool isReported(std::string_view line, const ChangeFilter &filter, char separator)
{
    const bool byName = filter.programmer.has_value();
    if (byName && line.find(*filter.programmer) == std::string_view::npos)
        return false;
    if (!filter.datesOn())
        return true;
    std::optional<platform::Date> date = markerLineDate(line, separator);
    if (!date)
        return !byName; // a block without a readable date passes the date filter alone
    return *date >= *filter.from && *date <= *filter.to;
}

std::string programmerOf(std::string_view line, BlockKind kind, char separator)
{
    std::string_view phrase = kMarkers[0].begin;
    for (const MarkerText &marker : kMarkers) {
        if (marker.kind == kind)
            phrase = marker.begin;
    }
    size_t start = line.find(phrase);
    if (start == std::string_view::npos)
        return {};
    start += phrase.size();
    size_t end = findDateMark(line, separator);
    std::string_view name = end != std::string_view::npos && end >= start
                                ? line.substr(start, end - start)
                                : line.substr(start);
    return std::string(platform::trimBlanks(name));
}

void appendLine(std::string &out, std::string_view line)
{
    out.append(line).append(kCrLf);
}

void appendCsvField(std::string &out, std::string_view field)
{
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out.append(field);
        return;
    }
    out.push_back('"');
    for (char c : field) {
        if (c == '"')
            out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

bool namesSourceFile(const common::ProjectFileEntry &entry)
{
    using platform::containsIgnoreCase;
    using platform::equalsIgnoreCase;
    if (!entry.key.empty() && !equalsIgnoreCase(entry.key, "Form") &&
        !equalsIgnoreCase(entry.key, "Module") && !equalsIgnoreCase(entry.key, "Class"))
        return false;
    return containsIgnoreCase(entry.filePart, ".frm") ||
           containsIgnoreCase(entry.filePart, ".bas") || containsIgnoreCase(entry.filePart, ".cls");
}

} // namespace

std::optional<platform::Date> parseMarkerDate(std::string_view tenChars, char separator)
{
    if (tenChars.size() != 10 || !isDateSeparator(tenChars[2], separator) ||
        !isDateSeparator(tenChars[5], separator))
        return std::nullopt;
    for (size_t i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (!isDigit(tenChars[i]))
            return std::nullopt;
    }
    auto number = [&](size_t from, size_t count) {
        int value = 0;
        for (size_t i = from; i < from + count; ++i)
            value = value * 10 + (tenChars[i] - '0');
        return value;
    };
    return validDate(number(6, 4), number(0, 2), number(3, 2));
}

std::optional<platform::Date> parseFilterDate(std::string_view text, char separator)
{
    text = platform::trimBlanks(text);
    if (auto iso = platform::parseIsoDate(text))
        return iso;
    size_t at = 0;
    std::optional<int> month = readNumber(text, at, 2);
    if (!month || at >= text.size() || !isDateSeparator(text[at], separator))
        return std::nullopt;
    const char first = text[at++];
    std::optional<int> day = readNumber(text, at, 2);
    if (!day || at >= text.size() || text[at] != first)
        return std::nullopt;
    ++at;
    const size_t yearStart = at;
    std::optional<int> year = readNumber(text, at, 4);
    if (!year || at - yearStart != 4 || at != text.size())
        return std::nullopt;
    return validDate(*year, *month, *day);
}

ChangeFilter
makeChangeFilter(std::string_view programmer, std::string_view startDate, std::string_view endDate)
{
    ChangeFilter filter;
    std::string_view name = platform::trimBlanks(programmer);
    if (!name.empty())
        filter.programmer = std::string(name);
    auto from = parseFilterDate(startDate);
    auto to = parseFilterDate(endDate);
    if (from && to) {
        filter.from = from;
        filter.to = to;
    }
    return filter;
}

FileChanges GetChangesToFile(std::string_view text, const ChangeFilter &filter, char separator)
{
    FileChanges result;
    std::string kind = "General";
    std::string name = "Declarations";
    bool inside = false;
    platform::LineReader reader(text);
    while (std::optional<std::string_view> next = reader.next()) {
        const std::string_view line = *next;
        readProcedureHeader(line, kind, name);
        if (std::optional<BlockKind> begin = beginMarkerKind(line)) {
            // A block the filters leave out is not written; a block already open goes on.
            if (!isReported(line, filter, separator))
                continue;
            inside = true;
            result.blocks.push_back({kind, name, *begin, programmerOf(line, *begin, separator),
                                     markerLineDate(line, separator), 0});
            result.report.append("*** [").append(kind).append(" ").append(name).append("] ***");
            result.report.append(kCrLf);
            appendLine(result.report, line);
            continue;
        }
        if (isEndMarker(line)) {
            if (inside) {
                appendLine(result.report, line);
                appendLine(result.report, " ");
                inside = false;
            }
            continue;
        }
        if (inside) {
            appendLine(result.report, line);
            ++result.blocks.back().codeLines;
        }
    }
    return result;
}

std::string moduleHeading(std::string_view name)
{
    std::string heading = "{Module: ";
    heading.append(name).append("}\r\n");
    heading.append(35, '=').append(kCrLf);
    return heading;
}

std::vector<common::ProjectFileEntry> projectSourceFiles(std::string_view projectText,
                                                         std::string_view projectPath)
{
    std::vector<common::ProjectFileEntry> files;
    for (common::ProjectFileEntry &entry : common::readProjectFiles(projectText, projectPath)) {
        if (namesSourceFile(entry))
            files.push_back(std::move(entry));
    }
    return files;
}

ProjectChanges reportProjectChanges(const std::vector<common::ProjectFileEntry> &files,
                                    const ChangeFilter &filter,
                                    const SourceReader &read,
                                    bool namesAsWritten,
                                    char separator)
{
    ProjectChanges result;
    for (const common::ProjectFileEntry &entry : files) {
        const std::string &file = namesAsWritten ? entry.filePart : entry.path;
        result.report.append(moduleHeading(file));
        std::optional<std::string> text = read(entry);
        if (!text) {
            result.report.append(kUnreadableLines);
            result.unreadable.push_back(file);
            continue;
        }
        FileChanges changes = GetChangesToFile(*text, filter, separator);
        result.report.append(changes.report);
        if (!changes.found())
            result.report.append(kNoChangesLines);
        for (ChangeRecord &block : changes.blocks)
            result.rows.push_back({file, std::move(block)});
    }
    return result;
}

std::string changesCsv(const std::vector<ReportRow> &rows)
{
    std::string out = "file,kind,procedure,change,programmer,date,lines\r\n";
    for (const ReportRow &row : rows) {
        appendCsvField(out, row.file);
        out.push_back(',');
        appendCsvField(out, row.block.kind);
        out.push_back(',');
        appendCsvField(out, row.block.procedure);
        out.push_back(',');
        out.append(kindWord(row.block.change));
        out.push_back(',');
        appendCsvField(out, row.block.programmer);
        out.push_back(',');
        if (row.block.date)
            out.append(platform::formatDate(*row.block.date, "yyyy-mm-dd", '-'));
        out.push_back(',');
        out.append(std::to_string(row.block.codeLines)).append(kCrLf);
    }
    return out;
}

} // namespace qm::changes
